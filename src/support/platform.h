// The portable core's one seam to the platform: everything it needs that
// Windows and the native build do differently. Windows implements it with
// the real calls (platform_win.cpp); the native build, which runs the core's
// tests, fuzzers and benchmarks, with POSIX stand-ins (platform_native.cpp).
// The lock (NvtLock, support/lock.h) and the room's home (TheRoom,
// room/lobby_room.h) are declared with what they serve and implemented here
// too, the room on Windows by the application object, which owns the
// library's globals.
#ifndef LOBBYUI_SUPPORT_PLATFORM_H
#define LOBBYUI_SUPPORT_PLATFORM_H

#include <stdint.h>
#include <stdio.h>

// The saved defaults file: ".\Default.sav" on Windows, relative to the
// current directory, and a replace that never leaves a half-written file.
const char* SavedDefaultsPath();
// Pushes what was written to f down to the disk.
bool FlushFileToDisk(FILE* f);
// Puts `source` in the place of `target` in one step, replacing it.
bool ReplaceFileWith(const char* source, const char* target);
// Cuts the open file f to size bytes (what was written is flushed first).
bool TruncateFileTo(FILE* f, long size);

// The text table: the system's default language identifier
// (GetSystemDefaultLangID on Windows) and the file's path, relative to the
// current directory.
uint16_t SystemDefaultLanguageId();
const char* TextTablePath();
// Replaces the system's language with another source, for tests and for a
// host that wants to try the other script; null restores the system's.
// Returns the source it replaced.
using LanguageIdSource = uint16_t (*)();
LanguageIdSource SetLanguageIdSource(LanguageIdSource source);

// The debug log: the local time and thread of a line, the debugger's output
// and the list-box window.
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
