// The platform seam on Linux and other POSIX systems, for the core's native
// tests, fuzzers and benchmarks.
#include "support/platform.h"

#include <stdio.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <mutex>
#include <new>

#include "room/lobby_room.h"
#include "support/lock.h"

const char* SavedDefaultsPath() { return "./Default.sav"; }

bool FlushFileToDisk(FILE* f) { return fsync(fileno(f)) == 0; }

// rename() replaces atomically: a reader sees the old file or the new one.
bool ReplaceFileWith(const char* source, const char* target) { return rename(source, target) == 0; }

bool TruncateFileTo(FILE* f, long size) { return fflush(f) == 0 && ftruncate(fileno(f), size) == 0; }

// Without a system language to ask, answer simplified Chinese (0x0804), the
// language the texts are written in; SetLanguageIdSource changes it.
uint16_t SystemDefaultLanguageId() { return 0x0804; }

const char* TextTablePath() { return "STCSV/PlayerScore_Sim.csv"; }

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

std::recursive_mutex& MutexIn(unsigned char* storage) {
    return *std::launder(reinterpret_cast<std::recursive_mutex*>(storage));
}

// Natively there is no DLL load order to keep: one global serves.
LobbyRoom g_room;
}  // namespace

void* DebugListBoxCreate() { return &g_listBoxToken; }

void DebugListBoxAppend(void* window, const char* line) {
    if (window) fprintf(stderr, "%s\n", line);
}

void DebugListBoxClose(void*) {}

NvtLock::NvtLock() {
    static_assert(sizeof(std::recursive_mutex) <= kStorageSize, "lock storage too small");
    static_assert(alignof(std::recursive_mutex) <= 8, "lock storage misaligned");
    new (m_storage) std::recursive_mutex();
}

NvtLock::~NvtLock() { MutexIn(m_storage).~recursive_mutex(); }

void NvtLock::Lock() { MutexIn(m_storage).lock(); }

void NvtLock::Unlock() { MutexIn(m_storage).unlock(); }

NvtLock& SingletonCreationLock() {
    static NvtLock lock;
    return lock;
}

LobbyRoom& TheRoom() { return g_room; }
