#include "settings/room_entrance_button.h"

#include "res/settings_ids.h"
#include "settings/handed_out_set.h"
#include "settings/handed_out_windows.h"
#include "settings/room_entrance_rules.h"
#include "support/texts_gbk.h"
#include "win/module.h"

namespace {

// Every button CreateNewRE_Btn made and DeleteRE_Btn has not yet deleted.
HandedOutSet<CButton>& LiveButtons() {
    static HandedOutSet<CButton> live;
    return live;
}

// The live button behind a pointer a host handed back, or null.
RoomEntranceBtn* FromButton(CButton* button) {
    return LiveButtons().Holds(button) ? static_cast<RoomEntranceBtn*>(button) : nullptr;
}

// A button the host hid or disabled has been put away: it does nothing the
// host did not ask for, such as taking the focus.
bool ShownAndEnabled(HWND window) {
    return window && (::GetWindowLongA(window, GWL_STYLE) & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
}

}  // namespace

RoomEntranceBtn::RoomEntranceBtn() : m_subclass(*this) {}

RoomEntranceBtn::~RoomEntranceBtn() {
    // The window goes first, through the subclass, so that its destruction
    // runs the button's own teardown.
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

BOOL RoomEntranceBtn::Create(CWnd* parent) {
    HWND hwnd = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_CLIPSIBLINGS | BS_OWNERDRAW, 0, 0, 0, 0,
                                  HwndOf(parent), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ROOM_ENTRANCE_BUTTON)),
                                  LobbyModule(), nullptr);
    if (!hwnd) return FALSE;
    if (!m_subclass.SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return FALSE;
    }
    m_hWnd = hwnd;

    m_tme.cbSize = sizeof m_tme;
    m_tme.dwFlags = TME_LEAVE;
    m_tme.hwndTrack = hwnd;
    m_tme.dwHoverTime = HOVER_DEFAULT;
    ::InvalidateRect(hwnd, nullptr, TRUE);

    LOGFONTA lf = ChineseLogFont(13, FW_NORMAL);
    lstrcpynA(lf.lfFaceName, kGbkNewSongTypeface, LF_FACESIZE);
    m_font.CreateFontIndirect(&lf);
    return TRUE;
}

void RoomEntranceBtn::ChangeState(eBTN_CONDITION state) {
    m_ePrevState = m_eState;
    m_eState = state;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void RoomEntranceBtn::Paint(CDC& dc) const {
    const char* name = m_pServerInfo ? m_pServerInfo->acServerName : nullptr;
    size_t length = RoomEntranceRules::NameLength(name);
    RoomEntranceRules::FaceLayout face = RoomEntranceRules::LayOutFace(static_cast<int>(m_eState), length);
    if (m_pImageList) {
        m_pImageList->Draw(dc, face.leftImage, 0, 0, ILD_TRANSPARENT);
        for (int x : face.middleXs) m_pImageList->Draw(dc, face.middleImage, x, 0, ILD_TRANSPARENT);
        m_pImageList->Draw(dc, face.rightImage, face.rightX, 0, ILD_TRANSPARENT);
    }
    if (length == 0) return;
    SelectGuard font(dc, m_font.GetSafeHandle());
    int oldMode = dc.SetBkMode(TRANSPARENT);
    CRect text = GetClientRect();
    text.top = RoomEntranceRules::kNameTop;
    RECT r = ToRECT(text);
    ::DrawTextA(dc, name, static_cast<int>(length), &r, DT_CENTER | DT_NOCLIP | DT_NOPREFIX);
    dc.SetBkMode(oldMode);
}

LRESULT RoomEntranceBtn::OnLButtonDown() {
    ChangeState(BTN_DOWN);
    const HWND self = m_hWnd;
    CLifeWatched::LifeWatch watch(m_subclass);
    ::SendMessageA(::GetParent(self), LOBBYUI_MSG_ROOM_BUTTON_PRESSED, reinterpret_cast<WPARAM>(m_pServerInfo),
                   reinterpret_cast<LPARAM>(static_cast<CButton*>(this)));
    // The host's handler stands: a button it deleted, hid or disabled gets
    // no capture or focus from this press.
    if (watch.Gone() || self != m_hWnd || !ShownAndEnabled(self)) return 0;
    return m_subclass.Default();
}

LRESULT RoomEntranceBtn::WindowProc(UINT msg, WPARAM w, LPARAM) {
    switch (msg) {
    case WM_PAINT: {
        // As the system's own button does, a DC in wParam is painted into
        // instead of the window's: how a host renders a button elsewhere.
        if (w) {
            CDC dc(reinterpret_cast<HDC>(w));
            Paint(dc);
            return 0;
        }
        CPaintDC dc(m_hWnd);
        Paint(dc);
        return 0;
    }
    case WM_PRINTCLIENT: {
        CDC dc(reinterpret_cast<HDC>(w));
        Paint(dc);
        return 0;
    }
    case WM_MOUSEMOVE:
        ChangeState(BTN_HOVER);
        ::TrackMouseEvent(&m_tme);
        return m_subclass.Default();
    case WM_MOUSELEAVE:
        ChangeState(BTN_NORMAL);
        return 0;
    case WM_LBUTTONDOWN:
        return OnLButtonDown();
    case WM_DESTROY: {
        LRESULT result = m_subclass.Default();
        m_font.DeleteObject();
        return result;
    }
    case WM_NCDESTROY:
        // The host's view says so too once the window is gone.
        m_hWnd = nullptr;
        return m_subclass.Default();
    default:
        return m_subclass.Default();
    }
}

CButton* CR_E_BtnInterface::CreateNewRE_Btn(CImageList* images, CWnd* parent) {
    RoomEntranceBtn* button = new RoomEntranceBtn;
    // Without a window (no parent, or one already gone) the host still gets
    // a button: one whose m_hWnd is null, which every function here takes.
    button->Create(parent);
    button->SetImageList(images);
    LiveButtons().HandOut(button);
    return button;
}

void CR_E_BtnInterface::DeleteRE_Btn(CButton* button) {
    // Taken back before the window goes: its destruction moves the focus,
    // and a host calling back from there finds the button already gone.
    if (!LiveButtons().TakeBack(button)) return;
    LiveButtons().End(static_cast<RoomEntranceBtn*>(button));
}

HWND HandedOutWindow(const CButton* button) {
    if (!LiveButtons().Holds(button)) return nullptr;
    return ::IsWindow(button->m_hWnd) ? button->m_hWnd : nullptr;
}

void CR_E_BtnInterface::ChangeBtnImglist(CButton* button, CImageList* images) {
    if (RoomEntranceBtn* b = FromButton(button)) b->SetImageList(images);
}

void CR_E_BtnInterface::SetGSData(CButton* button, tagGameServerInfo* server) {
    if (RoomEntranceBtn* b = FromButton(button)) b->SetServer(server);
}

void CR_E_BtnInterface::ShowBtn(CButton* button) {
    RoomEntranceBtn* b = FromButton(button);
    if (!b || !b->m_hWnd) return;
    b->EnableWindow(TRUE);
    b->ShowWindow(SW_SHOW);
}

void CR_E_BtnInterface::HideBtn(CButton* button) {
    RoomEntranceBtn* b = FromButton(button);
    if (b && b->m_hWnd) b->ShowWindow(SW_HIDE);
}

void CR_E_BtnInterface::EnableButton(CButton* button, unsigned char enable) {
    RoomEntranceBtn* b = FromButton(button);
    if (b && b->m_hWnd) b->EnableWindow(enable ? TRUE : FALSE);
}

void CR_E_BtnInterface::SetBtnSize(CButton* button, CRect rect) {
    RoomEntranceBtn* b = FromButton(button);
    if (!b || !b->m_hWnd) return;
    int width = rect.Width() > 0 ? rect.Width() : 0;
    int height = rect.Height() > 0 ? rect.Height() : 0;
    b->SetWindowPos(nullptr, rect.left, rect.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

eBTN_CONDITION CR_E_BtnInterface::GetBtnStatus(CButton* button) {
    RoomEntranceBtn* b = FromButton(button);
    // Hidden means hidden by the host (HideBtn, or never shown): a button
    // in a lobby window that is minimised or not yet shown keeps its state.
    if (!b || !b->m_hWnd || (::GetWindowLongA(b->m_hWnd, GWL_STYLE) & WS_VISIBLE) == 0) return BTN_NORMAL;
    return b->State();
}
