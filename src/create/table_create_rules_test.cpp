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
