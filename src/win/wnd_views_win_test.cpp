#include <windows.h>
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include <lobbyui/wnd.h>

#include "win/wnd_views.h"

namespace {

HWND NewWindow() {
    return ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleA(nullptr),
                             nullptr);
}

// A host that keeps the view of a window it destroyed must find that view
// still aimed at the dead handle for a good while, not at a window made a
// moment later. Views are reused all the same, so the table stays bounded.
TEST(FromHandleViewsTest, ADestroyedWindowsViewWaitsFor256OtherNewWindowsBeforeReuse) {
    const size_t kWindows = 3000;
    const size_t kAliveAtOnce = 20;
    const size_t before = FromHandleViewCount();
    std::deque<std::pair<HWND, CWnd*>> alive;
    std::map<CWnd*, std::pair<HWND, size_t>> dead;  // view -> its dead handle, windows passed when it died
    size_t passed = 0, reused = 0, closest = kWindows;
    for (size_t i = 0; i < kWindows; ++i) {
        HWND hwnd = NewWindow();
        ASSERT_NE(nullptr, hwnd);
        CWnd* view = CWnd::FromHandle(hwnd);
        ++passed;
        ASSERT_EQ(hwnd, view->m_hWnd);
        ASSERT_EQ(view, CWnd::FromHandle(hwnd));
        const auto found = dead.find(view);
        if (found != dead.end()) {
            ++reused;
            const size_t others = passed - 1 - found->second.second;
            if (others < closest) closest = others;
            dead.erase(found);
        }
        alive.emplace_back(hwnd, view);
        if (alive.size() > kAliveAtOnce) {
            ::DestroyWindow(alive.front().first);
            dead[alive.front().second] = {alive.front().first, passed};
            alive.pop_front();
        }
    }
    EXPECT_GE(closest, 256u);
    EXPECT_GT(reused, kWindows / 2);
    EXPECT_LT(FromHandleViewCount() - before, 1000u);
    // Views not yet reused still hold their dead handles.
    for (const auto& entry : dead) EXPECT_EQ(entry.second.first, entry.first->m_hWnd);
    for (const auto& entry : alive) EXPECT_EQ(entry.second, CWnd::FromHandle(entry.first));
    for (const auto& entry : alive) ::DestroyWindow(entry.first);
}

}  // namespace
