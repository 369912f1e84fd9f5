#include <lobbyui/wnd.h>

#include <map>
#include <memory>

// Hosts hand their windows in as FromHandle(hwnd) and may keep the pointer,
// so each handle gets one view that lives as long as the library. Views are
// never freed early: a host may still hold the pointer of a window that is
// gone, and a view of a dead handle is harmless where a freed one is not.
// Hosts pass a handful of windows, so the table stays small.
CWnd* CWnd::FromHandle(HWND hwnd) {
    static std::map<HWND, std::unique_ptr<CWnd>> views;
    if (!hwnd) return nullptr;
    std::unique_ptr<CWnd>& view = views[hwnd];
    if (!view) view.reset(new CWnd(hwnd));
    return view.get();
}
