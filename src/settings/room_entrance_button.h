// RoomEntranceBtn: a room-entrance button. Its face comes from the host's
// image list, stretched to the server's name with one middle piece per
// character, and the name is written on top. It paints itself in WM_PAINT
// (into the DC in wParam when there is one) and WM_PRINTCLIENT, never
// through the owner-draw message to its parent.
#ifndef LOBBYUI_SETTINGS_ROOM_ENTRANCE_BUTTON_H
#define LOBBYUI_SETTINGS_ROOM_ENTRANCE_BUTTON_H

#include <windows.h>

#include <lobbyui/gdi.h>
#include <lobbyui/messages.h>
#include <lobbyui/settings_dialogs.h>

#include <commctrl.h>

#include "win/controls.h"
#include "win/dc.h"

class RoomEntranceBtn : public CButton {
public:
    RoomEntranceBtn();
    ~RoomEntranceBtn();
    RoomEntranceBtn(const RoomEntranceBtn&) = delete;
    RoomEntranceBtn& operator=(const RoomEntranceBtn&) = delete;

    // Makes the hidden, empty child window (id 9999) under parent.
    BOOL Create(CWnd* parent);

    void SetImageList(CImageList* images) { m_pImageList = images; }
    void SetServer(tagGameServerInfo* server) { m_pServerInfo = server; }
    eBTN_CONDITION State() const { return m_eState; }

    void Paint(CDC& dc) const;

private:
    // The button's window is subclassed through this member: its lifetime
    // watch tells a handler whether the host deleted the button while the
    // handler let it run code. The host's view of the button is the CButton
    // base, whose m_hWnd names the same window.
    class Subclass : public CSubclassedWnd {
    public:
        explicit Subclass(RoomEntranceBtn& button) : m_button(button) {}
        using CSubclassedWnd::Default;

    protected:
        LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override { return m_button.WindowProc(msg, w, l); }

    private:
        RoomEntranceBtn& m_button;
    };

    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l);
    LRESULT OnLButtonDown();
    void ChangeState(eBTN_CONDITION state);

    TRACKMOUSEEVENT m_tme = {};
    eBTN_CONDITION m_ePrevState = BTN_NORMAL;
    eBTN_CONDITION m_eState = BTN_NORMAL;
    CImageList* m_pImageList = nullptr;
    tagGameServerInfo* m_pServerInfo = nullptr;
    CFont m_font;
    Subclass m_subclass;
};

#endif
