#include "settings/room_entrance_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using RoomEntranceRules::LayOutFace;
using RoomEntranceRules::NameLength;

TEST(RoomEntranceRulesTest, OneMiddlePiecePerTwoBytesAndTheRightEndAfterTheLast) {
    struct Case {
        size_t bytes;
        std::vector<int> middles;
        int right;
    } cases[] = {
        {0, {}, 9}, {1, {}, 9}, {2, {9}, 18}, {3, {9}, 18}, {6, {9, 22, 35}, 44}, {8, {9, 22, 35, 48}, 57},
    };
    for (const Case& c : cases) {
        RoomEntranceRules::FaceLayout face = LayOutFace(0, c.bytes);
        EXPECT_EQ(c.middles, face.middleXs) << c.bytes;
        EXPECT_EQ(c.right, face.rightX) << c.bytes;
    }
}

TEST(RoomEntranceRulesTest, EachStateTakesItsOwnThreeImages) {
    for (int state = 0; state < 3; ++state) {
        RoomEntranceRules::FaceLayout face = LayOutFace(state, 4);
        EXPECT_EQ(3 * state, face.leftImage);
        EXPECT_EQ(3 * state + 1, face.middleImage);
        EXPECT_EQ(3 * state + 2, face.rightImage);
    }
}

TEST(RoomEntranceRulesTest, TheNameIsReadWithinItsBoundAndNotCutInsideACharacter) {
    EXPECT_EQ(0u, NameLength(nullptr));
    EXPECT_EQ(0u, NameLength(""));
    EXPECT_EQ(6u, NameLength("\xB6\xB7\xB5\xD8\xD6\xF7"));

    // No terminator within the bound: the reader stops at the bound, and
    // only the bound's bytes are there to be read.
    std::string unterminated(RoomEntranceRules::kMaxNameBytes, 'a');
    std::vector<char> exact(unterminated.begin(), unterminated.end());
    EXPECT_EQ(64u, NameLength(exact.data()));

    // A double-byte character across the bound is dropped whole.
    std::vector<char> cut(1, 'a');
    for (int i = 0; i < 40; ++i) {
        cut.push_back('\xB6');
        cut.push_back('\xB7');
    }
    EXPECT_EQ(63u, NameLength(cut.data()));
}
