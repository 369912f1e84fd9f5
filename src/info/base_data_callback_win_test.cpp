// A host calling back into the base-data panel from inside its 1325, and
// from the focus its hide and destroy move into the host's window.
#include <gtest/gtest.h>

#include <string>

#include <lobbyui/messages.h>
#include <lobbyui/player_info.h>

#include "info_host_calls.h"
#include "res/info_ids.h"

namespace {

typedef CPBDDlg_Interface BaseData;
const UINT kButtons = LOBBYUI_MSG_BASE_DATA_BUTTON;
const int kButtonIds[4] = {IDC_PBD_BUTTON1, IDC_PBD_BUTTON2, IDC_PBD_BUTTON3, IDC_PBD_BUTTON4};

// The lobby: the host's main window hears 1325; the panel lives in a holder
// window inside it, which the host observes as well.
class Lobby {
public:
    Lobby() {
        ::SetWindowLongPtrA(holder.hwnd(), GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
        ::SetParent(holder.hwnd(), host.hwnd());
        ::SetWindowPos(holder.hwnd(), nullptr, 0, 0, 700, 300, SWP_NOZORDER | SWP_FRAMECHANGED);
        ActivateHost(host.hwnd());
    }
    HostWindow host{0, 0, 800, 400};
    HostWindow holder{0, 0, 700, 300};
};

class Panel : public DialogUnderTest {
public:
    Panel(Lobby& lobby, int button) : m_lobby(lobby), m_button(button) {}
    void Create() override { BaseData::CreatePBD_Dlg(m_lobby.holder.wnd()); }
    void Show() override { BaseData::ShowPBD_Dlg(); }
    void Hide() override { BaseData::HidePBD_Dlg(); }
    void Destroy() override { BaseData::DestroyPDB_Dlg(); }
    void ReadGetters() override {}
    void Press() override {
        if (HWND d = Window()) Click(d, m_button);
    }
    void PumpNested() override { PumpAsAModalLoop(Window(), m_button); }
    int PressesInPump() const override { return 1; }
    bool PumpHides() const override { return false; }
    // The focus on the panel itself, as after a click on its face: a panel
    // given the focus hands it on to its first enabled button, so the
    // buttons are disabled for the moment it arrives.
    void Focus() override {
        HWND d = Window();
        for (int id : kButtonIds) ::EnableWindow(::GetDlgItem(d, id), FALSE);
        ::SetFocus(d);
        for (int id : kButtonIds) ::EnableWindow(::GetDlgItem(d, id), id != IDC_PBD_BUTTON4);
    }
    HWND Window() const override { return ::FindWindowExA(m_lobby.holder.hwnd(), nullptr, MAKEINTATOM(32770), nullptr); }

private:
    Lobby& m_lobby;
    int m_button;
};

class BaseDataCallBackTest : public HostCallTest {
protected:
    void TearDown() override { BaseData::DestroyPDB_Dlg(); }
    Lobby lobby;
};

class BaseDataReportTest : public BaseDataCallBackTest {};
class BaseDataDoorTest : public BaseDataCallBackTest {};

const Door kDoors[] = {
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kGone},
};

}  // namespace

TEST_P(BaseDataReportTest, AHostCallingBackFromTheReportFindsWhatItsLastCallAskedFor) {
    Panel panel(lobby, kButtonIds[Row()]);
    CheckReportCallBack(lobby.host, kButtons, panel, Call(), "");
    for (const ReceivedMessage& m : lobby.host.ReceivedOf(kButtons)) {
        EXPECT_EQ(static_cast<WPARAM>(Row() + 1), m.wParam);
    }
    EXPECT_TRUE(lobby.holder.ReceivedOf(kButtons).empty());
}

INSTANTIATE_TEST_SUITE_P(EveryCodeAndCall, BaseDataReportTest, EveryRowAndCall(kButtonIds),
                         CaseName([](size_t row) { return "Code" + std::to_string(row + 1); }));

TEST_P(BaseDataDoorTest, AHostCallingBackFromTheFocusFindsWhatItsLastCallAskedFor) {
    Panel panel(lobby, IDC_PBD_BUTTON2);
    CheckDoorCallBack(lobby.holder, panel, kDoors[Row()], Call());
}

INSTANTIATE_TEST_SUITE_P(EveryDoorAndCall, BaseDataDoorTest, EveryRowAndCall(kDoors), NamedByDoor(kDoors));
