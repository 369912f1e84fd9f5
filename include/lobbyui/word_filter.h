// The word filter the create-table dialogs put table names through before
// they reach the host. It is an outside library that LobbyUi.dll loads at run
// time as "VaduveRed.dll" from the folder of the host's executable, and from
// nowhere else (not the current directory, not PATH), and calls through its export "CheckFilthy":
//
//     extern "C" __declspec(dllexport) int __cdecl CheckFilthy(char* text, int mode);
//
// text  the NUL-terminated GBK text to check: a table name of at most 16
//       bytes in a 17-byte buffer. The filter may rewrite it in place within
//       those 17 bytes; what it leaves there is what a clean name is sent as.
// mode  always 1.
// The result is nonzero when the text contains a forbidden word, else 0.
//
// The export must be named exactly "CheckFilthy" (undecorated). LobbyUi
// restores its own stack after the call, so a filter built with __stdcall and
// exported under that name works as well.
//
// Without the library, or without the export, every name passes. Empty names
// and passwords are never handed to the filter.
#ifndef LOBBYUI_WORD_FILTER_H
#define LOBBYUI_WORD_FILTER_H

#define LOBBYUI_WORD_FILTER_LIBRARY "VaduveRed.dll"
#define LOBBYUI_WORD_FILTER_EXPORT "CheckFilthy"

#if defined(_WIN32)
typedef int(__cdecl* PFN_CheckFilthy)(char* text, int mode);
#endif

#endif
