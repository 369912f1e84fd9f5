// The join-table dialog and its find-partner panel driven as a host drives
// them: through CPartyDlg_DlgInerface, with a test window as parent that
// records 1226 and 1227, the recording skin and a text table of the test's.
#include "join/join_table_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/party_dialogs.h>

#include "host_window.h"
#include "join/join_table_rules.h"
#include "join/join_table_test_support.h"
#include "metafile_recorder.h"
#include "res/join_ids.h"
#include "room/room_test_records.h"
#include "support/texts_gbk.h"

namespace {

const UINT kJoin = WM_USER + 202;
const UINT kSearch = WM_USER + 203;
const UINT kPassword = WM_USER + 204;

tagKWP_PLAYER_LIST_DATA_EXTRA Player(unsigned int id, const char* name, int beans, int score, unsigned char level) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p = MakePlayer(id, name);
    p.iBeans = beans;
    p.iScore = score;
    p.ucLevel = level;
    return p;
}

tagKWP_TABLE_SET_DEFAULT Defaults() {
    tagKWP_TABLE_SET_DEFAULT d;
    memset(&d, 0, sizeof d);
    d.ucSettingBMin = 4;
    d.ucSettingBMax = 20;
    d.ucSettingAMin = 1;
    d.ucSettingAMax = 3;
    d.uiScoreMask = 15;
    return d;
}

class JoinTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.loaded());
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", JoinTestTextTable());
        CPartyDlg_DlgInerface::CreateJTDlg(host.wnd());
        CPartyDlg_DlgInerface::CreatePWDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_JT_JOIN);
        password = FindOwnedDialog(host.hwnd(), IDC_PW_EDIT);
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(password);
        panel = FindOwnedDialog(dialog, IDC_JTE_TABLE_NUM);
        ASSERT_TRUE(panel);
        host.CaptureRecord(kPassword, 64);
    }
    void TearDown() override {
        CPartyDlg_DlgInerface::DestroyJTDlg();
        CPartyDlg_DlgInerface::DestroyPWDlg();
        CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
        CPartyDlg_DlgInerface::SetMultiplelmt(0);
        CPartyDlg_DlgInerface::SetInputOk(false);
        CPartyDlg_DlgInerface::SetJNScoreLooby(true);
        CPT_MapInerface::RemoveAllPlayerFromMap();
        CPT_MapInerface::SetTableArrayIsEmpty();
        CPT_MapInerface::SetTableBufEmpty();
    }

    void Show(eJTDLG_ACTIVE_TYPE type, tagKWP_TABLE_LIST_DATA table) {
        CPartyDlg_DlgInerface::ShowJTDlg(type, &table);
    }

    ScratchDirectory scratch;
    RecordingSkin skin;
    HostWindow host{100, 50, 800, 600};
    HWND dialog = nullptr;
    HWND password = nullptr;
    HWND panel = nullptr;
};

}  // namespace

TEST(JoinTableWithoutDialogTest, CallsBeforeCreateDoNothingAndFlagsWorkAlone) {
    EXPECT_EQ(JTAT_NONE, CPartyDlg_DlgInerface::GetJTActType());
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetJTFocusTableIndx());
    tagKWP_TABLE_LIST_DATA table = MakeTable(7, 101);
    tagKWP_TABLE_SET_DEFAULT defaults = Defaults();
    CPartyDlg_DlgInerface::ShowJTDlg(JTAT_JOIN, &table);
    CPartyDlg_DlgInerface::ShowJTDlg(JTAT_JOIN, nullptr);
    CPartyDlg_DlgInerface::SetJTFocusTable(&table);
    CPartyDlg_DlgInerface::SetJTFocusTable(nullptr);
    CPartyDlg_DlgInerface::SetJTActType(JTAT_JOIN);
    CPartyDlg_DlgInerface::SetJTBtnStatus(1, 1, 1);
    CPartyDlg_DlgInerface::SetExpandInit(&defaults);
    CPartyDlg_DlgInerface::SetExpandInit(nullptr);
    CPartyDlg_DlgInerface::SetJTUseYuCoin(false);
    CPartyDlg_DlgInerface::HideJTDlg();
    CPartyDlg_DlgInerface::DestroyJTDlg();
    CPartyDlg_DlgInerface::ShowPWDlg(7);
    CPartyDlg_DlgInerface::HidePWDlg();
    CPartyDlg_DlgInerface::DestroyPWDlg();
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetIfPartyBtnLock()) << "no dialog was shown";
    EXPECT_EQ(JTAT_NONE, CPartyDlg_DlgInerface::GetJTActType());

    CPartyDlg_DlgInerface::SetInputOk(true);
    EXPECT_TRUE(CPartyDlg_DlgInerface::GetInputOk());
    CPartyDlg_DlgInerface::SetInputOk(false);
    EXPECT_FALSE(CPartyDlg_DlgInerface::GetInputOk());
    CPartyDlg_DlgInerface::SetJNScoreLooby(false);
    CPartyDlg_DlgInerface::SetJNScoreLooby(true);
}

TEST_F(JoinTableTest, CreateSkinsTheDialogOpensItsGroupsAndDestroyClosesThem) {
    std::vector<SkinFixtureCall> applied = skin.CallsOf(kSkinApplyWindowSkin);
    ASSERT_EQ(2u, applied.size());
    EXPECT_EQ(dialog, applied[0].window);
    EXPECT_STREQ("FindPartner", applied[0].name);
    EXPECT_EQ(password, applied[1].window);
    EXPECT_STREQ("PasswordInput", applied[1].name);
    std::vector<SkinFixtureCall> opened = skin.CallsOf(kSkinOpenImageGroup);
    ASSERT_EQ(4u, opened.size());
    EXPECT_STREQ("FindPartnerPic", opened[0].name);
    EXPECT_STREQ("FPDLG_CoinName", opened[1].name);
    EXPECT_STREQ("SpecialRulePic", opened[2].name);
    EXPECT_STREQ("JoinScore", opened[3].name);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_FALSE(::IsWindowVisible(panel));

    CPartyDlg_DlgInerface::DestroyJTDlg();
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_FALSE(::IsWindow(panel));
    std::vector<SkinFixtureCall> closed = skin.CallsOf(kSkinCloseImageGroup);
    ASSERT_EQ(4u, closed.size());
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(opened[i].group, closed[i].group) << i;
    EXPECT_EQ(JTAT_NONE, CPartyDlg_DlgInerface::GetJTActType());
}

TEST_F(JoinTableTest, JoinOpenTableSendsJoinWithTheNumberHidesAndDropsTheLock) {
    Show(JTAT_JOIN, MakeTable(7, 101));
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(1, CPartyDlg_DlgInerface::GetIfPartyBtnLock());
    EXPECT_EQ(7, CPartyDlg_DlgInerface::GetJTFocusTableIndx());
    EXPECT_EQ(JTAT_JOIN, CPartyDlg_DlgInerface::GetJTActType());

    Click(dialog, IDC_JT_JOIN);
    std::vector<ReceivedMessage> sent = host.received();
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(kJoin, sent[0].msg);
    EXPECT_EQ(35u, sent[0].wParam);
    EXPECT_EQ(7, sent[0].lParam);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetIfPartyBtnLock());
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetJTFocusTableIndx());
}

TEST_F(JoinTableTest, JoinLockedTableOpensPasswordDialogAndSendsNothingThenPasswordGoesOut) {
    tagKWP_TABLE_LIST_DATA locked = MakeTable(42, 101);
    locked.bHavePassword = 1;
    Show(JTAT_JOIN, locked);
    Click(dialog, IDC_JT_JOIN);
    EXPECT_TRUE(host.received().empty());
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_TRUE(::IsWindowVisible(password));
    EXPECT_EQ(1, CPartyDlg_DlgInerface::GetIfPartyBtnLock()) << "the password dialog holds the lock";

    ::SetWindowTextA(::GetDlgItem(password, IDC_PW_EDIT), "s3cret");
    Click(password, IDC_PW_OK);
    std::vector<ReceivedMessage> sent = host.ReceivedOf(kPassword);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(42u, sent[0].wParam);
    ASSERT_EQ(64u, sent[0].record.size());
    EXPECT_EQ(std::string("s3cret"), std::string(reinterpret_cast<const char*>(sent[0].record.data())));
    for (size_t i = 6; i < 64; ++i) ASSERT_EQ(0, sent[0].record[i]) << i;
    EXPECT_FALSE(::IsWindowVisible(password));
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetIfPartyBtnLock());
}

TEST_F(JoinTableTest, EveryClosingPathHidesDropsTheLockAndOnlyCancelsTellTheHost) {
    struct Path {
        const char* name;
        void (*close)(HWND);
        size_t closedMessages;
    };
    const Path paths[] = {
        {"close button", [](HWND d) { Click(d, IDC_JT_CLOSE); }, 1},
        {"Escape", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }, 1},
        {"Enter", [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDOK, 0); }, 0},
        {"system close", [](HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }, 1},
        {"HideJTDlg", [](HWND) { CPartyDlg_DlgInerface::HideJTDlg(); }, 0},
    };
    for (const Path& path : paths) {
        Show(JTAT_JOIN, MakeTable(9, 101));
        Click(dialog, IDC_JT_ARROW_OUT);
        ASSERT_TRUE(::IsWindowVisible(panel)) << path.name;
        host.Clear();

        path.close(dialog);
        EXPECT_FALSE(::IsWindowVisible(dialog)) << path.name;
        EXPECT_FALSE(::IsWindowVisible(panel)) << path.name;
        EXPECT_EQ(0, CPartyDlg_DlgInerface::GetIfPartyBtnLock()) << path.name;
        EXPECT_EQ(0, CPartyDlg_DlgInerface::GetJTFocusTableIndx()) << path.name;
        std::vector<ReceivedMessage> sent = host.ReceivedOf(kJoin);
        ASSERT_EQ(path.closedMessages, sent.size()) << path.name;
        if (!sent.empty()) {
            EXPECT_EQ(1324u, sent[0].wParam) << path.name;
            EXPECT_EQ(0, sent[0].lParam) << path.name;
        }
        EXPECT_EQ(host.received().size(), sent.size()) << path.name;
        EXPECT_TRUE(Visible(dialog, IDC_JT_ARROW_OUT) || !::IsWindowVisible(dialog));
    }
    // The panel slid in on every path: the next show starts with it in.
    Show(JTAT_JOIN, MakeTable(9, 101));
    EXPECT_FALSE(::IsWindowVisible(panel));
    EXPECT_TRUE(Visible(dialog, IDC_JT_ARROW_OUT));
    EXPECT_FALSE(Visible(dialog, IDC_JT_ARROW_IN));
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

    EXPECT_TRUE(Visible(dialog, IDC_JT_JOIN) && Enabled(dialog, IDC_JT_JOIN));
    EXPECT_TRUE(Visible(dialog, IDC_JT_SEARCH1) && !Enabled(dialog, IDC_JT_SEARCH1));
    EXPECT_TRUE(Visible(dialog, IDC_JT_SEARCH2) && !Enabled(dialog, IDC_JT_SEARCH2));
    EXPECT_FALSE(Visible(dialog, IDC_JT_HIDDEN));
    EXPECT_EQ(CRect(7, 330, 61, 358), CWnd::FromRECT(ControlRect(dialog, IDC_JT_JOIN)));
    EXPECT_EQ(CRect(66, 347, 148, 375), CWnd::FromRECT(ControlRect(dialog, IDC_JT_SEARCH2)));
    EXPECT_EQ(CRect(-2, 170, 7, 233), CWnd::FromRECT(ControlRect(dialog, IDC_JT_ARROW_OUT)));
    CRect toggleRect = CWnd::FromRECT(ControlRect(dialog, IDC_JT_INPUT_OK));
    EXPECT_EQ(22, toggleRect.Width());
    EXPECT_EQ(19, toggleRect.Height());
    CInputOK* toggle = static_cast<CInputOK*>(CSubclassedWnd::FromHandlePermanent(::GetDlgItem(dialog, IDC_JT_INPUT_OK)));
    ASSERT_TRUE(toggle);

    // The first JTAT_JOIN after a show starts the toggle off; a click turns it on.
    EXPECT_FALSE(CPartyDlg_DlgInerface::GetInputOk());
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_OFF), toggle->Picture());
    EXPECT_TRUE(Enabled(dialog, IDC_JT_INPUT_OK));
    Click(dialog, IDC_JT_INPUT_OK);
    EXPECT_TRUE(CPartyDlg_DlgInerface::GetInputOk());
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_ON), toggle->Picture());

    CPartyDlg_DlgInerface::SetJTActType(JTAT_TABLE_2);
    EXPECT_EQ(JTAT_TABLE_2, CPartyDlg_DlgInerface::GetJTActType());
    EXPECT_FALSE(Visible(dialog, IDC_JT_JOIN) || Visible(dialog, IDC_JT_SEARCH1) || Visible(dialog, IDC_JT_SEARCH2));
    EXPECT_EQ(CRect(83, 330, 137, 358), CWnd::FromRECT(ControlRect(dialog, IDC_JT_CLOSE)));
    EXPECT_TRUE(Visible(dialog, IDC_JT_CLOSE));
    EXPECT_FALSE(Enabled(dialog, IDC_JT_INPUT_OK));
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_DISABLED), toggle->Picture());
    EXPECT_FALSE(Visible(dialog, IDC_JT_ARROW_OUT) || Visible(dialog, IDC_JT_ARROW_IN));
    EXPECT_TRUE(CPartyDlg_DlgInerface::GetInputOk()) << "the other types force the flag on";

    // Back to JTAT_JOIN within the same show: the flag is kept; a new show starts it off.
    CPartyDlg_DlgInerface::SetJTActType(JTAT_JOIN);
    EXPECT_TRUE(CPartyDlg_DlgInerface::GetInputOk());
    EXPECT_EQ(static_cast<UINT>(IDB_INPUT_OK_ON), toggle->Picture());
    EXPECT_TRUE(Visible(dialog, IDC_JT_ARROW_OUT));
    Show(JTAT_JOIN, MakeTable(9, 101));
    EXPECT_FALSE(CPartyDlg_DlgInerface::GetInputOk());
}

TEST_F(JoinTableTest, FocusTableTakesOnlyChangesItShowsAndOnlyWhileVisible) {
    tagKWP_TABLE_LIST_DATA table = MakeTable(9, 101, 102);
    CPartyDlg_DlgInerface::SetJTFocusTable(&table);
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetJTFocusTableIndx()) << "hidden: nothing taken";

    Show(JTAT_JOIN, table);
    ::UpdateWindow(dialog);
    tagKWP_TABLE_LIST_DATA seatsOnly = table;
    seatsOnly.ucSeatState[0] = 2;
    seatsOnly.ucAddMultiple = 1;
    CPartyDlg_DlgInerface::SetJTFocusTable(&seatsOnly);
    EXPECT_FALSE(::GetUpdateRect(dialog, nullptr, FALSE)) << "no repaint";

    tagKWP_TABLE_LIST_DATA moved = seatsOnly;
    moved.usTableNum = 10;
    moved.uiSeatPlayerID[2] = 103;
    CPartyDlg_DlgInerface::SetJTFocusTable(&moved);
    EXPECT_TRUE(::GetUpdateRect(dialog, nullptr, FALSE));
    EXPECT_EQ(10, CPartyDlg_DlgInerface::GetJTFocusTableIndx());
}

TEST_F(JoinTableTest, PanelSlidesOutBesideTheDialogAndFollowsIt) {
    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_ARROW_OUT);
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_FALSE(Visible(dialog, IDC_JT_ARROW_OUT));
    EXPECT_TRUE(Visible(dialog, IDC_JT_ARROW_IN));
    RECT r = ControlRect(dialog, IDC_JT_ARROW_IN);
    EXPECT_EQ(-2, r.left);
    EXPECT_EQ(170, r.top);

    RECT p;
    ::GetWindowRect(panel, &p);
    EXPECT_EQ(199, p.right - p.left);
    EXPECT_EQ(146, p.bottom - p.top);
    POINT origin = {0, 0};
    ::ClientToScreen(dialog, &origin);
    EXPECT_EQ(origin.x - 202, p.left);
    EXPECT_EQ(origin.y + 128, p.top);

    RECT w;
    ::GetWindowRect(dialog, &w);
    ::SetWindowPos(dialog, nullptr, w.left + 30, w.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::GetWindowRect(panel, &p);
    EXPECT_EQ(origin.x + 30 - 202, p.left);
    EXPECT_EQ(origin.y + 20 + 128, p.top);

    RECT proposed = {500, 300, 700, 700};
    ::SendMessageA(dialog, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    ::GetWindowRect(panel, &p);
    EXPECT_EQ(298, p.left);
    EXPECT_EQ(428, p.top);

    Click(dialog, IDC_JT_ARROW_IN);
    ::SendMessageA(dialog, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_FALSE(::IsWindowVisible(panel)) << "a move keeps a slid-in panel hidden";
    EXPECT_TRUE(::IsWindowVisible(dialog));
}

TEST_F(JoinTableTest, PanelListsAreFilledOnceAndResetWithThePanel) {
    tagKWP_TABLE_SET_DEFAULT defaults = Defaults();
    CPartyDlg_DlgInerface::SetExpandInit(&defaults);
    auto entries = [&](int id) {
        std::vector<std::string> out;
        HWND list = ::GetDlgItem(panel, id);
        int count = static_cast<int>(::SendMessageA(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = {0};
            ::SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            out.push_back(text);
        }
        return out;
    };
    const std::string none = kGbkNoLimit;
    EXPECT_EQ((std::vector<std::string>{none, "4", "8", "12", "16", "20"}), entries(IDC_JTE_LIST1));
    EXPECT_EQ((std::vector<std::string>{none, "1", "2", "3", "4"}), entries(IDC_JTE_SCORE));
    for (int id : {IDC_JTE_TABLE_NUM, IDC_JTE_NAME, IDC_JTE_LIST1, IDC_JTE_LIST2, IDC_JTE_SCORE}) {
        EXPECT_FALSE(Enabled(panel, id)) << id;
    }

    tagKWP_TABLE_SET_DEFAULT other = Defaults();
    other.uiScoreMask = 1u << 14;
    CPartyDlg_DlgInerface::SetExpandInit(&other);
    EXPECT_EQ(5u, entries(IDC_JTE_SCORE).size()) << "a second call does not refill";

    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_ARROW_OUT);
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), "12");
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_NAME), "zhang");
    ::SendMessageA(::GetDlgItem(panel, IDC_JTE_LIST2), CB_SETCURSEL, 2, 0);
    Click(dialog, IDC_JT_ARROW_IN);
    char text[16] = {1};
    ::GetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), text, sizeof text);
    EXPECT_STREQ("", text);
    ::GetWindowTextA(::GetDlgItem(panel, IDC_JTE_NAME), text, sizeof text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, ::SendMessageA(::GetDlgItem(panel, IDC_JTE_LIST2), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(6u, entries(IDC_JTE_LIST1).size()) << "the lists keep their entries";
}

TEST_F(JoinTableTest, PanelSearchesByNumberBySettingsAndWithNothingChosen) {
    tagKWP_ALL_TABLE_INFO batch;
    memset(&batch, 0, sizeof batch);
    batch.stTable[0] = MakeTable(12, 101);
    batch.stTable[0].ucSettingB = 8;
    batch.stTable[0].ucSettingA = 2;
    batch.stTable[0].uiScore = 3;
    CPT_MapInerface::InitArray(&batch);
    tagKWP_TABLE_SET_DEFAULT defaults = Defaults();
    CPartyDlg_DlgInerface::SetExpandInit(&defaults);
    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_SEARCH1);  // panel in: the host searches
    Click(dialog, IDC_JT_SEARCH2);
    Click(dialog, IDC_JT_ARROW_OUT);

    Click(dialog, IDC_JT_SEARCH1);  // panel out, nothing chosen
    Click(dialog, IDC_JT_SEARCH2);
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), "12");
    Click(dialog, IDC_JT_SEARCH1);
    EXPECT_EQ(12u, CPT_MapInerface::GetTableNum(0));
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), "");
    ::SendMessageA(::GetDlgItem(panel, IDC_JTE_LIST1), CB_SETCURSEL, 2, 0);  // "8"
    ::SendMessageA(::GetDlgItem(panel, IDC_JTE_SCORE), CB_SETCURSEL, 3, 0);  // "3"
    Click(dialog, IDC_JT_SEARCH2);
    ::SendMessageA(::GetDlgItem(panel, IDC_JTE_SCORE), CB_SETCURSEL, 4, 0);  // "4": no such table
    Click(dialog, IDC_JT_SEARCH2);
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), "0");
    Click(dialog, IDC_JT_SEARCH1);

    std::vector<ReceivedMessage> sent = host.received();
    ASSERT_EQ(6u, sent.size());
    const WPARAM codes[6] = {1, 2, 1, 2, 4, 3};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(kSearch, sent[i].msg) << i;
        EXPECT_EQ(codes[i], sent[i].wParam) << i;
        EXPECT_EQ(0, sent[i].lParam) << i;
    }
    EXPECT_TRUE(::IsWindowVisible(panel));
    EXPECT_TRUE(::IsWindowVisible(dialog)) << "searching does not close the dialog";
}

TEST_F(JoinTableTest, ButtonStatusFollowsTheHostUnlessThePanelHoldsCriteria) {
    tagKWP_TABLE_SET_DEFAULT defaults = Defaults();
    CPartyDlg_DlgInerface::SetExpandInit(&defaults);
    Show(JTAT_JOIN, MakeTable(9, 101));
    Click(dialog, IDC_JT_ARROW_OUT);
    CPartyDlg_DlgInerface::SetJTBtnStatus(1, 0, 0);
    EXPECT_TRUE(Enabled(dialog, IDC_JT_JOIN));
    EXPECT_FALSE(Enabled(dialog, IDC_JT_SEARCH1));
    EXPECT_FALSE(Enabled(dialog, IDC_JT_SEARCH2));

    ::SendMessageA(::GetDlgItem(panel, IDC_JTE_SCORE), CB_SETCURSEL, 1, 0);
    CPartyDlg_DlgInerface::SetJTBtnStatus(0, 0, 0);
    EXPECT_FALSE(Enabled(dialog, IDC_JT_JOIN));
    EXPECT_TRUE(Enabled(dialog, IDC_JT_SEARCH1));
    EXPECT_TRUE(Enabled(dialog, IDC_JT_SEARCH2));

    ::SendMessageA(::GetDlgItem(panel, IDC_JTE_SCORE), CB_SETCURSEL, 0, 0);
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), "201");
    CPartyDlg_DlgInerface::SetJTBtnStatus(0, 0, 0);
    EXPECT_FALSE(Enabled(dialog, IDC_JT_SEARCH1)) << "a number outside the room counts as empty";
    ::SetWindowTextA(::GetDlgItem(panel, IDC_JTE_TABLE_NUM), "200");
    CPartyDlg_DlgInerface::SetJTBtnStatus(0, 0, 1);
    EXPECT_TRUE(Enabled(dialog, IDC_JT_SEARCH1));

    Click(dialog, IDC_JT_ARROW_IN);
    CPartyDlg_DlgInerface::SetJTBtnStatus(1, 0, 1);
    EXPECT_FALSE(Enabled(dialog, IDC_JT_SEARCH1)) << "panel in: the host's values as they are";
    EXPECT_TRUE(Enabled(dialog, IDC_JT_SEARCH2));
}

TEST_F(JoinTableTest, PaintsAFullTableWithPlayersFromTheMapAndAnUnknownId) {
    tagKWP_PLAYER_LIST_DATA_EXTRA zhang = Player(1001, "Zhang", 1200, -35, 3);
    tagKWP_PLAYER_LIST_DATA_EXTRA li = Player(1002, "Li", 50, 7, 12);
    CPT_MapInerface::AddNewPlayerToMap(&zhang);
    CPT_MapInerface::AddNewPlayerToMap(&li);
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

    // What the seats need the font for: the same face and size the dialog makes.
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
    struct Line {
        const char* text;
        int left, right, y;
        COLORREF colour;
        const char* centredOn;
    };
    const Line lines[] = {
        {"Zhang", 79, 139, 213, RGB(147, 43, 0), "Zhang"},
        {"Beans1200", 79, 139, 225, RGB(159, 124, 97), "Zhang"},
        {"L3", 79, 139, 237, RGB(159, 124, 97), "Zhang"},
        {"Li", 136, 191, 174, RGB(147, 43, 0), "Li"},
        {"Beans50", 136, 191, 186, RGB(159, 124, 97), "Li"},
        {"% % %", 22, 82, 174, RGB(147, 43, 0), "% % %"},
    };
    for (const Line& line : lines) {
        const DrawnText* t = drawn.FindText(line.text);
        ASSERT_TRUE(t) << line.text;
        EXPECT_EQ(CPoint(centred(line.centredOn, line.left, line.right), line.y), t->at) << line.text;
        EXPECT_EQ(line.colour, t->colour) << line.text;
    }
    std::string landlord = "3" + std::string(kGbkLandlordLevelFormat + 2);
    const DrawnText* title = drawn.FindText(landlord);
    ASSERT_TRUE(title) << "level 12 is the third landlord level";
    EXPECT_EQ(186 + 12, title->at.y);
    EXPECT_EQ(nullptr, drawn.FindText("Beans")) << "the unknown id has no beans line";

    const DrawnText* limit = drawn.FindText(kGbkNone);
    ASSERT_TRUE(limit);
    EXPECT_EQ(CPoint(86, 95), limit->at);
    EXPECT_EQ(RGB(255, 0, 0), limit->colour);
    const DrawnText* stick = drawn.FindText(kGbkAddStick);
    ASSERT_TRUE(stick);
    EXPECT_EQ(CPoint(17, 127), stick->at);
    EXPECT_EQ(RGB(123, 89, 0), stick->colour);
    ::SelectObject(measure, old);
    ::DeleteObject(font);
    ::DeleteDC(measure);

    struct Image {
        const char* name;
        CRect rect;
    };
    const Image images[] = {
        {"Num0", CRect(37, 5, 48, 21)},     {"Num0", CRect(48, 5, 59, 21)},     {"Num7", CRect(59, 5, 70, 21)},
        {"NoPassWord", CRect(5, 27, 70, 45)}, {"Num0", CRect(85, 50, 96, 66)},   {"Num5", CRect(96, 50, 107, 66)},
        {"Num1", CRect(174, 50, 185, 66)},  {"Num2", CRect(185, 50, 196, 66)},  {"Num5", CRect(94, 70, 105, 86)},
        {"Num0", CRect(105, 70, 116, 86)},  {"Rule2", CRect(118, 91, 202, 106)}, {"Rule3", CRect(17, 109, 101, 124)},
        {"CanPeek", CRect(105, 29, 169, 44)},
    };
    std::vector<SkinFixtureCall> calls = skin.CallsOf(kSkinDrawImage);
    ASSERT_EQ(sizeof images / sizeof images[0], calls.size());
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_STREQ(images[i].name, calls[i].name) << i;
        EXPECT_EQ(images[i].rect, CWnd::FromRECT(calls[i].rect)) << i;
    }
}

TEST_F(JoinTableTest, PaintsScoreLinesTitlesAndTheLimitInScoreMode) {
    tagKWP_PLAYER_LIST_DATA_EXTRA a = Player(1001, "A", 10, -35, 10);
    tagKWP_PLAYER_LIST_DATA_EXTRA b = Player(1002, "B", 10, 7, 23);
    CPT_MapInerface::AddNewPlayerToMap(&a);
    CPT_MapInerface::AddNewPlayerToMap(&b);
    CPartyDlg_DlgInerface::SetJNScoreLooby(false);
    CPartyDlg_DlgInerface::SetMultiplelmt(200);
    tagKWP_TABLE_LIST_DATA table = MakeTable(123, 1001, 1002, 0);
    table.bHavePassword = 1;
    table.uiScore = 1005;
    Show(JTAT_TABLE_3, table);
    skin.Reset();

    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);
    EXPECT_TRUE(drawn.FindText("Score-35"));
    EXPECT_TRUE(drawn.FindText("Score7"));
    EXPECT_TRUE(drawn.FindText("L10"));
    EXPECT_TRUE(drawn.FindText("Named23Lon")) << "cut to its 11-byte slot";
    EXPECT_TRUE(drawn.FindText("Empty"));
    const DrawnText* limit = drawn.FindText("200");
    ASSERT_TRUE(limit);
    EXPECT_EQ(RGB(255, 0, 0), limit->colour);
    EXPECT_EQ(nullptr, drawn.FindText(kGbkAddStick));

    std::vector<SkinFixtureCall> calls = skin.CallsOf(kSkinDrawImage);
    std::vector<std::string> names;
    for (const SkinFixtureCall& c : calls) names.push_back(c.name);
    EXPECT_EQ((std::vector<std::string>{"Num1", "Num2", "Num3", "HavePassWord", "Num0", "Num0", "Num0", "Num0",
                                        "Num1", "Num0", "Num0", "Num5", "NoRule", "NoPeek", "Score"}),
              names);
    EXPECT_EQ(CRect(72, 70, 83, 86), CWnd::FromRECT(calls[8].rect)) << "four digits fill all four places";
    EXPECT_EQ(CRect(118, 91, 202, 106), CWnd::FromRECT(calls[12].rect));
    EXPECT_EQ(CRect(120, 69, 164, 92), CWnd::FromRECT(calls.back().rect));
}

TEST_F(JoinTableTest, ReservedSeatsAloneShowNoSeatLinesAndTheMessageTypeShowsTwoTexts) {
    Show(JTAT_JOIN, MakeTable(5, 100, 3, 0));
    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);
    EXPECT_EQ(nullptr, drawn.FindText("Reserved"));
    EXPECT_EQ(nullptr, drawn.FindText("Empty"));

    Show(JTAT_JOIN, MakeTable(5, 100, 3, 1001));
    drawn = MetafileRecording::RenderWindow(dialog);
    EXPECT_TRUE(drawn.FindText("Reserved"));
    EXPECT_TRUE(drawn.FindText("% % %"));

    Show(JTAT_MESSAGE, MakeTable(5, 100, 3, 1001));
    skin.Reset();
    drawn = MetafileRecording::RenderWindow(dialog);
    const DrawnText* one = drawn.FindText("Message one");
    const DrawnText* two = drawn.FindText("Message 100%");
    ASSERT_TRUE(one);
    ASSERT_TRUE(two);
    EXPECT_EQ(192, one->at.y);
    EXPECT_EQ(212, two->at.y);
    EXPECT_GT(one->at.x, 20);
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
    CPartyDlg_DlgInerface::SetJNScoreLooby(false);
    COLORREF score = sample();
    EXPECT_GT(GetBValue(score), GetRValue(score)) << "the blue score background";
    CPartyDlg_DlgInerface::SetJNScoreLooby(true);
    EXPECT_EQ(score, sample()) << "it stays";

    MetafileRecording drawn = MetafileRecording::RenderWindow(panel);
    ASSERT_EQ(1u, drawn.pictures.size());
    EXPECT_EQ(CRect(0, 0, 199, 146), drawn.pictures[0].dest);
}

