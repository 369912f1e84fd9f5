// Web dialogs as a host uses them: each CreateNewWebDlg a new hidden child
// of the host's window, filled by child 100, given back to DestroyWebDlg.
#include "settings/web_dialog.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <memory>
#include <string>
#include <thread>

#include <lobbyui/settings_dialogs.h>

#include "host_window.h"
#include "frame/lobby_app.h"
#include "res/settings_ids.h"
#include "settings/handed_out_windows.h"
#include "support/html_trace.h"
#include "support/texts_gbk.h"

namespace {

// The test program links the library's objects without its DllMain: start
// the application object as loading the library would.
class LibraryLoaded : public ::testing::Environment {
public:
    void SetUp() override { TheApp().InitInstance(); }
};
::testing::Environment* const g_libraryLoaded = ::testing::AddGlobalTestEnvironment(new LibraryLoaded);

const char kUrl[] = "http://lobby.example/rooms/notice.html";

CRect ChildRect(HWND window, HWND parent) {
    RECT r;
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return CWnd::FromRECT(r);
}

std::string ClassOf(HWND window) {
    char name[64] = {0};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Navigated(HWND browser) {
    const char* url = static_cast<const char*>(::GetPropA(browser, CWebBrowser2::kNavigatedUrlProperty));
    return url ? url : "(none)";
}

// What the browser window still carried when it was destroyed.
HHOOK g_destroyHook = nullptr;
HWND g_browserWatched = nullptr;
bool g_propertyAtDestroy = false;
LRESULT CALLBACK WatchBrowserDestroy(int code, WPARAM w, LPARAM l) {
    const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(l);
    if (code == HC_ACTION && msg->hwnd == g_browserWatched && msg->message == WM_DESTROY)
        g_propertyAtDestroy = ::GetPropA(msg->hwnd, CWebBrowser2::kNavigatedUrlProperty) != nullptr;
    return ::CallNextHookEx(g_destroyHook, code, w, l);
}

class WebDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE); }
    void TearDown() override {
        for (CDialog* d : made) CWebDlgInterface::DestroyWebDlg(d);
    }
    CDialog* Make(const char* url, CRect rect, HWND parent) {
        CDialog* d = CWebDlgInterface::CreateNewWebDlg(url, rect, CWnd::FromHandle(parent));
        made.push_back(d);
        return d;
    }

    HostWindow host{10, 10, 640, 480};
    std::vector<CDialog*> made;
};

}  // namespace

TEST_F(WebDialogTest, ADialogIsAHiddenChildAtTheRectangleFilledByTheBrowser) {
    CDialog* dialog = Make(kUrl, CRect(10, 20, 410, 320), host.hwnd());
    ASSERT_TRUE(dialog);
    HWND window = dialog->m_hWnd;
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_EQ(host.hwnd(), ::GetParent(window));
    EXPECT_TRUE(::GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(::GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) << "the host shows it";
    EXPECT_EQ(CRect(10, 20, 410, 320), ChildRect(window, host.hwnd()));
    RECT client;
    ::GetClientRect(window, &client);
    EXPECT_EQ(CRect(0, 0, 400, 300), CWnd::FromRECT(client));

    HWND browser = ::GetDlgItem(window, IDC_WEB_BROWSER);
    ASSERT_TRUE(browser);
    EXPECT_TRUE(::GetWindowLongA(browser, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(CRect(0, 0, 400, 300), ChildRect(browser, window));
    EXPECT_EQ(kUrl, Navigated(browser));
}

TEST_F(WebDialogTest, WithoutAnHtmlEngineTheBrowserPlaceSaysThePageCannotBeShown) {
    if (WebPagesAvailable()) GTEST_SKIP() << "this platform shows web pages";
    CDialog* dialog = Make(kUrl, CRect(0, 0, 300, 200), host.hwnd());
    HWND browser = ::GetDlgItem(dialog->m_hWnd, IDC_WEB_BROWSER);
    EXPECT_STRCASEEQ("Static", ClassOf(browser).c_str());
    char text[256] = {0};
    ::GetWindowTextA(browser, text, sizeof text);
    EXPECT_EQ(std::string(kGbkWebPageUnavailable) + kUrl, text);
    EXPECT_FALSE(static_cast<CWebDlg*>(dialog)->browser().HostsBrowser());
}

// Without an engine the control can still be hosted and told to navigate;
// it just has nothing to show the page with.
TEST_F(WebDialogTest, TheHostedControlIsTheWebBrowserAndReceivesNavigate) {
    if (!EnsureControlHosting()) GTEST_SKIP() << "no control hosting (atl.dll) here";
    SetHtmlEngineCheckForTesting([] { return true; });
    CDialog* dialog = Make(kUrl, CRect(0, 0, 300, 200), host.hwnd());
    SetHtmlEngineCheckForTesting(nullptr);
    HWND browser = ::GetDlgItem(dialog->m_hWnd, IDC_WEB_BROWSER);
    ASSERT_TRUE(browser);
    EXPECT_EQ("AtlAxWin", ClassOf(browser).substr(0, 8));
    CWebBrowser2& control = static_cast<CWebDlg*>(dialog)->browser();
    ASSERT_TRUE(control.HostsBrowser());
    EXPECT_EQ(kUrl, control.GetLocationURL()) << "the control itself took the address";
    EXPECT_EQ(kUrl, Navigated(browser));
    EXPECT_EQ(CRect(0, 0, 300, 200), ChildRect(browser, dialog->m_hWnd));
}

TEST_F(WebDialogTest, GivingADialogBackClearsWhatTheBrowserKeptOnItsWindow) {
    CDialog* dialog = Make(kUrl, CRect(0, 0, 300, 200), host.hwnd());
    made.clear();
    g_browserWatched = ::GetDlgItem(dialog->m_hWnd, IDC_WEB_BROWSER);
    ASSERT_TRUE(g_browserWatched);
    ASSERT_EQ(kUrl, Navigated(g_browserWatched));
    g_propertyAtDestroy = true;
    g_destroyHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchBrowserDestroy, nullptr, ::GetCurrentThreadId());
    ASSERT_TRUE(g_destroyHook);
    CWebDlgInterface::DestroyWebDlg(dialog);
    ::UnhookWindowsHookEx(g_destroyHook);
    EXPECT_FALSE(::IsWindow(g_browserWatched));
    EXPECT_FALSE(g_propertyAtDestroy) << "the property outlived the browser's teardown";
}

TEST_F(WebDialogTest, DialogsLiveApartAndEnterAndEscapeDoNotCloseThem) {
    CDialog* first = Make("http://one.example/", CRect(0, 0, 200, 100), host.hwnd());
    CDialog* second = Make("http://two.example/", CRect(210, 0, 410, 100), host.hwnd());
    ASSERT_NE(first, second);
    HWND firstWindow = first->m_hWnd;
    HWND secondWindow = second->m_hWnd;
    ASSERT_NE(firstWindow, secondWindow);

    ::ShowWindow(secondWindow, SW_SHOW);
    ::SendMessageA(secondWindow, WM_COMMAND, IDOK, 0);
    ::SendMessageA(secondWindow, WM_COMMAND, IDCANCEL, 0);
    ::SendMessageA(secondWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(secondWindow));
    EXPECT_TRUE(::IsWindowVisible(secondWindow));

    CWebDlgInterface::DestroyWebDlg(first);
    made.erase(made.begin());
    EXPECT_FALSE(::IsWindow(firstWindow));
    ASSERT_TRUE(::IsWindow(secondWindow));
    EXPECT_EQ("http://two.example/", Navigated(::GetDlgItem(secondWindow, IDC_WEB_BROWSER)));
    EXPECT_EQ(CRect(210, 0, 410, 100), ChildRect(secondWindow, host.hwnd()));

    // The host may move and resize it; the page keeps filling it.
    ::MoveWindow(secondWindow, 5, 6, 250, 150, TRUE);
    EXPECT_EQ(CRect(0, 0, 250, 150), ChildRect(::GetDlgItem(secondWindow, IDC_WEB_BROWSER), secondWindow));
}

// A given-back dialog's address is not the next dialog's: the old handle
// would read as the new dialog's window, and giving it back again would
// destroy the new one.
TEST_F(WebDialogTest, AGivenBackDialogNamesNoDialogMadeAfterIt) {
    CDialog* givenBack = CWebDlgInterface::CreateNewWebDlg(kUrl, CRect(0, 0, 100, 50), host.wnd());
    CWebDlgInterface::DestroyWebDlg(givenBack);
    for (int i = 0; i < 8; ++i) {
        CDialog* dialog = CWebDlgInterface::CreateNewWebDlg(kUrl, CRect(0, 0, 100, 50), host.wnd());
        ASSERT_NE(givenBack, dialog);
        HWND window = dialog->m_hWnd;
        EXPECT_EQ(nullptr, HandedOutWindow(givenBack));
        CWebDlgInterface::DestroyWebDlg(givenBack);
        EXPECT_EQ(window, HandedOutWindow(dialog));
        CWebDlgInterface::DestroyWebDlg(dialog);
        EXPECT_FALSE(::IsWindow(window));
    }
}

TEST_F(WebDialogTest, BadRectanglesParentsAndPointersAreHarmless) {
    CDialog* inverted = Make(kUrl, CRect(50, 60, 10, 20), host.hwnd());
    HWND window = inverted->m_hWnd;
    ASSERT_TRUE(::IsWindow(window));
    EXPECT_EQ(CRect(50, 60, 50, 60), ChildRect(window, host.hwnd())) << "empty, at the rectangle's corner";
    EXPECT_TRUE(::GetDlgItem(window, IDC_WEB_BROWSER));

    CWebDlgInterface::DestroyWebDlg(nullptr);

    // The host destroys its window (and the dialog with it) first.
    std::unique_ptr<HostWindow> doomed(new HostWindow);
    CDialog* orphan = CWebDlgInterface::CreateNewWebDlg(kUrl, CRect(0, 0, 100, 100), doomed->wnd());
    HWND orphanWindow = orphan->m_hWnd;
    doomed.reset();
    EXPECT_FALSE(::IsWindow(orphanWindow));
    CWebDlgInterface::DestroyWebDlg(orphan);

    // No parent: a child cannot be made; the object still comes back to be freed.
    CDialog* unparented = CWebDlgInterface::CreateNewWebDlg(kUrl, CRect(0, 0, 100, 100), nullptr);
    ASSERT_TRUE(unparented);
    EXPECT_EQ(nullptr, unparented->m_hWnd);
    CWebDlgInterface::DestroyWebDlg(unparented);
    CWebDlgInterface::DestroyWebDlg(unparented);

    // A dialog the library did not make is the host's to free.
    struct HostDialog : CDialog {
        explicit HostDialog(bool* freed) : CDialog(0), m_freed(freed) {}
        ~HostDialog() override { *m_freed = true; }
        bool* m_freed;
    };
    bool freed = false;
    HostDialog* own = new HostDialog(&freed);
    CWebDlgInterface::DestroyWebDlg(own);
    EXPECT_FALSE(freed);
    delete own;
}

// Only the platform's own browser needs the HTML engine; a browser served
// by another module (one the host registered for the class) is given the page.
struct ForeignControl : IUnknown {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

TEST(WebBrowserServer, OnlyThePlatformsOwnBrowserWaitsForTheHtmlEngine) {
    EXPECT_TRUE(IsPlatformBrowserServer("C:\\windows\\system32\\ieframe.dll"));
    EXPECT_TRUE(IsPlatformBrowserServer("\"%SystemRoot%\\System32\\IEFRAME.DLL\""));
    EXPECT_TRUE(IsPlatformBrowserServer("shdocvw.dll"));
    EXPECT_FALSE(IsPlatformBrowserServer("C:\\lobby\\embedded_browser.dll"));
    EXPECT_FALSE(IsPlatformBrowserServer("C:/lobby/ieframe.dll.bak"));

    ForeignControl foreign;
    EXPECT_FALSE(IsServedByPlatformBrowser(&foreign));
    EXPECT_TRUE(IsServedByPlatformBrowser(nullptr)) << "unknown counts as the platform's";
}

TEST(WebDialogThread, OleIsStartedOnAThreadWhoseHostDidNotStartIt) {
    HRESULT before = E_FAIL, after = E_FAIL;
    bool made = false;
    std::thread worker([&] {
        before = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(before)) ::CoUninitialize();
        HostWindow host;
        CDialog* d = CWebDlgInterface::CreateNewWebDlg(kUrl, CRect(0, 0, 100, 100), host.wnd());
        made = ::GetDlgItem(d->m_hWnd, IDC_WEB_BROWSER) != nullptr;
        CWebDlgInterface::DestroyWebDlg(d);
        after = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(after)) ::CoUninitialize();
    });
    worker.join();
    EXPECT_EQ(S_OK, before) << "the thread starts without COM";
    EXPECT_EQ(RPC_E_CHANGED_MODE, after) << "the dialog left a single-threaded apartment for its controls";
    EXPECT_TRUE(made);
}

TEST(WebDialogTrace, CreatingAndDestroyingWriteTheirTraceLines) {
    FILE* file = tmpfile();
    ASSERT_NE(nullptr, file);
    CHtmlTrace writer(file, true);
    g_pHtmlTrace = &writer;
    HostWindow host;
    CDialog* d = CWebDlgInterface::CreateNewWebDlg(kUrl, CRect(0, 0, 100, 100), host.wnd());
    CWebDlgInterface::DestroyWebDlg(d);
    CWebDlgInterface::DestroyWebDlg(nullptr);
    g_pHtmlTrace = nullptr;

    char text[2048] = {0};
    fflush(file);
    rewind(file);
    std::string written(text, fread(text, 1, sizeof text - 1, file));
    size_t at = 0;
    for (std::string line : {std::string("CreateNewWebDlg"), std::string(kGbkWebDlgBuilding), std::string(kGbkWebDlgBuilt),
                             std::string("DestroyWebDlg"), std::string("DestroyWebDlg")}) {
        at = written.find(" " + line + "<br>", at);
        ASSERT_NE(std::string::npos, at) << line << " in " << written;
        ++at;
    }
    EXPECT_EQ(std::string::npos, written.find("FF0000")) << "all black lines";
}
