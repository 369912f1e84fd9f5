// A host that calls back into the player list from inside 1229 (every code,
// including the friend question asked while rows paint and sort) and from
// the focus messages that hiding and destroying the list cause in its
// windows. Whatever the host does there stands, each user action is reported
// once, and the heap stays whole.
#include "join/player_list_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "callback_host.h"
#include "scratch_directory.h"

namespace {

typedef CPartyDlg_DlgInerface Party;

const unsigned int kLocal = 5000;

tagKWP_PLAYER_LIST_DATA_EXTRA Player(unsigned int id, const char* name, unsigned char level) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p;
    memset(&p, 0, sizeof p);
    p.uiPlayerID = id;
    strncpy(p.acNickName, name, sizeof p.acNickName - 1);
    p.ucLevel = level;
    return p;
}

// What the host can see of the list.
struct Seen {
    bool exists;
    bool visible;
    int rows;
    bool operator==(const Seen& o) const { return exists == o.exists && visible == o.visible && rows == o.rows; }
};
std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << (s.exists ? (s.visible ? "shown" : "hidden") : "gone") << ", " << s.rows << " rows";
}
const Seen kHiddenList = {true, false, 0};
const Seen kGoneList = {false, false, 0};
const Seen kRecreatedList = {true, true, 1};  // the local player alone

class PlayerListCallbackTest : public ::testing::Test {
public:
    void SetUp() override {
        ScratchDirectory::Write("STCSV\\PlayerScore_Sim.csv", "10,B:%d\r\n");
        CBaseDataControl::SetGameID(kLocal);
        CBaseDataControl::SetAutoValue(0);
        // The dialog's parent is a window of the host's too: hiding or
        // destroying the list hands it the keyboard.
        ::SetWindowLongA(inner.hwnd(), GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
        ::SetParent(inner.hwnd(), host.hwnd());
        ::SetWindowPos(inner.hwnd(), nullptr, 0, 0, 820, 560, SWP_NOZORDER | SWP_FRAMECHANGED);
        ::ShowWindow(host.hwnd(), SW_SHOW);
        players.reserve(8);
        ASSERT_TRUE(ProcessHeapsValid());
    }
    void TearDown() override {
        host.StopObserving();
        inner.StopObserving();
        Party::DestroyPlayerLBDlg();
        EXPECT_TRUE(ProcessHeapsValid());
    }

    HWND Dialog() const { return ::GetWindow(inner.hwnd(), GW_CHILD); }
    HWND List() const { return Dialog() ? ::GetDlgItem(Dialog(), IDC_PLAYER_LIST) : nullptr; }
    Seen Now() const {
        HWND d = Dialog();
        const bool exists = Party::GetPopupMenuHandle() != nullptr;
        EXPECT_EQ(exists, d != nullptr) << "the facade and the windows agree";
        return {exists, d && ::IsWindowVisible(d), List() ? static_cast<int>(::SendMessageA(List(), LB_GETCOUNT, 0, 0)) : 0};
    }
    // A shown list of the local player and two others, the host answering
    // 1229 with "not a friend" and the keyboard in the list.
    void Fresh() {
        host.StopObserving();
        inner.StopObserving();
        host.Answer(LOBBYUI_MSG_PLAYER_LIST, [](WPARAM, LPARAM) -> LRESULT { return 0; });
        Party::DestroyPlayerLBDlg();
        ThePlayerListState().currentSortCommand = 0;
        players.clear();
        players.push_back(Player(kLocal, "me", 3));
        players.push_back(Player(2, "bob", 5));
        players.push_back(Player(3, "cat", 7));
        players.push_back(Player(4, "dan", 9));  // added by a trigger, not here
        Party::CreatePlayerLBDlg(inner.wnd());
        Party::ShowPlayerLBDlg();
        for (size_t i = 0; i < 3; ++i) Party::AddPlayer(&players[i], 0, 1);
        ::SetForegroundWindow(host.hwnd());
        ::SetFocus(List());
        PumpMessages();
        host.Clear();
    }
    void Call(HostCall call, const std::function<void()>& pressAgain) {
        switch (call) {
        case HostCall::kHide: Party::HidePlayerLBDlg(); break;
        case HostCall::kDestroy: Party::DestroyPlayerLBDlg(); break;
        case HostCall::kRecreate:
            Party::DestroyPlayerLBDlg();
            Party::CreatePlayerLBDlg(inner.wnd());
            Party::ShowPlayerLBDlg();
            Party::AddPlayer(&players[0], 1, 1);
            break;
        case HostCall::kShowAgain: Party::ShowPlayerLBDlg(); break;
        case HostCall::kGetters: seenInside.push_back(Now()); break;
        case HostCall::kPressAgain: pressAgain(); break;
        case HostCall::kNestedPump:
            if (List()) ::SendMessageA(List(), WM_TIMER, 1, 0);
            pressAgain();
            if (List()) ::SendMessageA(List(), WM_RBUTTONUP, 0, MAKELPARAM(20, 43 + 10));
            PumpMessages();
            break;
        }
    }
    size_t Reports(WPARAM code) const {
        size_t n = 0;
        for (const ReceivedMessage& m : host.ReceivedOf(LOBBYUI_MSG_PLAYER_LIST)) n += m.wParam == code ? 1 : 0;
        return n;
    }

    ScratchDirectory scratch;
    HostWindow host{0, 0, 900, 620};
    HostWindow inner{0, 0, 820, 560};
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    std::vector<Seen> seenInside;
};

// How a user's action reaches the host, and the code it arrives with.
struct Trigger {
    const char* name;
    WPARAM code;
    void (*act)(HWND list, PlayerListCallbackTest& test);
};

void Command(HWND list, UINT id) {
    ::SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(20, 43 + 10));  // bob's row
    ::SendMessageA(list, WM_COMMAND, id, 0);
}

const Trigger kCommandTriggers[] = {
    {"query", LOBBYUI_PLAYER_LIST_QUERY_RECORD, [](HWND l, PlayerListCallbackTest&) { Command(l, ID_PLAYER_QUERY); }},
    {"double-click", LOBBYUI_PLAYER_LIST_QUERY_RECORD,
     [](HWND l, PlayerListCallbackTest&) { ::SendMessageA(l, WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, 43 + 10)); }},
    {"invite", LOBBYUI_PLAYER_LIST_INVITE, [](HWND l, PlayerListCallbackTest&) { Command(l, ID_PLAYER_INVITE); }},
    {"whisper", LOBBYUI_PLAYER_LIST_WHISPER, [](HWND l, PlayerListCallbackTest&) { Command(l, ID_PLAYER_WHISPER); }},
    {"befriend", LOBBYUI_PLAYER_LIST_BEFRIEND, [](HWND l, PlayerListCallbackTest&) { Command(l, ID_PLAYER_BEFRIEND); }},
    {"block", LOBBYUI_PLAYER_LIST_BLOCK, [](HWND l, PlayerListCallbackTest&) { Command(l, ID_PLAYER_BLOCK); }},
};

}  // namespace

// Menu commands and the double-click: one report per press, the list as the
// host's call left it.
TEST_F(PlayerListCallbackTest, AHostCallingBackInsideAMenuReportHasTheLastWord) {
    ForEveryRowAndCall(kCommandTriggers, [&](const Trigger& t, HostCall call) {
        Fresh();
        seenInside.clear();
        CallBackFromReport(
            host, LOBBYUI_MSG_PLAYER_LIST, [&] { Call(call, [&] { if (List()) t.act(List(), *this); }); },
            [&] { t.act(List(), *this); }, [&](WPARAM code) { return code == t.code; });

        EXPECT_EQ(PressesAgain(call) ? 2u : 1u, Reports(t.code));
        const Seen natural = {true, true, 3};
        if (call == HostCall::kGetters) {
            EXPECT_EQ(std::vector<Seen>(1, natural), seenInside);
        }
        EXPECT_EQ(AfterHostCall(call, natural, true, {kHiddenList, kGoneList, natural, kRecreatedList}), Now());
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        ASSERT_TRUE(ProcessHeapsValid());
    });
}

// The friend question (code 4) comes while a row paints, while a sort
// command re-sorts the rows, and while a friend-sorted list places a new
// player: a host that answers it by changing the list keeps what it did.
TEST_F(PlayerListCallbackTest, AHostCallingBackWhileTheListAsksAboutAFriendHasTheLastWord) {
    const struct {
        const char* name;
        int added;  // rows the action adds
        void (*act)(PlayerListCallbackTest& test);
    } triggers[] = {
        {"painting", 0,
         [](PlayerListCallbackTest& t) {
             ::InvalidateRect(t.List(), nullptr, TRUE);
             ::UpdateWindow(t.List());
         }},
        {"friend sort", 0, [](PlayerListCallbackTest& t) { ::SendMessageA(t.Dialog(), WM_COMMAND, ID_SORT_BY_FRIEND, 0); }},
        // The list box redraws the rows whose selection changed from inside
        // its own handling of the press, and reads its rows again after.
        {"click on a row", 0,
         [](PlayerListCallbackTest& t) {
             const LPARAM bob = MAKELPARAM(20, 43 + 10);
             ::SendMessageA(t.List(), WM_LBUTTONDOWN, MK_LBUTTON, bob);
             if (t.List()) ::SendMessageA(t.List(), WM_LBUTTONUP, 0, bob);
         }},
        {"sorted add", 1,
         [](PlayerListCallbackTest& t) {
             ThePlayerListState().currentSortCommand = ID_SORT_BY_FRIEND;
             Party::AddPlayer(&t.players[3], 0, 1);
         }},
    };
    ForEveryRowAndCall(triggers, [&](const auto& t, HostCall call) {
        Fresh();
        seenInside.clear();
        // Pressing again here is asking for the same thing again.
        CallBackFromReport(
            host, LOBBYUI_MSG_PLAYER_LIST, [&] { Call(call, [&] { if (List()) t.act(*this); }); },
            [&] { t.act(*this); }, [](WPARAM code) { return code == LOBBYUI_PLAYER_LIST_IS_FRIEND; });
        PumpMessages();

        EXPECT_GE(Reports(LOBBYUI_PLAYER_LIST_IS_FRIEND), 1u);
        EXPECT_EQ(Reports(LOBBYUI_PLAYER_LIST_IS_FRIEND), host.received().size()) << "nothing but the question";
        const Seen natural = {true, true, 3 + t.added};
        const Seen expected = AfterHostCall(call, natural, true, {kHiddenList, kGoneList, natural, kRecreatedList});
        EXPECT_EQ(expected.exists, Now().exists);
        EXPECT_EQ(expected.visible, Now().visible);
        // Asked again, an add adds the same record once more.
        if (!PressesAgain(call)) {
            EXPECT_EQ(expected.rows, Now().rows);
        }
        ASSERT_TRUE(ProcessHeapsValid());
    });
}

// Hiding and destroying the list with the keyboard in it may hand the
// keyboard to the host's windows (some systems leave it where it was); a host
// that calls back from there keeps what it did.
TEST_F(PlayerListCallbackTest, AHostCallingBackFromTheFocusTheListHandsOnHasTheLastWord) {
    enum Phase { kHidePhase, kDestroyPhase };
    const char* const phaseNames[] = {"hide", "destroy"};
    ForEveryMessageActAndCall({kHidePhase, kDestroyPhase}, phaseNames, [&](UINT event, Phase phase, HostCall call) {
        Fresh();
        const bool fired = CallBackFromSystemMessage(
            {&inner, &host}, event, [&] { Call(call, [&] { Party::HidePlayerLBDlg(); }); }, [&] {
                if (phase == kHidePhase) Party::HidePlayerLBDlg();
                if (phase == kDestroyPhase) Party::DestroyPlayerLBDlg();
            });

        Seen expected = phase == kHidePhase ? kHiddenList : kGoneList;
        if (fired) {
            expected = AfterHostCall(call, expected, phase == kHidePhase,
                                     {kHiddenList, kGoneList, {true, true, 0}, kRecreatedList});
        }
        EXPECT_EQ(expected, Now()) << (fired ? "called back" : "not called back");
        EXPECT_TRUE(host.received().empty());
        ASSERT_TRUE(ProcessHeapsValid());
    });
}
