// Sizing a dialog to the client area it is designed for and centring it on
// the window it belongs to, as every dialog does before it shows.
#ifndef LOBBYUI_SUPPORT_WINDOW_PLACEMENT_H
#define LOBBYUI_SUPPORT_WINDOW_PLACEMENT_H

#include <windows.h>

#include <lobbyui/geometry.h>

// The window rectangle that gives window a client area of clientWidth x
// clientHeight, centred on parent's window rectangle (the screen's when
// parent is null or no longer a window). The frame is measured on the window
// as it is, so a skin that changed its borders is counted.
CRect ClientAreaCentred(HWND window, HWND parent, int clientWidth, int clientHeight);

// Moves window to ClientAreaCentred without showing, hiding or activating
// it; nothing for a window that is gone.
void SizeClientAndCentre(HWND window, HWND parent, int clientWidth, int clientHeight);

#endif
