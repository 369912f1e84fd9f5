// Resource numbers of the player list's templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_PLAYER_LIST_IDS_H
#define LOBBYUI_RES_PLAYER_LIST_IDS_H

#endif
