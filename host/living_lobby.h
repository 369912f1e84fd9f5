// The interactive lobby: the lobby window with its toolbar, the library's
// dialogs at a click, the simulated server answering every message, the
// room's own life on the server thread, and the message loop that gives
// every modeless dialog of the library its keyboard (Tab, Enter, Escape).
#ifndef LOBBYUI_HOST_LIVING_LOBBY_H
#define LOBBYUI_HOST_LIVING_LOBBY_H

#include <windows.h>

#include <memory>
#include <vector>

#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "demo_setup.h"
#include "live_room.h"
#include "lobby_window.h"
#include "message_log.h"
#include "player_rows.h"
#include "room_model.h"
#include "sim_server.h"
#include "ui_post.h"

struct LivingLobbyOptions {
    double serverRate = 2;  // a calm room
    bool fullRoom = false;  // 750 players at 200 tables
};

class LivingLobby {
public:
    // The lobby window and the session must outlive it.
    LivingLobby(DemoRoom& room, LobbyWindow& lobby, DemoSession& session, MessageLog& log, const LivingLobbyOptions& options);
    ~LivingLobby();
    LivingLobby(const LivingLobby&) = delete;
    LivingLobby& operator=(const LivingLobby&) = delete;

    // Loads the room, shows the player list and the room buttons, starts the server thread.
    void Start();
    // The message loop, until the lobby closes.
    int Run();
    // One turn of the loop for each waiting message; false after WM_QUIT.
    bool PumpWaiting();
    // The dialog-aware dispatch the loop does for one message.
    static void Dispatch(MSG& msg);

    // What a toolbar button does.
    void OnCommand(int id);

    RoomModel& model() { return m_model; }
    SimServer& server() { return m_server; }
    PlayerRows& rows() { return m_rows; }
    UiPost& post() { return m_post; }
    LiveRoom& liveRoom() { return m_live; }
    CButton* roomButton(size_t i) const { return i < m_roomButtons.size() ? m_roomButtons[i] : nullptr; }
    CDialog* webDialog() const { return m_web; }

private:
    void OnRoomChange(const RoomChange& change);
    void CreateRoomButtons();
    void OpenFindPartner();
    void ToggleBaseData();
    void ToggleNotice();

    DemoRoom& m_room;
    LobbyWindow& m_lobby;
    DemoSession& m_session;
    MessageLog& m_log;
    LivingLobbyOptions m_options;
    UiPost m_post;
    RoomModel m_model;
    SimServer m_server;
    PlayerRows m_rows;
    LiveRoom m_live;
    unsigned m_generation = 0;  // the load the rows show
    long m_tablesDirty = 0;
    std::vector<CButton*> m_roomButtons;
    CImageList* m_buttonFaces = nullptr;
    CDialog* m_web = nullptr;
};

#endif
