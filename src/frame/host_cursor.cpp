#include "frame/host_cursor.h"

#include <lobbyui/frame.h>

namespace {
HICON* g_hostCursor = nullptr;
}

bool RXCursorfun(HICON* cursor) {
    g_hostCursor = cursor;
    return true;
}

bool ApplyHostCursor() {
    if (!g_hostCursor) return false;
    // The handle is read on every call: the host may switch cursors (busy,
    // normal) in its variable at any time.
    ::SetCursor(static_cast<HCURSOR>(*g_hostCursor));
    return true;
}
