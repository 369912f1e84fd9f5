#include "room/keyed_map.h"

// Spelled the way the Windows compiler prints these types, so that log lines
// read the same whichever compiler built the library.
template <>
const char* NvtMapSetAtName<unsigned int, tagKWP_PLAYER_LIST_DATA_EXTRA*>() {
    return "NvtMapBase<unsigned int,struct tagKWP_PLAYER_LIST_DATA_EXTRA *>::SetAt";
}

template <>
const char* NvtMapSetAtName<unsigned int, unsigned int>() {
    return "NvtMapBase<unsigned int,unsigned int>::SetAt";
}
