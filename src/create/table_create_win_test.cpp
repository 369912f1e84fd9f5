// The classic create-table dialog driven as a host drives it: through
// CPartyDlg_DlgInerface, owned by a test window that records 1225 with the
// bytes of its record, with the recording skin and a text table of the test's.
#include "create/table_create_dialog.h"

#include <gtest/gtest.h>

#include <lobbyui/messages.h>

#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/party_dialogs.h>

#include "create/word_filter.h"
#include "fake_direct_sound.h"
#include "host_window.h"
#include "join_table_test_support.h"
#include "res/create_classic_ids.h"
#include "support/platform.h"
#include "support/texts_big5.h"
#include "support/texts_gbk.h"
#include "test_util.h"

namespace {

const UINT kCreate = LOBBYUI_MSG_CREATE_TABLE;
typedef CPartyDlg_DlgInerface Party;
typedef std::vector<unsigned char> Bytes;

std::string TextTable() {
    std::string csv;
    for (int n = 1; n <= 30; ++n) {
        std::string text = "t" + std::to_string(n);
        if (n == 26) text = "Empty name";
        if (n == 27) text = "Clean name";
        csv += std::to_string(n) + "," + text + "\r\n";
    }
    return csv;
}

// Classic values 10, 20, 50 and 100 allowed; 50 the default.
tagKWP_TABLE_SET_DEFAULT Defaults() {
    tagKWP_TABLE_SET_DEFAULT d;
    memset(&d, 0, sizeof d);
    strcpy(d.acTableName, "Server");
    d.uiScoreMask = (1u << 2) | (1u << 3) | (1u << 5) | (1u << 6);
    d.ucScoreIndex = 5;
    d.ucSettingAMin = 1;
    d.ucSettingAMax = 3;
    d.ucSettingADefault = 2;
    d.ucSettingBMin = 4;
    d.ucSettingBMax = 20;
    d.ucSettingBDefault = 8;
    d.ucSpecialCardTypes = 2;
    return d;
}

// The request a show of Defaults() for table 101 starts from, as bytes.
Bytes BaseRequest(unsigned short table) {
    Bytes b(56, 0);
    b[0] = static_cast<unsigned char>(table);
    b[1] = static_cast<unsigned char>(table >> 8);
    b[4] = 0x39;  // game id 12345
    b[5] = 0x30;
    b[36] = 50;
    b[40] = 2;
    b[41] = 8;
    b[42] = 2;
    return b;
}

// A user's click on a box: an automatic check box turns itself over first.
void Press(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Put(Bytes& b, size_t at, const char* text) { memcpy(&b[at], text, strlen(text)); }

uint16_t Traditional() { return 0x0404; }

class ClassicCreateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.loaded());
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", TextTable());
        CBaseDataControl::SetGameID(12345);
        host.Answer(kCreate, [this](WPARAM code, LPARAM record) -> LRESULT {
            const unsigned char* p = reinterpret_cast<const unsigned char*>(record);
            records.push_back(p ? Bytes(p, p + (code == 34 ? 56 : 4)) : Bytes());
            return 0;
        });
        Party::CreateCTDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_TC_CREATE);
        ASSERT_TRUE(dialog);
        defaults = Defaults();
    }
    void TearDown() override {
        Party::DestroyCTDlg();
        Party::SetIfPartyBtnLock(0);
        CBaseDataControl::SetGameID(0);
        UnbindWordFilter();
    }

    void Show(unsigned short table) { Party::ShowCTDlg(&defaults, table); }
    void Type(int id, const char* text) { ::SetDlgItemTextA(dialog, id, text); }
    std::string Text(int id) const {
        char text[64] = {0};
        ::GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    bool Checked(int id) const { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    // The one message the host received, with its record; fails on any other count.
    std::pair<WPARAM, Bytes> Only() const {
        EXPECT_EQ(1u, host.received().size());
        if (host.received().empty() || records.empty()) return std::make_pair(static_cast<WPARAM>(-1), Bytes());
        return std::make_pair(host.received().back().wParam, records.back());
    }
    void Clear() {
        host.Clear();
        records.clear();
    }

    ScratchDirectory scratch;
    RecordingSkin skin;
    HostWindow host{100, 50, 800, 600};
    HWND dialog = nullptr;
    tagKWP_TABLE_SET_DEFAULT defaults;
    std::vector<Bytes> records;
};

}  // namespace

TEST(ClassicCreateWithoutDialogTest, CallsDoNothingAndGettersAnswer0BeforeCreateAndAfterDestroy) {
    HostWindow host;
    tagKWP_TABLE_SET_DEFAULT defaults = Defaults();
    for (int round = 0; round < 2; ++round) {
        Party::ShowCTDlg(&defaults, 101);
        Party::HideCTDlg();
        Party::CTDlgSetIfRefreshDefault(0);
        Party::SetIfLockCTDlg(7);
        Party::SetCTReqNum(9);
        Party::SetSpecialCTDlg(3);
        Party::CTDlgSetYuCoinUse(false);
        Party::SetLobbyYuCoinUse(false);
        Party::DestroyCTDlg();
        EXPECT_EQ(0, Party::GetIfLockCTDlg());
        EXPECT_EQ(0, Party::GetCTReqNum());
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        EXPECT_TRUE(host.received().empty());

        Party::CreateCTDlg(host.wnd());
        Party::CreateCTDlg(nullptr);  // a second Create keeps the first parent
        HWND dialog = FindOwnedDialog(host.hwnd(), IDC_TC_CREATE);
        ASSERT_TRUE(dialog);
        Party::SetIfLockCTDlg(7);
        Party::SetCTReqNum(900);
        EXPECT_EQ(7, Party::GetIfLockCTDlg());
        EXPECT_EQ(900, Party::GetCTReqNum());
        Party::ShowCTDlg(nullptr, 101);
        EXPECT_FALSE(::IsWindowVisible(dialog));
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        Party::DestroyCTDlg();
        EXPECT_FALSE(::IsWindow(dialog));
    }
    Party::SetLobbyYuCoinUse(true);
}

TEST_F(ClassicCreateTest, CreateSkinsTheDialogFillsTheCoinGapListAndDestroyClosesItsGroups) {
    std::vector<SkinFixtureCall> applied = skin.CallsOf(kSkinApplyWindowSkin);
    ASSERT_EQ(1u, applied.size());
    EXPECT_EQ(dialog, applied[0].window);
    EXPECT_STREQ("CreateTable", applied[0].name);
    std::vector<SkinFixtureCall> opened = skin.CallsOf(kSkinOpenImageGroup);
    ASSERT_EQ(4u, opened.size());
    const char* groups[4] = {"Table_Num", "SetNum", "TCSpecRule", "CTDLG_CoinName"};
    for (size_t i = 0; i < 4; ++i) EXPECT_STREQ(groups[i], opened[i].name);
    EXPECT_FALSE(::IsWindowVisible(dialog));

    HWND gold = ::GetDlgItem(dialog, IDC_TC_GOLD_GAP);
    ASSERT_EQ(5, ::SendMessageA(gold, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < 5; ++i) {
        char text[16] = {0};
        ::SendMessageA(gold, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::to_string(1000 * (i + 1)), text);
    }
    EXPECT_FALSE(Enabled(dialog, IDC_TC_SPECIAL_RULE));

    // The limits' labels are the template's own texts.
    std::vector<std::string> labels;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char text[64] = {0};
        if (::GetDlgCtrlID(child) == 0xFFFF || ::GetDlgCtrlID(child) == -1) {
            ::GetWindowTextA(child, text, sizeof text);
            labels.push_back(text);
        }
    }
    EXPECT_EQ((std::vector<std::string>{kGbkDisconnectLimitBefore, kGbkDisconnectLimitAfter, kGbkGoldGapLimitBefore,
                                        kGbkGoldGapLimitAfter, kGbkLevelGapLimitBefore, kGbkLevelGapLimitAfter}),
              labels);

    Party::DestroyCTDlg();
    std::vector<SkinFixtureCall> closed = skin.CallsOf(kSkinCloseImageGroup);
    ASSERT_EQ(4u, closed.size());
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(opened[i].group, closed[i].group) << i;
}

TEST_F(ClassicCreateTest, ShowPlacesEveryControlCentresOnTheOwnerAndRaisesTheLock) {
    defaults.ucSpecialCardTypesEnabled = 5;
    defaults.ucSpecialRuleOn = 3;
    Show(100);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
    RECT client, window, owner;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(CRect(0, 0, 230, 425), CWnd::FromRECT(client));
    ::GetWindowRect(dialog, &window);
    ::GetWindowRect(host.hwnd(), &owner);
    EXPECT_EQ(owner.left + ((owner.right - owner.left) - (window.right - window.left)) / 2, window.left);
    EXPECT_EQ(owner.top + ((owner.bottom - owner.top) - (window.bottom - window.top)) / 2, window.top);

    const struct {
        int id;
        CRect rect;
    } places[] = {
        {IDC_TC_NAME, CRect(95, 35, 220, 57)},          {IDC_TC_PASSWORD_ON, CRect(95, 65, 120, 83)},
        {IDC_TC_PASSWORD, CRect(120, 65, 219, 87)},     {IDC_TC_SCORE_DOWN, CRect(80, 98, 104, 127)},
        {IDC_TC_SCORE_UP, CRect(166, 98, 190, 127)},    {IDC_TC_SETTING_A_DOWN, CRect(80, 128, 104, 157)},
        {IDC_TC_SETTING_A_UP, CRect(166, 128, 190, 157)}, {IDC_TC_SETTING_B_DOWN, CRect(80, 158, 104, 187)},
        {IDC_TC_SETTING_B_UP, CRect(166, 158, 190, 187)}, {IDC_TC_CARD_TYPE_0, CRect(35, 211, 60, 229)},
        {IDC_TC_CARD_TYPE_1, CRect(35, 229, 60, 247)},  {IDC_TC_CARD_TYPE_2, CRect(35, 247, 60, 265)},
        {IDC_TC_DISCONNECT, CRect(105, 265, 130, 283)}, {IDC_TC_GOLD_GAP, CRect(105, 275, 160, 293)},
        {IDC_TC_LEVEL_GAP, CRect(105, 295, 130, 313)},
        {IDC_TC_SPECIAL_RULE, CRect(110, 355, 135, 373)}, {IDC_TC_CREATE, CRect(20, 390, 102, 418)},
        {IDC_TC_CANCEL, CRect(125, 390, 207, 418)},
    };
    for (const auto& place : places) {
        EXPECT_EQ(place.rect, CWnd::FromRECT(ControlRect(dialog, place.id))) << place.id;
        EXPECT_TRUE(Visible(dialog, place.id)) << place.id;
    }
    // The closed coin-gap list fills its place; dropped down it shows all five gaps.
    RECT dropped = {0, 0, 0, 0};
    ::SendDlgItemMessageA(dialog, IDC_TC_GOLD_GAP, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const LRESULT item = ::SendDlgItemMessageA(dialog, IDC_TC_GOLD_GAP, CB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(dropped.bottom - dropped.top, 18 + 5 * item);

    EXPECT_FALSE(Enabled(dialog, IDC_TC_PASSWORD_ON) || Enabled(dialog, IDC_TC_PASSWORD));
    EXPECT_EQ(kGbkNoPasswordUnder100, Text(IDC_TC_PASSWORD));
    EXPECT_TRUE(Checked(IDC_TC_SPECIAL_RULE));
    EXPECT_TRUE(!Checked(IDC_TC_CARD_TYPE_0) && Checked(IDC_TC_CARD_TYPE_1) && !Checked(IDC_TC_CARD_TYPE_2));
    EXPECT_TRUE(Enabled(dialog, IDC_TC_CARD_TYPE_0) && !Enabled(dialog, IDC_TC_CARD_TYPE_1) &&
                Enabled(dialog, IDC_TC_CARD_TYPE_2));

    Show(101);
    EXPECT_EQ(CRect(105, 275, 160, 293), CWnd::FromRECT(ControlRect(dialog, IDC_TC_GOLD_GAP))) << "a second show";
    EXPECT_TRUE(Enabled(dialog, IDC_TC_PASSWORD_ON) && !Enabled(dialog, IDC_TC_PASSWORD));
    EXPECT_EQ("", Text(IDC_TC_PASSWORD));
    Press(dialog, IDC_TC_PASSWORD_ON);
    EXPECT_TRUE(Enabled(dialog, IDC_TC_PASSWORD));
    Press(dialog, IDC_TC_PASSWORD_ON);
    EXPECT_FALSE(Enabled(dialog, IDC_TC_PASSWORD));

    // On a traditional-Chinese system the refusal is the Big5 sentence.
    LanguageIdSource previous = SetLanguageIdSource(&Traditional);
    Show(3);
    SetLanguageIdSource(previous);
    EXPECT_EQ(kBig5NoPasswordUnder100, Text(IDC_TC_PASSWORD));
}

TEST_F(ClassicCreateTest, CreateSendsEveryByteOfTheRequestAndHides) {
    Show(101);
    Type(IDC_TC_NAME, "Table%dX");
    Press(dialog, IDC_TC_PASSWORD_ON);
    Type(IDC_TC_PASSWORD, "pw12");
    Click(dialog, IDC_TC_SCORE_UP);       // 100
    Click(dialog, IDC_TC_SETTING_A_DOWN); // 1
    Click(dialog, IDC_TC_SETTING_B_UP);   // 12
    Click(dialog, IDC_TC_CARD_TYPE_0);    // on
    Click(dialog, IDC_TC_CARD_TYPE_1);    // off
    Type(IDC_TC_DISCONNECT, "35");
    ::SendDlgItemMessageA(dialog, IDC_TC_GOLD_GAP, CB_SETCURSEL, 1, 0);
    Type(IDC_TC_LEVEL_GAP, "abc");
    Click(dialog, IDC_TC_CREATE);

    Bytes expected = BaseRequest(101);
    Put(expected, 8, "Table%dX");
    Put(expected, 25, "pw12");
    expected[34] = 1;
    expected[36] = 100;
    expected[40] = 1;
    expected[41] = 12;
    expected[42] = 1;
    expected[44] = 35;
    expected[48] = 0xD0;  // 2000
    expected[49] = 0x07;
    std::pair<WPARAM, Bytes> sent = Only();
    EXPECT_EQ(34u, sent.first);
    EXPECT_EQ(expected, sent.second);
    EXPECT_EQ(host.hwnd(), ::GetParent(dialog));
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());

    // The next show offers the name just sent; the limits keep what they held.
    Clear();
    Show(100);
    EXPECT_EQ("Table%dX", Text(IDC_TC_NAME));
    EXPECT_EQ("35", Text(IDC_TC_DISCONNECT));
    EXPECT_EQ("2000", Text(IDC_TC_GOLD_GAP));
    // Table 100 refuses a password even when the box is forced on.
    ::CheckDlgButton(dialog, IDC_TC_PASSWORD_ON, BST_CHECKED);
    Type(IDC_TC_PASSWORD, "");
    Type(IDC_TC_LEVEL_GAP, "7");
    ::SendDlgItemMessageA(dialog, IDC_TC_GOLD_GAP, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Click(dialog, IDC_TC_CREATE);
    expected = BaseRequest(100);
    Put(expected, 8, "Table%dX");
    expected[44] = 35;
    expected[52] = 7;
    EXPECT_EQ(expected, Only().second) << "an empty password is no password";

    // Enter in the name box presses create, the default button.
    Clear();
    Show(100);
    MSG enter = {::GetDlgItem(dialog, IDC_TC_NAME), WM_KEYDOWN, VK_RETURN, 1, 0, {0, 0}};
    ::SetFocus(enter.hwnd);
    EXPECT_TRUE(::IsDialogMessageA(dialog, &enter));
    EXPECT_EQ(34u, Only().first);
}

// A host may keep the request's pointer (post it to itself, say) and read
// it until the dialog is next shown, even once it has destroyed the dialog.
TEST_F(ClassicCreateTest, TheRequestSentStaysReadableUntilTheNextShow) {
    const unsigned char* kept = nullptr;
    host.Answer(kCreate, [&kept](WPARAM code, LPARAM record) -> LRESULT {
        if (code == 34) kept = reinterpret_cast<const unsigned char*>(record);
        return 0;
    });
    Show(101);
    Type(IDC_TC_NAME, "Kept");
    Click(dialog, IDC_TC_CREATE);
    ASSERT_TRUE(kept);
    Party::HideCTDlg();
    Party::DestroyCTDlg();
    Bytes expected = BaseRequest(101);
    Put(expected, 8, "Kept");
    EXPECT_EQ(expected, Bytes(kept, kept + 56));
}

TEST_F(ClassicCreateTest, APasswordIsCutOnACharacterAndATableUpTo100SendsNoneWhateverItsBoxShows) {
    Show(101);
    Press(dialog, IDC_TC_PASSWORD_ON);
    Type(IDC_TC_PASSWORD, "a\xB2\xE2\xCA\xD4\xC3\xDC\xC2\xEB");  // a测试密码, nine bytes
    Click(dialog, IDC_TC_CREATE);
    Bytes expected = BaseRequest(101);
    Put(expected, 8, "Empty name");
    Put(expected, 25, "a\xB2\xE2\xCA\xD4\xC3\xDC");
    expected[34] = 1;
    EXPECT_EQ(expected, Only().second);

    // Table 100 with its box forced on: the refusal sentence is no password.
    Clear();
    Show(100);
    ::CheckDlgButton(dialog, IDC_TC_PASSWORD_ON, BST_CHECKED);
    ASSERT_EQ(kGbkNoPasswordUnder100, Text(IDC_TC_PASSWORD));
    Click(dialog, IDC_TC_CREATE);
    expected = BaseRequest(100);
    Put(expected, 8, "Empty name");
    EXPECT_EQ(expected, Only().second);
}

TEST_F(ClassicCreateTest, EmptyAndFilteredNamesAreReplacedByTheirTexts) {
    CWordFilterBinding filter((ProgramDirectory() + "\\VaduveRed.dll").c_str());
    ASSERT_TRUE(filter.GetModule());
    const struct {
        const char* typed;
        const char* sent;
    } cases[] = {
        {"", "Empty name"},
        {"big shit table", "Clean name"},
        {"100% fun", "100% fun"},
        // Longer than the field: cut to 16 bytes, never inside a character.
        {"abcdefghijklmno\xB5\xC8\xBC\xB6", "abcdefghijklmno"},
    };
    for (const auto& c : cases) {
        Clear();
        Show(150);
        Type(IDC_TC_NAME, c.typed);
        Click(dialog, IDC_TC_CREATE);
        Bytes expected = BaseRequest(150);
        Put(expected, 8, c.sent);
        EXPECT_EQ(expected, Only().second) << c.typed;
    }

    // Without the text table the replacement is an empty name, not leftovers.
    ::DeleteFileA("STCSV\\PlayerScore_Sim.csv");
    Clear();
    Show(150);
    Type(IDC_TC_NAME, "");
    Click(dialog, IDC_TC_CREATE);
    EXPECT_EQ(BaseRequest(150), Only().second);
}

TEST_F(ClassicCreateTest, WithNoScoreAllowedTheDialogSendsAndPaintsScore0) {
    // A server's default index of 0 names the value 0; nothing is allowed all the same.
    defaults.uiScoreMask = 0;
    defaults.ucScoreIndex = 0;
    Show(120);
    Click(dialog, IDC_TC_SCORE_UP);
    Click(dialog, IDC_TC_SCORE_DOWN);
    Click(dialog, IDC_TC_CREATE);  // before any paint
    Bytes expected = BaseRequest(120);
    expected[36] = 0;
    Put(expected, 8, "Empty name");
    EXPECT_EQ(expected, Only().second);

    Show(120);
    skin.Reset();
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(TestCanvas(230, 425).dc()), PRF_CLIENT);
    std::vector<SkinFixtureCall> drawn = skin.CallsOf(kSkinDrawImage);
    ASSERT_EQ(13u, drawn.size());
    for (size_t i = 3; i < 7; ++i) EXPECT_STREQ("TableNum0", drawn[i].name) << i;
}

TEST_F(ClassicCreateTest, WithoutRefreshAShowKeepsTheConfirmedDefaultsAndScorePosition) {
    Show(101);
    Click(dialog, IDC_TC_SCORE_UP);      // 100, position 3
    Click(dialog, IDC_TC_SETTING_B_UP);  // 12
    Click(dialog, IDC_TC_CARD_TYPE_2);   // 2 | 4
    Type(IDC_TC_NAME, "first");
    Click(dialog, IDC_TC_CREATE);

    Party::CTDlgSetIfRefreshDefault(0);
    tagKWP_TABLE_SET_DEFAULT other = Defaults();
    strcpy(other.acTableName, "Other");
    other.uiScoreMask = 1;
    other.ucSettingBDefault = 16;
    other.ucSpecialCardTypes = 0;
    Party::ShowCTDlg(&other, 102);
    EXPECT_TRUE(Checked(IDC_TC_CARD_TYPE_1) && Checked(IDC_TC_CARD_TYPE_2));
    EXPECT_EQ("first", Text(IDC_TC_NAME));
    Clear();
    Click(dialog, IDC_TC_CREATE);
    Bytes expected = BaseRequest(102);
    Put(expected, 8, "first");
    expected[36] = 100;
    expected[41] = 12;
    expected[42] = 6;
    EXPECT_EQ(expected, Only().second);

    // A show that ends without creating leaves its record's name for the next.
    Party::ShowCTDlg(&other, 102);
    Party::HideCTDlg();
    Party::ShowCTDlg(&other, 102);
    EXPECT_EQ("Other", Text(IDC_TC_NAME));
}

TEST_F(ClassicCreateTest, EveryWayOutWithoutCreatingSends37OnceAndAHiddenDialogNothing) {
    const struct {
        const char* name;
        void (*close)(HWND);
    } paths[] = {
        {"cancel button", [](HWND d) { Click(d, IDC_TC_CANCEL); }},
        {"close box", [](HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Enter", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDOK, 0); }},
        {"Escape", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }},
        {"HideCTDlg", [](HWND) { Party::HideCTDlg(); }},
        {"time-out", [](HWND d) {
             for (int tick = 0; tick < 180; ++tick) ::SendMessageA(d, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
         }},
    };
    for (const auto& path : paths) {
        Show(101);
        Clear();
        path.close(dialog);
        std::pair<WPARAM, Bytes> sent = Only();
        EXPECT_EQ(37u, sent.first) << path.name;
        EXPECT_EQ(Bytes(4, 0), sent.second) << path.name;
        EXPECT_FALSE(::IsWindowVisible(dialog)) << path.name;
        EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << path.name;

        Clear();
        for (const auto& again : paths) again.close(dialog);
        for (int tick = 0; tick < 200; ++tick) ::SendMessageA(dialog, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
        EXPECT_TRUE(host.received().empty()) << "hidden after " << path.name;
    }

    // The 180th tick after a show closes; a new show starts the count again,
    // and another timer's ticks do not count.
    Show(101);
    for (int tick = 0; tick < 100; ++tick) ::SendMessageA(dialog, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
    for (int tick = 0; tick < 200; ++tick) ::SendMessageA(dialog, WM_TIMER, CTableCreate::kTimeoutTimer + 1, 0);
    EXPECT_TRUE(host.received().empty());
    Show(101);
    for (int tick = 1; tick < 180; ++tick) ::SendMessageA(dialog, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_TRUE(host.received().empty());
    ::SendMessageA(dialog, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
    EXPECT_EQ(37u, Only().first);
}

TEST_F(ClassicCreateTest, StepButtonsClickWhenTheyStepAndSoundTheRefusalAtTheirBounds) {
    const int first = 40;
    const std::vector<int> click = {first + 9}, refused = {first + 15}, silence;
    FakeHostSound sound(first);
    defaults.ucScoreIndex = 2;   // the first allowed value
    defaults.ucSettingADefault = 3;
    defaults.ucSettingBDefault = 4;
    Show(101);
    EXPECT_EQ(silence, sound.TakePlayed());

    const struct {
        int id;
        const std::vector<int>& sound;
    } presses[] = {
        {IDC_TC_SCORE_DOWN, refused},     {IDC_TC_SETTING_A_UP, refused}, {IDC_TC_SETTING_B_DOWN, refused},
        {IDC_TC_SCORE_UP, click},         {IDC_TC_SCORE_UP, click},       {IDC_TC_SCORE_UP, click},
        {IDC_TC_SCORE_UP, refused},       {IDC_TC_SETTING_A_DOWN, click}, {IDC_TC_SETTING_B_UP, click},
        {IDC_TC_CARD_TYPE_0, click},      {IDC_TC_SPECIAL_RULE, click},   {IDC_TC_PASSWORD_ON, click},
    };
    for (const auto& press : presses) {
        Click(dialog, press.id);
        EXPECT_EQ(press.sound, sound.TakePlayed()) << press.id;
    }
    Click(dialog, IDC_TC_CREATE);
    EXPECT_EQ(click, sound.TakePlayed());
    Bytes expected = BaseRequest(101);
    Put(expected, 8, "Empty name");
    expected[36] = 100;
    expected[40] = 2;
    expected[41] = 8;
    expected[42] = 3;
    EXPECT_EQ(expected, Only().second) << "a refused step changes nothing";

    Show(101);
    Click(dialog, IDC_TC_CANCEL);
    EXPECT_EQ(click, sound.TakePlayed());
    Show(101);
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Show(101);
    Party::HideCTDlg();
    EXPECT_EQ(silence, sound.TakePlayed()) << "Escape and HideCTDlg";
}

TEST_F(ClassicCreateTest, PaintDrawsTableScoreCoinSettingsAndRuleThroughTheSkin) {
    defaults.ucSettingADefault = 3;
    defaults.ucSettingBDefault = 16;
    Show(7);
    const struct {
        const char* group;
        const char* image;
        CRect rect;
    } images[] = {
        {"Table_Num", "TableNum0", CRect(78, 0, 97, 27)},     {"Table_Num", "TableNum0", CRect(98, 0, 117, 27)},
        {"Table_Num", "TableNum7", CRect(118, 0, 137, 27)},   {"SetNum", "TableNum0", CRect(110, 104, 123, 119)},
        {"SetNum", "TableNum0", CRect(123, 104, 136, 119)},   {"SetNum", "TableNum5", CRect(136, 104, 149, 119)},
        {"SetNum", "TableNum0", CRect(149, 104, 162, 119)},   {"CTDLG_CoinName", "Yu_Coin", CRect(192, 102, 210, 121)},
        {"SetNum", "TableNum0", CRect(123, 135, 136, 150)},   {"SetNum", "TableNum3", CRect(136, 135, 149, 150)},
        {"SetNum", "TableNum1", CRect(123, 166, 136, 181)},   {"SetNum", "TableNum6", CRect(136, 166, 149, 181)},
        {"TCSpecRule", "Pic1", CRect(75, 358, 221, 376)},
    };
    std::vector<SkinFixtureCall> opened = skin.CallsOf(kSkinOpenImageGroup);
    auto groupName = [&](HANDLE group) -> std::string {
        for (const SkinFixtureCall& c : opened) {
            if (c.group == group) return c.name;
        }
        return "?";
    };
    skin.Reset();
    TestCanvas canvas(230, 425);
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    std::vector<SkinFixtureCall> drawn = skin.CallsOf(kSkinDrawImage);
    ASSERT_EQ(sizeof images / sizeof images[0], drawn.size());
    for (size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(images[i].group, groupName(drawn[i].group)) << i;
        EXPECT_STREQ(images[i].image, drawn[i].name) << i;
        EXPECT_EQ(images[i].rect, CWnd::FromRECT(drawn[i].rect)) << i;
        EXPECT_EQ(canvas.dc(), drawn[i].dc) << i;
    }

    // The coin follows the host's choice, also when made for the whole lobby.
    Party::SetLobbyYuCoinUse(false);
    skin.Reset();
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_STREQ("Game_Coin", skin.CallsOf(kSkinDrawImage)[7].name);
    Party::SetLobbyYuCoinUse(true);

    // A real paint validates the window and draws the same.
    ::InvalidateRect(dialog, nullptr, TRUE);
    skin.Reset();
    ::UpdateWindow(dialog);
    EXPECT_EQ(13u, skin.CallsOf(kSkinDrawImage).size());
    EXPECT_FALSE(::GetUpdateRect(dialog, nullptr, FALSE));
}

TEST_F(ClassicCreateTest, AHostMayDestroyTheDialogWhileHandlingItsMessages) {
    host.Answer(kCreate, [](WPARAM, LPARAM) -> LRESULT {
        Party::DestroyCTDlg();
        return 0;
    });
    const struct {
        const char* name;
        void (*close)(HWND);
    } paths[] = {
        {"create", [](HWND d) { Click(d, IDC_TC_CREATE); }},
        {"cancel", [](HWND d) { Click(d, IDC_TC_CANCEL); }},
        {"close box", [](HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"time-out", [](HWND d) {
             for (int tick = 0; tick < 180; ++tick) ::SendMessageA(d, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
         }},
    };
    for (const auto& path : paths) {
        Party::CreateCTDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_TC_CREATE);
        ASSERT_TRUE(dialog) << path.name;
        Show(101);
        path.close(dialog);
        EXPECT_FALSE(::IsWindow(dialog)) << path.name;
        EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << path.name;
        EXPECT_EQ(0, Party::GetCTReqNum()) << path.name;
    }
}
