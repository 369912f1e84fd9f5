// The simulated server's own picture of the room, and the one way it changes:
// every change is made here under one lock and handed to the library through
// the exported room functions at once, so the library's mirror never sees a
// half-made change, whichever thread (the lobby's or the server's) made it.
// What changed is also told to a listener, under the same lock, so the
// lobby hears the changes in the order they were made.
#ifndef LOBBYUI_HOST_ROOM_MODEL_H
#define LOBBYUI_HOST_ROOM_MODEL_H

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include <lobbyui/room.h>

#include "demo_room.h"

struct RoomChange {
    enum Kind { kReloaded, kArrived, kLeft, kTables };
    Kind kind;
    unsigned generation;  // the room's load; changes of an older load are stale
    tagKWP_PLAYER_LIST_DATA_EXTRA player;  // kArrived: the newcomer's record
    unsigned playerId;                     // kLeft
};

class RoomModel {
public:
    static const unsigned kTables = 200;

    RoomModel() = default;
    RoomModel(const RoomModel&) = delete;
    RoomModel& operator=(const RoomModel&) = delete;

    // Called under the lock for every change; must not call back into the model.
    void SetListener(std::function<void(const RoomChange&)> listener);

    // Empties the room and feeds it room's tables and players.
    void Load(const DemoRoom& room);

    // Opens table t (its seats as given); false when the slot is taken.
    bool OpenTable(const tagKWP_TABLE_LIST_DATA& t);
    // Everyone stands up and the table goes.
    bool CloseTable(unsigned number);
    bool SetLocked(unsigned number, bool locked, const std::string& password);
    // Seats a player at the first free seat, standing up from any other
    // table first; false when the table is missing or full.
    bool Seat(unsigned id, unsigned number);
    bool Stand(unsigned id);
    bool Arrive(const tagKWP_PLAYER_LIST_DATA_EXTRA& player);
    // Stands up and leaves the room.
    bool Leave(unsigned id);

    tagKWP_TABLE_LIST_DATA Table(unsigned number) const;
    bool HasPlayer(unsigned id) const;
    bool Player(unsigned id, tagKWP_PLAYER_LIST_DATA_EXTRA& out) const;
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> Players() const;
    std::vector<unsigned> PlayerIds() const;
    unsigned TableOf(unsigned id) const;
    // The password a locked table was opened with ("" for none).
    std::string Password(unsigned number) const;
    unsigned FreeTableNumber() const;
    size_t TableCount() const;
    size_t PlayerCount() const;
    unsigned generation() const;

private:
    void Notify(RoomChange::Kind kind, unsigned playerId = 0, const tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr);
    bool StandLocked(unsigned id);
    void SendSeats(unsigned number);

    mutable std::mutex m_mutex;
    tagKWP_TABLE_LIST_DATA m_tables[kTables + 1] = {};
    std::map<unsigned, std::string> m_passwords;
    std::map<unsigned, tagKWP_PLAYER_LIST_DATA_EXTRA> m_players;
    std::map<unsigned, unsigned> m_seatOf;
    std::function<void(const RoomChange&)> m_listener;
    unsigned m_generation = 0;
};

#endif
