// The host's cursor, shown by the library's windows that set their own.
#ifndef LOBBYUI_FRAME_HOST_CURSOR_H
#define LOBBYUI_FRAME_HOST_CURSOR_H

#include <windows.h>

// WM_SETCURSOR for a window that shows the host's cursor: sets the cursor the
// host's variable holds now and answers true (handled), or answers false
// while the host has given no variable.
bool ApplyHostCursor();

#endif
