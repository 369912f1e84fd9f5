// The tour's steps of the player information dialogs: the score dialog for a
// player the user queried in the player list, its pages and an item's
// tooltip, and the base-data panel in the lobby with its four buttons.
#include <windows.h>
#include <commctrl.h>

#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

#include "demo_setup.h"
#include "tour.h"

namespace {

const UINT kPlayerList = LOBBYUI_MSG_PLAYER_LIST;
const UINT kBaseDataButtons = LOBBYUI_MSG_BASE_DATA_BUTTON;

// The player whose record the user asked for in the player list (the last
// query block the host received), or the first player of the room at a
// landlord level when there was none.
const tagKWP_PLAYER_LIST_DATA_EXTRA* QueriedPlayer(TourContext& c, unsigned char minLevel, unsigned char maxLevel) {
    const std::vector<LoggedMessage>& all = c.log.messages();
    for (auto m = all.rbegin(); m != all.rend(); ++m) {
        if (m->msg != kPlayerList || m->wParam != 33 || m->record.size() < 4) continue;
        unsigned id = 0;
        memcpy(&id, m->record.data(), 4);
        for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : c.room.players()) {
            if (p.uiPlayerID == id && p.ucLevel >= minLevel && p.ucLevel <= maxLevel) return &p;
        }
        break;
    }
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : c.room.players()) {
        if (p.ucLevel >= minLevel && p.ucLevel <= maxLevel) return &p;
    }
    return c.room.players().empty() ? nullptr : &c.room.players().front();
}

// What the server would report of a player: the level, hats, cards (one
// count over 99, shown as 99) and figures made up from the room's record.
void ShowScoreOf(TourContext& c, const tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    if (!player) return;
    tagKWP_MERIT_DETAIL merit = {};
    merit.ucLevel = player->ucLevel;
    merit.usExperience = static_cast<unsigned short>(player->iScore > 0 ? player->iScore % 3000 : 0);
    merit.ucKingHatCount = static_cast<unsigned char>(3 + player->uiPlayerID % 9);
    merit.iTimeSeconds = 7322 + static_cast<int>(player->uiPlayerID % 40) * 3661;
    merit.iTally1 = 2;
    merit.iTally2 = 1;
    merit.iGroupOneFirst = 120;
    merit.iGroupOneSecond = 87;
    merit.iGroupTwoFirst = 14;
    merit.iGroupTwoSecond = 9;
    merit.iExtraCount1 = 6;
    merit.iExtraCount2 = 2;
    merit.iGoldCard15 = 150;
    merit.iGoldCard50 = 3;
    merit.iSilverCard10 = 12;
    merit.ucMember = player->ucMember;
    tagKWP_PLAYER_ALL_VIEW view = {};
    view.uiPlayerID = player->uiPlayerID;
    view.iBeans = player->iBeans;
    view.iFigure2 = 35;
    view.iFigure3 = 12;
    view.iPremiumBalance = 88;
    CPSDlg_Interface::SetPS_DlgData(&merit);
    CPSDlg_Interface::SetPS_DlgData2(&view);
    char name[41] = {0};
    memcpy(name, player->acNickName, sizeof player->acNickName);
    CPSDlg_Interface::ShowPS_Dlg(name);
    c.chosen["score-level"] = player->ucLevel;
}

struct TooltipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK MatchTooltip(HWND h, LPARAM p) {
    TooltipSearch* s = reinterpret_cast<TooltipSearch*>(p);
    wchar_t name[32] = {0};
    ::GetClassNameW(h, name, 32);
    if (::GetWindow(h, GW_OWNER) != s->owner || wcscmp(name, TOOLTIPS_CLASSW) != 0) return TRUE;
    s->found = h;
    return FALSE;
}

// The score dialog's tooltip window: the pop-up it owns.
HWND ScoreTooltip(HWND dialog) {
    TooltipSearch search = {dialog, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TipOf(HWND dialog, UINT tool) {
    HWND tooltip = ScoreTooltip(dialog);
    if (!tooltip) return "<no tooltip control>";
    char text[256] = {0};
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = dialog;
    info.uId = tool;
    info.lpszText = text;
    ::SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

// The arrows' states on a page: previous off on page 1, next off on page 4.
std::string ArrowsFor(HWND dialog, int page) {
    bool previous = ::IsWindowEnabled(::GetDlgItem(dialog, 217)) != FALSE;
    bool next = ::IsWindowEnabled(::GetDlgItem(dialog, 218)) != FALSE;
    if (previous != (page > 1) || next != (page < 4)) return "the page arrows are wrong on page " + std::to_string(page);
    if (page > 1 && !TipOf(dialog, 1).empty()) return "an item tip is left on page " + std::to_string(page);
    return std::string();
}

void AddScoreSteps(std::vector<TourStep>& steps) {
    // A landlord with king hats, gold and silver cards (150 shows as 99).
    steps.push_back({"score-dialog", [](TourContext& c) { ShowScoreOf(c, QueriedPlayer(c, 10, 18)); }, Expect::Dialog,
                     {}, [](TourContext& c) {
                         HWND d = c.Dialog("score-dialog");
                         if (!CPSDlg_Interface::IfPS_DlgVisible()) return std::string("the score dialog is not visible");
                         RECT client;
                         ::GetClientRect(d, &client);
                         if (client.right != 301 || client.bottom != 393) return std::string("the client area is not 301 x 393");
                         if (TipOf(d, 1).empty() || TipOf(d, 2).empty()) return std::string("the hat and the first card have no tip");
                         if (!TipOf(d, 5).empty()) return std::string("an empty slot has a tip");
                         return ArrowsFor(d, 1);
                     }});
    // The pointer rests on the first slot, the king hat: its tip comes up.
    steps.push_back({"score-hat-tooltip", [](TourContext& c) {
                         HWND d = c.Dialog("score-dialog");
                         // Tips show over the active window only, as the user's would be.
                         ::SetForegroundWindow(d);
                         ::SetActiveWindow(d);
                         POINT slot = {29, 282};
                         ::ClientToScreen(d, &slot);
                         ::SetCursorPos(slot.x, slot.y);
                         // One move starts the tip's delay; each further move would start it again.
                         ::SendMessageW(d, WM_MOUSEMOVE, 0, MAKELPARAM(29, 282));
                         for (int i = 0; i < 6; ++i) Settle();
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         HWND tooltip = ScoreTooltip(c.Dialog("score-dialog"));
                         if (!tooltip || !::IsWindowVisible(tooltip)) return std::string("no tooltip over the king hat");
                         return std::string();
                     }});
    for (int page = 2; page <= 4; ++page) {
        steps.push_back({"score-page-" + std::to_string(page), [](TourContext& c) { c.Click(c.Dialog("score-dialog"), 218); },
                         Expect::Nothing, {}, [page](TourContext& c) { return ArrowsFor(c.Dialog("score-dialog"), page); }});
    }
    steps.push_back({"score-page-1", [](TourContext& c) {
                         HWND d = c.Dialog("score-dialog");
                         for (int i = 0; i < 3; ++i) c.Click(d, 217);
                     }, Expect::Nothing, {}, [](TourContext& c) { return ArrowsFor(c.Dialog("score-dialog"), 1); }});
    // A ring holder: the ring comes first in the grid.
    steps.push_back({"score-ring-player", [](TourContext& c) { ShowScoreOf(c, QueriedPlayer(c, 20, 22)); },
                     Expect::Nothing, {}, [](TourContext& c) {
                         HWND d = c.Dialog("score-dialog");
                         if (c.chosen["score-level"] < 20 || c.chosen["score-level"] > 22) return std::string("the room has no ring holder");
                         return TipOf(d, 1).empty() ? std::string("the ring has no tip") : ArrowsFor(d, 1);
                     }});
    steps.push_back({"score-closed", [](TourContext&) { CPSDlg_Interface::HidePS_Dlg(); }, Expect::Nothing, {},
                     [](TourContext&) {
                         return CPSDlg_Interface::IfPS_DlgVisible() ? std::string("the score dialog stays") : std::string();
                     }});
}

tagKWPCEN_PREVIEW_DATA LocalPreview(TourContext& c) {
    tagKWPCEN_PREVIEW_DATA data = {};
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : c.room.players()) {
        if (p.uiPlayerID != c.room.localPlayerId()) continue;
        memcpy(data.acName, p.acNickName, sizeof data.acName - 1);
        data.ucLevel = p.ucLevel;
        data.iMoney = p.iBeans;
        data.ucIcon = static_cast<unsigned char>(p.usIcon % 12);
    }
    data.iFigureA = 35;
    data.iFigureB = 12;
    return data;
}

void AddBaseDataSteps(std::vector<TourStep>& steps) {
    steps.push_back({"base-data-panel", [](TourContext& c) {
                         tagKWPCEN_PREVIEW_DATA data = LocalPreview(c);
                         CPBDDlg_Interface::PBDDLG_SetYuCoinUse(false);
                         CPBDDlg_Interface::RefreshPBD_Dlg(&data, 0);
                         CPBDDlg_Interface::ShowPBD_Dlg();
                     }, Expect::Dialog, {}});
    // The local player sits down: the status line turns to "playing".
    steps.push_back({"base-data-refreshed", [](TourContext&) { CPBDDlg_Interface::RefreshPBD_Dlg(nullptr, 4); },
                     Expect::Nothing, {}, [](TourContext& c) {
                         HWND panel = c.Dialog("base-data-panel");
                         return panel && ::IsWindowVisible(panel) ? std::string() : std::string("the panel is gone");
                     }});
    for (WPARAM code = 1; code <= 4; ++code) {
        steps.push_back({"base-data-button-" + std::to_string(code), [code](TourContext& c) {
                             c.Click(c.Dialog("base-data-panel"), 216 + static_cast<int>(code));
                         }, Expect::Nothing, {{kBaseDataButtons, code}}});
    }
}

}  // namespace

void AddPlayerInfoSteps(std::vector<TourStep>& steps) {
    AddScoreSteps(steps);
    AddBaseDataSteps(steps);
}
