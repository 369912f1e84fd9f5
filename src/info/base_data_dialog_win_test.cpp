// The base-data panel driven as a host drives it: created inside a holder
// window of the host's main window, which hears the 1325 codes. Texts are
// read back from a metafile, the portrait from the recording skin.
#include "info/base_data_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <map>
#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/player_info.h>

#include "fake_direct_sound.h"
#include "host_window.h"
#include "join_table_test_support.h"
#include "metafile_recorder.h"
#include "res/info_ids.h"

namespace {

typedef CPBDDlg_Interface BaseData;
const UINT kButtons = LOBBYUI_MSG_BASE_DATA_BUTTON;

std::string BaseDataTextTable() {
    std::map<int, std::string> texts = {
        {3, "Lv:"},      {9, "Gold %d"},   {10, "Beans %d"}, {11, "Charm %d"}, {12, "Fame %d"},
        {43, "Farmer"},  {59, "Idle"},     {60, "Playing"},  {81, "Top"},
    };
    std::string csv;
    for (int n = 1; n <= 90; ++n) csv += std::to_string(n) + "," + texts[n] + "\r\n";
    return csv;
}

tagKWPCEN_PREVIEW_DATA Preview(const char* name, unsigned char level, unsigned char icon) {
    tagKWPCEN_PREVIEW_DATA d;
    memset(&d, 0, sizeof d);
    strncpy(d.acName, name, sizeof d.acName);
    d.ucLevel = level;
    d.iFigureA = 7;
    d.iMoney = 500;
    d.ucIcon = icon;
    d.iFigureB = 8;
    return d;
}

class BaseDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.loaded());
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", BaseDataTextTable());
        ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
        holder = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 700, 300, host.hwnd(), nullptr,
                                   nullptr, nullptr);
        ASSERT_TRUE(holder);
        BaseData::CreatePBD_Dlg(CWnd::FromHandle(holder));
        panel = ::FindWindowExA(holder, nullptr, MAKEINTATOM(32770), nullptr);
        ASSERT_TRUE(panel);
        group = skin.CallsOf(kSkinOpenImageGroup).at(0).group;
    }
    void TearDown() override {
        BaseData::DestroyPDB_Dlg();
        ::DestroyWindow(holder);
    }

    MetafileRecording Render() {
        ::UpdateWindow(panel);
        skin.Reset();
        return MetafileRecording::RenderWindow(panel);
    }
    void Refresh(tagKWPCEN_PREVIEW_DATA data, unsigned char status) { BaseData::RefreshPBD_Dlg(&data, status); }

    ScratchDirectory scratch;
    RecordingSkin skin;
    HostWindow host{0, 0, 800, 400};
    HWND holder = nullptr;
    HWND panel = nullptr;
    HANDLE group = nullptr;
};

}  // namespace

TEST(BaseDataWithoutPanelTest, CallsBeforeCreateDoNothing) {
    tagKWPCEN_PREVIEW_DATA data = Preview("Pat", 3, 1);
    BaseData::ShowPBD_Dlg();
    BaseData::RefreshPBD_Dlg(&data, 0);
    BaseData::PBDDLG_SetYuCoinUse(false);
    BaseData::HidePBD_Dlg();
    BaseData::DestroyPDB_Dlg();
    BaseData::DestroyPDB_Dlg();
}

TEST_F(BaseDataTest, CreatePlacesAHiddenSkinnedChildPanelWithItsFourButtons) {
    EXPECT_EQ(holder, ::GetParent(panel));
    EXPECT_TRUE(::GetWindowLongA(panel, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(::IsWindowVisible(panel));
    RECT r;
    ::GetWindowRect(panel, &r);
    ::MapWindowPoints(nullptr, holder, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(CRect(476, 0, 476 + 214, 228), CWnd::FromRECT(r));

    std::vector<SkinFixtureCall> applied = skin.CallsOf(kSkinApplyWindowSkin);
    ASSERT_EQ(1u, applied.size());
    EXPECT_EQ(panel, applied[0].window);
    EXPECT_STREQ("PlayerBaseData", applied[0].name);
    std::vector<SkinFixtureCall> opened = skin.CallsOf(kSkinOpenImageGroup);
    ASSERT_EQ(1u, opened.size());
    EXPECT_STREQ("Icon_Big", opened[0].name);

    const struct {
        int id;
        CRect rect;
    } buttons[] = {
        {IDC_PBD_BUTTON1, CRect(8, 191, 104, 216)},
        {IDC_PBD_BUTTON2, CRect(111, 151, 208, 172)},
        {IDC_PBD_BUTTON3, CRect(111, 174, 208, 195)},
        {IDC_PBD_BUTTON4, CRect(111, 197, 208, 218)},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.rect, CWnd::FromRECT(ControlRect(panel, b.id))) << b.id;
        EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(panel, b.id), GWL_STYLE) & WS_VISIBLE) << b.id;
        EXPECT_EQ(b.id != IDC_PBD_BUTTON4, Enabled(panel, b.id)) << b.id;
    }

    BaseData::CreatePBD_Dlg(CWnd::FromHandle(host.hwnd()));
    EXPECT_EQ(1u, skin.CallsOf(kSkinApplyWindowSkin).size()) << "a second create is ignored";
    BaseData::DestroyPDB_Dlg();
    EXPECT_FALSE(::IsWindow(panel));
    std::vector<SkinFixtureCall> closed = skin.CallsOf(kSkinCloseImageGroup);
    ASSERT_EQ(1u, closed.size());
    EXPECT_EQ(opened[0].group, closed[0].group);
}

TEST_F(BaseDataTest, ARefreshPaintsEveryFieldAtItsPlaceAndThePortrait) {
    BaseData::ShowPBD_Dlg();
    EXPECT_TRUE(::IsWindowVisible(panel));
    MetafileRecording drawn = Render();
    EXPECT_TRUE(drawn.texts.empty()) << "no data yet";
    EXPECT_TRUE(skin.CallsOf(kSkinDrawImage).empty());

    ::UpdateWindow(panel);
    Refresh(Preview("Pat", 7, 4), 0);
    EXPECT_TRUE(::GetUpdateRect(panel, nullptr, FALSE)) << "a refresh repaints";
    drawn = Render();
    const struct {
        const char* text;
        int x, y;
    } lines[] = {
        {"Lv:", 111, 15},      {"Farmer", 145, 15},  {"Pat", 108, 45},  {"Gold 500", 108, 68},
        {"Charm 7", 108, 88}, {"Fame 8", 108, 110}, {"Idle", 108, 131},
    };
    ASSERT_EQ(sizeof lines / sizeof lines[0], drawn.texts.size());
    for (size_t i = 0; i < drawn.texts.size(); ++i) {
        EXPECT_EQ(lines[i].text, drawn.texts[i].text) << i;
        EXPECT_EQ(CPoint(lines[i].x, lines[i].y), drawn.texts[i].at) << lines[i].text;
        EXPECT_EQ(RGB(0, 0, 0), drawn.texts[i].colour) << lines[i].text;
    }
    std::vector<SkinFixtureCall> portrait = skin.CallsOf(kSkinDrawImage);
    ASSERT_EQ(1u, portrait.size());
    EXPECT_EQ(group, portrait[0].group);
    EXPECT_STREQ("Icon05", portrait[0].name);
    EXPECT_EQ(CRect(7, 7, 107, 187), CWnd::FromRECT(portrait[0].rect));
}

TEST_F(BaseDataTest, ANullRefreshKeepsTheRecordStatusesPickTheirLineAndThePremiumSwitchTheMoney) {
    BaseData::ShowPBD_Dlg();
    Refresh(Preview("Pat", 7, 11), 2);
    EXPECT_TRUE(Render().FindText("Idle"));
    BaseData::RefreshPBD_Dlg(nullptr, 4);
    MetafileRecording drawn = Render();
    EXPECT_TRUE(drawn.FindText("Pat") && drawn.FindText("Farmer"));
    const DrawnText* status = drawn.FindText("Playing");
    ASSERT_TRUE(status);
    EXPECT_EQ(CPoint(108, 131), status->at);
    EXPECT_STREQ("Icon12", skin.CallsOf(kSkinDrawImage).at(0).name);

    BaseData::RefreshPBD_Dlg(nullptr, 255);
    EXPECT_TRUE(Render().FindText("Playing")) << "255 keeps the status";
    for (unsigned char other : {1, 3, 254}) {
        BaseData::RefreshPBD_Dlg(nullptr, other);
        drawn = Render();
        EXPECT_FALSE(drawn.FindText("Playing") || drawn.FindText("Idle")) << int(other);
        EXPECT_EQ(6u, drawn.texts.size());
    }

    // Without the premium currency the money line is the beans line, from the next paint on.
    BaseData::PBDDLG_SetYuCoinUse(false);
    const DrawnText* money = Render().FindText("Beans 500");
    ASSERT_TRUE(money);
    EXPECT_EQ(CPoint(108, 68), money->at);
    BaseData::PBDDLG_SetYuCoinUse(true);
    EXPECT_TRUE(Render().FindText("Gold 500"));
}

TEST_F(BaseDataTest, HidingForgetsTheDataUntilTheNextRefresh) {
    BaseData::ShowPBD_Dlg();
    Refresh(Preview("Pat", 7, 0), 0);
    BaseData::HidePBD_Dlg();
    EXPECT_FALSE(::IsWindowVisible(panel));
    BaseData::ShowPBD_Dlg();
    MetafileRecording drawn = Render();
    EXPECT_TRUE(drawn.texts.empty());
    EXPECT_TRUE(skin.CallsOf(kSkinDrawImage).empty()) << "skin only";
    BaseData::RefreshPBD_Dlg(nullptr, 255);
    drawn = Render();
    EXPECT_TRUE(drawn.FindText("Pat") && drawn.FindText("Idle"));
}

TEST_F(BaseDataTest, OddRecordsDrawNoPortraitAndAClippedName) {
    BaseData::ShowPBD_Dlg();
    tagKWPCEN_PREVIEW_DATA data = Preview("", 200, 12);
    memset(data.acName, 'N', sizeof data.acName);  // no terminator; iFigureA's bytes follow
    data.iFigureA = 0x41414141;
    BaseData::RefreshPBD_Dlg(&data, 0);
    MetafileRecording drawn = Render();
    EXPECT_TRUE(drawn.FindText(std::string(14, 'N')));
    EXPECT_TRUE(skin.CallsOf(kSkinDrawImage).empty()) << "icon 12 has no portrait";
    EXPECT_TRUE(drawn.FindText("Lv:")) << "level 200's missing title is simply not drawn";

    memcpy(data.acName, "abcdefghijklm\xB5\xD8", 15);
    BaseData::RefreshPBD_Dlg(&data, 0);
    EXPECT_TRUE(Render().FindText("abcdefghijklm")) << "cut before a character that does not fit";
}

TEST_F(BaseDataTest, EachButtonClicksThenTellsTheWindowAboveItsParent) {
    const int first = 20;
    FakeHostSound sound(first);
    const int ids[4] = {IDC_PBD_BUTTON1, IDC_PBD_BUTTON2, IDC_PBD_BUTTON3, IDC_PBD_BUTTON4};
    std::vector<int> playedBefore;
    host.Answer(kButtons, [&](WPARAM, LPARAM) -> LRESULT {
        playedBefore = sound.TakePlayed();
        return 0;
    });
    for (int i = 0; i < 4; ++i) {
        host.Clear();
        Click(panel, ids[i]);
        ASSERT_EQ(1u, host.ReceivedOf(kButtons).size()) << ids[i];
        EXPECT_EQ(static_cast<WPARAM>(i + 1), host.received()[0].wParam);
        EXPECT_EQ(0, host.received()[0].lParam);
        EXPECT_EQ(std::vector<int>({first + 9}), playedBefore) << "the click sounds before the host hears";
    }
}

TEST_F(BaseDataTest, AHostMayDestroyThePanelWhileItHearsAButton) {
    BaseData::ShowPBD_Dlg();
    host.Answer(kButtons, [](WPARAM, LPARAM) -> LRESULT {
        BaseData::DestroyPDB_Dlg();
        return 0;
    });
    // Pressed for real: the button itself is gone when its click returns.
    ::SendMessageA(::GetDlgItem(panel, IDC_PBD_BUTTON2), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindow(panel));
    ASSERT_EQ(1u, host.ReceivedOf(kButtons).size());
    EXPECT_EQ(2u, host.received()[0].wParam);

    BaseData::CreatePBD_Dlg(CWnd::FromHandle(holder));
    panel = ::FindWindowExA(holder, nullptr, MAKEINTATOM(32770), nullptr);
    ASSERT_TRUE(panel) << "the facade forgot the panel the host destroyed";
}

TEST(BaseDataTopLevelParentTest, APanelWhoseParentHasNoParentSendsNothing) {
    RecordingSkin skin;
    HostWindow parent(0, 0, 800, 400);
    BaseData::CreatePBD_Dlg(parent.wnd());
    HWND panel = ::FindWindowExA(parent.hwnd(), nullptr, MAKEINTATOM(32770), nullptr);
    ASSERT_TRUE(panel);
    Click(panel, IDC_PBD_BUTTON2);
    EXPECT_TRUE(parent.received().empty());
    BaseData::DestroyPDB_Dlg();
}

TEST_F(BaseDataTest, TheTopLevelIsTitledByItsOwnTextNotByTheStatusLine) {
    BaseData::ShowPBD_Dlg();
    Refresh(Preview("Pat", 23, 0), 0);
    MetafileRecording drawn = Render();
    const DrawnText* title = drawn.FindText("Top");
    ASSERT_TRUE(title);
    EXPECT_EQ(145, title->at.x);
    int idle = 0;
    for (const DrawnText& text : drawn.texts) idle += text.text == "Idle";
    EXPECT_EQ(1, idle) << "the status line, once";
}

TEST_F(BaseDataTest, AButtonTellsTheWindowAboveThePanelsParentOfTheMoment) {
    HostWindow lobby2{0, 0, 800, 400};
    HWND holder2 = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 700, 300, lobby2.hwnd(), nullptr,
                                     nullptr, nullptr);
    ASSERT_TRUE(holder2);
    ::SetParent(panel, holder2);
    Click(panel, IDC_PBD_BUTTON3);
    EXPECT_TRUE(host.received().empty()) << "not the window above the first parent";
    ASSERT_EQ(1u, lobby2.ReceivedOf(kButtons).size());
    EXPECT_EQ(3u, lobby2.received()[0].wParam);

    // Moved back, it reports to the first lobby again.
    ::SetParent(panel, holder);
    ::DestroyWindow(holder2);
    lobby2.Clear();
    Click(panel, IDC_PBD_BUTTON1);
    ASSERT_EQ(1u, host.ReceivedOf(kButtons).size());
    EXPECT_EQ(1u, host.received()[0].wParam);
}
