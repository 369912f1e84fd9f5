// TableFinder: the searches over the room's table array, the criteria they
// use, the buffer their results land in and the cursor that steps through
// them. Unlocked: it runs on the host's user-interface thread only.
#ifndef LOBBYUI_ROOM_TABLE_FINDER_H
#define LOBBYUI_ROOM_TABLE_FINDER_H

#include <lobbyui/room.h>

#include "room/room_state.h"

class TableFinder {
public:
    explicit TableFinder(RoomState& room);
    TableFinder(const TableFinder&) = delete;
    TableFinder& operator=(const TableFinder&) = delete;

    void FindTable1();
    void FindTable3();
    void FindTableNum();
    void FindPlayerName(const char* name);
    tagKWP_TABLE_LIST_DATA GetTableBuf_A_Struct0();

    void SetRedioState(int value) { m_radio.Set(value); }
    void SetEditState(int value) { m_edit.Set(value); }
    void SetCombo1(int value) { m_combo1.Set(value); }
    void SetCombo2(int value) { m_combo2.Set(value); }
    void SetCombo3(int value) { m_combo3.Set(value); }
    void SetCombo1() { m_combo1.Reset(-1); }
    void SetCombo2() { m_combo2.Reset(-1); }
    void SetCombo3() { m_combo3.Reset(-1); }
    void SetEditNum() { m_edit.Reset(0); }
    // The name is not a search criterion: FindPlayerName takes it directly.
    void SetEditName() {}
    // Clears every flag and keeps every value.
    void SwNull();
    unsigned char SwDlgChange() const;
    unsigned char GetRedioState() const { return m_radio.active; }
    unsigned char GetEditState() const { return m_edit.active; }
    unsigned char GetCombo1() const { return m_combo1.active; }
    unsigned char GetCombo2() const { return m_combo2.active; }
    unsigned char GetCombo3() const { return m_combo3.active; }

    unsigned int GetTableMax() const { return m_nResultCount; }
    unsigned int GetTableNum(unsigned int index) const;
    tagKWP_TABLE_LIST_DATA GetTableBuf_A_StructEx() const { return m_buffer[0]; }
    tagKWP_TABLE_LIST_DATA GetTableBuf_A_Struct(unsigned int tableNum);
    void SetTableBufEmpty();
    int GetTableNow();
    void SetTableNow();
    void SetPreTableNow();
    int GetTableNowEx();
    void SetTableNowEx() { m_nCursor = 0; }

    int GetAnnouncedCount() const { return m_nAnnouncedCount; }
    int GetCursor() const { return m_nCursor; }
    const tagKWP_TABLE_LIST_DATA& BufferSlot(unsigned int index) const { return m_buffer[index]; }

private:
    struct Criterion {
        int value;
        unsigned char active;
        void Set(int v) { value = v; active = 1; }
        void Reset(int v) { value = v; active = 0; }
    };
    // Which criteria one scan of FindTable3 applies.
    struct SettingsScan {
        bool settingB;
        bool settingA;
        bool score;
    };

    bool MatchesSettings(const tagKWP_TABLE_LIST_DATA& table, const SettingsScan& scan) const;
    void ScanSettings(const SettingsScan& scan, unsigned int& found);
    void Append(const tagKWP_TABLE_LIST_DATA& table, unsigned int& found);
    void ClearBuffer();
    void Finish(bool scanned, unsigned int found);

    RoomState& m_room;
    tagKWP_TABLE_LIST_DATA m_buffer[kRoomSlotCount];
    unsigned int m_nResultCount = 0;
    int m_nAnnouncedCount = 0;
    int m_nCursor = -1;
    Criterion m_radio = {-1, 0};
    Criterion m_edit = {0, 0};
    Criterion m_combo1 = {-1, 0};
    Criterion m_combo2 = {-1, 0};
    Criterion m_combo3 = {-1, 0};
};

#endif
