// CButton: a view over a button window. A host receives room-entrance
// buttons as CButton pointers and reaches their window as it would any
// CWnd's (button->m_hWnd). A button with behaviour of its own sees its
// window's messages through the library's subclassing class: one the library
// keeps to itself derives from CButtonT with that class as its base; one
// handed to a host is a CButton that holds such a subclass as a member.
#ifndef LOBBYUI_BUTTON_H
#define LOBBYUI_BUTTON_H

#include <windows.h>
#include <lobbyui/wnd.h>

template <class Base = CWnd>
class CButtonT : public Base {
public:
    int GetCheck() const { return static_cast<int>(this->SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const { this->SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    HBITMAP SetBitmap(HBITMAP bitmap) const {
        return reinterpret_cast<HBITMAP>(this->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};
using CButton = CButtonT<>;

#endif
