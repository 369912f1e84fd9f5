// The keyed map's two Chinese diagnostics. They are Big5 (code page 950),
// unlike the dialogs' GBK texts; keyed_map_test.cpp decodes them and compares
// them with the readable text beside each.
#ifndef LOBBYUI_ROOM_KEYED_MAP_TEXTS_H
#define LOBBYUI_ROOM_KEYED_MAP_TEXTS_H

// "%s()-> %s Map 資源不足. size= %d"
#define NVT_MAP_TEXT_FULL "%s()-> %s Map \xB8\xEA\xB7\xBD\xA4\xA3\xA8\xAC. size= %d"
// "%s()-> 相同的索引. key=%d"
#define NVT_MAP_TEXT_DUPLICATE "%s()-> \xAC\xDB\xA6\x50\xAA\xBA\xAF\xC1\xA4\xDE. key=%d"
#define NVT_MAP_TEXT_NO_NODE "%s()-> Cannot allocate new item. NAME=%s"

#endif
