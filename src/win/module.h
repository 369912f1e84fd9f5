// The module that holds the library's code and resources: LobbyUi.dll in a
// host, the test program when the tests link the library's objects directly.
#ifndef LOBBYUI_WIN_MODULE_H
#define LOBBYUI_WIN_MODULE_H

#include <windows.h>

HINSTANCE LobbyModule();

#endif
