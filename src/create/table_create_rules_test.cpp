#include "create/table_create_rules.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

// Classic values 10 (bit 2), 20 (bit 3), 50 (bit 5) and 100 (bit 6).
tagKWP_TABLE_SET_DEFAULT Record() {
    tagKWP_TABLE_SET_DEFAULT r;
    memset(&r, 0, sizeof r);
    strcpy(r.acTableName, "Server name");
    r.uiScoreMask = (1u << 2) | (1u << 3) | (1u << 5) | (1u << 6);
    r.ucScoreIndex = 5;  // 50, position 2
    r.ucSettingAMin = 1;
    r.ucSettingAMax = 3;
    r.ucSettingADefault = 2;
    r.ucSettingBMin = 4;
    r.ucSettingBMax = 18;
    r.ucSettingBDefault = 8;
    return r;
}

ClassicConfirmInput Input(const char* name) {
    ClassicConfirmInput in;
    memset(&in, 0, sizeof in);
    in.gameId = 4242;
    in.name = name;
    return in;
}

}  // namespace

TEST(ClassicTableFormTest, ShowFillsTheRequestFromTheRecordAndRemembersTheFormerName) {
    ClassicTableForm form;
    char remembered[17];
    memset(remembered, 'x', sizeof remembered);
    form.Show(Record(), 101, remembered);
    EXPECT_STREQ("", remembered) << "the first show has no name to remember";

    const tagKWP_CREATE_TABLE_REQ& r = form.Request();
    EXPECT_EQ(101, r.usTableNum);
    EXPECT_EQ(50u, r.uiScore);
    EXPECT_EQ(2, form.ScorePosition());
    EXPECT_EQ(2, r.ucSettingA);
    EXPECT_EQ(8, r.ucSettingB);
    EXPECT_STREQ("Server name", r.acTableName);
    EXPECT_EQ(0u, r.uiGameID);

    // A record name filling all 17 bytes is cut inside the field, on a GBK boundary.
    tagKWP_TABLE_SET_DEFAULT full = Record();
    memcpy(full.acTableName, "abcdefghijklmno\xB5\xC8", 17);
    form.Show(full, 7, remembered);
    EXPECT_STREQ("Server name", remembered);
    EXPECT_STREQ("abcdefghijklmno", form.Request().acTableName);
    form.Show(full, 7, remembered);
    EXPECT_STREQ("abcdefghijklmno", remembered);
}

TEST(ClassicTableFormTest, ScoreNeverComesFromAFreeSlot) {
    ClassicTableForm form;
    char remembered[17];
    tagKWP_TABLE_SET_DEFAULT record = Record();
    record.ucScoreIndex = 6;  // 100, the last of four
    form.Show(record, 101, remembered);
    EXPECT_EQ(3, form.ScorePosition());

    // A shorter list later: the kept position is past its end.
    record.uiScoreMask = (1u << 2) | (1u << 3);
    record.ucScoreIndex = 13;  // 5000, not allowed
    form.Show(record, 101, remembered);
    EXPECT_EQ(20u, form.Request().uiScore);
    EXPECT_EQ(1, form.ScorePosition());
    EXPECT_FALSE(form.StepScore(true));
    EXPECT_TRUE(form.StepScore(false));
    EXPECT_EQ(10u, form.Request().uiScore);

    // An index past the value table is not found; nothing allowed gives 0.
    record.ucScoreIndex = 200;
    form.Show(record, 101, remembered);
    EXPECT_EQ(0, form.ScorePosition());
    record.uiScoreMask = 0;
    form.Show(record, 101, remembered);
    EXPECT_EQ(0u, form.Request().uiScore);
    EXPECT_FALSE(form.StepScore(true));
    EXPECT_FALSE(form.StepScore(false));
    EXPECT_EQ(0u, form.Request().uiScore);
}

TEST(ClassicTableFormTest, WithoutRefreshTheRememberedDefaultsAndPositionStay) {
    ClassicTableForm form;
    char remembered[17];
    form.Show(Record(), 101, remembered);
    EXPECT_TRUE(form.StepScore(true));  // 100
    EXPECT_TRUE(form.StepSettingA(true));
    form.Confirm(Input("mine"));
    EXPECT_EQ(3, form.Defaults().ucScoreIndex) << "a position, not a table index";

    form.refresh = false;
    tagKWP_TABLE_SET_DEFAULT other = Record();
    other.uiScoreMask = 1;
    other.ucSettingADefault = 1;
    strcpy(other.acTableName, "other");
    form.Show(other, 102, remembered);
    EXPECT_STREQ("mine", remembered);
    EXPECT_EQ(100u, form.Request().uiScore);
    EXPECT_EQ(3, form.ScorePosition());
    EXPECT_EQ(3, form.Request().ucSettingA);
    EXPECT_STREQ("other", form.Request().acTableName) << "the name always comes from the host's record";

    // The host's table index kept as a position past the list reads the last value.
    form.refresh = true;
    tagKWP_TABLE_SET_DEFAULT far = Record();
    far.ucScoreIndex = 13;  // 5000: not allowed, position stays
    form.Show(far, 1, remembered);
    form.refresh = false;
    form.Show(other, 1, remembered);
    EXPECT_EQ(100u, form.Request().uiScore);
}

TEST(ClassicTableFormTest, StepsStopAtTheirBoundsAndSettingBStepsByFour) {
    ClassicTableForm form;
    char remembered[17];
    tagKWP_TABLE_SET_DEFAULT record = Record();
    record.ucScoreIndex = 2;  // first position
    form.Show(record, 101, remembered);
    EXPECT_FALSE(form.StepScore(false));
    EXPECT_EQ(10u, form.Request().uiScore);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(form.StepScore(true));
    EXPECT_FALSE(form.StepScore(true));
    EXPECT_EQ(100u, form.Request().uiScore);

    EXPECT_TRUE(form.StepSettingA(true));
    EXPECT_FALSE(form.StepSettingA(true));
    EXPECT_EQ(3, form.Request().ucSettingA);
    EXPECT_TRUE(form.StepSettingA(false));
    EXPECT_TRUE(form.StepSettingA(false));
    EXPECT_FALSE(form.StepSettingA(false));
    EXPECT_EQ(1, form.Request().ucSettingA);

    // 8 -> 12 -> 16 -> 20: the step passes the bound of 18, then stops.
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(form.StepSettingB(true));
    EXPECT_FALSE(form.StepSettingB(true));
    EXPECT_EQ(20, form.Request().ucSettingB);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(form.StepSettingB(false));
    EXPECT_FALSE(form.StepSettingB(false));
    EXPECT_EQ(4, form.Request().ucSettingB);

    // Near the ends of the byte a step stops at 0 or 255 instead of wrapping.
    record.ucSettingBMin = 1;
    record.ucSettingBDefault = 2;
    record.ucSettingBMax = 255;
    form.Show(record, 101, remembered);
    EXPECT_TRUE(form.StepSettingB(false));
    EXPECT_EQ(0, form.Request().ucSettingB);
    record.ucSettingBDefault = 253;
    form.Show(record, 101, remembered);
    EXPECT_TRUE(form.StepSettingB(true));
    EXPECT_EQ(255, form.Request().ucSettingB);
}

TEST(ClassicTableFormTest, ConfirmWritesTheChoicesIntoTheRequestAndTheDefaults) {
    ClassicTableForm form;
    char remembered[17];
    form.Show(Record(), 150, remembered);
    ClassicConfirmInput in = Input("a");
    in.passwordOn = true;
    in.password = "123456789";
    in.cardTypes = 5;
    in.specialRuleOn = true;
    in.disconnectPercentText = "35";
    in.goldGapText = "2000";
    in.levelGapText = "abc";
    form.Confirm(in);

    unsigned char expected[56] = {150, 0, 0, 0, 0x92, 0x10, 0, 0, 'a'};
    memcpy(expected + 25, "12345678", 8);
    expected[34] = 1;
    expected[36] = 50;
    expected[40] = 2;
    expected[41] = 8;
    expected[42] = 5;
    expected[43] = 1;
    expected[44] = 35;
    expected[48] = 0xD0;
    expected[49] = 0x07;
    EXPECT_EQ(0, memcmp(expected, &form.Request(), 56)) << "the record's longer name leaves no bytes behind";

    const tagKWP_TABLE_SET_DEFAULT& d = form.Defaults();
    EXPECT_EQ(5, d.ucSpecialCardTypes);
    EXPECT_EQ(1, d.ucSpecialRuleOn);
    EXPECT_EQ(2, d.ucScoreIndex);
    EXPECT_EQ(2, d.ucSettingADefault);
    EXPECT_EQ(8, d.ucSettingBDefault);

    // Password on but empty, or off: no password. Limits keep their low byte.
    form.Show(Record(), 150, remembered);
    in.password = "";
    in.levelGapText = "300";
    in.name = "0123456789abcde\xB5\xC8";
    form.Confirm(in);
    EXPECT_EQ(0, form.Request().ucHavePassword);
    EXPECT_EQ(std::string(9, '\0'), std::string(form.Request().acPassword, 9));
    EXPECT_EQ(44, form.Request().ucLevelGapLimit);
    EXPECT_STREQ("0123456789abcde", form.Request().acTableName) << "no half character";
    form.Show(Record(), 150, remembered);
    in.passwordOn = false;
    in.password = "pw";
    form.Confirm(in);
    EXPECT_EQ(0, form.Request().ucHavePassword);
    EXPECT_EQ(0, form.Request().acPassword[0]);
}

TEST(ClassicTableRulesTest, DigitsBoxesAndTheTimeout) {
    int d[4];
    FixedDigits(7, 3, d);
    EXPECT_EQ(0, d[0]);
    EXPECT_EQ(7, d[2]);
    FixedDigits(12345, 4, d);
    EXPECT_EQ(2, d[0]);
    EXPECT_EQ(5, d[3]);
    EXPECT_STREQ("TableNum9", TableNumImage(9));
    EXPECT_EQ(nullptr, TableNumImage(10));

    EXPECT_TRUE(CardTypeBoxEnabled(0, 1));
    EXPECT_TRUE(CardTypeBoxEnabled(5, 2));
    EXPECT_FALSE(CardTypeBoxEnabled(5, 1));

    int counter = 1;
    for (int tick = 1; tick < 180; ++tick) ASSERT_FALSE(ClassicTimeoutTick(counter, true)) << tick;
    EXPECT_TRUE(ClassicTimeoutTick(counter, true));
    EXPECT_EQ(-1, counter);
    EXPECT_FALSE(ClassicTimeoutTick(counter, true));
    counter = 1;
    EXPECT_FALSE(ClassicTimeoutTick(counter, false));
    EXPECT_EQ(1, counter) << "a hidden dialog does not count";
}
