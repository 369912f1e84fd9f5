// The host's half of every message the library sends, as a lobby with a
// server behind it answers them. The server's answer is not given inside
// the library's send: it is posted and comes a moment later, as a reply
// from a real server would, when the dialog that asked has finished.
//   1225/34  the table opens with the request's settings and password, the
//            local player sits at it
//   1226/35  the local player sits down, or the join dialog shows the
//            table's message when it is full
//   1227/3,4 the found table is joined
//   1228     the password is checked against the table's; a wrong one
//            opens the password dialog again
//   1229/33  the score dialog opens on that player's statistics
//   1229/58  the invited player answers after a moment
//   1325     my score, refresh my data, the settings, stand up
//   1335     the lobby keeps the volumes and switches and shows them
//   1035     the lobby moves to that server's room
#ifndef LOBBYUI_HOST_SIM_SERVER_H
#define LOBBYUI_HOST_SIM_SERVER_H

#include <windows.h>

#include <string>
#include <vector>

#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "lobby_window.h"
#include "message_log.h"
#include "room_model.h"
#include "ui_post.h"

// A game server the room-entrance buttons lead to: the host's record (two
// bytes of its own, then the name, as the library reads it).
struct SimServerEntry {
    unsigned char head[2];
    char name[30];
};

class SimServer {
public:
    static const unsigned kInviteAnswerMs = 1200;

    SimServer(RoomModel& model, LobbyWindow& lobby, MessageLog& log, UiPost& post, unsigned localPlayerId);
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // For LobbyWindow::SetMessageHandler: reads what the message carries now
    // and posts the server's answer.
    LRESULT Answer(UINT msg, WPARAM w, LPARAM l);

    // The room of server index: the first is the room the lobby opens in.
    void SwitchServer(size_t index);
    void SetRoomSize(unsigned players, unsigned tables) {
        m_players = players;
        m_tables = tables;
    }
    static std::vector<SimServerEntry>& Servers();

    // What the server reports of a player, in the score dialog.
    void ShowScoreOf(unsigned playerId);
    // The local player's panel, refreshed from the room.
    void RefreshBaseData();
    // The local player sits at number, or hears why not.
    void Join(unsigned number);

    // The lobby's own settings, as the settings dialog reported them.
    int soundVolume() const { return m_sound; }
    int musicVolume() const { return m_music; }

private:
    void Note(const std::string& line);
    void OpenRequestedTable(const tagKWP_CREATE_TABLE_REQ& request);
    void CheckPassword(unsigned number, const std::string& password);
    void InviteAnswered(unsigned invited);
    void ApplySetting(WPARAM code, LPARAM value);
    void ShowSettings();

    RoomModel& m_model;
    LobbyWindow& m_lobby;
    MessageLog& m_log;
    UiPost& m_post;
    unsigned m_localPlayerId;
    unsigned m_players = 300;
    unsigned m_tables = 150;
    int m_sound = 5;
    int m_music = 5;
    unsigned char m_osOn = 1;
    unsigned char m_cardTypeOn = 1;
};

#endif
