#include "frame/dialog_singleton.h"

#include <gtest/gtest.h>

#include "frame/drag_dialog.h"
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

TEST(CWndViewTest, FromHandleGivesOneLastingViewPerHandle) {
    HostWindow host;
    CWnd* view = CWnd::FromHandle(host.hwnd());
    EXPECT_EQ(view, CWnd::FromHandle(host.hwnd()));
    EXPECT_EQ(host.hwnd(), view->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    EXPECT_EQ(nullptr, HwndOf(nullptr));
}
