// What the debug log needs from the platform: the local time and thread of a
// line, the debugger's output and the list-box window. Windows implements it
// with the real calls; the native stand-in writes to the error stream.
#ifndef LOBBYUI_SUPPORT_DEBUG_PLATFORM_H
#define LOBBYUI_SUPPORT_DEBUG_PLATFORM_H

struct DebugStamp {
    int hour;
    int minute;
    int second;
    unsigned long threadId;
};

DebugStamp DebugStampNow();
void DebugOutputToDebugger(const char* line);

// Makes the "TemporaryDebugWindow" list box; null when it cannot be made (the
// user has then been told why).
void* DebugListBoxCreate();
void DebugListBoxAppend(void* window, const char* line);
void DebugListBoxClose(void* window);

#endif
