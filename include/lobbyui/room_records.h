// The room records the host hands in, byte for byte as the server sends
// them. Valid C as well as C++: hosts built with any compiler share this one
// declaration.
#ifndef LOBBYUI_ROOM_RECORDS_H
#define LOBBYUI_ROOM_RECORDS_H

#include <lobbyui/layout_check.h>

#pragma pack(push, 4)

// One table of the room, 56 bytes. Slot n of the room holds table n (1..200);
// usTableNum 0 marks an empty slot.
typedef struct tagKWP_TABLE_LIST_DATA {
    unsigned short usTableNum;
    LOBBYUI_BYTE_BITS bHavePassword : 1;
    LOBBYUI_BYTE_BITS bCanPeek : 1;
    LOBBYUI_BYTE_BITS ucSettingA : 6;
    unsigned char ucSettingB;
    unsigned int uiScore;
    unsigned int uiSeatPlayerID[4];     // seats 0..2; element 3 travels along
    char acTableName[17];
    unsigned char ucSpecialRule;        // bits 0..2, one per special rule
    unsigned char ucReserved42[8];      // the server's; carried unchanged
    unsigned char ucSeatState[3];
    unsigned char ucReserved53;
    unsigned char ucAddMultiple;
    unsigned char ucReserved55;
} tagKWP_TABLE_LIST_DATA;

// One player of the room, 68 bytes.
typedef struct tagKWP_PLAYER_LIST_DATA_EXTRA {
    unsigned int uiPlayerID;
    int iBeans;
    unsigned short usIcon;
    unsigned char ucReserved10[2];
    signed char cSex;
    unsigned char ucLevel;
    unsigned char ucReserved14[2];
    char acNickName[40];                // GBK; may fill all 40 bytes unterminated
    unsigned char ucMember;
    unsigned char ucReserved57[3];
    int iScore;
    unsigned char ucTableCache;         // the library's: zeroed when the record enters the map
    unsigned char ucReserved65;
    unsigned char ucAngelMark;          // 100 marks an angel
    unsigned char ucReserved67;
} tagKWP_PLAYER_LIST_DATA_EXTRA;

// A batch of up to ten tables; a place with table number 0 is unused.
typedef struct tagKWP_ALL_TABLE_INFO {
    tagKWP_TABLE_LIST_DATA stTable[10];
} tagKWP_ALL_TABLE_INFO;

// A table was opened (ucClose 0) or closed.
typedef struct tagKWP_SERVER_UPDATE_TABLE {
    unsigned char ucClose;
    unsigned char ucReserved1[3];
    tagKWP_TABLE_LIST_DATA stTable;
} tagKWP_SERVER_UPDATE_TABLE;

// The seats of one table changed. The host may send a longer record; the
// library reads nothing past ucState.
typedef struct tagKWP_SERVER_TABLE_STATUS_CHANGE {
    unsigned char ucReserved0[2];
    unsigned short usTableNum;
    unsigned int uiPlayerID[3];
    unsigned char ucReserved16[16];
    unsigned char ucState[3];
    unsigned char ucReserved35;
} tagKWP_SERVER_TABLE_STATUS_CHANGE;

#pragma pack(pop)

LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, usTableNum) == 0, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucSettingB) == 3, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, uiScore) == 4, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, uiSeatPlayerID) == 8, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, acTableName) == 24, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucSpecialRule) == 41, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucReserved42) == 42, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucSeatState) == 50, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucReserved53) == 53, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucAddMultiple) == 54, "table record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_TABLE_LIST_DATA, ucReserved55) == 55, "table record layout");
LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_TABLE_LIST_DATA) == 56, "table record size");

LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, uiPlayerID) == 0, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, iBeans) == 4, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, usIcon) == 8, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, cSex) == 12, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucLevel) == 13, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, acNickName) == 16, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucMember) == 56, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, iScore) == 60, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucTableCache) == 64, "player record layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucAngelMark) == 66, "player record layout");
LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_PLAYER_LIST_DATA_EXTRA) == 68, "player record size");

LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_ALL_TABLE_INFO, stTable) == 0, "table batch layout");
LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_ALL_TABLE_INFO) == 560, "table batch size");

LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_SERVER_UPDATE_TABLE, ucClose) == 0, "table update layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_SERVER_UPDATE_TABLE, stTable) == 4, "table update layout");
LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_SERVER_UPDATE_TABLE) == 60, "table update size");

LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_SERVER_TABLE_STATUS_CHANGE, usTableNum) == 2, "seat change layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_SERVER_TABLE_STATUS_CHANGE, uiPlayerID) == 4, "seat change layout");
LOBBYUI_LAYOUT_CHECK(offsetof(tagKWP_SERVER_TABLE_STATUS_CHANGE, ucState) == 32, "seat change layout");
LOBBYUI_LAYOUT_CHECK(sizeof(tagKWP_SERVER_TABLE_STATUS_CHANGE) == 36, "seat change size");

#endif
