// Resource numbers of the join/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_JOIN_IDS_H
#define LOBBYUI_RES_JOIN_IDS_H

#endif
