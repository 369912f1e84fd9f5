// The head of the host's game-server record. The record is the host's and
// goes on with fields of its own; the library keeps only a pointer to it,
// never copies it and never takes its size, and reads nothing but the name.
// A host passes its own record as reinterpret_cast<tagGameServerInfo*>(&record).
#ifndef LOBBYUI_GAME_SERVER_H
#define LOBBYUI_GAME_SERVER_H

#include <lobbyui/layout_check.h>

#pragma pack(push, 1)

typedef struct tagGameServerInfo {
    unsigned char acHostField0[2];            // the host's; not read
    char acServerName[1];                     // first byte of the NUL-terminated GBK display name
} tagGameServerInfo;

#pragma pack(pop)

LOBBYUI_LAYOUT_CHECK(offsetof(tagGameServerInfo, acHostField0) == 0, "acHostField0");
LOBBYUI_LAYOUT_CHECK(offsetof(tagGameServerInfo, acServerName) == 2, "acServerName");
LOBBYUI_LAYOUT_CHECK(sizeof(tagGameServerInfo) == 3, "tagGameServerInfo head size");

#endif
