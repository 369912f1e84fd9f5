#include "support/debug_platform.h"

#include <stdio.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

DebugStamp DebugStampNow() {
    time_t now = time(nullptr);
    struct tm local = {};
    localtime_r(&now, &local);
    DebugStamp stamp;
    stamp.hour = local.tm_hour;
    stamp.minute = local.tm_min;
    stamp.second = local.tm_sec;
    stamp.threadId = static_cast<unsigned long>(syscall(SYS_gettid));
    return stamp;
}

// There is no debugger channel or window here: the error stream stands in
// for both, so a person running a native program still sees the lines.
void DebugOutputToDebugger(const char* line) { fprintf(stderr, "%s\n", line); }

namespace {
int g_listBoxToken;
}  // namespace

void* DebugListBoxCreate() { return &g_listBoxToken; }

void DebugListBoxAppend(void* window, const char* line) {
    if (window) fprintf(stderr, "%s\n", line);
}

void DebugListBoxClose(void*) {}
