#include "create/table_create_new_rules.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

AllowedScoreList Allowed(unsigned int mask) {
    AllowedScoreList list(ScoreValueTable::New);
    list.Build(mask);
    return list;
}

std::vector<int> Xs(const DigitCell* cells, size_t count) {
    std::vector<int> out;
    for (size_t i = 0; i < count; ++i) out.push_back(cells[i].x);
    return out;
}

std::vector<int> Digits(const DigitCell* cells, size_t count) {
    std::vector<int> out;
    for (size_t i = 0; i < count; ++i) out.push_back(cells[i].digit);
    return out;
}

// Ticks until the counter closes the dialog; 0 when it never does within limit.
int TicksUntilClose(int32_t counter, bool visible, bool minimised, bool hiddenByHost, TimeoutAction* action, int limit = 1000) {
    for (int tick = 1; tick <= limit; ++tick) {
        TimeoutAction a = TimeoutTick(counter, visible, minimised, hiddenByHost);
        if (a != TimeoutAction::None) {
            *action = a;
            return tick;
        }
    }
    return 0;
}

}  // namespace

TEST(NewCreateTimeoutTest, ShownDialogClosesOnTheHundredAndEightiethTickVisibleOrHidden) {
    TimeoutAction action = TimeoutAction::None;
    EXPECT_EQ(180, TicksUntilClose(1, true, false, false, &action));
    EXPECT_EQ(TimeoutAction::Close, action);
    EXPECT_EQ(180, TicksUntilClose(1, false, false, true, &action)) << "hidden by the host";
    EXPECT_EQ(TimeoutAction::CloseWhileHidden, action);
    EXPECT_EQ(180, TicksUntilClose(1, false, true, false, &action)) << "host minimised";
    EXPECT_EQ(90, TicksUntilClose(1, false, true, true, &action)) << "both flags count twice a tick";
    EXPECT_EQ(TimeoutAction::CloseWhileHidden, action);
}

TEST(NewCreateTimeoutTest, AVisibleDialogCountsFromOneAHiddenOneFromWhereTheCounterStands) {
    TimeoutAction action = TimeoutAction::None;
    EXPECT_EQ(0, TicksUntilClose(-1, true, false, false, &action)) << "restarted, then shown again";
    EXPECT_EQ(0, TicksUntilClose(1, false, false, false, &action)) << "hidden some other way";
    EXPECT_EQ(182, TicksUntilClose(-1, false, false, true, &action)) << "restarted while the host hides it";
    EXPECT_EQ(TimeoutAction::CloseWhileHidden, action);
}

TEST(NewCreateStepsTest, ScoreWalksTheAllowedListAndStopsAtItsEnds) {
    AllowedScoreList allowed = Allowed((1u << 4) | (1u << 5) | (1u << 6));  // 5, 10, 20
    EXPECT_EQ(10, ScoreStepUp(allowed, 5));
    EXPECT_EQ(20, ScoreStepUp(allowed, 10));
    EXPECT_EQ(20, ScoreStepUp(allowed, 20));
    EXPECT_EQ(10, ScoreStepDown(allowed, 20));
    EXPECT_EQ(5, ScoreStepDown(allowed, 5));
}

TEST(NewCreateStepsTest, ScoreBetweenAllowedValuesGoesDownToTheNextBelowAndUpToTheFirst) {
    AllowedScoreList allowed = Allowed((1u << 4) | (1u << 5) | (1u << 6));  // 5, 10, 20
    EXPECT_EQ(5, ScoreStepDown(allowed, 7));
    EXPECT_EQ(10, ScoreStepDown(allowed, 15));
    EXPECT_EQ(5, ScoreStepUp(allowed, 7));
    EXPECT_EQ(3, ScoreStepDown(allowed, 3)) << "nothing allowed below";
}

TEST(NewCreateStepsTest, NothingAllowedLeavesTheScoreAlone) {
    AllowedScoreList none = Allowed(0);
    EXPECT_EQ(0, ScoreStepUp(none, 0));
    EXPECT_EQ(0, ScoreStepDown(none, 0));
}

TEST(NewCreateStepsTest, SettingsStopAtTheirBoundsAndNeverMoveFurtherOut) {
    EXPECT_EQ(2, SettingAStepDown(3, 2));
    EXPECT_EQ(2, SettingAStepDown(2, 2));
    EXPECT_EQ(0, SettingAStepDown(0, 1)) << "already below the bound";
    EXPECT_EQ(5, SettingAStepUp(5, 5));
    EXPECT_EQ(9, SettingAStepUp(9, 5));

    EXPECT_EQ(20, SettingBStepUp(20));
    EXPECT_EQ(4, SettingBStepDown(4));
    EXPECT_EQ(12, SettingBStepUp(8));
    EXPECT_EQ(20, SettingBStepUp(18)) << "kept within 4 to 20";
    EXPECT_EQ(4, SettingBStepDown(6));
    EXPECT_EQ(20, SettingBStepDown(30));
    EXPECT_EQ(6, SettingBStepUp(2));
}

TEST(NewCreateDigitsTest, TableNumberAndSettingsKeepTheirLeadingZeros) {
    DigitCell cells[4];
    ASSERT_EQ(3u, TableNumberCells(7, cells));
    EXPECT_EQ((std::vector<int>{104, 119, 134}), Xs(cells, 3));
    EXPECT_EQ((std::vector<int>{0, 0, 7}), Digits(cells, 3));
    TableNumberCells(1234, cells);
    EXPECT_EQ((std::vector<int>{2, 3, 4}), Digits(cells, 3));
    ASSERT_EQ(2u, SettingCells(8, cells));
    EXPECT_EQ((std::vector<int>{125, 140}), Xs(cells, 2));
    EXPECT_EQ((std::vector<int>{0, 8}), Digits(cells, 2));
}

TEST(NewCreateDigitsTest, ScoreIsCentredOnAsManyCellsAsItHasDigits) {
    DigitCell cells[4];
    ASSERT_EQ(1u, ScoreCells(5, cells));
    EXPECT_EQ((std::vector<int>{132}), Xs(cells, 1));
    ASSERT_EQ(2u, ScoreCells(50, cells));
    EXPECT_EQ((std::vector<int>{125, 140}), Xs(cells, 2));
    ASSERT_EQ(3u, ScoreCells(500, cells));
    EXPECT_EQ((std::vector<int>{117, 132, 147}), Xs(cells, 3));
    EXPECT_EQ((std::vector<int>{5, 0, 0}), Digits(cells, 3));
    ASSERT_EQ(4u, ScoreCells(9999, cells));
    EXPECT_EQ((std::vector<int>{110, 125, 140, 155}), Xs(cells, 4));
    EXPECT_EQ(1u, ScoreCells(0, cells));
    EXPECT_EQ(0u, ScoreCells(10000, cells));
    EXPECT_EQ(0u, ScoreCells(-1, cells));
}

TEST(NewCreateDigitsTest, ANumbersAreaHoldsEveryCellAnyValueDraws) {
    auto inside = [](const CRect& area, int x, int y) {
        return x >= area.left && x + kDigitWidth <= area.right && y == area.top && area.bottom == y + kDigitHeight;
    };
    DigitCell cells[4];
    const CRect score = NumberArea(NewCreateNumber::Score);
    for (int32_t value = -1; value <= 10000; ++value) {
        size_t n = ScoreCells(value, cells);
        for (size_t i = 0; i < n; ++i) ASSERT_TRUE(inside(score, cells[i].x, kScoreY)) << value;
    }
    for (int i = 0; i < kScoreAreaPatches; ++i) ASSERT_TRUE(inside(score, kScoreAreaLeft + i, kScoreY)) << "patch " << i;
    const CRect settingA = NumberArea(NewCreateNumber::SettingA);
    const CRect settingB = NumberArea(NewCreateNumber::SettingB);
    const CRect table = NumberArea(NewCreateNumber::Table);
    for (int32_t value : {0, 7, 99, 100, 999, 1000}) {
        size_t n = SettingCells(value, cells);
        for (size_t i = 0; i < n; ++i) {
            EXPECT_TRUE(inside(settingA, cells[i].x, kSettingAY)) << value;
            EXPECT_TRUE(inside(settingB, cells[i].x, kSettingBY)) << value;
        }
        n = TableNumberCells(value, cells);
        for (size_t i = 0; i < n; ++i) EXPECT_TRUE(inside(table, cells[i].x, kTableNumberY)) << value;
    }
    EXPECT_EQ(CRect(110, 280, 169, 300), score) << "as far as a four-digit score's last cell";
}

TEST(NewCreateControlsTest, EachControlHasOneRowAndUnknownIdsNone) {
    for (size_t i = 0; i < kNewCreateControlCount; ++i) {
        for (size_t j = i + 1; j < kNewCreateControlCount; ++j) ASSERT_NE(kNewCreateControls[i].id, kNewCreateControls[j].id);
        const NewCreateControl& row = kNewCreateControls[i];
        EXPECT_EQ(&row, &NewCreateControlRow(row.id));
        // A look with a pressed picture has the hovered one before it.
        if (row.look.hover >= 0) {
            EXPECT_EQ(row.picture + 1, row.look.hover) << row.id;
            EXPECT_EQ(row.picture + 2, row.look.pressed) << row.id;
        }
    }
    const NewCreateControl& unknown = NewCreateControlRow(12345);
    EXPECT_FALSE(unknown.pictureButton);
    EXPECT_TRUE(unknown.start.IsRectEmpty());
    EXPECT_TRUE(unknown.look.region.IsRectEmpty());
    EXPECT_EQ(-1, unknown.look.hover);
}

TEST(NewCreatePicturesTest, PathsGrowWithTheDirectory) {
    std::wstring longDirectory = L"C:\\" + std::wstring(300, L'd');
    EXPECT_EQ(longDirectory + L"\\bmp\\bmp00047.bmp", NewCreatePicturePath(longDirectory, kPicAlternativePage));
    // A folder named in Hebrew keeps its characters, whatever the ANSI code page.
    const std::wstring hebrew = L"C:\\\u05E9\u05DC\u05D5\u05DD";
    EXPECT_EQ(hebrew + L"\\bmp\\bmp00025.bmp", NewCreatePicturePath(hebrew, kPicPage));
    EXPECT_STREQ("\\bmp\\bmp000131.bmp", NewCreatePictureName(kPicBackground));
    EXPECT_STREQ("\\bmp\\bitmap3.bmp", NewCreatePictureName(35));
    EXPECT_STREQ("", NewCreatePictureName(kNewCreatePictureCount));
}

TEST(NewCreatePendingShowTest, EndsOncePerShowAndCountsOnlyWhilePending) {
    PendingShow show;
    EXPECT_FALSE(show.End()) << "a dialog never shown owes nothing";
    for (int i = 0; i < 400; ++i) ASSERT_EQ(TimeoutAction::None, show.Tick(false, true)) << "never shown, minimised";
    EXPECT_EQ(-1, show.Ticks());
    show.SetHiddenByHost(true);
    EXPECT_FALSE(show.HiddenByHost()) << "only a pending show can be hidden by the host";

    show.Begin();
    show.SetHiddenByHost(true);
    for (int i = 1; i < 90; ++i) ASSERT_EQ(TimeoutAction::None, show.Tick(false, true)) << i;
    EXPECT_EQ(TimeoutAction::CloseWhileHidden, show.Tick(false, true));
    EXPECT_TRUE(show.End());
    EXPECT_FALSE(show.End()) << "the second way out finds the show ended";
    EXPECT_FALSE(show.HiddenByHost());
    EXPECT_EQ(-1, show.Ticks());
    for (int i = 0; i < 400; ++i) ASSERT_EQ(TimeoutAction::None, show.Tick(true, true)) << "a closed show never times out again";

    // A new show starts afresh, however the last one ended.
    show.Begin();
    EXPECT_FALSE(show.HiddenByHost());
    EXPECT_EQ(1, show.Ticks());
    EXPECT_TRUE(show.Pending());
}

class ConfirmedRequestTest : public ::testing::Test {
protected:
    void SetUp() override { memset(&request, 0xEE, sizeof request); }
    NewCreateConfirmation Confirmation(int32_t table, bool option, const char* password) const {
        NewCreateConfirmation c = {4711, "Name", password, option, table, {20, 3, 12}, true, true};
        return c;
    }
    tagKWP_CREATE_TABLE_REQ request;
};

TEST_F(ConfirmedRequestTest, PasswordOnlyAboveTableHundredWithTheOptionAndText) {
    FillConfirmedRequest(request, Confirmation(100, true, "8888"));
    EXPECT_EQ(0, request.ucHavePassword);
    EXPECT_EQ(std::string(9, '\0'), std::string(request.acPassword, 9));
    FillConfirmedRequest(request, Confirmation(150, false, "8888"));
    EXPECT_EQ(0, request.ucHavePassword);
    FillConfirmedRequest(request, Confirmation(150, true, ""));
    EXPECT_EQ(0, request.ucHavePassword);
}

TEST_F(ConfirmedRequestTest, ASecondConfirmationWithoutPasswordDropsTheFirstOne) {
    FillConfirmedRequest(request, Confirmation(150, true, "1234"));
    FillConfirmedRequest(request, Confirmation(150, false, "1234"));
    EXPECT_EQ(0, request.ucHavePassword);
    EXPECT_EQ(std::string(9, '\0'), std::string(request.acPassword, 9));
}

TEST_F(ConfirmedRequestTest, LongTextsAreCutBeforeAHalfGbkCharacter) {
    // Fifteen ASCII bytes and one two-byte character: the character does not fit.
    std::string name = std::string(15, 'a') + "\xD7\xC0";
    NewCreateConfirmation c = Confirmation(150, true, "1234567\xD7\xC0");
    c.name = name.c_str();
    FillConfirmedRequest(request, c);
    EXPECT_EQ(std::string(15, 'a'), std::string(request.acTableName));
    EXPECT_EQ(0, request.acTableName[15]);
    EXPECT_STREQ("1234567", request.acPassword);
}

TEST(NewCreateTextCopyTest, AHostsUnterminatedNameIsCutOnACharacterBoundary) {
    // One ASCII byte and eight two-byte characters fill all 17 bytes, no terminator.
    const char full[17] = {'a', '\xB2', '\xE2', '\xCA', '\xD4', '\xB2', '\xE2', '\xCA', '\xD4',
                           '\xB2', '\xE2', '\xCA', '\xD4', '\xB2', '\xE2', '\xCA', '\xD4'};
    char field[17];
    memset(field, 0x55, sizeof field);
    CopyWholeText(field, sizeof field, full);
    EXPECT_EQ(std::string(full, 15), std::string(field)) << "the eighth character does not fit in 16 bytes";
    EXPECT_EQ(std::string(2, '\0'), std::string(field + 15, 2));
    CopyWholeText(field, sizeof field, nullptr);
    EXPECT_EQ(std::string(17, '\0'), std::string(field, 17));
}

TEST(NewCreateTextCopyTest, PasswordIsSentOnlyWhenAskedAndNotEmpty) {
    tagKWP_CREATE_TABLE_REQ request;
    memset(&request, 0xEE, sizeof request);
    FillRequestPassword(request, true, "\xD7");
    EXPECT_EQ(0, request.ucHavePassword) << "half a character is no password";
    EXPECT_EQ(std::string(9, '\0'), std::string(request.acPassword, 9));
    FillRequestPassword(request, true, "a\xB2\xE2\xCA\xD4\xB2\xE2\xCA\xD4");
    EXPECT_EQ(1, request.ucHavePassword);
    EXPECT_EQ(std::string("a\xB2\xE2\xCA\xD4\xB2\xE2"), std::string(request.acPassword));
    FillRequestPassword(request, false, "1234");
    EXPECT_EQ(0, request.ucHavePassword);
    EXPECT_EQ(std::string(9, '\0'), std::string(request.acPassword, 9));
    EXPECT_EQ(0xEE, request.ucZero35) << "nothing beyond the password";
}
