// The layouts are checked field by field where they are declared (including
// the game-server head, compiled here); this test checks that the bytes a host
// writes read back as the fields it meant, which is what breaks when a
// field's type or signedness drifts.
#include <lobbyui/game_server.h>
#include <lobbyui/player_stats.h>

#include <gtest/gtest.h>

#include <string.h>

TEST(RecordBytesTest, StatisticsRecordsReadTheHostsLittleEndianBytes) {
    unsigned char bytes[288] = {0};
    bytes[2] = 0x34;
    bytes[3] = 0x12;
    bytes[12] = 0xFF;
    bytes[13] = 0xFF;
    bytes[14] = 0xFF;
    bytes[15] = 0xFF;
    bytes[284] = 3;
    tagKWP_MERIT_DETAIL merit;
    memcpy(&merit, bytes, sizeof merit);
    EXPECT_EQ(0x1234, merit.usExperience);
    EXPECT_EQ(-1, merit.iTimeSeconds);
    EXPECT_EQ(3, merit.ucMember);

    unsigned char view[32] = {0};
    view[0] = 0x78;
    view[3] = 0x80;
    tagKWP_PLAYER_ALL_VIEW all;
    memcpy(&all, view, sizeof all);
    EXPECT_EQ(0x80000078u, all.uiPlayerID);

    unsigned char preview[36] = {0};
    preview[28] = 11;
    preview[32] = 0xFE;
    preview[33] = 0xFF;
    preview[34] = 0xFF;
    preview[35] = 0xFF;
    tagKWPCEN_PREVIEW_DATA data;
    memcpy(&data, preview, sizeof data);
    EXPECT_EQ(11, data.ucIcon);
    EXPECT_EQ(-2, data.iFigureB);
}
