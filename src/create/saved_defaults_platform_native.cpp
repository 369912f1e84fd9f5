#include "create/saved_defaults_platform.h"

#include <unistd.h>

const char* SavedDefaultsPath() { return "./Default.sav"; }

bool FlushFileToDisk(FILE* f) { return fsync(fileno(f)) == 0; }

// rename() replaces atomically: a reader sees the old file or the new one.
bool ReplaceFileWith(const char* source, const char* target) { return rename(source, target) == 0; }

bool TruncateFileTo(FILE* f, long size) { return fflush(f) == 0 && ftruncate(fileno(f), size) == 0; }
