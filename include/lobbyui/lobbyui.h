// LobbyUi: the in-room dialogs and room state of the lobby client.
// The umbrella header a host includes; it pulls in every public header.
#ifndef LOBBYUI_LOBBYUI_H
#define LOBBYUI_LOBBYUI_H

#include <lobbyui/export.h>
#include <lobbyui/cstring.h>
#include <lobbyui/geometry.h>

#if defined(_WIN32)
#include <lobbyui/wnd.h>
#include <lobbyui/gdi.h>
#include <lobbyui/frame.h>
#endif

#endif
