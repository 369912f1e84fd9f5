#include "create/saved_defaults_platform.h"

#include <io.h>
#include <windows.h>

const char* SavedDefaultsPath() { return ".\\Default.sav"; }

bool FlushFileToDisk(FILE* f) { return _commit(_fileno(f)) == 0; }

bool ReplaceFileWith(const char* source, const char* target) {
    return ::MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool TruncateFileTo(FILE* f, long size) { return fflush(f) == 0 && _chsize(_fileno(f), size) == 0; }
