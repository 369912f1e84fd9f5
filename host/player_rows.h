// The player list as the lobby keeps it on its own thread: one row per
// player in the room, each row a record of the lobby's own (the library's
// copies in its map may go the moment the server thread removes a player,
// so the list is never handed those). Arrivals and departures come from the
// server in the order they happened; a repeated one is ignored, so a full
// reload may overtake the changes still queued behind it. They reach the
// list in batches, a few times a second: each time the list is changed it
// holds its redraw and repaints itself whole when the loop next turns, which
// under a busy room would be the UI thread's largest cost.
#ifndef LOBBYUI_HOST_PLAYER_ROWS_H
#define LOBBYUI_HOST_PLAYER_ROWS_H

#include <map>
#include <memory>
#include <vector>

#include <lobbyui/lobbyui.h>

#include "ui_post.h"

class PlayerRows {
public:
    PlayerRows(UiPost& post, unsigned localPlayerId) : m_post(post), m_localPlayerId(localPlayerId) {}
    ~PlayerRows();
    PlayerRows(const PlayerRows&) = delete;
    PlayerRows& operator=(const PlayerRows&) = delete;

    // Every row goes and the room's players come in, the local player on top.
    void Reload(const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& players);
    void Arrived(const tagKWP_PLAYER_LIST_DATA_EXTRA& player);
    void Left(unsigned id);
    // Hands the waiting arrivals and departures to the list now.
    void Flush();
    // Rows go without the list being told: the list is being destroyed.
    void Forget() { m_rows.clear(); }

    // The rows the list shows (the waiting changes not counted).
    size_t size() const { return m_rows.size(); }
    bool Has(unsigned id) const { return m_rows.count(id) != 0; }
    size_t waiting() const { return m_waiting.size(); }
    // Time spent in the library's list functions, in microseconds, since the last call.
    double TakeLibraryMicroseconds();

private:
    void RedrawSoon();
    void Add(const tagKWP_PLAYER_LIST_DATA_EXTRA& player);
    void Remove(unsigned id);
    struct Waiting {
        bool arrives;
        tagKWP_PLAYER_LIST_DATA_EXTRA player;  // arrives: the record; else its id only
    };
    UiPost& m_post;
    std::vector<Waiting> m_waiting;
    bool m_flushDue = false;
    unsigned m_localPlayerId;
    std::map<unsigned, std::unique_ptr<tagKWP_PLAYER_LIST_DATA_EXTRA>> m_rows;
    bool m_redrawDue = false;
    double m_libraryMicroseconds = 0;
};

#endif
