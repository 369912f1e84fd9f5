#include "create/table_create_dialog.h"

#include <string.h>

#include <lobbyui/base_data_control.h>
#include <lobbyui/party_dialogs.h>

#include "create/table_create_new_rules.h"
#include "create/word_filter.h"
#include "frame/dialog_singleton.h"
#include "frame/way_out.h"
#include "info/csv_text.h"
#include "res/create_classic_ids.h"
#include "support/digit_pictures.h"
#include "support/html_trace.h"
#include "support/lobby_sound.h"
#include "support/safe_format.h"
#include "support/table_text.h"
#include "support/texts_big5.h"
#include "support/texts_gbk.h"
#include "support/window_placement.h"

namespace {

// What the requests sent carried: the host may read one until the next show.
SentRecords<tagKWP_CREATE_TABLE_REQ>& SentRequests() {
    static SentRecords<tagKWP_CREATE_TABLE_REQ> sent;
    return sent;
}

struct ControlPlace {
    UINT id;
    CRect rect;
};

// Where every control goes on each show: the pixels the skin's pictures are
// drawn for.
const ControlPlace kPlacement[] = {
    {IDC_TC_NAME, CRect(95, 35, 220, 57)},
    {IDC_TC_PASSWORD_ON, CRect(95, 65, 120, 83)},
    {IDC_TC_PASSWORD, CRect(120, 65, 219, 87)},
    {IDC_TC_SCORE_DOWN, CRect(80, 98, 104, 127)},
    {IDC_TC_SCORE_UP, CRect(166, 98, 190, 127)},
    {IDC_TC_SETTING_A_DOWN, CRect(80, 128, 104, 157)},
    {IDC_TC_SETTING_A_UP, CRect(166, 128, 190, 157)},
    {IDC_TC_SETTING_B_DOWN, CRect(80, 158, 104, 187)},
    {IDC_TC_SETTING_B_UP, CRect(166, 158, 190, 187)},
    {IDC_TC_CARD_TYPE_0, CRect(35, 211, 60, 229)},
    {IDC_TC_CARD_TYPE_1, CRect(35, 229, 60, 247)},
    {IDC_TC_CARD_TYPE_2, CRect(35, 247, 60, 265)},
    {IDC_TC_DISCONNECT, CRect(105, 265, 130, 283)},
    {IDC_TC_GOLD_GAP, CRect(105, 275, 160, 293)},
    {IDC_TC_LEVEL_GAP, CRect(105, 295, 130, 313)},
    {IDC_TC_SPECIAL_RULE, CRect(110, 355, 135, 373)},
    {IDC_TC_CREATE, CRect(20, 390, 102, 418)},
    {IDC_TC_CANCEL, CRect(125, 390, 207, 418)},
};

const UINT kCardTypeBoxes[3] = {IDC_TC_CARD_TYPE_0, IDC_TC_CARD_TYPE_1, IDC_TC_CARD_TYPE_2};
const char* const kGoldGaps[] = {"1000", "2000", "3000", "4000", "5000"};

// Room below the coin-gap list for its five entries when it drops down.
const int kGoldGapListHeight = 100;

const CRect kScoreArea(110, 104, 162, 119);
const CRect kSettingAArea(123, 135, 147, 150);
const CRect kSettingBArea(123, 166, 147, 181);

// Handed in by the host while the dialog exists; nothing reads it.
int g_iSpecialValue = 0;

// Controls without an id read back as -1 or, from a 16-bit id field, 0xFFFF.
bool IsLabel(HWND control) {
    const int id = ::GetDlgCtrlID(control);
    return id == -1 || id == 0xFFFF;
}

// A drop-down list's closed height is its selection field's, whatever height
// it is moved to; the field is fitted so that the closed list fills its place.
// Wine answers the field's height with a margin it does not take back when
// the height is set, so the fit corrects what it measures, a few rounds at most.
void FitClosedHeight(HWND list, int height) {
    LRESULT field = ::SendMessageA(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field == CB_ERR) return;
    for (int round = 0; round < 3; ++round) {
        RECT now = {0, 0, 0, 0};
        ::GetWindowRect(list, &now);
        const LRESULT excess = (now.bottom - now.top) - height;
        if (excess == 0 || field - excess < 1) return;
        field -= excess;
        ::SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    }
}

}  // namespace

CTableCreate::CTableCreate() : CDragDialog(IDD_TABLE_CREATE, nullptr) {}

CTableCreate::~CTableCreate() {
    // Calls nested in the destruction's activation messages find it gone.
    EndLife();
    DestroyWindow();
}

BOOL CTableCreate::OnInitDialog() {
    Skin::ApplyWindowSkin(m_hWnd, "CreateTable");
    m_groupDigits.Open("Table_Num");
    m_groupSettingDigits.Open("SetNum");
    m_groupRule.Open("TCSpecRule");
    m_groupCoin.Open("CTDLG_CoinName");

    HWND gold = GetDlgItem(IDC_TC_GOLD_GAP);
    for (const char* gap : kGoldGaps) ::SendMessageA(gold, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(gap));
    ::SendDlgItemMessageA(m_hWnd, IDC_TC_NAME, EM_LIMITTEXT, 16, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_TC_PASSWORD, EM_LIMITTEXT, 8, 0);

    SetWindowText(kGbkClassicCreateCaption);
    ::SetDlgItemTextA(m_hWnd, IDC_TC_CREATE, kGbkClassicCreateButton);
    ::SetDlgItemTextA(m_hWnd, IDC_TC_CANCEL, kGbkCancelButton);
    SetTimer(kTimeoutTimer, 1000);
    return TRUE;
}

void CTableCreate::OnDestroy() {
    KillTimer(kTimeoutTimer);
    m_groupDigits.Close();
    m_groupSettingDigits.Close();
    m_groupRule.Close();
    m_groupCoin.Close();
    m_iTimeoutCounter = -1;
    // Destroyed while shown, with its parent or by the host: the lock it
    // raised goes with it, unreported.
    if (m_outcome.Take()) CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
}

void CTableCreate::ShowFor(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum) {
    // A window that went with its parent cannot show; it must not hold the lock either.
    if (!m_hWnd) return;
    // All of the show's state comes before the window shows: the activation
    // lets the host in, and a close from there must find a show to end.
    m_outcome.Begin();
    SentRequests().NewShow();
    m_iTimeoutCounter = 1;
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
    Place();
    Fill(record, tableNum);
    ShowWindowSurvives(SW_SHOW);
}

void CTableCreate::HideByHost() { Close(); }

void CTableCreate::Abandon() {
    m_iTimeoutCounter = -1;
    if (m_outcome.Take()) CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
}

void CTableCreate::SetPremiumCoin(bool premium) {
    m_bPremiumCoin = premium;
    if (m_hWnd && IsWindowVisible()) Invalidate(TRUE);
}

void CTableCreate::Place() {
    SizeClientAndCentre(m_hWnd, ::GetParent(m_hWnd), kClientWidth, kClientHeight);
    for (const ControlPlace& place : kPlacement) {
        CWnd control(GetDlgItem(static_cast<int>(place.id)));
        CRect rect = place.rect;
        // A drop-down list's window height is its closed field plus the list
        // below it: at the field's height alone the list would have no room to open.
        if (place.id == IDC_TC_GOLD_GAP) rect.bottom += kGoldGapListHeight;
        control.MoveWindow(rect);
        if (place.id == IDC_TC_GOLD_GAP) FitClosedHeight(control, place.rect.Height());
        control.ShowWindow(SW_SHOW);
    }
}

void CTableCreate::Fill(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum) {
    char remembered[17];
    m_form.Show(record, tableNum, remembered);
    Trace("%s", kGbkServerSpecialCardsTrace);
    const tagKWP_TABLE_SET_DEFAULT& defaults = m_form.Defaults();

    ::SetDlgItemTextA(m_hWnd, IDC_TC_NAME, remembered);
    CWnd password(GetDlgItem(IDC_TC_PASSWORD));
    password.SetWindowText("");
    password.EnableWindow(FALSE);
    CWnd passwordOn(GetDlgItem(IDC_TC_PASSWORD_ON));
    passwordOn.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    ::CheckDlgButton(m_hWnd, IDC_TC_SPECIAL_RULE, defaults.ucSpecialRuleOn ? BST_CHECKED : BST_UNCHECKED);

    // Tables up to 100 are open to everyone: no password there.
    if (!TableTakesPassword(tableNum)) {
        passwordOn.EnableWindow(FALSE);
        password.SetWindowText(SystemUsesTraditionalChinese() ? kBig5NoPasswordUnder100 : kGbkNoPasswordUnder100);
    } else {
        passwordOn.EnableWindow(TRUE);
    }

    for (int bit = 0; bit < 3; ++bit) {
        CWnd box(GetDlgItem(static_cast<int>(kCardTypeBoxes[bit])));
        box.SendMessage(BM_SETCHECK, (defaults.ucSpecialCardTypes >> bit) & 1 ? BST_CHECKED : BST_UNCHECKED);
        box.EnableWindow(CardTypeBoxEnabled(defaults.ucSpecialCardTypesEnabled, bit));
    }
    Invalidate(TRUE);
}

bool CTableCreate::Checked(UINT id) const {
    return ::IsDlgButtonChecked(m_hWnd, static_cast<int>(id)) == BST_CHECKED;
}

void CTableCreate::ReadText(UINT id, char* text, int size) const {
    text[0] = '\0';
    ::GetDlgItemTextA(m_hWnd, static_cast<int>(id), text, size);
    text[size - 1] = '\0';
}

void CTableCreate::ChosenName(char (&name)[17]) const {
    // Read wider than the field, so that a name the host put in beyond the
    // edit's limit is cut on a character boundary rather than mid-character.
    char typed[64];
    ReadText(IDC_TC_NAME, typed, sizeof typed);
    memset(name, 0, sizeof name);
    CopyToSlot(name, sizeof name, typed);
    if (!name[0]) {
        LoadName(26, name);
    } else if (TableNameHasForbiddenWord(name)) {
        LoadName(27, name);
    }
    name[sizeof name - 1] = '\0';
}

void CTableCreate::Confirm() {
    PlayLobbySound(kSoundClick);
    // One outcome per show: a create pressed again inside the host's
    // handler, or on a dialog the host showed by itself, reports nothing.
    if (!m_outcome.Owed()) {
        EndShow(LOBBYUI_CREATE_TABLE_REQUEST);
        return;
    }
    char name[17];
    ChosenName(name);
    char password[64];
    ReadText(IDC_TC_PASSWORD, password, sizeof password);
    char disconnect[32], gold[32], level[32];
    ReadText(IDC_TC_DISCONNECT, disconnect, sizeof disconnect);
    ReadText(IDC_TC_GOLD_GAP, gold, sizeof gold);
    ReadText(IDC_TC_LEVEL_GAP, level, sizeof level);

    ClassicConfirmInput input;
    input.gameId = CBaseDataControl::GetGameID();
    input.name = name;
    input.passwordOn = Checked(IDC_TC_PASSWORD_ON);
    input.password = password;
    input.cardTypes = 0;
    for (int bit = 0; bit < 3; ++bit) {
        if (Checked(kCardTypeBoxes[bit])) input.cardTypes = static_cast<unsigned char>(input.cardTypes | (1u << bit));
    }
    input.specialRuleOn = Checked(IDC_TC_SPECIAL_RULE);
    input.disconnectPercentText = disconnect;
    input.goldGapText = gold;
    input.levelGapText = level;
    m_form.Confirm(input);
    EndShow(LOBBYUI_CREATE_TABLE_REQUEST);
}

void CTableCreate::Close() {
    if (!m_hWnd || !IsWindowVisible()) {
        m_iTimeoutCounter = -1;
        return;
    }
    EndShow(LOBBYUI_CREATE_TABLE_CLOSED);
}

void CTableCreate::EndShow(WPARAM code) {
    const bool owed = m_outcome.Take();
    m_iTimeoutCounter = -1;
    if (!owed) {
        ShowWindow(SW_HIDE);
        return;
    }
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
    // The report goes from copies: the hide lets the host in, and it may
    // destroy, re-create or show the dialog again there.
    SentRecords<tagKWP_CREATE_TABLE_REQ>::Sending request(SentRequests(), m_form.Request());
    const unsigned char closed[4] = {0, 0, 0, 0};
    const HWND host = ::GetParent(m_hWnd);
    ShowWindow(SW_HIDE);
    if (!host) return;
    const void* record = code == LOBBYUI_CREATE_TABLE_REQUEST ? static_cast<const void*>(request.Carried()) : closed;
    ::SendMessageA(host, LOBBYUI_MSG_CREATE_TABLE, code, reinterpret_cast<LPARAM>(record));
}

void CTableCreate::AfterStep(bool stepped, const CRect& area) {
    if (!stepped) {
        PlayLobbySound(kSoundRefusedStep);
        return;
    }
    PlayLobbySound(kSoundClick);
    RECT r = CWnd::ToRECT(area);
    ::InvalidateRect(m_hWnd, &r, TRUE);
}

void CTableCreate::ToggleCardType(UINT id) {
    ::CheckDlgButton(m_hWnd, static_cast<int>(id), Checked(id) ? BST_UNCHECKED : BST_CHECKED);
    PlayLobbySound(kSoundClick);
}

BOOL CTableCreate::OnCommand(UINT id, UINT notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED) return CDragDialog::OnCommand(id, notifyCode, control);
    switch (id) {
    case IDC_TC_CREATE: Confirm(); return TRUE;
    case IDC_TC_CANCEL:
        PlayLobbySound(kSoundClick);
        Close();
        return TRUE;
    case IDC_TC_SCORE_DOWN: AfterStep(m_form.StepScore(false), kScoreArea); return TRUE;
    case IDC_TC_SCORE_UP: AfterStep(m_form.StepScore(true), kScoreArea); return TRUE;
    case IDC_TC_SETTING_A_DOWN: AfterStep(m_form.StepSettingA(false), kSettingAArea); return TRUE;
    case IDC_TC_SETTING_A_UP: AfterStep(m_form.StepSettingA(true), kSettingAArea); return TRUE;
    case IDC_TC_SETTING_B_DOWN: AfterStep(m_form.StepSettingB(false), kSettingBArea); return TRUE;
    case IDC_TC_SETTING_B_UP: AfterStep(m_form.StepSettingB(true), kSettingBArea); return TRUE;
    case IDC_TC_PASSWORD_ON:
        PlayLobbySound(kSoundClick);
        ::EnableWindow(GetDlgItem(IDC_TC_PASSWORD), Checked(IDC_TC_PASSWORD_ON));
        return TRUE;
    case IDC_TC_CARD_TYPE_0:
    case IDC_TC_CARD_TYPE_1:
    case IDC_TC_CARD_TYPE_2: ToggleCardType(id); return TRUE;
    case IDC_TC_SPECIAL_RULE: PlayLobbySound(kSoundClick); return TRUE;
    default: return CDragDialog::OnCommand(id, notifyCode, control);
    }
}

void CTableCreate::OnOK() { Close(); }

void CTableCreate::OnCancel() { Close(); }

BOOL CTableCreate::OnTimer(UINT_PTR id) {
    // Only the dialog's own one-second timer counts toward the time-out.
    if (id != kTimeoutTimer) return FALSE;
    if (ClassicTimeoutTick(m_iTimeoutCounter, m_hWnd && IsWindowVisible())) Close();
    return TRUE;
}

INT_PTR CTableCreate::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    // The limits' labels (the template's only controls without an id) sit
    // on the skin's picture, not on a box of their own.
    if (msg == WM_CTLCOLORSTATIC && IsLabel(reinterpret_cast<HWND>(l))) {
        ::SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
    }
    return CDragDialog::DialogProc(msg, w, l);
}

void CTableCreate::Paint(CDC& dc) {
    const tagKWP_CREATE_TABLE_REQ& request = m_form.Request();
    int digits[4];
    LastDigits(request.usTableNum, 3, digits);
    for (int i = 0; i < 3; ++i) m_groupDigits.Draw(DigitPictureName(DigitNames::kTableNum, digits[i]), dc, CRect(78 + 20 * i, 0, 97 + 20 * i, 27));

    LastDigits(request.uiScore, 4, digits);
    for (int i = 0; i < 4; ++i) {
        m_groupSettingDigits.Draw(DigitPictureName(DigitNames::kTableNum, digits[i]), dc, CRect(110 + 13 * i, 104, 123 + 13 * i, 119));
    }
    m_groupCoin.Draw(m_bPremiumCoin ? "Yu_Coin" : "Game_Coin", dc, CRect(192, 102, 210, 121));

    LastDigits(request.ucSettingA, 2, digits);
    m_groupSettingDigits.Draw(DigitPictureName(DigitNames::kTableNum, digits[0]), dc, CRect(123, 135, 136, 150));
    m_groupSettingDigits.Draw(DigitPictureName(DigitNames::kTableNum, digits[1]), dc, CRect(136, 135, 149, 150));
    LastDigits(request.ucSettingB, 2, digits);
    m_groupSettingDigits.Draw(DigitPictureName(DigitNames::kTableNum, digits[0]), dc, CRect(123, 166, 136, 181));
    m_groupSettingDigits.Draw(DigitPictureName(DigitNames::kTableNum, digits[1]), dc, CRect(136, 166, 149, 181));

    m_groupRule.Draw("Pic1", dc, CRect(75, 358, 221, 376));
}

namespace {
DialogSingleton<CTableCreate> g_tableCreate;
}

void CPartyDlg_DlgInerface::CreateCTDlg(CWnd* parent) { g_tableCreate.Create(parent); }

void CPartyDlg_DlgInerface::ShowCTDlg(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum) {
    if (!defaults) return;
    g_tableCreate.With([defaults, tableNum](CTableCreate& d) { d.ShowFor(*defaults, tableNum); });
}

void CPartyDlg_DlgInerface::HideCTDlg() {
    g_tableCreate.With([](CTableCreate& d) { d.HideByHost(); });
}

void CPartyDlg_DlgInerface::DestroyCTDlg() {
    g_tableCreate.With([](CTableCreate& d) { d.Abandon(); });
    g_tableCreate.Destroy();
}

void CPartyDlg_DlgInerface::CTDlgSetIfRefreshDefault(unsigned char refresh) {
    g_tableCreate.With([refresh](CTableCreate& d) { d.SetRefresh(refresh); });
}

void CPartyDlg_DlgInerface::SetIfLockCTDlg(unsigned char lock) {
    g_tableCreate.With([lock](CTableCreate& d) { d.SetLock(lock); });
}

unsigned char CPartyDlg_DlgInerface::GetIfLockCTDlg() {
    return g_tableCreate.Ask<unsigned char>([](CTableCreate& d) { return d.Lock(); });
}

void CPartyDlg_DlgInerface::SetSpecialCTDlg(int value) {
    if (g_tableCreate.Exists()) g_iSpecialValue = value;
}

void CPartyDlg_DlgInerface::SetCTReqNum(unsigned short number) {
    g_tableCreate.With([number](CTableCreate& d) { d.SetRequestNumber(number); });
}

unsigned short CPartyDlg_DlgInerface::GetCTReqNum() {
    return g_tableCreate.Ask<unsigned short>([](CTableCreate& d) { return d.RequestNumber(); });
}

void CPartyDlg_DlgInerface::CTDlgSetYuCoinUse(bool use) {
    g_tableCreate.With([use](CTableCreate& d) { d.SetPremiumCoin(use); });
}

void CPartyDlg_DlgInerface::SetLobbyYuCoinUse(bool use) {
    CTDlgSetYuCoinUse(use);
    SetJTUseYuCoin(use);
    SetPlayerListUseYuCoin(use);
}
