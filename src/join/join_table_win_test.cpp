// The join-table dialog and its find-partner panel driven as a host drives
// them: through CPartyDlg_DlgInerface, with a test window as parent that
// records 1226 to 1228, the recording skin and a text table of the test's.
#include "join/join_table_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <lobbyui/frame.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "fake_direct_sound.h"
#include "host_window.h"
#include "join_table_test_support.h"
#include "metafile_recorder.h"
#include "res/join_ids.h"
#include "room_test_records.h"
#include "support/texts_gbk.h"

namespace {

typedef CPartyDlg_DlgInerface Party;

tagKWP_PLAYER_LIST_DATA_EXTRA Player(unsigned int id, const char* name, int beans, int score, unsigned char level) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p = MakePlayer(id, name);
    p.iBeans = beans;
    p.iScore = score;
    p.ucLevel = level;
    CPT_MapInerface::AddNewPlayerToMap(&p);
    return p;
}

class JoinTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.loaded());
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", JoinTestTextTable());
        host.CaptureRecord(LOBBYUI_MSG_PASSWORD, 64);
        Party::CreateJTDlg(host.wnd());
        Party::CreatePWDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_JT_JOIN);
        password = FindOwnedDialog(host.hwnd(), IDC_PW_EDIT);
        panel = FindOwnedDialog(dialog, IDC_JTE_TABLE_NUM);
        ASSERT_TRUE(dialog && password && panel);
        memset(&defaults, 0, sizeof defaults);
        defaults.ucSettingBMin = 4;
        defaults.ucSettingBMax = 20;
        defaults.ucSettingAMin = 1;
        defaults.ucSettingAMax = 3;
        defaults.uiScoreMask = 15;
    }
    void TearDown() override {
        Party::DestroyJTDlg();
        Party::DestroyPWDlg();
        Party::SetIfPartyBtnLock(0);
        Party::SetMultiplelmt(0);
        Party::SetInputOk(false);
        Party::SetJNScoreLooby(true);
        CPT_MapInerface::RemoveAllPlayerFromMap();
        CPT_MapInerface::SetTableArrayIsEmpty();
        CPT_MapInerface::SetTableBufEmpty();
    }

    void Show(eJTDLG_ACTIVE_TYPE type, tagKWP_TABLE_LIST_DATA table) { Party::ShowJTDlg(type, &table); }
    CRect Ctl(HWND d, int id) const { return CWnd::FromRECT(ControlRect(d, id)); }
    std::vector<std::pair<UINT, WPARAM>> Sent() const {
        std::vector<std::pair<UINT, WPARAM>> out;
        for (const ReceivedMessage& m : host.received()) out.push_back(std::make_pair(m.msg, m.wParam));
        return out;
    }
    void SetPanelText(int id, const char* text) { ::SetWindowTextA(::GetDlgItem(panel, id), text); }
    void Choose(int id, int entry) { ::SendMessageA(::GetDlgItem(panel, id), CB_SETCURSEL, static_cast<WPARAM>(entry), 0); }

    ScratchDirectory scratch;
    RecordingSkin skin;
    HostWindow host{100, 50, 800, 600};
    HWND dialog = nullptr;
    HWND password = nullptr;
    HWND panel = nullptr;
    tagKWP_TABLE_SET_DEFAULT defaults;
};

typedef std::vector<std::pair<UINT, WPARAM>> Messages;

}  // namespace

TEST(JoinTableWithoutDialogTest, CallsBeforeCreateDoNothingAndFlagsWorkAlone) {
    tagKWP_TABLE_LIST_DATA table = MakeTable(7, 101);
    tagKWP_TABLE_SET_DEFAULT defaults = {};
    Party::ShowJTDlg(JTAT_JOIN, &table);
    Party::ShowJTDlg(JTAT_JOIN, nullptr);
    Party::SetJTFocusTable(nullptr);
    Party::SetJTActType(JTAT_JOIN);
    Party::SetJTBtnStatus(1, 1, 1);
    Party::SetExpandInit(&defaults);
    Party::HideJTDlg();
    Party::DestroyJTDlg();
    Party::ShowPWDlg(7);
    Party::HidePWDlg();
    Party::DestroyPWDlg();
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "no dialog was shown";
    EXPECT_EQ(JTAT_NONE, Party::GetJTActType());
    EXPECT_EQ(0, Party::GetJTFocusTableIndx());
    Party::SetInputOk(true);
    EXPECT_TRUE(Party::GetInputOk());
    Party::SetInputOk(false);
    EXPECT_FALSE(Party::GetInputOk());
}

TEST(JoinDialogsWithoutWindowsTest, AfterTheirParentWentTheyShowNothingHoldNoLockAndRepaintNothing) {
    HostWindow live(0, 0, 300, 200);
    ::ShowWindow(live.hwnd(), SW_SHOWNOACTIVATE);
    std::unique_ptr<HostWindow> gone(new HostWindow);
    Party::CreateJTDlg(gone->wnd());
    Party::CreatePWDlg(gone->wnd());
    gone.reset();  // the dialogs' windows go with the window that owns them
    ::UpdateWindow(live.hwnd());
    ::SetFocus(live.hwnd());

    tagKWP_TABLE_LIST_DATA table = MakeTable(7, 101);
    tagKWP_TABLE_SET_DEFAULT defaults = {};
    Party::ShowJTDlg(JTAT_JOIN, &table);
    Party::SetJTActType(JTAT_MESSAGE);
    Party::SetJTBtnStatus(1, 1, 1);
    Party::SetJTFocusTable(&table);
    Party::SetExpandInit(&defaults);
    Party::ShowPWDlg(7);
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_EQ(0, Party::GetJTFocusTableIndx());
    EXPECT_EQ(live.hwnd(), ::GetFocus());
    EXPECT_FALSE(::GetUpdateRect(live.hwnd(), nullptr, FALSE)) << "no other window is repainted";
    Party::HideJTDlg();
    Party::HidePWDlg();
    Party::DestroyJTDlg();
    Party::DestroyPWDlg();

    Party::CreateJTDlg(live.wnd());
    Party::ShowJTDlg(JTAT_JOIN, &table);
    EXPECT_TRUE(::IsWindowVisible(FindOwnedDialog(live.hwnd(), IDC_JT_JOIN))) << "a new dialog after the destroy works";
    Party::DestroyJTDlg();
    Party::SetIfPartyBtnLock(0);
}

TEST_F(JoinTableTest, AHostMayDestroyTheDialogsWhileHandlingTheirMessages) {
    host.Answer(LOBBYUI_MSG_JOIN_TABLE, [](WPARAM, LPARAM) -> LRESULT {
        Party::DestroyJTDlg();
        return 0;
    });
    host.Answer(LOBBYUI_MSG_PASSWORD, [](WPARAM, LPARAM) -> LRESULT {
        Party::DestroyPWDlg();
        return 0;
    });
    const struct {
        const char* name;
        void (*close)(HWND);
    } paths[] = {
        {"join", [](HWND d) { Click(d, IDC_JT_JOIN); }},
        {"close button", [](HWND d) { Click(d, IDC_JT_CLOSE); }},
        {"Escape", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }},
        {"system close", [](HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& path : paths) {
        Party::CreateJTDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_JT_JOIN);
        ASSERT_TRUE(dialog) << path.name;
        Show(JTAT_JOIN, MakeTable(7, 101));
        path.close(dialog);
        EXPECT_FALSE(::IsWindow(dialog)) << path.name;
        EXPECT_EQ(JTAT_NONE, Party::GetJTActType()) << path.name;
        EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << path.name;
    }

    Party::ShowPWDlg(5);
    ::SetWindowTextA(::GetDlgItem(password, IDC_PW_EDIT), "pw");
    Click(password, IDC_PW_OK);
    EXPECT_FALSE(::IsWindow(password));
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    ASSERT_EQ(1u, host.ReceivedOf(LOBBYUI_MSG_PASSWORD).size());
    EXPECT_EQ(5u, host.ReceivedOf(LOBBYUI_MSG_PASSWORD)[0].wParam);
}

TEST_F(JoinTableTest, CreateSkinsTheDialogsOpensTheGroupsAndDestroyClosesThem) {
    std::vector<SkinFixtureCall> applied = skin.CallsOf(kSkinApplyWindowSkin);
    ASSERT_EQ(2u, applied.size());
    EXPECT_EQ(dialog, applied[0].window);
    EXPECT_STREQ("FindPartner", applied[0].name);
    EXPECT_EQ(password, applied[1].window);
    EXPECT_STREQ("PasswordInput", applied[1].name);
    std::vector<SkinFixtureCall> opened = skin.CallsOf(kSkinOpenImageGroup);
    ASSERT_EQ(4u, opened.size());
    const char* groups[4] = {"FindPartnerPic", "FPDLG_CoinName", "SpecialRulePic", "JoinScore"};
    for (size_t i = 0; i < 4; ++i) EXPECT_STREQ(groups[i], opened[i].name);
    EXPECT_FALSE(::IsWindowVisible(dialog) || ::IsWindowVisible(panel));

    Party::DestroyJTDlg();
    EXPECT_FALSE(::IsWindow(dialog) || ::IsWindow(panel));
    std::vector<SkinFixtureCall> closed = skin.CallsOf(kSkinCloseImageGroup);
    ASSERT_EQ(4u, closed.size());
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(opened[i].group, closed[i].group) << i;
}

TEST_F(JoinTableTest, JoinOpenTableSendsJoinWithTheNumberHidesAndDropsTheLock) {
    Show(JTAT_JOIN, MakeTable(7, 101));
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
    EXPECT_EQ(7, Party::GetJTFocusTableIndx());
    EXPECT_EQ(JTAT_JOIN, Party::GetJTActType());

    Click(dialog, IDC_JT_JOIN);
    ASSERT_EQ(Messages({{LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_JOIN}}), Sent());
    EXPECT_EQ(7, host.received()[0].lParam);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_EQ(0, Party::GetJTFocusTableIndx());
}

TEST_F(JoinTableTest, JoinLockedTableOpensPasswordDialogAndSendsNothingThenThePasswordGoesOut) {
    tagKWP_TABLE_LIST_DATA locked = MakeTable(42, 101);
    locked.bHavePassword = 1;
    Show(JTAT_JOIN, locked);
    Click(dialog, IDC_JT_JOIN);
    EXPECT_TRUE(host.received().empty());
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_TRUE(::IsWindowVisible(password));
    EXPECT_EQ(1, Party::GetIfPartyBtnLock()) << "the password dialog holds the lock";

    ::SetWindowTextA(::GetDlgItem(password, IDC_PW_EDIT), "s3cret");
    Click(password, IDC_PW_OK);
    ASSERT_EQ(Messages({{LOBBYUI_MSG_PASSWORD, 42}}), Sent());
    std::vector<unsigned char> expected(64, 0);
    memcpy(expected.data(), "s3cret", 6);
    EXPECT_EQ(expected, host.received()[0].record);
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
}

// The host answers a join with the message view (the table filled up in
// the meantime): the keyboard must not come back to the join button that
// view hides, where a second Space would join again.
TEST_F(JoinTableTest, AViewShownFromInsideTheJoinReportTakesTheKeyboardOnlyOnWhatItOffers) {
    Show(JTAT_JOIN, MakeTable(7, 101));
    HWND join = ::GetDlgItem(dialog, IDC_JT_JOIN);
    ::SetFocus(join);
    ASSERT_EQ(join, ::GetFocus());
    host.Answer(LOBBYUI_MSG_JOIN_TABLE, [&](WPARAM code, LPARAM) -> LRESULT {
        if (code == LOBBYUI_JOIN_TABLE_JOIN) Show(JTAT_MESSAGE, MakeTable(7, 101));
        return 0;
    });
    Click(dialog, IDC_JT_JOIN);
    ASSERT_TRUE(::IsWindowVisible(dialog));
    ASSERT_FALSE(::IsWindowVisible(join));
    EXPECT_EQ(::GetDlgItem(dialog, IDC_JT_CLOSE), ::GetFocus());
}

TEST_F(JoinTableTest, OnlyJoinCloseAndTheSearchButtonsClickOncePerPress) {
    const int first = 40;
    const std::vector<int> click = {first + 9}, silence;
    FakeHostSound sound(first);
    Party::SetExpandInit(&defaults);
    Show(JTAT_JOIN, MakeTable(7, 101));
    Party::SetJTBtnStatus(1, 1, 1);
    EXPECT_EQ(silence, sound.TakePlayed()) << "the host's calls";

    Click(dialog, IDC_JT_SEARCH1);  // panel in: the host searches
    EXPECT_EQ(click, sound.TakePlayed());
    Click(dialog, IDC_JT_SEARCH2);
    EXPECT_EQ(click, sound.TakePlayed());
    Click(dialog, IDC_JT_ARROW_OUT);
    Click(dialog, IDC_JT_INPUT_OK);
    Click(dialog, IDC_JT_HIDDEN);
    EXPECT_EQ(silence, sound.TakePlayed()) << "arrow, toggle and the hidden button";
    Click(dialog, IDC_JT_SEARCH1);  // panel out: the panel searches
    EXPECT_EQ(click, sound.TakePlayed());
    Click(dialog, IDC_JT_ARROW_IN);
    EXPECT_EQ(silence, sound.TakePlayed());

    Click(dialog, IDC_JT_JOIN);
    EXPECT_EQ(click, sound.TakePlayed());
    tagKWP_TABLE_LIST_DATA locked = MakeTable(42, 101);
    locked.bHavePassword = 1;
    Show(JTAT_JOIN, locked);
    Click(dialog, IDC_JT_JOIN);
    EXPECT_EQ(click, sound.TakePlayed()) << "the password dialog opens without a sound of its own";
    Party::HidePWDlg();
    Show(JTAT_JOIN, MakeTable(7, 101));
    Click(dialog, IDC_JT_CLOSE);
    EXPECT_EQ(click, sound.TakePlayed());

    Show(JTAT_JOIN, MakeTable(7, 101));
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    Show(JTAT_JOIN, MakeTable(7, 101));
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Show(JTAT_JOIN, MakeTable(7, 101));
    ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    Show(JTAT_JOIN, MakeTable(7, 101));
    Party::HideJTDlg();
    EXPECT_EQ(silence, sound.TakePlayed()) << "Enter, Escape, system close and HideJTDlg";

    // A host that takes its sound object back hears nothing; the buttons still work.
    sound.Withdraw();
    host.Clear();
    Show(JTAT_JOIN, MakeTable(7, 101));
    Click(dialog, IDC_JT_SEARCH1);
    Click(dialog, IDC_JT_JOIN);
    EXPECT_EQ(silence, sound.TakePlayed());
    EXPECT_EQ(Messages({{LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY}, {LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_JOIN}}), Sent());
}

TEST_F(JoinTableTest, EveryClosingPathHidesSlidesThePanelInDropsTheLockAndOnlyCancelsTellTheHost) {
    const struct {
        const char* name;
        void (*close)(HWND);
        Messages sent;
    } paths[] = {
        {"close button", [](HWND d) { Click(d, IDC_JT_CLOSE); }, {{LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED}}},
        {"Escape", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }, {{LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED}}},
        {"system close", [](HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, {{LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED}}},
        {"Enter", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDOK, 0); }, {}},
        {"HideJTDlg", [](HWND) { Party::HideJTDlg(); }, {}},
    };
    for (const auto& path : paths) {
        Show(JTAT_JOIN, MakeTable(9, 101));
        Click(dialog, IDC_JT_ARROW_OUT);
        ASSERT_TRUE(::IsWindowVisible(panel)) << path.name;
        host.Clear();
        path.close(dialog);
        EXPECT_FALSE(::IsWindowVisible(dialog) || ::IsWindowVisible(panel)) << path.name;
        EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << path.name;
        EXPECT_EQ(0, Party::GetJTFocusTableIndx()) << path.name;
        EXPECT_EQ(path.sent, Sent()) << path.name;
        for (const ReceivedMessage& m : host.received()) EXPECT_EQ(0, m.lParam) << path.name;
    }
    Show(JTAT_JOIN, MakeTable(9, 101));
    EXPECT_FALSE(::IsWindowVisible(panel));
    EXPECT_TRUE(Visible(dialog, IDC_JT_ARROW_OUT) && !Visible(dialog, IDC_JT_ARROW_IN));
}

TEST_F(JoinTableTest, BothDialogsShowTheHostsCursorOrLeaveTheCursorAlone) {
    struct CursorHook {
        ~CursorHook() { RXCursorfun(nullptr); }
    } switchOff;
    const HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR cross = ::LoadCursorA(nullptr, IDC_CROSS);
    Show(JTAT_JOIN, MakeTable(9, 101));
    Party::ShowPWDlg(9);
    for (HWND d : {dialog, password}) {
        ::SetCursor(wait);
        EXPECT_EQ(FALSE, ::SendMessageA(d, WM_SETCURSOR, reinterpret_cast<WPARAM>(d), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(wait, ::GetCursor()) << "no class arrow without the host's cursor";
    }
    HICON hostCursor = cross;
    ASSERT_TRUE(RXCursorfun(&hostCursor));
    for (HWND d : {dialog, password}) {
        ::SetCursor(wait);
        EXPECT_EQ(TRUE, ::SendMessageA(d, WM_SETCURSOR, reinterpret_cast<WPARAM>(d), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        EXPECT_EQ(cross, ::GetCursor());
    }
}

TEST_F(JoinTableTest, ActiveTypesLayTheButtonsOutAndDriveTheToggle) {
    Show(JTAT_JOIN, MakeTable(9, 101));
    RECT client, window, parent;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(CRect(0, 0, 222, 400), CWnd::FromRECT(client));
    ::GetWindowRect(dialog, &window);
    ::GetWindowRect(host.hwnd(), &parent);
    EXPECT_EQ(parent.left + ((parent.right - parent.left) - (window.right - window.left)) / 2, window.left);
    EXPECT_EQ(parent.top + ((parent.bottom - parent.top) - (window.bottom - window.top)) / 2, window.top);

    EXPECT_TRUE(Enabled(dialog, IDC_JT_JOIN) && !Enabled(dialog, IDC_JT_SEARCH1) && !Enabled(dialog, IDC_JT_SEARCH2));
    EXPECT_TRUE(Visible(dialog, IDC_JT_SEARCH1) && !Visible(dialog, IDC_JT_HIDDEN));
    EXPECT_EQ(CRect(7, 330, 61, 358), Ctl(dialog, IDC_JT_JOIN));
    EXPECT_EQ(CRect(66, 347, 148, 375), Ctl(dialog, IDC_JT_SEARCH2));
    EXPECT_EQ(CRect(-2, 170, 7, 233), Ctl(dialog, IDC_JT_ARROW_OUT));
    EXPECT_EQ(22, Ctl(dialog, IDC_JT_INPUT_OK).Width());
    EXPECT_EQ(19, Ctl(dialog, IDC_JT_INPUT_OK).Height());
    CInputOK* toggle = static_cast<CInputOK*>(CSubclassedWnd::FromHandlePermanent(::GetDlgItem(dialog, IDC_JT_INPUT_OK)));
    ASSERT_TRUE(toggle);

    // The first JTAT_JOIN after a show starts the toggle off; a click turns it on.
    EXPECT_FALSE(Party::GetInputOk());
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_OFF), toggle->Picture());
    Click(dialog, IDC_JT_INPUT_OK);
    EXPECT_TRUE(Party::GetInputOk());
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_ON), toggle->Picture());

    Party::SetJTActType(JTAT_TABLE_2);
    EXPECT_EQ(JTAT_TABLE_2, Party::GetJTActType());
    EXPECT_FALSE(Visible(dialog, IDC_JT_JOIN) || Visible(dialog, IDC_JT_SEARCH1) || Visible(dialog, IDC_JT_SEARCH2));
    EXPECT_EQ(CRect(83, 330, 137, 358), Ctl(dialog, IDC_JT_CLOSE));
    EXPECT_TRUE(Visible(dialog, IDC_JT_CLOSE) && !Enabled(dialog, IDC_JT_INPUT_OK));
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_DISABLED), toggle->Picture());
    EXPECT_FALSE(Visible(dialog, IDC_JT_ARROW_OUT) || Visible(dialog, IDC_JT_ARROW_IN));
    EXPECT_TRUE(Party::GetInputOk()) << "the other types force the flag on";

    // The toggle draws its picture alone, at its top-left corner, and never erases.
    MetafileRecording drawn = MetafileRecording::RenderWindow(::GetDlgItem(dialog, IDC_JT_INPUT_OK));
    ASSERT_EQ(1u, drawn.pictures.size());
    EXPECT_EQ(CRect(0, 0, 22, 19), drawn.pictures[0].dest);
    EXPECT_TRUE(drawn.fills.empty() && drawn.texts.empty());

    // Back to JTAT_JOIN within the same show the flag is kept; a new show starts it off.
    Party::SetJTActType(JTAT_JOIN);
    EXPECT_TRUE(Party::GetInputOk());
    EXPECT_TRUE(Visible(dialog, IDC_JT_ARROW_OUT));
    Show(JTAT_JOIN, MakeTable(9, 101));
    EXPECT_FALSE(Party::GetInputOk());
}

TEST_F(JoinTableTest, FocusTableTakesOnlyChangesItShowsAndOnlyWhileVisible) {
    tagKWP_TABLE_LIST_DATA table = MakeTable(9, 101, 102);
    Party::SetJTFocusTable(&table);
    EXPECT_EQ(0, Party::GetJTFocusTableIndx()) << "hidden: nothing taken";

    Show(JTAT_JOIN, table);
    ::UpdateWindow(dialog);
    table.ucSeatState[0] = 2;
    table.ucAddMultiple = 1;
    Party::SetJTFocusTable(&table);
    EXPECT_FALSE(::GetUpdateRect(dialog, nullptr, FALSE)) << "no repaint";

    table.usTableNum = 10;
    Party::SetJTFocusTable(&table);
    EXPECT_TRUE(::GetUpdateRect(dialog, nullptr, FALSE));
    EXPECT_EQ(10, Party::GetJTFocusTableIndx());
}

TEST_F(JoinTableTest, PanelSlidesOutBesideTheDialogAndFollowsIt) {
    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_ARROW_OUT);
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_TRUE(!Visible(dialog, IDC_JT_ARROW_OUT) && Visible(dialog, IDC_JT_ARROW_IN));
    EXPECT_EQ(CRect(-2, 170, 7, 233), Ctl(dialog, IDC_JT_ARROW_IN));

    RECT w;
    ::GetWindowRect(dialog, &w);
    ::SetWindowPos(dialog, nullptr, w.left + 30, w.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    POINT origin = {0, 0};
    ::ClientToScreen(dialog, &origin);
    RECT p;
    ::GetWindowRect(panel, &p);
    EXPECT_EQ(CRect(origin.x - 202, origin.y + 128, origin.x - 3, origin.y + 274), CWnd::FromRECT(p));

    RECT proposed = {500, 300, 700, 700};
    ::SendMessageA(dialog, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    ::GetWindowRect(panel, &p);
    EXPECT_EQ(CRect(298, 428, 497, 574), CWnd::FromRECT(p));

    Click(dialog, IDC_JT_ARROW_IN);
    ::SendMessageA(dialog, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_FALSE(::IsWindowVisible(panel)) << "a move keeps a slid-in panel hidden";
}

TEST_F(JoinTableTest, PanelListsFillOnceAndItsSearchesAnswerWith1227) {
    tagKWP_ALL_TABLE_INFO batch = {};
    batch.stTable[0] = MakeTable(12, 101);
    batch.stTable[0].ucSettingB = 8;
    batch.stTable[0].uiScore = 3;
    CPT_MapInerface::InitArray(&batch);
    Party::SetExpandInit(&defaults);
    tagKWP_TABLE_SET_DEFAULT other = defaults;
    other.uiScoreMask = 1u << 14;
    Party::SetExpandInit(&other);  // a second call does not refill
    HWND list = ::GetDlgItem(panel, IDC_JTE_LIST1);
    ASSERT_EQ(6, ::SendMessageA(list, CB_GETCOUNT, 0, 0));
    char text[32] = {0};
    ::SendMessageA(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(kGbkNoLimit, text);
    ::SendMessageA(list, CB_GETLBTEXT, 5, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ("20", text);
    EXPECT_EQ(5, ::SendMessageA(::GetDlgItem(panel, IDC_JTE_SCORE), CB_GETCOUNT, 0, 0));
    EXPECT_FALSE(Enabled(panel, IDC_JTE_TABLE_NUM) || Enabled(panel, IDC_JTE_SCORE));

    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_SEARCH1);  // panel in: the host searches
    Click(dialog, IDC_JT_SEARCH2);
    Click(dialog, IDC_JT_ARROW_OUT);
    Click(dialog, IDC_JT_SEARCH1);  // panel out, nothing chosen
    Click(dialog, IDC_JT_SEARCH2);
    SetPanelText(IDC_JTE_TABLE_NUM, "12");
    Click(dialog, IDC_JT_SEARCH1);
    EXPECT_EQ(12u, CPT_MapInerface::GetTableNum(0));
    SetPanelText(IDC_JTE_TABLE_NUM, "");
    Choose(IDC_JTE_LIST1, 2);  // "8"
    Choose(IDC_JTE_SCORE, 3);  // "3"
    Click(dialog, IDC_JT_SEARCH2);
    Choose(IDC_JTE_SCORE, 4);  // "4": no such table
    Click(dialog, IDC_JT_SEARCH2);
    SetPanelText(IDC_JTE_TABLE_NUM, "0");
    Click(dialog, IDC_JT_SEARCH1);
    EXPECT_EQ(Messages({{LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY},
                        {LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY},
                        {LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY},
                        {LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY},
                        {LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_FIRST_FOUND},
                        {LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_SECOND_FOUND}}), Sent());
    for (const ReceivedMessage& m : host.received()) EXPECT_EQ(0, m.lParam);
    EXPECT_TRUE(::IsWindowVisible(dialog)) << "searching does not close the dialog";

    SetPanelText(IDC_JTE_NAME, "zhang");
    Click(dialog, IDC_JT_ARROW_IN);
    ::GetWindowTextA(::GetDlgItem(panel, IDC_JTE_NAME), text, sizeof text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, ::SendMessageA(::GetDlgItem(panel, IDC_JTE_SCORE), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(6, ::SendMessageA(list, CB_GETCOUNT, 0, 0)) << "the lists keep their entries";
}

TEST_F(JoinTableTest, ButtonStatusFollowsTheHostUnlessThePanelHoldsCriteria) {
    Party::SetExpandInit(&defaults);
    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_ARROW_OUT);
    Party::SetJTBtnStatus(1, 0, 0);
    EXPECT_TRUE(Enabled(dialog, IDC_JT_JOIN) && !Enabled(dialog, IDC_JT_SEARCH1) && !Enabled(dialog, IDC_JT_SEARCH2));

    Choose(IDC_JTE_SCORE, 1);
    Party::SetJTBtnStatus(0, 0, 0);
    EXPECT_TRUE(!Enabled(dialog, IDC_JT_JOIN) && Enabled(dialog, IDC_JT_SEARCH1) && Enabled(dialog, IDC_JT_SEARCH2));

    Choose(IDC_JTE_SCORE, 0);
    SetPanelText(IDC_JTE_TABLE_NUM, "201");
    Party::SetJTBtnStatus(0, 0, 0);
    EXPECT_FALSE(Enabled(dialog, IDC_JT_SEARCH1)) << "a number outside the room counts as empty";

    Click(dialog, IDC_JT_ARROW_IN);
    Party::SetJTBtnStatus(1, 0, 1);
    EXPECT_TRUE(!Enabled(dialog, IDC_JT_SEARCH1) && Enabled(dialog, IDC_JT_SEARCH2)) << "panel in: as the host says";
}

TEST_F(JoinTableTest, PaintsAFullTableWithPlayersFromTheMapAndAnUnknownId) {
    Player(1001, "Zhang", 1200, -35, 3);
    Player(1002, "Li", 50, 7, 12);
    tagKWP_TABLE_LIST_DATA table = MakeTable(7, 1001, 1002, 5555);
    table.bCanPeek = 1;
    table.ucSettingA = 5;
    table.ucSettingB = 12;
    table.uiScore = 50;
    table.ucSpecialRule = 6;
    table.ucAddMultiple = 1;
    Show(JTAT_JOIN, table);
    skin.Reset();
    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);

    // Lines are centred with the dialog's font: the face of text 35, 12 high, bold.
    LOGFONTA lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH;
    strcpy(lf.lfFaceName, "Tahoma");
    HFONT font = ::CreateFontIndirectA(&lf);
    HDC measure = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(measure, font);
    auto centred = [&](const char* text, int left, int right) {
        SIZE size;
        ::GetTextExtentPoint32A(measure, text, static_cast<int>(strlen(text)), &size);
        return left + (right - left - size.cx) / 2;
    };
    const std::string landlord = "3" + std::string(kGbkLandlordLevelFormat + 2);  // level 12
    const struct {
        std::string text;
        int x, y;
        COLORREF colour;
    } lines[] = {
        {"Zhang", centred("Zhang", 79, 139), 213, RGB(147, 43, 0)},
        {"Beans1200", centred("Zhang", 79, 139), 225, RGB(159, 124, 97)},
        {"L3", centred("Zhang", 79, 139), 237, RGB(159, 124, 97)},
        {"Li", centred("Li", 136, 191), 174, RGB(147, 43, 0)},
        {"Beans50", centred("Li", 136, 191), 186, RGB(159, 124, 97)},
        {landlord, centred("Li", 136, 191), 198, RGB(159, 124, 97)},
        {"% % %", centred("% % %", 22, 82), 174, RGB(147, 43, 0)},
        {kGbkNone, 86, 95, RGB(255, 0, 0)},
        {kGbkAddStick, 17, 127, RGB(123, 89, 0)},
    };
    ::SelectObject(measure, old);
    ::DeleteObject(font);
    ::DeleteDC(measure);
    for (const auto& line : lines) {
        const DrawnText* t = drawn.FindText(line.text);
        ASSERT_TRUE(t) << line.text;
        EXPECT_EQ(CPoint(line.x, line.y), t->at) << line.text;
        EXPECT_EQ(line.colour, t->colour) << line.text;
    }
    EXPECT_EQ(9u, drawn.texts.size()) << "the unknown id has no beans line or title";

    const struct {
        const char* name;
        CRect rect;
    } images[] = {
        {"Num0", CRect(37, 5, 48, 21)},       {"Num0", CRect(48, 5, 59, 21)},      {"Num7", CRect(59, 5, 70, 21)},
        {"NoPassWord", CRect(5, 27, 70, 45)}, {"Num0", CRect(85, 50, 96, 66)},     {"Num5", CRect(96, 50, 107, 66)},
        {"Num1", CRect(174, 50, 185, 66)},    {"Num2", CRect(185, 50, 196, 66)},   {"Num5", CRect(94, 70, 105, 86)},
        {"Num0", CRect(105, 70, 116, 86)},    {"Rule2", CRect(118, 91, 202, 106)}, {"Rule3", CRect(17, 109, 101, 124)},
        {"CanPeek", CRect(105, 29, 169, 44)},
    };
    std::vector<SkinFixtureCall> calls = skin.CallsOf(kSkinDrawImage);
    ASSERT_EQ(sizeof images / sizeof images[0], calls.size());
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_STREQ(images[i].name, calls[i].name) << i;
        EXPECT_EQ(images[i].rect, CWnd::FromRECT(calls[i].rect)) << i;
    }
}

TEST_F(JoinTableTest, ScoreModePaintsScoreLinesTheScoreImageAndTheLimit) {
    Player(1001, "A", 10, -35, 10);
    Player(1002, "B", 10, 7, 23);
    Party::SetJNScoreLooby(false);
    Party::SetMultiplelmt(200);
    tagKWP_TABLE_LIST_DATA table = MakeTable(123, 1001, 1002, 0);
    table.bHavePassword = 1;
    table.uiScore = 1005;
    Show(JTAT_TABLE_3, table);
    skin.Reset();
    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);
    for (const char* text : {"Score-35", "Score7", "L10", "Named23Lon", "Empty"}) EXPECT_TRUE(drawn.FindText(text)) << text;
    const DrawnText* limit = drawn.FindText("200");
    ASSERT_TRUE(limit);
    EXPECT_EQ(RGB(255, 0, 0), limit->colour);
    EXPECT_EQ(nullptr, drawn.FindText(kGbkAddStick));

    std::vector<std::string> names;
    for (const SkinFixtureCall& c : skin.CallsOf(kSkinDrawImage)) names.push_back(c.name);
    EXPECT_EQ((std::vector<std::string>{"Num1", "Num2", "Num3", "HavePassWord", "Num0", "Num0", "Num0", "Num0",
                                        "Num1", "Num0", "Num0", "Num5", "NoRule", "NoPeek", "Score"}),
              names);
    EXPECT_EQ(CRect(120, 69, 164, 92), CWnd::FromRECT(skin.CallsOf(kSkinDrawImage).back().rect));
}

TEST_F(JoinTableTest, ReservedSeatsAloneShowNoSeatLinesAndTheMessageTypeShowsTwoTexts) {
    Show(JTAT_JOIN, MakeTable(5, 100, 3, 0));
    EXPECT_EQ(nullptr, MetafileRecording::RenderWindow(dialog).FindText("Reserved"));
    Show(JTAT_JOIN, MakeTable(5, 100, 3, 1001));
    EXPECT_TRUE(MetafileRecording::RenderWindow(dialog).FindText("Reserved"));

    Show(JTAT_MESSAGE, MakeTable(5, 100, 3, 1001));
    skin.Reset();
    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);
    const DrawnText* one = drawn.FindText("Message one");
    const DrawnText* two = drawn.FindText("Message 100%");
    ASSERT_TRUE(one && two);
    EXPECT_EQ(192, one->at.y);
    EXPECT_EQ(212, two->at.y);
    EXPECT_EQ(RGB(123, 89, 0), one->colour);
    EXPECT_EQ(nullptr, drawn.FindText("Reserved")) << "no table in the message type";
    EXPECT_TRUE(skin.CallsOf(kSkinDrawImage).empty());
    EXPECT_TRUE(drawn.FindText(kGbkNone)) << "the limit is drawn for every type";
}

TEST_F(JoinTableTest, PanelBackgroundTurnsToTheScorePictureForGood) {
    auto sample = [&]() {
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 199, 146);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        ::SendMessageA(panel, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        COLORREF c = ::GetPixel(dc, 100, 60);
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        return c;
    };
    COLORREF beans = sample();
    EXPECT_GT(GetRValue(beans), GetBValue(beans)) << "the warm beans background";
    Party::SetJNScoreLooby(false);
    COLORREF score = sample();
    EXPECT_GT(GetBValue(score), GetRValue(score)) << "the blue score background";
    Party::SetJNScoreLooby(true);
    EXPECT_EQ(score, sample()) << "it stays";
    MetafileRecording drawn = MetafileRecording::RenderWindow(panel);
    ASSERT_EQ(1u, drawn.pictures.size());
    EXPECT_EQ(CRect(0, 0, 199, 146), drawn.pictures[0].dest);
    MetafileRecording clientOnly = MetafileRecording::Render(199, 146, [&](HDC dc) {
        ::SendMessageA(panel, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    EXPECT_EQ(1u, clientOnly.pictures.size()) << "the background is the panel's client picture";
}
