#include "settings/room_entrance_rules.h"

namespace RoomEntranceRules {

size_t NameLength(const char* name) {
    if (!name) return 0;
    size_t length = 0;
    while (length < kMaxNameBytes && name[length] != '\0') ++length;
    if (length < kMaxNameBytes) return length;
    // Cut at the bound: count the double-byte characters from the start so
    // that a trailing lead byte without its partner is dropped.
    size_t i = 0;
    while (i < length) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        size_t width = c >= 0x81 && c <= 0xFE ? 2 : 1;
        if (i + width > length) break;
        i += width;
    }
    return i;
}

FaceLayout LayOutFace(int state, size_t nameLength) {
    FaceLayout face;
    face.leftImage = kImagesPerState * state;
    face.middleImage = face.leftImage + 1;
    face.rightImage = face.leftImage + 2;
    int last = 0;
    for (size_t k = 0; k < nameLength / 2; ++k) {
        last = kPieceStep * static_cast<int>(k) + kFirstPieceX;
        face.middleXs.push_back(last);
    }
    face.rightX = last + kFirstPieceX;
    return face;
}

}  // namespace RoomEntranceRules
