// Asks the library's own lists of handed-out room-entrance buttons and web
// dialogs about a pointer a host hands back. The C interface reads a window
// only through this, so the lists exist once, beside the code that hands the
// objects out and takes them back.
#ifndef LOBBYUI_SETTINGS_HANDED_OUT_WINDOWS_H
#define LOBBYUI_SETTINGS_HANDED_OUT_WINDOWS_H

#include <windows.h>

#include <lobbyui/button.h>
#include <lobbyui/dialog.h>

// The window of a button or web dialog the library handed out and has not
// had back; null for any other pointer (given back, never made) and for one
// whose window is gone.
HWND HandedOutWindow(const CButton* button);
HWND HandedOutWindow(const CDialog* dialog);

#endif
