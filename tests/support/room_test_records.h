// For tests: records as the host would fill them.
#ifndef LOBBYUI_TESTS_ROOM_TEST_RECORDS_H
#define LOBBYUI_TESTS_ROOM_TEST_RECORDS_H

#include <string.h>

#include <functional>

#include <lobbyui/room.h>

inline tagKWP_TABLE_LIST_DATA MakeTable(unsigned short number, unsigned int seat0 = 0, unsigned int seat1 = 0,
                                        unsigned int seat2 = 0) {
    tagKWP_TABLE_LIST_DATA table;
    memset(&table, 0, sizeof(table));
    table.usTableNum = number;
    table.uiSeatPlayerID[0] = seat0;
    table.uiSeatPlayerID[1] = seat1;
    table.uiSeatPlayerID[2] = seat2;
    strcpy(table.acTableName, "table");
    return table;
}

inline tagKWP_PLAYER_LIST_DATA_EXTRA MakePlayer(unsigned int id, const char* nickName, unsigned char angelMark = 0) {
    tagKWP_PLAYER_LIST_DATA_EXTRA player;
    memset(&player, 0, sizeof(player));
    player.uiPlayerID = id;
    size_t length = strlen(nickName);
    if (length > sizeof(player.acNickName)) length = sizeof(player.acNickName);
    memcpy(player.acNickName, nickName, length);
    player.ucAngelMark = angelMark;
    return player;
}

inline tagKWP_SERVER_TABLE_STATUS_CHANGE MakeSeatChange(unsigned short table, unsigned int id0, unsigned int id1,
                                                        unsigned int id2, unsigned char s0 = 0,
                                                        unsigned char s1 = 0, unsigned char s2 = 0) {
    tagKWP_SERVER_TABLE_STATUS_CHANGE change;
    memset(&change, 0, sizeof(change));
    change.usTableNum = table;
    change.uiPlayerID[0] = id0;
    change.uiPlayerID[1] = id1;
    change.uiPlayerID[2] = id2;
    change.ucState[0] = s0;
    change.ucState[1] = s1;
    change.ucState[2] = s2;
    return change;
}

// The heap allocations the test program made while work ran.
long AllocationsDuring(const std::function<void()>& work);

inline bool IsAllZero(const void* bytes, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i)
        if (p[i] != 0) return false;
    return true;
}

#endif
