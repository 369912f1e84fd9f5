#include "frame/drag_dialog.h"

#include <windowsx.h>

#include "frame/host_cursor.h"
#include "win/clock.h"

CDragDialog::CDragDialog(UINT templateId, CWnd*) : CDialog(templateId) {}

INT_PTR CDragDialog::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_NCLBUTTONDOWN:
        // A close box on screen must close: the system tracks its press and
        // sends the close command. Every other non-client press stays
        // swallowed, so that no system move or size loop starts.
        if (w == HTCLOSE) return CDialog::DialogProc(msg, w, l);
        if (m_drag.OnNcLButtonDown(static_cast<int>(w))) ::SetCapture(m_hWnd);
        SetMsgResult(0);
        return TRUE;
    case WM_MOUSEMOVE: {
        CPoint cursor(GET_X_LPARAM(l), GET_Y_LPARAM(l));
        DragTracker::MoveAnswer answer = m_drag.OnMouseMove(cursor, NowMilliseconds());
        if (answer.moveWindow) {
            CRect window = GetWindowRect();
            SetWindowPos(nullptr, window.left + answer.dx, window.top + answer.dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (!answer.defaultProcessing) return TRUE;
        return CDialog::DialogProc(msg, w, l);
    }
    case WM_LBUTTONUP:
        if (m_drag.OnLButtonUp()) ::ReleaseCapture();
        return CDialog::DialogProc(msg, w, l);
    case WM_SETCURSOR:
        if (!m_bUseHostCursor) return CDialog::DialogProc(msg, w, l);
        // The host's cursor or nothing: default processing would put up the
        // class arrow over the host's choice.
        SetMsgResult(ApplyHostCursor() ? TRUE : FALSE);
        return TRUE;
    case WM_SYSCOMMAND:
        if ((w & 0xFFF0) != SC_CLOSE) return CDialog::DialogProc(msg, w, l);
        // The close box closes once, here. The default course would close
        // again through WM_CLOSE, after the first close's hide had let the
        // host in: a show the host made there would be hidden at once, and
        // the locks it raised dropped under it.
        OnClose();
        return TRUE;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(l) != m_hWnd) m_drag.OnCaptureLost();
        return CDialog::DialogProc(msg, w, l);
    default:
        return CDialog::DialogProc(msg, w, l);
    }
}
