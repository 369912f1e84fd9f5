// The library's own view of CDialog: the class itself is public (a host
// gets web dialogs as CDialog pointers); its painting needs CDC.
#ifndef LOBBYUI_WIN_DIALOG_H
#define LOBBYUI_WIN_DIALOG_H

#include <lobbyui/dialog.h>

#include "win/dc.h"

#endif
