#include "win/dialog.h"

#include "win/module.h"
#include "win/subclass.h"

CDialog::~CDialog() { DestroyWindow(); }

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

BOOL CDialog::OnCommand(UINT id, UINT, HWND) {
    switch (id) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK CDialog::StaticProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(l);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, l);
    } else {
        self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) {
        // WM_SETFONT and a fixed-height owner-drawn list's WM_MEASUREITEM come
        // before WM_INITDIALOG; the object is not known yet.
        return FALSE;
    }
    INT_PTR result = self->DialogProc(msg, w, l);
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

INT_PTR CDialog::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        return OnCommand(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
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
