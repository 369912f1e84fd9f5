#include <lobbyui/wnd.h>

#include <deque>
#include <unordered_map>
#include <vector>

#include "support/lock.h"
#include "win/wnd_views.h"

// Hosts hand their windows in as FromHandle(hwnd) and may keep the pointer,
// so a view is never freed: a host may still hold the view of a window that
// is gone, and a view of a dead handle is harmless where a freed one is not.
// But a host that makes and destroys windows all day must not grow a view
// per window for ever. So views are recycled, never freed.
//
// A sweep runs when at least kViewsBeforeSweep new handles, and at least as
// many as were alive at the last sweep, have come in since that sweep. It
// takes the views of handles that are no longer windows out of the table and
// holds them, still aimed at their dead handles (on which every call fails
// harmlessly), until the next sweep; only then do they join the views that
// new handles are given, in no particular order. So a view whose window was
// destroyed is aimed at another window only after the host has passed at
// least kViewsBeforeSweep other new windows to FromHandle. The table at least
// doubles between sweeps, which keeps their cost in proportion, and memory
// stays in proportion to the windows alive at once.
namespace {

const size_t kViewsBeforeSweep = 256;

struct ViewTable {
    NvtLock lock;
    std::deque<CWnd> views;  // a deque never moves what it holds
    std::unordered_map<HWND, CWnd*> byHandle;
    std::vector<CWnd*> sweptDead;  // found dead by the last sweep, held until the next
    std::vector<CWnd*> reusable;
    size_t sweepAt = kViewsBeforeSweep;

    void Sweep() {
        reusable.insert(reusable.end(), sweptDead.begin(), sweptDead.end());
        sweptDead.clear();
        for (auto it = byHandle.begin(); it != byHandle.end();) {
            if (::IsWindow(it->first)) {
                ++it;
                continue;
            }
            sweptDead.push_back(it->second);
            it = byHandle.erase(it);
        }
        const size_t alive = byHandle.size();
        sweepAt = alive + (alive > kViewsBeforeSweep ? alive : kViewsBeforeSweep);
    }

    CWnd* NewView(HWND hwnd) {
        if (byHandle.size() >= sweepAt) Sweep();
        CWnd* view = nullptr;
        if (!reusable.empty()) {
            view = reusable.back();
            reusable.pop_back();
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
