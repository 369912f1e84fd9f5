// CDialog: a modeless dialog made from one of the library's dialog templates.
// It owns its window. A host receives the library's dialogs as CDialog
// pointers (a web dialog, say) and reaches their window as it would any
// CWnd's: dialog->m_hWnd, dialog->ShowWindow(SW_SHOW), dialog->MoveWindow(…).
// Messages arrive in DialogProc, a plain switch that calls the virtual
// handlers below; a dialog of the library overrides the handlers it needs
// and, for messages of its own, DialogProc (falling back to CDialog's).
#ifndef LOBBYUI_DIALOG_H
#define LOBBYUI_DIALOG_H

#include <windows.h>
#include <lobbyui/life_watch.h>
#include <lobbyui/wnd.h>

class CDC;

class CDialog : public CWnd, public CLifeWatched {
public:
    explicit CDialog(UINT templateId) : m_nIDTemplate(templateId) {}
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Makes the window from the template, owned by parent; it stays hidden
    // unless the template says otherwise. parent may be null.
    BOOL Create(UINT templateId, CWnd* parent);
    BOOL Create(CWnd* parent) { return Create(m_nIDTemplate, parent); }
    // Inline, like every call a host may make on a dialog it was handed:
    // the library exports its facades, not this class. Whoever deletes a
    // dialog destroys its window first, while the whole dialog still
    // handles the window's last messages.
    BOOL DestroyWindow() {
        if (!m_hWnd) return FALSE;
        OnDestroying();
        return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
    }
    // For a destroy that has to wait (the system's procedure of one of its
    // controls is still running under the call): the dialog ends now as a
    // destroy would end it, and hides; DestroyWindow follows later.
    void Retire() {
        if (!m_hWnd) return;
        OnDestroying();
        if (m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
    }

    // The window given to Create: where the dialog reports to its host.
    HWND GetOwnerHwnd() const { return m_hWndOwner; }
    LRESULT SendToOwner(UINT msg, WPARAM w, LPARAM l) const {
        return m_hWndOwner ? ::SendMessageA(m_hWndOwner, msg, w, l) : 0;
    }

    // Paints the client area into dc. WM_PAINT and WM_PRINTCLIENT both come
    // here, so a test can render the dialog into a metafile.
    virtual void Paint(CDC& dc);

protected:
    virtual INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l);

    virtual BOOL OnInitDialog() { return TRUE; }
    virtual BOOL OnCommand(UINT id, UINT notifyCode, HWND control);
    virtual void OnOK() {}
    virtual void OnCancel() {}
    // System close (the caption's close box, Alt+F4); by default as Escape.
    virtual void OnClose() { OnCancel(); }
    virtual BOOL OnTimer(UINT_PTR) { return FALSE; }
    virtual BOOL OnSetCursor(HWND, UINT, UINT) { return FALSE; }
    virtual BOOL OnMeasureItem(UINT, MEASUREITEMSTRUCT*) { return FALSE; }
    virtual void OnDestroy() {}
    // Called before DestroyWindow starts: a shown dialog ends its show here,
    // silently (its locks dropped, nothing more to report), since the
    // destruction activates host windows and what the host does there, such
    // as showing a new dialog, must stand.
    virtual void OnDestroying() {}
    // True when Paint draws the whole client area itself.
    virtual bool PaintsItself() const { return false; }

    // The result of the message being handled, for messages whose answer is
    // not the dialog procedure's return value.
    void SetMsgResult(LRESULT result) const;

    // Calls through which the host can run code before they return: a send
    // to a host window, or a show, hide or focus change that activates one.
    // Each answers whether this dialog still exists afterwards; when it
    // does not, the caller returns without touching anything of it.
    bool SendToOwnerSurvives(UINT msg, WPARAM w, LPARAM l);
    bool ShowWindowSurvives(int show);
    bool SetFocusSurvives(HWND control);

    UINT m_nIDTemplate;
    HWND m_hWndOwner = nullptr;

private:
    static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
    INT_PTR ReflectToChild(UINT msg, WPARAM w, LPARAM l);
    BOOL RestoreFocus(bool selectText);
    // A control of this dialog that is shown and enabled itself.
    bool TakesFocus(HWND control) const;
    // After a command: the keyboard leaves a control the dialog no longer offers.
    void KeepKeyboardOnWhatItOffers();

    HWND m_hWndFocus = nullptr;  // the control that had the keyboard when the dialog last lost it
};

#endif
