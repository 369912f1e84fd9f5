#include "settings/web_dialog.h"

#include <ole2.h>

#include <lobbyui/settings_dialogs.h>

#include "res/settings_ids.h"
#include "settings/handed_out_set.h"
#include "settings/handed_out_windows.h"
#include "support/html_trace.h"
#include "support/texts_gbk.h"

CWebDlg::CWebDlg() : CDragDialog(IDD_WEB, nullptr) {}

CWebDlg::~CWebDlg() { m_browser.DestroyWindow(); }

void CWebDlg::Open(const CString& url, const CRect& rect, CWnd* parent) {
    Create(parent);
    if (!m_hWnd) return;
    // A rectangle turned inside out gives an empty dialog at its corner.
    int width = rect.Width() > 0 ? rect.Width() : 0;
    int height = rect.Height() > 0 ? rect.Height() : 0;
    SetWindowPos(nullptr, rect.left, rect.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    CRect client = GetClientRect();
    m_browser.CreateControl(m_hWnd, client, IDC_WEB_BROWSER);
    m_browser.ShowWindow(SW_SHOW);
    m_browser.Navigate(url, nullptr, nullptr, nullptr, nullptr);
}

// The browser goes while its window still lives, so that what it keeps on
// that window is cleared; after the dialog's destruction it is already gone.
void CWebDlg::OnDestroy() { m_browser.DestroyWindow(); }

INT_PTR CWebDlg::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    // A host that resizes the dialog gets the page resized with it, never a
    // page cut short or a bare margin.
    if (msg == WM_SIZE && m_browser.m_hWnd) m_browser.MoveWindow(0, 0, LOWORD(l), HIWORD(l));
    return CDragDialog::DialogProc(msg, w, l);
}

namespace {

// Control hosting needs OLE on the host's thread. A host that started it
// keeps it; otherwise it is started here once and stays for the thread's
// life, since pages may be open until the host ends.
void EnsureOleOnThisThread() {
    HRESULT hr = ::OleInitialize(nullptr);
    if (hr == S_FALSE) ::OleUninitialize();
}

// The dialogs handed out and not yet given back.
HandedOutSet<CDialog>& LiveWebDialogs() {
    static HandedOutSet<CDialog> live;
    return live;
}

}  // namespace

CDialog* CWebDlgInterface::CreateNewWebDlg(CString url, CRect rect, CWnd* parent) {
    Trace("CreateNewWebDlg");
    Trace("%s", kGbkWebDlgBuilding);
    EnsureOleOnThisThread();
    CWebDlg* dialog = new CWebDlg;
    LiveWebDialogs().HandOut(dialog);
    dialog->Open(url, rect, parent);
    Trace("%s", kGbkWebDlgBuilt);
    return dialog;
}

HWND HandedOutWindow(const CDialog* dialog) {
    if (!LiveWebDialogs().Holds(dialog)) return nullptr;
    return ::IsWindow(dialog->m_hWnd) ? dialog->m_hWnd : nullptr;
}

void CWebDlgInterface::DestroyWebDlg(CDialog* dialog) {
    Trace("DestroyWebDlg");
    if (!LiveWebDialogs().TakeBack(dialog)) return;
    // A window the host already destroyed (with its parent, say) is gone;
    // the object is freed all the same.
    dialog->DestroyWindow();
    LiveWebDialogs().End(static_cast<CWebDlg*>(dialog));
}

