// Hosts that call back: the calls a host makes from inside a message the
// library sends it, or from the activation and focus messages that the
// library's own show, hide and destroy cause in the host's windows. A test
// describes its dialog once (DialogUnderTest) and runs every call through
// it, checking the messages, the state the host's last call asked for, the
// party flags and the heap.
#ifndef LOBBYUI_TESTS_INFO_HOST_CALLS_H
#define LOBBYUI_TESTS_INFO_HOST_CALLS_H

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "callback_host.h"
#include "dialog_controls.h"
#include "host_window.h"

enum class Seen { kGone, kHidden, kShown };

inline const char* NameOf(Seen seen) {
    return seen == Seen::kGone ? "gone" : seen == Seen::kHidden ? "hidden" : "shown";
}

inline Seen SeenOf(HWND window) {
    if (!window) return Seen::kGone;
    return ::IsWindowVisible(window) ? Seen::kShown : Seen::kHidden;
}

// One dialog as the host drives it through the library's functions.
class DialogUnderTest {
public:
    virtual ~DialogUnderTest() = default;
    virtual void Create() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Destroy() = 0;
    // Reads every getter; a test may check what they answered.
    virtual void ReadGetters() = 0;
    // One press of the user's that the dialog reports (or, for a dialog that
    // reports nothing, one of its buttons).
    virtual void Press() = 0;
    // What a modal loop inside the host's handler dispatches: ticks, a press,
    // Enter, Escape and a close.
    virtual void PumpNested() = 0;
    // Presses PumpNested makes that the dialog reports.
    virtual int PressesInPump() const = 0;
    // Whether a second press reports again (a switch already on does not).
    virtual bool PressAgainReports() const { return true; }
    // Whether Enter, Escape or a close hide the dialog.
    virtual bool PumpHides() const = 0;
    // The dialog's window, when it has one now.
    virtual HWND Window() const { return nullptr; }
    virtual Seen State() { return SeenOf(Window()); }
    // Puts the keyboard focus where a user working in the dialog has it,
    // before a hide or destroy.
    virtual void Focus() {}

    // What ReadGetters last read, for the test to compare.
    std::string gettersSeen;
};

// What a modal loop inside the host's handler hands a dialog: three ticks, a
// press of control, Enter, Escape and a close.
inline void PumpAsAModalLoop(HWND dialog, int control) {
    if (!dialog) return;
    for (int tick = 1; tick <= 3; ++tick) ::SendMessageA(dialog, WM_TIMER, tick, 0);
    Click(dialog, control);
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ::SendMessageA(dialog, WM_CLOSE, 0, 0);
    PumpMessages();
}

inline void MakeHostCall(DialogUnderTest& dialog, HostCall call) {
    switch (call) {
    case HostCall::kHide: dialog.Hide(); break;
    case HostCall::kDestroy: dialog.Destroy(); break;
    case HostCall::kRecreate:
        dialog.Destroy();
        dialog.Create();
        dialog.Show();
        break;
    case HostCall::kShowAgain: dialog.Show(); break;
    case HostCall::kGetters: dialog.ReadGetters(); break;
    case HostCall::kPressAgain: dialog.Press(); break;
    case HostCall::kNestedPump: dialog.PumpNested(); break;
    }
}

// The state a host's call leaves, from the state it found; a nested pump's
// Enter, Escape or close hides a dialog whose keys hide it.
inline Seen StateAfter(Seen found, HostCall call, bool pumpHides) {
    const bool alive = found != Seen::kGone;
    if (call == HostCall::kNestedPump && pumpHides && alive) return Seen::kHidden;
    return AfterHostCall(call, found, alive, {Seen::kHidden, Seen::kGone, Seen::kShown, Seen::kShown});
}

// Reports a press sends: the user's own, plus those the host's call makes.
inline int ReportsAfter(HostCall call, const DialogUnderTest& dialog) {
    if (call == HostCall::kPressAgain) return dialog.PressAgainReports() ? 2 : 1;
    if (call == HostCall::kNestedPump) return 1 + dialog.PressesInPump();
    return 1;
}

// Where a door starts: the dialog hidden or shown, and the keyboard focus
// in the host's window or in the dialog.
enum class DoorStart { kHiddenHostFocused, kShownHostFocused, kShownDialogFocused };

// A way the library's own calls reach the host: a door (show, hide, destroy
// or a press) and the system message it causes in a host window.
struct Door {
    const char* name;
    void (*open)(DialogUnderTest&);
    UINT observed;
    DoorStart start;
    Seen after;  // the state the door leaves when the host does nothing
};

// The caption's close box, as the system sends its command.
inline void PressCloseBox(DialogUnderTest& dialog) {
    if (HWND window = dialog.Window()) ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// Names the cases of a suite of doors: the door, the message, the call.
template <size_t N>
CaseName NamedByDoor(const Door (&doors)[N]) {
    return CaseName(
        [&doors](size_t row) { return std::string(doors[row].name) + NameOfSystemMessage(doors[row].observed); });
}

// The dialog's close command, whose hide activates the host, which destroys
// the dialog there: the command ends without touching it, and the heap holds.
inline void CheckCloseWhileTheHostDestroysOnActivation(HostWindow& host, DialogUnderTest& dialog) {
    ASSERT_TRUE(ProcessHeapsValid());
    dialog.Create();
    dialog.Show();
    PumpMessages();
    HWND window = dialog.Window();
    ASSERT_TRUE(window);
    CallBackFromSystemMessage({&host}, WM_ACTIVATE, [&] { dialog.Destroy(); },
                              [&] { ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); });
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_TRUE(ProcessHeapsValid());
}

// The screen point of window's close box, found by asking the window what
// lies under each point of its caption (the title bar's own rectangles may
// be empty, as Wine leaves them); false when it has none.
inline bool FindCloseBox(HWND window, POINT* at) {
    RECT r;
    ::GetWindowRect(window, &r);
    const int captionBottom = r.top + ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME);
    for (int y = r.top; y < captionBottom && y < r.bottom; ++y) {
        for (int x = r.right - 1; x >= r.left; --x) {
            if (::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                at->x = x;
                at->y = y;
                return true;
            }
        }
    }
    return false;
}

// A user's click at a screen point, as real input, then whatever it causes
// is handled; waits a bounded time for done() to hold.
template <class Done>
bool ClickAtScreen(POINT at, Done done) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((at.x * 65535LL + width / 2) / (width - 1));
        input.mi.dy = static_cast<LONG>((at.y * 65535LL + height / 2) / (height - 1));
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
    }
    inputs[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    if (::SendInput(3, inputs, sizeof(INPUT)) != 3) return false;
    for (int round = 0; round < 100 && !done(); ++round) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return done();
}

// A user's click on the caption's close box of a shown dialog hides it and
// tells the host nothing.
inline void CheckCloseBoxHidesSilently(HostWindow& host, DialogUnderTest& dialog) {
    dialog.Create();
    dialog.Show();
    PumpMessages();
    HWND window = dialog.Window();
    ASSERT_TRUE(window);
    POINT at;
    ASSERT_TRUE(FindCloseBox(window, &at)) << "the caption has a close box";
    ASSERT_EQ(window, ::WindowFromPoint(at)) << "nothing covers it";
    EXPECT_TRUE(ClickAtScreen(at, [window] { return !::IsWindowVisible(window); }));
    EXPECT_EQ(Seen::kHidden, dialog.State());
    EXPECT_TRUE(host.received().empty());
    dialog.Destroy();
}

// A user's press reported with msg to receiver, whose handler makes call;
// pressed from a shown dialog.
inline void CheckReportCallBack(HostWindow& receiver, UINT msg, DialogUnderTest& dialog, HostCall call,
                                const std::string& gettersInHandler) {
    ASSERT_TRUE(ProcessHeapsValid());
    dialog.Create();
    dialog.Show();
    PumpMessages();
    ASSERT_EQ(Seen::kShown, dialog.State());
    receiver.Clear();
    const bool called =
        CallBackFromReport(receiver, msg, [&] { MakeHostCall(dialog, call); }, [&] { dialog.Press(); });
    PumpMessages();
    EXPECT_TRUE(called);
    EXPECT_EQ(static_cast<size_t>(ReportsAfter(call, dialog)), receiver.ReceivedOf(msg).size());
    EXPECT_STREQ(NameOf(StateAfter(Seen::kShown, call, dialog.PumpHides())), NameOf(dialog.State()));
    if (call == HostCall::kGetters) {
        EXPECT_EQ(gettersInHandler, dialog.gettersSeen);
    }
    EXPECT_TRUE(PartyFlagsDown());
    EXPECT_TRUE(ProcessHeapsValid());
}

// The host makes call from the system message door.observed causes in
// observer, once.
inline void CheckDoorCallBack(HostWindow& observer, DialogUnderTest& dialog, const Door& door, HostCall call) {
    ASSERT_TRUE(ProcessHeapsValid());
    dialog.Create();
    if (door.start != DoorStart::kHiddenHostFocused) {
        dialog.Show();
        PumpMessages();
        ASSERT_EQ(Seen::kShown, dialog.State());
    }
    // A dialog made from a template takes the activation at its creation;
    // the user then works in the host, or in the shown dialog.
    if (door.start == DoorStart::kShownDialogFocused) dialog.Focus();
    else ActivateHost(::GetAncestor(observer.hwnd(), GA_ROOT));
    const bool called = CallBackFromSystemMessage({&observer}, door.observed, [&] { MakeHostCall(dialog, call); },
                                                  [&] { door.open(dialog); });
    PumpMessages();
    EXPECT_TRUE(called) << "the door never reached the host";
    EXPECT_STREQ(NameOf(StateAfter(door.after, call, dialog.PumpHides())), NameOf(dialog.State()));
    EXPECT_TRUE(PartyFlagsDown());
    EXPECT_TRUE(ProcessHeapsValid());
}

#endif
