// CBaseDataControl as a host meets it: first through LobbyUi.dll's exports,
// with the values the DLL starts with, then TrackPopMenu against a real
// popup window with five buttons.
#include <lobbyui/base_data_control.h>

#include <windows.h>

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "host_window.h"
#include "win/menu.h"

namespace {

// The exports, as this compiler names them.
struct BaseDataExports {
    explicit BaseDataExports(HMODULE dll) : dll(dll) {}
    template <class Fn>
    Fn Get(const char* name) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(dll, name)));
    }
    HMODULE dll;
};

class PopupWindow {
public:
    PopupWindow() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "LobbyUiTestPopupMenu";
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowExA(0, "LobbyUiTestPopupMenu", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   wc.hInstance, nullptr);
        for (int id = 1011; id <= 1015; ++id) {
            // Start from what a previous menu could have left: shown, disabled, elsewhere.
            ::CreateWindowExA(0, "BUTTON", "old", WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON, 50, 50, 5, 5,
                              m_hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance, nullptr);
        }
    }
    ~PopupWindow() { ::DestroyWindow(m_hwnd); }
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    HWND Button(int id) const { return ::GetDlgItem(m_hwnd, id); }
    CRect WindowRect() const {
        RECT r = {};
        ::GetWindowRect(m_hwnd, &r);
        return CWnd::FromRECT(r);
    }
    CRect ButtonRect(int id) const {
        RECT r = {};
        ::GetWindowRect(Button(id), &r);
        ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&r), 2);
        return CWnd::FromRECT(r);
    }
    std::string ButtonText(int id) const {
        char text[128] = {0};
        ::GetWindowTextA(Button(id), text, sizeof text);
        return text;
    }
    // Shown by its own style, whether or not the popup itself is showing.
    bool ButtonShown(int id) const { return (::GetWindowLongA(Button(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    bool Topmost() const { return (::GetWindowLongA(m_hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

private:
    HWND m_hwnd = nullptr;
};

CRect Rect(int left, int top, int right, int bottom) { return CRect(left, top, right, bottom); }

// A record as the host keeps it: every field the library writes starts with
// a value it would not write, and the host's twenty bytes with a pattern.
tagTRACK_POP_MENU FreshRecord(HWND popup) {
    tagTRACK_POP_MENU record;
    memset(&record, 0xAB, sizeof record);
    record.hWnd = popup;
    record.nSelect = 7;
    return record;
}

CMenu MenuOf(std::initializer_list<std::pair<const char*, UINT>> items, UINT firstId = 501) {
    CMenu menu(::CreatePopupMenu());
    UINT id = firstId;
    for (const auto& item : items) ::AppendMenuA(menu, MF_STRING | item.second, id++, item.first);
    return menu;
}

}  // namespace

TEST(BaseDataControlExportsTest, DllStartsAtZeroAndKeepsTheFirstPopupRecordForGood) {
    HMODULE dll = ::LoadLibraryA("LobbyUi.dll");
    ASSERT_NE(nullptr, dll);
    const BaseDataExports dllExports(dll);
    auto setGameId = dllExports.Get<void (*)(unsigned int)>("_ZN16CBaseDataControl9SetGameIDEj");
    auto getGameId = dllExports.Get<unsigned int (*)()>("_ZN16CBaseDataControl9GetGameIDEv");
    auto setAuto = dllExports.Get<void (*)(unsigned char)>("_ZN16CBaseDataControl12SetAutoValueEh");
    auto getAuto = dllExports.Get<unsigned char (*)()>("_ZN16CBaseDataControl12GetAutoValueEv");
    auto setSound = dllExports.Get<void (*)(DIRSOUND*)>("_ZN16CBaseDataControl15SetSoundPointerEP8DIRSOUND");
    auto getSound = dllExports.Get<DIRSOUND* (*)()>("_ZN16CBaseDataControl15GetSoundPointerEv");
    auto setFirst = dllExports.Get<void (*)(int)>("_ZN16CBaseDataControl18SetSoundFirstIndexEi");
    auto getFirst = dllExports.Get<int (*)()>("_ZN16CBaseDataControl16GetSoundFirstIdxEv");
    auto setTrack = dllExports.Get<void (*)(void*)>("_ZN16CBaseDataControl15SetTrackPopMenuEPv");
    auto getTrack = dllExports.Get<void* (*)()>("_ZN16CBaseDataControl15GetTrackPopMenuEv");
    auto track = dllExports.Get<void (*)(POINT, HWND, HMENU)>("_ZN16CBaseDataControl12TrackPopMenuE8tagPOINTP6HWND__P7HMENU__");
    ASSERT_TRUE(setGameId && getGameId && setAuto && getAuto && setSound && getSound && setFirst && getFirst &&
                setTrack && getTrack && track);
    for (const char* data : {"_ZN16CBaseDataControl9_uiGameIDE", "_ZN16CBaseDataControl12_ucAutoValueE",
                             "_ZN16CBaseDataControl14_pSoundPointerE", "_ZN16CBaseDataControl17_iSoundFirstIndexE",
                             "_ZN16CBaseDataControl14_pTrackPopMenuE"}) {
        EXPECT_NE(nullptr, ::GetProcAddress(dll, data)) << data;
    }

    EXPECT_EQ(0u, getGameId());
    EXPECT_EQ(0, getAuto());
    EXPECT_EQ(nullptr, getSound());
    EXPECT_EQ(0, getFirst());
    EXPECT_EQ(nullptr, getTrack());

    HostWindow owner;
    PopupWindow popup;
    CMenu menu = MenuOf({{"Invite", 0}});
    // Without a record there is nothing to show.
    track(POINT{10, 10}, owner.hwnd(), menu);
    EXPECT_FALSE(::IsWindowVisible(popup.hwnd()));

    // The DLL keeps the record it took until it unloads: these outlive the test.
    static tagTRACK_POP_MENU first, second;
    first = FreshRecord(popup.hwnd());
    second = FreshRecord(popup.hwnd());
    setTrack(nullptr);
    EXPECT_EQ(nullptr, getTrack()) << "null does not count as the first record";
    setTrack(&first);
    setTrack(&second);
    setTrack(nullptr);
    EXPECT_EQ(&first, getTrack());

    track(POINT{10, 10}, owner.hwnd(), menu);
    EXPECT_EQ(owner.hwnd(), first.hOwner);
    EXPECT_EQ(1, first.nCount);
    EXPECT_EQ(501u, first.uCmd[0]);
    EXPECT_EQ(-1, first.nSelect);
    EXPECT_EQ(7, second.nSelect) << "the ignored record is never written";
    EXPECT_TRUE(::IsWindowVisible(popup.hwnd()));
}

class TrackPopMenuTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CBaseDataControl::SetTrackPopMenu(&s_record); }
    void SetUp() override { s_record = FreshRecord(popup.hwnd()); }
    void TearDown() override { s_record.hWnd = nullptr; }

    static tagTRACK_POP_MENU s_record;
    HostWindow owner;
    PopupWindow popup;
};

tagTRACK_POP_MENU TrackPopMenuTest::s_record;

TEST_F(TrackPopMenuTest, TwoItemsShowTwoButtonsSizedByTheLongestTextAndHideTheRest) {
    CMenu menu = MenuOf({{"Invite", 0}, {"Whisper to", MF_GRAYED}});
    CBaseDataControl::TrackPopMenu(POINT{120, 80}, owner.hwnd(), menu);

    EXPECT_EQ(owner.hwnd(), s_record.hOwner);
    EXPECT_EQ(2, s_record.nCount);
    EXPECT_EQ(501u, s_record.uCmd[0]);
    EXPECT_EQ(502u, s_record.uCmd[1]) << "a grayed item keeps its command";
    EXPECT_EQ(0xABABABABu, s_record.uCmd[2]);
    EXPECT_EQ(-1, s_record.nSelect);

    EXPECT_EQ(Rect(120, 80, 120 + 8 * 10 + 10, 80 + 60), popup.WindowRect());
    EXPECT_TRUE(::IsWindowVisible(popup.hwnd()));
    EXPECT_TRUE(popup.Topmost());

    EXPECT_TRUE(popup.ButtonShown(1011));
    EXPECT_TRUE(::IsWindowEnabled(popup.Button(1011)));
    EXPECT_EQ("Invite", popup.ButtonText(1011));
    EXPECT_EQ(Rect(3, 0, 83, 20), popup.ButtonRect(1011));
    EXPECT_TRUE(popup.ButtonShown(1012));
    EXPECT_FALSE(::IsWindowEnabled(popup.Button(1012)));
    EXPECT_EQ("Whisper to", popup.ButtonText(1012));
    EXPECT_EQ(Rect(3, 20, 83, 40), popup.ButtonRect(1012));
    for (int id = 1013; id <= 1015; ++id) EXPECT_FALSE(popup.ButtonShown(id)) << id;
}

TEST_F(TrackPopMenuTest, LongMenuShowsItsFirstFiveItemsAndWritesNothingPastTheFifthSlot) {
    CMenu menu = MenuOf({{"a", 0}, {"b", 0}, {"c", 0}, {"d", 0}, {"e", 0}, {"a far longer sixth", 0}, {"g", 0}}, 11);
    CBaseDataControl::TrackPopMenu(POINT{0, 0}, owner.hwnd(), menu);

    EXPECT_EQ(5, s_record.nCount);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(static_cast<unsigned int>(11 + i), s_record.uCmd[i]) << i;
    for (unsigned char b : s_record.ucHostArea) ASSERT_EQ(0xAB, b);
    EXPECT_EQ(-1, s_record.nSelect);
    EXPECT_EQ(Rect(0, 0, 18, 120), popup.WindowRect());
    for (int id = 1011; id <= 1015; ++id) {
        EXPECT_TRUE(popup.ButtonShown(id)) << id;
        EXPECT_EQ(Rect(3, 20 * (id - 1011), 11, 20 * (id - 1011) + 20), popup.ButtonRect(id)) << id;
    }
    EXPECT_EQ("e", popup.ButtonText(1015));
}

TEST_F(TrackPopMenuTest, DisabledSeparatorSubmenuAndLongTextsAsTheMenuReportsThem) {
    const std::string longText(70, 'w');
    CMenu menu(::CreatePopupMenu());
    ::AppendMenuA(menu, MF_STRING | MF_DISABLED, 601, "Block");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    HMENU sub = ::CreatePopupMenu();
    ::AppendMenuA(sub, MF_STRING, 700, "inner");
    ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "More");
    ::AppendMenuA(menu, MF_STRING, 602, longText.c_str());
    CBaseDataControl::TrackPopMenu(POINT{40, 30}, owner.hwnd(), menu);

    EXPECT_EQ(4, s_record.nCount);
    EXPECT_EQ(601u, s_record.uCmd[0]);
    EXPECT_EQ(0u, s_record.uCmd[1]);
    EXPECT_EQ(0xFFFFFFFFu, s_record.uCmd[2]) << "a submenu has no command id";
    EXPECT_EQ(602u, s_record.uCmd[3]);
    EXPECT_FALSE(::IsWindowEnabled(popup.Button(1011))) << "disabled, not grayed";
    EXPECT_EQ("", popup.ButtonText(1012)) << "a separator";
    EXPECT_TRUE(::IsWindowEnabled(popup.Button(1013)));
    EXPECT_EQ("More", popup.ButtonText(1013));
    EXPECT_EQ(longText.substr(0, 64), popup.ButtonText(1014)) << "texts count up to 64 characters";
    EXPECT_EQ(Rect(40, 30, 40 + 8 * 64 + 10, 30 + 100), popup.WindowRect());
    EXPECT_EQ(Rect(3, 60, 3 + 8 * 64, 80), popup.ButtonRect(1014));
    EXPECT_FALSE(popup.ButtonShown(1015));
}

TEST_F(TrackPopMenuTest, ShorterMenuAfterALongerOneHidesAndReenablesButtons) {
    CMenu four = MenuOf({{"one", MF_GRAYED}, {"two", 0}, {"three", 0}, {"four", 0}});
    CBaseDataControl::TrackPopMenu(POINT{5, 5}, owner.hwnd(), four);
    CMenu one = MenuOf({{"x", 0}}, 900);
    HostWindow otherOwner;
    CBaseDataControl::TrackPopMenu(POINT{6, 7}, otherOwner.hwnd(), one);

    EXPECT_EQ(otherOwner.hwnd(), s_record.hOwner);
    EXPECT_EQ(1, s_record.nCount);
    EXPECT_EQ(900u, s_record.uCmd[0]);
    EXPECT_EQ(Rect(6, 7, 6 + 18, 7 + 40), popup.WindowRect());
    EXPECT_TRUE(::IsWindowEnabled(popup.Button(1011)));
    EXPECT_EQ("x", popup.ButtonText(1011));
    for (int id = 1012; id <= 1015; ++id) EXPECT_FALSE(popup.ButtonShown(id)) << id;
}

TEST_F(TrackPopMenuTest, RecordWithoutWindowOrAMenuThatIsNoMenuLeavesEverythingAlone) {
    CMenu menu = MenuOf({{"Invite", 0}});
    s_record.hWnd = nullptr;
    tagTRACK_POP_MENU before = s_record;
    CBaseDataControl::TrackPopMenu(POINT{1, 1}, owner.hwnd(), menu);
    EXPECT_EQ(0, memcmp(&before, &s_record, sizeof before));

    s_record.hWnd = popup.hwnd();
    before = s_record;
    HMENU gone = ::CreatePopupMenu();
    ::DestroyMenu(gone);
    CBaseDataControl::TrackPopMenu(POINT{1, 1}, owner.hwnd(), nullptr);
    CBaseDataControl::TrackPopMenu(POINT{1, 1}, owner.hwnd(), gone);
    EXPECT_EQ(0, memcmp(&before, &s_record, sizeof before));
    EXPECT_FALSE(::IsWindowVisible(popup.hwnd()));
    EXPECT_TRUE(popup.ButtonShown(1013)) << "no button was hidden";
}
