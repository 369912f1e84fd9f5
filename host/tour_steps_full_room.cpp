// The tour's full room: 750 players arrive in the player list, one
// AddPlayer each without a redraw and one RedrawPlayerLB at the end, as a
// lobby client does when the server reports a crowd; then they all leave,
// one RemoveAPlayer each. The log says how long each took, the repaint
// included, and the list must be as it was before they came.
#include <lobbyui/lobbyui.h>

#include <stdio.h>
#include <string.h>

#include <chrono>
#include <string>
#include <vector>

#include "demo_room.h"
#include "tour.h"

namespace {

const unsigned kArrivals = 750;
const unsigned kFirstArrivalId = 30001;

// The newcomers' records: the host's own, alive while their rows are.
std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& Arrivals() {
    static std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA> arrivals;
    return arrivals;
}

HWND PlayerList(TourContext& c) { return TourContext::FindChild(c.Dialog("player-list"), L"ListBox"); }

std::vector<uintptr_t> Rows(HWND list) {
    std::vector<uintptr_t> rows;
    LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        rows.push_back(static_cast<uintptr_t>(::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
    }
    return rows;
}

// The rows before the crowd came, to compare with after it left.
std::vector<uintptr_t>& RowsBefore() {
    static std::vector<uintptr_t> rows;
    return rows;
}

void MakeArrivals() {
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& arrivals = Arrivals();
    arrivals.assign(kArrivals, tagKWP_PLAYER_LIST_DATA_EXTRA());
    const std::string guest = Gbk("访客");
    for (unsigned i = 0; i < kArrivals; ++i) {
        tagKWP_PLAYER_LIST_DATA_EXTRA& p = arrivals[i];
        memset(&p, 0, sizeof p);
        p.uiPlayerID = kFirstArrivalId + i;
        const std::string name = guest + std::to_string(i + 1);
        memcpy(p.acNickName, name.data(), name.size() < sizeof p.acNickName ? name.size() : sizeof p.acNickName - 1);
        p.ucLevel = static_cast<unsigned char>((i * 7) % 24);
        p.usIcon = static_cast<unsigned short>((i * 13) % 73);
        p.cSex = static_cast<signed char>(i % 2);
        p.ucMember = static_cast<unsigned char>(i % 11 == 0 ? 1 + i % 3 : 0);
        p.iBeans = static_cast<int>((i * 7919) % 150000);
        p.iScore = static_cast<int>((i * 104729) % 8000) - 1000;
    }
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string Timing(const char* what, double ms) {
    char line[160];
    snprintf(line, sizeof line, "full room: %u players %s in %.1f ms (%.1f us each, the repaint included)", kArrivals,
             what, ms, 1000.0 * ms / kArrivals);
    return line;
}

}  // namespace

void AddFullRoomSteps(std::vector<TourStep>& steps) {
    steps.push_back({"full-room", [](TourContext& c) {
                         HWND list = PlayerList(c);
                         RowsBefore() = Rows(list);
                         MakeArrivals();
                         const auto start = std::chrono::steady_clock::now();
                         for (tagKWP_PLAYER_LIST_DATA_EXTRA& p : Arrivals()) CPartyDlg_DlgInerface::AddPlayer(&p, 0, 0);
                         CPartyDlg_DlgInerface::RedrawPlayerLB(1);
                         ::UpdateWindow(list);
                         c.log.Note(Timing("arrived", MillisecondsSince(start)));
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         std::vector<uintptr_t> rows = Rows(PlayerList(c));
                         if (rows.size() != RowsBefore().size() + kArrivals) return std::string("not everyone got a row");
                         const uintptr_t local = rows.empty() ? 0 : rows[0];
                         if (!local || reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(local)->uiPlayerID !=
                                           c.room.localPlayerId()) {
                             return std::string("the local player is no longer on top");
                         }
                         return std::string();
                     }});
    steps.push_back({"full-room-left", [](TourContext& c) {
                         HWND list = PlayerList(c);
                         const auto start = std::chrono::steady_clock::now();
                         // In an order of their own: every few rows one leaves, not the last one each time.
                         for (unsigned i = 0; i < kArrivals; ++i) {
                             CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(kFirstArrivalId + (i * 7) % kArrivals));
                         }
                         // The lobby's message loop runs once: the list shows the room.
                         MSG msg;
                         while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                             if (msg.message == WM_QUIT) {
                                 ::PostQuitMessage(static_cast<int>(msg.wParam));
                                 break;
                             }
                             ::TranslateMessage(&msg);
                             ::DispatchMessageW(&msg);
                         }
                         ::UpdateWindow(list);
                         c.log.Note(Timing("left", MillisecondsSince(start)));
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         if (Rows(PlayerList(c)) != RowsBefore()) return std::string("the list is not as it was before the crowd");
                         return std::string();
                     }});
}
