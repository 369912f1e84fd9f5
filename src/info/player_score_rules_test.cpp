// The rules' corners the dialog tests do not reach: titles made from short or
// mixed texts, names cut inside a character, signed times and counts, and
// both page requests pending at once.
#include "info/player_score_rules.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

using namespace player_score;

namespace {

// GBK: 等级 ("level"), 地主 ("landlord").
const char kLevelLabel[] = "\xB5\xC8\xBC\xB6";
const char kLandlord[] = "\xB5\xD8\xD6\xF7";
const std::string kJi = "\xBC\xB6";
const std::string kZhu = "\xD6\xF7";

}  // namespace

TEST(ScoreTitleTest, FallbackTakesOnlyAWholeCharacterAtBytesTwoAndThree) {
    EXPECT_EQ("10" + kJi, FallbackTitle(9, kLevelLabel, kLandlord));
    EXPECT_EQ("246" + kZhu, FallbackTitle(255, kLevelLabel, kLandlord));
    EXPECT_EQ("1" + kJi, FallbackTitle(0, "Lv\xBC\xB6", kLandlord)) << "two single bytes, then the character";
    EXPECT_EQ("1", FallbackTitle(0, "", kLandlord));
    EXPECT_EQ("1", FallbackTitle(0, "\xB5\xC8", kLandlord)) << "one character only";
    EXPECT_EQ("1", FallbackTitle(0, "\xB5\xC8\xBC", kLandlord)) << "a lead byte without its trail";
    EXPECT_EQ("3", FallbackTitle(12, kLevelLabel, "1\xBC\xB6\xB5\xD8")) << "bytes 2 and 3 straddle two characters";
    EXPECT_EQ("", FallbackTitle(10, kLevelLabel, nullptr));
    EXPECT_EQ(291, TitleTextNumber(255)) << "high levels read their own line, nothing indexed by level";
    EXPECT_FALSE(ExperienceThreshold(255, nullptr));
}

TEST(ScoreNumbersTest, SignedTimesTruncateAndCountsStayWithinTwoDigits) {
    PlayTime t = HoursAndMinutes(-7322);
    EXPECT_EQ(-2, t.hours);
    EXPECT_EQ(-2, t.minutes);
    int tens = -1, ones = -1;
    CountDigits(-3, &tens, &ones);
    EXPECT_EQ(0, tens + ones);
    CountDigits(1000000, &tens, &ones);
    EXPECT_EQ(99, tens * 10 + ones);
    EXPECT_EQ(80, PageLabelText(9));
}

TEST(ScorePagesTest, BothRequestsPendingTurnForwardThenBack) {
    Pages pages;
    pages.nextRequested = pages.previousRequested = true;
    PageTurn turn = TurnPage(pages);
    EXPECT_EQ(1, pages.page);
    EXPECT_EQ(kDisable, turn.previous);
    EXPECT_EQ(kEnable, turn.next);
    EXPECT_FALSE(pages.nextRequested || pages.previousRequested);

    pages.page = 4;
    pages.nextRequested = true;
    turn = TurnPage(pages);
    EXPECT_EQ(4, pages.page);
    EXPECT_EQ(kDisable, turn.next);
}

TEST(PlayerNameTest, NamesAreCutToFourteenBytesOnACharacterBoundary) {
    char field[kNameSize];
    CopyPlayerName(field, "abcdefghijklm\xB5\xD8", static_cast<size_t>(-1));
    EXPECT_STREQ("abcdefghijklm", field);
    CopyPlayerName(field, "\xB5\xC8\xBC\xB6\xB5\xD8\xD6\xF7\xB5\xC8\xBC\xB6\xB5\xD8\xD6\xF7", static_cast<size_t>(-1));
    EXPECT_EQ(14u, strlen(field));

    // A record's 15-byte field without a terminator is read no further.
    struct {
        char name[15];
        char after[4];
    } record;
    memset(record.name, 'x', sizeof record.name);
    memcpy(record.after, "BAD", 4);
    CopyPlayerName(field, record.name, sizeof record.name);
    EXPECT_EQ(std::string(14, 'x'), field);

    CopyPlayerName(field, nullptr, 15);
    EXPECT_STREQ("", field);
}
