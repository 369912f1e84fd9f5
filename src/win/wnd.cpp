#include <lobbyui/wnd.h>

#include <deque>
#include <unordered_map>

#include "support/lock.h"
#include "win/wnd_views.h"

// Hosts hand their windows in as FromHandle(hwnd) and may keep the pointer,
// so a view is never freed: a host may still hold the view of a window that
// is gone, and a view of a dead handle is harmless where a freed one is not.
// But a host that makes and destroys windows all day must not grow a view
// per window for ever. So views are recycled, never freed: when the table
// has grown to twice what it held after the last sweep (and at least
// kViewsBeforeSweep), the views of handles that are no longer windows leave
// the table and queue up for reuse, oldest first. Until it is reused, such a
// view still holds its dead handle, on which every call fails harmlessly; it
// is reused only after the host has passed at least kViewsBeforeSweep other
// windows. Memory stays in proportion to the windows alive at once.
namespace {

const size_t kViewsBeforeSweep = 256;

struct ViewTable {
    NvtLock lock;
    std::deque<CWnd> views;  // a deque never moves what it holds
    std::unordered_map<HWND, CWnd*> byHandle;
    std::deque<CWnd*> reusable;
    size_t sweepAt = kViewsBeforeSweep;

    void SweepDeadHandles() {
        for (auto it = byHandle.begin(); it != byHandle.end();) {
            if (::IsWindow(it->first)) {
                ++it;
                continue;
            }
            reusable.push_back(it->second);
            it = byHandle.erase(it);
        }
        sweepAt = byHandle.size() * 2 > kViewsBeforeSweep ? byHandle.size() * 2 : kViewsBeforeSweep;
    }

    CWnd* NewView(HWND hwnd) {
        if (byHandle.size() >= sweepAt) SweepDeadHandles();
        CWnd* view = nullptr;
        if (!reusable.empty()) {
            view = reusable.front();
            reusable.pop_front();
        } else {
            views.emplace_back();
            view = &views.back();
        }
        view->m_hWnd = hwnd;
        byHandle[hwnd] = view;
        return view;
    }
};

ViewTable& Views() {
    static ViewTable table;
    return table;
}

}  // namespace

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    ViewTable& table = Views();
    NvtLockGuard guard(table.lock);
    auto it = table.byHandle.find(hwnd);
    return it != table.byHandle.end() ? it->second : table.NewView(hwnd);
}

size_t FromHandleViewCount() {
    ViewTable& table = Views();
    NvtLockGuard guard(table.lock);
    return table.views.size();
}
