// The new create-table dialog in the tour: a user opens it, steps the score
// and the two settings, names the table, turns add-multiple off and on again
// (the server's record lets the user choose), and creates the table. The
// host then checks the request and the remembered .\Default.sav, opens the
// dialog a second time to find the same choices, hides it for a while as a
// host does when it has to, and brings it back.
#include "tour_steps_create_new.h"

#include <stdio.h>
#include <string.h>

#include <string>

#include <lobbyui/base_data_control.h>
#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

namespace {

const UINT kCreate = LOBBYUI_MSG_CREATE_TABLE;
// Controls of the dialog a user presses.
const int kCreateButton = 47788;
const int kName = 47785;
const int kScoreUp = 47800;
const int kSettingAUp = 47802;
const int kSettingBUp = 47804;
const int kAddMultiple = 47815;

// Where the choices lead from the demo's defaults with no Default.sav: the
// first allowed score (1) two steps up, setting A 2 and B 8 one step up.
const unsigned kChosenScore = 3;
const unsigned kChosenSettingA = 3;
const unsigned kChosenSettingB = 12;
const char kSavedBytes[] = "3\r\r\n3\r\r\n12";

// The server lets the user choose add-multiple (neither fixed on nor off).
tagKWP_TABLE_SET_DEFAULT Defaults() {
    tagKWP_TABLE_SET_DEFAULT d = DemoRoom::CreateDefaults();
    d.ucAddMultipleFixed = 2;
    return d;
}

// A table number no table of the room has yet, above 100 so that a
// password may be set.
unsigned FreeTable(TourContext& c) {
    for (unsigned n = 101; n <= 200; ++n) {
        if (!c.room.Table(n)) return n;
    }
    return 200;
}

std::string TypedName() { return Gbk("快乐牌局"); }

const LoggedMessage* LastRequest(TourContext& c) {
    const std::vector<LoggedMessage>& all = c.log.messages();
    for (auto m = all.rbegin(); m != all.rend(); ++m) {
        if (m->msg == kCreate && m->wParam == 34) return &*m;
    }
    return nullptr;
}

std::string SavedFile() {
    std::string bytes;
    FILE* f = fopen("Default.sav", "rb");
    if (!f) return "<missing>";
    char buffer[64];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

// The request the host received against what the user chose.
std::string RequestAsChosen(TourContext& c) {
    const LoggedMessage* m = LastRequest(c);
    if (!m || m->record.size() != sizeof(tagKWP_CREATE_TABLE_REQ)) return "no create request";
    tagKWP_CREATE_TABLE_REQ r;
    memcpy(&r, m->record.data(), sizeof r);
    if (r.usTableNum != FreeTable(c) || r.uiGameID != c.room.localPlayerId()) return "the request names another table or player";
    if (TypedName() != r.acTableName) return "the request carries another name";
    if (r.uiScore != kChosenScore || r.ucSettingA != kChosenSettingA || r.ucSettingB != kChosenSettingB) {
        return "the request carries score " + std::to_string(r.uiScore) + ", settings " + std::to_string(r.ucSettingA) +
               " and " + std::to_string(r.ucSettingB);
    }
    if (r.ucAddMultiple != 1 || !CPartyDlg_DlgInerface::GetIsAddMult()) return "add-multiple was lost";
    if (r.ucHavePassword || r.ucMaxDisconnectPercent || r.uiGoldGapLimit || r.ucLevelGapLimit || r.ucSpecialRuleOn) {
        return "the request sets what the dialog does not offer";
    }
    if (SavedFile() != std::string(kSavedBytes)) return "Default.sav does not hold the choices";
    if (CPartyDlg_DlgInerface::GetIfPartyBtnLock() || CPartyDlg_DlgInerface::GetIsCreateLock()) return "the locks stay up";
    if (CPartyDlg_DlgInerface::IsWindowVisibleCT()) return "the dialog stays open";
    return std::string();
}

void Open(TourContext& c) {
    tagKWP_TABLE_SET_DEFAULT d = Defaults();
    CPartyDlg_DlgInerface::ShowCTDlgNew(&d, static_cast<unsigned short>(FreeTable(c)));
}

std::string NameShown(TourContext& c, const char* step) {
    char shown[32] = {0};
    ::GetDlgItemTextA(c.Dialog(step), kName, shown, sizeof shown);
    return TypedName() == shown ? std::string() : std::string("the dialog does not show the name typed last");
}

}  // namespace

void AddNewCreateSteps(std::vector<TourStep>& steps) {
    steps.push_back({"new-create-table", [](TourContext& c) {
                         // A first run on this machine: nothing remembered yet.
                         ::DeleteFileA("Default.sav");
                         Open(c);
                     }, Expect::Dialog, {}, [](TourContext&) {
                         if (!CPartyDlg_DlgInerface::GetIfPartyBtnLock() || !CPartyDlg_DlgInerface::GetIsCreateLock()) {
                             return std::string("the party-button and create locks are not up");
                         }
                         return std::string();
                     }});
    steps.push_back({"new-create-choices", [](TourContext& c) {
                         HWND d = c.Dialog("new-create-table");
                         ::SetDlgItemTextA(d, kName, TypedName().c_str());
                         c.Click(d, kScoreUp);
                         c.Click(d, kScoreUp);
                         c.Click(d, kSettingAUp);
                         c.Click(d, kSettingBUp);
                         c.Click(d, kAddMultiple);
                         c.Click(d, kAddMultiple);
                     }, Expect::Nothing, {}});
    steps.push_back({"new-create-sent", [](TourContext& c) { c.Click(c.Dialog("new-create-table"), kCreateButton); },
                     Expect::Nothing, {{kCreate, 34}}, &RequestAsChosen});
    steps.push_back({"new-create-remembered", [](TourContext& c) { Open(c); }, Expect::Dialog, {},
                     [](TourContext& c) { return NameShown(c, "new-create-remembered"); }});
    // The host has to put its own window first for a while.
    steps.push_back({"new-create-hidden-by-host", [](TourContext&) {
                         CPartyDlg_DlgInerface::SetIfLockCTDlgNew(1);
                         CPartyDlg_DlgInerface::HideAltMCTDlg(false);
                     }, Expect::Nothing, {}, [](TourContext&) {
                         if (CPartyDlg_DlgInerface::IsWindowVisibleCT()) return std::string("the dialog is still shown");
                         if (!CPartyDlg_DlgInerface::GetIsCreateLock()) return std::string("the creation was dropped");
                         return std::string();
                     }});
    steps.push_back({"new-create-back", [](TourContext&) { CPartyDlg_DlgInerface::HideAltMCTDlg(true); },
                     Expect::Dialog, {}, [](TourContext& c) { return NameShown(c, "new-create-remembered"); }});
    steps.push_back({"new-create-sent-again", [](TourContext& c) {
                         c.Click(c.Dialog("new-create-remembered"), kCreateButton);
                     }, Expect::Nothing, {{kCreate, 34}}, &RequestAsChosen});
}
