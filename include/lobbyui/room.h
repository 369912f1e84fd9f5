// The room records the host hands in, byte for byte as the server sends them,
// and CPT_MapInerface: the library's mirror of the room (tables, seats,
// players) with its table finder. Portable: a host on any compiler includes
// it; only CString comes from elsewhere.
#ifndef LOBBYUI_ROOM_H
#define LOBBYUI_ROOM_H

#include <lobbyui/cstring.h>
#include <lobbyui/export.h>
#include <lobbyui/room_records.h>

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
