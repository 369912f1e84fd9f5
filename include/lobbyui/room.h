// The room records the host hands in, byte for byte as the server sends them,
// and CPT_MapInerface: the library's mirror of the room (tables, seats,
// players) with its table finder. Portable: a host on any compiler includes
// it; only CString comes from elsewhere.
#ifndef LOBBYUI_ROOM_H
#define LOBBYUI_ROOM_H

#include <stddef.h>

#include <lobbyui/cstring.h>
#include <lobbyui/export.h>

#pragma pack(push, 4)

// One table of the room, 56 bytes. Slot n of the room holds table n (1..200);
// usTableNum 0 marks an empty slot.
struct tagKWP_TABLE_LIST_DATA {
    unsigned short usTableNum;
    unsigned char bHavePassword : 1;
    unsigned char bCanPeek : 1;
    unsigned char ucSettingA : 6;
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
};

// One player of the room, 68 bytes.
struct tagKWP_PLAYER_LIST_DATA_EXTRA {
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
};

// A batch of up to ten tables; a place with table number 0 is unused.
struct tagKWP_ALL_TABLE_INFO {
    tagKWP_TABLE_LIST_DATA stTable[10];
};

// A table was opened (ucClose 0) or closed.
struct tagKWP_SERVER_UPDATE_TABLE {
    unsigned char ucClose;
    unsigned char ucReserved1[3];
    tagKWP_TABLE_LIST_DATA stTable;
};

// The seats of one table changed. The host may send a longer record; the
// library reads nothing past ucState.
struct tagKWP_SERVER_TABLE_STATUS_CHANGE {
    unsigned char ucReserved0[2];
    unsigned short usTableNum;
    unsigned int uiPlayerID[3];
    unsigned char ucReserved16[16];
    unsigned char ucState[3];
    unsigned char ucReserved35;
};

#pragma pack(pop)

static_assert(offsetof(tagKWP_TABLE_LIST_DATA, usTableNum) == 0, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucSettingB) == 3, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, uiScore) == 4, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, uiSeatPlayerID) == 8, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, acTableName) == 24, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucSpecialRule) == 41, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucReserved42) == 42, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucSeatState) == 50, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucReserved53) == 53, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucAddMultiple) == 54, "table record layout");
static_assert(offsetof(tagKWP_TABLE_LIST_DATA, ucReserved55) == 55, "table record layout");
static_assert(sizeof(tagKWP_TABLE_LIST_DATA) == 56, "table record size");

static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, uiPlayerID) == 0, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, iBeans) == 4, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, usIcon) == 8, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, cSex) == 12, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucLevel) == 13, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, acNickName) == 16, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucMember) == 56, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, iScore) == 60, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucTableCache) == 64, "player record layout");
static_assert(offsetof(tagKWP_PLAYER_LIST_DATA_EXTRA, ucAngelMark) == 66, "player record layout");
static_assert(sizeof(tagKWP_PLAYER_LIST_DATA_EXTRA) == 68, "player record size");

static_assert(offsetof(tagKWP_ALL_TABLE_INFO, stTable) == 0, "table batch layout");
static_assert(sizeof(tagKWP_ALL_TABLE_INFO) == 560, "table batch size");

static_assert(offsetof(tagKWP_SERVER_UPDATE_TABLE, ucClose) == 0, "table update layout");
static_assert(offsetof(tagKWP_SERVER_UPDATE_TABLE, stTable) == 4, "table update layout");
static_assert(sizeof(tagKWP_SERVER_UPDATE_TABLE) == 60, "table update size");

static_assert(offsetof(tagKWP_SERVER_TABLE_STATUS_CHANGE, usTableNum) == 2, "seat change layout");
static_assert(offsetof(tagKWP_SERVER_TABLE_STATUS_CHANGE, uiPlayerID) == 4, "seat change layout");
static_assert(offsetof(tagKWP_SERVER_TABLE_STATUS_CHANGE, ucState) == 32, "seat change layout");
static_assert(sizeof(tagKWP_SERVER_TABLE_STATUS_CHANGE) == 36, "seat change size");

// The room as the host feeds it and the searches over it. Table numbers past
// 200 are refused everywhere, and 0 wherever it would write a slot; null
// records are ignored.
class LOBBYUI_API CPT_MapInerface {
public:
    // Server updates of the table array.
    static void InitArray(tagKWP_ALL_TABLE_INFO* tables);
    static void PlayerCreatAndLeaveTable(tagKWP_SERVER_UPDATE_TABLE* update);
    static void PlayerAddAndLeave(tagKWP_SERVER_TABLE_STATUS_CHANGE* change);
    static void UpDataTableArray(tagKWP_SERVER_TABLE_STATUS_CHANGE* change);
    static void SetTableArrayIsEmpty();
    static tagKWP_TABLE_LIST_DATA GetTable_A_Struct(unsigned int tableNum);

    // The players present.
    static unsigned char AddNewPlayerToMap(tagKWP_PLAYER_LIST_DATA_EXTRA* player);
    static unsigned char RemovePlayerFromMap(unsigned int id);
    static void RemoveAllPlayerFromMap();
    static unsigned char GetAPlayerData(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned int id);
    static unsigned char GetPlayerDataAndNext(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned char restart);
    static bool GetIsAngell(char* nickName);

    // Who is at which table.
    static unsigned char AddPlayerToTable(unsigned int id, unsigned int tableNum);
    static int GetPlayerTableNum(unsigned int id);
    static unsigned char RemovePlayerFromTable(unsigned int id);
    static void RemoveAllPlayerFromTable();

    // Searches.
    static void FindTable1();
    static void FindTable3();
    static void FindTableNum();
    static void FindPlayerName(CString name);
    static tagKWP_TABLE_LIST_DATA GetTableBuf_A_Struct0();

    // Search criteria.
    static void SetRedioState(int value);
    static void SetEditState(int value);
    static void SetCombo1(int value);
    static void SetCombo2(int value);
    static void SetCombo3(int value);
    static void SetCombo1();
    static void SetCombo2();
    static void SetCombo3();
    static void SetEditNum();
    static void SetEditName();
    static void SwNull();
    static unsigned char SwDlgChange();
    static unsigned char GetRedioState();
    static unsigned char GetEditState();
    static unsigned char GetCombo1();
    static unsigned char GetCombo2();
    static unsigned char GetCombo3();

    // Results and the cursor over them.
    static unsigned int GetTableMax();
    static unsigned int GetTableNum(unsigned int index);
    static tagKWP_TABLE_LIST_DATA GetTableBuf_A_StructEx();
    static tagKWP_TABLE_LIST_DATA GetTableBuf_A_Struct(unsigned int tableNum);
    static void SetTableBufEmpty();
    static int GetTableNow();
    static void SetTableNow();
    static void SetPreTableNow();
    static int GetTableNowEx();
    static void SetTableNowEx();
};

#endif
