// A host that calls back into the library from inside a message it receives:
// the library's own reports, and the activation and focus messages that
// showing, hiding or destroying a library window causes in the host's
// windows. The calls a host makes there, the drivers that make them once,
// and the plumbing of suites that run every call against a table of rows.
#ifndef LOBBYUI_TESTS_CALLBACK_HOST_H
#define LOBBYUI_TESTS_CALLBACK_HOST_H

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include <lobbyui/party_dialogs.h>

#include "host_window.h"

enum class HostCall { kHide, kDestroy, kRecreate, kShowAgain, kGetters, kPressAgain, kNestedPump };

const HostCall kEveryHostCall[] = {HostCall::kHide,      HostCall::kDestroy,    HostCall::kRecreate,
                                   HostCall::kShowAgain, HostCall::kGetters,    HostCall::kPressAgain,
                                   HostCall::kNestedPump};

inline const char* NameOf(HostCall call) {
    switch (call) {
    case HostCall::kHide: return "Hide";
    case HostCall::kDestroy: return "Destroy";
    case HostCall::kRecreate: return "DestroyCreateShow";
    case HostCall::kShowAgain: return "ShowAgain";
    case HostCall::kGetters: return "Getters";
    case HostCall::kPressAgain: return "PressAgain";
    default: return "NestedPump";
    }
}

// The system messages a library window's show, hide or destroy causes in a
// host window, whichever of them a host may call back from.
const UINT kActivationAndFocus[] = {WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};

inline const char* NameOfSystemMessage(UINT msg) {
    switch (msg) {
    case WM_ACTIVATE: return "Activate";
    case WM_SETFOCUS: return "SetFocus";
    case WM_NCACTIVATE: return "NcActivate";
    default: return "KillFocus";
    }
}

// Whether the call presses the dialog again (a nested pump presses too).
inline bool PressesAgain(HostCall call) { return call == HostCall::kPressAgain || call == HostCall::kNestedPump; }

// What a dialog shows the host in each state a host's call can leave it in.
template <class State>
struct CallOutcomes {
    State hidden;
    State gone;
    State shownAgain;  // a dialog that was there, shown again
    State recreated;   // destroyed, made anew and shown
};

// The state a host's call leaves, from the state it found: a hide or a show
// reaches only a dialog that is still there (alive); a press or a read
// changes nothing that the dialog's own rules do not decide.
template <class State>
State AfterHostCall(HostCall call, const State& found, bool alive, const CallOutcomes<State>& outcomes) {
    switch (call) {
    case HostCall::kHide: return alive ? outcomes.hidden : found;
    case HostCall::kDestroy: return outcomes.gone;
    case HostCall::kRecreate: return outcomes.recreated;
    case HostCall::kShowAgain: return alive ? outcomes.shownAgain : found;
    default: return found;
    }
}

// A case of a loop over messages, acts and calls, as a trace names it.
inline std::string CaseTrace(UINT msg, const char* act, HostCall call) {
    return std::string(NameOfSystemMessage(msg)) + " on " + act + " / " + NameOf(call);
}

// Runs runCase(row, call) for every row of rows (each with a name) and every
// call, under a trace that names them, until a case fails fatally.
template <class Rows, class Case>
void ForEveryRowAndCall(const Rows& rows, Case runCase) {
    for (const auto& row : rows) {
        for (HostCall call : kEveryHostCall) {
            SCOPED_TRACE(std::string(row.name) + " / " + NameOf(call));
            runCase(row, call);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }
}

// Runs runCase(msg, act, call) for every message a host may call back from,
// every act (named by actNames[act]) and every call, under a trace that
// names them, until a case fails fatally.
template <class Act, class Case>
void ForEveryMessageActAndCall(std::initializer_list<Act> acts, const char* const actNames[], Case runCase) {
    for (UINT msg : kActivationAndFocus) {
        for (Act act : acts) {
            for (HostCall call : kEveryHostCall) {
                SCOPED_TRACE(CaseTrace(msg, actNames[static_cast<int>(act)], call));
                runCase(msg, act, call);
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
    }
}

// Makes the host window the active, focused window, as a lobby is when the
// user works in it.
inline void ActivateHost(HWND host) {
    ::ShowWindow(host, SW_SHOW);
    ::SetForegroundWindow(host);
    ::SetActiveWindow(host);
    ::SetFocus(host);
    PumpMessages();
}

// Every party flag a dialog of the library could leave raised.
inline bool PartyFlagsDown() {
    return CPartyDlg_DlgInerface::GetIfPartyBtnLock() == 0 && CPartyDlg_DlgInerface::GetIfLockCTDlg() == 0 &&
           CPartyDlg_DlgInerface::GetIfLockCTDlgNew() == 0;
}

// Runs act while the host's windows answer the system message msg by making
// call, once: the first time any of them hears it, no longer observing from
// then on. Whether the host heard it.
template <class Act>
bool CallBackFromSystemMessage(std::initializer_list<HostWindow*> windows, UINT msg,
                               const std::function<void()>& call, Act act) {
    const std::vector<HostWindow*> observers(windows);
    bool called = false;
    for (HostWindow* window : observers) {
        window->Observe(msg, [&](WPARAM, LPARAM) {
            if (called) return;
            called = true;
            for (HostWindow* observer : observers) observer->StopObserving();
            call();
        });
    }
    act();
    for (HostWindow* observer : observers) observer->StopObserving();
    return called;
}

// Runs act while the host answers the library's message msg by making call
// the first time it arrives with a code that `heard` accepts (any code when
// none is given); the host answers 0 throughout and after. Whether the host
// made its call.
template <class Act>
bool CallBackFromReport(HostWindow& host, UINT msg, const std::function<void()>& call, Act act,
                        std::function<bool(WPARAM)> heard = nullptr) {
    bool called = false;
    host.Answer(msg, [&](WPARAM code, LPARAM) -> LRESULT {
        if (called || (heard && !heard(code))) return 0;
        called = true;
        call();
        return 0;
    });
    act();
    host.Answer(msg, [](WPARAM, LPARAM) -> LRESULT { return 0; });
    return called;
}

// A case of a table-driven suite: a row of the suite's table (a door, a
// press, a button) and the call the host makes.
typedef std::tuple<size_t, HostCall> HostCallCase;

class HostCallTest : public ::testing::TestWithParam<HostCallCase> {
protected:
    size_t Row() const { return std::get<0>(GetParam()); }
    HostCall Call() const { return std::get<1>(GetParam()); }
};

// Every row of table with every call.
template <class Row, size_t N>
auto EveryRowAndCall(const Row (&)[N]) {
    return ::testing::Combine(::testing::Range<size_t>(0, N), ::testing::ValuesIn(kEveryHostCall));
}

// Every call, for a suite of one row.
inline auto EveryCall() {
    return ::testing::Combine(::testing::Values<size_t>(0), ::testing::ValuesIn(kEveryHostCall));
}

// Names a case by its row, then by the call.
class CaseName {
public:
    explicit CaseName(std::function<std::string(size_t)> row) : m_row(std::move(row)) {}
    std::string operator()(const ::testing::TestParamInfo<HostCallCase>& info) const {
        return m_row(std::get<0>(info.param)) + NameOf(std::get<1>(info.param));
    }

private:
    std::function<std::string(size_t)> m_row;
};

#endif
