// The tour's steps for the classic create-table dialog: the user asks for a
// new table, picks a score and a setting, names it, locks it with a password
// and creates it; then asks again and cancels.
#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

#include <string.h>

#include <string>
#include <vector>

#include "demo_setup.h"
#include "tour.h"

namespace {

const UINT kCreate = LOBBYUI_MSG_CREATE_TABLE;

// Controls of the dialog a user touches.
const int kCreateButton = 213;
const int kCancelButton = 214;
const int kName = 215;
const int kPassword = 216;
const int kScoreUp = 218;
const int kSettingAUp = 220;
const int kPasswordOn = 232;
const int kDisconnectLimit = 249;
const int kGoldGapLimit = 248;

// The first table number above 100 (where passwords are allowed) that no
// table of the room uses.
unsigned FreeTable(const TourContext& c) {
    for (unsigned number = 101; number <= 200; ++number) {
        if (!c.room.Table(number)) return number;
    }
    return 0;
}

void AskForNewTable(TourContext& c) {
    tagKWP_TABLE_SET_DEFAULT defaults = DemoRoom::CreateDefaults();
    unsigned table = FreeTable(c);
    c.chosen["new-table"] = table;
    CPartyDlg_DlgInerface::ShowCTDlg(&defaults, static_cast<unsigned short>(table));
}

const LoggedMessage* Last(TourContext& c, WPARAM code) {
    const std::vector<LoggedMessage>& all = c.log.messages();
    for (auto m = all.rbegin(); m != all.rend(); ++m) {
        if (m->msg == kCreate && m->wParam == code) return &*m;
    }
    return nullptr;
}

// The request the steps above must produce, byte for byte: the server's
// defaults (score 30 at position 4, setting A 2, setting B 8, card type 0)
// with one score step up, one setting-A step up and what was typed.
std::vector<unsigned char> ExpectedRequest(TourContext& c) {
    std::vector<unsigned char> r(56, 0);
    unsigned table = static_cast<unsigned>(c.chosen["new-table"]);
    unsigned player = c.room.localPlayerId();
    memcpy(&r[0], &table, 2);
    memcpy(&r[4], &player, 4);
    memcpy(&r[8], "Demo table", 10);
    memcpy(&r[25], "1234", 4);
    r[34] = 1;
    r[36] = 50;
    r[40] = 3;
    r[41] = 8;
    r[42] = 1;
    r[44] = 20;
    unsigned gold = 3000;
    memcpy(&r[48], &gold, 4);
    return r;
}

std::string LockIs(unsigned char expected) {
    unsigned char lock = CPartyDlg_DlgInerface::GetIfPartyBtnLock();
    return lock == expected ? std::string() : "the party-button lock is " + std::to_string(lock);
}

}  // namespace

void AddClassicCreateSteps(std::vector<TourStep>& steps) {
    steps.push_back({"create-table", &AskForNewTable, Expect::Dialog, {},
                     [](TourContext&) { return LockIs(1); }});
    steps.push_back({"create-table-filled", [](TourContext& c) {
                         HWND d = c.Dialog("create-table");
                         c.Click(d, kScoreUp);
                         c.Click(d, kSettingAUp);
                         ::SetDlgItemTextA(d, kName, "");
                         c.Type(d, kName, "Demo table");
                         ::SendMessageW(::GetDlgItem(d, kPasswordOn), BM_CLICK, 0, 0);
                         c.Type(d, kPassword, "1234");
                         c.Type(d, kDisconnectLimit, "20");
                         ::SendDlgItemMessageW(d, kGoldGapLimit, CB_SETCURSEL, 2, 0);
                     }, Expect::Nothing, {}});
    steps.push_back({"table-created", [](TourContext& c) { c.Click(c.Dialog("create-table"), kCreateButton); },
                     Expect::Nothing, {{kCreate, 34}}, [](TourContext& c) {
                         const LoggedMessage* m = Last(c, 34);
                         if (!m || m->record != ExpectedRequest(c)) return std::string("the request is not the one chosen");
                         if (::IsWindowVisible(c.Dialog("create-table"))) return std::string("the dialog stays open");
                         return LockIs(0);
                     }});
    steps.push_back({"create-table-again", &AskForNewTable, Expect::Dialog, {}, [](TourContext& c) {
                         char name[32] = {0};
                         ::GetDlgItemTextA(c.Dialog("create-table-again"), kName, name, sizeof name);
                         return strcmp(name, "Demo table") == 0 ? std::string()
                                                                : std::string("the last name is not offered again");
                     }});
    steps.push_back({"create-cancelled", [](TourContext& c) { c.Click(c.Dialog("create-table-again"), kCancelButton); },
                     Expect::Nothing, {{kCreate, 37}}, [](TourContext& c) {
                         const LoggedMessage* m = Last(c, 37);
                         if (!m || m->record != std::vector<unsigned char>(4, 0)) return std::string("no zero closing block");
                         return LockIs(0);
                     }});
}
