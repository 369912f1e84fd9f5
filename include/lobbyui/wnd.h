// CWnd: a view over a window handle. The library's dialogs derive from it;
// a host that is not built on the framework passes its windows to the
// facades as CWnd::FromHandle(hwnd). A CWnd never destroys the window it
// views; CDialog, which owns its window, does.
#ifndef LOBBYUI_WND_H
#define LOBBYUI_WND_H

#include <windows.h>
#include <lobbyui/cstring.h>
#include <lobbyui/export.h>
#include <lobbyui/geometry.h>

class CWnd {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}

    // A view of hwnd. The object stays valid as long as the library is
    // loaded, and the same handle gives the same object while its window
    // exists. Once the window is destroyed its view keeps the dead handle,
    // on which every call fails harmlessly, until at least 256 other new
    // windows have been passed in here; after that it may be aimed at
    // another window, so drop the pointer when you destroy the window.
    static LOBBYUI_API CWnd* FromHandle(HWND hwnd);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    BOOL IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

    BOOL ShowWindow(int show) const { return ::ShowWindow(m_hWnd, show); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text ? text : ""); }
    CString GetWindowText() const {
        char buffer[1024] = {0};
        int n = ::GetWindowTextA(m_hWnd, buffer, sizeof buffer);
        return CString(buffer, n);
    }
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const {
        ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    void MoveWindow(const CRect& r, BOOL repaint = TRUE) const {
        ::MoveWindow(m_hWnd, r.left, r.top, r.Width(), r.Height(), repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    CRect GetWindowRect() const { RECT r = {0, 0, 0, 0}; ::GetWindowRect(m_hWnd, &r); return FromRECT(r); }
    CRect GetClientRect() const { RECT r = {0, 0, 0, 0}; ::GetClientRect(m_hWnd, &r); return FromRECT(r); }
    CPoint ClientToScreen(CPoint p) const { POINT q = {p.x, p.y}; ::ClientToScreen(m_hWnd, &q); return CPoint(q.x, q.y); }
    CPoint ScreenToClient(CPoint p) const { POINT q = {p.x, p.y}; ::ScreenToClient(m_hWnd, &q); return CPoint(q.x, q.y); }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    CWnd GetParent() const { return CWnd(::GetParent(m_hWnd)); }
    LRESULT SendMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(m_hWnd, msg, w, l); }
    BOOL PostMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageA(m_hWnd, msg, w, l); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }

    static CRect FromRECT(const RECT& r) {
        return CRect(static_cast<int32_t>(r.left), static_cast<int32_t>(r.top),
                     static_cast<int32_t>(r.right), static_cast<int32_t>(r.bottom));
    }
    static RECT ToRECT(const CRect& r) { RECT out = {r.left, r.top, r.right, r.bottom}; return out; }
};

// The handle behind a window pointer a host passed in, null for a null pointer.
inline HWND HwndOf(const CWnd* wnd) { return wnd ? wnd->m_hWnd : nullptr; }

#endif
