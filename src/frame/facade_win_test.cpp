#include "frame/dialog_singleton.h"

#include <gtest/gtest.h>

#include <lobbyui/party_dialogs.h>
#include <lobbyui/player_info.h>

#include "frame/drag_dialog.h"
#include "heap_check.h"
#include "host_window.h"
#include "test_resources.h"

namespace {

class TestDialog : public CDragDialog {
public:
    TestDialog() : CDragDialog(IDD_TEST_DRAG, nullptr) {}
};

// A facade as the exported ones are written: static functions over one singleton.
DialogSingleton<TestDialog> g_test;
struct TestFacade {
    static void Create(CWnd* parent) { g_test.Create(parent); }
    static void Show() { g_test.With([](TestDialog& d) { d.ShowWindow(SW_SHOWNOACTIVATE); }); }
    static void Hide() { g_test.With([](TestDialog& d) { d.ShowWindow(SW_HIDE); }); }
    static BOOL IsShown() { return g_test.Ask<BOOL>([](TestDialog& d) { return d.IsWindowVisible(); }); }
    static void Destroy() { g_test.Destroy(); }
};

class FacadeTest : public ::testing::Test {
protected:
    void TearDown() override { TestFacade::Destroy(); }
    HostWindow first;
    HostWindow second;
};

HWND OwnerOf(HWND dialog) { return ::GetWindow(dialog, GW_OWNER); }

}  // namespace

TEST_F(FacadeTest, ShowBeforeCreateDoesNothingAndCreateThenWorks) {
    TestFacade::Show();
    EXPECT_FALSE(g_test.Exists());
    EXPECT_FALSE(TestFacade::IsShown());

    TestFacade::Create(first.wnd());
    ASSERT_TRUE(g_test.Exists());
    ASSERT_TRUE(::IsWindow(g_test.Get()->m_hWnd));
    EXPECT_FALSE(TestFacade::IsShown()) << "a created dialog starts hidden";
    TestFacade::Show();
    EXPECT_TRUE(TestFacade::IsShown());
    TestFacade::Hide();
    EXPECT_FALSE(TestFacade::IsShown());
}

TEST_F(FacadeTest, SecondCreateWithAnotherParentKeepsTheFirstDialogAndOwner) {
    TestFacade::Create(first.wnd());
    HWND made = g_test.Get()->m_hWnd;
    TestFacade::Create(second.wnd());
    EXPECT_EQ(made, g_test.Get()->m_hWnd);
    EXPECT_EQ(first.hwnd(), OwnerOf(made));
    EXPECT_EQ(first.hwnd(), g_test.Get()->GetOwnerHwnd());
}

TEST_F(FacadeTest, DestroyTwiceIsHarmlessAndRecreationMakesANewWindow) {
    TestFacade::Create(first.wnd());
    HWND made = g_test.Get()->m_hWnd;
    TestFacade::Destroy();
    EXPECT_FALSE(::IsWindow(made));
    TestFacade::Destroy();
    EXPECT_FALSE(g_test.Exists());

    TestFacade::Create(second.wnd());
    ASSERT_TRUE(g_test.Exists());
    EXPECT_EQ(second.hwnd(), OwnerOf(g_test.Get()->m_hWnd));
}

TEST_F(FacadeTest, HostDestroyingTheParentLeavesAnObjectThatIgnoresCalls) {
    HostWindow* doomed = new HostWindow;
    TestFacade::Create(doomed->wnd());
    delete doomed;  // takes the owned dialog window with it
    EXPECT_EQ(nullptr, g_test.Get()->m_hWnd);
    TestFacade::Show();
    EXPECT_FALSE(TestFacade::IsShown());
    TestFacade::Destroy();
    EXPECT_FALSE(g_test.Exists());
}

TEST_F(FacadeTest, OwnerDrawMessagesWithoutTheirStructureAreLeftUnanswered) {
    TestFacade::Create(first.wnd());
    HWND dialog = g_test.Get()->m_hWnd;
    for (UINT msg : {WM_DRAWITEM, WM_COMPAREITEM, WM_DELETEITEM}) EXPECT_EQ(0, ::SendMessageA(dialog, msg, 1, 0));
    EXPECT_TRUE(::IsWindow(dialog));
}

namespace {

struct DialogSearch {
    HWND host;
    int found;
};

// The host window itself is never shown: a child counts when it is shown.
BOOL CALLBACK CountVisibleChild(HWND w, LPARAM l) {
    if (::GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) ++reinterpret_cast<DialogSearch*>(l)->found;
    return TRUE;
}

BOOL CALLBACK CountVisibleOwned(HWND w, LPARAM l) {
    DialogSearch* search = reinterpret_cast<DialogSearch*>(l);
    if (::GetWindow(w, GW_OWNER) == search->host && ::IsWindowVisible(w)) ++search->found;
    return TRUE;
}

// The visible windows a dialog of the library put under host: its children,
// and the top-level windows it owns.
int VisibleDialogsOf(HWND host) {
    DialogSearch search = {host, 0};
    ::EnumChildWindows(host, CountVisibleChild, reinterpret_cast<LPARAM>(&search));
    ::EnumThreadWindows(::GetCurrentThreadId(), CountVisibleOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

// A child dialog cannot be made without a parent; the host's next Create
// with one must still make it.
TEST(FailedCreateTest, ChildDialogCreatedWithoutAParentCanBeCreatedAgain) {
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(nullptr);
    HostWindow host;
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(host.wnd());
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    EXPECT_GT(VisibleDialogsOf(host.hwnd()), 0);
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
}

TEST(FailedCreateTest, PopupDialogCreatedUnderADestroyedWindowCanBeCreatedAgain) {
    HWND gone = nullptr;
    {
        HostWindow doomed;
        gone = doomed.hwnd();
    }
    ASSERT_FALSE(::IsWindow(gone));
    CPartyDlg_DlgInerface::CreatePWDlg(CWnd::FromHandle(gone));
    HostWindow host;
    CPartyDlg_DlgInerface::CreatePWDlg(host.wnd());
    CPartyDlg_DlgInerface::ShowPWDlg(7);
    EXPECT_EQ(1, VisibleDialogsOf(host.hwnd()));
    EXPECT_EQ(1, CPartyDlg_DlgInerface::GetIfPartyBtnLock());
    CPartyDlg_DlgInerface::HidePWDlg();
    CPartyDlg_DlgInerface::DestroyPWDlg();
}

TEST(CWndViewTest, FromHandleGivesOneLastingViewPerHandle) {
    HostWindow host;
    CWnd* view = CWnd::FromHandle(host.hwnd());
    EXPECT_EQ(view, CWnd::FromHandle(host.hwnd()));
    EXPECT_EQ(host.hwnd(), view->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    EXPECT_EQ(nullptr, HwndOf(nullptr));
}

// The player list and the base-data panel are child windows: making one
// tells the host (WM_PARENTNOTIFY) before the dialog has initialised. A host
// that destroys the dialog there has it gone once the creation has returned,
// and the creation goes on with an object that is still whole.
TEST(DestroyDuringCreateTest, AChildDialogDestroyedFromItsOwnCreationNoticeGoesOnceMade) {
    const struct {
        const char* name;
        void (*create)(CWnd*);
        void (*destroy)();
    } dialogs[] = {
        {"player list", &CPartyDlg_DlgInerface::CreatePlayerLBDlg, &CPartyDlg_DlgInerface::DestroyPlayerLBDlg},
        {"base data", &CPBDDlg_Interface::CreatePBD_Dlg, &CPBDDlg_Interface::DestroyPDB_Dlg},
    };
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.name);
        HostWindow host;
        int notices = 0;
        host.Observe(WM_PARENTNOTIFY, [&](WPARAM w, LPARAM) {
            if (LOWORD(w) != WM_CREATE || notices++) return;
            dialog.destroy();
        });
        dialog.create(host.wnd());
        host.StopObserving();
        EXPECT_EQ(1, notices);
        EXPECT_EQ(nullptr, ::GetWindow(host.hwnd(), GW_CHILD)) << "destroyed once made";
        ASSERT_TRUE(ProcessHeapsValid());

        dialog.create(host.wnd());
        EXPECT_NE(nullptr, ::GetWindow(host.hwnd(), GW_CHILD)) << "made again";
        dialog.destroy();
        EXPECT_EQ(nullptr, ::GetWindow(host.hwnd(), GW_CHILD));
    }
}
