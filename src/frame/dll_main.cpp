#include <windows.h>

#include "frame/lobby_app.h"

// The C runtime has built the library's globals (frame/lobby_app.cpp) before
// this runs, and destroys them after the detach.
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ::DisableThreadLibraryCalls(module);
        return TheApp().InitInstance();
    }
    if (reason == DLL_PROCESS_DETACH) TheApp().ExitInstance();
    return TRUE;
}
