#include "win/dialog.h"

#include "win/module.h"
#include "win/subclass.h"

CDialog::~CDialog() {
    // The window's destruction sends the host activation and focus messages;
    // a call nested in them must already find this dialog gone.
    EndLife();
    if (!m_hWnd) return;
    // The owner destroys the window before deleting the object, so that the
    // derived dialog still handles its last messages. A window still here has
    // outlived that: its messages must not reach the parts already destroyed.
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    ::DestroyWindow(hwnd);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    if (m_hWnd) return FALSE;
    m_nIDTemplate = templateId;
    m_hWndOwner = HwndOf(parent);
    HWND made = ::CreateDialogParamA(LobbyModule(), MAKEINTRESOURCEA(templateId), m_hWndOwner, &CDialog::StaticProc,
                                     reinterpret_cast<LPARAM>(this));
    return made != nullptr;
}

void CDialog::SetMsgResult(LRESULT result) const { ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result); }

void CDialog::Paint(CDC&) {}

bool CDialog::SendToOwnerSurvives(UINT msg, WPARAM w, LPARAM l) {
    LifeWatch watch(*this);
    SendToOwner(msg, w, l);
    return !watch.Gone();
}

bool CDialog::ShowWindowSurvives(int show) {
    LifeWatch watch(*this);
    ShowWindow(show);
    return !watch.Gone();
}

bool CDialog::SetFocusSurvives(HWND control) {
    LifeWatch watch(*this);
    ::SetFocus(control);
    return !watch.Gone();
}

BOOL CDialog::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK CDialog::StaticProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    CDialog* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (msg == WM_INITDIALOG) {
        // Only the creation's own WM_INITDIALOG carries the object; one a
        // host sends a live dialog carries whatever it likes.
        if (self) return FALSE;
        self = reinterpret_cast<CDialog*>(l);
        if (!self) return FALSE;
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, l);
    }
    if (!self) {
        // WM_SETFONT and a fixed-height owner-drawn list's WM_MEASUREITEM come
        // before WM_INITDIALOG; the object is not known yet.
        return FALSE;
    }
    CLifeWatched::LifeWatch watch(*self);
    INT_PTR result = self->DialogProc(msg, w, l);
    // Deleted by the host inside its own message: nothing of it is left.
    if (watch.Gone()) return result;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CDialog::ReflectToChild(UINT msg, WPARAM w, LPARAM l) {
    // Sent without its structure, the message names no child to answer it.
    if (!l) return FALSE;
    HWND child = nullptr;
    switch (msg) {
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(l)->hwndItem; break;
    case WM_COMPAREITEM: child = reinterpret_cast<COMPAREITEMSTRUCT*>(l)->hwndItem; break;
    case WM_DELETEITEM: child = reinterpret_cast<DELETEITEMSTRUCT*>(l)->hwndItem; break;
    default: return FALSE;
    }
    CSubclassedWnd* object = CSubclassedWnd::FromHandlePermanent(child);
    if (!object) return FALSE;
    LRESULT result = 0;
    if (!object->OnChildNotify(msg, w, l, &result)) return FALSE;
    // WM_COMPAREITEM's answer is the procedure's return value itself.
    if (msg == WM_COMPAREITEM) return static_cast<INT_PTR>(result);
    SetMsgResult(result);
    return TRUE;
}

// The system's default dialog processing gives the keyboard back to a
// control when the dialog is activated or focused, and writes into the
// dialog's data after that SetFocus returns. SetFocus lets the host in (it
// takes the focus from a host window), and a host that destroys the dialog
// there would have the system write into freed memory. So the library's
// dialogs give the focus back themselves, and stop if the host's answer
// ended them.
bool CDialog::TakesFocus(HWND control) const {
    if (!control || !::IsWindow(control) || !::IsChild(m_hWnd, control)) return false;
    return (::GetWindowLongA(control, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

// A command may disable or hide the very control that has the keyboard (the
// score dialog's page button on its last page), and a host calling back while
// a pressed button takes the focus may have disabled it first. Left there,
// the keyboard is dead: the first control the dialog still offers takes it.
void CDialog::KeepKeyboardOnWhatItOffers() {
    if (!m_hWnd || !::IsWindowVisible(m_hWnd)) return;
    HWND focus = ::GetFocus();
    // The system may take the focus from a control it disables, to nowhere.
    const bool lost = !focus && ::GetActiveWindow() == m_hWnd;
    if (!lost && (!focus || !::IsChild(m_hWnd, focus) || TakesFocus(focus))) return;
    HWND next = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    SetFocusSurvives(TakesFocus(next) ? next : m_hWnd);
}

BOOL CDialog::RestoreFocus(bool selectText) {
    if (::IsIconic(m_hWnd)) return TRUE;
    HWND target = m_hWndFocus;
    m_hWndFocus = nullptr;
    // A show may have hidden or disabled the control that had the keyboard
    // (the join button of a table that turned out full): the keyboard
    // must not press what the dialog no longer offers.
    if (!TakesFocus(target)) target = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (!TakesFocus(target)) return TRUE;
    if (selectText && (::SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) {
        LifeWatch watch(*this);
        ::SendMessageA(target, EM_SETSEL, 0, -1);
        if (watch.Gone()) return TRUE;
    }
    SetFocusSurvives(target);
    return TRUE;
}

INT_PTR CDialog::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(w) != WA_INACTIVE) return RestoreFocus(false);
        {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(m_hWnd, focus)) m_hWndFocus = focus;
        }
        return FALSE;
    case WM_SHOWWINDOW:
        if (!w) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(m_hWnd, focus)) m_hWndFocus = focus;
        }
        return FALSE;
    case WM_SETFOCUS:
        return RestoreFocus(true);
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        LifeWatch watch(*this);
        const BOOL handled = OnCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
        if (!watch.Gone()) KeepKeyboardOnWhatItOffers();
        return handled;
    }
    case WM_CLOSE:
        OnClose();
        return TRUE;
    case WM_TIMER:
        return OnTimer(static_cast<UINT_PTR>(w));
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l))) {
            SetMsgResult(TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_MEASUREITEM:
        return OnMeasureItem(static_cast<UINT>(w), reinterpret_cast<MEASUREITEMSTRUCT*>(l));
    case WM_DRAWITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
        return ReflectToChild(msg, w, l);
    case WM_PAINT:
        if (!PaintsItself()) return FALSE;
        {
            CPaintDC dc(m_hWnd);
            Paint(dc);
        }
        return TRUE;
    case WM_PRINTCLIENT:
        if (!PaintsItself()) return FALSE;
        {
            CDC dc(reinterpret_cast<HDC>(w));
            Paint(dc);
        }
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}
