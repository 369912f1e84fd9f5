#include "frame/lobby_app.h"

#include <windows.h>

#include "frame/library_search.h"
#include "info/tooltip_ctrl.h"
#include "room/lobby_room.h"

namespace {

// The library's global objects, built at load in the order of their members
// and destroyed at unload in reverse. Objects that belong here come with their
// subsystems: after the application object, the player map, the player-table
// map and the score dialog's shared tooltip, in that order. Keeping them
// members of one object in one file is what fixes the order; globals spread
// over several files would be built in an unspecified order.
struct LibraryGlobals {
    CLobbyUiApp app;
    LobbyRoom room;  // the player map and the player-table map, with the tables and finder
    CToolTipCtrl scoreTooltip;
};

LibraryGlobals g_globals;

}  // namespace

CLobbyUiApp& TheApp() { return g_globals.app; }
LobbyRoom& TheRoom() { return g_globals.room; }
CToolTipCtrl& TheScoreTooltip() { return g_globals.scoreTooltip; }

BOOL CLobbyUiApp::InitInstance() {
    if (!CWinApp::InitInstance()) return FALSE;
    // InitInstance runs inside DllMain, under the loader lock, where loading
    // another library is unsafe; hosting is therefore switched on here and
    // atl.dll loaded when the first dialog needs a control.
    m_bControlHosting = true;
    return TRUE;
}

bool EnsureControlHosting() {
    static bool ready = [] {
        if (!TheApp().IsControlHostingEnabled()) return false;
        HMODULE atl = LoadSystemLibrary(L"atl.dll");
        if (!atl) return false;
        using AtlAxWinInitFn = BOOL(WINAPI*)();
        auto init = reinterpret_cast<AtlAxWinInitFn>(reinterpret_cast<void*>(::GetProcAddress(atl, "AtlAxWinInit")));
        return init != nullptr && init() != FALSE;
    }();
    return ready;
}
