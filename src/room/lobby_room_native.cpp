#include "room/lobby_room.h"

// Natively there is no DLL load order to keep: one global serves.
namespace {
LobbyRoom g_room;
}  // namespace

LobbyRoom& TheRoom() { return g_room; }
