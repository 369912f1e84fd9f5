// What the dialog's Wine tests cannot reach easily: names from the record
// without a terminator, a kept position past a shorter list, and setting B
// at the ends of its byte.
#include "create/table_create_rules.h"

#include <gtest/gtest.h>

#include <string.h>

namespace {

// Classic values 10, 20, 50 and 100 allowed; 50 (position 2) the default.
tagKWP_TABLE_SET_DEFAULT Record() {
    tagKWP_TABLE_SET_DEFAULT r;
    memset(&r, 0, sizeof r);
    strcpy(r.acTableName, "Server name");
    r.uiScoreMask = (1u << 2) | (1u << 3) | (1u << 5) | (1u << 6);
    r.ucScoreIndex = 5;
    r.ucSettingBMin = 4;
    r.ucSettingBMax = 18;
    r.ucSettingBDefault = 8;
    return r;
}

}  // namespace

TEST(ClassicTableFormTest, ARecordNameFillingItsFieldIsCutOnACharacterBoundary) {
    ClassicTableForm form;
    char remembered[17];
    tagKWP_TABLE_SET_DEFAULT full = Record();
    memcpy(full.acTableName, "abcdefghijklmno\xB5\xC8", 17);  // no terminator
    form.Show(full, 7, remembered);
    EXPECT_STREQ("abcdefghijklmno", form.Request().acTableName);
    form.Show(full, 7, remembered);
    EXPECT_STREQ("abcdefghijklmno", remembered);
}

TEST(ClassicTableFormTest, AKeptPositionPastAShorterListNeverReadsAFreeSlot) {
    ClassicTableForm form;
    char remembered[17];
    tagKWP_TABLE_SET_DEFAULT record = Record();
    record.ucScoreIndex = 6;  // 100, position 3
    form.Show(record, 101, remembered);
    record.uiScoreMask = (1u << 2) | (1u << 3);
    record.ucScoreIndex = 13;  // 5000: not allowed, the position is kept
    form.Show(record, 101, remembered);
    EXPECT_EQ(20u, form.Request().uiScore);
    EXPECT_FALSE(form.StepScore(true));
    EXPECT_TRUE(form.StepScore(false));
    EXPECT_EQ(10u, form.Request().uiScore);

    // Without refresh the record's table index is read as a position.
    form.refresh = false;
    form.Show(Record(), 101, remembered);
    EXPECT_EQ(20u, form.Request().uiScore) << "index 13 of a two-value list";

    form.refresh = true;
    record.uiScoreMask = 0;
    form.Show(record, 101, remembered);
    EXPECT_EQ(0u, form.Request().uiScore);
    EXPECT_FALSE(form.StepScore(false));
    EXPECT_EQ(0u, form.Request().uiScore);
}

TEST(ClassicTableFormTest, SettingBStepsByFourPastItsBoundButNeverWrapsTheByte) {
    ClassicTableForm form;
    char remembered[17];
    tagKWP_TABLE_SET_DEFAULT record = Record();
    form.Show(record, 101, remembered);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(form.StepSettingB(true));
    EXPECT_FALSE(form.StepSettingB(true));
    EXPECT_EQ(20, form.Request().ucSettingB) << "8, 12, 16, 20 beyond the bound of 18";

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

TEST(ClassicTableFormTest, AMaskThatNamesNoClassicValueAllowsNothingAndTheScoreIs0) {
    ClassicTableForm form;
    char remembered[17];
    tagKWP_TABLE_SET_DEFAULT record = Record();
    record.uiScoreMask = 1u << 20;  // beyond the classic table
    record.ucScoreIndex = 20;
    form.Show(record, 101, remembered);
    EXPECT_EQ(0u, form.Request().uiScore);
    EXPECT_FALSE(form.StepScore(true));
    EXPECT_FALSE(form.StepScore(false));
    form.refresh = false;
    form.Show(record, 101, remembered);
    EXPECT_EQ(0u, form.Request().uiScore) << "the kept index reads nothing either";
}

TEST(ClassicTableFormTest, APasswordGoesWholeCharactersOnlyForATableAbove100AndNeverFromAnEarlierConfirmation) {
    ClassicTableForm form;
    char remembered[17];
    ClassicConfirmInput input = {12345, "name", true, "a\xB2\xE2\xCA\xD4\xC3\xDC\xC2\xEB", 0, false, "", "", ""};
    form.Show(Record(), 101, remembered);
    form.Confirm(input);
    // "a测试密码" is nine bytes: the last character does not fit whole.
    const unsigned char cut[9] = {'a', 0xB2, 0xE2, 0xCA, 0xD4, 0xC3, 0xDC, 0, 0};
    EXPECT_EQ(0, memcmp(cut, form.Request().acPassword, sizeof cut));
    EXPECT_EQ(1, form.Request().ucHavePassword);

    const unsigned char none[9] = {0};
    const struct {
        const char* name;
        unsigned short table;
        bool on;
        const char* password;
    } withoutPassword[] = {
        {"box unticked", 101, false, "secret"},
        {"nothing typed", 101, true, ""},
        {"no text at all", 101, true, nullptr},
        {"table 100", 100, true, "secret"},
    };
    for (const auto& c : withoutPassword) {
        // Each after a confirmation that did carry a password.
        form.Show(Record(), 101, remembered);
        input.passwordOn = true;
        input.password = "old";
        form.Confirm(input);
        ASSERT_EQ(1, form.Request().ucHavePassword);
        if (c.table != 101) form.Show(Record(), c.table, remembered);
        input.passwordOn = c.on;
        input.password = c.password;
        form.Confirm(input);
        EXPECT_EQ(0, memcmp(none, form.Request().acPassword, sizeof none)) << c.name;
        EXPECT_EQ(0, form.Request().ucHavePassword) << c.name;
    }
}
