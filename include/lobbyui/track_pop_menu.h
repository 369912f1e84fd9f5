// The host's popup-menu record (see CBaseDataControl::SetTrackPopMenu).
// Valid C as well as C++.
#ifndef LOBBYUI_TRACK_POP_MENU_H
#define LOBBYUI_TRACK_POP_MENU_H

#include <windows.h>

#include <lobbyui/layout_check.h>

#pragma pack(push, 4)

// The host's popup-menu window, in which the library shows a menu instead of
// a system popup menu. The window must hold five push buttons with control
// ids 1011 to 1015; pressing one (sending uCmd[i] to hOwner and hiding the
// window) is the host's part.
typedef struct tagTRACK_POP_MENU {
    HWND hWnd;                      // the popup window; null makes the record ignored
    HWND hOwner;                    // written: the window that asked for the menu
    int nCount;                     // written: items shown (at most 5)
    unsigned int uCmd[5];           // written: command id of each item shown
    unsigned char ucHostArea[20];   // the host's; never touched
    int nSelect;                    // written: -1 each time the menu is shown
} tagTRACK_POP_MENU;

#pragma pack(pop)

#if defined(_WIN32) && !defined(_WIN64)
LOBBYUI_LAYOUT_CHECK(offsetof(tagTRACK_POP_MENU, hWnd) == 0, "popup-menu record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagTRACK_POP_MENU, hOwner) == 4, "popup-menu record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagTRACK_POP_MENU, nCount) == 8, "popup-menu record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagTRACK_POP_MENU, uCmd) == 12, "popup-menu record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagTRACK_POP_MENU, ucHostArea) == 32, "popup-menu record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagTRACK_POP_MENU, nSelect) == 52, "popup-menu record layout");
LOBBYUI_LAYOUT_CHECK(sizeof(tagTRACK_POP_MENU) == 56, "popup-menu record layout");
#endif

#endif
