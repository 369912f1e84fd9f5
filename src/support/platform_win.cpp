// The platform seam on Windows: the real calls. The room's home is the
// application object's (frame/lobby_app.cpp), with the library's globals.
#include "support/platform.h"

#include <io.h>
#include <windows.h>

#include "support/lock.h"

const char* SavedDefaultsPath() { return ".\\Default.sav"; }

bool FlushFileToDisk(FILE* f) { return _commit(_fileno(f)) == 0; }

bool ReplaceFileWith(const char* source, const char* target) {
    return ::MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool TruncateFileTo(FILE* f, long size) { return fflush(f) == 0 && _chsize(_fileno(f), size) == 0; }

uint16_t SystemDefaultLanguageId() { return static_cast<uint16_t>(::GetSystemDefaultLangID()); }

const char* TextTablePath() { return "STCSV\\PlayerScore_Sim.csv"; }

DebugStamp DebugStampNow() {
    SYSTEMTIME local;
    ::GetLocalTime(&local);
    DebugStamp stamp;
    stamp.hour = local.wHour;
    stamp.minute = local.wMinute;
    stamp.second = local.wSecond;
    stamp.threadId = ::GetCurrentThreadId();
    return stamp;
}

void DebugOutputToDebugger(const char* line) { ::OutputDebugStringA(line); }

void* DebugListBoxCreate() {
    HWND window = ::CreateWindowExA(0, "LISTBOX", "TemporaryDebugWindow",
                                    WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL |
                                        LBS_NOINTEGRALHEIGHT,
                                    0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    if (!window) {
        char text[252] = "";
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ::GetLastError(), 0,
                         text, sizeof(text), nullptr);
        ::MessageBoxA(nullptr, text, "Error", MB_OK);
    }
    return window;
}

void DebugListBoxAppend(void* window, const char* line) {
    if (!window) return;
    HWND list = static_cast<HWND>(window);
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    ::SendMessageA(list, WM_VSCROLL, SB_LINEDOWN, 0);
}

void DebugListBoxClose(void* window) {
    if (window) ::SendMessageA(static_cast<HWND>(window), WM_CLOSE, 0, 0);
}

namespace {
CRITICAL_SECTION* SectionIn(unsigned char* storage) { return reinterpret_cast<CRITICAL_SECTION*>(storage); }
}  // namespace

NvtLock::NvtLock() {
    static_assert(sizeof(CRITICAL_SECTION) <= kStorageSize, "lock storage too small");
    ::InitializeCriticalSection(SectionIn(m_storage));
}

NvtLock::~NvtLock() { ::DeleteCriticalSection(SectionIn(m_storage)); }

void NvtLock::Lock() { ::EnterCriticalSection(SectionIn(m_storage)); }

void NvtLock::Unlock() { ::LeaveCriticalSection(SectionIn(m_storage)); }

NvtLock& SingletonCreationLock() {
    static NvtLock lock;
    return lock;
}
