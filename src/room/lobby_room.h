// The room the exported CPT_MapInerface stands for: its state and its finder,
// one global object built at library load (in the DLL after the application
// object, see frame/lobby_app.cpp) and destroyed at unload.
#ifndef LOBBYUI_ROOM_LOBBY_ROOM_H
#define LOBBYUI_ROOM_LOBBY_ROOM_H

#include "room/room_state.h"
#include "room/table_finder.h"

struct LobbyRoom {
    LobbyRoom() : finder(state) {}
    LobbyRoom(const LobbyRoom&) = delete;
    LobbyRoom& operator=(const LobbyRoom&) = delete;

    RoomState state;
    TableFinder finder;
};

LobbyRoom& TheRoom();

#endif
