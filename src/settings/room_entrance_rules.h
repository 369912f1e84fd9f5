// How a room-entrance button's face is assembled: a left end, one middle
// piece per two bytes of the server name (one GBK character), and a right
// end after the last piece. The name is read with a bound, since the host's
// record has no length the button could know.
#ifndef LOBBYUI_SETTINGS_ROOM_ENTRANCE_RULES_H
#define LOBBYUI_SETTINGS_ROOM_ENTRANCE_RULES_H

#include <stddef.h>

#include <vector>

namespace RoomEntranceRules {

// The longest name read from a server record, in bytes.
constexpr size_t kMaxNameBytes = 64;
constexpr int kImagesPerState = 3;
constexpr int kFirstPieceX = 9;
constexpr int kPieceStep = 13;
constexpr int kNameTop = 5;

// The name's length in bytes: up to its terminator, at most kMaxNameBytes,
// and never ending on the lead byte of a cut double-byte character. 0 for
// no name.
size_t NameLength(const char* name);

struct FaceLayout {
    int leftImage;
    int middleImage;
    int rightImage;
    std::vector<int> middleXs;  // where each middle piece goes, y being 0
    int rightX;
};

// The face for a visual state (0 normal, 1 hover, 2 down) and a name of
// nameLength bytes.
FaceLayout LayOutFace(int state, size_t nameLength);

}  // namespace RoomEntranceRules

#endif
