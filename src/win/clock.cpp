#include "win/clock.h"

#include <mmsystem.h>

namespace {
DWORD SystemClock() { return ::timeGetTime(); }
MillisecondClock g_clock = &SystemClock;
}  // namespace

DWORD NowMilliseconds() { return g_clock(); }

MillisecondClock SetMillisecondClock(MillisecondClock clock) {
    MillisecondClock previous = g_clock;
    g_clock = clock ? clock : &SystemClock;
    return previous;
}
