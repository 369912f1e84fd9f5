#include <windows.h>

#include "frame/lobby_app.h"
#include "support/debug_log.h"
#include "support/html_trace.h"

// The C runtime has built the library's globals (frame/lobby_app.cpp) before
// this runs, and destroys them after the detach.
extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        ::DisableThreadLibraryCalls(module);
        // The debugging switches (LOBBYUI_TRACE, LOBBYUI_DEBUGLOG); both stay
        // silent unless a person debugging a host sets them.
        InstallTraceFromEnvironment();
        ApplyDebugLogSwitch();
        return TheApp().InitInstance();
    }
    if (reason == DLL_PROCESS_DETACH) {
        TheApp().ExitInstance();
        RemoveInstalledTrace();
    }
    return TRUE;
}
