// What the join dialogs share on the window side: texts of the table put
// into fixed slots, and the client size and centring they take on every show.
#ifndef LOBBYUI_JOIN_JOIN_TABLE_WINDOW_H
#define LOBBYUI_JOIN_JOIN_TABLE_WINDOW_H

#include <stddef.h>

#include <windows.h>

// Text `textNumber` of the text table as a format without arguments, cut to
// slotSize bytes with its terminator.
void LoadTableText(int textNumber, char* slot, size_t slotSize);

template <size_t N>
void LoadTableText(int textNumber, char (&slot)[N]) {
    LoadTableText(textNumber, slot, N);
}

// Gives window a client area of clientWidth x clientHeight and centres the
// window on parent's rectangle (the screen when there is no parent), without
// showing it.
void SizeClientAndCentre(HWND window, HWND parent, int clientWidth, int clientHeight);

#endif
