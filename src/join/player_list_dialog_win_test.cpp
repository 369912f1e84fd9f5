// The player list as a host drives it: a host window (the grandparent of the
// dialog) answers the friend question and records every message 1229 with
// its bytes; the dialog lives in a child window of it, as in the lobby.
#include "join/player_list_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/frame.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>
#include <lobbyui/player_stats.h>

#include "fake_direct_sound.h"
#include "frame/skin.h"
#include "host_window.h"
#include "metafile_recorder.h"
#include "scratch_directory.h"
#include "skin_fixture.h"
#include "support/platform.h"
#include "support/texts_big5.h"
#include "support/texts_gbk.h"
#include "test_util.h"

namespace {

struct HostCall {
    WPARAM code;
    std::vector<unsigned char> bytes;  // the block, or the nickname with its terminator
};

// Captions of exactly ten bytes (the cached kind) unless told otherwise.
std::string TextTable(const std::string& caption28, const std::string& value10) {
    std::string csv;
    for (int n = 1; n <= 90; ++n) {
        std::string text = "t" + std::to_string(n);
        if (n == 9) text = "S:%d";
        if (n == 10) text = value10;
        if (n == 28) text = caption28;
        if (n == 29) text = kGbkSortByFriend;
        if (n == 30) text = kGbkSortByLevel;
        if (n == 31) text = kGbkSortByBeans;
        if (n == 32) text = kGbkSortByScore;
        if (n == 33) text = kGbkSortByTable;
        if (n == 34) text = "Contest";
        if (n == 86) text = kGbkSortByMember;
        csv += std::to_string(n) + "," + text + "\r\n";
    }
    return csv;
}

uint16_t Simplified() { return 0x0804; }
uint16_t Traditional() { return 0x0404; }

std::deque<std::string> g_opened;
void RecordOpened(const char* address) { g_opened.push_back(address); }

// The host's popup-menu window, handed over once for the whole program.
HWND PopupMenuWindow() {
    static HWND popup = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "PlayerListTestPopup";
        ::RegisterClassA(&wc);
        HWND w = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
        for (int id = 1011; id <= 1015; ++id) {
            ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_PUSHBUTTON, 0, 0, 5, 5, w,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance, nullptr);
        }
        static tagTRACK_POP_MENU record = {};
        record.hWnd = w;
        CBaseDataControl::SetTrackPopMenu(&record);
        return w;
    }();
    return popup;
}
const tagTRACK_POP_MENU& PopupRecord() { return *static_cast<tagTRACK_POP_MENU*>(CBaseDataControl::GetTrackPopMenu()); }
std::string PopupButtonText(int id) {
    char text[64] = {0};
    ::GetWindowTextA(::GetDlgItem(PopupMenuWindow(), id), text, sizeof text);
    return text;
}

tagKWP_PLAYER_LIST_DATA_EXTRA Player(unsigned int id, const std::string& name, unsigned char level = 1, int beans = 0,
                                     unsigned char member = 0) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p;
    memset(&p, 0, sizeof p);
    p.uiPlayerID = id;
    strncpy(p.acNickName, name.c_str(), sizeof p.acNickName - 1);
    p.ucLevel = level;
    p.iBeans = beans;
    p.iScore = -beans;
    p.ucMember = member;
    return p;
}

const unsigned int kLocal = 5000;

class PlayerListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDirectory::Write("STCSV\\PlayerScore_Sim.csv", TextTable(kGbkSortByNickname, "B:%d"));
        SetLanguageIdSource(&Simplified);
        PopupMenuWindow();
        CBaseDataControl::SetGameID(kLocal);
        CBaseDataControl::SetAutoValue(0);
        CPT_MapInerface::RemoveAllPlayerFromTable();
        SetWebPageOpener(&RecordOpened);
        g_opened.clear();
        host.Answer(LOBBYUI_MSG_PLAYER_LIST, [this](WPARAM code, LPARAM l) -> LRESULT {
            const unsigned char* p = reinterpret_cast<const unsigned char*>(l);
            size_t size = code == LOBBYUI_PLAYER_LIST_QUERY_RECORD ? 24 : code == LOBBYUI_PLAYER_LIST_INVITE ? 12 : (p ? strlen(reinterpret_cast<const char*>(p)) + 1 : 0);
            calls.push_back({code, std::vector<unsigned char>(p, p + size)});
            return code == LOBBYUI_PLAYER_LIST_IS_FRIEND && friends.count(reinterpret_cast<const char*>(l)) ? 1 : 0;
        });
        ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
        parent = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 820, 560,
                                   host.hwnd(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
        CPartyDlg_DlgInerface::CreatePlayerLBDlg(CWnd::FromHandle(parent));
        CPartyDlg_DlgInerface::SetLBScoreLooby(true);
        dialog = ::GetWindow(parent, GW_CHILD);
        list = ::GetDlgItem(dialog, IDC_PLAYER_LIST);
        CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    }
    void TearDown() override {
        CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
        SetLanguageIdSource(nullptr);
        SetWebPageOpener(nullptr);
    }

    void Add(std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& players) {
        for (auto& p : players) CPartyDlg_DlgInerface::AddPlayer(&p, 0, 1);
    }
    std::vector<unsigned int> Order() const {
        std::vector<unsigned int> ids;
        int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            ids.push_back(reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(::SendMessageA(list, LB_GETITEMDATA, i, 0))->uiPlayerID);
        }
        return ids;
    }
    void Sort(UINT command) { ::SendMessageA(dialog, WM_COMMAND, command, 0); }
    std::string Text(HWND w) const {
        char text[128] = {0};
        ::GetWindowTextA(w, text, sizeof text);
        return text;
    }
    void RightClickRow(int row) { ::SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(20, row * 43 + 10)); }
    UINT MenuState(UINT id) const {
        return ::GetMenuState(::GetSubMenu(CPartyDlg_DlgInerface::GetPopupMenuHandle(), 0), id, MF_BYCOMMAND);
    }
    bool Greyed(UINT id) const { return (MenuState(id) & MF_GRAYED) != 0; }
    std::vector<HostCall> CallsOf(WPARAM code) const {
        std::vector<HostCall> out;
        for (const HostCall& c : calls) {
            if (c.code == code) out.push_back(c);
        }
        return out;
    }
    // Paints row `index` of the list as the list would, into dc.
    void PaintRow(HDC dc, int index, int top = 0) {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_LISTBOX;
        item.CtlID = IDC_PLAYER_LIST;
        item.itemID = static_cast<UINT>(index);
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = list;
        item.hDC = dc;
        item.rcItem = {0, top, 225, top + 43};
        item.itemData = static_cast<ULONG_PTR>(::SendMessageA(list, LB_GETITEMDATA, index, 0));
        ::SendMessageA(dialog, WM_DRAWITEM, IDC_PLAYER_LIST, reinterpret_cast<LPARAM>(&item));
    }

    ScratchDirectory scratch;
    HostWindow host{0, 0, 900, 620};
    HWND parent = nullptr, dialog = nullptr, list = nullptr;
    std::set<std::string> friends;
    std::vector<HostCall> calls;
};

TEST_F(PlayerListTest, EverySortCommandOrdersTheRoomWithTheLocalPlayerFirst) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players = {
        Player(2, "bob", 5, 300, 1), Player(kLocal, "zed", 1, 1, 0), Player(3, "cat", 22, -5, 3), Player(4, "amy", 9, 900, 2)};
    friends = {"cat"};
    CPT_MapInerface::AddPlayerToTable(2, 12);
    CPT_MapInerface::AddPlayerToTable(4, 7);
    Add(players);
    EXPECT_EQ(kLocal, Order()[0]);

    Sort(ID_SORT_BY_FRIEND);
    EXPECT_EQ(kLocal, Order()[0]);
    EXPECT_EQ(3u, Order()[1]) << "the one friend";
    EXPECT_EQ(kGbkSortByFriend, Text(::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT)));
    Sort(ID_SORT_BY_NICKNAME);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 4, 2, 3}), Order());
    Sort(ID_SORT_BY_LEVEL);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 3, 4, 2}), Order());
    Sort(ID_SORT_BY_VALUE);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 4, 2, 3}), Order());
    CPartyDlg_DlgInerface::SetLBScoreLooby(false);
    Sort(ID_SORT_BY_VALUE);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 3, 2, 4}), Order()) << "score is -beans here";
    Sort(ID_SORT_BY_TABLE);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 3, 4, 2}), Order());
    Sort(ID_SORT_BY_MEMBER);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 3, 4, 2}), Order());
    EXPECT_EQ(kGbkSortByMember, Text(::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT)));
}

TEST_F(PlayerListTest, ShowingPlacesTheDialogItsBorderlessListAndTheButtons) {
    auto placeIn = [](HWND window, HWND within) {
        RECT r;
        ::GetWindowRect(window, &r);
        ::MapWindowPoints(nullptr, within, reinterpret_cast<POINT*>(&r), 2);
        return CRect(r.left, r.top, r.right, r.bottom);
    };
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(CRect(567, 0, 567 + 234, 474), placeIn(dialog, parent));
    EXPECT_TRUE(::IsWindowVisible(list));
    EXPECT_EQ(CRect(5, 4, 230, 434), placeIn(list, dialog));
    RECT client;
    ::GetClientRect(list, &client);
    EXPECT_EQ(430, client.bottom) << "ten rows fill the list: no border";
    const LONG style = ::GetWindowLongA(list, GWL_STYLE);
    EXPECT_EQ(0, style & WS_BORDER);
    const LONG listStyle = LBS_NOSEL | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_SORT | LBS_NOTIFY;
    EXPECT_EQ(listStyle, style & 0xFFFF);
    EXPECT_EQ(WS_TABSTOP, style & WS_TABSTOP);
    HWND sort = ::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT);
    EXPECT_TRUE(::IsWindowVisible(sort));
    EXPECT_EQ(CRect(21, 442, 130, 463), placeIn(sort, dialog));
    HWND contest = ::GetDlgItem(dialog, IDC_PLAYER_LIST_CONTEST);
    EXPECT_FALSE(::IsWindowVisible(contest));
    EXPECT_FALSE(::IsWindowEnabled(contest));
    EXPECT_EQ(CRect(150, 442, 218, 463), placeIn(contest, dialog));
}

TEST_F(PlayerListTest, AtTopAddBypassesTheSortUntilTheNextSortCommand) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players = {Player(kLocal, "me", 1), Player(2, "b", 9), Player(3, "c", 5)};
    Add(players);
    Sort(ID_SORT_BY_LEVEL);
    tagKWP_PLAYER_LIST_DATA_EXTRA low = Player(4, "d", 0);
    CPartyDlg_DlgInerface::AddPlayer(&low, 1, 0);
    EXPECT_EQ((std::vector<unsigned int>{4, kLocal, 2, 3}), Order());
    CPartyDlg_DlgInerface::AddPlayer(nullptr, 0, 1);
    EXPECT_EQ(4u, Order().size());
    Sort(ID_SORT_BY_LEVEL);
    EXPECT_EQ((std::vector<unsigned int>{kLocal, 2, 3, 4}), Order());
}

TEST_F(PlayerListTest, RemovingKeepsTheScrollPositionAndAnUnknownIdChangesNothing) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    for (unsigned int id = 1; id <= 20; ++id) players.push_back(Player(id, "p" + std::to_string(id + 100)));
    Add(players);
    ::SendMessageA(list, LB_SETTOPINDEX, 6, 0);
    const int top = static_cast<int>(::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    ASSERT_GT(top, 0);
    std::vector<unsigned int> before = Order();
    CPartyDlg_DlgInerface::RemoveAPlayer(999);
    CPartyDlg_DlgInerface::RemoveAPlayer(0);
    CPartyDlg_DlgInerface::RemoveAPlayer(-4);
    EXPECT_EQ(before, Order());
    EXPECT_EQ(top, ::SendMessageA(list, LB_GETTOPINDEX, 0, 0));

    CPartyDlg_DlgInerface::RemoveAPlayer(15);
    before.erase(std::find(before.begin(), before.end(), 15u));
    EXPECT_EQ(before, Order());
    EXPECT_EQ(top, ::SendMessageA(list, LB_GETTOPINDEX, 0, 0));

    CPartyDlg_DlgInerface::HidePlayerLBDlg();
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(0, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
}

TEST_F(PlayerListTest, AResortKeepsEveryEntryBeyondSixHundred) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    for (unsigned int id = 1; id <= 640; ++id) players.push_back(Player(id, "n" + std::to_string(id), id % 24));
    players.push_back(Player(kLocal, "me", 0));
    Add(players);
    ASSERT_EQ(641u, Order().size());

    auto start = std::chrono::steady_clock::now();
    Sort(ID_SORT_BY_LEVEL);
    auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::cout << "re-sort of 641 players: " << took.count() << " ms" << std::endl;

    std::vector<unsigned int> order = Order();
    ASSERT_EQ(641u, order.size());
    EXPECT_EQ(kLocal, order[0]);
    EXPECT_EQ(641u, std::set<unsigned int>(order.begin(), order.end()).size());
    for (size_t i = 2; i < order.size(); ++i) {
        EXPECT_GE(players[order[i - 1] - 1].ucLevel, players[order[i] - 1].ucLevel) << i;
    }
}

TEST_F(PlayerListTest, PlayerMenuEnablesInviteOnlyForASeatedSelfAndAnUnseatedTarget) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players = {Player(kLocal, "me"), Player(2, "two"), Player(3, "three")};
    Add(players);
    Sort(ID_SORT_BY_NICKNAME);  // me, three, two
    CPT_MapInerface::AddPlayerToTable(kLocal, 8);
    CPT_MapInerface::AddPlayerToTable(3, 9);

    RightClickRow(2);
    EXPECT_FALSE(Greyed(ID_PLAYER_INVITE));
    EXPECT_FALSE(Greyed(ID_PLAYER_QUERY));
    EXPECT_FALSE(Greyed(ID_PLAYER_WHISPER));
    EXPECT_FALSE(Greyed(ID_PLAYER_BEFRIEND));
    EXPECT_FALSE(Greyed(ID_PLAYER_BLOCK));
    EXPECT_TRUE(Greyed(ID_PLAYER_INVITE_TO_GROUP));
    EXPECT_EQ(list, PopupRecord().hOwner);
    EXPECT_EQ(static_cast<unsigned int>(ID_PLAYER_QUERY), PopupRecord().uCmd[0]);

    RightClickRow(1);  // seated target
    EXPECT_TRUE(Greyed(ID_PLAYER_INVITE));
    CBaseDataControl::SetAutoValue(3);
    RightClickRow(2);
    EXPECT_TRUE(Greyed(ID_PLAYER_INVITE));
    CBaseDataControl::SetAutoValue(2);
    CPT_MapInerface::RemovePlayerFromTable(kLocal);
    RightClickRow(2);
    EXPECT_TRUE(Greyed(ID_PLAYER_INVITE)) << "the local player is not seated";

    RightClickRow(0);  // the own row
    EXPECT_FALSE(Greyed(ID_PLAYER_QUERY));
    EXPECT_TRUE(Greyed(ID_PLAYER_WHISPER));
    EXPECT_TRUE(Greyed(ID_PLAYER_BEFRIEND));
    EXPECT_TRUE(Greyed(ID_PLAYER_BLOCK));
    EXPECT_TRUE(Greyed(ID_PLAYER_INVITE_TO_GROUP));
}

TEST_F(PlayerListTest, MenuCommandsAndDoubleClickSendTheirBlocksByteForByte) {
    tagKWP_PLAYER_LIST_DATA_EXTRA me = Player(kLocal, "me");
    tagKWP_PLAYER_LIST_DATA_EXTRA other = Player(0x0A0B0C0D, "");
    memcpy(other.acNickName, "0123456789ABCDEFGHIJ", 21);
    CPartyDlg_DlgInerface::AddPlayer(&me, 0, 0);
    CPartyDlg_DlgInerface::AddPlayer(&other, 0, 0);
    CPT_MapInerface::AddPlayerToTable(kLocal, 200);

    ::SendMessageA(list, WM_COMMAND, ID_PLAYER_QUERY, 0);
    EXPECT_TRUE(calls.empty()) << "no row clicked yet: nothing to act on";

    RightClickRow(1);
    calls.clear();
    for (UINT id : {ID_PLAYER_QUERY, ID_PLAYER_INVITE, ID_PLAYER_WHISPER, ID_PLAYER_BEFRIEND, ID_PLAYER_BLOCK}) {
        ::SendMessageA(list, WM_COMMAND, id, 0);
    }
    ASSERT_EQ(5u, calls.size());
    const std::vector<unsigned char> query = {0x0D, 0x0C, 0x0B, 0x0A, 1, 0, 0, 0, '0', '1', '2', '3',
                                              '4',  '5',  '6',  '7',  '8', '9', 'A', 'B', 'C', 'D', 'E', 0};
    EXPECT_EQ(WPARAM{LOBBYUI_PLAYER_LIST_QUERY_RECORD}, calls[0].code);
    EXPECT_EQ(query, calls[0].bytes);
    const std::vector<unsigned char> invite = {0xC8, 0, 0, 0, 0x88, 0x13, 0, 0, 0x0D, 0x0C, 0x0B, 0x0A};
    EXPECT_EQ(WPARAM{LOBBYUI_PLAYER_LIST_INVITE}, calls[1].code);
    EXPECT_EQ(invite, calls[1].bytes);
    const WPARAM byName[] = {LOBBYUI_PLAYER_LIST_WHISPER, LOBBYUI_PLAYER_LIST_BEFRIEND, LOBBYUI_PLAYER_LIST_BLOCK};
    for (size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(byName[i - 2], calls[i].code);
        EXPECT_EQ(std::string("0123456789ABCDEFGHIJ"), reinterpret_cast<const char*>(calls[i].bytes.data()));
    }

    calls.clear();
    ::SendMessageA(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 5));  // the own row
    std::vector<HostCall> queries = CallsOf(33);
    ASSERT_EQ(1u, queries.size());
    EXPECT_EQ(std::vector<unsigned char>({0x88, 0x13, 0, 0, 1}),
              std::vector<unsigned char>(queries[0].bytes.begin(), queries[0].bytes.begin() + 5));

    // Below the last row: no query, no menu, the clicked record stays.
    calls.clear();
    ::SendMessageA(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 2 * 43 + 5));
    RightClickRow(3);
    EXPECT_TRUE(calls.empty());
    ::SendMessageA(list, WM_COMMAND, ID_PLAYER_WHISPER, 0);
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(std::string("me"), reinterpret_cast<const char*>(calls[0].bytes.data()));

    // Once its row is removed, the record may be gone: commands do nothing.
    CPartyDlg_DlgInerface::RemoveAPlayer(kLocal);
    calls.clear();
    ::SendMessageA(list, WM_COMMAND, ID_PLAYER_WHISPER, 0);
    EXPECT_TRUE(calls.empty());
}

TEST_F(PlayerListTest, MenusOpenWithTheMenuSoundAndEveryChosenCommandClicks) {
    const int first = 40;
    const std::vector<int> menu = {first + 6}, click = {first + 9}, silence;
    tagKWP_PLAYER_LIST_DATA_EXTRA me = Player(kLocal, "me");
    tagKWP_PLAYER_LIST_DATA_EXTRA other = Player(2, "two");
    CPartyDlg_DlgInerface::AddPlayer(&me, 0, 0);
    CPartyDlg_DlgInerface::AddPlayer(&other, 0, 0);
    FakeHostSound sound(first);

    RightClickRow(1);
    EXPECT_EQ(menu, sound.TakePlayed());
    RightClickRow(0);
    EXPECT_EQ(menu, sound.TakePlayed()) << "the own row has a menu too";
    RightClickRow(2);
    ::SendMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(20, -5));
    EXPECT_EQ(silence, sound.TakePlayed()) << "no row under the cursor";

    RightClickRow(1);
    sound.TakePlayed();
    for (UINT id : {ID_PLAYER_QUERY, ID_PLAYER_INVITE, ID_PLAYER_WHISPER, ID_PLAYER_BEFRIEND, ID_PLAYER_BLOCK}) {
        ::SendMessageA(list, WM_COMMAND, id, 0);
        EXPECT_EQ(click, sound.TakePlayed()) << id;
    }
    ::SendMessageA(list, WM_COMMAND, ID_PLAYER_INVITE_TO_GROUP, 0);
    EXPECT_EQ(silence, sound.TakePlayed()) << "a command without a handler";
    ::SendMessageA(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(10, 43 + 5));
    EXPECT_EQ(click, sound.TakePlayed()) << "a double-click is the query command";

    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_SORT, BN_CLICKED), 0);
    EXPECT_EQ(menu, sound.TakePlayed());
    for (UINT id : {ID_SORT_BY_NICKNAME, ID_SORT_BY_LEVEL, ID_SORT_BY_VALUE, ID_SORT_BY_TABLE, ID_SORT_BY_FRIEND,
                    ID_SORT_BY_MEMBER}) {
        Sort(id);
        EXPECT_EQ(click, sound.TakePlayed()) << id;
    }
    CPartyDlg_DlgInerface::ShowPlayerLB();
    EXPECT_EQ(click, sound.TakePlayed()) << "showing the list chooses the member sort as the user would";
    CPartyDlg_DlgInerface::IsShowConTestBtn(1, 7);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_CONTEST, BN_CLICKED), 0);
    EXPECT_EQ(silence, sound.TakePlayed()) << "the contest page opens silently";
    EXPECT_EQ(1u, g_opened.size());

    // A host that takes its sound object back hears nothing; the list still answers.
    sound.Withdraw();
    calls.clear();
    RightClickRow(1);
    ::SendMessageA(list, WM_COMMAND, ID_PLAYER_WHISPER, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_SORT, BN_CLICKED), 0);
    Sort(ID_SORT_BY_LEVEL);
    EXPECT_EQ(silence, sound.TakePlayed());
    EXPECT_EQ(1u, CallsOf(1).size());
}

// Six image lists whose images are solid colours that tell group and index
// apart: RGB(250 - 40 * group, 230 - index, 200).
class HostImages {
public:
    HostImages() {
        const SIZE sizes[CPlayerListBox::kPictureGroups] = {{225, 43}, {40, 40}, {16, 16}, {16, 16}, {12, 12}, {12, 12}};
        const int counts[CPlayerListBox::kPictureGroups] = {3, 80, 19, 5, 1, 1};
        HDC screen = ::GetDC(nullptr);
        for (int g = 0; g < CPlayerListBox::kPictureGroups; ++g) {
            lists[g].Create(sizes[g].cx, sizes[g].cy, ILC_COLOR24 | ILC_MASK, counts[g], 1);
            for (int i = 0; i < counts[g]; ++i) {
                HDC mem = ::CreateCompatibleDC(screen);
                HBITMAP bmp = ::CreateCompatibleBitmap(screen, sizes[g].cx, sizes[g].cy);
                HGDIOBJ old = ::SelectObject(mem, bmp);
                HBRUSH brush = ::CreateSolidBrush(Colour(g, i));
                RECT all = {0, 0, sizes[g].cx, sizes[g].cy};
                ::FillRect(mem, &all, brush);
                ::DeleteObject(brush);
                ::SelectObject(mem, old);
                ::DeleteDC(mem);
                lists[g].Add(bmp, RGB(255, 0, 255));
                ::DeleteObject(bmp);
            }
            CPartyDlg_DlgInerface::SetPlayerLBImgList(&lists[g], static_cast<ePALYER_LIST_PIC_GROUP>(g));
        }
        ::ReleaseDC(nullptr, screen);
    }
    static COLORREF Colour(int group, int index) { return RGB(250 - 40 * group, 230 - index, 200); }
    CImageList lists[CPlayerListBox::kPictureGroups];
};

TEST_F(PlayerListTest, ARowDrawsItsPicturesAndTextsFromTheRecord) {
    HostImages images;
    tagKWP_PLAYER_LIST_DATA_EXTRA friendRow = Player(2, "pal", 21, 1234, 1);
    friendRow.usIcon = 10;
    friendRow.cSex = 7;
    friends = {"pal"};
    CPT_MapInerface::AddPlayerToTable(2, 42);
    CPartyDlg_DlgInerface::AddPlayer(&friendRow, 0, 0);

    TestCanvas canvas(240, 50);
    PaintRow(canvas.dc(), 0);
    EXPECT_EQ(1, friendRow.cSex) << "7 is kept as 1";
    EXPECT_EQ(HostImages::Colour(PLPG_ROW_FRAME, 2), canvas.At(220, 40)) << "friend frame";
    EXPECT_EQ(HostImages::Colour(PLPG_FACE, 74), canvas.At(2, 2)) << "level 21 replaces the avatar";
    EXPECT_EQ(HostImages::Colour(PLPG_HIGH_LEVEL, 2), canvas.At(51, 36));
    EXPECT_EQ(HostImages::Colour(PLPG_SEX_1, 0), canvas.At(190, 24));

    MetafileRecording drawn = MetafileRecording::Render(240, 50, [&](HDC dc) { PaintRow(dc, 0); });
    const DrawnText* name = drawn.FindText("pal");
    ASSERT_TRUE(name);
    EXPECT_EQ(CPoint(65, 4), name->at);
    EXPECT_EQ(RGB(0, 113, 0), name->colour);
    const DrawnText* table = drawn.FindText("042");
    ASSERT_TRUE(table);
    EXPECT_EQ(CPoint(160, 3), table->at);
    EXPECT_EQ(RGB(0, 0, 0), table->colour);
    const DrawnText* label = drawn.FindText(kGbkTableLabel);
    ASSERT_TRUE(label);
    EXPECT_EQ(CPoint(195, 4), label->at);
    const DrawnText* value = drawn.FindText("B:1234");
    ASSERT_TRUE(value);
    EXPECT_EQ(CPoint(104, 25), value->at);

    // Local row, icon beyond the avatars, no badge for level 30, class 4
    // without a name, no table, marker -3 kept as 0, score lobby.
    tagKWP_PLAYER_LIST_DATA_EXTRA me = Player(kLocal, "me", 30, 5, 4);
    me.usIcon = 80;
    me.cSex = -3;
    CPartyDlg_DlgInerface::AddPlayer(&me, 1, 0);
    CPartyDlg_DlgInerface::SetLBScoreLooby(false);
    calls.clear();
    TestCanvas second(240, 50);
    PaintRow(second.dc(), 0);
    EXPECT_EQ(0, me.cSex);
    EXPECT_TRUE(calls.empty()) << "the own row asks the host nothing";
    EXPECT_EQ(HostImages::Colour(PLPG_ROW_FRAME, 1), second.At(2, 2)) << "no avatar over the frame";
    EXPECT_EQ(HostImages::Colour(PLPG_ROW_FRAME, 1), second.At(51, 36)) << "no badge";
    EXPECT_EQ(HostImages::Colour(PLPG_SEX_0, 0), second.At(190, 24));
    // The row's texts are black even in a DC that came with another colour.
    MetafileRecording own = MetafileRecording::Render(240, 50, [&](HDC dc) {
        ::SetTextColor(dc, RGB(0, 0, 255));
        PaintRow(dc, 0);
    });
    EXPECT_FALSE(own.FindText("me"));
    ASSERT_TRUE(own.FindText("---"));
    EXPECT_EQ(RGB(0, 0, 0), own.FindText("---")->colour);
    EXPECT_TRUE(own.FindText("S:-5"));

    // A missing image list draws nothing; the rest of the row still draws.
    CPartyDlg_DlgInerface::SetPlayerLBImgList(nullptr, PLPG_ROW_FRAME);
    TestCanvas third(240, 50);
    PaintRow(third.dc(), 0);
    EXPECT_EQ(RGB(255, 255, 255), third.At(220, 40));
    EXPECT_EQ(HostImages::Colour(PLPG_SEX_0, 0), third.At(190, 24));
}

TEST_F(PlayerListTest, AHostDestroyingTheListWhileAnsweringARowEndsThatRow) {
    tagKWP_PLAYER_LIST_DATA_EXTRA other = Player(2, "pal", 1, 7);
    CPartyDlg_DlgInerface::AddPlayer(&other, 0, 0);
    host.Answer(LOBBYUI_MSG_PLAYER_LIST, [](WPARAM code, LPARAM) -> LRESULT {
        if (code == LOBBYUI_PLAYER_LIST_IS_FRIEND) CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
        return 0;
    });
    MetafileRecording drawn = MetafileRecording::Render(240, 50, [&](HDC dc) { PaintRow(dc, 0); });
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_TRUE(drawn.texts.empty()) << "the rest of the row would be drawn by a freed list";
    // The host can make the list again.
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(CWnd::FromHandle(parent));
    EXPECT_TRUE(::IsWindow(::GetWindow(parent, GW_CHILD)));
}

TEST_F(PlayerListTest, TraditionalSystemsGetTheBig5LabelAndTheStartUpFormat) {
    SetLanguageIdSource(&Traditional);
    tagKWP_PLAYER_LIST_DATA_EXTRA p = Player(2, "x", 1, 77);
    CPartyDlg_DlgInerface::AddPlayer(&p, 0, 0);
    CPartyDlg_DlgInerface::SetLBScoreLooby(false);
    MetafileRecording drawn = MetafileRecording::Render(240, 50, [&](HDC dc) { PaintRow(dc, 0); });
    EXPECT_TRUE(drawn.FindText("B:77")) << "beans in every mode";
    bool big5Label = false;
    for (const DrawnText& t : drawn.texts) big5Label |= t.at == CPoint(195, 4) && t.text != kGbkTableLabel;
    EXPECT_TRUE(big5Label);
}

TEST_F(PlayerListTest, AChangedTableRepaintsTheRowOnceMore) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p = Player(2, "x");
    CPartyDlg_DlgInerface::AddPlayer(&p, 0, 0);
    CPT_MapInerface::AddPlayerToTable(2, 42);
    ::UpdateWindow(list);
    p.ucTableCache = 0;  // as the map leaves a new record
    TestCanvas canvas(240, 50);
    ::ValidateRect(list, nullptr);
    PaintRow(canvas.dc(), 0);
    EXPECT_EQ(42, p.ucTableCache);
    RECT dirty;
    EXPECT_TRUE(::GetUpdateRect(list, &dirty, FALSE));
    EXPECT_EQ(43, dirty.bottom - dirty.top);
    ::ValidateRect(list, nullptr);
    PaintRow(canvas.dc(), 0);
    EXPECT_FALSE(::GetUpdateRect(list, &dirty, FALSE)) << "unchanged: no further paint";
    CPT_MapInerface::RemovePlayerFromTable(2);
    CPT_MapInerface::AddPlayerToTable(2, 120);
    PaintRow(canvas.dc(), 0);
    EXPECT_EQ(120, p.ucTableCache);
    EXPECT_TRUE(::GetUpdateRect(list, &dirty, FALSE));
}

// Writes what the screen shows of a window as a 24-bit BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT r;
    ::GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(mem, bitmap);
    ::BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ::SelectObject(mem, old);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<size_t>(stride * height));
    ::GetDIBits(mem, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ::DeleteObject(bitmap);
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    fwrite(&file, sizeof file, 1, f);
    fwrite(&info, sizeof info, 1, f);
    fwrite(pixels.data(), 1, pixels.size(), f);
    fclose(f);
    return true;
}

TEST_F(PlayerListTest, OneFullPaintOfTwelvePlayersAsksTheHostOncePerOtherVisibleRow) {
    HostImages images;
    static const char* const kNames[] = {kGbkBefriend, kGbkBlock, "amy", "bob", "cat", "dan",
                                         "eve", "fox", "gus", "hal", "ivy", "me"};
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    for (unsigned int id = 1; id <= 12; ++id) {
        players.push_back(Player(id == 12 ? kLocal : id, kNames[id - 1], static_cast<unsigned char>(id * 2 - 1),
                                 static_cast<int>(id * 1250), static_cast<unsigned char>(id % 4)));
        players.back().usIcon = static_cast<unsigned short>(id * 3);
        players.back().cSex = static_cast<signed char>(id % 2);
        if (id % 3 == 0) CPT_MapInerface::AddPlayerToTable(id, id * 9);
    }
    friends = {"amy", "eve"};
    Add(players);
    Sort(ID_SORT_BY_LEVEL);
    ::UpdateWindow(list);
    calls.clear();
    ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::cout << "code 4 messages in one full paint of 12 players: " << CallsOf(4).size() << std::endl;
    EXPECT_EQ(9u, CallsOf(4).size()) << "ten visible rows, one of them the own";

    // A picture for people, beside the test program.
    const std::string shot = ProgramDirectory() + "\\player_list_12.bmp";
    EXPECT_TRUE(SaveWindowPicture(dialog, shot));
}

TEST_F(PlayerListTest, CaptionsComeFromTheCacheOnlyForTenByteTexts) {
    Sort(ID_SORT_BY_NICKNAME);
    HWND button = ::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT);
    EXPECT_EQ(kGbkSortByNickname, Text(button));
    ScratchDirectory::Write("STCSV\\PlayerScore_Sim.csv", TextTable("Name", "B:%d"));
    Sort(ID_SORT_BY_NICKNAME);
    EXPECT_EQ(kGbkSortByNickname, Text(button)) << "cached at start-up";

    // A dialog made with the short text cannot cache it: read afresh.
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(CWnd::FromHandle(parent));
    dialog = ::GetWindow(parent, GW_CHILD);
    button = ::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT);
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    EXPECT_EQ("Name", Text(button)) << "the user's last sort names the caption at show time";
    ScratchDirectory::Write("STCSV\\PlayerScore_Sim.csv", TextTable("Nick", "B:%d"));
    Sort(ID_SORT_BY_NICKNAME);
    EXPECT_EQ("Nick", Text(button));
    EXPECT_EQ("Contest", Text(::GetDlgItem(dialog, IDC_PLAYER_LIST_CONTEST)));
}

TEST_F(PlayerListTest, SortButtonShowsTheMenuAndTheScoreLobbyRenamesTheValueSortForGood) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_SORT, BN_CLICKED), 0);
    EXPECT_EQ(dialog, PopupRecord().hOwner);
    EXPECT_EQ(kGbkSortByBeans, PopupButtonText(1013));
    RECT popup;
    ::GetWindowRect(PopupMenuWindow(), &popup);
    POINT anchor = {31, 322};
    ::ClientToScreen(dialog, &anchor);
    EXPECT_EQ(anchor.x, popup.left);
    EXPECT_EQ(anchor.y, popup.top);

    CPartyDlg_DlgInerface::SetLBScoreLooby(false);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_SORT, BN_CLICKED), 0);
    EXPECT_EQ(kGbkSortByScore, PopupButtonText(1013));
    EXPECT_EQ(static_cast<unsigned int>(ID_SORT_BY_VALUE), PopupRecord().uCmd[2]);
    Sort(ID_SORT_BY_VALUE);
    EXPECT_EQ(kGbkSortByBeans, Text(::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT))) << "text 31 after a score-lobby press";
    CPartyDlg_DlgInerface::SetLBScoreLooby(true);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_SORT, BN_CLICKED), 0);
    EXPECT_EQ(kGbkSortByScore, PopupButtonText(1013));
    Sort(ID_SORT_BY_VALUE);
    EXPECT_EQ(kGbkSortByScore, Text(::GetDlgItem(dialog, IDC_PLAYER_LIST_SORT)));
}

TEST_F(PlayerListTest, ContestButtonOpensThePageOfTheLastNumberOnTheConfiguredServer) {
    HWND contest = ::GetDlgItem(dialog, IDC_PLAYER_LIST_CONTEST);
    EXPECT_FALSE(::IsWindowVisible(contest));
    CPartyDlg_DlgInerface::IsShowConTestBtn(0, 7);
    EXPECT_FALSE(::IsWindowVisible(contest));
    EXPECT_FALSE(::IsWindowEnabled(contest));
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_CONTEST, BN_CLICKED), 0);
    ASSERT_EQ(1u, g_opened.size());
    EXPECT_EQ("http://localhost/contest/content.aspx?cno=7&pg=5", g_opened.back());

    CPartyDlg_DlgInerface::IsShowConTestBtn(1, 31);
    EXPECT_TRUE(::IsWindowVisible(contest));
    EXPECT_TRUE(::IsWindowEnabled(contest));
    RECT r;
    ::GetWindowRect(contest, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(150, r.left);
    EXPECT_EQ(442, r.top);
    EXPECT_EQ(68, r.right - r.left);
    EXPECT_EQ(21, r.bottom - r.top);
    ::SetEnvironmentVariableA(kContestServerVariable, "https://contest.example.net/");
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_CONTEST, BN_CLICKED), 0);
    EXPECT_EQ("https://contest.example.net/contest/content.aspx?cno=31&pg=5", g_opened.back());
    ::SetEnvironmentVariableA(kContestServerVariable, "calc.exe");
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PLAYER_LIST_CONTEST, BN_CLICKED), 0);
    EXPECT_EQ("http://localhost/contest/content.aspx?cno=31&pg=5", g_opened.back());
    ::SetEnvironmentVariableA(kContestServerVariable, nullptr);
}

TEST_F(PlayerListTest, FreshValuesReachTheAllViewPlayerAndTheFirstPaintPatchesBeansOnce) {
    tagKWP_PLAYER_LIST_DATA_EXTRA me = Player(kLocal, "me", 3, 10);
    tagKWP_PLAYER_LIST_DATA_EXTRA other = Player(2, "o", 4, 20);
    CPartyDlg_DlgInerface::AddPlayer(&me, 0, 0);
    CPartyDlg_DlgInerface::AddPlayer(&other, 0, 0);
    tagKWP_MERIT_DETAIL merit;
    memset(&merit, 0, sizeof merit);
    merit.ucLevel = 17;
    tagKWP_PLAYER_ALL_VIEW view;
    memset(&view, 0, sizeof view);
    view.uiPlayerID = 2;
    view.iBeans = 999;
    view.uiOtherID = kLocal;
    CPartyDlg_DlgInerface::SetData1(nullptr);
    CPartyDlg_DlgInerface::SetData2(nullptr);
    CPartyDlg_DlgInerface::SetData1(&merit);
    CPartyDlg_DlgInerface::SetData2(&view);
    CPartyDlg_DlgInerface::GoToUpData();
    EXPECT_EQ(999, other.iBeans);
    EXPECT_EQ(17, other.ucLevel);
    EXPECT_EQ(10, me.iBeans);

    TestCanvas canvas(240, 50);
    PaintRow(canvas.dc(), 1);
    EXPECT_EQ(999, me.iBeans) << "entry 0 carries the check id";
    view.iBeans = 5;
    CPartyDlg_DlgInerface::SetData2(&view);
    PaintRow(canvas.dc(), 1);
    EXPECT_EQ(999, me.iBeans) << "only the first paint patches";
}

TEST_F(PlayerListTest, BackgroundShowsUnderTenRowsOrFewerAndTheHostCursorIsUsed) {
    HDC screen = ::GetDC(nullptr);
    CBitmap background(::CreateCompatibleBitmap(screen, 300, 500));
    ::ReleaseDC(nullptr, screen);
    HDC mem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(mem, background.GetSafeHandle());
    HBRUSH blue = ::CreateSolidBrush(RGB(0, 0, 180));
    RECT all = {0, 0, 300, 500};
    ::FillRect(mem, &all, blue);
    ::DeleteObject(blue);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    CPartyDlg_DlgInerface::SetPlayerLB_BG_Bitmap(&background);

    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    for (unsigned int id = 1; id <= 11; ++id) players.push_back(Player(id, "p"));
    for (size_t i = 0; i < 10; ++i) CPartyDlg_DlgInerface::AddPlayer(&players[i], 0, 0);
    TestCanvas ten(240, 50);
    EXPECT_EQ(0, ::SendMessageA(list, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ten.dc()), 0));
    EXPECT_EQ(RGB(0, 0, 180), ten.At(100, 30));
    CPartyDlg_DlgInerface::AddPlayer(&players[10], 0, 0);
    TestCanvas eleven(240, 50);
    EXPECT_EQ(0, ::SendMessageA(list, WM_ERASEBKGND, reinterpret_cast<WPARAM>(eleven.dc()), 0));
    EXPECT_EQ(RGB(255, 255, 255), eleven.At(100, 30));

    HICON cursor = ::LoadCursorA(nullptr, IDC_HAND);
    RXCursorfun(&cursor);
    EXPECT_EQ(TRUE, ::SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list), HTCLIENT));
    EXPECT_EQ(TRUE, ::SendMessageA(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), HTCLIENT));
    EXPECT_EQ(cursor, ::GetCursor());
    RXCursorfun(nullptr);
    EXPECT_EQ(FALSE, ::SendMessageA(list, WM_SETCURSOR, reinterpret_cast<WPARAM>(list), HTCLIENT));
}

// A host filling or emptying a room calls once per player without a redraw:
// the list then neither repaints nor scrolls after each call, but shows the
// room as soon as anyone asks for a picture or the host's loop runs.
TEST_F(PlayerListTest, RowsChangedWithoutRedrawShowOnceTheHostAsksOrItsLoopRuns) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    for (unsigned id = 1; id <= 30; ++id) players.push_back(Player(id, "p" + std::to_string(id)));
    friends = {"p1", "p2"};
    PumpMessages();
    ::UpdateWindow(list);
    RECT dirty;
    calls.clear();
    for (auto& p : players) CPartyDlg_DlgInerface::AddPlayer(&p, 0, 0);
    EXPECT_EQ(30, ::SendMessageA(list, LB_GETCOUNT, 0, 0)) << "the rows are there at once";
    EXPECT_TRUE(::IsWindowVisible(list));
    EXPECT_TRUE(calls.empty()) << "nothing painted row by row";
    ASSERT_TRUE(::GetUpdateRect(list, &dirty, FALSE));
    EXPECT_EQ(430, dirty.bottom - dirty.top) << "the whole list is due for one paint";

    // The host's message loop: one paint of the visible rows.
    PumpMessages();
    EXPECT_EQ(10u, CallsOf(4).size());
    EXPECT_FALSE(::GetUpdateRect(list, &dirty, FALSE));

    // A paint or a picture asked for in the middle of a burst shows every row.
    for (unsigned id = 1; id <= 5; ++id) CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(id));
    calls.clear();
    ::UpdateWindow(list);
    EXPECT_EQ(10u, CallsOf(4).size());
    CPartyDlg_DlgInerface::RemoveAPlayer(9);
    MetafileRecording drawn = MetafileRecording::RenderWindow(list);
    for (int row = 0; row < 10; ++row) {
        auto* p = reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(::SendMessageA(list, LB_GETITEMDATA, row, 0));
        EXPECT_TRUE(drawn.FindText(p->acNickName)) << row;
    }
    EXPECT_FALSE(drawn.FindText("p1"));

    // The scroll bar catches up with the rows once, when the host redraws or
    // adds with a redraw.
    PumpMessages();
    auto scrollEnd = [this] {
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE;
        ::GetScrollInfo(list, SB_VERT, &info);
        return info.nMax;
    };
    EXPECT_EQ(23, scrollEnd()) << "24 rows";
    for (unsigned id = 6; id <= 8; ++id) CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(id));
    EXPECT_EQ(23, scrollEnd()) << "not after each change";
    CPartyDlg_DlgInerface::RedrawPlayerLB(0);
    EXPECT_EQ(20, scrollEnd());
    CPartyDlg_DlgInerface::AddPlayer(&players[0], 0, 0);
    EXPECT_EQ(20, scrollEnd());
    CPartyDlg_DlgInerface::AddPlayer(&players[1], 0, 1);
    EXPECT_EQ(22, scrollEnd());
    calls.clear();
    PumpMessages();
    EXPECT_EQ(10u, CallsOf(4).size()) << "one paint, not one per change";

    // A host that switched the list's redraw off itself keeps it off.
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    CPartyDlg_DlgInerface::AddPlayer(&players[2], 0, 0);
    CPartyDlg_DlgInerface::AddPlayer(&players[3], 0, 0);
    CPartyDlg_DlgInerface::RemoveAPlayer(20);
    PumpMessages();
    EXPECT_EQ(22, scrollEnd());
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    EXPECT_EQ(23, scrollEnd());
    EXPECT_EQ(24, ::SendMessageA(list, LB_GETCOUNT, 0, 0));
}

TEST_F(PlayerListTest, ABurstKeepsTheTopRowAfterEveryCall) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players;
    for (unsigned id = 1; id <= 40; ++id) players.push_back(Player(id, "p" + std::to_string(id), 1, 0, id <= 30 ? 1 : 0));
    for (size_t i = 0; i < 30; ++i) CPartyDlg_DlgInerface::AddPlayer(&players[i], 0, 1);
    ::SendMessageA(list, LB_SETTOPINDEX, 12, 0);
    for (size_t i = 30; i < 40; ++i) {
        CPartyDlg_DlgInerface::AddPlayer(&players[i], 0, 0);
        EXPECT_EQ(12, ::SendMessageA(list, LB_GETTOPINDEX, 0, 0)) << i;
    }
    for (unsigned id = 1; id <= 25; ++id) {
        CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(id));
        const LRESULT rows = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
        EXPECT_EQ(std::min<LRESULT>(12, rows - 10), ::SendMessageA(list, LB_GETTOPINDEX, 0, 0)) << id;
    }
    PumpMessages();
    EXPECT_EQ(5, ::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_EQ(15u, Order().size());
}

// The list finds a player's rows without asking the list box row by row, so
// what it keeps must follow every change, the host's own messages included.
TEST_F(PlayerListTest, RemovalAndFreshValuesFindTheRightRowsAfterAnyChangeToTheList) {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> players = {Player(1, "a", 1, 0, 4), Player(2, "b", 1, 0, 3),
                                                          Player(3, "c", 1, 0, 2), Player(4, "d", 1, 0, 1),
                                                          Player(2, "b-again", 1, 0, 0)};
    Sort(ID_SORT_BY_MEMBER);
    Add(players);
    EXPECT_EQ((std::vector<unsigned int>{1, 2, 3, 4, 2}), Order());
    CPartyDlg_DlgInerface::RemoveAPlayer(2);
    EXPECT_EQ((std::vector<unsigned int>{1, 2, 3, 4}), Order()) << "the last row of a player goes first";

    tagKWP_MERIT_DETAIL merit;
    memset(&merit, 0, sizeof merit);
    merit.ucLevel = 9;
    tagKWP_PLAYER_ALL_VIEW view;
    memset(&view, 0, sizeof view);
    view.uiPlayerID = 3;
    view.iBeans = 77;
    CPartyDlg_DlgInerface::SetData1(&merit);
    CPartyDlg_DlgInerface::SetData2(&view);

    // The host changes the rows behind the library's back.
    ::SendMessageA(list, LB_DELETESTRING, 0, 0);
    tagKWP_PLAYER_LIST_DATA_EXTRA stranger = Player(3, "stranger");
    ::SendMessageA(list, LB_SETITEMDATA, 2, reinterpret_cast<LPARAM>(&stranger));
    tagKWP_PLAYER_LIST_DATA_EXTRA late = Player(8, "late");
    ::SendMessageA(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(&late));
    EXPECT_EQ((std::vector<unsigned int>{2, 8, 3, 3}), Order());
    players[3].uiPlayerID = 3;  // the record that lost its row
    CPartyDlg_DlgInerface::GoToUpData();
    EXPECT_EQ(77, stranger.iBeans);
    EXPECT_EQ(9, stranger.ucLevel);
    EXPECT_EQ(77, players[2].iBeans) << "every row of the player";
    EXPECT_EQ(0, players[3].iBeans) << "a record no longer in the list is left alone";
    CPartyDlg_DlgInerface::RemoveAPlayer(3);
    CPartyDlg_DlgInerface::RemoveAPlayer(8);
    EXPECT_EQ((std::vector<unsigned int>{2, 3}), Order());
    EXPECT_EQ(&players[2], reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(::SendMessageA(list, LB_GETITEMDATA, 1, 0)));

    // A record whose player id the host changes is found by its new id.
    players[1].uiPlayerID = 12;
    CPartyDlg_DlgInerface::RemoveAPlayer(2);
    EXPECT_EQ(2u, Order().size());
    CPartyDlg_DlgInerface::RemoveAPlayer(12);
    EXPECT_EQ((std::vector<unsigned int>{3}), Order());

    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    CPartyDlg_DlgInerface::RemoveAPlayer(3);
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> again = {Player(5, "e"), Player(6, "f")};
    Add(again);
    CPartyDlg_DlgInerface::RemoveAPlayer(5);
    EXPECT_EQ((std::vector<unsigned int>{6}), Order());
    CPartyDlg_DlgInerface::HidePlayerLBDlg();
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    Add(again);
    CPartyDlg_DlgInerface::RemoveAPlayer(6);
    EXPECT_EQ((std::vector<unsigned int>{5}), Order());
}

TEST(PlayerListSkinTest, TheDialogTakesItsSkinObjectAndSkinsTheList) {
    const std::string bin = ProgramDirectory();
    HMODULE fixture = ::LoadLibraryA((bin + "\\fixtures\\skinmagic\\SkinMagic.dll").c_str());
    ASSERT_TRUE(fixture);
    auto count = reinterpret_cast<SkinFixtureCallCountFn>(reinterpret_cast<void*>(::GetProcAddress(fixture, "SkinFixtureCallCount")));
    auto get = reinterpret_cast<SkinFixtureGetCallFn>(reinterpret_cast<void*>(::GetProcAddress(fixture, "SkinFixtureGetCall")));
    auto reset = reinterpret_cast<SkinFixtureResetFn>(reinterpret_cast<void*>(::GetProcAddress(fixture, "SkinFixtureReset")));
    ASSERT_TRUE(count && get && reset);
    Skin::ResetForTesting();
    reset();

    HostWindow host;
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(host.wnd());
    HWND dialog = ::GetWindow(host.hwnd(), GW_CHILD);
    ASSERT_EQ(2, count());
    SkinFixtureCall apply = {}, option = {};
    get(0, &apply);
    get(1, &option);
    EXPECT_EQ(kSkinApplyWindowSkin, apply.operation);
    EXPECT_EQ(dialog, apply.window);
    EXPECT_STREQ("PlayerListBox", apply.name);
    EXPECT_EQ(kSkinControlOption, option.operation);
    EXPECT_EQ(::GetDlgItem(dialog, IDC_PLAYER_LIST), option.window);
    EXPECT_EQ(1, option.option);
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
    Skin::ResetForTesting();
    ::FreeLibrary(fixture);
}

TEST(PlayerListFacadeTest, EveryCallIsHarmlessWithoutADialogAndCreateHappensOnce) {
    tagKWP_PLAYER_LIST_DATA_EXTRA p = Player(1, "x");
    EXPECT_EQ(nullptr, CPartyDlg_DlgInerface::GetPopupMenuHandle());
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    CPartyDlg_DlgInerface::HidePlayerLBDlg();
    CPartyDlg_DlgInerface::ShowPlayerLB();
    CPartyDlg_DlgInerface::RedrawPlayerLB(1);
    CPartyDlg_DlgInerface::AddPlayer(&p, 1, 1);
    CPartyDlg_DlgInerface::RemoveAPlayer(1);
    CPartyDlg_DlgInerface::SetPlayerLBImgList(nullptr, static_cast<ePALYER_LIST_PIC_GROUP>(99));
    CPartyDlg_DlgInerface::SetPlayerLB_BG_Bitmap(nullptr);
    CPartyDlg_DlgInerface::SetPlayerListUseYuCoin(false);
    CPartyDlg_DlgInerface::IsShowConTestBtn(1, 3);
    CPartyDlg_DlgInerface::GoToUpData();
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
    // No parent: the window cannot be made, and the object ignores every call.
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(nullptr);
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    CPartyDlg_DlgInerface::AddPlayer(&p, 0, 1);
    CPartyDlg_DlgInerface::ShowPlayerLB();
    CPartyDlg_DlgInerface::RemoveAPlayer(1);
    CPartyDlg_DlgInerface::HidePlayerLBDlg();
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();

    HostWindow first, second;
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(first.wnd());
    HMENU menu = CPartyDlg_DlgInerface::GetPopupMenuHandle();
    ASSERT_NE(nullptr, menu);
    HWND made = ::GetWindow(first.hwnd(), GW_CHILD);
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(second.wnd());
    EXPECT_EQ(menu, CPartyDlg_DlgInerface::GetPopupMenuHandle());
    EXPECT_EQ(nullptr, ::GetWindow(second.hwnd(), GW_CHILD));
    EXPECT_FALSE(::IsWindowVisible(made)) << "created hidden";
    EXPECT_EQ(0, ::GetWindowLongA(::GetDlgItem(made, IDC_PLAYER_LIST), GWL_STYLE) & WS_VISIBLE)
        << "the list too, until the dialog is shown";
    // Owner-draw messages without their structure are ignored, not read.
    for (UINT msg : {WM_COMPAREITEM, WM_DRAWITEM, WM_DELETEITEM}) {
        ::SendMessageA(made, msg, IDC_PLAYER_LIST, 0);
        ::SendMessageA(made, msg, IDC_PLAYER_LIST_SORT, 0);
    }

    // The menus are the library's own, in GBK.
    HMENU players = ::GetSubMenu(menu, 0);
    const char* expected[] = {kGbkQueryRecord, kGbkInviteToGame, kGbkWhisper, kGbkBefriend, kGbkBlock, kGbkInviteToGroup};
    ASSERT_EQ(6, ::GetMenuItemCount(players));
    for (int i = 0; i < 6; ++i) {
        char text[64] = {0};
        ::GetMenuStringA(players, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(expected[i], text) << i;
    }
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED | MF_DISABLED),
              ::GetMenuState(players, ID_PLAYER_INVITE_TO_GROUP, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED))
        << "inviting to a group is never available";
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
    EXPECT_EQ(nullptr, CPartyDlg_DlgInerface::GetPopupMenuHandle());
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
}

}  // namespace
