// Resource numbers of the settings/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_SETTINGS_IDS_H
#define LOBBYUI_RES_SETTINGS_IDS_H

#endif
