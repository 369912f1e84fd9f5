#include "room/table_finder.h"

#include <string.h>

TableFinder::TableFinder(RoomState& room) : m_room(room) { ClearBuffer(); }

void TableFinder::ClearBuffer() { memset(m_buffer, 0, sizeof(m_buffer)); }

// Several scans of one FindTable3 may each list up to 200 tables; the buffer
// holds 201, and finds beyond that are dropped rather than written past it.
void TableFinder::Append(const tagKWP_TABLE_LIST_DATA& table, unsigned int& found) {
    if (found >= kRoomSlotCount) return;
    m_buffer[found++] = table;
}

void TableFinder::Finish(bool scanned, unsigned int found) {
    if (scanned && found == 0) ClearBuffer();
    m_nResultCount = found;
    if (m_nAnnouncedCount != static_cast<int>(found)) {
        m_nAnnouncedCount = static_cast<int>(found);
        m_nCursor = -1;
    }
}

void TableFinder::FindTable1() {
    if (!m_radio.active) return;
    int wanted = -1;
    if (m_radio.value == 0) wanted = 2;
    if (m_radio.value == 1) wanted = 1;
    unsigned int found = 0;
    if (wanted >= 0) {
        for (unsigned int n = 1; n <= kMaxTableNum; ++n) {
            const tagKWP_TABLE_LIST_DATA& table = m_room.Slot(n);
            if (table.usTableNum != 0 && IsOpenTable(table) && Occupancy(table) == wanted) Append(table, found);
        }
    }
    Finish(wanted >= 0, found);
}

bool TableFinder::MatchesSettings(const tagKWP_TABLE_LIST_DATA& table, const SettingsScan& scan) const {
    if (Occupancy(table) >= 3 || !IsOpenTable(table)) return false;
    if (scan.settingB && static_cast<int>(table.ucSettingB) != m_combo1.value) return false;
    if (scan.settingA && static_cast<int>(table.ucSettingA) != m_combo2.value) return false;
    if (scan.score && table.uiScore != static_cast<unsigned int>(m_combo3.value)) return false;
    return true;
}

// Only slots that hold a table: an empty slot's zero settings would
// otherwise match a criterion of 0 and be listed as a table.
void TableFinder::ScanSettings(const SettingsScan& scan, unsigned int& found) {
    for (unsigned int n = 1; n <= kMaxTableNum; ++n) {
        const tagKWP_TABLE_LIST_DATA& table = m_room.Slot(n);
        if (table.usTableNum != 0 && MatchesSettings(table, scan)) Append(table, found);
    }
    if (found == 0) ClearBuffer();
}

void TableFinder::FindTable3() {
    const int flags = m_combo1.active + m_combo2.active + m_combo3.active;
    unsigned int found = 0;
    bool scanned = false;
    auto scan = [&](bool settingB, bool settingA, bool score) {
        ScanSettings(SettingsScan{settingB, settingA, score}, found);
        scanned = true;
    };
    if (flags == 3) {
        scan(true, true, true);
    } else if (flags == 2) {
        // The criterion whose flag is clear normally holds -1; one cleared by
        // SwNull still holds its value, and then no scan runs.
        if (m_combo1.value == -1) scan(false, true, true);
        if (m_combo2.value == -1) scan(true, false, true);
        if (m_combo3.value == -1) scan(true, true, false);
    } else if (flags == 1) {
        // Values kept through SwNull add scans of their own; a table matching
        // two of them is listed twice.
        if (m_combo1.value >= 0) scan(true, false, false);
        if (m_combo2.value >= 0) scan(false, true, false);
        if (m_combo3.value >= 0) scan(false, false, true);
    }
    Finish(scanned, found);
}

void TableFinder::FindTableNum() {
    if (!m_edit.active || m_edit.value < 1 || m_edit.value > static_cast<int>(kMaxTableNum)) return;
    const unsigned int tableNum = static_cast<unsigned int>(m_edit.value);
    const tagKWP_TABLE_LIST_DATA& table = m_room.Slot(tableNum);
    if (table.usTableNum != 0) {
        m_buffer[0] = table;
    } else {
        // Only the number is news; whatever an earlier search left in the
        // slot (seats, name) belongs to another table and must not show.
        memset(&m_buffer[0], 0, sizeof(m_buffer[0]));
        m_buffer[0].usTableNum = static_cast<unsigned short>(tableNum);
    }
    m_nResultCount = 1;
    if (m_nAnnouncedCount != 1) {
        m_nAnnouncedCount = 1;
        m_nCursor = -1;
    }
}

// Seats count only in slots that hold a table: a seat change for a table
// the room does not have leaves ids in an empty slot, and listing that slot
// would hand the host a result numbered 0.
void TableFinder::FindPlayerName(const char* name) {
    if (!name) return;
    for (unsigned int n = 1; n <= kMaxTableNum; ++n) {
        const tagKWP_TABLE_LIST_DATA& table = m_room.Slot(n);
        if (table.usTableNum == 0) continue;
        for (int seat = 0; seat < 3; ++seat) {
            const unsigned int id = table.uiSeatPlayerID[seat];
            tagKWP_PLAYER_LIST_DATA_EXTRA player;
            if (id == 0 || !m_room.CopyPlayerData(id, player)) continue;
            if (!NickNameEquals(player.acNickName, name)) continue;
            m_buffer[0] = table;
            m_nCursor = 0;
            m_nResultCount = 1;
        }
    }
}

tagKWP_TABLE_LIST_DATA TableFinder::GetTableBuf_A_Struct0() {
    for (int wanted = 2; wanted >= 0; --wanted) {
        for (unsigned int n = 1; n <= kMaxTableNum; ++n) {
            const tagKWP_TABLE_LIST_DATA& table = m_room.Slot(n);
            if (table.usTableNum != 0 && IsOpenTable(table) && Occupancy(table) == wanted) return table;
        }
    }
    return m_room.MarkNoTable();
}

void TableFinder::SwNull() {
    m_radio.active = 0;
    m_edit.active = 0;
    m_combo1.active = 0;
    m_combo2.active = 0;
    m_combo3.active = 0;
}

unsigned char TableFinder::SwDlgChange() const {
    return (m_radio.active || m_edit.active || m_combo1.active || m_combo2.active || m_combo3.active) ? 1 : 0;
}

unsigned int TableFinder::GetTableNum(unsigned int index) const {
    return index < kRoomSlotCount ? m_buffer[index].usTableNum : 0;
}

tagKWP_TABLE_LIST_DATA TableFinder::GetTableBuf_A_Struct(unsigned int tableNum) {
    for (unsigned int i = 0; i < kRoomSlotCount - 1; ++i) {
        if (m_buffer[i].usTableNum == tableNum) return m_buffer[i];
    }
    m_buffer[0].usTableNum = static_cast<unsigned short>(kNoTableNum);
    return m_buffer[0];
}

void TableFinder::SetTableBufEmpty() {
    ClearBuffer();
    m_nResultCount = 0;
    m_nAnnouncedCount = -1;
    m_nCursor = -1;
}

int TableFinder::GetTableNow() {
    const int count = static_cast<int>(m_nResultCount);
    if (count == 0) {
        m_nCursor = -1;
        return 0;
    }
    if (m_nAnnouncedCount == count && m_nCursor <= count) return m_nCursor;
    m_nCursor = 0;
    return 0;
}

void TableFinder::SetTableNow() {
    const int count = static_cast<int>(m_nResultCount);
    if (m_nAnnouncedCount == 0)
        m_nCursor = -1;
    else if (m_nAnnouncedCount != count)
        m_nCursor = 0;
    else if (m_nCursor < count - 1)
        ++m_nCursor;
    else
        m_nCursor = 0;
}

void TableFinder::SetPreTableNow() {
    if (m_nCursor == -1)
        m_nCursor = static_cast<int>(m_nResultCount);
    else if (m_nAnnouncedCount == 0)
        m_nCursor = 0;
    else
        --m_nCursor;
}

int TableFinder::GetTableNowEx() {
    const int count = static_cast<int>(m_nResultCount);
    if (m_nCursor <= count) return m_nCursor - 1;
    if (count != 0) m_nCursor = 0;
    return 0;
}
