// Resource numbers of the info/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_INFO_IDS_H
#define LOBBYUI_RES_INFO_IDS_H

#endif
