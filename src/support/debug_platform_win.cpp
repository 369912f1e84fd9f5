#include "support/debug_platform.h"

#include <windows.h>

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
