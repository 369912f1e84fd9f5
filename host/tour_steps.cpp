// The tour's steps, one block per dialog, in the order a user meets them;
// a new dialog adds a block here.
#include <lobbyui/base_data_control.h>
#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

#include <string.h>

#include "demo_setup.h"
#include "tour.h"
#include "tour_steps_create_new.h"

// 750 players arrive in the player list and leave (tour_steps_full_room.cpp).
void AddFullRoomSteps(std::vector<TourStep>& steps);

namespace {

const UINT kJoin = LOBBYUI_MSG_JOIN_TABLE;
const UINT kPartnerSearch = LOBBYUI_MSG_PARTNER_SEARCH;
const UINT kPassword = LOBBYUI_MSG_PASSWORD;
const UINT kPlayerList = LOBBYUI_MSG_PLAYER_LIST;

// The last message msg with code (kAnyCode: any) the host received, or null.
const LoggedMessage* Last(TourContext& c, UINT msg, WPARAM code) {
    const std::vector<LoggedMessage>& all = c.log.messages();
    for (auto m = all.rbegin(); m != all.rend(); ++m) {
        if (m->msg == msg && (code == kAnyCode || m->wParam == code)) return &*m;
    }
    return nullptr;
}

uint32_t Read32(const std::vector<unsigned char>& record, size_t offset) {
    uint32_t value = 0;
    if (record.size() >= offset + 4) memcpy(&value, &record[offset], 4);
    return value;
}

// Presses button i (0 to 4) of the host's popup-menu window, as a user
// choosing item i of the menu the library put there.
void ChooseMenuItem(TourContext& c, int i) {
    HWND popup = c.lobby.popupMenu();
    c.Click(popup, 1011 + i);
}

// The library's mirror of the room against what the host fed it: every
// table byte for byte, every player's own copy, every seat's table.
std::string RoomMirrored(TourContext& c) {
    unsigned tables = 0;
    for (unsigned number = 1; number <= 200; ++number) {
        tagKWP_TABLE_LIST_DATA mirrored = CPT_MapInerface::GetTable_A_Struct(number);
        const tagKWP_TABLE_LIST_DATA* fed = c.room.Table(number);
        if (!fed) {
            if (mirrored.usTableNum) return "table " + std::to_string(number) + " was never opened";
            continue;
        }
        ++tables;
        if (memcmp(&mirrored, fed, sizeof mirrored) != 0) return "table " + std::to_string(number) + " differs";
        for (int seat = 0; seat < 3; ++seat) {
            unsigned id = fed->uiSeatPlayerID[seat];
            if (id > 100 && CPT_MapInerface::GetPlayerTableNum(id) != static_cast<int>(number)) {
                return "player " + std::to_string(id) + " is not at table " + std::to_string(number);
            }
        }
    }
    if (tables != c.room.tables().size()) return "the room has " + std::to_string(tables) + " tables";
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& fed : c.room.players()) {
        tagKWP_PLAYER_LIST_DATA_EXTRA* mirrored = nullptr;
        if (!CPT_MapInerface::GetAPlayerData(mirrored, fed.uiPlayerID) || mirrored == &fed ||
            memcmp(mirrored->acNickName, fed.acNickName, sizeof fed.acNickName) != 0 || mirrored->ucLevel != fed.ucLevel) {
            return "player " + std::to_string(fed.uiPlayerID) + " is missing or not a copy";
        }
    }
    return std::string();
}

void AddLobbySteps(std::vector<TourStep>& steps) {
    steps.push_back({"lobby", [](TourContext&) {}, Expect::Nothing, {}, &RoomMirrored});
}

// Row r of the player list, in the list control's client coordinates.
POINT PlayerRow(int r) {
    POINT p = {60, 43 * r + 20};
    return p;
}

HWND PlayerListBox(TourContext& c) { return TourContext::FindChild(c.Dialog("player-list"), L"ListBox"); }

// The list's rows after the local player's, by level from the highest:
// what choosing "依等级排序" in the host's popup-menu window must lead to.
std::string LevelsDescend(HWND list, unsigned localPlayer) {
    LRESULT count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
    if (count < 2) return "the player list is empty";
    const tagKWP_PLAYER_LIST_DATA_EXTRA* first = reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(
        ::SendMessageW(list, LB_GETITEMDATA, 0, 0));
    if (!first || first->uiPlayerID != localPlayer) return "the local player is not on top";
    int previous = 256;
    for (LRESULT i = 1; i < count; ++i) {
        const tagKWP_PLAYER_LIST_DATA_EXTRA* player = reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(
            ::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0));
        if (!player) return "a row without a player";
        if (player->ucLevel > previous) return "row " + std::to_string(i) + " breaks the order by level";
        previous = player->ucLevel;
    }
    return std::string();
}

// The player of visible row r of the list.
const tagKWP_PLAYER_LIST_DATA_EXTRA* RowPlayer(TourContext& c, int r) {
    HWND list = PlayerListBox(c);
    LRESULT top = ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    LRESULT data = ::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(top + r), 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(data);
}

// An open table other than skip with exactly one player, or 0.
unsigned TableWithOnePlayer(unsigned skip) {
    for (unsigned number = 1; number <= 200; ++number) {
        tagKWP_TABLE_LIST_DATA t = CPT_MapInerface::GetTable_A_Struct(number);
        int seated = (t.uiSeatPlayerID[0] != 0) + (t.uiSeatPlayerID[1] != 0) + (t.uiSeatPlayerID[2] != 0);
        if (t.usTableNum && number != skip && !t.bHavePassword && seated == 1) return number;
    }
    return 0;
}

// The first visible row of a player who sits at no table (the list's item
// data are the record pointers the host handed in), or row 1.
int StandingPlayerRow(TourContext& c) {
    HWND list = PlayerListBox(c);
    LRESULT top = ::SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    for (LRESULT i = top; i < top + 10; ++i) {
        LRESULT data = ::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0);
        if (data == LB_ERR || !data) break;
        const tagKWP_PLAYER_LIST_DATA_EXTRA* player = reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(data);
        if (player->uiPlayerID != c.room.localPlayerId() && !CPT_MapInerface::GetPlayerTableNum(player->uiPlayerID)) {
            return static_cast<int>(i - top);
        }
    }
    return 1;
}

void AddPlayerListSteps(std::vector<TourStep>& steps) {
    steps.push_back({"player-list", [](TourContext& c) { c.session.ShowPlayerList(); }, Expect::Dialog, {}});
    steps.push_back({"sort-menu", [](TourContext& c) { c.Click(c.Dialog("player-list"), 230); }, Expect::Window, {}});
    // The sort menu lists nickname, level, beans, table, friends, member.
    steps.push_back({"sorted-by-level", [](TourContext& c) { ChooseMenuItem(c, 1); }, Expect::Nothing, {},
                     [](TourContext& c) { return LevelsDescend(PlayerListBox(c), c.room.localPlayerId()); }});
    steps.push_back({"player-menu", [](TourContext& c) {
                         POINT row = PlayerRow(3);
                         c.RightClick(PlayerListBox(c), row.x, row.y);
                     }, Expect::Window, {}});
    steps.push_back({"query-player-record", [](TourContext& c) { ChooseMenuItem(c, 0); }, Expect::Nothing,
                     {{kPlayerList, 33}}, [](TourContext& c) {
                         const tagKWP_PLAYER_LIST_DATA_EXTRA* clicked = RowPlayer(c, 3);
                         const LoggedMessage* m = Last(c, kPlayerList, 33);
                         if (!clicked || !m || m->record.size() != 24) return std::string("no query block");
                         if (Read32(m->record, 0) != clicked->uiPlayerID || m->record[4] != 1 ||
                             memcmp(&m->record[8], clicked->acNickName, 15) != 0) {
                             return std::string("the query block does not name the clicked player");
                         }
                         return std::string();
                     }});
    // The local player sits at a table: a standing player can be invited.
    steps.push_back({"invite-menu", [](TourContext& c) {
                         POINT row = PlayerRow(StandingPlayerRow(c));
                         c.RightClick(PlayerListBox(c), row.x, row.y);
                     }, Expect::Window, {}});
    steps.push_back({"invitation-sent", [](TourContext& c) { ChooseMenuItem(c, 1); }, Expect::Nothing,
                     {{kPlayerList, 58}}, [](TourContext& c) {
                         const tagKWP_PLAYER_LIST_DATA_EXTRA* invited = RowPlayer(c, StandingPlayerRow(c));
                         const LoggedMessage* m = Last(c, kPlayerList, 58);
                         if (!invited || !m || m->record.size() != 12) return std::string("no invitation block");
                         if ((Read32(m->record, 0) & 0xFFFF) != c.room.localTable() ||
                             Read32(m->record, 4) != c.room.localPlayerId() || Read32(m->record, 8) != invited->uiPlayerID) {
                             return std::string("the invitation block names the wrong table or players");
                         }
                         return std::string();
                     }});
    steps.push_back({"befriended", [](TourContext& c) {
                         POINT row = PlayerRow(StandingPlayerRow(c));
                         c.RightClick(PlayerListBox(c), row.x, row.y);
                         ChooseMenuItem(c, 3);
                     }, Expect::Nothing, {{kPlayerList, 2}}});
    // The server reports the local player's new beans and level.
    steps.push_back({"fresh-beans", [](TourContext& c) {
                         tagKWP_MERIT_DETAIL merit = {};
                         merit.ucLevel = 13;
                         tagKWP_PLAYER_ALL_VIEW view = {};
                         view.uiPlayerID = c.room.localPlayerId();
                         view.iBeans = 123456;
                         CPartyDlg_DlgInerface::SetData1(&merit);
                         CPartyDlg_DlgInerface::SetData2(&view);
                         CPartyDlg_DlgInerface::GoToUpData();
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         tagKWP_PLAYER_LIST_DATA_EXTRA* local = nullptr;
                         if (!CPT_MapInerface::GetAPlayerData(local, c.room.localPlayerId())) return std::string("no local player");
                         if (local->iBeans != 123456 || local->ucLevel != 13) return std::string("the local row kept its old values");
                         return std::string();
                     }});
    // A standing player sits down: the server's seat change and the player's
    // table reach the library, and the row shows the new table number.
    steps.push_back({"player-sits-down", [](TourContext& c) {
                         const tagKWP_PLAYER_LIST_DATA_EXTRA* player = RowPlayer(c, StandingPlayerRow(c));
                         unsigned table = TableWithOnePlayer(c.room.localTable());
                         if (!player || !table) return;
                         tagKWP_TABLE_LIST_DATA now = CPT_MapInerface::GetTable_A_Struct(table);
                         tagKWP_SERVER_TABLE_STATUS_CHANGE change = {};
                         change.usTableNum = static_cast<unsigned short>(table);
                         for (int seat = 0; seat < 3; ++seat) {
                             change.uiPlayerID[seat] = now.uiSeatPlayerID[seat];
                             change.ucState[seat] = now.ucSeatState[seat];
                         }
                         int free = !now.uiSeatPlayerID[0] ? 0 : !now.uiSeatPlayerID[1] ? 1 : 2;
                         change.uiPlayerID[free] = player->uiPlayerID;
                         change.ucState[free] = 1;
                         CPT_MapInerface::PlayerAddAndLeave(&change);
                         CPT_MapInerface::AddPlayerToTable(player->uiPlayerID, table);
                         CPartyDlg_DlgInerface::RedrawPlayerLB(0);
                         c.chosen["player"] = player->uiPlayerID;
                         c.chosen["table"] = table;
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         unsigned id = static_cast<unsigned>(c.chosen["player"]), table = static_cast<unsigned>(c.chosen["table"]);
                         tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
                         if (!id || !CPT_MapInerface::GetAPlayerData(player, id)) return std::string("nobody to sit down");
                         if (CPT_MapInerface::GetPlayerTableNum(id) != static_cast<int>(table)) return std::string("the seat was not taken");
                         // The row keeps the table number it drew last in the record.
                         if (player->ucTableCache != table) return std::string("the row still shows the old table");
                         return std::string();
                     }});
    // A player leaves the room: the row goes first, then the record.
    steps.push_back({"player-leaves", [](TourContext& c) {
                         const tagKWP_PLAYER_LIST_DATA_EXTRA* player = RowPlayer(c, StandingPlayerRow(c));
                         if (!player) return;
                         unsigned id = player->uiPlayerID;
                         c.chosen["rows"] = static_cast<uintptr_t>(::SendMessageW(PlayerListBox(c), LB_GETCOUNT, 0, 0));
                         c.chosen["record"] = reinterpret_cast<uintptr_t>(player);
                         CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(id));
                         CPT_MapInerface::RemovePlayerFromTable(id);
                         CPT_MapInerface::RemovePlayerFromMap(id);
                     }, Expect::Nothing, {}, [](TourContext& c) {
                         HWND list = PlayerListBox(c);
                         LRESULT rows = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
                         if (!c.chosen["record"] || rows != static_cast<LRESULT>(c.chosen["rows"]) - 1) {
                             return std::string("the list did not lose a row");
                         }
                         for (LRESULT i = 0; i < rows; ++i) {
                             if (static_cast<uintptr_t>(::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == c.chosen["record"]) {
                                 return std::string("the row of the player who left is still there");
                             }
                         }
                         return std::string();
                     }});
}

void ShowTable(unsigned number, unsigned char join) {
    tagKWP_TABLE_LIST_DATA table = CPT_MapInerface::GetTable_A_Struct(number);
    CPartyDlg_DlgInerface::ShowJTDlg(JTAT_JOIN, &table);
    CPartyDlg_DlgInerface::SetJTBtnStatus(join, 1, 1);
}

// What a host polls while the join-table dialog shows a table (number)
// or after it closed (0): the focus table and the party-button lock.
std::string ShowsTable(unsigned number) {
    unsigned focus = CPartyDlg_DlgInerface::GetJTFocusTableIndx();
    unsigned lock = CPartyDlg_DlgInerface::GetIfPartyBtnLock();
    if (focus != number) return "the focus table is " + std::to_string(focus) + ", not " + std::to_string(number);
    if (lock != (number ? 1u : 0u)) return "the party-button lock is " + std::to_string(lock);
    return std::string();
}

void AddJoinTableSteps(std::vector<TourStep>& steps) {
    steps.push_back({"table-message", [](TourContext& c) {
                         tagKWP_TABLE_LIST_DATA table = CPT_MapInerface::GetTable_A_Struct(c.room.FullTable());
                         CPartyDlg_DlgInerface::ShowJTDlg(JTAT_MESSAGE, &table);
                     }, Expect::Dialog, {}});
    steps.push_back({"message-closed", [](TourContext& c) { c.Click(c.Dialog("table-message"), 228); },
                     Expect::Nothing, {{kJoin, 1324}}});
    steps.push_back({"join-full-table", [](TourContext& c) { ShowTable(c.room.FullTable(), 0); }, Expect::Dialog, {},
                     [](TourContext& c) { return ShowsTable(c.room.FullTable()); }});
    steps.push_back({"find-partner-panel", [](TourContext& c) { c.Click(c.Dialog("join-full-table"), 252); },
                     Expect::Dialog, {}});
    steps.push_back({"partner-search", [](TourContext& c) { c.Click(c.Dialog("join-full-table"), 225); },
                     Expect::Nothing, {{kPartnerSearch, 1}}});
    steps.push_back({"join-closed", [](TourContext& c) { c.Click(c.Dialog("join-full-table"), 228); }, Expect::Nothing,
                     {{kJoin, 1324}}, [](TourContext&) { return ShowsTable(0); }});
    // In a score lobby the seats show scores instead of beans.
    steps.push_back({"join-open-table", [](TourContext& c) {
                         CPartyDlg_DlgInerface::SetJNScoreLooby(false);
                         ShowTable(c.room.OpenTableWithSeats(), 1);
                     }, Expect::Dialog, {}});
    steps.push_back({"joined", [](TourContext& c) {
                         c.Click(c.Dialog("join-open-table"), 227);
                         CPartyDlg_DlgInerface::SetJNScoreLooby(true);
                     }, Expect::Nothing, {{kJoin, 35}}, [](TourContext& c) {
                         const LoggedMessage* m = Last(c, kJoin, 35);
                         if (!m || static_cast<unsigned>(m->lParam) != c.room.OpenTableWithSeats()) {
                             return std::string("the join names another table");
                         }
                         return ShowsTable(0);
                     }});
}

void AddPasswordSteps(std::vector<TourStep>& steps) {
    steps.push_back({"join-locked-table", [](TourContext& c) { ShowTable(c.room.PasswordTable(), 1); },
                     Expect::Dialog, {}});
    // Joining a locked table asks for the password instead of joining.
    steps.push_back({"password-dialog", [](TourContext& c) { c.Click(c.Dialog("join-locked-table"), 227); },
                     Expect::Dialog, {}});
    steps.push_back({"password-typed", [](TourContext& c) { c.Type(c.Dialog("password-dialog"), 215, "8888"); },
                     Expect::Nothing, {}});
    steps.push_back({"password-sent", [](TourContext& c) { c.Click(c.Dialog("password-dialog"), 217); },
                     Expect::Nothing, {{kPassword, kAnyCode}}, [](TourContext& c) {
                         const LoggedMessage* m = Last(c, kPassword, kAnyCode);
                         const unsigned char typed[] = "8888";
                         if (!m || m->wParam != c.room.PasswordTable()) return std::string("the password names another table");
                         if (m->record != std::vector<unsigned char>(typed, typed + sizeof typed)) {
                             return std::string("the password sent is not the one typed");
                         }
                         return CPartyDlg_DlgInerface::GetIfPartyBtnLock() ? std::string("the party buttons stay locked")
                                                                           : std::string();
                     }});
}

}  // namespace

void AddClassicCreateSteps(std::vector<TourStep>& steps);  // tour_steps_create.cpp
// The player information dialogs' steps (tour_steps_info.cpp).
void AddPlayerInfoSteps(std::vector<TourStep>& steps);
void AddSettingsSteps(std::vector<TourStep>& steps);  // tour_steps_settings.cpp

std::vector<TourStep> TourSteps() {
    std::vector<TourStep> steps;
    AddLobbySteps(steps);
    AddPlayerListSteps(steps);
    AddFullRoomSteps(steps);
    AddJoinTableSteps(steps);
    AddPasswordSteps(steps);
    AddClassicCreateSteps(steps);
    AddPlayerInfoSteps(steps);
    AddSettingsSteps(steps);
    AddNewCreateSteps(steps);
    return steps;
}
