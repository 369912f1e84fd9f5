#include "room/room_state.h"

#include <stdint.h>
#include <string.h>

#include "support/poison.h"

int Occupancy(const tagKWP_TABLE_LIST_DATA& table) {
    int seated = 0;
    for (int seat = 0; seat < 3; ++seat)
        if (table.uiSeatPlayerID[seat] != 0) ++seated;
    return seated;
}

bool NickNameEquals(const char (&nickName)[40], const char* name) {
    if (!name) return false;
    for (size_t i = 0; i < sizeof(nickName); ++i) {
        if (nickName[i] != name[i]) return false;
        if (name[i] == '\0') return true;
    }
    // All 40 bytes matched without a terminator: equal only if the name ends here.
    return name[sizeof(nickName)] == '\0';
}

PlayerRecordPool::PlayerRecordPool(unsigned int capacity)
    : m_nCapacity(capacity),
      m_pRecords(new tagKWP_PLAYER_LIST_DATA_EXTRA[capacity ? capacity : 1]),
      m_pFree(new unsigned short[capacity ? capacity : 1]) {
    static_assert(kPlayerMapCapacity <= 0xFFFFu, "record numbers are 16-bit");
    for (unsigned int i = 0; i < capacity; ++i) m_pFree[m_nFree++] = static_cast<unsigned short>(i);
    PoisonFreeBlock(m_pRecords, sizeof(*m_pRecords) * capacity);
}

PlayerRecordPool::~PlayerRecordPool() {
    UnpoisonTakenBlock(m_pRecords, sizeof(*m_pRecords) * m_nCapacity);
    delete[] m_pFree;
    delete[] m_pRecords;
}

tagKWP_PLAYER_LIST_DATA_EXTRA* PlayerRecordPool::Take() {
    if (m_nFree == 0) return nullptr;
    tagKWP_PLAYER_LIST_DATA_EXTRA* record = &m_pRecords[m_pFree[--m_nFree]];
    UnpoisonTakenBlock(record, sizeof(*record));
    return record;
}

void PlayerRecordPool::Give(tagKWP_PLAYER_LIST_DATA_EXTRA* record) {
    // Null and anything below the records wrap round to a huge offset.
    const uintptr_t offset = reinterpret_cast<uintptr_t>(record) - reinterpret_cast<uintptr_t>(m_pRecords);
    const size_t size = sizeof(tagKWP_PLAYER_LIST_DATA_EXTRA);
    if (offset >= size * m_nCapacity || offset % size != 0 || m_nFree >= m_nCapacity) return;
    m_pFree[m_nFree++] = static_cast<unsigned short>(offset / size);
    PoisonFreeBlock(record, size);
}

RoomState::RoomState()
    : m_records(kPlayerMapCapacity),
      m_players(kPlayerMapCapacity, kPlayerMapBuckets, "unknown"),
      m_playerTables(kPlayerMapCapacity, kPlayerMapBuckets, "unknown") {
    memset(m_tables, 0, sizeof(m_tables));
}

RoomState::~RoomState() { RemoveAllPlayerFromMap(); }

// ---- table array ----

void RoomState::InitArray(const tagKWP_ALL_TABLE_INFO* tables) {
    if (!tables) return;
    for (const tagKWP_TABLE_LIST_DATA& table : tables->stTable) {
        if (IsValidTableNum(table.usTableNum)) m_tables[table.usTableNum] = table;
    }
}

void RoomState::PlayerCreatAndLeaveTable(const tagKWP_SERVER_UPDATE_TABLE* update) {
    if (!update) return;
    const unsigned int tableNum = update->stTable.usTableNum;
    if (!IsValidTableNum(tableNum)) return;
    if (update->ucClose == 0)
        m_tables[tableNum] = update->stTable;
    else
        memset(&m_tables[tableNum], 0, sizeof(m_tables[tableNum]));
}

void RoomState::PlayerAddAndLeave(const tagKWP_SERVER_TABLE_STATUS_CHANGE* change) {
    if (!change || !IsValidTableNum(change->usTableNum)) return;
    tagKWP_TABLE_LIST_DATA& table = m_tables[change->usTableNum];
    for (int seat = 0; seat < 3; ++seat) {
        table.uiSeatPlayerID[seat] = change->uiPlayerID[seat];
        table.ucSeatState[seat] = change->ucState[seat];
    }
}

void RoomState::UpDataTableArray(const tagKWP_SERVER_TABLE_STATUS_CHANGE* change) {
    if (!change || !IsValidTableNum(change->usTableNum)) return;
    tagKWP_TABLE_LIST_DATA& table = m_tables[change->usTableNum];
    for (int seat = 0; seat < 3; ++seat) {
        for (int j = 0; j < 3; ++j) {
            if (table.uiSeatPlayerID[seat] == change->uiPlayerID[j]) table.ucSeatState[seat] = change->ucState[j];
        }
    }
    int empty = 0;
    for (int seat = 0; seat < 3; ++seat) {
        if (table.uiSeatPlayerID[seat] != 0) continue;
        table.ucSeatState[seat] = 0;
        ++empty;
    }
    if (empty == 3) memset(&table, 0, sizeof(table));
}

void RoomState::SetTableArrayIsEmpty() { memset(m_tables, 0, sizeof(m_tables)); }

tagKWP_TABLE_LIST_DATA RoomState::GetTable_A_Struct(unsigned int tableNum) const {
    tagKWP_TABLE_LIST_DATA table;
    // Slot 0 is a slot of the array like any other: reading it shows the 999
    // the best-table pick may have left there.
    if (tableNum < kRoomSlotCount)
        table = m_tables[tableNum];
    else
        memset(&table, 0, sizeof(table));
    return table;
}

tagKWP_TABLE_LIST_DATA RoomState::MarkNoTable() {
    m_tables[0].usTableNum = static_cast<unsigned short>(kNoTableNum);
    return m_tables[0];
}

// ---- player map ----

unsigned char RoomState::AddNewPlayerToMap(const tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    if (!player) return 0;
    // A present id is refused quietly; only a full map is worth a message.
    const bool stored = m_players.SetAtIfAbsent(player->uiPlayerID, [&](tagKWP_PLAYER_LIST_DATA_EXTRA*& copy) {
        copy = m_records.Take();
        if (!copy) return false;
        *copy = *player;
        copy->ucTableCache = 0;
        return true;
    });
    return stored ? 1 : 0;
}

// The walk's cursor is shared by every thread that walks or removes, and is
// a node of the map: it is read, stepped and cleared only under the map's
// lock, in the same hold as the removal that could free the node it names.

unsigned char RoomState::RemovePlayerFromMap(unsigned int id) {
    NvtLockGuard guard(m_players.Lock());
    // A walk standing on this player would read its node after it went back
    // to the pool: step the walk past it first.
    if (m_playerCursor) {
        NvtPosition probe = m_playerCursor;
        unsigned int key = 0;
        tagKWP_PLAYER_LIST_DATA_EXTRA* value = nullptr;
        m_players.GetNextAssoc(probe, key, value);
        if (key == id) m_playerCursor = probe;
    }
    m_players.RemoveKey(id, [this](unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA* removed) { m_records.Give(removed); });
    return 1;
}

void RoomState::RemoveAllPlayerFromMap() {
    NvtLockGuard guard(m_players.Lock());
    m_players.RemoveAll([this](unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA* copy) { m_records.Give(copy); });
    m_playerCursor = nullptr;
}

unsigned char RoomState::GetAPlayerData(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned int id) {
    tagKWP_PLAYER_LIST_DATA_EXTRA* copy = nullptr;
    if (!m_players.Lookup(id, copy)) return 0;
    out = copy;
    return 1;
}

bool RoomState::CopyPlayerData(unsigned int id, tagKWP_PLAYER_LIST_DATA_EXTRA& out) {
    NvtLockGuard guard(m_players.Lock());
    tagKWP_PLAYER_LIST_DATA_EXTRA* record = nullptr;
    if (!m_players.Lookup(id, record) || !record) return false;
    out = *record;
    return true;
}

unsigned char RoomState::GetPlayerDataAndNext(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned char restart) {
    NvtLockGuard guard(m_players.Lock());
    if (restart) m_playerCursor = m_players.GetStartPosition();
    if (!m_playerCursor) return 1;
    unsigned int id = 0;
    tagKWP_PLAYER_LIST_DATA_EXTRA* copy = nullptr;
    m_players.GetNextAssoc(m_playerCursor, id, copy);
    out = copy;
    return 0;
}

bool RoomState::GetIsAngell(const char* nickName) {
    if (!nickName) return false;
    // One hold for the whole walk: a player leaving between two steps would
    // free the node the walk stands on and hand its record to someone else.
    NvtLockGuard guard(m_players.Lock());
    NvtPosition position = m_players.GetStartPosition();
    while (position) {
        unsigned int id = 0;
        tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
        m_players.GetNextAssoc(position, id, player);
        if (NickNameEquals(player->acNickName, nickName) && player->ucAngelMark == kAngelMark) return true;
    }
    return false;
}

// ---- player-table map ----

unsigned char RoomState::AddPlayerToTable(unsigned int id, unsigned int tableNum) {
    // Only stored here, but readers take it for a table of the room: a
    // number past the last slot is refused so none of them meets one. 0 is
    // a number the host may give (no table) and is kept like any other.
    if (tableNum >= kRoomSlotCount) return 0;
    return m_playerTables.SetAt(id, tableNum) ? 1 : 0;
}

int RoomState::GetPlayerTableNum(unsigned int id) {
    unsigned int tableNum = 0;
    return m_playerTables.Lookup(id, tableNum) ? static_cast<int>(tableNum) : 0;
}

unsigned char RoomState::RemovePlayerFromTable(unsigned int id) { return m_playerTables.RemoveKey(id) ? 1 : 0; }

void RoomState::RemoveAllPlayerFromTable() {
    m_playerTables.RemoveAll([](unsigned int, unsigned int) {});
}
