#include "join/password_dialog.h"

#include <string.h>

#include <lobbyui/party_dialogs.h>

#include "frame/dialog_singleton.h"
#include "frame/skin.h"
#include "join/join_table_window.h"
#include "res/join_ids.h"
#include "support/lobby_sound.h"
#include "support/texts_gbk.h"

CPW_InputDlg::CPW_InputDlg() : CDragDialog(IDD_PW_INPUT, nullptr) {
    memset(m_acPassword, 0, sizeof m_acPassword);
    m_bUseHostCursor = true;
}

BOOL CPW_InputDlg::OnInitDialog() {
    m_edit.m_hWnd = GetDlgItem(IDC_PW_EDIT);
    m_confirm.m_hWnd = GetDlgItem(IDC_PW_OK);
    m_edit.LimitText(8);
    Skin::ApplyWindowSkin(m_hWnd, "PasswordInput");
    SetWindowText(kGbkPasswordCaption);
    m_confirm.SetWindowText(kGbkConfirmButton);
    return TRUE;
}

void CPW_InputDlg::ShowFor(unsigned short tableNum) {
    // A window that went with its parent cannot show, take the focus or hold the lock.
    if (!m_hWnd) return;
    m_usTableNum = tableNum;
    SizeClientAndCentre(m_hWnd, m_hWndOwner, kClientWidth, kClientHeight);
    m_edit.MoveWindow(46, 42, 148, 22);
    m_edit.ShowWindow(SW_SHOW);
    m_confirm.MoveWindow(90, 66, 58, 30);
    m_confirm.ShowWindow(SW_SHOW);
    m_edit.SetWindowText("");
    ShowWindow(SW_SHOW);
    m_edit.SetFocus();
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
}

void CPW_InputDlg::HideAndUnlock() {
    ShowWindow(SW_HIDE);
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
}

void CPW_InputDlg::Confirm() {
    PlayLobbySound(kSoundClick);
    memset(m_acPassword, 0, sizeof m_acPassword);
    if (m_edit.m_hWnd) ::GetWindowTextA(m_edit.m_hWnd, m_acPassword, sizeof m_acPassword);
    m_acPassword[sizeof m_acPassword - 1] = '\0';
    HWND self = m_hWnd;
    SendToOwner(kPasswordMessage, m_usTableNum, reinterpret_cast<LPARAM>(m_acPassword));
    // A host may destroy the dialog while it handles the password; the lock goes all the same.
    if (!::IsWindow(self)) {
        CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
        return;
    }
    HideAndUnlock();
}

BOOL CPW_InputDlg::OnCommand(UINT id, UINT notifyCode, HWND control) {
    switch (id) {
    case IDC_PW_OK:
        if (notifyCode == BN_CLICKED) Confirm();
        return TRUE;
    default:
        return CDragDialog::OnCommand(id, notifyCode, control);
    }
}

void CPW_InputDlg::OnOK() { Confirm(); }

void CPW_InputDlg::OnCancel() { HideAndUnlock(); }

INT_PTR CPW_InputDlg::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    // The system close hides first; its default processing then ends in
    // the cancel handling, which sends nothing either.
    if (msg == WM_SYSCOMMAND && (w & 0xFFF0) == SC_CLOSE) HideAndUnlock();
    return CDragDialog::DialogProc(msg, w, l);
}

namespace {
DialogSingleton<CPW_InputDlg> g_passwordDialog;
}

void CPartyDlg_DlgInerface::CreatePWDlg(CWnd* parent) { g_passwordDialog.Create(parent); }

void CPartyDlg_DlgInerface::ShowPWDlg(unsigned short tableNum) {
    g_passwordDialog.With([tableNum](CPW_InputDlg& d) { d.ShowFor(tableNum); });
}

void CPartyDlg_DlgInerface::HidePWDlg() {
    g_passwordDialog.With([](CPW_InputDlg& d) { d.HideAndUnlock(); });
}

void CPartyDlg_DlgInerface::DestroyPWDlg() { g_passwordDialog.Destroy(); }
