// The score dialog driven as a host drives it: through CPSDlg_Interface, with
// a test window as parent, the recording skin and a text table of the
// test's. What it paints is read back from a metafile, its item images from
// the skin's record and its tips from the tooltip control.
#include "info/player_score_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <map>
#include <string>
#include <vector>

#include <lobbyui/frame.h>
#include <lobbyui/player_info.h>

#include "dialog_controls.h"
#include "host_window.h"
#include "join_table_test_support.h"
#include "metafile_recorder.h"
#include "res/info_ids.h"

namespace {

typedef CPSDlg_Interface Score;

// ASCII texts, so that what is painted reads plainly; titles are "T<level>".
std::string ScoreTextTable(bool withTitles = true, const std::map<int, std::string>& replaced = {}) {
    std::map<int, std::string> texts = {
        {1, "Record"},       {2, "'s record"},    {3, "Lv:"},         {4, "Exp %d/%d"},    {9, "Gold %d"},
        {10, "Beans %d"},    {11, "Charm %d"},    {12, "Fame %d"},    {13, "Normal"},      {14, "Won"},
        {15, "Lost"},        {17, "Contest"},     {18, "Time %dh%dm"}, {19, "Fled %d"},    {20, "Cut %d"},
        {35, "Tahoma"},      {46, "Dan"},         {56, "Silver"},     {57, "Goldring"},    {58, "Diamond"},
        {67, "Entered"},     {68, "Prizes"},      {69, "Hat tip"},    {70, "Crown tip"},   {71, "Gold15 tip"},
        {72, "Gold30 tip"},  {73, "Gold50 tip"},  {74, "Silver5 tip"}, {75, "Silver10 tip"}, {76, "Silver30 tip"},
        {77, "1/4"},         {78, "2/4"},         {79, "3/4"},        {80, "4/4"},         {81, "KingOfAll"},
        {82, "Plain"},       {83, "Green"},       {84, "Red"},        {85, "Purple"},
    };
    if (withTitles) {
        for (int level = 0; level <= 22; ++level) {
            if (level != 10 && (level < 20 || level > 22)) texts[36 + level] = "T" + std::to_string(level);
        }
    }
    for (const auto& text : replaced) texts[text.first] = text.second;
    std::string csv;
    for (int n = 1; n <= 90; ++n) csv += std::to_string(n) + "," + texts[n] + "\r\n";
    return csv;
}

// n copies of the two-byte GBK character 一.
std::string Yi(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) text += "\xD2\xBB";
    return text;
}

struct SkinDraw {
    std::string group;
    std::string image;
    CRect rect;
    bool operator==(const SkinDraw& o) const { return group == o.group && image == o.image && rect == o.rect; }
};
void PrintTo(const SkinDraw& d, std::ostream* os) {
    *os << d.group << ":" << d.image << "@" << d.rect.left << "," << d.rect.top << "," << d.rect.right << "," << d.rect.bottom;
}

tagKWP_MERIT_DETAIL Merit(unsigned char level, unsigned char hats = 0) {
    tagKWP_MERIT_DETAIL m;
    memset(&m, 0, sizeof m);
    m.ucLevel = level;
    m.ucKingHatCount = hats;
    return m;
}

class PlayerScoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.loaded());
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", ScoreTextTable());
        Create();
    }
    void TearDown() override { Score::DestroyPS_Dlg(); }

    void Create() {
        Score::CreatePS_Dlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_PS_NEXT_PAGE);
        ASSERT_TRUE(dialog);
        tooltip = FindOwnedTooltip(dialog);
        ASSERT_TRUE(tooltip);
    }

    void Show(const tagKWP_MERIT_DETAIL& merit, const char* name = "Pat") {
        tagKWP_MERIT_DETAIL copy = merit;
        Score::SetPS_DlgData(&copy);
        Score::ShowPS_Dlg(const_cast<char*>(name));
        ::UpdateWindow(dialog);
    }

    // One paint into a metafile; the skin's record then holds that paint's images.
    MetafileRecording Render() {
        ::UpdateWindow(dialog);
        skin.Reset();
        return MetafileRecording::RenderWindow(dialog);
    }

    std::vector<SkinDraw> Drawn() const {
        std::map<HANDLE, std::string> groups;
        for (const SkinFixtureCall& c : opened) groups[c.group] = c.name;
        std::vector<SkinDraw> out;
        for (const SkinFixtureCall& c : skin.CallsOf(kSkinDrawImage)) out.push_back({groups[c.group], c.name, CWnd::FromRECT(c.rect)});
        return out;
    }

    std::string Tip(UINT id) const {
        char text[256] = {0};
        TOOLINFOA info;
        memset(&info, 0, sizeof info);
        info.cbSize = TTTOOLINFOA_V2_SIZE;
        info.hwnd = dialog;
        info.uId = id;
        info.lpszText = text;
        ::SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        return text;
    }
    std::vector<std::string> Tips() const {
        std::vector<std::string> tips;
        for (UINT id = 1; id <= 12; ++id) tips.push_back(Tip(id));
        return tips;
    }

    void CaptureOpenedGroups() { opened = skin.CallsOf(kSkinOpenImageGroup); }

    ScratchDirectory scratch;
    RecordingSkin skin;
    HostWindow host{100, 50, 800, 600};
    HWND dialog = nullptr;
    HWND tooltip = nullptr;
    std::vector<SkinFixtureCall> opened;
};

SkinDraw Item(const char* group, const char* image, int slot) {
    const int c = slot % 4, r = slot / 4;
    return {group, image, CRect(14 + 34 * c, 267 + 34 * r, 44 + 34 * c, 297 + 34 * r)};
}
// The ones digit, then the tens digit 10 pixels to its left.
std::vector<SkinDraw> Digits(int tens, int ones, int slot) {
    const int c = slot % 4, r = slot / 4;
    CRect d(24 + 34 * c, 266 + 34 * r, 35 + 34 * c, 283 + 34 * r);
    return {{"KingHatNum", "num" + std::to_string(ones), d},
            {"KingHatNum", "num" + std::to_string(tens), CRect(d.left - 10, d.top, d.right - 10, d.bottom)}};
}
std::vector<SkinDraw> Join(std::vector<std::vector<SkinDraw>> parts) {
    std::vector<SkinDraw> out;
    for (auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace

TEST(PlayerScoreWithoutDialogTest, CallsBeforeCreateDoNothing) {
    tagKWP_MERIT_DETAIL merit = Merit(3);
    tagKWP_USER_CONTEST_SCORE_INFO contest = {};
    tagKWP_PLAYER_ALL_VIEW view = {};
    Score::ShowPS_Dlg(const_cast<char*>("Pat"));
    Score::SetPS_DlgData(&merit);
    Score::SetPS_DlgData1(&contest);
    Score::SetPS_DlgData2(&view);
    Score::SetPS_DlgYuCoinUse(false);
    Score::HidePS_Dlg();
    EXPECT_EQ(0, Score::IfPS_DlgVisible());
    Score::DestroyPS_Dlg();
    Score::DestroyPS_Dlg();
}

TEST_F(PlayerScoreTest, CreateSkinsTheDialogAndMakesTwelveSubclassingToolsOverTheSlotsEveryTime) {
    for (int round = 0; round < 2; ++round) {
        std::vector<SkinFixtureCall> applied = skin.CallsOf(kSkinApplyWindowSkin);
        ASSERT_EQ(1u, applied.size());
        EXPECT_EQ(dialog, applied[0].window);
        EXPECT_STREQ("PlayerScore", applied[0].name);
        CaptureOpenedGroups();
        ASSERT_EQ(4u, opened.size());
        const char* groups[4] = {"kinghat", "KingHatNum", "DaiJinJuan", "FingerRing"};
        for (size_t i = 0; i < 4; ++i) EXPECT_STREQ(groups[i], opened[i].name);
        EXPECT_FALSE(::IsWindowVisible(dialog));
        EXPECT_EQ(0, Score::IfPS_DlgVisible());

        ASSERT_EQ(12, ::SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0)) << round;
        for (UINT i = 0; i < 12; ++i) {
            TOOLINFOA info;
            memset(&info, 0, sizeof info);
            info.cbSize = TTTOOLINFOA_V2_SIZE;
            ASSERT_TRUE(::SendMessageA(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&info)));
            EXPECT_EQ(i + 1, info.uId);
            EXPECT_EQ(dialog, info.hwnd);
            EXPECT_TRUE(info.uFlags & TTF_SUBCLASS);
            EXPECT_EQ(Item("", "", static_cast<int>(i)).rect, CWnd::FromRECT(info.rect)) << i;
        }

        // A second create is ignored; destroy closes the groups and takes the tooltip along.
        Score::CreatePS_Dlg(host.wnd());
        EXPECT_EQ(1u, skin.CallsOf(kSkinApplyWindowSkin).size());
        Score::DestroyPS_Dlg();
        EXPECT_FALSE(::IsWindow(dialog) || ::IsWindow(tooltip));
        std::vector<SkinFixtureCall> closed = skin.CallsOf(kSkinCloseImageGroup);
        ASSERT_EQ(4u, closed.size());
        for (size_t i = 0; i < 4; ++i) EXPECT_EQ(opened[i].group, closed[i].group);
        skin.Reset();
        Create();
    }
}

TEST_F(PlayerScoreTest, ShowCentresAFixedClientAreaOnTheParentOnPageOne) {
    Show(Merit(3));
    EXPECT_EQ(1, Score::IfPS_DlgVisible());
    RECT client, window, parent;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(CRect(0, 0, 301, 393), CWnd::FromRECT(client));
    ::GetWindowRect(dialog, &window);
    ::GetWindowRect(host.hwnd(), &parent);
    EXPECT_EQ(parent.left + ((parent.right - parent.left) - (window.right - window.left)) / 2, window.left);
    EXPECT_EQ(parent.top + ((parent.bottom - parent.top) - (window.bottom - window.top)) / 2, window.top);

    RECT tenUnits = {0, 0, 10, 10};
    ::MapDialogRect(dialog, &tenUnits);
    EXPECT_EQ(CRect(60, 365, 60 + tenUnits.right, 365 + tenUnits.bottom), CWnd::FromRECT(ControlRect(dialog, IDC_PS_PREVIOUS_PAGE)));
    EXPECT_EQ(CRect(85, 365, 85 + tenUnits.right, 365 + tenUnits.bottom), CWnd::FromRECT(ControlRect(dialog, IDC_PS_NEXT_PAGE)));
    EXPECT_TRUE(Visible(dialog, IDC_PS_PREVIOUS_PAGE) && Visible(dialog, IDC_PS_NEXT_PAGE));
    EXPECT_TRUE(!Enabled(dialog, IDC_PS_PREVIOUS_PAGE) && Enabled(dialog, IDC_PS_NEXT_PAGE));

    Score::HidePS_Dlg();
    EXPECT_EQ(0, Score::IfPS_DlgVisible());
    Show(Merit(3));
    ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(0, Score::IfPS_DlgVisible()) << "the close box hides";
    EXPECT_TRUE(::IsWindow(dialog));
    for (int key : {IDOK, IDCANCEL}) {
        Show(Merit(3));
        Click(dialog, key);
        EXPECT_EQ(0, Score::IfPS_DlgVisible()) << "Enter and Escape hide like the close box: " << key;
        EXPECT_TRUE(::IsWindow(dialog));
    }
}

TEST_F(PlayerScoreTest, EveryLineIsPaintedAtItsPlaceFromTheRecordsAndTheTable) {
    tagKWP_MERIT_DETAIL merit = Merit(9);
    merit.usExperience = 2999;
    merit.ucMember = 1;
    merit.iTimeSeconds = 7322;
    merit.iTally1 = 4;
    merit.iTally2 = 5;
    merit.iGroupOneFirst = 11;
    merit.iGroupOneSecond = 12;
    merit.iGroupTwoFirst = 21;
    merit.iGroupTwoSecond = -22;
    merit.iExtraCount1 = 31;
    merit.iExtraCount2 = 32;
    tagKWP_PLAYER_ALL_VIEW view = {};
    view.iBeans = 1000;
    view.iFigure2 = 7;
    view.iFigure3 = 8;
    view.iPremiumBalance = 50;
    Score::SetPS_DlgData2(&view);
    Show(merit, "Pat");

    MetafileRecording drawn = Render();
    struct Line {
        const char* text;
        int x, y;
        COLORREF colour;
    };
    const COLORREF green = RGB(0, 113, 0), black = RGB(0, 0, 0);
    const Line lines[] = {
        {"Green", 17, 8, green},     {"Pat", 92, 8, green},        {"'s record", 208, 8, green},
        {"Lv:", 33, 43, black},      {"T9", 75, 43, black},        {"Exp 2999/3060", 17, 62, black},
        {"Beans 1000", 180, 46, black}, {"Gold 50", 180, 104, black}, {"Charm 7", 180, 65, black},
        {"Fame 8", 180, 84, black},  {"Normal", 167, 136, black},  {"11 ", 234, 136, black},
        {"12 ", 234, 155, black},    {"Contest", 167, 193, black}, {"21 ", 234, 193, black},
        {"-22 ", 234, 212, black},   {"Time 2h2m", 167, 287, black}, {"Fled 4", 167, 306, black},
        {"Cut 5", 167, 325, black},  {"Entered", 167, 250, black}, {"31 ", 234, 250, black},
        {"Prizes", 167, 269, black}, {"32 ", 234, 269, black},     {"1/4", 70, 252, black},
    };
    for (const Line& line : lines) {
        const DrawnText* t = drawn.FindText(line.text);
        ASSERT_TRUE(t) << line.text;
        EXPECT_EQ(CPoint(line.x, line.y), t->at) << line.text;
        EXPECT_EQ(line.colour, t->colour) << line.text;
    }
    int won = 0, lost = 0;
    for (const DrawnText& t : drawn.texts) {
        if (t.text == "Won") won += (t.at == CPoint(274, 136) || t.at == CPoint(274, 193));
        if (t.text == "Lost") lost += (t.at == CPoint(274, 155) || t.at == CPoint(274, 212));
    }
    EXPECT_EQ(2, won);
    EXPECT_EQ(2, lost);
    EXPECT_EQ(sizeof lines / sizeof lines[0] + 4, drawn.texts.size());
}

TEST_F(PlayerScoreTest, ClassFiveDrawsNoHeaderAndHighLevelsAOneSpaceExperienceLine) {
    tagKWP_MERIT_DETAIL merit = Merit(10);
    merit.ucMember = 5;
    merit.usExperience = 100;
    Show(merit);
    MetafileRecording drawn = Render();
    for (const DrawnText& t : drawn.texts) EXPECT_NE(8, t.at.y) << t.text;
    const DrawnText* space = drawn.FindText(" ");
    ASSERT_TRUE(space);
    EXPECT_EQ(CPoint(17, 62), space->at);
    EXPECT_TRUE(drawn.FindText("Dan")) << "level 10 without a title of its own";

    merit = Merit(23);
    merit.ucMember = 3;
    Show(merit);
    drawn = Render();
    ASSERT_TRUE(drawn.FindText("Purple") && drawn.FindText("KingOfAll"));
    EXPECT_EQ(RGB(255, 0, 255), drawn.FindText("Purple")->colour);
    EXPECT_EQ(CPoint(75, 43), drawn.FindText("KingOfAll")->at);
}

TEST_F(PlayerScoreTest, TitlesMissingFromTheTableFallBackToCountedLevels) {
    // 等级 and 地主 as texts 3 and 46, and no titles at all.
    std::string table = ScoreTextTable(false);
    table.replace(table.find("3,Lv:"), 5, "3,\xB5\xC8\xBC\xB6");
    table.replace(table.find("46,Dan"), 6, "46,\xB5\xD8\xD6\xF7");
    ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", table);
    Score::DestroyPS_Dlg();
    Create();
    const struct {
        unsigned char level;
        std::string title;
    } cases[] = {
        {0, "1\xBC\xB6"}, {9, "10\xBC\xB6"}, {10, "\xB5\xD8\xD6\xF7"}, {12, "3\xD6\xF7"},
        {24, "15\xD6\xF7"}, {255, "246\xD6\xF7"},
    };
    for (const auto& c : cases) {
        Show(Merit(c.level));
        MetafileRecording drawn = Render();
        const DrawnText* title = drawn.FindText(c.title);
        ASSERT_TRUE(title) << int(c.level);
        EXPECT_EQ(CPoint(75, 43), title->at);
    }
    // The title is read at every paint: a table that gains it shows it at once.
    ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", ScoreTextTable());
    Show(Merit(12));
    EXPECT_TRUE(Render().FindText("T12"));
}

TEST_F(PlayerScoreTest, ItemGridShowsTheLevelsItemAndTheCardsWithDigitsAndTips) {
    CaptureOpenedGroups();
    const std::vector<std::string> none(12);
    struct Case {
        const char* name;
        tagKWP_MERIT_DETAIL merit;
        std::vector<SkinDraw> drawn;
        std::vector<std::string> tips;
    };
    std::vector<Case> cases;
    cases.push_back({"level 9", Merit(9, 4), {}, none});
    cases.push_back({"level 10, no hats", Merit(10), {}, none});
    cases.push_back({"level 12, no hats", Merit(12), {}, none});
    std::vector<std::string> hatTip = none;
    hatTip[0] = "Hat tip";
    cases.push_back({"level 12, 7 hats", Merit(12, 7), Join({{Item("kinghat", "kinghatPic1", 0)}, Digits(0, 7, 0)}), hatTip});
    cases.push_back({"level 18, 150 hats", Merit(18, 150), Join({{Item("kinghat", "kinghatPic1", 0)}, Digits(9, 9, 0)}), hatTip});
    std::vector<std::string> crown = none;
    crown[0] = "Crown tip";
    cases.push_back({"level 10, 3 hats", Merit(10, 3), Join({{Item("kinghat", "kinghatPic1", 0)}, Digits(0, 3, 0)}), hatTip});
    cases.push_back({"level 19", Merit(19, 3), {Item("kinghat", "kinghatPic2", 0)}, crown});
    Case crownAndCard = {"level 19 with a card", Merit(19, 3), {}, crown};
    crownAndCard.merit.iGoldCard50 = 2;
    crownAndCard.drawn = Join({{Item("kinghat", "kinghatPic2", 0), Item("DaiJinJuan", "jinka50", 1)}, Digits(0, 2, 1)});
    crownAndCard.tips[1] = "Gold50 tip";
    cases.push_back(crownAndCard);
    const struct {
        unsigned char level;
        const char* image;
        const char* tip;
    } rings[] = {{20, "baiyin", "Silver"}, {21, "huangjin", "Goldring"}, {22, "zuanshi", "Diamond"}};
    for (const auto& r : rings) {
        std::vector<std::string> tips = none;
        tips[0] = r.tip;
        cases.push_back({"a ring alone", Merit(r.level, 9), {Item("FingerRing", r.image, 0)}, tips});
    }
    std::vector<std::string> kingTip = none;
    kingTip[0] = "KingOfAll";
    cases.push_back({"level 23 alone", Merit(23, 9), {Item("kinghat", "kinghatPic3", 0)}, kingTip});
    Case ring = {"level 21 with a silver card", Merit(21), {}, none};
    ring.merit.iSilverCard10 = 3;
    ring.drawn = Join({{Item("FingerRing", "huangjin", 0), Item("DaiJinJuan", "yinka10", 1)}, Digits(0, 3, 1)});
    ring.tips[0] = "Goldring";
    ring.tips[1] = "Silver10 tip";
    cases.push_back(ring);
    Case king = {"level 23 with every card", Merit(23), {}, none};
    king.merit.iGoldCard15 = 150;
    king.merit.iGoldCard30 = 5;
    king.merit.iGoldCard50 = 10;
    king.merit.iSilverCard5 = 99;
    king.merit.iSilverCard10 = 1;
    king.merit.iSilverCard30 = 42;
    king.drawn = Join({{Item("kinghat", "kinghatPic3", 0), Item("DaiJinJuan", "jinka15", 1)}, Digits(9, 9, 1),
                       {Item("DaiJinJuan", "jinka30", 2)}, Digits(0, 5, 2),
                       {Item("DaiJinJuan", "jinka50", 3)}, Digits(1, 0, 3),
                       {Item("DaiJinJuan", "yinka5", 4)}, Digits(9, 9, 4),
                       {Item("DaiJinJuan", "yinka10", 5)}, Digits(0, 1, 5),
                       {Item("DaiJinJuan", "yinka30", 6)}, Digits(4, 2, 6)});
    king.tips = {"KingOfAll", "Gold15 tip", "Gold30 tip", "Gold50 tip", "Silver5 tip", "Silver10 tip", "Silver30 tip",
                 "", "", "", "", ""};
    cases.push_back(king);
    Case cardsOnly = {"level 5 with a card", Merit(5), {}, none};
    cardsOnly.merit.iGoldCard15 = 5;
    cardsOnly.drawn = Join({{Item("DaiJinJuan", "jinka15", 0)}, Digits(0, 5, 0)});
    cardsOnly.tips[0] = "Gold15 tip";
    cases.push_back(cardsOnly);

    for (const Case& c : cases) {
        Show(c.merit);
        Render();
        EXPECT_EQ(c.drawn, Drawn()) << c.name;
        EXPECT_EQ(c.tips, Tips()) << c.name;
    }

    // A record with fewer items, painted without a new show, leaves no tip over an empty slot.
    Score::SetPS_DlgData(&king.merit);
    Render();
    Score::SetPS_DlgData(&cases[3].merit);
    Render();
    EXPECT_EQ(hatTip, Tips());
}

TEST_F(PlayerScoreTest, ArrowsWalkFourPagesAndOnlyPageOneHasTheGrid) {
    CaptureOpenedGroups();
    tagKWP_MERIT_DETAIL merit = Merit(12, 7);
    Show(merit);
    Render();
    ASSERT_EQ("Hat tip", Tip(1));

    const char* labels[4] = {"1/4", "2/4", "3/4", "4/4"};
    for (int page = 2; page <= 4; ++page) {
        Click(dialog, IDC_PS_NEXT_PAGE);
        EXPECT_EQ("", Tip(1)) << "a page click clears the tips";
        MetafileRecording drawn = Render();
        const DrawnText* label = drawn.FindText(labels[page - 1]);
        ASSERT_TRUE(label) << page;
        EXPECT_EQ(CPoint(70, 252), label->at);
        EXPECT_TRUE(Drawn().empty()) << "no grid on page " << page;
        EXPECT_TRUE(drawn.FindText("T12")) << "the rest of the dialog stays";
        EXPECT_TRUE(Enabled(dialog, IDC_PS_PREVIOUS_PAGE));
        EXPECT_EQ(page < 4, Enabled(dialog, IDC_PS_NEXT_PAGE)) << page;
    }
    Click(dialog, IDC_PS_NEXT_PAGE);  // sent to a disabled button all the same: the page stays
    EXPECT_TRUE(Render().FindText("4/4"));

    for (int page = 3; page >= 1; --page) {
        Click(dialog, IDC_PS_PREVIOUS_PAGE);
        EXPECT_TRUE(Render().FindText(labels[page - 1])) << page;
        EXPECT_TRUE(Enabled(dialog, IDC_PS_NEXT_PAGE));
        EXPECT_EQ(page > 1, Enabled(dialog, IDC_PS_PREVIOUS_PAGE)) << page;
    }
    EXPECT_EQ(Join({{Item("kinghat", "kinghatPic1", 0)}, Digits(0, 7, 0)}), Drawn());
    EXPECT_EQ("Hat tip", Tip(1));

    // A new show starts on page 1 with the arrows reset and no tips.
    Click(dialog, IDC_PS_NEXT_PAGE);
    Click(dialog, IDC_PS_NEXT_PAGE);
    Score::ShowPS_Dlg(nullptr);
    EXPECT_FALSE(Enabled(dialog, IDC_PS_PREVIOUS_PAGE));
    EXPECT_TRUE(Enabled(dialog, IDC_PS_NEXT_PAGE));
    EXPECT_TRUE(Render().FindText("1/4"));
}

// Each text lives in a slot of its own size: 19 bytes for a label, 3 for a
// page label, 79 or 9 for a tip. A longer text keeps the
// whole characters that fit and never runs into the next slot.
TEST_F(PlayerScoreTest, LongTextsAreCutToTheirSlotsOnACharacterBoundary) {
    ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv",
                            ScoreTextTable(false, {{13, Yi(12)}, {14, "W" + Yi(12)}, {46, Yi(5)}, {77, Yi(2)},
                                                   {57, Yi(6)}, {75, Yi(45)}, {69, "T" + Yi(45)}}));
    Score::DestroyPS_Dlg();
    Create();
    tagKWP_MERIT_DETAIL merit = Merit(21);
    merit.iSilverCard10 = 3;
    Show(merit);
    MetafileRecording drawn = Render();
    EXPECT_TRUE(drawn.FindText(Yi(9))) << "a label keeps 18 of its 24 bytes";
    EXPECT_TRUE(drawn.FindText("W" + Yi(9))) << "and 19 where the characters end there";
    EXPECT_TRUE(drawn.FindText("\xD2\xBB")) << "a page label keeps one character";
    EXPECT_EQ(Yi(4), Tip(1)) << "a ring's tip keeps 8 bytes";
    EXPECT_EQ(Yi(39), Tip(2)) << "a card's tip keeps 78 bytes";

    Show(Merit(10, 5));
    drawn = Render();
    const DrawnText* title = drawn.FindText(Yi(5));
    ASSERT_TRUE(title) << "a title is read for the paint, not kept in the suffix's slot";
    EXPECT_EQ(CPoint(75, 43), title->at);
    EXPECT_EQ("T" + Yi(39), Tip(1));
}

// Two quick clicks arrive before the queue's paint; each is a page all the same.
TEST_F(PlayerScoreTest, EveryArrowClickTurnsAPageWithoutWaitingForTheHostsPaint) {
    Show(Merit(3));
    Click(dialog, IDC_PS_NEXT_PAGE);
    Click(dialog, IDC_PS_NEXT_PAGE);
    EXPECT_TRUE(Enabled(dialog, IDC_PS_PREVIOUS_PAGE));
    EXPECT_TRUE(MetafileRecording::RenderWindow(dialog).FindText("3/4"));
    Click(dialog, IDC_PS_NEXT_PAGE);
    Click(dialog, IDC_PS_PREVIOUS_PAGE);
    EXPECT_TRUE(MetafileRecording::RenderWindow(dialog).FindText("3/4"));
    EXPECT_TRUE(Enabled(dialog, IDC_PS_NEXT_PAGE));
}

// Paging to the last page with the keyboard disables the very button that
// has it: the keyboard moves to the button still offered, not into a dead end.
TEST_F(PlayerScoreTest, TheLastPageLeavesTheKeyboardOnTheButtonStillOffered) {
    Show(Merit(3));
    HWND next = ::GetDlgItem(dialog, IDC_PS_NEXT_PAGE);
    ::SetFocus(next);
    ASSERT_EQ(next, ::GetFocus());
    for (int page = 1; page < 4; ++page) ::SendMessageA(next, BM_CLICK, 0, 0);
    ASSERT_FALSE(Enabled(dialog, IDC_PS_NEXT_PAGE));
    EXPECT_EQ(::GetDlgItem(dialog, IDC_PS_PREVIOUS_PAGE), ::GetFocus());
}

TEST_F(PlayerScoreTest, NamesAreCutToFourteenBytesAndNullsKeepTheNameAndZeroTheRecords) {
    tagKWP_MERIT_DETAIL merit = Merit(12, 7);
    merit.iTally1 = 9;
    Show(merit, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_TRUE(Render().FindText("ABCDEFGHIJKLMN"));
    Show(merit, "abcdefghijklm\xB5\xD8");  // the two-byte character would end at byte 15
    EXPECT_TRUE(Render().FindText("abcdefghijklm"));
    Score::ShowPS_Dlg(nullptr);
    Score::SetPS_DlgData(nullptr);
    MetafileRecording drawn = Render();
    EXPECT_TRUE(drawn.FindText("abcdefghijklm") && drawn.FindText("Fled 0") && drawn.FindText("T0"));
    EXPECT_TRUE(Drawn().empty());

    CPlayerScoreDlg* object = reinterpret_cast<CPlayerScoreDlg*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    ASSERT_TRUE(object);
    Score::SetPS_DlgData1(nullptr);
    EXPECT_FALSE(object->ContestDataReceived()) << "a null record does not count";
    tagKWP_USER_CONTEST_SCORE_INFO contest;
    memset(&contest, 0x5A, sizeof contest);
    Score::SetPS_DlgData1(&contest);
    EXPECT_TRUE(object->ContestDataReceived());
}

TEST_F(PlayerScoreTest, TheHostsCursorIsShownOrTheCursorLeftAlone) {
    struct CursorHook {
        ~CursorHook() { RXCursorfun(nullptr); }
    } switchOff;
    Show(Merit(1));
    const LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(FALSE, ::SendMessageA(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), hit));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_WAIT), ::GetCursor());
    HICON hostCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    RXCursorfun(&hostCursor);
    EXPECT_EQ(TRUE, ::SendMessageA(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), hit));
    EXPECT_EQ(hostCursor, ::GetCursor());
}
