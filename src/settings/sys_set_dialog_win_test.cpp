// The system settings dialog driven as a host drives it: CreateDlg under a
// test window that records 1335, the recording skin drawing the bars.
#include "settings/sys_set_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/settings_dialogs.h>

#include "host_window.h"
#include "test_util.h"
#include "join_table_test_support.h"
#include "res/settings_ids.h"

namespace {

const UINT kSettings = LOBBYUI_MSG_SYSTEM_SETTINGS;

struct Sent {
    WPARAM code;
    LPARAM value;
    bool operator==(const Sent& o) const { return code == o.code && value == o.value; }
};

std::ostream& operator<<(std::ostream& out, const Sent& s) { return out << "{" << s.code << ", " << s.value << "}"; }

struct DrawnImage {
    std::string name;
    CRect rect;
    bool operator==(const DrawnImage& o) const { return name == o.name && rect == o.rect; }
};

std::ostream& operator<<(std::ostream& out, const DrawnImage& d) {
    return out << d.name << " (" << d.rect.left << ", " << d.rect.top << ", " << d.rect.right << ", " << d.rect.bottom << ")";
}

const CRect kMusicBar(42, 26, 106, 61);
const CRect kSoundBar(42, 98, 106, 133);

class SysSetDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.loaded());
        CSysSetDlg_Interface::CreateDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_SS_CARD_TYPE_ON);
        ASSERT_TRUE(dialog);
    }
    void TearDown() override { CSysSetDlg_Interface::DestroyDlg(); }

    std::vector<Sent> TakeSent() {
        std::vector<Sent> out;
        for (const ReceivedMessage& m : host.ReceivedOf(kSettings)) out.push_back({m.wParam, m.lParam});
        EXPECT_EQ(out.size(), host.received().size()) << "only 1335 reaches the host";
        host.Clear();
        return out;
    }
    // What the dialog paints, as the skin saw it.
    std::vector<DrawnImage> Painted() {
        skin.Reset();
        TestCanvas canvas(152, 271);
        ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        std::vector<DrawnImage> out;
        for (const SkinFixtureCall& c : skin.CallsOf(kSkinDrawImage)) out.push_back({c.name, CWnd::FromRECT(c.rect)});
        return out;
    }
    bool Checked(int id) const { return ::SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    CRect UpdateRect() const {
        RECT r = {0, 0, 0, 0};
        ::GetUpdateRect(dialog, &r, FALSE);
        return CWnd::FromRECT(r);
    }

    RecordingSkin skin;
    HostWindow host{20, 20, 600, 400};
    HWND dialog = nullptr;
};

}  // namespace

TEST_F(SysSetDialogTest, ShowPutsTheDialogAtItsScreenPointWithItsControlsEveryTime) {
    EXPECT_FALSE(::IsWindowVisible(dialog)) << "created hidden";
    CSysSetDlg_Interface::ShowDlg();
    ASSERT_TRUE(::IsWindowVisible(dialog));
    RECT window, client;
    ::GetWindowRect(dialog, &window);
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(480, window.left);
    EXPECT_EQ(380, window.top);
    EXPECT_EQ(152, client.right);
    EXPECT_EQ(271, client.bottom);

    struct Expected {
        int id;
        RECT rect;
    } controls[] = {
        {IDC_SS_MUSIC_DOWN, {8, 32, 32, 61}},    {IDC_SS_MUSIC_UP, {119, 32, 143, 61}},
        {IDC_SS_SOUND_DOWN, {8, 104, 32, 133}},  {IDC_SS_SOUND_UP, {119, 104, 143, 133}},
        {IDC_SS_OS_OFF, {16, 176, 38, 195}},     {IDC_SS_OS_ON, {83, 176, 105, 195}},
        {IDC_SS_CARD_TYPE_OFF, {16, 244, 38, 263}}, {IDC_SS_CARD_TYPE_ON, {83, 244, 105, 263}},
    };
    for (const Expected& c : controls) {
        EXPECT_EQ(CWnd::FromRECT(c.rect), CWnd::FromRECT(ControlRect(dialog, c.id))) << c.id;
        EXPECT_TRUE(Visible(dialog, c.id)) << c.id;
    }

    // Dragged by its caption, hidden, shown again: back at its place.
    ManualClock clock;
    ::SendMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    ::SendMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
    clock.Advance(100);
    ::SendMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(70, 40));
    ::SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(70, 40));
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(530, window.left) << "the drag moved it";
    EXPECT_EQ(410, window.top);
    CSysSetDlg_Interface::HideDlg();
    EXPECT_FALSE(::IsWindowVisible(dialog));
    CSysSetDlg_Interface::ShowDlg();
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(480, window.left);
    EXPECT_EQ(380, window.top);
    EXPECT_TRUE(TakeSent().empty());
}

TEST_F(SysSetDialogTest, SwitchShowTogglesAndTheCloseBoxEnterAndEscapeOnlyHide) {
    CSysSetDlg_Interface::SwitchShowDlg();
    EXPECT_TRUE(::IsWindowVisible(dialog));
    RECT window;
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(480, window.left);
    CSysSetDlg_Interface::SwitchShowDlg();
    EXPECT_FALSE(::IsWindowVisible(dialog));

    const char* names[] = {"close box", "Enter", "Escape"};
    for (int way = 0; way < 3; ++way) {
        CSysSetDlg_Interface::ShowDlg();
        if (way == 0) ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (way == 1) ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        if (way == 2) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(::IsWindowVisible(dialog)) << names[way];
        EXPECT_TRUE(::IsWindow(dialog)) << names[way];
    }
    EXPECT_TRUE(TakeSent().empty());
}

TEST_F(SysSetDialogTest, TheSkinDressesTheDialogAndItsPictureGroupLivesAsLongAsTheWindow) {
    std::vector<SkinFixtureCall> applied = skin.CallsOf(kSkinApplyWindowSkin);
    ASSERT_EQ(1u, applied.size());
    EXPECT_EQ(dialog, applied[0].window);
    EXPECT_STREQ("SysSet", applied[0].name);
    std::vector<SkinFixtureCall> opened = skin.CallsOf(kSkinOpenImageGroup);
    ASSERT_EQ(1u, opened.size());
    EXPECT_STREQ("SysSetDlgPic", opened[0].name);

    CSysSetDlg_Interface::DestroyDlg();
    std::vector<SkinFixtureCall> closed = skin.CallsOf(kSkinCloseImageGroup);
    ASSERT_EQ(1u, closed.size());
    EXPECT_EQ(opened[0].group, closed[0].group);
}

TEST_F(SysSetDialogTest, BarsShowEightPixelsPerStepAndValuesFromTheHostNeverLeaveThem) {
    CSysSetDlg_Interface::SetSysMusicVolume(3);
    CSysSetDlg_Interface::SetSysSoundVolume(8);
    EXPECT_EQ(std::vector<DrawnImage>({{"BG", kMusicBar}, {"BG", kSoundBar}, {"Value", CRect(42, 26, 66, 61)},
                                       {"Value", kSoundBar}}),
              Painted());

    CSysSetDlg_Interface::SetSysMusicVolume(0);
    CSysSetDlg_Interface::SetSysSoundVolume(-4);
    EXPECT_EQ(std::vector<DrawnImage>({{"BG", kMusicBar}, {"BG", kSoundBar}}), Painted());

    CSysSetDlg_Interface::SetSysMusicVolume(9);
    CSysSetDlg_Interface::SetSysSoundVolume(1000000);
    EXPECT_EQ(std::vector<DrawnImage>({{"BG", kMusicBar}, {"BG", kSoundBar}, {"Value", kMusicBar}, {"Value", kSoundBar}}),
              Painted());
    EXPECT_EQ(9, CSysSetDlg_Interface::GetSysMusicVolume()) << "stored as given";
}

TEST_F(SysSetDialogTest, VolumeButtonsStepWithinTheRangeAndAlwaysReport) {
    CSysSetDlg_Interface::ShowDlg();
    CSysSetDlg_Interface::SetSysMusicVolume(8);
    CSysSetDlg_Interface::SetSysSoundVolume(1);
    ::ValidateRect(dialog, nullptr);

    Click(dialog, IDC_SS_MUSIC_UP);
    EXPECT_EQ(CRect(), UpdateRect()) << "a press at the top repaints nothing";
    EXPECT_EQ(8, CSysSetDlg_Interface::GetSysMusicVolume());

    Click(dialog, IDC_SS_SOUND_DOWN);
    EXPECT_EQ(kSoundBar, UpdateRect());
    ::ValidateRect(dialog, nullptr);
    EXPECT_EQ(0, CSysSetDlg_Interface::GetSysSoundVolume());
    for (const DrawnImage& d : Painted()) EXPECT_FALSE(d.name == "Value" && d.rect.top == kSoundBar.top) << d;

    Click(dialog, IDC_SS_SOUND_DOWN);
    Click(dialog, IDC_SS_SOUND_UP);
    ::ValidateRect(dialog, nullptr);
    Click(dialog, IDC_SS_MUSIC_DOWN);
    EXPECT_EQ(kMusicBar, UpdateRect());
    EXPECT_EQ(std::vector<Sent>({{3, 8}, {2, 0}, {2, 0}, {1, 1}, {4, 7}}), TakeSent());

    // A value the host put beyond the range moves only towards it.
    CSysSetDlg_Interface::SetSysSoundVolume(11);
    Click(dialog, IDC_SS_SOUND_UP);
    Click(dialog, IDC_SS_SOUND_DOWN);
    CSysSetDlg_Interface::SetSysMusicVolume(-3);
    Click(dialog, IDC_SS_MUSIC_DOWN);
    Click(dialog, IDC_SS_MUSIC_UP);
    EXPECT_EQ(std::vector<Sent>({{1, 11}, {2, 10}, {4, -3}, {3, -2}}), TakeSent());
}

TEST_F(SysSetDialogTest, SwitchPairsStayExclusiveAndOnlyTheHostChangesTheStoredValue) {
    CSysSetDlg_Interface::SetIfOS_On(1);
    EXPECT_FALSE(Checked(IDC_SS_OS_OFF));
    EXPECT_TRUE(Checked(IDC_SS_OS_ON));
    Click(dialog, IDC_SS_OS_ON);
    EXPECT_TRUE(TakeSent().empty()) << "the box already checked";

    // The choice repaints both boxes where they sit on the dialog.
    CSysSetDlg_Interface::ShowDlg();
    ::ValidateRect(dialog, nullptr);
    Click(dialog, IDC_SS_OS_OFF);
    EXPECT_EQ(CRect(16, 176, 105, 195), UpdateRect());
    EXPECT_TRUE(Checked(IDC_SS_OS_OFF));
    EXPECT_FALSE(Checked(IDC_SS_OS_ON));
    EXPECT_EQ(1, CSysSetDlg_Interface::GetIfOS_On());
    Click(dialog, IDC_SS_OS_ON);
    EXPECT_EQ(std::vector<Sent>({{5, 0}, {6, 0}}), TakeSent());
    CSysSetDlg_Interface::SetIfOS_On(0);
    EXPECT_EQ(0, CSysSetDlg_Interface::GetIfOS_On());
    EXPECT_TRUE(Checked(IDC_SS_OS_OFF));

    CSysSetDlg_Interface::SetIfCardType_On(0);
    EXPECT_TRUE(Checked(IDC_SS_CARD_TYPE_OFF));
    EXPECT_FALSE(Checked(IDC_SS_CARD_TYPE_ON));
    Click(dialog, IDC_SS_CARD_TYPE_ON);
    EXPECT_FALSE(Checked(IDC_SS_CARD_TYPE_OFF));
    Click(dialog, IDC_SS_CARD_TYPE_OFF);
    EXPECT_EQ(std::vector<Sent>({{8, 0}, {7, 0}}), TakeSent());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetIfCardType_On());
    CSysSetDlg_Interface::SetIfCardType_On(7);
    EXPECT_EQ(7, CSysSetDlg_Interface::GetIfCardType_On()) << "the host reads back what it stored";
    EXPECT_TRUE(Checked(IDC_SS_CARD_TYPE_ON)) << "any value but 0 shows as on";
    EXPECT_FALSE(Checked(IDC_SS_CARD_TYPE_OFF));
    CSysSetDlg_Interface::SetIfOS_On(2);
    EXPECT_EQ(2, CSysSetDlg_Interface::GetIfOS_On());
    EXPECT_TRUE(Checked(IDC_SS_OS_ON));
    CSysSetDlg_Interface::SetIfOS_On(0);
    CSysSetDlg_Interface::SetIfCardType_On(0);
    CSysSetDlg_Interface::SetIfCardType_On(1);

    // Real clicks on the boxes: a box never ticks itself, so the checked one
    // stays silent and the other one reports once.
    ::SendMessageA(::GetDlgItem(dialog, IDC_SS_CARD_TYPE_ON), BM_CLICK, 0, 0);
    ::SendMessageA(::GetDlgItem(dialog, IDC_SS_CARD_TYPE_OFF), BM_CLICK, 0, 0);
    EXPECT_EQ(std::vector<Sent>({{7, 0}}), TakeSent());
    EXPECT_TRUE(Checked(IDC_SS_CARD_TYPE_OFF));
    EXPECT_FALSE(Checked(IDC_SS_CARD_TYPE_ON));
}

TEST(SysSetFacadeTest, WithoutADialogSettersDoNothingAndGettersAnswerZero) {
    HostWindow host;
    CSysSetDlg_Interface::SetSysMusicVolume(5);
    CSysSetDlg_Interface::SetIfOS_On(1);
    CSysSetDlg_Interface::ShowDlg();
    CSysSetDlg_Interface::SwitchShowDlg();
    CSysSetDlg_Interface::HideDlg();
    EXPECT_EQ(0, CSysSetDlg_Interface::GetSysMusicVolume());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetSysSoundVolume());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetIfOS_On());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetIfCardType_On());

    CSysSetDlg_Interface::CreateDlg(host.wnd());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetSysMusicVolume()) << "a new dialog starts from 0";
    CSysSetDlg_Interface::SetSysMusicVolume(6);
    CSysSetDlg_Interface::SetSysSoundVolume(2);
    CSysSetDlg_Interface::SetIfOS_On(1);
    CSysSetDlg_Interface::SetIfCardType_On(1);
    CSysSetDlg_Interface::ShowDlg();
    CSysSetDlg_Interface::HideDlg();
    EXPECT_EQ(6, CSysSetDlg_Interface::GetSysMusicVolume()) << "hiding keeps the values";
    EXPECT_EQ(2, CSysSetDlg_Interface::GetSysSoundVolume());
    CSysSetDlg_Interface::DestroyDlg();
    CSysSetDlg_Interface::DestroyDlg();
    EXPECT_EQ(0, CSysSetDlg_Interface::GetSysMusicVolume());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetSysSoundVolume());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetIfOS_On());
    EXPECT_EQ(0, CSysSetDlg_Interface::GetIfCardType_On());
}
