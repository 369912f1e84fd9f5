#include "room_model.h"

#include <string.h>

namespace {

bool Valid(unsigned number) { return number >= 1 && number <= RoomModel::kTables; }

}  // namespace

void RoomModel::SetListener(std::function<void(const RoomChange&)> listener) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_listener = std::move(listener);
}

void RoomModel::Notify(RoomChange::Kind kind, unsigned playerId, const tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    if (!m_listener) return;
    RoomChange change;
    memset(&change, 0, sizeof change);
    change.kind = kind;
    change.generation = m_generation;
    change.playerId = playerId;
    if (player) change.player = *player;
    m_listener(change);
}

void RoomModel::Load(const DemoRoom& room) {
    std::lock_guard<std::mutex> lock(m_mutex);
    memset(m_tables, 0, sizeof m_tables);
    m_passwords.clear();
    m_players.clear();
    m_seatOf.clear();
    for (const tagKWP_TABLE_LIST_DATA& t : room.tables()) {
        if (!Valid(t.usTableNum)) continue;
        tagKWP_TABLE_LIST_DATA& slot = m_tables[t.usTableNum];
        slot = t;
        // Seats held for players still on the way are not the room's people.
        for (int seat = 0; seat < 3; ++seat) {
            if (slot.uiSeatPlayerID[seat] && slot.uiSeatPlayerID[seat] <= 100) {
                slot.uiSeatPlayerID[seat] = 0;
                slot.ucSeatState[seat] = 0;
            }
            if (slot.uiSeatPlayerID[seat]) m_seatOf[slot.uiSeatPlayerID[seat]] = t.usTableNum;
        }
        // Locked tables of a room the demo did not open take the demo's password.
        if (t.bHavePassword) m_passwords[t.usTableNum] = "8888";
    }
    DemoRoom& players = const_cast<DemoRoom&>(room);
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : players.players()) m_players[p.uiPlayerID] = p;

    CPT_MapInerface::SetTableArrayIsEmpty();
    CPT_MapInerface::RemoveAllPlayerFromMap();
    CPT_MapInerface::RemoveAllPlayerFromTable();
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof batch);
    int used = 0;
    for (unsigned number = 1; number <= kTables; ++number) {
        if (!m_tables[number].usTableNum) continue;
        batch.stTable[used++] = m_tables[number];
        if (used == 10) {
            CPT_MapInerface::InitArray(&batch);
            memset(&batch, 0, sizeof batch);
            used = 0;
        }
    }
    if (used) CPT_MapInerface::InitArray(&batch);
    for (auto& entry : m_players) CPT_MapInerface::AddNewPlayerToMap(&entry.second);
    for (const auto& seat : m_seatOf) CPT_MapInerface::AddPlayerToTable(seat.first, seat.second);
    ++m_generation;
    Notify(RoomChange::kReloaded);
}

void RoomModel::SendSeats(unsigned number) {
    tagKWP_SERVER_TABLE_STATUS_CHANGE change;
    memset(&change, 0, sizeof change);
    change.usTableNum = static_cast<unsigned short>(number);
    for (int seat = 0; seat < 3; ++seat) {
        change.uiPlayerID[seat] = m_tables[number].uiSeatPlayerID[seat];
        change.ucState[seat] = m_tables[number].ucSeatState[seat];
    }
    CPT_MapInerface::PlayerAddAndLeave(&change);
}

bool RoomModel::OpenTable(const tagKWP_TABLE_LIST_DATA& t) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!Valid(t.usTableNum) || m_tables[t.usTableNum].usTableNum) return false;
    tagKWP_SERVER_UPDATE_TABLE update;
    memset(&update, 0, sizeof update);
    update.stTable = t;
    memset(update.stTable.uiSeatPlayerID, 0, sizeof update.stTable.uiSeatPlayerID);
    memset(update.stTable.ucSeatState, 0, sizeof update.stTable.ucSeatState);
    m_tables[t.usTableNum] = update.stTable;
    CPT_MapInerface::PlayerCreatAndLeaveTable(&update);
    Notify(RoomChange::kTables);
    return true;
}

bool RoomModel::CloseTable(unsigned number) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!Valid(number) || !m_tables[number].usTableNum) return false;
    for (int seat = 0; seat < 3; ++seat) {
        unsigned id = m_tables[number].uiSeatPlayerID[seat];
        if (id) {
            m_seatOf.erase(id);
            CPT_MapInerface::RemovePlayerFromTable(id);
        }
    }
    tagKWP_SERVER_UPDATE_TABLE update;
    memset(&update, 0, sizeof update);
    update.ucClose = 1;
    update.stTable = m_tables[number];
    memset(&m_tables[number], 0, sizeof m_tables[number]);
    m_passwords.erase(number);
    CPT_MapInerface::PlayerCreatAndLeaveTable(&update);
    Notify(RoomChange::kTables);
    return true;
}

bool RoomModel::SetLocked(unsigned number, bool locked, const std::string& password) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!Valid(number) || !m_tables[number].usTableNum) return false;
    tagKWP_SERVER_UPDATE_TABLE update;
    memset(&update, 0, sizeof update);
    m_tables[number].bHavePassword = locked ? 1 : 0;
    if (locked) m_passwords[number] = password;
    else m_passwords.erase(number);
    update.stTable = m_tables[number];
    CPT_MapInerface::PlayerCreatAndLeaveTable(&update);
    Notify(RoomChange::kTables);
    return true;
}

bool RoomModel::StandLocked(unsigned id) {
    auto found = m_seatOf.find(id);
    if (found == m_seatOf.end()) return false;
    unsigned number = found->second;
    m_seatOf.erase(found);
    for (int seat = 0; seat < 3; ++seat) {
        if (m_tables[number].uiSeatPlayerID[seat] != id) continue;
        m_tables[number].uiSeatPlayerID[seat] = 0;
        m_tables[number].ucSeatState[seat] = 0;
    }
    SendSeats(number);
    CPT_MapInerface::RemovePlayerFromTable(id);
    return true;
}

bool RoomModel::Seat(unsigned id, unsigned number) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!Valid(number) || !m_tables[number].usTableNum || !m_players.count(id)) return false;
    tagKWP_TABLE_LIST_DATA& t = m_tables[number];
    for (int seat = 0; seat < 3; ++seat) {
        if (t.uiSeatPlayerID[seat] == id) return true;
    }
    int free = -1;
    for (int seat = 2; seat >= 0; --seat) {
        if (!t.uiSeatPlayerID[seat]) free = seat;
    }
    if (free < 0) return false;
    StandLocked(id);
    t.uiSeatPlayerID[free] = id;
    t.ucSeatState[free] = 1;
    m_seatOf[id] = number;
    SendSeats(number);
    CPT_MapInerface::AddPlayerToTable(id, number);
    Notify(RoomChange::kTables);
    return true;
}

bool RoomModel::Stand(unsigned id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!StandLocked(id)) return false;
    Notify(RoomChange::kTables);
    return true;
}

bool RoomModel::Arrive(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!player.uiPlayerID || m_players.count(player.uiPlayerID)) return false;
    tagKWP_PLAYER_LIST_DATA_EXTRA& stored = m_players[player.uiPlayerID];
    stored = player;
    CPT_MapInerface::AddNewPlayerToMap(&stored);
    Notify(RoomChange::kArrived, player.uiPlayerID, &stored);
    return true;
}

bool RoomModel::Leave(unsigned id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_players.count(id)) return false;
    bool stood = StandLocked(id);
    m_players.erase(id);
    CPT_MapInerface::RemovePlayerFromMap(id);
    Notify(RoomChange::kLeft, id);
    if (stood) Notify(RoomChange::kTables);
    return true;
}

tagKWP_TABLE_LIST_DATA RoomModel::Table(unsigned number) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    tagKWP_TABLE_LIST_DATA none;
    memset(&none, 0, sizeof none);
    return Valid(number) ? m_tables[number] : none;
}

bool RoomModel::HasPlayer(unsigned id) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_players.count(id) != 0;
}

bool RoomModel::Player(unsigned id, tagKWP_PLAYER_LIST_DATA_EXTRA& out) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_players.find(id);
    if (found == m_players.end()) return false;
    out = found->second;
    return true;
}

std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> RoomModel::Players() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> out;
    out.reserve(m_players.size());
    for (const auto& entry : m_players) out.push_back(entry.second);
    return out;
}

std::vector<unsigned> RoomModel::PlayerIds() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<unsigned> out;
    out.reserve(m_players.size());
    for (const auto& entry : m_players) out.push_back(entry.first);
    return out;
}

unsigned RoomModel::TableOf(unsigned id) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_seatOf.find(id);
    return found == m_seatOf.end() ? 0 : found->second;
}

std::string RoomModel::Password(unsigned number) const {
    std::lock_guard<std::mutex> lock(m_mutex);
    auto found = m_passwords.find(number);
    return found == m_passwords.end() ? std::string() : found->second;
}

unsigned RoomModel::FreeTableNumber() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    // Above 100, where a table may carry a password.
    for (unsigned number = 101; number <= kTables; ++number) {
        if (!m_tables[number].usTableNum) return number;
    }
    for (unsigned number = 1; number <= 100; ++number) {
        if (!m_tables[number].usTableNum) return number;
    }
    return 0;
}

size_t RoomModel::TableCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    size_t n = 0;
    for (unsigned number = 1; number <= kTables; ++number) n += m_tables[number].usTableNum != 0;
    return n;
}

size_t RoomModel::PlayerCount() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_players.size();
}

unsigned RoomModel::generation() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_generation;
}
