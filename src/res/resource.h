// Resource numbers of the library's own dialog templates, menus and bitmaps,
// one header per subsystem so that each is edited on its own.
#ifndef LOBBYUI_RES_RESOURCE_H
#define LOBBYUI_RES_RESOURCE_H

#define LOBBYUI_VERSION_MAJOR 1
#define LOBBYUI_VERSION_MINOR 0
#define LOBBYUI_VERSION_PATCH 0
#define LOBBYUI_VERSION_TEXT "1.0.0"

#include "create_ids.h"
#include "info_ids.h"
#include "join_ids.h"
#include "player_list_ids.h"
#include "settings_ids.h"

#endif
