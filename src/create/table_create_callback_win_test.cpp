// The classic create-table dialog with a host that calls back: from inside
// its 1225 handler, and from the activation and focus messages the dialog's
// own show, hide and destroy send the host's window. Whatever the host calls
// there, the dialog sends what the user's action and the host's calls
// warrant, once, and ends in the state the host's last call asked for.
#include "create/table_create_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "callback_host.h"
#include "join_table_test_support.h"
#include "res/create_classic_ids.h"

namespace {

typedef CPartyDlg_DlgInerface Party;
typedef std::vector<WPARAM> Codes;

const WPARAM k34 = LOBBYUI_CREATE_TABLE_REQUEST;
const WPARAM k37 = LOBBYUI_CREATE_TABLE_CLOSED;

void Tick(HWND dialog, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) ::SendMessageA(dialog, WM_TIMER, CTableCreate::kTimeoutTimer, 0);
}

// The ways a user or the host ends a show for the first time.
struct Way {
    const char* name;
    WPARAM code;
    void (*go)(HWND dialog);
};
const Way kWays[] = {
    {"create", k34, [](HWND d) { Click(d, IDC_TC_CREATE); }},
    {"cancel", k37, [](HWND d) { Click(d, IDC_TC_CANCEL); }},
    {"close box", k37, [](HWND d) { ::SendMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"WM_CLOSE", k37, [](HWND d) { ::SendMessageA(d, WM_CLOSE, 0, 0); }},
    {"Escape", k37, [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }},
    {"Enter", k37, [](HWND d) { ::SendMessageA(d, WM_COMMAND, IDOK, 0); }},
    {"HideCTDlg", k37, [](HWND) { Party::HideCTDlg(); }},
    {"time-out", k37, [](HWND d) { Tick(d, 180); }},
};

// Where the host ended: how many reports, whether a dialog is there and on
// screen, and the party-button lock.
struct End {
    Codes codes;
    bool exists;
    bool visible;
    unsigned char lock;
};

class ClassicCreateCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ProcessHeapsValid());
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", "26,Empty name\r\n27,Clean name\r\n");
        ::ShowWindow(host.hwnd(), SW_SHOW);
        Record();
        memset(&defaults, 0, sizeof defaults);
        defaults.uiScoreMask = 1u << 3;
    }
    void TearDown() override {
        host.StopObserving();
        Party::DestroyCTDlg();
        Party::SetIfPartyBtnLock(0);
        EXPECT_TRUE(ProcessHeapsValid());
    }

    // The host's 1225 handler: records the code, then runs `inside` once.
    void Record(std::function<void()> inside = nullptr) {
        pending = std::move(inside);
        host.Answer(LOBBYUI_MSG_CREATE_TABLE, [this](WPARAM code, LPARAM) -> LRESULT {
            codes.push_back(code);
            RunPendingOnce();
            return 0;
        });
    }
    // A system message of the host's window that runs `inside` once.
    void ObserveOnce(UINT msg, std::function<void()> inside) {
        pending = std::move(inside);
        host.Observe(msg, [this](WPARAM, LPARAM) {
            if (pending) {
                ++calledBackFromSystem;
                if (!codes.empty()) ++calledBackAfterReport;
            }
            RunPendingOnce();
        });
    }
    void RunPendingOnce() {
        if (!pending) return;
        std::function<void()> run = std::move(pending);
        pending = nullptr;
        ran = true;
        ++calledBack;
        run();
    }

    // A fresh dialog, shown over an active host that has the focus.
    void Start() {
        Party::CreateCTDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_TC_CREATE);
        ASSERT_TRUE(dialog);
        ::SetActiveWindow(host.hwnd());
        ::SetFocus(host.hwnd());
        Show();
        ASSERT_TRUE(::IsWindowVisible(dialog));
        codes.clear();
        ran = false;
    }
    void Show() { Party::ShowCTDlg(&defaults, 101); }
    HWND Current() const { return FindOwnedDialog(host.hwnd(), IDC_TC_CREATE); }

    void HostCalls(HostCall call) {
        switch (call) {
        case HostCall::kHide: Party::HideCTDlg(); break;
        case HostCall::kDestroy: Party::DestroyCTDlg(); break;
        case HostCall::kRecreate:
            Party::DestroyCTDlg();
            Party::CreateCTDlg(host.wnd());
            Show();
            break;
        case HostCall::kShowAgain: Show(); break;
        case HostCall::kGetters:
            lockInside = Party::GetIfPartyBtnLock();
            visibleInside = ::IsWindowVisible(dialog) != FALSE;
            break;
        case HostCall::kPressAgain:
            Click(dialog, IDC_TC_CREATE);
            Click(dialog, IDC_TC_CANCEL);
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            ::SendMessageA(dialog, WM_CLOSE, 0, 0);
            ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case HostCall::kNestedPump:
            // What a message box's loop would hand the dialog meanwhile.
            Tick(dialog, 10);
            ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            Click(dialog, IDC_TC_CREATE);
            ::SendMessageA(dialog, WM_CLOSE, 0, 0);
            PumpMessages();
            Tick(dialog, 10);
            break;
        }
    }

    // Checks where the host ended: `called` when the host's call ran,
    // `alone` when the window manager sent the host no activation this time
    // (another program on the display may hold it). A dialog left on screen
    // still owes its report and closes itself after its 180 ticks.
    void Expect(const End& called, const End& alone) {
        const End& end = ran ? called : alone;
        EXPECT_EQ(end.codes, codes) << (ran ? "called back" : "not called back");
        HWND now = Current();
        EXPECT_EQ(end.exists, now != nullptr);
        EXPECT_EQ(end.visible, now && ::IsWindowVisible(now));
        EXPECT_EQ(end.lock, Party::GetIfPartyBtnLock());
        EXPECT_TRUE(ProcessHeapsValid());
        if (!end.visible || !now) return;
        codes.clear();
        Tick(now, 179);
        EXPECT_TRUE(codes.empty()) << "closed before its time";
        Tick(now, 1);
        EXPECT_EQ(Codes{k37}, codes) << "no time-out running";
        EXPECT_FALSE(::IsWindowVisible(now));
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    }

    void Finish() {
        host.StopObserving();
        Record();
        Party::DestroyCTDlg();
        Party::SetIfPartyBtnLock(0);
    }

    ScratchDirectory scratch;
    HostWindow host{100, 50, 800, 600};
    HWND dialog = nullptr;
    tagKWP_TABLE_SET_DEFAULT defaults;
    Codes codes;
    std::function<void()> pending;
    bool ran = false;
    int calledBack = 0;
    int calledBackFromSystem = 0;   // of those, from the system message
    int calledBackAfterReport = 0;  // and of those, after a 1225 came
    unsigned char lockInside = 0xFF;
    bool visibleInside = true;
};

// After a hide, a report or a destroy, the host's call is what decides.
End AfterTheDialogEnded(HostCall call, Codes codes) {
    const End hidden = {codes, true, false, 0};
    const End shown = {codes, true, true, 1};
    return AfterHostCall(call, hidden, true, {hidden, {codes, false, false, 0}, shown, shown});
}

}  // namespace

TEST_F(ClassicCreateCallbackTest, InsideTheReportTheDialogHasEndedAndTheHostsCallStands) {
    ForEveryRowAndCall(kWays, [&](const Way& way, HostCall call) {
        Start();
        Record([this, call] { HostCalls(call); });
        lockInside = 0xFF;
        way.go(dialog);
        EXPECT_TRUE(ran);
        Expect(AfterTheDialogEnded(call, {way.code}), {});
        if (call == HostCall::kGetters) {
            EXPECT_EQ(0, lockInside);
            EXPECT_FALSE(visibleInside);
        }
        Finish();
    });
}

TEST_F(ClassicCreateCallbackTest, CallsFromTheActivationOfTheDialogsHideComeBeforeItsReportAndStand) {
    for (UINT event : {WM_ACTIVATE, WM_SETFOCUS}) {
        for (const Way& way : kWays) {
            for (HostCall call : kEveryHostCall) {
                SCOPED_TRACE(CaseTrace(event, way.name, call));
                Start();
                ObserveOnce(event, [this, call] { HostCalls(call); });
                lockInside = 0xFF;
                way.go(dialog);
                Expect(AfterTheDialogEnded(call, {way.code}), {{way.code}, true, false, 0});
                if (call == HostCall::kGetters && ran) {
                    EXPECT_EQ(0, lockInside);
                    EXPECT_FALSE(visibleInside);
                }
                Finish();
            }
        }
    }
    EXPECT_GE(calledBack, 56) << "the host hears too few activations to tell";
    // The hide comes first: each call ran from the activation, none after
    // the report.
    EXPECT_EQ(calledBack, calledBackFromSystem);
    EXPECT_EQ(0, calledBackAfterReport);
}

TEST_F(ClassicCreateCallbackTest, CallsFromTheActivationOfTheDialogsShowFindTheShowUnderWay) {
    for (UINT event : {WM_ACTIVATE, WM_KILLFOCUS, WM_NCACTIVATE}) {
        for (HostCall call : kEveryHostCall) {
            SCOPED_TRACE(CaseTrace(event, "show", call));
            Party::CreateCTDlg(host.wnd());
            dialog = Current();
            ASSERT_TRUE(dialog);
            ::SetActiveWindow(host.hwnd());
            ::SetFocus(host.hwnd());
            codes.clear();
            ran = false;
            lockInside = 0xFF;
            ObserveOnce(event, [this, call] { HostCalls(call); });
            Show();
            // The show is already the host's to end: the lock is up, and a
            // press or a cancel reports as on any shown dialog.
            End end = {{}, true, true, 1};
            switch (call) {
            case HostCall::kHide: end = {{k37}, true, false, 0}; break;
            case HostCall::kDestroy: end = {{}, false, false, 0}; break;
            case HostCall::kPressAgain: end = {{k34}, true, false, 0}; break;
            case HostCall::kNestedPump: end = {{k37}, true, false, 0}; break;
            default: break;
            }
            Expect(end, {{}, true, true, 1});
            if (call == HostCall::kGetters && ran) {
                EXPECT_EQ(1, lockInside);
            }
            Finish();
        }
    }
    EXPECT_GE(calledBack, 10) << "the host hears too few activations to tell";
}

TEST_F(ClassicCreateCallbackTest, CallsFromTheActivationOfTheDialogsDestructionFindItGoneAndUnlocked) {
    for (UINT event : {WM_ACTIVATE, WM_SETFOCUS}) {
        for (HostCall call : kEveryHostCall) {
            SCOPED_TRACE(CaseTrace(event, "DestroyCTDlg", call));
            Start();
            ObserveOnce(event, [this, call] { HostCalls(call); });
            lockInside = 0xFF;
            Party::DestroyCTDlg();
            // Only a dialog the host made anew is there; the destroyed one
            // reports nothing, not even to a host pressing its buttons.
            const End gone = {{}, false, false, 0};
            Expect(call == HostCall::kRecreate ? End{{}, true, true, 1} : gone, gone);
            if (call == HostCall::kGetters && ran) {
                EXPECT_EQ(0, lockInside);
            }
            Finish();
        }
    }
    EXPECT_GE(calledBack, 7) << "the host hears too few activations to tell";
}

TEST_F(ClassicCreateCallbackTest, ADialogDestroyedWhileShownDropsItsLockAndSendsNothing) {
    const struct {
        const char* name;
        void (*destroy)(HWND dialog, HostWindow& parent);
    } ways[] = {
        {"DestroyCTDlg", [](HWND, HostWindow&) { Party::DestroyCTDlg(); }},
        {"its window destroyed", [](HWND d, HostWindow&) { ::DestroyWindow(d); }},
        {"with its parent", [](HWND, HostWindow& parent) { ::DestroyWindow(parent.hwnd()); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        HostWindow parent(100, 50, 800, 600);
        std::vector<WPARAM> sent;
        parent.Answer(LOBBYUI_MSG_CREATE_TABLE, [&sent](WPARAM code, LPARAM) -> LRESULT {
            sent.push_back(code);
            return 0;
        });
        ::ShowWindow(parent.hwnd(), SW_SHOW);
        Party::CreateCTDlg(parent.wnd());
        HWND d = FindOwnedDialog(parent.hwnd(), IDC_TC_CREATE);
        ASSERT_TRUE(d);
        Show();
        ASSERT_EQ(1, Party::GetIfPartyBtnLock());
        way.destroy(d, parent);
        EXPECT_FALSE(::IsWindow(d));
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        EXPECT_TRUE(sent.empty());
        // A dialog whose window went cannot be shown or raise the lock again.
        Show();
        Party::HideCTDlg();
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        Party::DestroyCTDlg();
        EXPECT_TRUE(ProcessHeapsValid());
    }
}
