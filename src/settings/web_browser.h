// CWebBrowser2: the browser control of the web dialog, child window 100.
// It is the platform's WebBrowser control hosted through atl.dll's control
// window when the platform can show web pages; otherwise a plain text
// control in the same place saying that the page cannot be shown, so the
// host never gets an empty hole. Either way the URL last navigated to is
// kept on the child window as the property kNavigatedUrlProperty (a
// pointer to its text, valid while the window lives), for tests and
// debugging.
#ifndef LOBBYUI_SETTINGS_WEB_BROWSER_H
#define LOBBYUI_SETTINGS_WEB_BROWSER_H

#include <windows.h>
#include <oaidl.h>

#include <string>

#include <lobbyui/geometry.h>
#include <lobbyui/wnd.h>

class CWebBrowser2 : public CWnd {
public:
    static constexpr const char* kNavigatedUrlProperty = "LobbyUi.NavigatedUrl";
    // The WebBrowser control's automation id of Navigate.
    static constexpr DISPID kNavigateDispatchId = 104;

    CWebBrowser2() = default;
    ~CWebBrowser2();
    CWebBrowser2(const CWebBrowser2&) = delete;
    CWebBrowser2& operator=(const CWebBrowser2&) = delete;

    // Makes child window id in parent over rect (client coordinates).
    BOOL CreateControl(HWND parent, const CRect& rect, UINT id);
    // Tells the control to open url; the four optional arguments go to the
    // control as they are (null for all in this library).
    void Navigate(const char* url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData, VARIANT* headers);
    void DestroyWindow();
    // What the control reports as its current address (empty without the
    // control, or before it has one).
    std::string GetLocationURL() const;

    // True when the window is the real browser control, false for the text.
    bool HostsBrowser() const { return m_dispatch != nullptr; }

private:
    bool CreateBrowser(HWND parent, const CRect& rect, UINT id);
    void CreateUnavailableText(HWND parent, const CRect& rect, UINT id);
    void ShowUnavailable();

    IDispatch* m_dispatch = nullptr;
    std::string m_url;
};

// Whether this thread can host the browser and the platform's own browser
// has an HTML engine to show pages with. A browser of another server
// registered for the class needs no engine of the platform's.
bool WebPagesAvailable();

// Whether a server file (a path as the system gives it, quotes and all) is
// the platform's own browser, and whether a control object comes from it.
bool IsPlatformBrowserServer(const char* serverPath);
bool IsServedByPlatformBrowser(IUnknown* control);

// For tests: replaces the HTML engine check (null restores it), so that the
// hosting of the control itself can be exercised where no engine is.
void SetHtmlEngineCheckForTesting(bool (*check)());

#endif
