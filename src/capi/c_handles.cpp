#include "capi/c_handles.h"

#include <map>
#include <memory>

#include "settings/handed_out_windows.h"

namespace lobbyui_c {
namespace {

// A framework object over a handle the host lent: it lets go of the handle
// when the table goes at unload, instead of destroying the host's object.
template <class Object, class Handle>
struct Lent : Object {
    explicit Lent(Handle h) : Object(h) {}
    ~Lent() { this->Detach(); }
};

template <class Object, class Handle>
Object* LastingView(Handle h) {
    static std::map<Handle, std::unique_ptr<Lent<Object, Handle>>> views;
    if (!h) return nullptr;
    std::unique_ptr<Lent<Object, Handle>>& view = views[h];
    if (!view) view.reset(new Lent<Object, Handle>(h));
    return view.get();
}

}  // namespace

CWnd* WndOf(HWND hwnd) { return CWnd::FromHandle(hwnd); }

CImageList* ImageListOf(HIMAGELIST images) { return LastingView<CImageList>(images); }

CBitmap* BitmapOf(HBITMAP bitmap) { return LastingView<CBitmap>(bitmap); }

CRect RectOf(const RECT* rect) {
    return rect ? CRect(rect->left, rect->top, rect->right, rect->bottom) : CRect();
}

HWND ButtonWindow(LOBBYUI_HBUTTON button) { return HandedOutWindow(ButtonOf(button)); }

HWND WebDialogWindow(LOBBYUI_HWEBDLG dialog) { return HandedOutWindow(WebDialogOf(dialog)); }

}  // namespace lobbyui_c
