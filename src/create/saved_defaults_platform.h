// The file system pieces of the saved defaults: the file's path and a
// replace that never leaves a half-written file behind.
#ifndef LOBBYUI_CREATE_SAVED_DEFAULTS_PLATFORM_H
#define LOBBYUI_CREATE_SAVED_DEFAULTS_PLATFORM_H

#include <stdio.h>

// ".\Default.sav" on Windows: relative to the current directory.
const char* SavedDefaultsPath();

// Pushes what was written to f down to the disk.
bool FlushFileToDisk(FILE* f);

// Puts `source` in the place of `target` in one step, replacing it.
bool ReplaceFileWith(const char* source, const char* target);

// Cuts the open file f to size bytes (what was written is flushed first).
bool TruncateFileTo(FILE* f, long size);

#endif
