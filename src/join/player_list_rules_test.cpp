#include "join/player_list_rules.h"

#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include <lobbyui/party_dialogs.h>

#include "res/player_list_ids.h"

namespace player_list {
namespace {

tagKWP_PLAYER_LIST_DATA_EXTRA Player(unsigned int id, const char* name, unsigned char level = 0, int beans = 0,
                                     int score = 0, unsigned char member = 0) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p;
    memset(&p, 0, sizeof p);
    p.uiPlayerID = id;
    strncpy(p.acNickName, name, sizeof p.acNickName);
    p.ucLevel = level;
    p.iBeans = beans;
    p.iScore = score;
    p.ucMember = member;
    return p;
}

class FakeFacts : public RowFacts {
public:
    unsigned int LocalPlayerId() override { return local; }
    bool IsFriend(const tagKWP_PLAYER_LIST_DATA_EXTRA& p) override {
        ++friendQueries;
        return friends.count(p.uiPlayerID) != 0;
    }
    int TableOf(unsigned int id) override {
        auto it = tables.find(id);
        return it == tables.end() ? 0 : it->second;
    }
    unsigned int local = 1;
    std::set<unsigned int> friends;
    std::map<unsigned int, int> tables;
    int friendQueries = 0;
};

// Sorts the records with the comparison and answers their ids in order.
std::vector<unsigned int> Sorted(std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& players, int command, bool scoreLobby,
                                 FakeFacts& facts) {
    std::vector<const tagKWP_PLAYER_LIST_DATA_EXTRA*> rows;
    for (const auto& p : players) rows.push_back(&p);
    std::stable_sort(rows.begin(), rows.end(), [&](const auto* a, const auto* b) {
        return CompareRows(a, b, command, scoreLobby, facts) < 0;
    });
    std::vector<unsigned int> ids;
    for (const auto* r : rows) ids.push_back(r->uiPlayerID);
    return ids;
}

class RowOrderTest : public ::testing::Test {
protected:
    void SetUp() override {
        // id, name, level, beans, score, member; player 1 is the local player.
        players = {Player(2, "bob", 5, 300, -10, 1), Player(1, "zed", 1, 1, 1, 0), Player(3, "\xB0\xA1", 22, -5, 70, 3),
                   Player(4, "amy", 9, 900, 5, 2)};
        facts.friends = {4};
        facts.tables = {{2, 12}, {3, 0}, {4, 7}, {1, 99}};
    }
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    FakeFacts facts;
};

TEST_F(RowOrderTest, EverySortCommandKeepsTheLocalPlayerFirstAndOrdersTheRest) {
    EXPECT_EQ((std::vector<unsigned int>{1, 4, 2, 3}), Sorted(players, ID_SORT_BY_FRIEND, true, facts));
    // Byte-wise unsigned: the GBK name (0xB0 lead byte) sorts after ASCII.
    EXPECT_EQ((std::vector<unsigned int>{1, 4, 2, 3}), Sorted(players, ID_SORT_BY_NICKNAME, true, facts));
    EXPECT_EQ((std::vector<unsigned int>{1, 3, 4, 2}), Sorted(players, ID_SORT_BY_LEVEL, true, facts));
    EXPECT_EQ((std::vector<unsigned int>{1, 4, 2, 3}), Sorted(players, ID_SORT_BY_VALUE, true, facts));
    EXPECT_EQ((std::vector<unsigned int>{1, 3, 4, 2}), Sorted(players, ID_SORT_BY_VALUE, false, facts));
    EXPECT_EQ((std::vector<unsigned int>{1, 3, 4, 2}), Sorted(players, ID_SORT_BY_TABLE, true, facts));
    EXPECT_EQ((std::vector<unsigned int>{1, 3, 4, 2}), Sorted(players, ID_SORT_BY_MEMBER, true, facts));
    // No known command: insertion order, local player still first.
    EXPECT_EQ((std::vector<unsigned int>{1, 2, 3, 4}), Sorted(players, 0, true, facts));
}

TEST_F(RowOrderTest, TiesAndNullRecordsAndWhatIsAskedOfTheHost) {
    tagKWP_PLAYER_LIST_DATA_EXTRA a = Player(7, "same", 3), b = Player(8, "same", 3);
    EXPECT_EQ(0, CompareRows(&a, &b, ID_SORT_BY_NICKNAME, true, facts));
    EXPECT_EQ(0, CompareRows(&a, &b, ID_SORT_BY_LEVEL, true, facts));
    EXPECT_EQ(0, CompareRows(&a, &b, ID_SORT_BY_FRIEND, true, facts));
    EXPECT_EQ(2, facts.friendQueries) << "one question per record, only for the friend sort";
    facts.friendQueries = 0;
    CompareRows(&a, &b, ID_SORT_BY_LEVEL, true, facts);
    EXPECT_EQ(0, facts.friendQueries);
    EXPECT_LT(CompareRows(&a, nullptr, ID_SORT_BY_LEVEL, true, facts), 0);
    EXPECT_GT(CompareRows(nullptr, &a, ID_SORT_BY_LEVEL, true, facts), 0);
    EXPECT_EQ(0, CompareRows(nullptr, nullptr, ID_SORT_BY_LEVEL, true, facts));
}

TEST_F(RowOrderTest, NicknamesFillingTheWholeFieldCompareWithinIt) {
    tagKWP_PLAYER_LIST_DATA_EXTRA a = Player(7, ""), b = Player(8, "");
    memset(a.acNickName, 'x', sizeof a.acNickName);
    memset(b.acNickName, 'x', sizeof b.acNickName);
    EXPECT_EQ(0, CompareRows(&a, &b, ID_SORT_BY_NICKNAME, true, facts));
    b.acNickName[39] = 'y';
    EXPECT_LT(CompareRows(&a, &b, ID_SORT_BY_NICKNAME, true, facts), 0);
}

TEST(RowPicturesTest, FrameAvatarBadgeAndMarker) {
    EXPECT_EQ(1, RowFrameImage(true, true));
    EXPECT_EQ(2, RowFrameImage(false, true));
    EXPECT_EQ(0, RowFrameImage(false, false));

    EXPECT_EQ(10, AvatarImage(10, 19));
    EXPECT_EQ(73, AvatarImage(10, 20));
    EXPECT_EQ(75, AvatarImage(72, 22));
    EXPECT_EQ(-1, AvatarImage(73, 0));
    EXPECT_EQ(-1, AvatarImage(80, 21));

    BadgeChoice low = LevelBadge(18), high = LevelBadge(19);
    EXPECT_EQ(PLPG_LEVEL, low.group);
    EXPECT_EQ(18, low.image);
    EXPECT_EQ(PLPG_HIGH_LEVEL, high.group);
    EXPECT_EQ(4, high.image);
    EXPECT_EQ(0, LevelBadge(23).image);
    EXPECT_LT(LevelBadge(24).image, 0) << "no such badge: the list draws nothing";

    EXPECT_EQ(0, NormaliseMarker(-3));
    EXPECT_EQ(0, NormaliseMarker(-128));
    EXPECT_EQ(1, NormaliseMarker(7));
    EXPECT_EQ(1, NormaliseMarker(127));
}

TEST(RowTextsTest, NameColourByMemberClassAndTableText) {
    uint32_t colour = 1234;
    ASSERT_TRUE(NameColour(0, &colour));
    EXPECT_EQ(0x000000u, colour);
    ASSERT_TRUE(NameColour(1, &colour));
    EXPECT_EQ(0x007100u, colour);
    ASSERT_TRUE(NameColour(2, &colour));
    EXPECT_EQ(0x0000FFu, colour);
    ASSERT_TRUE(NameColour(3, &colour));
    EXPECT_EQ(0xFF00FFu, colour);
    EXPECT_FALSE(NameColour(4, &colour));
    EXPECT_FALSE(NameColour(255, nullptr));

    EXPECT_EQ("---", TableText(0));
    EXPECT_EQ("005", TableText(5));
    EXPECT_EQ("007", TableText(7));
    EXPECT_EQ("042", TableText(42));
    EXPECT_EQ("120", TableText(120));
    EXPECT_EQ("1000", TableText(1000));
}

TEST(CaptionCacheTest, OnlyTenByteTextsAreKeptAndOthersAreReadEachTime) {
    std::map<int, std::string> table = {{28, "0123456789"}, {29, "short"}, {30, "eleven-byte"}, {86, "ABCDEFGHIJ"}};
    int reads = 0;
    TextLoader load = [&](int n) {
        ++reads;
        return table.count(n) ? table[n] : std::string();
    };
    CaptionCache cache;
    cache.Fill(load);
    EXPECT_EQ(7, reads);
    EXPECT_TRUE(cache.Usable(1));
    EXPECT_FALSE(cache.Usable(2));
    EXPECT_FALSE(cache.Usable(3));
    EXPECT_TRUE(cache.Usable(7));
    EXPECT_FALSE(cache.Usable(0));
    EXPECT_FALSE(cache.Usable(8));

    table[28] = "changed!!!";
    table[29] = "now-longer";
    reads = 0;
    EXPECT_EQ("0123456789", cache.Caption(28, load));
    EXPECT_EQ(0, reads);
    EXPECT_EQ("now-longer", cache.Caption(29, load)) << "an unusable slot reads afresh";
    EXPECT_EQ("eleven-byte", cache.Caption(30, load));
    EXPECT_EQ(2, reads);
}

TEST(ValueFormatTest, SimplifiedReadsPerRowTraditionalKeepsTheStartUpFormat) {
    std::map<int, std::string> table = {{9, "S%d"}, {10, "B%d"}};
    TextLoader load = [&](int n) { return table[n]; };
    tagKWP_PLAYER_LIST_DATA_EXTRA p = Player(5, "p");
    p.iBeans = 1200;
    p.iScore = -7;
    ValueFormat format;
    EXPECT_EQ("B1200", format.Text(p, true, true, load));
    EXPECT_EQ("S-7", format.Text(p, true, false, load));
    EXPECT_STREQ("S%d", format.Get()) << "the last read format is kept";
    EXPECT_EQ("S1200", format.Text(p, false, false, load)) << "traditional: kept format, always beans";

    ValueFormat fresh;
    EXPECT_EQ("B1200", fresh.Text(p, false, true, load)) << "nothing kept: text 10";

    // Cut to 8 bytes: a conversion cut in half stays text.
    table[10] = "beans:%d";
    EXPECT_EQ("beans:1200", fresh.Text(p, true, true, load));
    table[10] = "beans: %d";
    EXPECT_EQ("beans: %", fresh.Text(p, true, true, load));
    // The cut never leaves half a GBK character: "%d:淘豆个" keeps "%d:淘豆".
    table[10] = "%d:\xCC\xD4\xB6\xB9\xB8\xF6";
    EXPECT_EQ("1200:\xCC\xD4\xB6\xB9", fresh.Text(p, true, true, load));
    // A text that cuts to nothing is read again and used whole.
    table[10] = "";
    EXPECT_EQ("", fresh.Text(p, true, true, load));
    // Formats come from a file: conversions beyond one integer stay text.
    table[10] = "%s%n%d";
    EXPECT_EQ("%s%n1200", fresh.Text(p, true, true, load));
}

TEST(ContestAddressTest, HostNamedServerIsUsedOnlyWhenItIsAPlainWebAddress) {
    EXPECT_EQ("http://localhost/contest/content.aspx?cno=42&pg=5", ContestPageAddress(ContestServer(nullptr), 42));
    EXPECT_EQ("https://games.example.org:8443", ContestServer("https://games.example.org:8443/"));
    EXPECT_EQ("HTTP://A.B", ContestServer("HTTP://A.B"));
    EXPECT_EQ(kDefaultContestServer, ContestServer(""));
    EXPECT_EQ(kDefaultContestServer, ContestServer("http://"));
    EXPECT_EQ(kDefaultContestServer, ContestServer("C:\\Windows\\notepad.exe"));
    EXPECT_EQ(kDefaultContestServer, ContestServer("file://server/share"));
    EXPECT_EQ(kDefaultContestServer, ContestServer("http://host/\" --evil"));
    EXPECT_EQ("http://h/contest/content.aspx?cno=-1&pg=5", ContestPageAddress("http://h", -1));
}

}  // namespace
}  // namespace player_list
