// RoomState: the room as the host reports it. A table array of 201 slots
// (slot n holds table n; slot 0 never holds a table), the player map from id
// to the library's private copy of the player's record, and the player-table
// map from id to table number. The three are independent: keeping them
// consistent is the host's job. The records the player map points to come
// from a pool of as many records as the map has nodes, so that once built the
// room never touches the heap.
#ifndef LOBBYUI_ROOM_ROOM_STATE_H
#define LOBBYUI_ROOM_ROOM_STATE_H

#include <lobbyui/room.h>

#include "room/keyed_map.h"

const unsigned int kRoomSlotCount = 201;
const unsigned int kMaxTableNum = 200;
const unsigned int kNoTableNum = 999;
const unsigned int kPlayerMapCapacity = 750;
const unsigned int kPlayerMapBuckets = 37;
const unsigned char kAngelMark = 100;

// Table numbers come from the server through the host and index the arrays
// directly; anything outside 1..200 would reach memory outside them.
inline bool IsValidTableNum(unsigned int tableNum) { return tableNum >= 1 && tableNum <= kMaxTableNum; }

// Seats 0..2 with a nonzero player id.
int Occupancy(const tagKWP_TABLE_LIST_DATA& table);
inline bool IsOpenTable(const tagKWP_TABLE_LIST_DATA& table) { return table.bHavePassword == 0; }

// The nickname up to its zero or its 40th byte, whichever comes first,
// against a zero-terminated name, byte for byte.
bool NickNameEquals(const char (&nickName)[40], const char* name);

// The records the player map points to: as many as the map has nodes, made
// at construction, last given back first taken. Used only inside the player
// map's operations, under its lock, so it has none of its own. A record given
// back is poisoned in builds with AddressSanitizer, so that a read through a
// pointer a reader kept after the player left is reported.
class PlayerRecordPool {
public:
    explicit PlayerRecordPool(unsigned int capacity);
    ~PlayerRecordPool();
    PlayerRecordPool(const PlayerRecordPool&) = delete;
    PlayerRecordPool& operator=(const PlayerRecordPool&) = delete;

    // Null when every record is out.
    tagKWP_PLAYER_LIST_DATA_EXTRA* Take();
    // Null is ignored; so is anything that is not one of this pool's records.
    void Give(tagKWP_PLAYER_LIST_DATA_EXTRA* record);
    unsigned int FreeCount() const { return m_nFree; }

private:
    unsigned int m_nCapacity;
    tagKWP_PLAYER_LIST_DATA_EXTRA* m_pRecords;
    unsigned short* m_pFree;
    unsigned int m_nFree = 0;
};

class RoomState {
public:
    RoomState();
    // Gives back the copies of players still present.
    ~RoomState();
    RoomState(const RoomState&) = delete;
    RoomState& operator=(const RoomState&) = delete;

    void InitArray(const tagKWP_ALL_TABLE_INFO* tables);
    void PlayerCreatAndLeaveTable(const tagKWP_SERVER_UPDATE_TABLE* update);
    void PlayerAddAndLeave(const tagKWP_SERVER_TABLE_STATUS_CHANGE* change);
    void UpDataTableArray(const tagKWP_SERVER_TABLE_STATUS_CHANGE* change);
    void SetTableArrayIsEmpty();
    tagKWP_TABLE_LIST_DATA GetTable_A_Struct(unsigned int tableNum) const;

    unsigned char AddNewPlayerToMap(const tagKWP_PLAYER_LIST_DATA_EXTRA* player);
    unsigned char RemovePlayerFromMap(unsigned int id);
    void RemoveAllPlayerFromMap();
    unsigned char GetAPlayerData(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned int id);
    // The player's record copied into out under the map's lock, so that a
    // feeding thread can neither rewrite it nor hand it to another player
    // halfway through. False, and out untouched, when the id is absent. The
    // library's own readers use this, never the pointer GetAPlayerData gives.
    bool CopyPlayerData(unsigned int id, tagKWP_PLAYER_LIST_DATA_EXTRA& out);
    unsigned char GetPlayerDataAndNext(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned char restart);
    bool GetIsAngell(const char* nickName);

    unsigned char AddPlayerToTable(unsigned int id, unsigned int tableNum);
    int GetPlayerTableNum(unsigned int id);
    unsigned char RemovePlayerFromTable(unsigned int id);
    void RemoveAllPlayerFromTable();

    // For the finder: a slot of the table array (0..200), and slot 0 marked
    // with the number 999 that answers "no table".
    const tagKWP_TABLE_LIST_DATA& Slot(unsigned int index) const { return m_tables[index]; }
    tagKWP_TABLE_LIST_DATA MarkNoTable();

    NvtPlayerMap& Players() { return m_players; }
    NvtPlayerTableMap& PlayerTables() { return m_playerTables; }

private:
    tagKWP_TABLE_LIST_DATA m_tables[kRoomSlotCount];
    PlayerRecordPool m_records;
    NvtPlayerMap m_players;
    NvtPlayerTableMap m_playerTables;
    NvtPosition m_playerCursor = nullptr;
};

#endif
