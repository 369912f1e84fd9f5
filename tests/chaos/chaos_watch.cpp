// What the chaos host follows of the library's dialogs between and within
// steps, and the invariants it checks with it: a host's call from inside a
// call-back stands, the party-button lock holds while a dialog that raised it
// is on screen, the keyboard focus rests on what the user can see and press,
// and a handle the host gave back names nothing live.
#include "chaos_world.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

namespace {

// Each dialog's calls, by the names the C interface exports. `other` changes
// whether the dialog shows too, without saying which way.
struct DialogCalls {
    const char* title;
    const char* create;
    const char* show;
    const char* hide;
    const char* destroy;
    const char* other;
    bool holdsPartyLock;
};

const DialogCalls kDialogCalls[kDialogCount] = {
    {"player list", "CPartyDlg_DlgInerface_CreatePlayerLBDlg", "CPartyDlg_DlgInerface_ShowPlayerLBDlg",
     "CPartyDlg_DlgInerface_HidePlayerLBDlg", "CPartyDlg_DlgInerface_DestroyPlayerLBDlg", nullptr, false},
    {"join-table", "CPartyDlg_DlgInerface_CreateJTDlg", "CPartyDlg_DlgInerface_ShowJTDlg",
     "CPartyDlg_DlgInerface_HideJTDlg", "CPartyDlg_DlgInerface_DestroyJTDlg", nullptr, true},
    {"password", "CPartyDlg_DlgInerface_CreatePWDlg", "CPartyDlg_DlgInerface_ShowPWDlg",
     "CPartyDlg_DlgInerface_HidePWDlg", "CPartyDlg_DlgInerface_DestroyPWDlg", nullptr, true},
    {"classic create-table", "CPartyDlg_DlgInerface_CreateCTDlg", "CPartyDlg_DlgInerface_ShowCTDlg",
     "CPartyDlg_DlgInerface_HideCTDlg", "CPartyDlg_DlgInerface_DestroyCTDlg", nullptr, true},
    {"new create-table", "CPartyDlg_DlgInerface_CteateCTDlgNew", "CPartyDlg_DlgInerface_ShowCTDlgNew",
     "CPartyDlg_DlgInerface_HideCTDlgNew", "CPartyDlg_DlgInerface_DestroyCTDlgNew",
     "CPartyDlg_DlgInerface_HideAltMCTDlg", true},
    {"score", "CPSDlg_Interface_CreatePS_Dlg", "CPSDlg_Interface_ShowPS_Dlg", "CPSDlg_Interface_HidePS_Dlg",
     "CPSDlg_Interface_DestroyPS_Dlg", nullptr, false},
    {"base-data", "CPBDDlg_Interface_CreatePBD_Dlg", "CPBDDlg_Interface_ShowPBD_Dlg", "CPBDDlg_Interface_HidePBD_Dlg",
     "CPBDDlg_Interface_DestroyPDB_Dlg", nullptr, false},
    {"settings", "CSysSetDlg_Interface_CreateDlg", "CSysSetDlg_Interface_ShowDlg", "CSysSetDlg_Interface_HideDlg",
     "CSysSetDlg_Interface_DestroyDlg", "CSysSetDlg_Interface_SwitchShowDlg", false},
};

bool Named(const char* name, const char* call) { return call && strcmp(name, call) == 0; }

// How many of the latest give-backs of one kind the library keeps the given
// object's memory out of reuse for: a handle given back longer ago may name
// a new object honestly.
const unsigned long long kGiveBacksKept = 256;

template <class Handle, class WindowOf>
void CheckGivenBackKind(ChaosWorld& world, const char* kind, const std::vector<GivenBack<Handle>>& gaveBack,
                        unsigned long long giveBacks, const std::vector<Handle>& live, WindowOf windowOf) {
    for (auto at = gaveBack.rbegin(); at != gaveBack.rend() && at->serial + kGiveBacksKept > giveBacks; ++at) {
        char what[160];
        const unsigned long long ago = giveBacks - at->serial;
        if (std::find(live.begin(), live.end(), at->handle) != live.end()) {
            snprintf(what, sizeof what, "the %s handle %p, given back %llu give-backs ago, was handed out again", kind,
                     static_cast<void*>(at->handle), ago);
            world.Fail(what);
            return;
        }
        if (HWND window = windowOf(at->handle)) {
            snprintf(what, sizeof what, "the %s handle %p, given back %llu give-backs ago, still answers window %p",
                     kind, static_cast<void*>(at->handle), ago, static_cast<void*>(window));
            world.Fail(what);
            return;
        }
    }
}

}  // namespace

ChaosWorld::CallKind ChaosWorld::KindOf(const char* name) {
    for (int d = 0; d < kDialogCount; ++d) {
        const DialogCalls& calls = kDialogCalls[d];
        if (Named(name, calls.create)) return CallKind{d, Verb::kCreate};
        if (Named(name, calls.show)) return CallKind{d, Verb::kShow};
        if (Named(name, calls.hide)) return CallKind{d, Verb::kHide};
        if (Named(name, calls.destroy)) return CallKind{d, Verb::kDestroy};
        if (Named(name, calls.other)) return CallKind{d, Verb::kOther};
    }
    return CallKind{kDialogCount, Verb::kNone};
}

bool ChaosWorld::Shown(HWND hwnd) const {
    return hwnd && ::IsWindow(hwnd) && (::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE);
}

int ChaosWorld::DialogOf(HWND hwnd) const {
    for (int d = 0; d < kDialogCount; ++d) {
        if (m_dialogWindow[d] == hwnd) return d;
    }
    return kDialogCount;
}

// A dialog made inside another library window goes and hides with it: what
// becomes of it is that window's doing as much as the host's.
bool ChaosWorld::InsideLibraryWindow(HWND hwnd) const {
    HWND desktop = ::GetDesktopWindow();
    for (HWND at = hwnd; at && at != desktop;) {
        HWND up = (::GetWindowLongA(at, GWL_STYLE) & WS_CHILD) ? ::GetAncestor(at, GA_PARENT) : ::GetWindow(at, GW_OWNER);
        if (up && up != desktop && !IsOurs(up)) return true;
        at = up;
    }
    return false;
}

ChaosWorld::Calling::Calling(ChaosWorld& world, const char* name)
    : m_world(world), m_name(name), m_kind(KindOf(name)), m_at(++world.m_clock) {
    bool hostWindowsBusy = false;
    for (const Doing& doing : world.m_doing) hostWindowsBusy = hostWindowsBusy || doing.what == Doing::kHostWindows;
    world.m_doing.push_back(Doing{Doing::kHostCall, m_kind, false, m_at});
    // A call touches its own dialog; one that belongs to no dialog may touch
    // any. A show, hide or destroy from inside a call-back is what the host
    // expects to find once the outer message returns, unless it is the
    // host's own work on its windows that called back (a minimise hides the
    // owned dialogs after it, a destroyed window takes them with it).
    const bool asks = m_kind.verb == Verb::kShow || m_kind.verb == Verb::kHide || m_kind.verb == Verb::kDestroy;
    for (int d = 0; d < kDialogCount; ++d) {
        if (m_kind.dialog != d && m_kind.dialog != kDialogCount) continue;
        Standing& standing = world.m_standing[d];
        standing = Standing();
        HWND window = world.m_dialogWindow[d];
        if (m_kind.dialog == d && asks && world.m_depth > 0 && !hostWindowsBusy && window && ::IsWindow(window) &&
            !world.InsideLibraryWindow(window)) {
            standing = Standing{m_kind.verb, window, m_at};
        }
    }
}

ChaosWorld::Calling::~Calling() {
    m_world.m_doing.pop_back();
    if (m_kind.dialog == kDialogCount) {
        if (strcmp(m_name, "CPartyDlg_DlgInerface_SetIfPartyBtnLock") == 0) m_world.m_lockDroppableAt = ++m_world.m_clock;
        return;
    }
    // Only what the call itself did stands: a show of a dialog that is not
    // there, or that refused the host's arguments, asked for nothing.
    Standing& standing = m_world.m_standing[m_kind.dialog];
    if (standing.at == m_at) {
        const bool shown = m_world.Shown(standing.window);
        const bool done = standing.asked == Verb::kShow ? shown : !shown;
        if (!done) standing = Standing();
    }
    // A host's hide drops the lock whoever raised it.
    if (kDialogCalls[m_kind.dialog].holdsPartyLock && m_kind.verb != Verb::kShow && m_kind.verb != Verb::kCreate)
        m_world.m_lockDroppableAt = ++m_world.m_clock;
}

void ChaosWorld::Sent(const CWPSTRUCT& message) {
    switch (message.message) {
    case WM_NCCREATE: {
        // The first dialog window a Create call makes, before any call it
        // lets the host make, is that dialog's.
        if (m_doing.empty()) return;
        Doing& doing = m_doing.back();
        if (doing.what != Doing::kHostCall || doing.call.verb != Verb::kCreate || doing.madeWindow) return;
        char cls[16] = {0};
        ::GetClassNameA(message.hwnd, cls, sizeof cls);
        if (strcmp(cls, "#32770") != 0) return;
        doing.madeWindow = true;
        m_dialogWindow[doing.call.dialog] = message.hwnd;
        m_shownAt[doing.call.dialog] = 0;
        return;
    }
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS* place = reinterpret_cast<const WINDOWPOS*>(message.lParam);
        if (!place || !(place->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))) return;
        const int d = DialogOf(message.hwnd);
        if (d == kDialogCount) return;
        if (place->flags & SWP_HIDEWINDOW) {
            if (kDialogCalls[d].holdsPartyLock) m_lockDroppableAt = ++m_clock;
            return;
        }
        // A restored lobby shows its owned dialogs again: that is no show of
        // the dialog's own, and raises no lock.
        for (const Doing& doing : m_doing) {
            if (doing.what == Doing::kHostWindows) return;
        }
        // A show raises the lock before the window appears, and the window
        // appears after its activation has let the host in, where a host's
        // hide of another dialog drops the lock whoever raised it: so the show
        // counts from the start of the call or message that made it.
        m_shownAt[d] = m_doing.empty() ? m_userAt : m_doing.back().at;
        return;
    }
    case WM_DESTROY: {
        const int d = DialogOf(message.hwnd);
        if (d != kDialogCount && kDialogCalls[d].holdsPartyLock) m_lockDroppableAt = ++m_clock;
        return;
    }
    default:
        return;
    }
}

// A message from the queue is the user's or the system's, whatever loop
// takes it (ours, a menu's, a move's): it may end any dialog's show.
void ChaosWorld::Dequeued() { m_userAt = ++m_clock; }

LRESULT ChaosWorld::UserSends(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    Busy user(*this, Doing::kUser);
    return ::SendMessageA(hwnd, msg, w, l);
}

void ChaosWorld::CheckStanding() {
    for (int d = 0; d < kDialogCount && m_failure.empty(); ++d) {
        const Standing& standing = m_standing[d];
        // Anything the user did after the call may have ended the show.
        if (standing.asked == Verb::kNone || standing.at <= m_userAt) continue;
        // The system keeps a minimised window's owned pop-ups out of sight,
        // whenever it gets round to it: a show under a minimised lobby need
        // not stay on screen.
        HWND owner = ::GetWindow(standing.window, GW_OWNER);
        if (standing.asked == Verb::kShow && owner && ::IsIconic(::GetAncestor(owner, GA_ROOT))) continue;
        if (getenv("CHAOS_TRACE")) fprintf(stderr, "chaos:   checks the call-back's call on the %s dialog\n", kDialogCalls[d].title);
        const bool there = ::IsWindow(standing.window) != 0;
        const bool shown = Shown(standing.window);
        const char* asked = standing.asked == Verb::kShow ? "showed" : standing.asked == Verb::kHide ? "hid" : "destroyed";
        const char* found = nullptr;
        if (standing.asked == Verb::kShow && !shown) found = there ? "hidden" : "gone";
        if (standing.asked == Verb::kHide && shown) found = "on screen";
        if (standing.asked == Verb::kDestroy && there) found = shown ? "still on screen" : "still there, hidden";
        if (found) {
            Fail(std::string("the host ") + asked + " the " + kDialogCalls[d].title +
                 " dialog from inside a call-back, and once the message returned it is " + found);
        }
    }
}

void ChaosWorld::CheckPartyLock() {
    const unsigned lock = CPartyDlg_DlgInerface_GetIfPartyBtnLock();
    if (lock == 1) return;
    for (int d = 0; d < kDialogCount; ++d) {
        if (!kDialogCalls[d].holdsPartyLock || !Shown(m_dialogWindow[d])) continue;
        if (m_shownAt[d] > m_lockDroppableAt) {
            Fail("the party-button lock is " + std::to_string(lock) + " while the " + kDialogCalls[d].title +
                 " dialog is on screen, and nothing dropped the lock since it was shown");
            return;
        }
    }
}

void ChaosWorld::CheckFocus() {
    HWND focus = ::GetFocus();
    if (!focus || IsOurs(focus)) return;
    // The control itself: a dialog made hidden has the system put the focus
    // on its first control, as every dialog does, before anyone shows it.
    const LONG style = ::GetWindowLongA(focus, GWL_STYLE);
    const char* wrong = !(style & WS_VISIBLE) ? "hidden" : (style & WS_DISABLED) ? "disabled" : nullptr;
    if (!wrong) return;
    // A control of a library window, and not one the host shows and hides
    // itself through its handle: a room-entrance button, a web dialog.
    HWND parent = ::GetAncestor(focus, GA_PARENT);
    if (!parent || parent == ::GetDesktopWindow() || IsOurs(parent)) return;
    for (LOBBYUI_HBUTTON button : m_buttons) {
        if (CR_E_BtnInterface_GetBtnWindow(button) == focus) return;
    }
    for (LOBBYUI_HWEBDLG dialog : m_webDialogs) {
        HWND window = CWebDlgInterface_GetWebDlgWindow(dialog);
        if (window && (window == focus || ::IsChild(window, focus))) return;
    }
    char cls[64] = {0}, topCls[64] = {0};
    ::GetClassNameA(focus, cls, sizeof cls);
    ::GetClassNameA(::GetAncestor(focus, GA_ROOT), topCls, sizeof topCls);
    const int d = DialogOf(::GetAncestor(focus, GA_ROOT));
    char what[240];
    snprintf(what, sizeof what, "the keyboard focus is on a %s %s (id %d) of the library's %s %s", wrong, cls,
             ::GetDlgCtrlID(focus), d == kDialogCount ? topCls : kDialogCalls[d].title,
             d == kDialogCount ? "window" : "dialog");
    Fail(what);
}

void ChaosWorld::CheckGivenBack() {
    CheckGivenBackKind(*this, "button", m_gaveBackButtons, m_buttonGiveBacks, m_buttons,
                       [](LOBBYUI_HBUTTON button) { return CR_E_BtnInterface_GetBtnWindow(button); });
    CheckGivenBackKind(*this, "web dialog", m_gaveBackWebDialogs, m_webDialogGiveBacks, m_webDialogs,
                       [](LOBBYUI_HWEBDLG dialog) { return CWebDlgInterface_GetWebDlgWindow(dialog); });
}
