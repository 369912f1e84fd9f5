// A host that calls back into the password dialog from inside 1228 and from
// the activation and focus messages that the dialog's show, close and destroy
// cause in the host's window: the password goes out once per show, whatever
// the host does there stands, and the heap stays whole.
#include "join/password_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "callback_host.h"
#include "dialog_controls.h"
#include "res/join_ids.h"

namespace {

typedef CPartyDlg_DlgInerface Party;

void Confirm(HWND d) { Click(d, IDC_PW_OK); }
void Enter(HWND d) { ::SendMessageA(d, WM_COMMAND, IDOK, 0); }
void Escape(HWND d) { ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0); }

struct Seen {
    bool exists;
    bool visible;
    int lock;
    bool operator==(const Seen& o) const { return exists == o.exists && visible == o.visible && lock == o.lock; }
};
std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << (s.exists ? (s.visible ? "shown" : "hidden") : "gone") << ", lock " << s.lock;
}
const Seen kShown = {true, true, 1};
const Seen kHidden = {true, false, 0};
const Seen kGone = {false, false, 0};
const CallOutcomes<Seen> kOutcomes = {kHidden, kGone, kShown, kShown};

enum Phase { kShow, kConfirm, kCancel, kCloseBox, kDestroyPhase };

class PasswordCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.CaptureRecord(LOBBYUI_MSG_PASSWORD, 64);
        ::ShowWindow(host.hwnd(), SW_SHOW);
        ASSERT_TRUE(ProcessHeapsValid());
    }
    void TearDown() override {
        host.StopObserving();
        Party::DestroyPWDlg();
        Party::SetIfPartyBtnLock(0);
        EXPECT_TRUE(ProcessHeapsValid());
    }

    HWND Dialog() const { return FindOwnedDialog(host.hwnd(), IDC_PW_EDIT); }
    Seen Now() const {
        HWND d = Dialog();
        return {d != nullptr, d && ::IsWindowVisible(d), Party::GetIfPartyBtnLock()};
    }
    std::string EditText() const {
        char text[64] = {0};
        if (Dialog()) ::GetWindowTextA(::GetDlgItem(Dialog(), IDC_PW_EDIT), text, sizeof text);
        return text;
    }
    void Fresh() {
        host.StopObserving();
        host.Answer(LOBBYUI_MSG_PASSWORD, [](WPARAM, LPARAM) -> LRESULT { return 0; });
        Party::DestroyPWDlg();
        Party::SetIfPartyBtnLock(0);
        Party::CreatePWDlg(host.wnd());
        ActivateHost(host.hwnd());
        host.Clear();
    }
    void ShowWithText(unsigned short table, const char* text) {
        Party::ShowPWDlg(table);
        ::SetWindowTextA(::GetDlgItem(Dialog(), IDC_PW_EDIT), text);
    }
    void Call(HostCall call, void (*press)(HWND)) {
        switch (call) {
        case HostCall::kHide: Party::HidePWDlg(); break;
        case HostCall::kDestroy: Party::DestroyPWDlg(); break;
        case HostCall::kRecreate:
            Party::DestroyPWDlg();
            Party::CreatePWDlg(host.wnd());
            Party::ShowPWDlg(8);
            break;
        case HostCall::kShowAgain: Party::ShowPWDlg(8); break;
        case HostCall::kGetters: seenInside.push_back(Now()); break;
        case HostCall::kPressAgain:
            if (Dialog()) press(Dialog());
            break;
        case HostCall::kNestedPump:
            if (Dialog()) {
                HWND d = Dialog();
                ::SendMessageA(d, WM_TIMER, 1, 0);
                for (void (*again)(HWND) : {&Confirm, &Enter, &Escape}) {
                    if (::IsWindow(d)) again(d);
                }
                if (::IsWindow(d)) ::SendMessageA(d, WM_CLOSE, 0, 0);
            }
            PumpMessages();
            break;
        }
    }

    // Every phase, event and call; at least minimumFired of them must reach
    // the host.
    void RunActivationCases(int minimumFired);

    HostWindow host{100, 50, 800, 600};
    std::vector<Seen> seenInside;
};

}  // namespace

TEST_F(PasswordCallbackTest, AHostCallingBackInside1228HasTheLastWordAndHearsOnePasswordPerShow) {
    const struct {
        const char* name;
        void (*press)(HWND);
    } triggers[] = {{"confirm", &Confirm}, {"Enter", &Enter}};
    ForEveryRowAndCall(triggers, [&](const auto& t, HostCall call) {
        Fresh();
        ShowWithText(42, "pw");
        seenInside.clear();
        CallBackFromReport(host, LOBBYUI_MSG_PASSWORD, [&] { Call(call, t.press); }, [&] { t.press(Dialog()); });

        std::vector<ReceivedMessage> sent = host.ReceivedOf(LOBBYUI_MSG_PASSWORD);
        ASSERT_EQ(1u, sent.size());
        EXPECT_EQ(42u, sent[0].wParam);
        EXPECT_STREQ("pw", reinterpret_cast<const char*>(sent[0].record.data()));
        EXPECT_EQ(1u, host.received().size());
        if (call == HostCall::kGetters) {
            EXPECT_EQ(std::vector<Seen>(1, kHidden), seenInside) << "what the host reads inside";
        }
        if (call == HostCall::kRecreate || call == HostCall::kShowAgain) {
            EXPECT_EQ("", EditText()) << "a show starts empty";
        }
        EXPECT_EQ(AfterHostCall(call, kHidden, true, kOutcomes), Now());
        ASSERT_TRUE(ProcessHeapsValid());
    });
}

void PasswordCallbackTest::RunActivationCases(int minimumFired) {
    const char* const phaseNames[] = {"show", "confirm", "Escape", "close box", "destroy"};
    int firedCases = 0;
    const std::initializer_list<Phase> phases = {kShow, kConfirm, kCancel, kCloseBox, kDestroyPhase};
    ForEveryMessageActAndCall(phases, phaseNames, [&](UINT event, Phase phase, HostCall call) {
        Fresh();
        if (phase != kShow) ShowWithText(42, "pw");
        PumpMessages();
        host.Clear();
        const bool fired = CallBackFromSystemMessage({&host}, event, [&] { Call(call, &Confirm); }, [&] {
            if (phase == kShow) ShowWithText(42, "pw");
            if (phase == kConfirm) Confirm(Dialog());
            if (phase == kCancel) Escape(Dialog());
            if (phase == kCloseBox) ::SendMessageA(Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
            if (phase == kDestroyPhase) Party::DestroyPWDlg();
        });

        Seen expected = phase == kShow ? kShown : phase == kDestroyPhase ? kGone : kHidden;
        size_t messages = phase == kConfirm ? 1 : 0;
        if (fired) {
            ++firedCases;
            expected = AfterHostCall(call, expected, phase != kDestroyPhase, kOutcomes);
            // A show still owed is confirmed by the host's press.
            if (PressesAgain(call) && phase == kShow) {
                expected = kHidden;
                messages = 1;
            }
        }
        EXPECT_EQ(expected, Now()) << (fired ? "called back" : "not called back");
        EXPECT_EQ(messages, host.ReceivedOf(LOBBYUI_MSG_PASSWORD).size());
        EXPECT_EQ(messages, host.received().size());
        ASSERT_TRUE(ProcessHeapsValid());
    });
    EXPECT_GE(firedCases, minimumFired) << "the host hears the show, the closes and the destroy";
}


// A destroy ends the show before the window starts going, so that a host
// that re-shows a new dialog, or presses the dying one, from the activation
// the destroy causes keeps the lock its show raised and hears nothing.
TEST_F(PasswordCallbackTest, AHostCallingBackFromActivationAndFocusHasTheLastWord) {
    RunActivationCases(6 * 7);
}

TEST_F(PasswordCallbackTest, ADialogDestroyedWhileShownDropsTheLockAndSaysNothing) {
    Fresh();
    ShowWithText(42, "pw");
    Party::DestroyPWDlg();
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "DestroyPWDlg";

    HostWindow parent(0, 0, 300, 200);
    Party::CreatePWDlg(parent.wnd());
    Party::ShowPWDlg(42);
    ASSERT_EQ(1, Party::GetIfPartyBtnLock());
    ::DestroyWindow(parent.hwnd());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "with its parent";
    EXPECT_TRUE(host.received().empty() && parent.received().empty());
    Party::ShowPWDlg(42);
    EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << "a dialog without its window shows nothing";
}
