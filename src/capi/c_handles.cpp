#include "capi/c_handles.h"

#include <map>
#include <memory>
#include <set>

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

template <class Object>
std::set<Object*>& HandedOut() {
    static std::set<Object*> out;
    return out;
}

template <class Object>
HWND WindowOfHandedOut(Object* object) {
    if (!object || HandedOut<Object>().count(object) == 0) return nullptr;
    return ::IsWindow(object->m_hWnd) ? object->m_hWnd : nullptr;
}

}  // namespace

CWnd* WndOf(HWND hwnd) { return CWnd::FromHandle(hwnd); }

CImageList* ImageListOf(HIMAGELIST images) { return LastingView<CImageList>(images); }

CBitmap* BitmapOf(HBITMAP bitmap) { return LastingView<CBitmap>(bitmap); }

CRect RectOf(const RECT* rect) {
    return rect ? CRect(rect->left, rect->top, rect->right, rect->bottom) : CRect();
}

LOBBYUI_HBUTTON HandOutButton(CButton* button) {
    if (button) HandedOut<CButton>().insert(button);
    return reinterpret_cast<LOBBYUI_HBUTTON>(button);
}

CButton* TakeBackButton(LOBBYUI_HBUTTON button) {
    HandedOut<CButton>().erase(ButtonOf(button));
    return ButtonOf(button);
}

HWND ButtonWindow(LOBBYUI_HBUTTON button) { return WindowOfHandedOut(ButtonOf(button)); }

LOBBYUI_HWEBDLG HandOutWebDialog(CDialog* dialog) {
    if (dialog) HandedOut<CDialog>().insert(dialog);
    return reinterpret_cast<LOBBYUI_HWEBDLG>(dialog);
}

CDialog* TakeBackWebDialog(LOBBYUI_HWEBDLG dialog) {
    CDialog* d = reinterpret_cast<CDialog*>(dialog);
    HandedOut<CDialog>().erase(d);
    return d;
}

HWND WebDialogWindow(LOBBYUI_HWEBDLG dialog) { return WindowOfHandedOut(reinterpret_cast<CDialog*>(dialog)); }

}  // namespace lobbyui_c
