#include <lobbyui/base_data_control.h>

#include "support/pop_menu_layout.h"

unsigned int CBaseDataControl::_uiGameID = 0;
unsigned char CBaseDataControl::_ucAutoValue = 0;
DIRSOUND* CBaseDataControl::_pSoundPointer = nullptr;
int CBaseDataControl::_iSoundFirstIndex = 0;
tagTRACK_POP_MENU* CBaseDataControl::_pTrackPopMenu = nullptr;

void CBaseDataControl::SetGameID(unsigned int id) { _uiGameID = id; }
unsigned int CBaseDataControl::GetGameID() { return _uiGameID; }

void CBaseDataControl::SetAutoValue(unsigned char value) { _ucAutoValue = value; }
unsigned char CBaseDataControl::GetAutoValue() { return _ucAutoValue; }

void CBaseDataControl::SetSoundPointer(DIRSOUND* sound) { _pSoundPointer = sound; }
DIRSOUND* CBaseDataControl::GetSoundPointer() { return _pSoundPointer; }

void CBaseDataControl::SetSoundFirstIndex(int index) { _iSoundFirstIndex = index; }
int CBaseDataControl::GetSoundFirstIdx() { return _iSoundFirstIndex; }

void CBaseDataControl::SetTrackPopMenu(void* record) {
    // The host's window is bound once: a dialog may be showing a menu in it.
    if (_pTrackPopMenu || !record) return;
    _pTrackPopMenu = static_cast<tagTRACK_POP_MENU*>(record);
}

void* CBaseDataControl::GetTrackPopMenu() { return _pTrackPopMenu; }

namespace {

struct MenuItemText {
    char text[kPopMenuTextLimit + 1];
};

}  // namespace

void CBaseDataControl::TrackPopMenu(POINT pt, HWND owner, HMENU menu) {
    tagTRACK_POP_MENU* record = _pTrackPopMenu;
    if (!record || !record->hWnd) return;
    // A stale or null menu would report -1 items and hide a control that is
    // not one of the five buttons; leave the window as it is instead.
    if (!::IsMenu(menu)) return;

    const int itemCount = ::GetMenuItemCount(menu);
    MenuItemText texts[kPopMenuButtons] = {};
    PopMenuItem items[kPopMenuButtons] = {};
    const int read = itemCount < kPopMenuButtons ? itemCount : kPopMenuButtons;
    for (int i = 0; i < read; ++i) {
        ::GetMenuStringA(menu, static_cast<UINT>(i), texts[i].text, sizeof texts[i].text, MF_BYPOSITION);
        // Some systems fill the whole buffer without a terminator when the
        // text is longer; a text counts up to the limit in any case.
        texts[i].text[kPopMenuTextLimit] = '\0';
        const UINT state = ::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        items[i].text = texts[i].text;
        items[i].disabled = state != static_cast<UINT>(-1) && (state & (MF_GRAYED | MF_DISABLED)) != 0;
        items[i].id = ::GetMenuItemID(menu, i);
    }
    const PopMenuLayout layout = LayOutPopMenu(CPoint(pt.x, pt.y), items, read);

    record->hOwner = owner;
    record->nCount = layout.count;

    const HWND popup = record->hWnd;
    ::MoveWindow(popup, layout.window.left, layout.window.top, layout.window.Width(), layout.window.Height(), TRUE);
    for (int i = 0; i < kPopMenuButtons; ++i) {
        const HWND button = ::GetDlgItem(popup, kPopMenuFirstButtonId + i);
        const PopMenuButton& b = layout.buttons[i];
        if (!b.shown) {
            if (button) ::ShowWindow(button, SW_HIDE);
            continue;
        }
        record->uCmd[i] = b.cmd;
        if (!button) continue;
        ::EnableWindow(button, b.enabled ? TRUE : FALSE);
        ::SetWindowTextA(button, texts[i].text);
        ::ShowWindow(button, SW_SHOW);
        ::MoveWindow(button, b.rect.left, b.rect.top, b.rect.Width(), b.rect.Height(), TRUE);
    }
    ::SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    record->nSelect = -1;
}
