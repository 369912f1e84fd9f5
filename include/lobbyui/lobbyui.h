// LobbyUi: the in-room dialogs and room state of the lobby client.
// The umbrella header a host includes; it pulls in every public header but
// <lobbyui/sound.h>. The sound object is the host's own class: a host that
// declares DIRSOUND itself (with the same layout) includes this header as it
// is; one that wants our declaration includes <lobbyui/sound.h> as well.
#ifndef LOBBYUI_LOBBYUI_H
#define LOBBYUI_LOBBYUI_H

#include <lobbyui/export.h>
#include <lobbyui/messages.h>
#include <lobbyui/cstring.h>
#include <lobbyui/geometry.h>
#include <lobbyui/room.h>
#include <lobbyui/table_settings.h>
#include <lobbyui/player_stats.h>
#include <lobbyui/game_server.h>
#include <lobbyui/party_dialogs.h>
#include <lobbyui/word_filter.h>
#include <lobbyui/player_info.h>
#include <lobbyui/settings_dialogs.h>

#if defined(_WIN32)
#include <lobbyui/wnd.h>
#include <lobbyui/gdi.h>
#include <lobbyui/frame.h>
#include <lobbyui/base_data_control.h>
#endif

#endif
