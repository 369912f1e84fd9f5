#include "info/base_data_dialog.h"

#include <string.h>

#include <lobbyui/player_info.h>

#include "frame/dialog_singleton.h"
#include "info/base_data_rules.h"
#include "info/csv_text.h"
#include "info/player_score_rules.h"
#include "res/info_ids.h"
#include "support/lobby_sound.h"
#include "support/safe_format.h"
#include "support/table_text.h"
#include "support/texts_gbk.h"

namespace {

const CRect kPortraitRect(7, 7, 107, 187);

}  // namespace

CPlayerBaseDataDlg::CPlayerBaseDataDlg() : CDragDialog(IDD_PLAYER_BASE_DATA, nullptr) {
    memset(&m_stData, 0, sizeof m_stData);
    m_bUseHostCursor = true;
}

BOOL CPlayerBaseDataDlg::OnInitDialog() {
    Skin::ApplyWindowSkin(m_hWnd, "PlayerBaseData");
    m_groupIcons.Open("Icon_Big");

    LOGFONTA lf = ChineseLogFont(13, FW_NORMAL);
    CopyToSlot(lf.lfFaceName, sizeof lf.lfFaceName, kGbkNewSongTypeface);
    m_font.CreateFontIndirect(&lf);

    SetWindowPos(HWND_TOP, 476, 0, 214, 228, SWP_HIDEWINDOW);
    const struct {
        int id;
        CRect rect;
    } buttons[] = {
        {IDC_PBD_BUTTON1, CRect(8, 191, 8 + 96, 191 + 25)},
        {IDC_PBD_BUTTON2, CRect(111, 151, 111 + 97, 151 + 21)},
        {IDC_PBD_BUTTON3, CRect(111, 174, 111 + 97, 174 + 21)},
        {IDC_PBD_BUTTON4, CRect(111, 197, 111 + 97, 197 + 21)},
    };
    for (const auto& b : buttons) {
        CWnd button(GetDlgItem(b.id));
        button.MoveWindow(b.rect);
        button.ShowWindow(SW_SHOW);
    }
    return TRUE;
}

void CPlayerBaseDataDlg::OnDestroy() {
    m_font.DeleteObject();
    m_groupIcons.Close();
}

void CPlayerBaseDataDlg::ShowPanel() { ShowWindow(SW_SHOW); }

void CPlayerBaseDataDlg::HidePanel() {
    // Forgotten before the hide: the focus may leave for a host window that
    // destroys the panel there.
    m_bHaveData = false;
    ShowWindow(SW_HIDE);
}

void CPlayerBaseDataDlg::Refresh(const tagKWPCEN_PREVIEW_DATA* data, unsigned char status) {
    m_bHaveData = true;
    if (data) memcpy(&m_stData, data, sizeof m_stData);
    m_ucStatus = base_data::StatusAfterRefresh(m_ucStatus, status);
    if (m_hWnd) Invalidate(TRUE);
}

void CPlayerBaseDataDlg::Paint(CDC& dc) {
    if (!m_bHaveData) return;
    {
        SelectGuard font(dc, m_font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        DrawTableText(dc, 111, 15, 3);
        DrawTableText(dc, 145, 15, player_score::TitleTextNumber(m_stData.ucLevel));
        // The record's name field may lack its terminator.
        char name[player_score::kNameSize];
        player_score::CopyPlayerName(name, m_stData.acName, sizeof m_stData.acName);
        if (name[0]) dc.TextOut(108, 45, name);
        DrawTableText(dc, 108, 68, base_data::MoneyTextNumber(m_bYuCoinUse), {FormatArg::Int(m_stData.iMoney)});
        DrawTableText(dc, 108, 88, 11, {FormatArg::Int(m_stData.iFigureA)});
        DrawTableText(dc, 108, 110, 12, {FormatArg::Int(m_stData.iFigureB)});
        const int status = base_data::StatusTextNumber(m_ucStatus);
        if (status) DrawTableText(dc, 108, 131, status);
    }
    const char* portrait = base_data::PortraitImage(m_stData.ucIcon);
    if (portrait) m_groupIcons.Draw(portrait, dc, kPortraitRect);
}

void CPlayerBaseDataDlg::Report(unsigned int code) {
    {
        // The sound is the host's object, and its code may destroy the panel.
        LifeWatch watch(*this);
        PlayLobbySound(kSoundClick);
        if (watch.Gone()) return;
    }
    // The host listens on the window above the panel's parent, looked up
    // now: the host may have moved the panel under another window since it
    // made it. A parent that has none leaves nobody to tell.
    HWND parent = ::GetParent(m_hWnd);
    HWND host = parent ? ::GetParent(parent) : nullptr;
    if (host) ::SendMessageA(host, LOBBYUI_MSG_BASE_DATA_BUTTON, code, 0);
}

BOOL CPlayerBaseDataDlg::OnCommand(UINT id, UINT notifyCode, HWND control) {
    const unsigned int code = base_data::ButtonCode(id);
    if (!code) return CDragDialog::OnCommand(id, notifyCode, control);
    if (notifyCode == BN_CLICKED) Report(code);
    return TRUE;
}

namespace {
DialogSingleton<CPlayerBaseDataDlg> g_baseDataDialog;
}

void CPBDDlg_Interface::CreatePBD_Dlg(CWnd* parent) { g_baseDataDialog.Create(parent); }

void CPBDDlg_Interface::ShowPBD_Dlg() {
    g_baseDataDialog.With([](CPlayerBaseDataDlg& d) { d.ShowPanel(); });
}

void CPBDDlg_Interface::HidePBD_Dlg() {
    g_baseDataDialog.With([](CPlayerBaseDataDlg& d) { d.HidePanel(); });
}

void CPBDDlg_Interface::RefreshPBD_Dlg(tagKWPCEN_PREVIEW_DATA* data, unsigned char status) {
    g_baseDataDialog.With([data, status](CPlayerBaseDataDlg& d) { d.Refresh(data, status); });
}

void CPBDDlg_Interface::PBDDLG_SetYuCoinUse(bool use) {
    g_baseDataDialog.With([use](CPlayerBaseDataDlg& d) { d.SetPremiumCurrency(use); });
}

void CPBDDlg_Interface::DestroyPDB_Dlg() { g_baseDataDialog.Destroy(); }
