// The library's application object and the load-time order of its globals.
#ifndef LOBBYUI_FRAME_LOBBY_APP_H
#define LOBBYUI_FRAME_LOBBY_APP_H

#include "win/winapp.h"

class CLobbyUiApp : public CWinApp {
public:
    CLobbyUiApp() : CWinApp(nullptr) {}
    BOOL InitInstance() override;
    bool IsControlHostingEnabled() const { return m_bControlHosting; }

private:
    bool m_bControlHosting = false;
};

CLobbyUiApp& TheApp();

// Loads the browser-control host (atl.dll's AtlAxWin window class) the first
// time a dialog needs it. True when the class is available.
bool EnsureControlHosting();

#endif
