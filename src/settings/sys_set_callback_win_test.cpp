// A host calling back into the settings dialog from inside its 1335, and
// from the activation and focus messages the dialog's show, hide and
// destroy cause in the host's window.
#include <gtest/gtest.h>

#include <string>

#include <lobbyui/messages.h>
#include <lobbyui/settings_dialogs.h>

#include "info_host_calls.h"
#include "res/settings_ids.h"

namespace {

typedef CSysSetDlg_Interface Settings;
const UINT kSettings = LOBBYUI_MSG_SYSTEM_SETTINGS;

// A press of the user's and what it reports; every case starts from both
// volumes at 3 and the switches set so that the box pressed is unchecked.
struct SettingsPress {
    const char* name;
    int control;
    unsigned char osOn;
    unsigned char cardTypeOn;
    bool isSwitch;
    const char* gettersInHandler;
};

const SettingsPress kPresses[] = {
    {"SoundUp", IDC_SS_SOUND_UP, 0, 0, false, "music=3 sound=4 os=0 card=0"},
    {"SoundDown", IDC_SS_SOUND_DOWN, 0, 0, false, "music=3 sound=2 os=0 card=0"},
    {"MusicUp", IDC_SS_MUSIC_UP, 0, 0, false, "music=4 sound=3 os=0 card=0"},
    {"MusicDown", IDC_SS_MUSIC_DOWN, 0, 0, false, "music=2 sound=3 os=0 card=0"},
    {"OsOff", IDC_SS_OS_OFF, 1, 0, true, "music=3 sound=3 os=1 card=0"},
    {"OsOn", IDC_SS_OS_ON, 0, 0, true, "music=3 sound=3 os=0 card=0"},
    {"CardTypeOff", IDC_SS_CARD_TYPE_OFF, 0, 1, true, "music=3 sound=3 os=0 card=1"},
    {"CardTypeOn", IDC_SS_CARD_TYPE_ON, 0, 0, true, "music=3 sound=3 os=0 card=0"},
};

class SettingsDialog : public DialogUnderTest {
public:
    SettingsDialog(HostWindow& host, const SettingsPress& press) : m_host(host), m_press(press) {}
    void Create() override {
        Settings::CreateDlg(m_host.wnd());
        Settings::SetSysMusicVolume(3);
        Settings::SetSysSoundVolume(3);
        Settings::SetIfOS_On(m_press.osOn);
        Settings::SetIfCardType_On(m_press.cardTypeOn);
    }
    void Show() override { Settings::ShowDlg(); }
    void Hide() override { Settings::HideDlg(); }
    void Destroy() override { Settings::DestroyDlg(); }
    void ReadGetters() override {
        gettersSeen = "music=" + std::to_string(Settings::GetSysMusicVolume()) +
                      " sound=" + std::to_string(Settings::GetSysSoundVolume()) +
                      " os=" + std::to_string(Settings::GetIfOS_On()) +
                      " card=" + std::to_string(Settings::GetIfCardType_On());
    }
    void Press() override {
        if (HWND d = Window()) Click(d, m_press.control);
    }
    void PumpNested() override { PumpAsAModalLoop(Window(), m_press.control); }
    int PressesInPump() const override { return m_press.isSwitch ? 0 : 1; }
    bool PressAgainReports() const override { return !m_press.isSwitch; }
    bool PumpHides() const override { return true; }
    HWND Window() const override { return FindOwnedDialog(m_host.hwnd(), IDC_SS_CARD_TYPE_ON); }

private:
    HostWindow& m_host;
    const SettingsPress& m_press;
};

class SettingsCallBackTest : public HostCallTest {
protected:
    void SetUp() override { ActivateHost(host.hwnd()); }
    void TearDown() override { Settings::DestroyDlg(); }
    HostWindow host{20, 20, 600, 400};
};

class SettingsReportTest : public SettingsCallBackTest {};
class SettingsDoorTest : public SettingsCallBackTest {};

const Door kDoors[] = {
    {"Show", [](DialogUnderTest& d) { d.Show(); }, WM_ACTIVATE, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Show", [](DialogUnderTest& d) { d.Show(); }, WM_KILLFOCUS, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Switch", [](DialogUnderTest&) { Settings::SwitchShowDlg(); }, WM_KILLFOCUS, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"CloseBox", &PressCloseBox, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kGone},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kGone},
};

}  // namespace

TEST_P(SettingsReportTest, AHostCallingBackFromTheReportFindsWhatItsLastCallAskedFor) {
    SettingsDialog dialog(host, kPresses[Row()]);
    CheckReportCallBack(host, kSettings, dialog, Call(), kPresses[Row()].gettersInHandler);
}

INSTANTIATE_TEST_SUITE_P(EveryCodeAndCall, SettingsReportTest, EveryRowAndCall(kPresses),
                         CaseName([](size_t row) { return std::string(kPresses[row].name); }));

TEST_P(SettingsDoorTest, AHostCallingBackFromTheActivationFindsWhatItsLastCallAskedFor) {
    SettingsDialog dialog(host, kPresses[0]);
    CheckDoorCallBack(host, dialog, kDoors[Row()], Call());
}

INSTANTIATE_TEST_SUITE_P(EveryDoorAndCall, SettingsDoorTest, EveryRowAndCall(kDoors), NamedByDoor(kDoors));

TEST(SettingsCloseTest, ACloseCommandWhoseHideLetsTheHostDestroyTheDialogEndsThere) {
    HostWindow host{20, 20, 600, 400};
    ActivateHost(host.hwnd());
    SettingsDialog dialog(host, kPresses[0]);
    CheckCloseWhileTheHostDestroysOnActivation(host, dialog);
}

TEST(SettingsCloseBoxTest, AClickOnTheCaptionsCloseBoxHidesTheDialogAndTellsTheHostNothing) {
    HostWindow host{20, 20, 600, 400};
    ActivateHost(host.hwnd());
    SettingsDialog dialog(host, kPresses[0]);
    CheckCloseBoxHidesSilently(host, dialog);
}
