// Resource numbers of the player list's templates, menus, bitmaps and controls.
// Plain defines: the resource compiler, the dialogs and the portable rules
// all read them.
#ifndef LOBBYUI_RES_PLAYER_LIST_IDS_H
#define LOBBYUI_RES_PLAYER_LIST_IDS_H

#define IDD_PLAYER_LIST 206
#define IDR_PLAYER_LIST_SORT_MENU 209
#define IDR_PLAYER_LIST_PLAYER_MENU 212

#define IDC_PLAYER_LIST 229
#define IDC_PLAYER_LIST_SORT 230
#define IDC_PLAYER_LIST_CONTEST 231

// Sort menu commands.
#define ID_SORT_BY_FRIEND 32773
#define ID_SORT_BY_NICKNAME 32774
#define ID_SORT_BY_LEVEL 32775
#define ID_SORT_BY_VALUE 32776
#define ID_SORT_BY_TABLE 32777
#define ID_SORT_BY_MEMBER 32791

// Player menu commands.
#define ID_PLAYER_INVITE 32779
#define ID_PLAYER_QUERY 32780
#define ID_PLAYER_WHISPER 32786
#define ID_PLAYER_BEFRIEND 32787
#define ID_PLAYER_BLOCK 32788
#define ID_PLAYER_INVITE_TO_GROUP 32789

#endif
