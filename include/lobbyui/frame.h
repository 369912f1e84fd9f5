// What every host needs first: the cursor hook.
#ifndef LOBBYUI_FRAME_H
#define LOBBYUI_FRAME_H

#include <windows.h>
#include <lobbyui/export.h>

// Hands the library the address of the host's cursor variable. From then on
// the library's windows that set their own cursor show whatever handle the
// variable holds at that moment; null switches this off. The library keeps
// the address only and never frees or changes the cursor. Always true.
LOBBYUI_API bool RXCursorfun(HICON* cursor);

#endif
