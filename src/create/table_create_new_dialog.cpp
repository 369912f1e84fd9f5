#include "create/table_create_new_dialog.h"

#include <string.h>
#include <windowsx.h>

#include <lobbyui/base_data_control.h>
#include <lobbyui/party_dialogs.h>

#include "create/saved_defaults.h"
#include "create/table_create_new_rules.h"
#include "create/table_create_rules.h"
#include "frame/way_out.h"
#include "res/create_new_ids.h"
#include "support/html_trace.h"
#include "support/lobby_sound.h"
#include "support/safe_format.h"
#include "support/texts_gbk.h"
#include "win/module.h"

namespace {

// What the requests sent carried: the host may read one until the next show.
SentRecords<tagKWP_CREATE_TABLE_REQ>& SentRequests() {
    static SentRecords<tagKWP_CREATE_TABLE_REQ> sent;
    return sent;
}

const COLORREF kLimitColour = RGB(255, 0, 0);
// The title strip that moves the window, edges included.
bool InTitleStrip(CPoint p) { return p.x >= 0 && p.x <= 323 && p.y >= 0 && p.y <= 18; }

}  // namespace

CTableCreateNew::CTableCreateNew() : CDialog(IDD_TABLE_CREATE_NEW) {
    memset(&m_request, 0, sizeof m_request);
    memset(&m_defaults, 0, sizeof m_defaults);
    memset(m_acDefaultName, 0, sizeof m_acDefaultName);
    memset(m_acFilteredName, 0, sizeof m_acFilteredName);
    m_hIcon = ::LoadIconA(LobbyModule(), MAKEINTRESOURCEA(IDI_LOBBY_APP));
}

CTableCreateNew::~CTableCreateNew() { DestroyWindow(); }

CCHECKBUTTON* CTableCreateNew::Button(UINT id) const {
    for (const std::unique_ptr<CCHECKBUTTON>& button : m_buttons) {
        if (button->m_hWnd && static_cast<UINT>(::GetDlgCtrlID(button->m_hWnd)) == id) return button.get();
    }
    return nullptr;
}

BOOL CTableCreateNew::OnInitDialog() {
    m_pictures.BuildPaths();
    m_pictures.LoadKept();
    ShowWindow(SW_HIDE);
    MakeButtons();
    PlaceControls();
    ::EnableWindow(GetDlgItem(IDC_CTN_ADD_MULTIPLE), FALSE);
    ::EnableWindow(GetDlgItem(IDC_CTN_DISABLED_CHECK), FALSE);
    SetWindowPos(nullptr, 150, 50, kWidth, kHeightBeforePaint, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    HRGN region = ::CreateRoundRectRgn(0, 0, 242, 640, 15, 15);
    if (region && !::SetWindowRgn(m_hWnd, region, FALSE)) ::DeleteObject(region);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    ::SetWindowTextA(GetDlgItem(IDC_CTN_CREATE), kGbkNewCreateConfirm);
    ::SetWindowTextA(GetDlgItem(IDC_CTN_CANCEL), kGbkCancelButton);
    ::SetWindowTextA(GetDlgItem(IDC_CTN_CLOSE), "X");
    ::SetWindowTextA(GetDlgItem(IDC_CTN_TABLE_SETTINGS), kGbkNewCreateTableSettings);
    ::SetWindowTextA(GetDlgItem(IDC_CTN_SAME_TABLE_LIMITS), kGbkNewCreateSameTableLimits);

    NewCreateValues& values = TheNewCreateValues();
    values.iTableNumber = 0;
    TheWorkingDefaults().iSettingB = kSettingBLowest;
    memset(values.acOwnName, 0, sizeof values.acOwnName);
    SetTimer(kTimeoutTimer, 1000);
    LoadName(26, m_acDefaultName);
    LoadName(27, m_acFilteredName);
    return FALSE;
}

void CTableCreateNew::MakeButtons() {
    for (size_t i = 0; i < kNewCreateControlCount; ++i) {
        const NewCreateControl& row = kNewCreateControls[i];
        if (!row.pictureButton) continue;
        std::unique_ptr<CCHECKBUTTON> button(new CCHECKBUTTON);
        if (!button->TakeOver(row.id, *this, &m_pictures)) continue;
        int picture = row.picture;
        // The option outlives the dialog; a dialog made again must not show it off while it sends it on.
        if (row.id == IDC_CTN_SPECIAL_CARD && TheNewCreateValues().bSpecialCardOption) picture = kPicCheckOn;
        if (picture >= 0) button->SetImage(picture);
        m_buttons.push_back(std::move(button));
    }
}

void CTableCreateNew::PlaceControls() {
    for (size_t i = 0; i < kNewCreateControlCount; ++i) {
        const NewCreateControl& row = kNewCreateControls[i];
        HWND control = GetDlgItem(static_cast<int>(row.id));
        if (!row.start.IsRectEmpty()) ::MoveWindow(control, row.start.left, row.start.top, row.start.Width(), row.start.Height(), TRUE);
        if (row.textLimit) ::SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(row.textLimit), 0);
    }
}

void CTableCreateNew::LayOut() {
    for (size_t i = 0; i < kNewCreateControlCount; ++i) {
        const CRect& shown = kNewCreateControls[i].shown;
        if (shown.IsRectEmpty()) continue;
        ::MoveWindow(GetDlgItem(static_cast<int>(kNewCreateControls[i].id)), shown.left, shown.top, shown.Width(), shown.Height(), TRUE);
    }
    CRect window = GetWindowRect();
    if (window.Width() != kWidth || window.Height() != kHeight) {
        SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LayOutPasswordBox();
}

void CTableCreateNew::LayOutPasswordBox() {
    const NewCreateValues& values = TheNewCreateValues();
    CCHECKBUTTON* box = Button(IDC_CTN_PASSWORD_OPTION);
    HWND option = GetDlgItem(IDC_CTN_PASSWORD_OPTION);
    if (!TableTakesPassword(values.iTableNumber)) {
        ::EnableWindow(option, FALSE);
        if (box) box->SetImage(kPicCheckDisabled);
        HWND password = GetDlgItem(IDC_CTN_PASSWORD);
        char shown[32] = {0};
        ::GetWindowTextA(password, shown, sizeof shown);
        if (strcmp(shown, kGbkNoPasswordUnder100) != 0) ::SetWindowTextA(password, kGbkNoPasswordUnder100);
    } else {
        if (box) box->SetImage(values.bPasswordOption ? kPicCheckOn : kPicCheckOff);
        ::EnableWindow(option, TRUE);
    }
}

void CTableCreateNew::OnDestroy() {
    // Destroyed while shown, by the host or with its parent window.
    EndShow(Outcome::Destroyed);
    KillTimer(kTimeoutTimer);
    m_buttons.clear();
    m_pictures.Release();
}

void CTableCreateNew::ShowFor(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNumber) {
    // A window that went with its parent cannot show, nor hold the locks.
    if (!m_hWnd) return;
    NewCreateValues& values = TheNewCreateValues();

    values.ucAddMultipleLock = record.ucAddMultipleFixed;
    values.bAddMultipleOption = record.ucAddMultipleFixed != 0;
    if (CCHECKBUTTON* box = Button(IDC_CTN_ADD_MULTIPLE)) {
        box->SetImage(values.bAddMultipleOption ? kPicCheckOn : kPicCheckDisabled);
        box->EnableWindow(values.bAddMultipleOption);
    }
    values.iTableNumber = tableNumber;

    char name[17];
    memcpy(name, m_request.acTableName, sizeof name);
    name[16] = '\0';
    memset(&m_request, 0, sizeof m_request);
    const bool refresh = m_ucRefresh != 0;
    if (refresh) memcpy(&m_defaults, &record, sizeof m_defaults);

    m_allowed.Build(m_defaults.uiScoreMask);
    values.iLastAllowedPosition = m_allowed.Count() - 1;
    LoadSavedDefaults(m_defaults, m_allowed);
    values.iSettingAMin = m_defaults.ucSettingAMin;
    values.iSettingAMax = m_defaults.ucSettingAMax;
    Trace("%s", kGbkServerSpecialCardsTrace);
    if (refresh) {
        m_ucScorePosition = static_cast<unsigned char>(m_allowed.DefaultPosition(true, m_defaults.ucScoreIndex, m_ucScorePosition));
    }

    m_request.usTableNum = tableNumber;
    m_request.ucSettingA = m_defaults.ucSettingADefault;
    int32_t score = m_allowed.At(refresh ? m_ucScorePosition : m_defaults.ucScoreIndex);
    m_request.uiScore = score > 0 ? static_cast<unsigned int>(score) : 0u;
    m_request.ucSettingB = m_defaults.ucSettingBDefault;
    // A host's name may fill all 17 bytes without a terminator.
    CopyWholeText(m_request.acTableName, sizeof m_request.acTableName, record.acTableName);

    ::SetWindowTextA(GetDlgItem(IDC_CTN_NAME), name);
    HWND password = GetDlgItem(IDC_CTN_PASSWORD);
    ::SetWindowTextA(password, "");
    // Tables up to 100 say so in the password box, in simplified Chinese
    // on every system, as the dialog always has once painted.
    ::EnableWindow(password, TableTakesPassword(tableNumber));
    LayOut();

    // Everything the show announces is in place before the window shows: its
    // activation lets the host in, and what the host does there stands.
    m_show.Begin();
    SentRequests().NewShow();
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
    CPartyDlg_DlgInerface::SetIsCreatelock(true);
    if (!ShowWindowSurvives(SW_SHOW)) return;
    Invalidate(FALSE);
}

void CTableCreateNew::HideAndForget() { EndShow(Outcome::HostHide); }

void CTableCreateNew::OnDestroying() { EndShow(Outcome::Destroyed); }

void CTableCreateNew::ShowAgainForHost() {
    // The host's lock flag says whether the dialog may come back. One whose
    // show has ended (a creation leaves the flag to the host) comes back as
    // a show of its own, with the values it had, so that its next way out
    // drops the locks it raises here and a time-out ends it.
    if (!m_hWnd || !m_ucLock) return;
    if (m_show.Pending()) {
        m_show.SetHiddenByHost(false);
    } else {
        m_show.Begin();
        SentRequests().NewShow();
    }
    CPartyDlg_DlgInerface::SetIsCreatelock(true);
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
    ShowWindow(SW_SHOW);
}

void CTableCreateNew::HideForHost() {
    if (!m_hWnd || !IsWindowVisible()) return;
    m_show.SetHiddenByHost(true);
    m_usRequestNumber = 0;
    ShowWindow(SW_HIDE);
}

void CTableCreateNew::ShowOnRestore() {
    // Only a dialog the user still has open comes back with the host's window.
    if (!m_hWnd || !m_show.Pending()) return;
    ShowWindow(SW_SHOW);
}

void CTableCreateNew::UseAlternativePage() {
    m_pictures.UseAlternativePage();
    if (m_hWnd) Invalidate(FALSE);
}

HWND CTableCreateNew::ReportTarget() const { return m_hWndOwner ? ::GetParent(m_hWndOwner) : nullptr; }

void CTableCreateNew::SettleEnd(Outcome outcome) {
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
    CPartyDlg_DlgInerface::SetIsCreatelock(false);
    // The restore flag is the host's, like the minimised flag: only a way
    // out the host hears of, or asks for, clears it.
    if (outcome != Outcome::Destroyed) TheNewCreateValues().bRestore = false;
    // The minimised flag is the host's; an outcome it hears of clears it.
    if (outcome == Outcome::Created || outcome == Outcome::Closed) CPartyDlg_DlgInerface::SetIfMinWin(false);
    // A creation leaves the host's lock flag and request number to the host.
    if (outcome != Outcome::Created) {
        m_ucLock = 0;
        m_usRequestNumber = 0;
    }
}

void CTableCreateNew::EndShow(Outcome outcome) {
    const bool owed = m_show.End();
    if (!owed && outcome != Outcome::HostHide) return;
    SettleEnd(outcome);
    const bool report = owed && (outcome == Outcome::Created || outcome == Outcome::Closed);
    // The request as it goes out, copied before the host can show the
    // dialog again and load other defaults.
    SentRecords<tagKWP_CREATE_TABLE_REQ>::Sending request(SentRequests(), m_request);
    if (report && outcome == Outcome::Created) {
        const tagKWP_CREATE_TABLE_REQ& sent = *request.Carried();
        SaveSavedDefaults({static_cast<int32_t>(sent.uiScore), sent.ucSettingA, sent.ucSettingB});
    }
    const HWND target = ReportTarget();
    if (outcome != Outcome::Destroyed && m_hWnd && !ShowWindowSurvives(SW_HIDE) && !report) return;
    if (!report || !target) return;
    // Zero for every report, whatever a host wrote into the last one.
    unsigned char closed[4] = {0, 0, 0, 0};
    const bool created = outcome == Outcome::Created;
    ::SendMessageA(target, LOBBYUI_MSG_CREATE_TABLE, created ? LOBBYUI_CREATE_TABLE_REQUEST : LOBBYUI_CREATE_TABLE_CLOSED,
                   created ? reinterpret_cast<LPARAM>(request.Carried()) : reinterpret_cast<LPARAM>(closed));
}

void CTableCreateNew::Confirm() {
    PlayLobbySound(kSoundClick);
    // One request per show: a press from inside the host's handler, or on a
    // dialog whose show has ended, has nothing to send.
    if (!m_show.Pending()) return;
    NewCreateValues& values = TheNewCreateValues();

    char name[17] = {0};
    ::GetWindowTextA(GetDlgItem(IDC_CTN_NAME), name, sizeof name);
    name[GbkWholeLength(name, strlen(name))] = '\0';
    const char* sent = name;
    if (!name[0]) {
        sent = m_acDefaultName;
    } else if (TableNameHasForbiddenWord(name)) {
        sent = m_acFilteredName;
    }
    char password[9] = {0};
    if (values.bPasswordOption && TableTakesPassword(values.iTableNumber)) {
        ::GetWindowTextA(GetDlgItem(IDC_CTN_PASSWORD), password, sizeof password);
    }
    NewCreateConfirmation confirmation = {CBaseDataControl::GetGameID(), sent, password, values.bPasswordOption,
                                          values.iTableNumber, TheWorkingDefaults(), values.bSpecialCardOption,
                                          values.bAddMultipleOption};
    FillConfirmedRequest(m_request, confirmation);

    m_defaults.ucSpecialCardTypes = m_request.ucSpecialCardTypes;
    m_defaults.ucSpecialRuleOn = m_request.ucSpecialRuleOn;
    m_defaults.ucScoreIndex = m_ucScorePosition;
    m_defaults.ucSettingADefault = m_request.ucSettingA;
    m_defaults.ucSettingBDefault = m_request.ucSettingB;
    CPartyDlg_DlgInerface::SetIsAddMult(values.bAddMultipleOption ? 1 : 0);
    EndShow(Outcome::Created);
}

void CTableCreateNew::Close(bool whileHidden) {
    if (!whileHidden && !IsWindowVisible()) return;
    EndShow(Outcome::Closed);
}

void CTableCreateNew::OnCancelCommand() {
    PlayLobbySound(kSoundClick);
    // A dialog the host has hidden stays the host's to bring back or hide
    // for good: a press that reaches it only starts its time-out again.
    if (IsWindowVisible()) {
        EndShow(Outcome::Closed);
    } else {
        m_show.RestartTimeout();
    }
}

void CTableCreateNew::OnTick() {
    switch (m_show.Tick(IsWindowVisible() != FALSE, CPartyDlg_DlgInerface::GetIfMinWin())) {
    case TimeoutAction::Close: Close(false); break;
    case TimeoutAction::CloseWhileHidden: Close(true); break;
    case TimeoutAction::None: break;
    }
}

BOOL CTableCreateNew::OnTimer(UINT_PTR id) {
    if (id != kTimeoutTimer) return FALSE;
    OnTick();
    return TRUE;
}

void CTableCreateNew::InvalidateNumber(NewCreateNumber number) {
    const CRect area = NumberArea(number);
    RECT r = {area.left, area.top, area.right, area.bottom};
    ::InvalidateRect(m_hWnd, &r, FALSE);
}

void CTableCreateNew::StepScore(bool up) {
    WorkingDefaults& working = TheWorkingDefaults();
    int32_t next = up ? ScoreStepUp(m_allowed, working.iScore) : ScoreStepDown(m_allowed, working.iScore);
    if (next == working.iScore) return;
    working.iScore = next;
    InvalidateNumber(NewCreateNumber::Score);
}

void CTableCreateNew::StepSettingA(bool up) {
    WorkingDefaults& working = TheWorkingDefaults();
    const NewCreateValues& values = TheNewCreateValues();
    int32_t next = up ? SettingAStepUp(working.iSettingA, values.iSettingAMax)
                      : SettingAStepDown(working.iSettingA, values.iSettingAMin);
    if (next == working.iSettingA) return;
    working.iSettingA = next;
    InvalidateNumber(NewCreateNumber::SettingA);
}

void CTableCreateNew::StepSettingB(bool up) {
    WorkingDefaults& working = TheWorkingDefaults();
    int32_t next = up ? SettingBStepUp(working.iSettingB) : SettingBStepDown(working.iSettingB);
    if (next == working.iSettingB) return;
    working.iSettingB = next;
    InvalidateNumber(NewCreateNumber::SettingB);
}

void CTableCreateNew::TogglePasswordOption() {
    NewCreateValues& values = TheNewCreateValues();
    values.bPasswordOption = !values.bPasswordOption;
    LayOutPasswordBox();
}

void CTableCreateNew::ToggleAddMultiple() {
    NewCreateValues& values = TheNewCreateValues();
    if (values.ucAddMultipleLock == 1) return;
    values.bAddMultipleOption = !values.bAddMultipleOption;
    if (CCHECKBUTTON* box = Button(IDC_CTN_ADD_MULTIPLE)) box->SetImage(values.bAddMultipleOption ? kPicCheckOn : kPicCheckOff);
}

void CTableCreateNew::ToggleSpecialCard() {
    NewCreateValues& values = TheNewCreateValues();
    values.bSpecialCardOption = !values.bSpecialCardOption;
    if (CCHECKBUTTON* box = Button(IDC_CTN_SPECIAL_CARD)) box->SetImage(values.bSpecialCardOption ? kPicCheckOn : kPicCheckOff);
}

BOOL CTableCreateNew::OnCommand(UINT id, UINT notifyCode, HWND) {
    if (notifyCode != BN_CLICKED) return FALSE;
    switch (id) {
    case IDC_CTN_CREATE: Confirm(); return TRUE;
    case IDC_CTN_CANCEL:
    case IDC_CTN_CLOSE: OnCancelCommand(); return TRUE;
    case IDC_CTN_SCORE_DOWN: StepScore(false); return TRUE;
    case IDC_CTN_SCORE_UP: StepScore(true); return TRUE;
    case IDC_CTN_SETTING_A_DOWN: StepSettingA(false); return TRUE;
    case IDC_CTN_SETTING_A_UP: StepSettingA(true); return TRUE;
    case IDC_CTN_SETTING_B_DOWN: StepSettingB(false); return TRUE;
    case IDC_CTN_SETTING_B_UP: StepSettingB(true); return TRUE;
    case IDC_CTN_PASSWORD_OPTION: TogglePasswordOption(); return TRUE;
    case IDC_CTN_ADD_MULTIPLE: ToggleAddMultiple(); return TRUE;
    case IDC_CTN_SPECIAL_CARD: ToggleSpecialCard(); return TRUE;
    // Enter and Escape do nothing here: only the buttons create or cancel.
    case IDOK:
    case IDCANCEL:
    default:
        return TRUE;
    }
}

bool CTableCreateNew::StartMove(CPoint client) {
    if (!InTitleStrip(client)) return false;
    m_ptGrab = client;
    m_bMoving = true;
    ::SetCapture(m_hWnd);
    return true;
}

void CTableCreateNew::ContinueMove(CPoint client) {
    // The grabbed spot stays under the cursor.
    int dx = client.x - m_ptGrab.x;
    int dy = client.y - m_ptGrab.y;
    if (!dx && !dy) return;
    CRect window = GetWindowRect();
    SetWindowPos(nullptr, window.left + dx, window.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CTableCreateNew::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_ERASEBKGND:
        SetMsgResult(TRUE);
        return TRUE;
    case WM_LBUTTONDOWN:
        StartMove(CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));
        return CDialog::DialogProc(msg, w, l);
    case WM_MOUSEMOVE:
        if (m_bMoving && ::GetCapture() == m_hWnd) ContinueMove(CPoint(GET_X_LPARAM(l), GET_Y_LPARAM(l)));
        return CDialog::DialogProc(msg, w, l);
    case WM_LBUTTONUP:
        if (m_bMoving) {
            m_bMoving = false;
            if (::GetCapture() == m_hWnd) ::ReleaseCapture();
        }
        return CDialog::DialogProc(msg, w, l);
    case WM_CAPTURECHANGED:
        m_bMoving = false;
        return CDialog::DialogProc(msg, w, l);
    default:
        return CDialog::DialogProc(msg, w, l);
    }
}

void CTableCreateNew::Paint(CDC& dc) {
    if (::IsIconic(m_hWnd)) {
        CRect client = GetClientRect();
        int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, m_hIcon);
        return;
    }
    int saved = ::SaveDC(dc);
    CRect client = GetClientRect();
    {
        SelectGuard pen(dc, ::GetStockObject(NULL_PEN));
        ::Rectangle(dc, 0, 0, client.Width() + 1, client.Height() + 1);
    }
    m_pictures.PaintBackground(dc);
    m_pictures.PaintPage(dc);
    m_pictures.PaintFrame(dc);

    const NewCreateValues& values = TheNewCreateValues();
    const WorkingDefaults& working = TheWorkingDefaults();
    m_pictures.PaintTableNumber(dc, values.iTableNumber);
    m_pictures.PaintSetting(dc, working.iSettingA, kSettingAY);
    m_pictures.PaintScore(dc, working.iScore);
    m_pictures.PaintSetting(dc, working.iSettingB, kSettingBY);

    dc.SetTextColor(kLimitColour);
    dc.SetBkMode(TRANSPARENT);
    std::string limit = MultipleLimitText(CPartyDlg_DlgInerface::GetMultiplelmt());
    dc.TextOut(86, 196, limit.c_str());
    ::RestoreDC(dc, saved);
}
