/* The window messages LobbyUi sends its host, with their codes. Every one is
   a synchronous SendMessageA: a record pointer in lParam is valid only until
   the host's window procedure returns, except the create request of
   1225/34, valid until that dialog is next shown. Valid C as well as C++. */
#ifndef LOBBYUI_MESSAGES_H
#define LOBBYUI_MESSAGES_H

/* A room-entrance button was pressed (sent to the button's parent).
   wParam: the tagGameServerInfo* given to SetGSData; lParam: the button, the
   same value CR_E_BtnInterface::CreateNewRE_Btn returned. */
#define LOBBYUI_MSG_ROOM_BUTTON_PRESSED 1035        /* WM_USER + 11 */

/* A create-table dialog, classic or new: wParam is one of the codes below. */
#define LOBBYUI_MSG_CREATE_TABLE 1225               /* WM_USER + 201 */
/* Create pressed. lParam: the 56-byte tagKWP_CREATE_TABLE_REQ. */
#define LOBBYUI_CREATE_TABLE_REQUEST 34
/* Closed without creating (cancel, close box, time-out, hidden by the host).
   lParam: a 4-byte block of zeros. */
#define LOBBYUI_CREATE_TABLE_CLOSED 37

/* The join-table dialog: wParam is one of the codes below. */
#define LOBBYUI_MSG_JOIN_TABLE 1226                 /* WM_USER + 202 */
/* Join pressed on a table without a password. lParam: the table number
   (usTableNum of tagKWP_TABLE_LIST_DATA), zero-extended. */
#define LOBBYUI_JOIN_TABLE_JOIN 35
/* The dialog was closed. lParam: 0. */
#define LOBBYUI_JOIN_TABLE_CLOSED 1324

/* A partner search of the join-table dialog and its find-partner panel;
   lParam 0. After codes 3 and 4 the host reads the found table from the
   finder (CPT_MapInerface::GetTableBuf_A_StructEx, a tagKWP_TABLE_LIST_DATA). */
#define LOBBYUI_MSG_PARTNER_SEARCH 1227             /* WM_USER + 203 */
/* The first search button while the panel is in, or with nothing chosen. */
#define LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY 1
/* The second search button while the panel is in, or with nothing chosen. */
#define LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY 2
/* The second search button found a table. */
#define LOBBYUI_PARTNER_SEARCH_SECOND_FOUND 3
/* The first search button found a table. */
#define LOBBYUI_PARTNER_SEARCH_FIRST_FOUND 4

/* The password dialog was confirmed. wParam: the table number,
   zero-extended; lParam: the typed password, a NUL-terminated GBK string. */
#define LOBBYUI_MSG_PASSWORD 1228                   /* WM_USER + 204 */

/* The player list (sent to the parent of the list's parent window): wParam
   is one of the codes below. */
#define LOBBYUI_MSG_PLAYER_LIST 1229                /* WM_USER + 205 */
/* Menu command "whisper". lParam: the player's nickname (acNickName of
   tagKWP_PLAYER_LIST_DATA_EXTRA, up to 40 bytes, maybe unterminated), in
   the host's own record that AddPlayer was given, not a copy. */
#define LOBBYUI_PLAYER_LIST_WHISPER 1
/* Menu command "befriend". lParam: the nickname, as for code 1. */
#define LOBBYUI_PLAYER_LIST_BEFRIEND 2
/* Menu command "block". lParam: the nickname, as for code 1. */
#define LOBBYUI_PLAYER_LIST_BLOCK 3
/* A question: is this player a friend? lParam: the nickname, as for code 1.
   Answer nonzero for yes. */
#define LOBBYUI_PLAYER_LIST_IS_FRIEND 4
/* Menu command "query record". lParam: a 24-byte block: bytes 0-3 the
   player's id (uiPlayerID), byte 4 the value 1, bytes 8-22 the first 15 bytes
   of the nickname. */
#define LOBBYUI_PLAYER_LIST_QUERY_RECORD 33
/* Menu command "invite". lParam: a 12-byte block: bytes 0-1 the local
   player's table number, bytes 4-7 the local player's id
   (CBaseDataControl::GetGameID), bytes 8-11 the invited player's id. */
#define LOBBYUI_PLAYER_LIST_INVITE 58

/* A button of the base-data panel (sent to the parent of the panel's parent
   window); wParam one of the codes below, lParam 0. */
#define LOBBYUI_MSG_BASE_DATA_BUTTON 1325           /* WM_USER + 301 */
#define LOBBYUI_BASE_DATA_BUTTON_217 1
#define LOBBYUI_BASE_DATA_BUTTON_218 2
#define LOBBYUI_BASE_DATA_BUTTON_219 3
#define LOBBYUI_BASE_DATA_BUTTON_220 4

/* The system settings dialog; wParam one of the codes below. The dialog
   only reports: the host decides and writes the values back. */
#define LOBBYUI_MSG_SYSTEM_SETTINGS 1335            /* WM_USER + 311 */
/* lParam: the sound volume after the press: the value the host stored,
   moved one step towards 0 to 8 by the button if it could move that way
   (an up press at 8, or on a stored 12, sends the stored value unchanged). */
#define LOBBYUI_SETTINGS_SOUND_UP 1
#define LOBBYUI_SETTINGS_SOUND_DOWN 2
/* lParam: the music volume after the press, as for codes 1 and 2. */
#define LOBBYUI_SETTINGS_MUSIC_UP 3
#define LOBBYUI_SETTINGS_MUSIC_DOWN 4
/* lParam 0: a switch's unchecked box was clicked. */
#define LOBBYUI_SETTINGS_OS_OFF 5
#define LOBBYUI_SETTINGS_OS_ON 6
#define LOBBYUI_SETTINGS_CARD_TYPE_OFF 7
#define LOBBYUI_SETTINGS_CARD_TYPE_ON 8

#endif
