#include "info/tooltip_ctrl.h"

namespace {

// The tool record as every comctl32 version reads it (44 bytes, without the
// field newer headers add): the size the control is told is the size it reads.
TOOLINFOA ToolInfo(HWND window, UINT id, const char* text) {
    TOOLINFOA info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window;
    info.uId = id;
    info.lpszText = const_cast<char*>(text ? text : "");
    return info;
}

}  // namespace

BOOL CToolTipCtrl::Create(HWND parent, DWORD style) {
    DestroyWindow();
    // The host may never have initialised the common controls, and without
    // that a system's comctl32 need not know the tooltip class.
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    m_hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, nullptr, nullptr);
    m_hOwner = m_hWnd ? parent : nullptr;
    return m_hWnd != nullptr;
}

void CToolTipCtrl::DestroyWindow() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    m_hOwner = nullptr;
}

void CToolTipCtrl::DestroyIfOwnedBy(HWND owner) {
    if (m_hWnd && m_hOwner == owner) DestroyWindow();
}

BOOL CToolTipCtrl::AddTool(HWND window, UINT id, const RECT& rect, HINSTANCE instance, const char* text) {
    if (!m_hWnd) return FALSE;
    TOOLINFOA info = ToolInfo(window, id, text);
    info.uFlags = TTF_SUBCLASS;
    info.rect = rect;
    info.hinst = instance;
    return static_cast<BOOL>(::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::UpdateTipText(const char* text, HWND window, UINT id) {
    if (!m_hWnd) return;
    TOOLINFOA info = ToolInfo(window, id, text);
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}
