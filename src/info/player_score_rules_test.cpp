#include "info/player_score_rules.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

using namespace player_score;

namespace {

// GBK: 等级 ("level"), 地主 ("landlord").
const char kLevelLabel[] = "\xB5\xC8\xBC\xB6";
const char kLandlord[] = "\xB5\xD8\xD6\xF7";
const std::string kJi = "\xBC\xB6";
const std::string kZhu = "\xD6\xF7";

struct Shown {
    std::string image;
    int count;  // -1: drawn without digits
    int tooltip;
    bool operator==(const Shown& o) const { return image == o.image && count == o.count && tooltip == o.tooltip; }
};

std::vector<Shown> Grid(const tagKWP_MERIT_DETAIL& merit) {
    GridItem items[kSlots];
    size_t n = ItemGrid(merit, items);
    std::vector<Shown> out;
    for (size_t i = 0; i < n; ++i) out.push_back({items[i].image, items[i].counted ? items[i].count : -1, items[i].tooltipText});
    return out;
}

tagKWP_MERIT_DETAIL Merit(unsigned char level, unsigned char hats = 0) {
    tagKWP_MERIT_DETAIL m;
    memset(&m, 0, sizeof m);
    m.ucLevel = level;
    m.ucKingHatCount = hats;
    return m;
}

void PrintTo(const Shown& s, std::ostream* os) { *os << s.image << "/" << s.count << "/" << s.tooltip; }

}  // namespace

TEST(ScoreTitleTest, EachLevelReadsItsOwnTextAndTheTopLevelTheKingsText) {
    EXPECT_EQ(36, TitleTextNumber(0));
    EXPECT_EQ(58, TitleTextNumber(22));
    EXPECT_EQ(81, TitleTextNumber(23));
    EXPECT_EQ(60, TitleTextNumber(24));
    EXPECT_EQ(291, TitleTextNumber(255));
}

TEST(ScoreTitleTest, FallbackCountsLevelsWithTheSecondCharacterOfTheLabelOrSuffix) {
    EXPECT_EQ("1" + kJi, FallbackTitle(0, kLevelLabel, kLandlord));
    EXPECT_EQ("10" + kJi, FallbackTitle(9, kLevelLabel, kLandlord));
    EXPECT_EQ(std::string(kLandlord), FallbackTitle(10, kLevelLabel, kLandlord));
    EXPECT_EQ("3" + kZhu, FallbackTitle(12, kLevelLabel, kLandlord));
    EXPECT_EQ("14" + kZhu, FallbackTitle(23, kLevelLabel, kLandlord));
    EXPECT_EQ("246" + kZhu, FallbackTitle(255, kLevelLabel, kLandlord));
}

TEST(ScoreTitleTest, AFallbackNeverTakesHalfACharacterOrReadsPastAText) {
    EXPECT_EQ("1", FallbackTitle(0, "", kLandlord)) << "no label at all";
    EXPECT_EQ("1", FallbackTitle(0, "\xB5\xC8", kLandlord)) << "one character only";
    EXPECT_EQ("1", FallbackTitle(0, "\xB5\xC8\xBC", kLandlord)) << "a lead byte without its trail";
    EXPECT_EQ("1", FallbackTitle(0, "Lv", kLandlord));
    EXPECT_EQ("1" + kJi, FallbackTitle(0, "Lv\xBC\xB6", kLandlord)) << "two single bytes, then the character";
    // "1级地主": bytes 2 and 3 straddle two characters.
    EXPECT_EQ("3", FallbackTitle(12, kLevelLabel, "1\xBC\xB6\xB5\xD8\xD6\xF7"));
    EXPECT_EQ("", FallbackTitle(10, kLevelLabel, nullptr));
    EXPECT_EQ("3", FallbackTitle(12, kLevelLabel, nullptr));
}

TEST(ScoreExperienceTest, ThresholdsCoverLevelsZeroToNineOnly) {
    int threshold = -1;
    ASSERT_TRUE(ExperienceThreshold(0, &threshold));
    EXPECT_EQ(50, threshold);
    ASSERT_TRUE(ExperienceThreshold(9, &threshold));
    EXPECT_EQ(3060, threshold);
    EXPECT_FALSE(ExperienceThreshold(10, &threshold));
    EXPECT_FALSE(ExperienceThreshold(255, &threshold));
}

TEST(ScoreTimeTest, SecondsSplitIntoHoursAndTheMinutesOfTheHour) {
    PlayTime t = HoursAndMinutes(7322);
    EXPECT_EQ(2, t.hours);
    EXPECT_EQ(2, t.minutes);
    t = HoursAndMinutes(25 * 3600 + 59 * 60 + 59);
    EXPECT_EQ(25, t.hours);
    EXPECT_EQ(59, t.minutes);
    t = HoursAndMinutes(-7322);  // truncating toward zero, as the record is signed
    EXPECT_EQ(-2, t.hours);
    EXPECT_EQ(-2, t.minutes);
}

TEST(ScoreHeaderTest, MemberClassesZeroToThreeHaveColoursAndOthersNoHeader) {
    uint32_t colour = 1;
    const uint32_t expected[4] = {0x000000, 0x007100, 0x0000FF, 0xFF00FF};
    for (unsigned char c = 0; c < 4; ++c) {
        ASSERT_TRUE(MemberColour(c, &colour));
        EXPECT_EQ(expected[c], colour) << int(c);
    }
    EXPECT_FALSE(MemberColour(4, &colour));
    EXPECT_FALSE(MemberColour(5, &colour));
}

TEST(ScoreItemGridTest, TheLevelGivesAHatOrRingFirst) {
    EXPECT_TRUE(Grid(Merit(9, 5)).empty()) << "no hat below level 10";
    EXPECT_TRUE(Grid(Merit(12, 0)).empty()) << "no hat without hats";
    EXPECT_EQ(std::vector<Shown>({{"kinghatPic1", 7, 69}}), Grid(Merit(12, 7)));
    EXPECT_EQ(std::vector<Shown>({{"kinghatPic1", 1, 69}}), Grid(Merit(10, 1)));
    EXPECT_EQ(std::vector<Shown>({{"kinghatPic1", 255, 69}}), Grid(Merit(18, 255)));
    EXPECT_EQ(std::vector<Shown>({{"kinghatPic2", -1, 70}}), Grid(Merit(19, 3)));
    EXPECT_EQ(std::vector<Shown>({{"baiyin", -1, 56}}), Grid(Merit(20)));
    EXPECT_EQ(std::vector<Shown>({{"huangjin", -1, 57}}), Grid(Merit(21)));
    EXPECT_EQ(std::vector<Shown>({{"zuanshi", -1, 58}}), Grid(Merit(22)));
    EXPECT_EQ(std::vector<Shown>({{"kinghatPic3", -1, 81}}), Grid(Merit(23)));
    EXPECT_TRUE(Grid(Merit(24, 9)).empty());
}

TEST(ScoreItemGridTest, CardsFollowInTheirOrderWhenHeldAndAllSevenFit) {
    tagKWP_MERIT_DETAIL m = Merit(21);
    m.iSilverCard10 = 3;
    EXPECT_EQ(std::vector<Shown>({{"huangjin", -1, 57}, {"yinka10", 3, 75}}), Grid(m));

    m = Merit(23);
    m.iGoldCard15 = 150;
    m.iGoldCard30 = 1;
    m.iGoldCard50 = 2;
    m.iSilverCard5 = 3;
    m.iSilverCard10 = 4;
    m.iSilverCard30 = 5;
    EXPECT_EQ(std::vector<Shown>({{"kinghatPic3", -1, 81},
                                  {"jinka15", 150, 71},
                                  {"jinka30", 1, 72},
                                  {"jinka50", 2, 73},
                                  {"yinka5", 3, 74},
                                  {"yinka10", 4, 75},
                                  {"yinka30", 5, 76}}),
              Grid(m));

    m = Merit(5);
    m.iGoldCard30 = -4;  // a negative count holds nothing
    m.iSilverCard30 = 1;
    EXPECT_EQ(std::vector<Shown>({{"yinka30", 1, 76}}), Grid(m));
}

TEST(ScoreItemGridTest, CountsShowTwoDigitsCappedAtNinetyNine) {
    int tens = -1, ones = -1;
    CountDigits(5, &tens, &ones);
    EXPECT_EQ(0, tens);
    EXPECT_EQ(5, ones);
    CountDigits(150, &tens, &ones);
    EXPECT_EQ(9, tens);
    EXPECT_EQ(9, ones);
    CountDigits(42, &tens, &ones);
    EXPECT_EQ(4, tens);
    EXPECT_EQ(2, ones);
    CountDigits(-3, &tens, &ones);
    EXPECT_EQ(0, tens + ones);
    EXPECT_STREQ("num0", DigitImage(0));
    EXPECT_STREQ("num9", DigitImage(9));
    EXPECT_EQ(nullptr, DigitImage(10));
}

TEST(ScoreItemGridTest, SlotsLieFourToARowThirtyFourPixelsApart) {
    EXPECT_EQ(CRect(14, 267, 44, 297), IconRect(0));
    EXPECT_EQ(CRect(24, 266, 35, 283), DigitRect(0));
    EXPECT_EQ(CRect(14, 266, 25, 283), TensRect(0));
    EXPECT_EQ(CRect(116, 301, 146, 331), IconRect(7));
    EXPECT_EQ(CRect(116, 335, 146, 365), IconRect(11));
    EXPECT_EQ(CRect(126, 334, 137, 351), DigitRect(11));
}

TEST(ScorePagesTest, RequestsTurnWithinOneToFourAndSayWhichButtonsChange) {
    Pages pages;
    std::vector<int> walked;
    for (int i = 0; i < 3; ++i) {
        pages.nextRequested = true;
        PageTurn turn = TurnPage(pages);
        walked.push_back(pages.page);
        EXPECT_EQ(kEnable, turn.previous);
        EXPECT_EQ(i == 2 ? kDisable : kKeep, turn.next) << i;
        EXPECT_FALSE(pages.nextRequested);
    }
    EXPECT_EQ(std::vector<int>({2, 3, 4}), walked);

    pages.nextRequested = true;  // a request past the last page keeps it
    TurnPage(pages);
    EXPECT_EQ(4, pages.page);

    pages.previousRequested = true;
    PageTurn turn = TurnPage(pages);
    EXPECT_EQ(3, pages.page);
    EXPECT_EQ(kKeep, turn.previous);
    EXPECT_EQ(kEnable, turn.next);
    pages.page = 2;
    pages.previousRequested = true;
    turn = TurnPage(pages);
    EXPECT_EQ(1, pages.page);
    EXPECT_EQ(kDisable, turn.previous);

    pages.nextRequested = pages.previousRequested = true;  // next first, then back
    turn = TurnPage(pages);
    EXPECT_EQ(1, pages.page);
    EXPECT_EQ(kDisable, turn.previous);
    EXPECT_EQ(kEnable, turn.next);

    EXPECT_EQ(77, PageLabelText(1));
    EXPECT_EQ(80, PageLabelText(4));
    EXPECT_EQ(80, PageLabelText(9));
}

TEST(ScoreTooltipSlotsTest, LongTipsHoldSeventyNineBytesAndRingTipsNine) {
    EXPECT_EQ(80u, kTooltipSlots[TooltipSlotOf(69)].size);
    EXPECT_EQ(80u, kTooltipSlots[TooltipSlotOf(76)].size);
    EXPECT_EQ(10u, kTooltipSlots[TooltipSlotOf(56)].size);
    EXPECT_EQ(10u, kTooltipSlots[TooltipSlotOf(81)].size);
    EXPECT_EQ(-1, TooltipSlotOf(77));
}

TEST(PlayerNameTest, NamesAreCutToFourteenBytesOnACharacterBoundary) {
    char field[kNameSize];
    CopyPlayerName(field, "abcdefghijklmnopq", static_cast<size_t>(-1));
    EXPECT_STREQ("abcdefghijklmn", field);
    // 13 single bytes and a two-byte character: the character does not fit.
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
