// Resource numbers of the info/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_INFO_IDS_H
#define LOBBYUI_RES_INFO_IDS_H

// The player score dialog and its page arrows.
#define IDD_PLAYER_SCORE 110
#define IDC_PS_PREVIOUS_PAGE 217
#define IDC_PS_NEXT_PAGE 218

// The base-data panel and its four command buttons.
#define IDD_PLAYER_BASE_DATA 208
#define IDC_PBD_BUTTON1 217
#define IDC_PBD_BUTTON2 218
#define IDC_PBD_BUTTON3 219
#define IDC_PBD_BUTTON4 220

#endif
