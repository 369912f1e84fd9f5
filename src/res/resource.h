// Resource numbers of the library's own dialog templates, menus and bitmaps.
// The numbers are part of the library's contract with its dialogs' code.
#ifndef LOBBYUI_RES_RESOURCE_H
#define LOBBYUI_RES_RESOURCE_H

#define LOBBYUI_VERSION_MAJOR 1
#define LOBBYUI_VERSION_MINOR 0
#define LOBBYUI_VERSION_PATCH 0
#define LOBBYUI_VERSION_TEXT "1.0.0"

#endif
