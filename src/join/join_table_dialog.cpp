#include "join/join_table_dialog.h"

#include <stdio.h>
#include <string.h>

#include <utility>

#include "info/csv_text.h"
#include "join/join_table_rules.h"
#include "res/join_ids.h"
#include "room/lobby_room.h"
#include "support/digit_pictures.h"
#include "support/lobby_sound.h"
#include "support/safe_format.h"
#include "support/table_text.h"
#include "support/texts_gbk.h"
#include "support/window_placement.h"
#include "win/module.h"

namespace {

const COLORREF kTextColour = RGB(123, 89, 0);
const COLORREF kNameColour = RGB(147, 43, 0);
const COLORREF kDetailColour = RGB(159, 124, 97);
const COLORREF kLimitColour = RGB(255, 0, 0);

void DrawCentred(CDC& dc, int left, int right, int y, const char* text) {
    SIZE size = dc.GetTextExtent(text);
    dc.TextOut(CentredLeft(left, right, size.cx), y, text);
}

}  // namespace

void CInputOK::SetPicture(UINT bitmapId) {
    m_uPicture = bitmapId;
    m_bitmap.Attach(::LoadBitmapA(LobbyModule(), MAKEINTRESOURCEA(bitmapId)));
    if (m_hWnd) Invalidate(FALSE);
}

BOOL CInputOK::OnChildNotify(UINT msg, WPARAM, LPARAM l, LRESULT* result) {
    if (msg != WM_DRAWITEM) return FALSE;
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
    SelectGuard pen(item->hDC, ::GetStockObject(NULL_PEN));
    if (item->CtlID == IDC_JT_INPUT_OK && m_bitmap) {
        CMemoryDC source(item->hDC);
        SelectGuard picture(source, m_bitmap);
        ::BitBlt(item->hDC, item->rcItem.left, item->rcItem.top, kWidth, kHeight, source, 0, 0, SRCCOPY);
    }
    *result = TRUE;
    return TRUE;
}

CJoinTable::CJoinTable() : CDragDialog(IDD_JOIN_TABLE, nullptr) {
    memset(&m_stFocusTable, 0, sizeof m_stFocusTable);
    memset(m_acEmptySeat, 0, sizeof m_acEmptySeat);
    memset(m_acReservedSeat, 0, sizeof m_acReservedSeat);
    memset(m_acBeansLabel, 0, sizeof m_acBeansLabel);
    memset(m_acScoreLabel, 0, sizeof m_acScoreLabel);
    memset(m_acTitleLevel10, 0, sizeof m_acTitleLevel10);
    memset(m_acTitleNamed, 0, sizeof m_acTitleNamed);
    memset(m_acTitleLow, 0, sizeof m_acTitleLow);
    m_bUseHostCursor = true;
}

CJoinTable::~CJoinTable() {
    DestroyPanel();
    DestroyWindow();
}

void CJoinTable::DestroyPanel() {
    // Taken out first: the destruction may activate a host window whose
    // code destroys this dialog, and with it would come here again.
    std::unique_ptr<CJTExpand> panel(std::move(m_pPanel));
    if (panel) panel->DestroyWindow();
}

BOOL CJoinTable::OnInitDialog() {
    Skin::ApplyWindowSkin(m_hWnd, "FindPartner");
    m_groupFindPartner.Open("FindPartnerPic");
    m_groupCoinName.Open("FPDLG_CoinName");
    m_groupSpecialRule.Open("SpecialRulePic");
    m_groupJoinScore.Open("JoinScore");

    LOGFONTA lf = ChineseLogFont(12, FW_BOLD);
    LoadTableText(35, lf.lfFaceName);
    m_font.CreateFontIndirect(&lf);

    // The labels keep five bytes: room for the number behind them.
    LoadTableText(10, m_acBeansLabel, 6);
    LoadTableText(9, m_acScoreLabel, 6);
    LoadTableText(22, m_acEmptySeat);
    LoadTableText(21, m_acReservedSeat);

    SetWindowText(kGbkJoinTableCaption);
    ::SetWindowTextA(GetDlgItem(IDC_JT_JOIN), kGbkJoinButton);
    ::SetWindowTextA(GetDlgItem(IDC_JT_SEARCH1), kGbkQuickSeatButton);
    ::SetWindowTextA(GetDlgItem(IDC_JT_SEARCH2), kGbkFindTableButton);
    ::SetWindowTextA(GetDlgItem(IDC_JT_CLOSE), kGbkCloseButton);

    m_bPanelOut = false;
    PlaceArrows();

    m_inputOk.SubclassDlgItem(IDC_JT_INPUT_OK, *this);
    m_inputOk.SetWindowPos(nullptr, 0, 0, CInputOK::kWidth, CInputOK::kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_inputOk.ShowWindow(SW_SHOW);
    m_inputOk.SetPicture(IDB_INPUT_OK_DISABLED);
    m_inputOk.EnableWindow(FALSE);

    m_pPanel.reset(new CJTExpand);
    m_pPanel->CreatePanel(this, m_hWndOwner);
    m_pPanel->SetSearchKind(false);
    return TRUE;
}

void CJoinTable::AbandonShow() {
    if (m_outcome.Take()) CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
}

void CJoinTable::OnDestroying() {
    AbandonShow();
    DestroyPanel();
}

void CJoinTable::OnDestroy() {
    // Destroyed while shown (by the host, or with its parent): the lock the
    // show raised goes with it, and nothing is reported.
    AbandonShow();
    m_groupFindPartner.Close();
    m_groupCoinName.Close();
    m_groupSpecialRule.Close();
    m_groupJoinScore.Close();
    m_font.DeleteObject();
}

void CJoinTable::ShowTable(int type, const tagKWP_TABLE_LIST_DATA* table) {
    // A window that went with its parent cannot show; it must not hold the lock either.
    if (!m_hWnd) return;
    // The show is complete before the window appears: its activation lets the
    // host call back, and a hide from there must find the lock to drop.
    m_outcome.Begin();
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
    TheJoinTableFlags().firstJoin = false;
    if (table) {
        memcpy(&m_stFocusTable, table, sizeof m_stFocusTable);
    } else {
        memset(&m_stFocusTable, 0, sizeof m_stFocusTable);
    }
    LifeWatch watch(*this);
    // Moving the dialog moves the panel, which may hand the activation on.
    SizeClientAndCentre(m_hWnd, m_hWndOwner, kClientWidth, kClientHeight);
    if (watch.Gone()) return;
    ::ShowWindow(GetDlgItem(IDC_JT_HIDDEN), SW_HIDE);
    SetActiveType(type);
    ShowWindowSurvives(SW_SHOW);
}

void CJoinTable::EndShow(EndReport report) {
    const bool owed = m_outcome.Take();
    const HWND host = m_hWndOwner;
    const unsigned short table = m_stFocusTable.usTableNum;
    const bool handOver = owed && report == kEndJoined && m_stFocusTable.bHavePassword != 0;
    // A show's own way out drops only the lock that show raised: a dialog
    // already closed leaves it to whoever raised it since (the password
    // dialog, say). The host's hide drops it whoever raised it.
    if (owed || report == kEndHostHide) CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
    m_stFocusTable.usTableNum = 0;
    m_bPanelOut = false;
    LifeWatch watch(*this);
    if (handOver) {
        // The password dialog comes up first and takes the lock at once, so
        // the lobby is never active, nor unlocked, between the two dialogs.
        CPartyDlg_DlgInerface::ShowPWDlg(table);
        // A host that destroyed or showed this dialog again from the
        // password dialog's activation keeps what it did.
        if (watch.Gone() || m_outcome.Owed()) return;
    }
    // Either hide may hand the activation to a host window that destroys us.
    if (m_pPanel) m_pPanel->ResetAndHide();
    if (!watch.Gone()) ShowWindow(SW_HIDE);
    if (!owed || !host) return;
    // The last act, from the copies: whatever the host does next stands.
    switch (report) {
    case kEndJoined:
        if (!handOver) ::SendMessageA(host, LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_JOIN, static_cast<LPARAM>(table));
        break;
    case kEndClosed:
        ::SendMessageA(host, LOBBYUI_MSG_JOIN_TABLE, LOBBYUI_JOIN_TABLE_CLOSED, 0);
        break;
    default:
        break;
    }
}

void CJoinTable::SetFocusTable(const tagKWP_TABLE_LIST_DATA& table) {
    if (!IsWindowVisible() || !FocusTableChanged(m_stFocusTable, table)) return;
    memcpy(&m_stFocusTable, &table, sizeof m_stFocusTable);
    Invalidate(TRUE);
}

void CJoinTable::SetActiveType(int type) {
    m_eActiveType = type;
    if (!m_hWnd) return;
    ButtonPlacement placements[6];
    bool commonEnd = true;
    size_t count = ButtonLayoutFor(type, placements, &commonEnd);
    for (size_t i = 0; i < count; ++i) {
        const ButtonPlacement& p = placements[i];
        CWnd button(GetDlgItem(static_cast<int>(p.id)));
        if (p.place) button.MoveWindow(p.rect);
        if (p.enable >= 0) button.EnableWindow(p.enable != 0);
        button.ShowWindow(p.show ? SW_SHOW : SW_HIDE);
    }
    JoinTableFlags& flags = TheJoinTableFlags();
    if (!commonEnd) {
        if (!flags.firstJoin) {
            flags.firstJoin = true;
            flags.inputOk = false;
        }
        m_inputOk.SetPicture(flags.inputOk ? IDB_INPUT_OK_ON : IDB_INPUT_OK_OFF);
        m_inputOk.EnableWindow(TRUE);
        PlaceArrows();
    } else {
        flags.inputOk = true;
        m_inputOk.EnableWindow(FALSE);
        m_inputOk.SetPicture(IDB_INPUT_OK_DISABLED);
        ::ShowWindow(GetDlgItem(IDC_JT_ARROW_IN), SW_HIDE);
        ::ShowWindow(GetDlgItem(IDC_JT_ARROW_OUT), SW_HIDE);
    }
    Invalidate(TRUE);
}

void CJoinTable::PlaceArrows() {
    ::ShowWindow(GetDlgItem(static_cast<int>(ArrowHidden(m_bPanelOut))), SW_HIDE);
    CWnd shown(GetDlgItem(static_cast<int>(ArrowShown(m_bPanelOut))));
    shown.MoveWindow(kArrowRect);
    shown.ShowWindow(SW_SHOW);
}

void CJoinTable::PlacePanel(int x, int y) {
    if (!m_pPanel || !m_pPanel->m_hWnd) return;
    CPoint at = PanelOrigin(x, y);
    m_pPanel->SetWindowPos(nullptr, at.x, at.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | (m_bPanelOut ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CJoinTable::ApplyButtonState(UINT id, unsigned char enable) {
    CWnd button(GetDlgItem(static_cast<int>(id)));
    if ((enable != 0) == (button.IsWindowEnabled() != FALSE)) return;
    button.EnableWindow(enable != 0);
    button.Invalidate(TRUE);
}

void CJoinTable::SetButtonStatus(unsigned char join, unsigned char search1, unsigned char search2) {
    // Without the window every button handle is null, and repainting a null
    // window repaints the whole desktop.
    if (!m_hWnd) return;
    ApplyButtonState(IDC_JT_JOIN, join);
    if (m_pPanel && m_pPanel->IsWindowVisible() && m_pPanel->ForcesSearchButtons()) {
        search1 = 1;
        search2 = 1;
    }
    ApplyButtonState(IDC_JT_SEARCH1, search1);
    ApplyButtonState(IDC_JT_SEARCH2, search2);
}

void CJoinTable::OnJoin() {
    PlayLobbySound(kSoundClick);
    EndShow(kEndJoined);
}

void CJoinTable::OnCloseButton() {
    PlayLobbySound(kSoundClick);
    EndShow(kEndClosed);
}

void CJoinTable::OnSearch(bool firstButton) {
    PlayLobbySound(kSoundClick);
    if (!m_pPanel || !m_pPanel->IsWindowVisible()) {
        SendToOwner(LOBBYUI_MSG_PARTNER_SEARCH,
                    firstButton ? LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY : LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY, 0);
        return;
    }
    m_pPanel->SetSearchKind(firstButton);
    m_pPanel->RunSearch();
}

void CJoinTable::OnToggleInputOk() {
    JoinTableFlags& flags = TheJoinTableFlags();
    flags.inputOk = !flags.inputOk;
    m_inputOk.SetPicture(flags.inputOk ? IDB_INPUT_OK_ON : IDB_INPUT_OK_OFF);
}

BOOL CJoinTable::OnCommand(UINT id, UINT notifyCode, HWND control) {
    if (notifyCode != BN_CLICKED) return CDragDialog::OnCommand(id, notifyCode, control);
    switch (id) {
    case IDC_JT_JOIN: OnJoin(); return TRUE;
    case IDC_JT_CLOSE: OnCloseButton(); return TRUE;
    case IDC_JT_SEARCH1: OnSearch(true); return TRUE;
    case IDC_JT_SEARCH2: OnSearch(false); return TRUE;
    case IDC_JT_HIDDEN: return TRUE;
    case IDC_JT_INPUT_OK: OnToggleInputOk(); return TRUE;
    case IDC_JT_ARROW_OUT:
        m_bPanelOut = true;
        PlaceArrows();
        if (m_pPanel) m_pPanel->ShowWindow(SW_SHOWNOACTIVATE);
        return TRUE;
    case IDC_JT_ARROW_IN:
        m_bPanelOut = false;
        PlaceArrows();
        if (m_pPanel) m_pPanel->ResetAndHide();
        return TRUE;
    default:
        return CDragDialog::OnCommand(id, notifyCode, control);
    }
}

void CJoinTable::OnOK() { EndShow(kEndSilently); }

void CJoinTable::OnCancel() { EndShow(kEndClosed); }

INT_PTR CJoinTable::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    // The system close needs nothing of its own: its default processing ends
    // in the cancel handling, which hides and tells the host.
    case WM_MOVE:
        PlacePanel(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
        return CDragDialog::DialogProc(msg, w, l);
    case WM_MOVING: {
        const RECT* proposed = reinterpret_cast<const RECT*>(l);
        if (proposed) PlacePanel(proposed->left, proposed->top);
        SetMsgResult(TRUE);
        return TRUE;
    }
    default:
        return CDragDialog::DialogProc(msg, w, l);
    }
}

void CJoinTable::Paint(CDC& dc) {
    SelectGuard font(dc, m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kTextColour);
    if (m_eActiveType == JTAT_MESSAGE) {
        PaintMessage(dc);
    } else {
        if (SeatsShown(m_stFocusTable)) PaintSeats(dc);
        PaintTable(dc);
    }

    dc.SetTextColor(kLimitColour);
    int limit = CPartyDlg_DlgInerface::GetMultiplelmt();
    char text[16];
    if (limit > 0) {
        snprintf(text, sizeof text, "%d", limit);
        dc.TextOut(86, 95, text);
    } else {
        dc.TextOut(86, 95, kGbkNone);
    }
    if (m_stFocusTable.ucAddMultiple) {
        dc.SetTextColor(kTextColour);
        dc.TextOut(17, 127, kGbkAddStick);
    }
    if (!TheJoinTableFlags().showBeans) m_groupJoinScore.Draw("Score", dc, CRect(120, 69, 164, 92));
}

void CJoinTable::PaintMessage(CDC& dc) {
    char line[100];
    LoadTableText(24, line);
    DrawCentred(dc, 20, 190, 192, line);
    LoadTableText(25, line);
    DrawCentred(dc, 20, 190, 212, line);
}

void CJoinTable::PaintSeats(CDC& dc) {
    const bool showBeans = TheJoinTableFlags().showBeans;
    for (int seat = 0; seat < 3; ++seat) {
        const SeatPlace& place = kSeatPlaces[seat];
        unsigned int id = m_stFocusTable.uiSeatPlayerID[seat];
        // A copy taken under the map's lock: a thread feeding the room may
        // rewrite or hand on the record while the seat paints.
        tagKWP_PLAYER_LIST_DATA_EXTRA copy;
        tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
        char name[41];
        switch (SeatKindOf(id)) {
        case kSeatEmpty: CopyToSlot(name, sizeof name, m_acEmptySeat); break;
        case kSeatReserved: CopyToSlot(name, sizeof name, m_acReservedSeat); break;
        case kSeatPlayer:
            if (TheRoom().state.CopyPlayerData(id, copy)) {
                player = &copy;
                // A nickname may fill its 40 bytes without a terminator.
                size_t length = strnlen(player->acNickName, sizeof player->acNickName);
                memcpy(name, player->acNickName, length);
                name[length] = '\0';
            } else {
                SafeFormat(name, "% % % % % %", {});
            }
            break;
        }
        SIZE size = dc.GetTextExtent(name);
        int x = CentredLeft(place.left, place.right, size.cx);
        dc.SetTextColor(kNameColour);
        dc.TextOut(x, place.top, name);
        if (!player) continue;

        dc.SetTextColor(kDetailColour);
        char line[32];
        if (showBeans) {
            snprintf(line, sizeof line, "%s%d", m_acBeansLabel, player->iBeans);
        } else {
            snprintf(line, sizeof line, "%s%d", m_acScoreLabel, player->iScore);
        }
        dc.TextOut(x, place.top + 12, line);

        LevelTitle title = LevelTitleOf(player->ucLevel);
        char landlord[16];
        const char* text = landlord;
        if (title.textNumber == 0) {
            SafeFormat(landlord, kGbkLandlordLevelFormat, {FormatArg::Int(title.landlordLevel)});
        } else if (title.textNumber == 46) {
            LoadTableText(title.textNumber, m_acTitleLevel10);
            text = m_acTitleLevel10;
        } else if (title.slotSize == sizeof m_acTitleNamed) {
            LoadTableText(title.textNumber, m_acTitleNamed);
            text = m_acTitleNamed;
        } else {
            LoadTableText(title.textNumber, m_acTitleLow);
            text = m_acTitleLow;
        }
        dc.TextOut(x, place.top + 24, text);
    }
}

void CJoinTable::PaintTable(CDC& dc) {
    dc.SetTextColor(kTextColour);
    int digits[4];
    LastDigits(m_stFocusTable.usTableNum, 3, digits);
    for (int i = 0; i < 3; ++i) {
        m_groupFindPartner.Draw(DigitPictureName(DigitNames::kNum, digits[i]), dc, CRect(37 + 11 * i, 5, 48 + 11 * i, 21));
    }
    m_groupFindPartner.Draw(m_stFocusTable.bHavePassword ? "HavePassWord" : "NoPassWord", dc, CRect(5, 27, 70, 45));

    LastDigits(m_stFocusTable.ucSettingA, 2, digits);
    m_groupFindPartner.Draw(DigitPictureName(DigitNames::kNum, digits[0]), dc, CRect(85, 50, 96, 66));
    m_groupFindPartner.Draw(DigitPictureName(DigitNames::kNum, digits[1]), dc, CRect(96, 50, 107, 66));
    LastDigits(m_stFocusTable.ucSettingB, 2, digits);
    m_groupFindPartner.Draw(DigitPictureName(DigitNames::kNum, digits[0]), dc, CRect(174, 50, 185, 66));
    m_groupFindPartner.Draw(DigitPictureName(DigitNames::kNum, digits[1]), dc, CRect(185, 50, 196, 66));

    LastDigitsUnpadded(m_stFocusTable.uiScore, 4, digits);
    for (int i = 0; i < 4; ++i) {
        if (digits[i] >= 0) m_groupFindPartner.Draw(DigitPictureName(DigitNames::kNum, digits[i]), dc, CRect(72 + 11 * i, 70, 83 + 11 * i, 86));
    }

    RuleImage rules[3];
    size_t count = SpecialRuleImages(m_stFocusTable.ucSpecialRule, rules);
    for (size_t i = 0; i < count; ++i) m_groupSpecialRule.Draw(rules[i].image, dc, rules[i].rect);

    m_groupFindPartner.Draw(m_stFocusTable.bCanPeek ? "CanPeek" : "NoPeek", dc, CRect(105, 29, 169, 44));
}
