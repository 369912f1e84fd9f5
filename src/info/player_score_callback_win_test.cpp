// The score dialog reports nothing, but its show, hide and destroy move the
// activation and the focus through the host's window; a host may call the
// library from there.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <tuple>

#include <lobbyui/player_info.h>

#include "dialog_controls.h"
#include "host_window.h"
#include "info_host_calls.h"
#include "res/info_ids.h"
#include "support/scratch_directory.h"

namespace {

typedef CPSDlg_Interface Score;

struct TooltipSearch {
    HWND owner;
    HWND found;
};
BOOL CALLBACK MatchTooltip(HWND h, LPARAM p) {
    TooltipSearch* s = reinterpret_cast<TooltipSearch*>(p);
    char name[32] = {0};
    ::GetClassNameA(h, name, sizeof name);
    if (::GetWindow(h, GW_OWNER) == s->owner && strcmp(name, TOOLTIPS_CLASSA) == 0) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}
HWND FindTooltip(HWND owner) {
    TooltipSearch search = {owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

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
    void PumpNested() override {
        HWND d = Window();
        if (!d) return;
        for (int tick = 1; tick <= 3; ++tick) ::SendMessageA(d, WM_TIMER, tick, 0);
        Click(d, IDC_PS_NEXT_PAGE);
        ::SendMessageA(d, WM_COMMAND, IDOK, 0);
        ::SendMessageA(d, WM_COMMAND, IDCANCEL, 0);
        ::SendMessageA(d, WM_CLOSE, 0, 0);
        PumpMessages();
    }
    int PressesInPump() const override { return 0; }
    bool PumpHides() const override { return true; }
    Seen State() override {
        HWND d = Window();
        if (!d) return Seen::kGone;
        return ::IsWindowVisible(d) ? Seen::kShown : Seen::kHidden;
    }
    HWND Window() const { return FindOwnedDialog(m_host.hwnd(), IDC_PS_NEXT_PAGE); }

private:
    HostWindow& m_host;
};

const Door kDoors[] = {
    {"Show", [](DialogUnderTest& d) { d.Show(); }, WM_ACTIVATE, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Show", [](DialogUnderTest& d) { d.Show(); }, WM_KILLFOCUS, DoorStart::kHiddenHostFocused, Seen::kShown},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Hide", [](DialogUnderTest& d) { d.Hide(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kHidden},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_ACTIVATE, DoorStart::kShownDialogFocused, Seen::kGone},
    {"Destroy", [](DialogUnderTest& d) { d.Destroy(); }, WM_SETFOCUS, DoorStart::kShownDialogFocused, Seen::kGone},
};

class ScoreDoorTest : public ::testing::TestWithParam<std::tuple<size_t, HostCall>> {
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
    const Door& door = kDoors[std::get<0>(GetParam())];
    CheckDoorCallBack(host, dialog, door, std::get<1>(GetParam()));
    // Whatever dialog is left has the tooltip it made, even one made while
    // the one before it was being destroyed.
    if (HWND d = dialog.Window()) {
        EXPECT_TRUE(FindTooltip(d)) << "the dialog lost its tooltip";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDoorAndCall, ScoreDoorTest,
                         ::testing::Combine(::testing::Range<size_t>(0, sizeof kDoors / sizeof kDoors[0]),
                                            ::testing::ValuesIn(kEveryHostCall)),
                         [](const ::testing::TestParamInfo<std::tuple<size_t, HostCall>>& info) {
                             const Door& door = kDoors[std::get<0>(info.param)];
                             return std::string(door.name) + NameOfSystemMessage(door.observed) +
                                    NameOf(std::get<1>(info.param));
                         });

TEST(ScoreDialogCloseTest, ACloseCommandWhoseHideLetsTheHostDestroyTheDialogEndsThere) {
    HostWindow host{60, 40, 700, 500};
    ActivateHost(host.hwnd());
    ScoreDialog dialog(host);
    ASSERT_TRUE(ProcessHeapsValid());
    dialog.Create();
    dialog.Show();
    PumpMessages();
    HWND window = dialog.Window();
    ASSERT_TRUE(window);
    CloseWhileTheHostDestroysOnActivation(host, dialog, window);
    Score::DestroyPS_Dlg();
}

TEST(ScoreCloseBoxTest, AClickOnTheCaptionsCloseBoxHidesTheDialogAndTellsTheHostNothing) {
    HostWindow host{20, 20, 600, 400};
    ActivateHost(host.hwnd());
    ScoreDialog dialog(host);
    dialog.Create();
    dialog.Show();
    PumpMessages();
    HWND window = dialog.Window();
    ASSERT_TRUE(window);
    POINT at;
    ASSERT_TRUE(FindCloseBox(window, &at)) << "the caption has a close box";
    ASSERT_EQ(window, ::WindowFromPoint(at)) << "nothing covers it";
    EXPECT_TRUE(ClickAtScreen(at, [window] { return !::IsWindowVisible(window); }));
    EXPECT_EQ(Seen::kHidden, dialog.State());
    EXPECT_TRUE(host.received().empty());
    dialog.Destroy();
}
