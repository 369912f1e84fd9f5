// CWinApp: the application object of a module. The library has exactly one,
// CLobbyUiApp; its InitInstance runs once when the library is loaded.
#ifndef LOBBYUI_WIN_WINAPP_H
#define LOBBYUI_WIN_WINAPP_H

#include <windows.h>

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr) : m_pszAppName(appName) {}
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    const char* m_pszAppName;
};

#endif
