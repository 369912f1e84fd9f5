// The sample room the demo feeds to the library: about 120 tables with varied
// settings, passwords, onlooker flags, stakes and occupancy, and about 300
// players with GBK nicknames, levels 0 to 23, member classes 0 to 3 and some
// friends of the local player. Made from a fixed seed, so every run and every
// screenshot shows the same room.
#ifndef LOBBYUI_HOST_DEMO_ROOM_H
#define LOBBYUI_HOST_DEMO_ROOM_H

#include <set>
#include <string>
#include <vector>

#include <lobbyui/room.h>
#include <lobbyui/table_settings.h>

// UTF-8 text to GBK (code page 936) bytes; the demo's sources are UTF-8.
std::string Gbk(const char* utf8);
// GBK bytes to UTF-8, for the log.
std::string Utf8FromGbk(const char* gbk, size_t maxBytes = 4096);
// UTF-8 text as the wide text the lobby window draws.
std::wstring WideFromUtf8(const std::string& utf8);

// A small generator of the demo's own, so its rooms do not depend on the C
// runtime's rand(): the same seed, the same room.
class DemoRandom {
public:
    explicit DemoRandom(unsigned seed) : m_state(seed) {}
    unsigned Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    unsigned Below(unsigned n) { return n ? Next() % n : 0; }

private:
    unsigned m_state;
};

class DemoRoom {
public:
    // The tour's room: 300 players, about 120 tables.
    DemoRoom();
    // Another room from another seed: players arrive with ids from 10001
    // (the local player first) and up to tables tables are open.
    DemoRoom(unsigned seed, unsigned players, unsigned tables);

    // Hands every table, player and seat to CPT_MapInerface.
    void FeedLibrary();

    const std::vector<tagKWP_TABLE_LIST_DATA>& tables() const { return m_tables; }
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& players() { return m_players; }
    const tagKWP_TABLE_LIST_DATA* Table(unsigned number) const;
    const tagKWP_PLAYER_LIST_DATA_EXTRA* Player(unsigned id) const;
    unsigned localPlayerId() const { return m_localPlayerId; }
    unsigned localTable() const { return m_localTable; }
    bool IsFriend(const char* gbkNickname) const;
    // What the host does when the user befriends or blocks a player.
    void SetFriend(const char* gbkNickname, bool isFriend);

    // A table for each situation the tour shows.
    unsigned FullTable() const;
    unsigned PasswordTable() const;
    unsigned OpenTableWithSeats() const;

    // The create-table defaults the server would send.
    static tagKWP_TABLE_SET_DEFAULT CreateDefaults();

    // A newcomer the room has not seen, made from number alone.
    static tagKWP_PLAYER_LIST_DATA_EXTRA MakePlayer(unsigned id, unsigned number);

private:
    std::vector<tagKWP_TABLE_LIST_DATA> m_tables;
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> m_players;
    std::set<std::string> m_friends;
    unsigned m_localPlayerId = 0;
    unsigned m_localTable = 0;
};

#endif
