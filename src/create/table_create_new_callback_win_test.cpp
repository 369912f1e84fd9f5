// The new create-table dialog with a host that calls back: inside the 1225
// reports (34 created, 37 closed) and inside the activation and focus
// messages that the dialog's own show, hide and destroy cause in the host's
// window. Whatever the host does there stands, each show reports once, and
// the heap stays whole. Ticks are sent by the test; the real timer is stopped.
#include "create/table_create_new_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "callback_host.h"
#include "res/create_new_ids.h"
#include "scratch_directory.h"

namespace {

typedef CPartyDlg_DlgInerface Party;
const UINT kCreate = LOBBYUI_MSG_CREATE_TABLE;
const WPARAM kCreated = LOBBYUI_CREATE_TABLE_REQUEST;
const WPARAM kClosed = LOBBYUI_CREATE_TABLE_CLOSED;

BOOL CALLBACK FindCreateDialog(HWND h, LPARAM p) {
    if (::GetDlgItem(h, IDC_CTN_CREATE) && ::GetDlgItem(h, IDC_CTN_SPECIAL_CARD)) {
        *reinterpret_cast<HWND*>(p) = h;
        return FALSE;
    }
    return TRUE;
}

// What the host does when it is called: presses and pumps one by one.
enum class HostStep {
    None,
    Hide,         // HideCTDlgNew
    Destroy,      // DestroyCTDlgNew
    Recreate,     // DestroyCTDlgNew, CteateCTDlgNew, ShowCTDlgNew
    ShowAgain,    // ShowCTDlgNew
    Getters,      // reads every flag the dialog keeps
    PressCreate,
    PressCancel,
    PressClose,
    PumpTicks,    // a nested loop that dispatches the dialog's ticks
    PumpKeys,     // … and Enter, Escape and WM_CLOSE
};
const HostStep kEveryCall[] = {HostStep::Hide,        HostStep::Destroy,    HostStep::Recreate,
                               HostStep::ShowAgain,   HostStep::Getters,    HostStep::PressCreate,
                               HostStep::PressCancel, HostStep::PressClose, HostStep::PumpTicks,
                               HostStep::PumpKeys};
const char* const kCallNames[] = {"None",        "Hide",        "Destroy",    "Recreate",  "ShowAgain", "Getters",
                                  "PressCreate", "PressCancel", "PressClose", "PumpTicks", "PumpKeys"};
const char* NameOf(HostStep call) { return kCallNames[static_cast<int>(call)]; }

// Where the host's last word leaves the dialog.
enum class Final { Shown, Hidden, Gone };

struct Seen {
    unsigned char partyLock;
    bool createLock;
    bool visible;
    unsigned char lockFlag;
    unsigned short requestNumber;
    std::string savedDefaults;
};

class NewCreateCallbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        EXPECT_TRUE(ProcessHeapsValid());
        given = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr, nullptr, nullptr);
        Make();
        memset(&record, 0, sizeof record);
        record.uiScoreMask = (1u << 4) | (1u << 5) | (1u << 6);  // 5, 10, 20
        record.ucScoreIndex = 4;
        record.ucSettingAMin = 1;
        record.ucSettingAMax = 3;
        record.ucSettingADefault = 2;
        record.ucSettingBMin = 4;
        record.ucSettingBMax = 20;
        record.ucSettingBDefault = 8;
        // The report and the first four bytes behind it, as they were during the send.
        host.Answer(kCreate, [this](WPARAM code, LPARAM data) {
            if (code == kCreated && data) memcpy(&lastRequest, reinterpret_cast<const void*>(data), sizeof lastRequest);
            if (code == kClosed && data) memcpy(lastBlock, reinterpret_cast<const void*>(data), sizeof lastBlock);
            if (code == kClosed && data && scribble) memset(reinterpret_cast<void*>(data), 0x7F, 4);
            if (!armed) return LRESULT(0);
            armed = false;
            Call(call);
            return LRESULT(0);
        });
    }
    void TearDown() override {
        host.StopObserving();
        Party::DestroyCTDlgNew();
        Party::SetIfPartyBtnLock(0);
        Party::SetIsCreatelock(false);
        Party::SetIfMinWin(false);
        Party::SetIsRestore(false);
        TheNewCreateValues() = NewCreateValues();
        if (given) ::DestroyWindow(given);
        EXPECT_TRUE(ProcessHeapsValid());
    }

    // The dialog's window as it is now: the host may have made a new one.
    HWND Dialog() const {
        HWND found = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindCreateDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    void Make() {
        Party::CteateCTDlgNew(CWnd::FromHandle(given));
        // Ticks come from the test alone.
        if (HWND d = Dialog()) ::KillTimer(d, CTableCreateNew::kTimeoutTimer);
    }
    void Show() { Party::ShowCTDlgNew(&record, 150); }
    void Send(UINT msg, WPARAM w) {
        if (HWND d = Dialog()) ::SendMessageA(d, msg, w, 0);
    }
    void Click(int id) {
        HWND d = Dialog();
        if (d) ::SendMessageA(d, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(d, id)));
    }
    void Tick(int times) {
        for (int i = 0; i < times; ++i) Send(WM_TIMER, CTableCreateNew::kTimeoutTimer);
    }
    size_t Reports(WPARAM code) const {
        size_t n = 0;
        for (const ReceivedMessage& m : host.ReceivedOf(kCreate)) n += m.wParam == code;
        return n;
    }
    Seen Read() const {
        return {Party::GetIfPartyBtnLock(), Party::GetIsCreateLock(), Party::IsWindowVisibleCT(),
                Party::GetIfLockCTDlgNew(), Party::GetCTReqNumNew(), ScratchDirectory::Read("Default.sav")};
    }

    void Call(HostStep what) {
        switch (what) {
        case HostStep::None: break;
        case HostStep::Hide: Party::HideCTDlgNew(); break;
        case HostStep::Destroy: Party::DestroyCTDlgNew(); break;
        case HostStep::Recreate:
            Party::DestroyCTDlgNew();
            Make();
            Show();
            break;
        case HostStep::ShowAgain: Show(); break;
        case HostStep::Getters: seenInside.push_back(Read()); break;
        case HostStep::PressCreate: Click(IDC_CTN_CREATE); break;
        case HostStep::PressCancel: Click(IDC_CTN_CANCEL); break;
        case HostStep::PressClose: Click(IDC_CTN_CLOSE); break;
        case HostStep::PumpTicks:
            Tick(200);
            PumpMessages();
            break;
        case HostStep::PumpKeys:
            Send(WM_COMMAND, IDOK);
            Send(WM_COMMAND, IDCANCEL);
            Send(WM_CLOSE, 0);
            PumpMessages();
            break;
        }
    }

    // Checks the state the host's last word asked for. A shown dialog still
    // times out once, so its show is whole.
    void ExpectFinal(Final final, const std::string& where) {
        HWND d = Dialog();
        switch (final) {
        case Final::Gone:
            EXPECT_FALSE(d) << where;
            EXPECT_EQ(0, Party::GetIfLockCTDlgNew()) << where;
            break;
        case Final::Hidden:
            ASSERT_TRUE(d) << where;
            EXPECT_FALSE(::IsWindowVisible(d)) << where;
            break;
        case Final::Shown:
            ASSERT_TRUE(d) << where;
            EXPECT_TRUE(::IsWindowVisible(d)) << where;
            EXPECT_TRUE(Party::IsWindowVisibleCT()) << where;
            break;
        }
        const bool shown = final == Final::Shown;
        EXPECT_EQ(shown ? 1 : 0, Party::GetIfPartyBtnLock()) << where;
        EXPECT_EQ(shown, Party::GetIsCreateLock()) << where;
        EXPECT_TRUE(ProcessHeapsValid()) << where;

        host.StopObserving();
        armed = false;
        const size_t closedBefore = Reports(kClosed);
        Tick(180);
        EXPECT_EQ(closedBefore + (shown ? 1 : 0), Reports(kClosed)) << where << ": the time-out after the host's last word";
        EXPECT_EQ(0, Party::GetIfPartyBtnLock()) << where;
    }

    ScratchDirectory scratch;
    HostWindow host{100, 50, 800, 600};
    HWND given = nullptr;
    tagKWP_TABLE_SET_DEFAULT record;
    HostStep call = HostStep::None;
    bool armed = false;
    bool scribble = false;
    std::vector<Seen> seenInside;
    tagKWP_CREATE_TABLE_REQ lastRequest = {};
    unsigned char lastBlock[4] = {0xEE, 0xEE, 0xEE, 0xEE};
};

// What the host does inside the dialog's report, and where that leaves it.
Final AfterReport(HostStep call) {
    switch (call) {
    case HostStep::Destroy: return Final::Gone;
    case HostStep::Recreate:
    case HostStep::ShowAgain: return Final::Shown;
    default: return Final::Hidden;
    }
}

// How the user or the clock ends a show.
enum class Way { Create, Cancel, CloseBox, TimeOut, TimeOutHiddenByHost, TimeOutMinimised };
struct WayRow {
    Way way;
    const char* name;
    WPARAM code;
};
const WayRow kWays[] = {
    {Way::Create, "create", kCreated},
    {Way::Cancel, "cancel", kClosed},
    {Way::CloseBox, "close box", kClosed},
    {Way::TimeOut, "time-out", kClosed},
    {Way::TimeOutHiddenByHost, "time-out hidden by the host", kClosed},
    {Way::TimeOutMinimised, "time-out minimised", kClosed},
};

}  // namespace

TEST_F(NewCreateCallbackTest, InsideItsReportTheDialogHasEndedItsShowAndWhatTheHostDoesStands) {
    for (const WayRow& row : kWays) {
        for (HostStep what : kEveryCall) {
            const std::string where = std::string(row.name) + " / " + NameOf(what);
            ::DeleteFileA("Default.sav");
            if (!Dialog()) Make();
            host.Clear();
            seenInside.clear();
            Show();
            Party::SetIfLockCTDlgNew(1);
            Party::SetCTReqNumNew(9);
            // The user's choice differs from what a re-show would load.
            Click(IDC_CTN_SCORE_UP);
            if (row.way == Way::TimeOutHiddenByHost) Party::HideAltMCTDlg(false);
            if (row.way == Way::TimeOutMinimised) {
                Party::SetIfMinWin(true);
                // As the system hides a minimised owner's pop-ups.
                ::ShowWindow(Dialog(), SW_HIDE);
            }
            call = what;
            armed = true;
            switch (row.way) {
            case Way::Create: Click(IDC_CTN_CREATE); break;
            case Way::Cancel: Click(IDC_CTN_CANCEL); break;
            case Way::CloseBox: Click(IDC_CTN_CLOSE); break;
            default: Tick(180); break;
            }
            EXPECT_FALSE(armed) << where << ": reported";
            EXPECT_EQ(1u, Reports(row.code)) << where;
            EXPECT_EQ(0u, Reports(row.code == kCreated ? kClosed : kCreated)) << where;
            if (row.code == kCreated) {
                EXPECT_EQ(10u, lastRequest.uiScore) << where;
                EXPECT_EQ(std::string("10\r\r\n2\r\r\n8"), ScratchDirectory::Read("Default.sav"))
                    << where << ": the file holds what was sent";
            }
            if (what == HostStep::Getters) {
                ASSERT_EQ(1u, seenInside.size()) << where;
                const Seen& seen = seenInside[0];
                EXPECT_EQ(0, seen.partyLock) << where;
                EXPECT_FALSE(seen.createLock) << where;
                EXPECT_FALSE(seen.visible) << where;
                if (row.code == kClosed) {
                    EXPECT_EQ(0, seen.lockFlag) << where;
                    EXPECT_EQ(0, seen.requestNumber) << where;
                } else {
                    EXPECT_EQ(std::string("10\r\r\n2\r\r\n8"), seen.savedDefaults) << where << ": saved before the send";
                }
            }
            EXPECT_FALSE(Party::GetIfMinWin()) << where;
            ExpectFinal(AfterReport(what), where);
        }
    }
}

TEST_F(NewCreateCallbackTest, EveryClosedReportCarriesAZeroBlockWhateverTheHostWroteIntoTheLastOne) {
    scribble = true;
    for (int round = 0; round < 2; ++round) {
        Show();
        Click(IDC_CTN_CANCEL);
        EXPECT_EQ(std::vector<unsigned char>(4, 0), std::vector<unsigned char>(lastBlock, lastBlock + 4)) << round;
    }
    EXPECT_EQ(2u, Reports(kClosed));
}

namespace {

// The dialog's own show, hide or destroy, with the host calling back from the
// activation and focus messages that reach its window meanwhile.
enum class Act { Show, Create, Cancel, Hide, Destroy };
struct ActRow {
    Act act;
    const char* name;
    UINT focusMessage;  // a show takes the focus from the host, a way out gives it back
};
const ActRow kActs[] = {{Act::Show, "show", WM_KILLFOCUS},
                        {Act::Create, "create", WM_SETFOCUS},
                        {Act::Cancel, "cancel", WM_SETFOCUS},
                        {Act::Hide, "HideCTDlgNew", WM_SETFOCUS},
                        {Act::Destroy, "DestroyCTDlgNew", WM_SETFOCUS}};
struct Outcome {
    Final final;
    size_t created;
    size_t closed;
};

// Where an act leaves the dialog when the host calls back once from inside it.
Outcome AfterAct(Act act, HostStep call) {
    Outcome alone = {Final::Hidden, 0, 0};
    switch (act) {
    case Act::Show: alone = {Final::Shown, 0, 0}; break;
    case Act::Create: alone = {Final::Hidden, 1, 0}; break;
    case Act::Cancel: alone = {Final::Hidden, 0, 1}; break;
    case Act::Hide: break;
    case Act::Destroy: alone = {Final::Gone, 0, 0}; break;
    }
    Outcome out = alone;
    switch (call) {
    case HostStep::Hide:
        if (act != Act::Destroy) out.final = Final::Hidden;
        break;
    case HostStep::Destroy: out.final = Final::Gone; break;
    case HostStep::Recreate: out.final = Final::Shown; break;
    case HostStep::ShowAgain:
        if (act != Act::Destroy) out.final = Final::Shown;
        break;
    // Only a show still open can end by a press or the clock.
    case HostStep::PressCreate:
        if (act == Act::Show) out = {Final::Hidden, 1, 0};
        break;
    case HostStep::PressCancel:
    case HostStep::PressClose:
    case HostStep::PumpTicks:
        if (act == Act::Show) out = {Final::Hidden, 0, 1};
        break;
    default: break;
    }
    return out;
}

}  // namespace

TEST_F(NewCreateCallbackTest, FromTheActivationAndFocusItsShowHideAndDestroyCauseWhatTheHostDoesStands) {
    ::ShowWindow(host.hwnd(), SW_SHOW);
    for (const ActRow& act : kActs) {
        for (UINT message : {static_cast<UINT>(WM_ACTIVATE), act.focusMessage}) {
            for (HostStep what : kEveryCall) {
                const std::string where =
                    std::string(act.name) + " / " + NameOfSystemMessage(message) + " / " + NameOf(what);
                if (!Dialog()) Make();
                Party::HideCTDlgNew();
                ::SetActiveWindow(host.hwnd());
                ::SetFocus(host.hwnd());
                if (act.act != Act::Show) Show();
                host.Clear();
                seenInside.clear();
                const bool called = CallBackFromSystemMessage({&host}, message, [&] { Call(what); }, [&] {
                    switch (act.act) {
                    case Act::Show: Show(); break;
                    case Act::Create: Click(IDC_CTN_CREATE); break;
                    case Act::Cancel: Click(IDC_CTN_CANCEL); break;
                    case Act::Hide: Party::HideCTDlgNew(); break;
                    case Act::Destroy: Party::DestroyCTDlgNew(); break;
                    }
                });
                EXPECT_TRUE(called) << where;
                const Outcome expected = AfterAct(act.act, called ? what : HostStep::None);
                EXPECT_EQ(expected.created, Reports(kCreated)) << where;
                EXPECT_EQ(expected.closed, Reports(kClosed)) << where;
                if (called && what == HostStep::Getters) {
                    ASSERT_EQ(1u, seenInside.size());
                    // A show has raised its locks before its window shows; every way out has dropped them before it hides.
                    const bool showing = act.act == Act::Show;
                    EXPECT_EQ(showing ? 1 : 0, seenInside[0].partyLock) << where;
                    EXPECT_EQ(showing, seenInside[0].createLock) << where;
                }
                ExpectFinal(expected.final, where);
            }
        }
    }
}

TEST_F(NewCreateCallbackTest, DestroyedWhileShownItDropsItsLocksAndSendsNothing) {
    // By the host's call.
    Show();
    Party::SetIfLockCTDlgNew(1);
    Party::DestroyCTDlgNew();
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());

    // With the window it belongs to: the object stays, its window is gone.
    Make();
    Show();
    Party::SetIfLockCTDlgNew(1);
    Party::SetCTReqNumNew(4);
    ::DestroyWindow(host.hwnd());
    EXPECT_FALSE(Dialog());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());
    EXPECT_EQ(0, Party::GetIfLockCTDlgNew());
    EXPECT_EQ(0, Party::GetCTReqNumNew());
    EXPECT_TRUE(host.received().empty());
    EXPECT_FALSE(Party::IsWindowVisibleCT());
    // Nothing of it can show or lock again.
    Party::HideAltMCTDlg(true);
    Party::SetIfMinWin(true);
    Party::SetIsRestore(true);
    Show();
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    given = nullptr;
}

TEST_F(NewCreateCallbackTest, ADialogMadeAgainHasNoShowOfTheOldOneToEnd) {
    Show();
    Party::DestroyCTDlgNew();
    Make();
    Party::SetIfMinWin(true);
    Tick(400);
    EXPECT_TRUE(host.received().empty()) << "the new dialog was never shown: nothing to time out";
    Party::SetIsRestore(true);
    EXPECT_FALSE(Party::IsWindowVisibleCT()) << "nor to bring back unfilled";
    Click(IDC_CTN_CREATE);
    EXPECT_TRUE(host.received().empty()) << "nor to send for table 0";
}

// The host's lock flag decides whether HideAltMCTDlg(true) brings the
// dialog back. After a creation (which leaves the flag to the host) that is
// a show of its own: it raises the locks, times out, and its way out drops
// them. A cancel or close command reaching a dialog the host hid only starts
// its time-out again: the show, its locks and the flag stay the host's.
TEST_F(NewCreateCallbackTest, TheHostsShowAgainFollowsItsLockFlag) {
    Show();
    Party::SetIfLockCTDlgNew(1);
    Click(IDC_CTN_CREATE);
    EXPECT_EQ(1, Party::GetIfLockCTDlgNew()) << "a creation leaves the host's lock flag to the host";
    Party::HideAltMCTDlg(true);
    EXPECT_TRUE(Party::IsWindowVisibleCT());
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
    EXPECT_TRUE(Party::GetIsCreateLock());
    host.Clear();
    Tick(180);
    EXPECT_EQ(1u, host.ReceivedOf(LOBBYUI_MSG_CREATE_TABLE).size()) << "timed out";
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());

    for (int id : {IDC_CTN_CANCEL, IDC_CTN_CLOSE}) {
        SCOPED_TRACE(id);
        Show();
        Party::SetIfLockCTDlgNew(1);
        Party::HideAltMCTDlg(false);
        Tick(100);
        host.Clear();
        Click(id);
        EXPECT_TRUE(host.received().empty());
        EXPECT_EQ(1, Party::GetIfLockCTDlgNew());
        EXPECT_EQ(1, Party::GetIfPartyBtnLock());
        EXPECT_TRUE(Party::GetIsCreateLock());
        Party::HideAltMCTDlg(true);
        EXPECT_TRUE(Party::IsWindowVisibleCT()) << "the host may bring it back";
        Party::HideAltMCTDlg(false);
        Tick(181);
        EXPECT_TRUE(host.received().empty()) << "the time-out counts from the press";
        Tick(1);
        EXPECT_EQ(1u, host.ReceivedOf(LOBBYUI_MSG_CREATE_TABLE).size());
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        EXPECT_EQ(0, Party::GetIfLockCTDlgNew());
    }
}
