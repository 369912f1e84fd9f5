// Heap checking for Win32 tests and the chaos host. Wine's heap checking
// (WINEDEBUG=warn+heap) fills freed blocks but looks at them again only when
// asked: HeapValidate over every heap of the process is that question.
#ifndef LOBBYUI_TESTS_HEAP_CHECK_H
#define LOBBYUI_TESTS_HEAP_CHECK_H

#include <windows.h>

inline bool ProcessHeapsValid() {
    HANDLE heaps[256];
    DWORD count = ::GetProcessHeaps(256, heaps);
    if (count == 0 || count > 256) return false;
    for (DWORD i = 0; i < count; ++i) {
        if (!::HeapValidate(heaps[i], 0, nullptr)) return false;
    }
    return true;
}

#endif
