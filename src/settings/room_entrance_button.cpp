#include "settings/room_entrance_button.h"

#include <set>

#include "res/settings_ids.h"
#include "settings/room_entrance_rules.h"
#include "support/texts_gbk.h"
#include "win/module.h"

namespace {

const UINT_PTR kSubclassId = 0x52455F42;  // "RE_B"

// Every button CreateNewRE_Btn made and DeleteRE_Btn has not yet deleted:
// a pointer the host hands back is used only when it is one of these.
std::set<const CButton*>& LiveButtons() {
    static std::set<const CButton*> live;
    return live;
}

}  // namespace

RoomEntranceBtn::~RoomEntranceBtn() {
    LiveButtons().erase(this);
    if (m_hWnd) {
        ::RemoveWindowSubclass(m_hWnd, &RoomEntranceBtn::SubclassProc, kSubclassId);
        if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    }
    m_hWnd = nullptr;
}

LRESULT CALLBACK RoomEntranceBtn::SubclassProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) {
    RoomEntranceBtn* self = reinterpret_cast<RoomEntranceBtn*>(ref);
    ++self->m_depth;
    LRESULT result = self->WindowProc(msg, w, l);
    --self->m_depth;
    if (msg == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, &RoomEntranceBtn::SubclassProc, kSubclassId);
        self->m_hWnd = nullptr;
    }
    if (self->m_depth == 0 && self->m_deletePending) delete self;
    return result;
}

RoomEntranceBtn* RoomEntranceBtn::FromButton(CButton* button) {
    if (!button || LiveButtons().count(button) == 0) return nullptr;
    return static_cast<RoomEntranceBtn*>(button);
}

BOOL RoomEntranceBtn::Create(CWnd* parent) {
    HWND hwnd = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_CLIPSIBLINGS | BS_OWNERDRAW, 0, 0, 0, 0,
                                  HwndOf(parent), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ROOM_ENTRANCE_BUTTON)),
                                  LobbyModule(), nullptr);
    if (!hwnd) return FALSE;
    m_hWnd = hwnd;
    ::SetWindowSubclass(hwnd, &RoomEntranceBtn::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    LiveButtons().insert(this);

    m_tme.cbSize = sizeof m_tme;
    m_tme.dwFlags = TME_LEAVE;
    m_tme.hwndTrack = hwnd;
    m_tme.dwHoverTime = HOVER_DEFAULT;
    ::InvalidateRect(hwnd, nullptr, TRUE);

    LOGFONTA lf = {};
    lf.lfHeight = 13;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH;
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

LRESULT RoomEntranceBtn::WindowProc(UINT msg, WPARAM w, LPARAM l) {
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
        return Default(msg, w, l);
    case WM_MOUSELEAVE:
        ChangeState(BTN_NORMAL);
        return 0;
    case WM_LBUTTONDOWN: {
        ChangeState(BTN_DOWN);
        HWND self = m_hWnd;
        ::SendMessageA(::GetParent(self), kPressedMessage, reinterpret_cast<WPARAM>(m_pServerInfo),
                       reinterpret_cast<LPARAM>(static_cast<CButton*>(this)));
        // A host that deleted the button while handling the press left no
        // window to give the press to.
        if (m_deletePending || !::IsWindow(self)) return 0;
        return Default(msg, w, l);
    }
    case WM_DESTROY: {
        LRESULT result = Default(msg, w, l);
        m_font.DeleteObject();
        return result;
    }
    default:
        return Default(msg, w, l);
    }
}

CButton* CR_E_BtnInterface::CreateNewRE_Btn(CImageList* images, CWnd* parent) {
    RoomEntranceBtn* button = new RoomEntranceBtn;
    // A button whose window could not be made would be nothing the host could use.
    if (!button->Create(parent)) {
        delete button;
        return nullptr;
    }
    button->SetImageList(images);
    return button;
}

void CR_E_BtnInterface::DeleteRE_Btn(CButton* button) {
    RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button);
    if (!b) return;
    if (b->m_depth == 0) {
        delete b;
        return;
    }
    // Inside one of the button's own messages (the host answering 1035):
    // the window goes now, the object when that message returns.
    LiveButtons().erase(b);
    b->m_deletePending = true;
    if (b->m_hWnd) ::DestroyWindow(b->m_hWnd);
}

void CR_E_BtnInterface::ChangeBtnImglist(CButton* button, CImageList* images) {
    if (RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button)) b->SetImageList(images);
}

void CR_E_BtnInterface::SetGSData(CButton* button, tagGameServerInfo* server) {
    if (RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button)) b->SetServer(server);
}

void CR_E_BtnInterface::ShowBtn(CButton* button) {
    if (RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button)) {
        b->EnableWindow(TRUE);
        b->ShowWindow(SW_SHOW);
    }
}

void CR_E_BtnInterface::HideBtn(CButton* button) {
    if (RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button)) b->ShowWindow(SW_HIDE);
}

void CR_E_BtnInterface::EnableButton(CButton* button, unsigned char enable) {
    if (RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button)) b->EnableWindow(enable ? TRUE : FALSE);
}

void CR_E_BtnInterface::SetBtnSize(CButton* button, CRect rect) {
    RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button);
    if (!b) return;
    int width = rect.Width() > 0 ? rect.Width() : 0;
    int height = rect.Height() > 0 ? rect.Height() : 0;
    b->SetWindowPos(nullptr, rect.left, rect.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

eBTN_CONDITION CR_E_BtnInterface::GetBtnStatus(CButton* button) {
    RoomEntranceBtn* b = RoomEntranceBtn::FromButton(button);
    // Hidden means hidden by the host (HideBtn, or never shown): a button
    // in a lobby window that is minimised or not yet shown keeps its state.
    if (!b || !b->m_hWnd || (::GetWindowLongA(b->m_hWnd, GWL_STYLE) & WS_VISIBLE) == 0) return BTN_NORMAL;
    return b->State();
}
