// A host calling back into a room-entrance button from inside its 1035, and
// from the focus that the press, a hide and a delete move through the host's
// window.
#include <gtest/gtest.h>

#include <string>

#include <lobbyui/gdi.h>
#include <lobbyui/messages.h>
#include <lobbyui/settings_dialogs.h>

#include "info_host_calls.h"

namespace {

typedef CR_E_BtnInterface Buttons;
const UINT kPressed = LOBBYUI_MSG_ROOM_BUTTON_PRESSED;

struct HostServer {
    unsigned char head[2] = {7, 9};
    char name[16] = "Room";
    tagGameServerInfo* info() { return reinterpret_cast<tagGameServerInfo*>(this); }
};

class RoomButton : public DialogUnderTest {
public:
    explicit RoomButton(HostWindow& host) : m_host(host) {}
    ~RoomButton() override { Destroy(); }
    void Create() override {
        m_button = Buttons::CreateNewRE_Btn(&m_faces, m_host.wnd());
        Buttons::SetGSData(m_button, m_server.info());
        Buttons::SetBtnSize(m_button, CRect(30, 40, 130, 64));
    }
    void Show() override { Buttons::ShowBtn(m_button); }
    void Hide() override { Buttons::HideBtn(m_button); }
    void Destroy() override {
        CButton* button = m_button;
        m_button = nullptr;
        Buttons::DeleteRE_Btn(button);
    }
    void ReadGetters() override { gettersSeen = "status=" + std::to_string(Buttons::GetBtnStatus(m_button)); }
    void Press() override {
        if (m_button) ::SendMessageA(m_button->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::ReleaseCapture();
    }
    void PumpNested() override {
        if (!m_button) return;
        HWND window = m_button->m_hWnd;
        for (int tick = 1; tick <= 3; ++tick) ::SendMessageA(window, WM_TIMER, tick, 0);
        Press();
        if (m_button) ::SendMessageA(m_button->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
        PumpMessages();
    }
    int PressesInPump() const override { return 1; }
    bool PumpHides() const override { return false; }
    Seen State() override {
        if (!m_button) return Seen::kGone;
        if (!::IsWindow(m_button->m_hWnd)) return Seen::kGone;
        return (::GetWindowLongA(m_button->m_hWnd, GWL_STYLE) & WS_VISIBLE) ? Seen::kShown : Seen::kHidden;
    }
    void Focus() override { ::SetFocus(m_button->m_hWnd); }
    CButton* button() const { return m_button; }

private:
    HostWindow& m_host;
    CImageList m_faces{ImageList_Create(13, 24, ILC_COLOR24, 9, 0)};
    HostServer m_server;
    CButton* m_button = nullptr;
};

const Door kDoors[] = {
    {"Press", [](DialogUnderTest& d) { d.Press(); }, WM_KILLFOCUS, DoorStart::kShownHostFocused, Seen::kShown},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Delete", [](DialogUnderTest& d) { d.Destroy(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kGone},
};

class RoomButtonCallBackTest : public HostCallTest {
protected:
    void SetUp() override { ActivateHost(host.hwnd()); }
    HostWindow host{0, 0, 600, 400};
    RoomButton button{host};
};

class RoomButtonReportTest : public RoomButtonCallBackTest {};

}  // namespace

TEST_P(RoomButtonReportTest, AHostCallingBackFromThePressFindsWhatItsLastCallAskedFor) {
    CheckReportCallBack(host, kPressed, button, Call(), "status=2");
}

INSTANTIATE_TEST_SUITE_P(EveryCall, RoomButtonReportTest, EveryCall(),
                         CaseName([](size_t) { return std::string(); }));

TEST_P(RoomButtonCallBackTest, AHostCallingBackFromTheFocusFindsWhatItsLastCallAskedFor) {
    CheckDoorCallBack(host, button, kDoors[Row()], Call());
}

INSTANTIATE_TEST_SUITE_P(EveryDoorAndCall, RoomButtonCallBackTest, EveryRowAndCall(kDoors), NamedByDoor(kDoors));

TEST(RoomButtonPutAwayTest, APressTheHostAnswersByHidingTheButtonLeavesItNeitherFocusedNorCapturing) {
    HostWindow host{0, 0, 600, 400};
    ActivateHost(host.hwnd());
    RoomButton button(host);
    button.Create();
    button.Show();
    host.Answer(kPressed, [](WPARAM, LPARAM l) -> LRESULT {
        Buttons::HideBtn(reinterpret_cast<CButton*>(l));
        return 0;
    });
    ::SendMessageA(button.button()->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(host.hwnd(), ::GetFocus());
    EXPECT_EQ(nullptr, ::GetCapture());
}
