// A host that calls back into the join-table dialog from inside what it
// receives: the dialog's own messages (1226 join and closed, 1227 searches)
// and the activation and focus messages the dialog's show, close and destroy
// cause in the host's window. Whatever the host does there stands, a closed
// dialog reports nothing more, and the heap stays whole.
#include "join/join_table_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "callback_host.h"
#include "join_table_test_support.h"
#include "res/join_ids.h"
#include "room_test_records.h"

namespace {

typedef CPartyDlg_DlgInerface Party;

// How the user's action reaches the dialog.
struct Trigger {
    const char* name;
    UINT msg;
    WPARAM code;
    bool closes;  // the action ends the show
    void (*press)(HWND dialog);
};

void PressJoin(HWND d) { Click(d, IDC_JT_JOIN); }
void PressClose(HWND d) { Click(d, IDC_JT_CLOSE); }
void PressEscape(HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }
void PressSystemClose(HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }
void PressSearch1(HWND d) { Click(d, IDC_JT_SEARCH1); }
void PressSearch2(HWND d) { Click(d, IDC_JT_SEARCH2); }

const Trigger kTriggers[] = {
    {"join", LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_JOIN, true, &PressJoin},
    {"close button", LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED, true, &PressClose},
    {"Escape", LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED, true, &PressEscape},
    {"system close", LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED, true, &PressSystemClose},
    {"host search 1", LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY, false, &PressSearch1},
    {"host search 2", LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY, false, &PressSearch2},
    {"panel finds, first", LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_FIRST_FOUND, false, &PressSearch1},
    {"panel finds, second", LOBBYUI_MSG_PARTNER_SEARCH, LOBBYUI_PARTNER_SEARCH_SECOND_FOUND, false, &PressSearch2},
};

// What the host can see of the dialog.
struct Seen {
    bool exists;
    bool visible;
    int lock;
    unsigned short focus;
    bool operator==(const Seen& o) const {
        return exists == o.exists && visible == o.visible && lock == o.lock && focus == o.focus;
    }
};
std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << (s.exists ? (s.visible ? "shown" : "hidden") : "gone") << ", lock " << s.lock << ", focus table "
               << s.focus;
}

const Seen kShown7 = {true, true, 1, 7};
const Seen kShown8 = {true, true, 1, 8};
const Seen kClosed = {true, false, 0, 0};
const Seen kGone = {false, false, 0, 0};
const CallOutcomes<Seen> kOutcomes = {kClosed, kGone, kShown8, kShown8};

class JoinTableCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", JoinTestTextTable());
        tagKWP_ALL_TABLE_INFO batch = {};
        batch.stTable[0] = MakeTable(12, 101);
        CPT_MapInerface::InitArray(&batch);
        ::ShowWindow(host.hwnd(), SW_SHOW);
        ASSERT_TRUE(ProcessHeapsValid());
    }
    void TearDown() override {
        host.StopObserving();
        Party::DestroyJTDlg();
        Party::SetIfPartyBtnLock(0);
        CPT_MapInerface::SetTableArrayIsEmpty();
        CPT_MapInerface::SetTableBufEmpty();
        EXPECT_TRUE(ProcessHeapsValid());
    }

    HWND Dialog() const { return FindOwnedDialog(host.hwnd(), IDC_JT_JOIN); }
    Seen Now() const {
        HWND d = Dialog();
        return {d != nullptr, d && ::IsWindowVisible(d), Party::GetIfPartyBtnLock(), Party::GetJTFocusTableIndx()};
    }
    // A fresh dialog, the host active with the keyboard, nothing received.
    void Fresh() {
        host.StopObserving();
        for (UINT msg : {LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_MSG_PARTNER_SEARCH}) {
            host.Answer(msg, [](WPARAM, LPARAM) -> LRESULT { return 0; });
        }
        Party::DestroyJTDlg();
        Party::SetIfPartyBtnLock(0);
        Party::CreateJTDlg(host.wnd());
        ActivateHost(host.hwnd());
        host.Clear();
    }
    void ShowTable(unsigned short number) {
        tagKWP_TABLE_LIST_DATA table = MakeTable(number, 101);
        Party::ShowJTDlg(JTAT_JOIN, &table);
    }
    // Sets the dialog up so that the trigger sends what it names.
    void Prepare(const Trigger& t) {
        ShowTable(7);
        if (t.code == LOBBYUI_PARTNER_SEARCH_FIRST_FOUND || t.code == LOBBYUI_PARTNER_SEARCH_SECOND_FOUND) {
            HWND d = Dialog();
            Click(d, IDC_JT_ARROW_OUT);
            ::SetWindowTextA(::GetDlgItem(FindOwnedDialog(d, IDC_JTE_TABLE_NUM), IDC_JTE_TABLE_NUM), "12");
        }
        host.Clear();
    }
    // The host's call. pressAgain repeats the user's action on the dialog
    // as it is now.
    void Call(HostCall call, const std::function<void()>& pressAgain, bool closers) {
        switch (call) {
        case HostCall::kHide: Party::HideJTDlg(); break;
        case HostCall::kDestroy: Party::DestroyJTDlg(); break;
        case HostCall::kRecreate:
            Party::DestroyJTDlg();
            Party::CreateJTDlg(host.wnd());
            ShowTable(8);
            break;
        case HostCall::kShowAgain: ShowTable(8); break;
        case HostCall::kGetters: seenInside.push_back(Now()); break;
        case HostCall::kPressAgain: pressAgain(); break;
        case HostCall::kNestedPump: {
            HWND d = Dialog();
            for (UINT_PTR tick = 1; tick <= 3 && d; ++tick) ::SendMessageA(d, WM_TIMER, tick, 0);
            pressAgain();
            d = Dialog();
            if (closers && d) {
                for (void (*press)(HWND) : {&PressJoin, &PressClose, &PressEscape}) press(d);
                ::SendMessageA(d, WM_COMMAND, IDOK, 0);
                ::SendMessageA(d, WM_CLOSE, 0, 0);
            }
            PumpMessages();
            break;
        }
        }
    }
    size_t CountOf(UINT msg) const { return host.ReceivedOf(msg).size(); }

    ScratchDirectory scratch;
    HostWindow host{100, 50, 800, 600};
    std::vector<Seen> seenInside;
};

}  // namespace

// Inside the dialog's own message the dialog already is what the message
// says; the host's call then stands, and the user's one action is reported
// once (a search pressed again is a second search).
TEST_F(JoinTableCallbackTest, AHostCallingBackInsideTheDialogsMessagesHasTheLastWord) {
    ForEveryRowAndCall(kTriggers, [&](const Trigger& t, HostCall call) {
        Fresh();
        Prepare(t);
        seenInside.clear();
        // Once: a host that repeated itself on every message would
        // itself never end.
        CallBackFromReport(
            host, t.msg, [&] { Call(call, [&] { if (Dialog()) t.press(Dialog()); }, t.closes); },
            [&] { t.press(Dialog()); });

        std::vector<ReceivedMessage> sent = host.ReceivedOf(t.msg);
        const size_t expected = 1 + (!t.closes && PressesAgain(call) ? 1 : 0);
        EXPECT_EQ(expected, sent.size());
        for (const ReceivedMessage& m : sent) {
            EXPECT_EQ(t.code, m.wParam);
            EXPECT_EQ(t.code == LOBBYUI_JOIN_TABLE_JOIN ? 7 : 0, m.lParam);
        }
        EXPECT_EQ(sent.size(), host.received().size()) << "no other message";

        const Seen after = t.closes ? kClosed : kShown7;
        if (call == HostCall::kGetters) {
            EXPECT_EQ(std::vector<Seen>(1, after), seenInside) << "what the host reads inside";
        }
        EXPECT_EQ(AfterHostCall(call, after, true, kOutcomes), Now());
        ASSERT_TRUE(ProcessHeapsValid());
    });
}

// A locked table's join opens the password dialog as its one report, and
// shows it before the join dialog goes: no activation or focus message
// reaches the lobby in between, so no host call can come between the two
// and the lock is never seen down. A join dialog made without a parent hands
// over all the same. The host's own HideJTDlg then drops the lock, whoever
// raised it.
TEST_F(JoinTableCallbackTest, JoiningALockedTableHandsOverToThePasswordDialogWithoutLettingTheHostIn) {
    tagKWP_TABLE_LIST_DATA locked = MakeTable(42, 101);
    locked.bHavePassword = 1;
    for (bool parentless : {false, true}) {
        for (UINT msg : kActivationAndFocus) {
            SCOPED_TRACE(std::string(parentless ? "without a parent / " : "under the host / ") + NameOfSystemMessage(msg));
            Fresh();
            if (parentless) {
                Party::DestroyJTDlg();
                Party::CreateJTDlg(nullptr);
            }
            Party::CreatePWDlg(host.wnd());
            HWND join = FindOwnedDialog(parentless ? nullptr : host.hwnd(), IDC_JT_JOIN);
            HWND password = FindOwnedDialog(host.hwnd(), IDC_PW_EDIT);
            ASSERT_TRUE(join && password);
            Party::ShowJTDlg(JTAT_JOIN, &locked);
            PumpMessages();
            ASSERT_EQ(join, ::GetActiveWindow());
            const bool called = CallBackFromSystemMessage({&host}, msg, [&] { Party::DestroyJTDlg(); },
                                                          [&] { PressJoin(join); });
            EXPECT_FALSE(called) << "the lobby heard of the hand-over";
            EXPECT_TRUE(host.received().empty()) << "the password dialog speaks for the join";
            EXPECT_FALSE(::IsWindowVisible(join));
            EXPECT_TRUE(::IsWindowVisible(password));
            EXPECT_EQ(password, ::GetActiveWindow());
            EXPECT_EQ(1, Party::GetIfPartyBtnLock());

            Party::HideJTDlg();
            EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "HideJTDlg";
            Party::DestroyPWDlg();
            ASSERT_TRUE(ProcessHeapsValid());
        }
    }
}

// The same calls made from the activation and focus messages that showing,
// closing and destroying the dialog send the host's window.
TEST_F(JoinTableCallbackTest, AHostCallingBackFromActivationAndFocusHasTheLastWord) {
    enum Phase { kShow, kClose, kDestroyPhase };
    const char* const phaseNames[] = {"show", "close", "destroy"};
    int firedCases = 0;
    ForEveryMessageActAndCall({kShow, kClose, kDestroyPhase}, phaseNames, [&](UINT event, Phase phase, HostCall call) {
        Fresh();
        if (phase != kShow) ShowTable(7);
        PumpMessages();
        host.Clear();
        seenInside.clear();
        const bool fired = CallBackFromSystemMessage(
            {&host}, event, [&] { Call(call, [&] { if (Dialog()) PressClose(Dialog()); }, true); },
            [&] {
                if (phase == kShow) ShowTable(7);
                if (phase == kClose) PressClose(Dialog());
                if (phase == kDestroyPhase) Party::DestroyJTDlg();
            });

        Seen natural = phase == kShow ? kShown7 : phase == kClose ? kClosed : kGone;
        size_t messages = phase == kClose ? 1 : 0;
        Seen expectedEnd = natural;
        if (fired) {
            ++firedCases;
            expectedEnd = AfterHostCall(call, natural, phase != kDestroyPhase, kOutcomes);
            if (PressesAgain(call) && phase == kShow) {
                expectedEnd = kClosed;
                messages = 1;
            }
        }
        EXPECT_EQ(expectedEnd, Now()) << (fired ? "called back" : "not called back");
        EXPECT_EQ(messages, CountOf(LOBBYUI_MSG_JOIN_TABLE));
        for (const ReceivedMessage& m : host.received()) EXPECT_EQ(LOBBYUI_JOIN_TABLE_CLOSED, m.wParam);
        ASSERT_TRUE(ProcessHeapsValid());
    });
    EXPECT_GE(firedCases, 5 * 7) << "the host hears the show, the close and the destroy";
}

// Destroyed while shown, by the host or with its parent: the lock the show
// raised drops and nothing is reported.
TEST_F(JoinTableCallbackTest, ADialogDestroyedWhileShownDropsTheLockAndSaysNothing) {
    Fresh();
    ShowTable(7);
    ASSERT_EQ(1, Party::GetIfPartyBtnLock());
    Party::DestroyJTDlg();
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "DestroyJTDlg";

    HostWindow parent(0, 0, 300, 200);
    Party::CreateJTDlg(parent.wnd());
    ShowTable(7);
    ASSERT_EQ(1, Party::GetIfPartyBtnLock());
    ::DestroyWindow(parent.hwnd());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "with its parent";
    EXPECT_TRUE(host.received().empty() && parent.received().empty());
    Party::ShowJTDlg(JTAT_JOIN, nullptr);
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "a dialog without its window shows nothing";
    Party::DestroyJTDlg();

    // Hidden, it holds nothing: destroying it leaves a lock the host raised.
    Party::CreateJTDlg(host.wnd());
    ShowTable(7);
    Party::HideJTDlg();
    Party::SetIfPartyBtnLock(1);
    Party::DestroyJTDlg();
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
}
