// CSubclassedWnd: a control with behaviour of its own (owner drawing, its own
// mouse handling). It subclasses an existing window, sees its messages first
// in WindowProc, and receives the owner-draw messages its parent reflects.
#ifndef LOBBYUI_WIN_SUBCLASS_H
#define LOBBYUI_WIN_SUBCLASS_H

#include <windows.h>
#include <lobbyui/life_watch.h>
#include <lobbyui/wnd.h>

// A host answering a message may destroy the dialog the control lives in:
// LifeWatch tells whether the control survived such a call.
class CSubclassedWnd : public CWnd, public CLifeWatched {
public:
    CSubclassedWnd() = default;
    virtual ~CSubclassedWnd();
    CSubclassedWnd(const CSubclassedWnd&) = delete;
    CSubclassedWnd& operator=(const CSubclassedWnd&) = delete;

    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, const CWnd& parent) { return SubclassWindow(::GetDlgItem(parent.m_hWnd, id)); }
    void UnsubclassWindow();

    // The object that subclassed hwnd, or null.
    static CSubclassedWnd* FromHandlePermanent(HWND hwnd);

    // Owner-draw messages (WM_DRAWITEM, WM_COMPAREITEM, WM_DELETEITEM) the
    // parent reflects; return TRUE when handled, with the answer in *result.
    virtual BOOL OnChildNotify(UINT msg, WPARAM w, LPARAM l, LRESULT* result);

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l);
    // The control's own processing of the message being handled.
    LRESULT Default();

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR ref);
    UINT m_msg = 0;
    WPARAM m_wParam = 0;
    LPARAM m_lParam = 0;
};

#endif
