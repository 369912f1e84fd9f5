#include "frame/drag_dialog.h"

#include <gtest/gtest.h>

#include <lobbyui/frame.h>

#include "host_window.h"
#include "info_host_calls.h"
#include "test_resources.h"

namespace {

class TestDragDialog : public CDragDialog {
public:
    TestDragDialog() : CDragDialog(IDD_TEST_DRAG, nullptr) { m_bUseHostCursor = true; }
};

// Watches what the dialog's default processing does with a press: the
// system's move or size loop announces itself with WM_SYSCOMMAND.
HHOOK g_hook = nullptr;
HWND g_watched = nullptr;
int g_sysCommands = 0;
int g_closeCommands = 0;
LRESULT CALLBACK WatchSysCommands(int code, WPARAM w, LPARAM l) {
    const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && msg->hwnd == g_watched && (msg->message == WM_SYSCOMMAND || msg->message == WM_ENTERSIZEMOVE))
        ++g_sysCommands;
    if (code == HC_ACTION && msg->hwnd == g_watched && msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == SC_CLOSE)
        ++g_closeCommands;
    return ::CallNextHookEx(g_hook, code, w, l);
}

class DragDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Create(host.wnd());
        ASSERT_TRUE(dialog.m_hWnd);
        dialog.SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        dialog.ShowWindow(SW_SHOWNOACTIVATE);
        start = dialog.GetWindowRect();
    }
    void TearDown() override {
        ::ReleaseCapture();
        dialog.DestroyWindow();
    }
    void PressCaption() { dialog.SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0); }
    void MoveTo(int x, int y) { dialog.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }
    CPoint Position() const { return dialog.GetWindowRect().TopLeft(); }

    ManualClock clock;
    HostWindow host;
    TestDragDialog dialog;
    CRect start;
};

}  // namespace

TEST_F(DragDialogTest, CaptionPressCapturesAndThrottledMovesFollowTheCursor) {
    PressCaption();
    EXPECT_EQ(dialog.m_hWnd, ::GetCapture());

    MoveTo(30, -10);  // grab point
    clock.Advance(10);
    MoveTo(50, 0);
    EXPECT_EQ(start.TopLeft(), Position()) << "moves closer than 50 ms apart are held back";

    clock.Advance(41);
    MoveTo(60, 5);
    EXPECT_EQ(start.TopLeft() + CPoint(30, 15), Position()) << "the next move catches up in one step";
    EXPECT_EQ(start.Width(), dialog.GetWindowRect().Width());

    dialog.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(30, -10));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(dialog.IsDragging());
    clock.Advance(100);
    MoveTo(90, 90);
    EXPECT_EQ(start.TopLeft() + CPoint(30, 15), Position()) << "after the button is up nothing moves";
}

TEST_F(DragDialogTest, DisabledDragIgnoresTheCaption) {
    dialog.EnableDrag(false);
    PressCaption();
    EXPECT_EQ(nullptr, ::GetCapture());
    MoveTo(10, 10);
    clock.Advance(60);
    MoveTo(80, 80);
    EXPECT_EQ(start.TopLeft(), Position());
}

TEST_F(DragDialogTest, ClientPressDoesNotDragAndOtherNonClientPressesAreSwallowed) {
    dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_FALSE(dialog.IsDragging());
    clock.Advance(60);
    MoveTo(80, 80);
    EXPECT_EQ(start.TopLeft(), Position());

    g_watched = dialog.m_hWnd;
    g_sysCommands = 0;
    g_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchSysCommands, nullptr, ::GetCurrentThreadId());
    ASSERT_TRUE(g_hook);
    EXPECT_EQ(0, dialog.SendMessage(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, 0));
    EXPECT_EQ(0, dialog.SendMessage(WM_NCLBUTTONDOWN, HTSYSMENU, 0));
    ::UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(0, g_sysCommands) << "no system size loop or menu may start";
    EXPECT_FALSE(dialog.IsDragging());
    EXPECT_EQ(start, dialog.GetWindowRect());
}

TEST_F(DragDialogTest, HostCursorIsShownUntilTheHookIsSwitchedOff) {
    HICON hostCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    ASSERT_TRUE(RXCursorfun(&hostCursor));
    dialog.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_CROSS), ::GetCursor());

    // The library reads the host's variable each time, not a copy.
    hostCursor = ::LoadCursorA(nullptr, IDC_HAND);
    dialog.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_HAND), ::GetCursor());

    EXPECT_TRUE(RXCursorfun(nullptr));
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    dialog.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(::LoadCursorA(nullptr, IDC_HAND), ::GetCursor());
}

TEST_F(DragDialogTest, AClickOnTheCloseBoxReachesTheSystemAndClosesWithoutAMoveLoop) {
    ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
    dialog.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(dialog.m_hWnd);
    PumpMessages();
    POINT at;
    ASSERT_TRUE(FindCloseBox(dialog.m_hWnd, &at)) << "the caption has a close box";
    ASSERT_EQ(dialog.m_hWnd, ::WindowFromPoint(at)) << "nothing covers it";
    g_watched = dialog.m_hWnd;
    g_sysCommands = 0;
    g_closeCommands = 0;
    g_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchSysCommands, nullptr, ::GetCurrentThreadId());
    ASSERT_TRUE(g_hook);
    EXPECT_TRUE(ClickAtScreen(at, [] { return g_closeCommands > 0; }));
    ::UnhookWindowsHookEx(g_hook);
    EXPECT_EQ(1, g_closeCommands);
    EXPECT_EQ(1, g_sysCommands) << "the close command and nothing else";
    EXPECT_FALSE(dialog.IsDragging());
    EXPECT_EQ(start, dialog.GetWindowRect());
}
