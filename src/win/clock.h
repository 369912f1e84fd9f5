// The millisecond clock of the multimedia timer, behind a seam so that tests
// can move time by hand instead of sleeping.
#ifndef LOBBYUI_WIN_CLOCK_H
#define LOBBYUI_WIN_CLOCK_H

#include <windows.h>

using MillisecondClock = DWORD (*)();

DWORD NowMilliseconds();
// Replaces the clock; null restores timeGetTime. Returns the previous one.
MillisecondClock SetMillisecondClock(MillisecondClock clock);

#endif
