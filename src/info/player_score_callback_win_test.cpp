// The score dialog reports nothing, but its show, hide and destroy move the
// activation and the focus through the host's window; a host may call the
// library from there.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include <lobbyui/player_info.h>

#include "info_host_calls.h"
#include "res/info_ids.h"
#include "scratch_directory.h"

namespace {

typedef CPSDlg_Interface Score;

class ScoreDialog : public DialogUnderTest {
public:
    explicit ScoreDialog(HostWindow& host) : m_host(host) {}
    void Create() override { Score::CreatePS_Dlg(m_host.wnd()); }
    void Show() override { Score::ShowPS_Dlg(const_cast<char*>("Pat")); }
    void Hide() override { Score::HidePS_Dlg(); }
    void Destroy() override { Score::DestroyPS_Dlg(); }
    void ReadGetters() override { gettersSeen = "visible=" + std::to_string(Score::IfPS_DlgVisible()); }
    void Press() override {
        if (HWND d = Window()) Click(d, IDC_PS_NEXT_PAGE);
    }
    void PumpNested() override { PumpAsAModalLoop(Window(), IDC_PS_NEXT_PAGE); }
    int PressesInPump() const override { return 0; }
    bool PumpHides() const override { return true; }
    HWND Window() const override { return FindOwnedDialog(m_host.hwnd(), IDC_PS_NEXT_PAGE); }

private:
    HostWindow& m_host;
};

const Door kDoors[] = {
    {"Show", [](DialogUnderTest& d) { d.Show(); }, WM_ACTIVATE, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Show", [](DialogUnderTest& d) { d.Show(); }, WM_KILLFOCUS, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"CloseBox", &PressCloseBox, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kGone},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kGone},
};

class ScoreDoorTest : public HostCallTest {
protected:
    void SetUp() override {
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", "35,Tahoma\r\n");
        ActivateHost(host.hwnd());
    }
    ScratchDirectory scratch;
    void TearDown() override { Score::DestroyPS_Dlg(); }
    HostWindow host{60, 40, 700, 500};
    ScoreDialog dialog{host};
};

}  // namespace

TEST_P(ScoreDoorTest, AHostCallingBackFromTheActivationFindsWhatItsLastCallAskedFor) {
    CheckDoorCallBack(host, dialog, kDoors[Row()], Call());
    // Whatever dialog is left has the tooltip it made, even one made while
    // the one before it was being destroyed.
    if (HWND d = dialog.Window()) {
        EXPECT_TRUE(FindOwnedTooltip(d)) << "the dialog lost its tooltip";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDoorAndCall, ScoreDoorTest, EveryRowAndCall(kDoors), NamedByDoor(kDoors));

TEST(ScoreDialogCloseTest, ACloseCommandWhoseHideLetsTheHostDestroyTheDialogEndsThere) {
    HostWindow host{60, 40, 700, 500};
    ActivateHost(host.hwnd());
    ScoreDialog dialog(host);
    CheckCloseWhileTheHostDestroysOnActivation(host, dialog);
    Score::DestroyPS_Dlg();
}

TEST(ScoreCloseBoxTest, AClickOnTheCaptionsCloseBoxHidesTheDialogAndTellsTheHostNothing) {
    HostWindow host{20, 20, 600, 400};
    ActivateHost(host.hwnd());
    ScoreDialog dialog(host);
    CheckCloseBoxHidesSilently(host, dialog);
}
