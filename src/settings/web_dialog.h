// CWebDlg: a child dialog whose whole client area is a web page (or, where
// the platform cannot show pages, a text saying so). Each one is the
// host's, from CreateNewWebDlg to DestroyWebDlg; the library keeps no list.
#ifndef LOBBYUI_SETTINGS_WEB_DIALOG_H
#define LOBBYUI_SETTINGS_WEB_DIALOG_H

#include <lobbyui/cstring.h>

#include "frame/drag_dialog.h"
#include "settings/web_browser.h"

class CWebDlg : public CDragDialog {
public:
    CWebDlg();
    ~CWebDlg() override;

    // Makes the hidden window under parent at rect (parent's client
    // coordinates), fills it with the browser and opens url.
    void Open(const CString& url, const CRect& rect, CWnd* parent);

    CWebBrowser2& browser() { return m_browser; }

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override { return TRUE; }
    // A page is not a form: Enter and Escape belong to it, not to closing.
    void OnOK() override {}
    void OnCancel() override {}
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    CWebBrowser2 m_browser;
};

#endif
