// RoomEntranceBtn: a room-entrance button. Its face comes from the host's
// image list, stretched to the server's name with one middle piece per
// character, and the name is written on top. It paints itself in WM_PAINT
// (into the DC in wParam when there is one) and WM_PRINTCLIENT, never
// through the owner-draw message to its parent.
#ifndef LOBBYUI_SETTINGS_ROOM_ENTRANCE_BUTTON_H
#define LOBBYUI_SETTINGS_ROOM_ENTRANCE_BUTTON_H

#include <windows.h>

#include <lobbyui/gdi.h>
#include <lobbyui/settings_dialogs.h>

#include <commctrl.h>

#include "win/controls.h"
#include "win/dc.h"

class RoomEntranceBtn : public CButton {
public:
    static constexpr UINT kPressedMessage = WM_USER + 11;

    RoomEntranceBtn() = default;
    ~RoomEntranceBtn();
    RoomEntranceBtn(const RoomEntranceBtn&) = delete;
    RoomEntranceBtn& operator=(const RoomEntranceBtn&) = delete;

    // Makes the hidden, empty child window (id 9999) under parent.
    BOOL Create(CWnd* parent);

    // The live button behind a pointer a host handed back, or null.
    static RoomEntranceBtn* FromButton(CButton* button);

    void SetImageList(CImageList* images) { m_pImageList = images; }
    void SetServer(tagGameServerInfo* server) { m_pServerInfo = server; }
    eBTN_CONDITION State() const { return m_eState; }

    void Paint(CDC& dc) const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR ref);
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l);
    LRESULT Default(UINT msg, WPARAM w, LPARAM l) { return ::DefSubclassProc(m_hWnd, msg, w, l); }
    friend class CR_E_BtnInterface;
    void ChangeState(eBTN_CONDITION state);

    TRACKMOUSEEVENT m_tme = {};
    eBTN_CONDITION m_ePrevState = BTN_NORMAL;
    eBTN_CONDITION m_eState = BTN_NORMAL;
    CImageList* m_pImageList = nullptr;
    tagGameServerInfo* m_pServerInfo = nullptr;
    CFont m_font;
    // A host may delete the button while it handles the press; the object
    // then goes when the button's last message returns.
    int m_depth = 0;
    bool m_deletePending = false;
};

#endif
