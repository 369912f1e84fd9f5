#include "win/hover_button.h"

#include <commctrl.h>

LRESULT CHoverButton::WindowProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_MOUSEMOVE:
        if (!m_bTracking) {
            TRACKMOUSEEVENT track = {sizeof track, TME_HOVER | TME_LEAVE, m_hWnd, 1};
            m_bTracking = ::_TrackMouseEvent(&track) != FALSE;
        }
        break;
    case WM_MOUSEHOVER:
        m_bHovered = true;
        Invalidate(FALSE);
        break;
    case WM_MOUSELEAVE:
        m_bHovered = false;
        m_bTracking = false;
        Invalidate(FALSE);
        break;
    default:
        break;
    }
    return CSubclassedWnd::WindowProc(msg, w, l);
}
