#include "win/subclass.h"

#include <windows.h>
#include <commctrl.h>

#include "win/system_code.h"

namespace {
const UINT_PTR kSubclassId = 0x4C6F6279;  // "Loby"
}

CSubclassedWnd::~CSubclassedWnd() {
    EndLife();
    UnsubclassWindow();
}

BOOL CSubclassedWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd) return FALSE;
    if (!::SetWindowSubclass(hwnd, &CSubclassedWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return FALSE;
    m_hWnd = hwnd;
    return TRUE;
}

void CSubclassedWnd::UnsubclassWindow() {
    if (!m_hWnd) return;
    ::RemoveWindowSubclass(m_hWnd, &CSubclassedWnd::SubclassProc, kSubclassId);
    m_hWnd = nullptr;
}

CSubclassedWnd* CSubclassedWnd::FromHandlePermanent(HWND hwnd) {
    DWORD_PTR ref = 0;
    if (!hwnd || !::GetWindowSubclass(hwnd, &CSubclassedWnd::SubclassProc, kSubclassId, &ref)) return nullptr;
    return reinterpret_cast<CSubclassedWnd*>(ref);
}

BOOL CSubclassedWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CSubclassedWnd::WindowProc(UINT, WPARAM, LPARAM) { return Default(); }

LRESULT CSubclassedWnd::Default() {
    SystemCodeScope systemCode;
    return ::DefSubclassProc(m_hWnd, m_msg, m_wParam, m_lParam);
}

LRESULT CALLBACK CSubclassedWnd::SubclassProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) {
    CSubclassedWnd* self = reinterpret_cast<CSubclassedWnd*>(ref);
    // Messages nest (a handler may send to its own window), so the current
    // message is saved around the call for Default().
    UINT savedMsg = self->m_msg;
    WPARAM savedW = self->m_wParam;
    LPARAM savedL = self->m_lParam;
    self->m_msg = msg;
    self->m_wParam = w;
    self->m_lParam = l;
    LifeWatch watch(*self);
    LRESULT result = self->WindowProc(msg, w, l);
    // Deleted inside its own message (its dialog destroyed by the host):
    // nothing of the object may be touched any more.
    if (!watch.Gone()) {
        self->m_msg = savedMsg;
        self->m_wParam = savedW;
        self->m_lParam = savedL;
        if (msg == WM_NCDESTROY) {
            ::RemoveWindowSubclass(hwnd, &CSubclassedWnd::SubclassProc, kSubclassId);
            self->m_hWnd = nullptr;
        }
    }
    // A destroy the host asked for under the control's own procedure happens
    // now, and may delete this object: nothing of it is touched after.
    RunWaitingDestroys();
    return result;
}
