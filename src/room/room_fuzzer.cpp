// Random sequences of room operations with random records, as an untrusted
// host and server could send them. Each input starts from an empty room: one
// room is emptied between inputs rather than built anew, which keeps the run
// fast enough for long soaks. Each step checks what it touched; the whole
// room's invariants are checked after the last step of every input.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <new>
#include <string>

#include "room/lobby_room.h"

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint32_t Word() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
        return v;
    }
    // Whole records at once: byte by byte, every comparison of the copy
    // loop would go through the coverage hooks.
    void Fill(void* out, size_t n) {
        const size_t left = m_pos < m_size ? m_size - m_pos : 0;
        const size_t taken = n < left ? n : left;
        if (taken) memcpy(out, m_data + m_pos, taken);
        memset(static_cast<uint8_t*>(out) + taken, 0, n - taken);
        m_pos += taken;
    }
    // Mostly valid table numbers, sometimes anything a 16-bit field holds.
    unsigned int TableNum() {
        uint8_t b = Byte();
        if (b < 0xF0) return b % 201u;
        return Word() & 0xFFFFu;
    }
    // Few distinct ids, so that seats, maps and names meet.
    unsigned int PlayerId() {
        uint8_t b = Byte();
        return b < 0xF8 ? b % 24u : Word();
    }
    int SmallValue() {
        uint8_t b = Byte();
        return b < 0xF0 ? static_cast<int>(b % 72) - 2 : static_cast<int>(Word());
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

void Check(bool condition) {
    if (!condition) abort();
}

tagKWP_TABLE_LIST_DATA RandomTable(Input& in) {
    tagKWP_TABLE_LIST_DATA table;
    in.Fill(&table, sizeof(table));
    table.usTableNum = static_cast<unsigned short>(in.TableNum());
    for (int seat = 0; seat < 3; ++seat) table.uiSeatPlayerID[seat] = (in.Byte() & 1) ? in.PlayerId() : 0;
    return table;
}

tagKWP_SERVER_TABLE_STATUS_CHANGE RandomSeatChange(Input& in) {
    tagKWP_SERVER_TABLE_STATUS_CHANGE change;
    in.Fill(&change, sizeof(change));
    change.usTableNum = static_cast<unsigned short>(in.TableNum());
    for (int j = 0; j < 3; ++j) change.uiPlayerID[j] = (in.Byte() & 1) ? in.PlayerId() : 0;
    return change;
}

std::string RandomName(Input& in) {
    std::string name;
    const size_t length = in.Byte() % 44;
    for (size_t i = 0; i < length; ++i) name += static_cast<char>('a' + in.Byte() % 3);
    return name;
}

void CheckInvariants(LobbyRoom& room) {
    RoomState& state = room.state;
    for (unsigned int n = 1; n <= kMaxTableNum; ++n) {
        const unsigned int number = state.Slot(n).usTableNum;
        Check(number == 0 || number == n);
    }
    tagKWP_TABLE_LIST_DATA slot0 = state.Slot(0);
    Check(slot0.usTableNum == 0 || slot0.usTableNum == kNoTableNum);
    slot0.usTableNum = 0;
    static const tagKWP_TABLE_LIST_DATA zero = {};
    Check(memcmp(&slot0, &zero, sizeof(zero)) == 0);

    Check(room.finder.GetTableMax() <= kRoomSlotCount);
    Check(state.Players().GetCount() <= kPlayerMapCapacity);
    Check(state.PlayerTables().GetCount() <= kPlayerMapCapacity);

    // The walk (the chains) and the lookups (the index) see the same players.
    unsigned int walked = 0;
    NvtPosition position = state.Players().GetStartPosition();
    while (position) {
        unsigned int id = 0;
        tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
        state.Players().GetNextAssoc(position, id, player);
        Check(player != nullptr && player->uiPlayerID == id);
        tagKWP_PLAYER_LIST_DATA_EXTRA* found = nullptr;
        Check(state.GetAPlayerData(found, id) == 1 && found == player);
        tagKWP_PLAYER_LIST_DATA_EXTRA copy;
        Check(state.CopyPlayerData(id, copy) && memcmp(&copy, player, sizeof(copy)) == 0);
        ++walked;
    }
    Check(walked == state.Players().GetCount());

    walked = 0;
    position = state.PlayerTables().GetStartPosition();
    while (position) {
        unsigned int id = 0;
        unsigned int tableNum = 0;
        state.PlayerTables().GetNextAssoc(position, id, tableNum);
        Check(tableNum <= kMaxTableNum && state.GetPlayerTableNum(id) == static_cast<int>(tableNum));
        ++walked;
    }
    Check(walked == state.PlayerTables().GetCount());

    // Every result is a real table; only slot 0 may carry the 999 a failed
    // buffer lookup leaves there.
    for (unsigned int i = 0; i < room.finder.GetTableMax(); ++i) {
        const unsigned int number = room.finder.BufferSlot(i).usTableNum;
        Check((number >= 1 && number <= kMaxTableNum) || (i == 0 && number == kNoTableNum));
    }
}

// A table operation may change only its own slot, and that slot holds its
// own number or nothing.
void CheckSlot(RoomState& state, unsigned int tableNum) {
    if (!IsValidTableNum(tableNum)) return;
    const unsigned int number = state.Slot(tableNum).usTableNum;
    Check(number == 0 || number == tableNum);
}

// Fresh results of a scanning search: open tables, and never full ones.
void CheckScanResults(TableFinder& finder) {
    for (unsigned int i = 0; i < finder.GetTableMax(); ++i) {
        const tagKWP_TABLE_LIST_DATA& found = finder.BufferSlot(i);
        Check(found.usTableNum >= 1 && found.usTableNum <= kMaxTableNum);
        Check(IsOpenTable(found) && Occupancy(found) < 3);
    }
}

void RunOne(LobbyRoom& room, Input& in) {
    RoomState& state = room.state;
    TableFinder& finder = room.finder;
    tagKWP_PLAYER_LIST_DATA_EXTRA* out = nullptr;
    switch (in.Byte() % 26) {
    case 0: {
        tagKWP_ALL_TABLE_INFO batch;
        memset(&batch, 0, sizeof(batch));
        const int count = in.Byte() % 11;
        for (int i = 0; i < count; ++i) batch.stTable[i] = RandomTable(in);
        state.InitArray((in.Byte() & 15) ? &batch : nullptr);
        for (int i = 0; i < count; ++i) CheckSlot(state, batch.stTable[i].usTableNum);
        break;
    }
    case 1: {
        tagKWP_SERVER_UPDATE_TABLE update;
        update.ucClose = in.Byte() & 1;
        memset(update.ucReserved1, 0, sizeof(update.ucReserved1));
        update.stTable = RandomTable(in);
        state.PlayerCreatAndLeaveTable(&update);
        CheckSlot(state, update.stTable.usTableNum);
        break;
    }
    case 2: {
        tagKWP_SERVER_TABLE_STATUS_CHANGE change = RandomSeatChange(in);
        state.PlayerAddAndLeave(&change);
        CheckSlot(state, change.usTableNum);
        break;
    }
    case 3: {
        tagKWP_SERVER_TABLE_STATUS_CHANGE change = RandomSeatChange(in);
        state.UpDataTableArray((in.Byte() & 15) ? &change : nullptr);
        CheckSlot(state, change.usTableNum);
        break;
    }
    case 4:
        if ((in.Byte() & 7) == 0) state.SetTableArrayIsEmpty();
        break;
    case 5: {
        const unsigned int number = in.TableNum();
        tagKWP_TABLE_LIST_DATA table = state.GetTable_A_Struct(number);
        Check(table.usTableNum == 0 || table.usTableNum == number || (number == 0 && table.usTableNum == 999));
        break;
    }
    case 6: {
        tagKWP_PLAYER_LIST_DATA_EXTRA player;
        in.Fill(&player, sizeof(player));
        player.uiPlayerID = in.PlayerId();
        if (in.Byte() & 1) {
            // A short name the searches can find; otherwise the 40 random bytes stay.
            std::string name = RandomName(in).substr(0, 39);
            memset(player.acNickName, 0, sizeof(player.acNickName));
            memcpy(player.acNickName, name.data(), name.size());
        }
        const unsigned char stored = state.AddNewPlayerToMap((in.Byte() & 15) ? &player : nullptr);
        if (stored) {
            Check(state.GetAPlayerData(out, player.uiPlayerID) == 1);
            Check(out->ucTableCache == 0 && memcmp(out->acNickName, player.acNickName, 40) == 0);
        }
        break;
    }
    case 7: {
        const unsigned int id = in.PlayerId();
        Check(state.RemovePlayerFromMap(id) == 1);
        Check(state.GetAPlayerData(out, id) == 0);
        break;
    }
    case 8:
        if ((in.Byte() & 7) == 0) state.RemoveAllPlayerFromMap();
        break;
    case 9: {
        const unsigned int id = in.PlayerId();
        if (state.GetAPlayerData(out, id)) Check(out->uiPlayerID == id);
        break;
    }
    case 10:
        // A walk hands out only players still in the map, even after removals.
        if (state.GetPlayerDataAndNext(out, in.Byte() & 1) == 0) {
            tagKWP_PLAYER_LIST_DATA_EXTRA* again = nullptr;
            Check(out != nullptr && state.GetAPlayerData(again, out->uiPlayerID) == 1 && again == out);
        }
        break;
    case 11: {
        std::string name = RandomName(in);
        char buffer[64];
        memcpy(buffer, name.c_str(), name.size() + 1);
        state.GetIsAngell((in.Byte() & 15) ? buffer : nullptr);
        break;
    }
    case 12: {
        const unsigned int id = in.PlayerId();
        const unsigned int number = in.TableNum();
        if (state.AddPlayerToTable(id, number)) Check(state.GetPlayerTableNum(id) == static_cast<int>(number));
        break;
    }
    case 13: {
        const int number = state.GetPlayerTableNum(in.PlayerId());
        Check(number >= 0 && number <= static_cast<int>(kMaxTableNum));
        break;
    }
    case 14: {
        const unsigned int id = in.PlayerId();
        state.RemovePlayerFromTable(id);
        Check(state.GetPlayerTableNum(id) == 0);
        break;
    }
    case 15:
        if ((in.Byte() & 7) == 0) state.RemoveAllPlayerFromTable();
        break;
    case 16:
        finder.FindTable1();
        if (finder.GetRedioState()) CheckScanResults(finder);
        break;
    case 17:
        finder.FindTable3();
        if (finder.SwDlgChange() && (finder.GetCombo1() || finder.GetCombo2() || finder.GetCombo3()))
            CheckScanResults(finder);
        break;
    case 18:
        finder.FindTableNum();
        break;
    case 19:
        finder.FindPlayerName(RandomName(in).c_str());
        break;
    case 20: {
        tagKWP_TABLE_LIST_DATA best = finder.GetTableBuf_A_Struct0();
        Check(best.usTableNum == kNoTableNum || (best.usTableNum >= 1 && best.usTableNum <= kMaxTableNum));
        break;
    }
    case 21: {
        const int value = in.SmallValue();
        switch (in.Byte() % 11) {
        case 0: finder.SetRedioState(value); break;
        case 1: finder.SetEditState(value); break;
        case 2: finder.SetCombo1(value); break;
        case 3: finder.SetCombo2(value); break;
        case 4: finder.SetCombo3(value); break;
        case 5: finder.SetCombo1(); break;
        case 6: finder.SetCombo2(); break;
        case 7: finder.SetCombo3(); break;
        case 8: finder.SetEditNum(); break;
        case 9: finder.SwNull(); break;
        default: finder.SetEditName(); break;
        }
        break;
    }
    case 22:
        finder.GetTableBuf_A_Struct(in.TableNum());
        break;
    case 23:
        if ((in.Byte() & 3) == 0) finder.SetTableBufEmpty();
        break;
    case 24: {
        switch (in.Byte() % 5) {
        case 0: finder.SetTableNow(); break;
        case 1: finder.SetPreTableNow(); break;
        case 2: finder.SetTableNowEx(); break;
        case 3: finder.GetTableNow(); break;
        default: finder.GetTableNowEx(); break;
        }
        const int cursor = finder.GetCursor();
        Check(cursor >= -1 && cursor <= static_cast<int>(kRoomSlotCount));
        finder.GetTableNum(in.Word());
        break;
    }
    default: {
        // Fill the maps a little, or now and then one of them to the brim,
        // to reach the full-map paths without every input paying for 750
        // players twice over.
        const uint8_t size = in.Byte();
        const unsigned int count = size < 0xFE ? 1 + size % 32 : kPlayerMapCapacity;
        const bool players = size != 0xFF;
        const bool tables = size != 0xFE;
        const unsigned int base = in.Word();
        tagKWP_PLAYER_LIST_DATA_EXTRA player;
        memset(&player, 0, sizeof(player));
        for (unsigned int i = 0; i < count; ++i) {
            player.uiPlayerID = base + i * 37;
            if (players) state.AddNewPlayerToMap(&player);
            if (tables) state.AddPlayerToTable(base + i, 1 + i % 200);
        }
        break;
    }
    }
}

// Back to the room as it is made: the state's own emptying calls (which the
// host uses too), and a finder made afresh, which costs no allocation.
void Reset(LobbyRoom& room) {
    room.state.RemoveAllPlayerFromMap();
    room.state.RemoveAllPlayerFromTable();
    room.state.SetTableArrayIsEmpty();
    room.finder.~TableFinder();
    new (&room.finder) TableFinder(room.state);
    Check(room.state.Players().GetCount() == 0 && room.state.PlayerTables().GetCount() == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LobbyRoom* room = new LobbyRoom;
    Reset(*room);
    Input in(data, size);
    for (int steps = 0; steps < 4000 && !in.Empty(); ++steps) RunOne(*room, in);
    CheckInvariants(*room);
    return 0;
}
