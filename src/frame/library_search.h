// Where the library takes the outside DLLs it loads at run time from. A bare
// file name is never handed to the system's search: that would also try the
// host's current directory (and PATH), so a VaduveRed.dll or SkinMagic.dll
// lying in whatever folder the lobby was started from would run inside the
// host. Every load names a full path instead, built with the wide-character
// calls so that a host folder outside the ANSI code page, or longer than
// MAX_PATH bytes, still works. Full paths behave the same on Wine and on every
// Windows version, with or without the LOAD_LIBRARY_SEARCH_* flags.
#ifndef LOBBYUI_FRAME_LIBRARY_SEARCH_H
#define LOBBYUI_FRAME_LIBRARY_SEARCH_H

#include <windows.h>

#include <string>

// The folder of the host's executable, without a trailing backslash; empty
// when the system cannot tell.
std::wstring HostDirectory();

// Loads fileName from the host's folder only. A name that carries a folder
// of its own (a full path chosen by the host or a test) is loaded as given.
// Null when it is not there or does not load; never raises the system's
// error box.
HMODULE LoadLibraryBesideHost(const char* fileName);

// Loads fileName from the system folder only.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

#endif
