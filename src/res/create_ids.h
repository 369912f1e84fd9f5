// Resource numbers of the create/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_CREATE_IDS_H
#define LOBBYUI_RES_CREATE_IDS_H

#include "create_classic_ids.h"
#include "create_new_ids.h"

#endif
