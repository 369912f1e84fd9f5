// Controls are views over their windows: each call is one message. A control
// with behaviour of its own derives from the Base-parameterised template with
// CSubclassedWnd, e.g. class CPlayerListBox : public CListBoxT<CSubclassedWnd>.
#ifndef LOBBYUI_WIN_CONTROLS_H
#define LOBBYUI_WIN_CONTROLS_H

#include <windows.h>
#include <lobbyui/button.h>
#include <lobbyui/wnd.h>

#include "win/subclass.h"

template <class Base = CWnd>
class CEditT : public Base {
public:
    void LimitText(int chars) const { this->SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
    void SetSel(int start, int end) const { this->SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
};
using CEdit = CEditT<>;

template <class Base = CWnd>
class CListBoxT : public Base {
public:
    int GetCount() const { return static_cast<int>(this->SendMessage(LB_GETCOUNT)); }
    int AddString(const char* text) const { return static_cast<int>(this->SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char* text) const {
        return static_cast<int>(this->SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) const { return static_cast<int>(this->SendMessage(LB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() const { this->SendMessage(LB_RESETCONTENT); }
    int GetCurSel() const { return static_cast<int>(this->SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(this->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    int GetTopIndex() const { return static_cast<int>(this->SendMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int index) const { return static_cast<int>(this->SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(index))); }
    int SetItemHeight(int index, int height) const {
        return static_cast<int>(this->SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height));
    }
    int GetItemHeight(int index) const { return static_cast<int>(this->SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(index))); }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(this->SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index))); }
    int SetItemData(int index, DWORD_PTR data) const {
        return static_cast<int>(this->SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    CRect GetItemRect(int index) const {
        RECT r = {0, 0, 0, 0};
        this->SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        return CWnd::FromRECT(r);
    }
    // The index of the row under a client point and whether the point lies
    // outside every row (below the last one, say).
    int ItemFromPoint(CPoint p, BOOL* outside) const {
        LRESULT r = this->SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
        if (outside) *outside = HIWORD(r) != 0;
        return LOWORD(r);
    }
};
using CListBox = CListBoxT<>;

template <class Base = CWnd>
class CComboBoxT : public Base {
public:
    int GetCount() const { return static_cast<int>(this->SendMessage(CB_GETCOUNT)); }
    int AddString(const char* text) const { return static_cast<int>(this->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    void ResetContent() const { this->SendMessage(CB_RESETCONTENT); }
    int GetCurSel() const { return static_cast<int>(this->SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) const { return static_cast<int>(this->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    DWORD_PTR GetItemData(int index) const { return static_cast<DWORD_PTR>(this->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index))); }
    int SetItemData(int index, DWORD_PTR data) const {
        return static_cast<int>(this->SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    CString GetLBText(int index) const {
        LRESULT length = this->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
        if (length <= 0) return CString();
        std::string text(static_cast<size_t>(length) + 1, '\0');
        this->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length));
        return CString(text);
    }
};
using CComboBox = CComboBoxT<>;

#endif
