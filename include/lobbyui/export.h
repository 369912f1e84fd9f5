// LOBBYUI_API marks what LobbyUi.dll exports. The library defines
// LOBBYUI_BUILDING while it compiles itself; a host leaves it undefined and
// imports. On other platforms (the portable core built natively) it is empty.
#ifndef LOBBYUI_EXPORT_H
#define LOBBYUI_EXPORT_H

#if defined(_WIN32)
#  if defined(LOBBYUI_BUILDING)
#    define LOBBYUI_API __declspec(dllexport)
#  else
#    define LOBBYUI_API __declspec(dllimport)
#  endif
#else
#  define LOBBYUI_API
#endif

#endif
