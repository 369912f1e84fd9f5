// The server's own thread: at a set rate it changes the room as a busy
// server does (players arrive and leave, sit and stand; tables open, fill,
// lock and close) through the room model, which hands each change to the
// library at once. It never touches a dialog: the lobby hears of each change
// on its own thread.
#ifndef LOBBYUI_HOST_LIVE_ROOM_H
#define LOBBYUI_HOST_LIVE_ROOM_H

#include <atomic>
#include <thread>

#include "room_model.h"

class LiveRoom {
public:
    // rate: changes a second (0: the room stands still).
    LiveRoom(RoomModel& model, unsigned localPlayerId, double rate)
        : m_model(model), m_localPlayerId(localPlayerId), m_rate(rate) {}
    ~LiveRoom() { Stop(); }
    LiveRoom(const LiveRoom&) = delete;
    LiveRoom& operator=(const LiveRoom&) = delete;

    void Start();
    void Stop();
    unsigned long changes() const { return m_changes; }

    // One change of the room, chosen by roll; public for the tests.
    bool Change(unsigned roll, unsigned pick);

private:
    void Run();

    RoomModel& m_model;
    unsigned m_localPlayerId;
    double m_rate;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<unsigned long> m_changes{0};
    unsigned m_nextId = 50001;
    size_t m_crowd = 0;  // the size the room keeps near
};

#endif
