// How fast a full room's player list fills and empties, measured against the
// list box's own cost in the same run: the same records added (sorted, by the
// same comparison) and deleted directly in the same list with its redrawing
// off and one repaint at the end. The host's calls must cost at most three
// times that (plus a little for a machine shared with other builds); the
// figures and ratios are printed. Each side is measured a few times, turn
// about, and the best of each kept, so a burst of load on the machine hits
// both sides alike.
#include "join/player_list_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/gdi.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "host_window.h"
#include "scratch_directory.h"
#include "support/platform.h"

namespace {

const int kFullRoom = 750;
const unsigned kLocal = 90000;
const double kMostRatio = 3.0;
const double kAllowanceMs = 15.0;
const int kRounds = 5;

uint16_t Simplified() { return 0x0804; }

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A small generator of its own: the same room in every run.
class Random {
public:
    unsigned Below(unsigned n) {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % n;
    }

private:
    unsigned m_state = 20261207u;
};

// The host's pictures for the list: solid image strips and a background.
class HostPictures {
public:
    HostPictures() {
        const SIZE sizes[kGroups] = {{225, 43}, {40, 40}, {20, 18}, {26, 20}, {16, 16}, {16, 16}};
        const int counts[kGroups] = {3, 76, 19, 5, 1, 1};
        HDC screen = ::GetDC(nullptr);
        for (int g = 0; g < kGroups; ++g) {
            lists[g].Create(sizes[g].cx, sizes[g].cy, ILC_COLOR24 | ILC_MASK, counts[g], 1);
            for (int i = 0; i < counts[g]; ++i) {
                HBITMAP picture = Solid(screen, sizes[g].cx, sizes[g].cy, RGB(40 * g, 3 * i, 200));
                lists[g].Add(picture, RGB(255, 0, 255));
                ::DeleteObject(picture);
            }
            CPartyDlg_DlgInerface::SetPlayerLBImgList(&lists[g], static_cast<ePALYER_LIST_PIC_GROUP>(g));
        }
        background.Attach(Solid(screen, 234, 474, RGB(0, 0, 160)));
        ::ReleaseDC(nullptr, screen);
        CPartyDlg_DlgInerface::SetPlayerLB_BG_Bitmap(&background);
    }

private:
    static const int kGroups = 6;
    static HBITMAP Solid(HDC screen, int width, int height, COLORREF colour) {
        HBITMAP picture = ::CreateCompatibleBitmap(screen, width, height);
        HDC mem = ::CreateCompatibleDC(screen);
        HGDIOBJ old = ::SelectObject(mem, picture);
        HBRUSH brush = ::CreateSolidBrush(colour);
        RECT all = {0, 0, width, height};
        ::FillRect(mem, &all, brush);
        ::DeleteObject(brush);
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
        return picture;
    }
    CImageList lists[kGroups];
    CBitmap background;
};

// A nickname of two to four GBK characters (from the common block of the
// character set) and a number, as the lobby's players have.
std::string GbkNickname(Random& random, int number) {
    std::string name;
    const unsigned characters = 2 + random.Below(3);
    for (unsigned c = 0; c < characters; ++c) {
        name += static_cast<char>(0xB0 + random.Below(0x28));
        name += static_cast<char>(0xA1 + random.Below(0x5E));
    }
    return name + std::to_string(number);
}

struct Figures {
    double library = 1e9;
    double listBox = 1e9;
    double Ratio() const { return library / listBox; }
    bool WithinBounds() const { return library <= kMostRatio * listBox + kAllowanceMs; }
};

void Print(const char* what, const Figures& f) {
    printf("%-44s library %8.1f ms   list box %8.1f ms   ratio %5.2f (at most %.1f + %.0f ms)\n", what, f.library,
           f.listBox, f.Ratio(), kMostRatio, kAllowanceMs);
    fflush(stdout);
}

// A host window with the player list shown in a child window of it, as in
// the lobby; it answers the friend question and counts it.
class PlayerListSpeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDirectory::Write("STCSV\\PlayerScore_Sim.csv", "9,S:%d\r\n10,B:%d\r\n");
        SetLanguageIdSource(&Simplified);
        CBaseDataControl::SetGameID(kLocal);
        CPT_MapInerface::RemoveAllPlayerFromTable();
        host.Answer(LOBBYUI_MSG_PLAYER_LIST, [this](WPARAM code, LPARAM l) -> LRESULT {
            if (code != LOBBYUI_PLAYER_LIST_IS_FRIEND) return 0;
            ++friendQuestions;
            return friends.count(reinterpret_cast<const char*>(l)) ? 1 : 0;
        });
        ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
        parent = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 820, 560,
                                   host.hwnd(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
        CPartyDlg_DlgInerface::CreatePlayerLBDlg(CWnd::FromHandle(parent));
        CPartyDlg_DlgInerface::SetLBScoreLooby(true);
        dialog = ::GetWindow(parent, GW_CHILD);
        list = ::GetDlgItem(dialog, IDC_PLAYER_LIST);
        CPartyDlg_DlgInerface::ShowPlayerLBDlg();
        PumpMessages();
    }
    void TearDown() override {
        CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
        CPT_MapInerface::RemoveAllPlayerFromTable();
        SetLanguageIdSource(nullptr);
    }

    std::vector<const tagKWP_PLAYER_LIST_DATA_EXTRA*> Rows() const {
        std::vector<const tagKWP_PLAYER_LIST_DATA_EXTRA*> rows;
        const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            rows.push_back(reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(::SendMessageA(list, LB_GETITEMDATA, i, 0)));
        }
        return rows;
    }
    // Lets everything pending reach the screen: the host's message loop
    // running once, then the paint.
    void Settle() const {
        PumpMessages();
        ::UpdateWindow(list);
    }
    // The list box by itself: records added with its redrawing off, then one repaint.
    void FillListBox(const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*>& players) const {
        ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        for (tagKWP_PLAYER_LIST_DATA_EXTRA* p : players) {
            const bool own = p->uiPlayerID == kLocal;
            ::SendMessageA(list, own ? LB_INSERTSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(p));
        }
        ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    // The host's way: every player without a redraw (the own one on top), then one redraw.
    void FillAsHost(const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*>& players) const {
        for (tagKWP_PLAYER_LIST_DATA_EXTRA* p : players) CPartyDlg_DlgInerface::AddPlayer(p, p->uiPlayerID == kLocal, 0);
        CPartyDlg_DlgInerface::RedrawPlayerLB(1);
        ::UpdateWindow(list);
    }
    // The rows to delete, in list order at each step, for the players leaving in `order`.
    std::vector<int> RowsToDelete(const std::vector<unsigned>& order) const {
        std::vector<unsigned> ids;
        for (const tagKWP_PLAYER_LIST_DATA_EXTRA* p : Rows()) ids.push_back(p->uiPlayerID);
        std::vector<int> rows;
        for (unsigned id : order) {
            auto at = std::find(ids.rbegin(), ids.rend(), id);
            rows.push_back(static_cast<int>(ids.rend() - at) - 1);
            ids.erase(std::next(at).base());
        }
        return rows;
    }
    void EmptyListBox(const std::vector<int>& rows) const {
        ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        for (int row : rows) ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    void EmptyAsHost(const std::vector<unsigned>& order) const {
        for (unsigned id : order) CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(id));
        Settle();
    }

    // Fills and empties the list both ways, turn about, and checks that both
    // ways give the same rows and ask the host the same friend questions.
    void Measure(const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*>& players, const std::vector<unsigned>& leaving,
                 Figures* fill, Figures* empty) {
        for (int round = 0; round < kRounds; ++round) {
            friendQuestions = 0;
            fill->listBox = std::min(fill->listBox, Milliseconds([&] { FillListBox(players); }));
            const size_t listBoxQuestions = friendQuestions;
            const std::vector<const tagKWP_PLAYER_LIST_DATA_EXTRA*> expected = Rows();
            ASSERT_EQ(players.size(), expected.size());
            const std::vector<int> rows = RowsToDelete(leaving);
            empty->listBox = std::min(empty->listBox, Milliseconds([&] { EmptyListBox(rows); }));
            ASSERT_EQ(0u, Rows().size());
            Settle();

            friendQuestions = 0;
            fill->library = std::min(fill->library, Milliseconds([&] { FillAsHost(players); }));
            Settle();
            ASSERT_EQ(expected, Rows()) << "the same rows in the same order";
            EXPECT_EQ(listBoxQuestions, friendQuestions) << "friends asked for the painted rows only";
            EXPECT_EQ(0, ::SendMessageA(list, LB_GETTOPINDEX, 0, 0));
            empty->library = std::min(empty->library, Milliseconds([&] { EmptyAsHost(leaving); }));
            ASSERT_EQ(0u, Rows().size());
        }
    }

    ScratchDirectory scratch;
    HostWindow host{0, 0, 900, 620};
    HWND parent = nullptr, dialog = nullptr, list = nullptr;
    std::set<std::string> friends;
    size_t friendQuestions = 0;
};

TEST_F(PlayerListSpeedTest, AFullRoomFillsAndEmptiesWithinThreeTimesTheListBoxOwnCost) {
    Random random;
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> records(kFullRoom);
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*> players;
    std::vector<unsigned> leaving;
    for (int i = 0; i < kFullRoom; ++i) {
        tagKWP_PLAYER_LIST_DATA_EXTRA& p = records[static_cast<size_t>(i)];
        memset(&p, 0, sizeof p);
        p.uiPlayerID = i == 0 ? kLocal : 1000u + static_cast<unsigned>(i);
        snprintf(p.acNickName, sizeof p.acNickName, "player%03d", i);
        p.ucLevel = static_cast<unsigned char>(random.Below(24));
        p.ucMember = static_cast<unsigned char>(random.Below(4));
        p.iBeans = static_cast<int>(random.Below(200000));
        players.push_back(&p);
        leaving.push_back(p.uiPlayerID);
    }
    for (size_t i = leaving.size() - 1; i > 0; --i) std::swap(leaving[i], leaving[random.Below(static_cast<unsigned>(i + 1))]);

    Figures fill, empty;
    Measure(players, leaving, &fill, &empty);
    Print("750 AddPlayer(p, 0, 0) + RedrawPlayerLB(1):", fill);
    Print("750 RemoveAPlayer:", empty);
    EXPECT_TRUE(fill.WithinBounds()) << fill.Ratio();
    EXPECT_TRUE(empty.WithinBounds()) << empty.Ratio();
}

// The demo's kind of room, full: 750 players in the room's map with GBK
// nicknames, levels, avatars and member classes, two in three seated, every
// ninth a friend; the list shows the map's records with the host's pictures,
// the local player on top.
TEST_F(PlayerListSpeedTest, AFullSampleRoomUnderAShownDialogFillsAndEmptiesWithinThreeTimesTheListBoxOwnCost) {
    HostPictures pictures;
    Random random;
    CPT_MapInerface::RemoveAllPlayerFromMap();
    for (int i = 0; i < kFullRoom; ++i) {
        tagKWP_PLAYER_LIST_DATA_EXTRA p;
        memset(&p, 0, sizeof p);
        p.uiPlayerID = i == 0 ? kLocal : 10001u + static_cast<unsigned>(i);
        const std::string name = GbkNickname(random, i);
        memcpy(p.acNickName, name.data(), std::min(name.size(), sizeof p.acNickName - 1));
        p.ucLevel = static_cast<unsigned char>(random.Below(24));
        p.usIcon = static_cast<unsigned short>(random.Below(76));
        p.cSex = static_cast<signed char>(random.Below(2));
        p.ucMember = static_cast<unsigned char>(random.Below(4));
        p.iBeans = static_cast<int>(random.Below(200000));
        p.iScore = static_cast<int>(random.Below(9000)) - 1000;
        ASSERT_TRUE(CPT_MapInerface::AddNewPlayerToMap(&p)) << i;
        if (i % 3 != 2) CPT_MapInerface::AddPlayerToTable(p.uiPlayerID, 1 + static_cast<unsigned>(i) % 200);
        if (i % 9 == 4) friends.insert(name);
    }
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*> players;
    std::vector<unsigned> leaving;
    tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
    for (unsigned char restart = 1; CPT_MapInerface::GetPlayerDataAndNext(player, restart) == 0; restart = 0) {
        players.push_back(player);
        leaving.push_back(player->uiPlayerID);
    }
    ASSERT_EQ(static_cast<size_t>(kFullRoom), players.size());
    for (size_t i = leaving.size() - 1; i > 0; --i) std::swap(leaving[i], leaving[random.Below(static_cast<unsigned>(i + 1))]);
    PumpMessages();

    Figures fill, empty;
    Measure(players, leaving, &fill, &empty);
    Print("full room with pictures, fill:", fill);
    Print("full room with pictures, 750 RemoveAPlayer:", empty);
    EXPECT_TRUE(fill.WithinBounds()) << fill.Ratio();
    EXPECT_TRUE(empty.WithinBounds()) << empty.Ratio();
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
    CPT_MapInerface::RemoveAllPlayerFromMap();
}

}  // namespace
