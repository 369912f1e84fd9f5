#include "join/password_dialog.h"

#include <string.h>

#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "frame/dialog_singleton.h"
#include "frame/skin.h"
#include "res/join_ids.h"
#include "support/lobby_sound.h"
#include "support/texts_gbk.h"
#include "support/window_placement.h"

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
    m_outcome.Begin();
    SizeClientAndCentre(m_hWnd, m_hWndOwner, kClientWidth, kClientHeight);
    m_edit.MoveWindow(46, 42, 148, 22);
    m_edit.ShowWindow(SW_SHOW);
    m_confirm.MoveWindow(90, 66, 58, 30);
    m_confirm.ShowWindow(SW_SHOW);
    m_edit.SetWindowText("");
    // Raised before the window shows: the activation may let the host hide
    // the dialog again, and that hide must find the lock to drop.
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
    if (!ShowWindowSurvives(SW_SHOW)) return;
    m_edit.SetFocus();
}

void CPW_InputDlg::HideAndUnlock() {
    m_outcome.Take();
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
    ShowWindow(SW_HIDE);
}

void CPW_InputDlg::Confirm() {
    PlayLobbySound(kSoundClick);
    // One password per show: a second confirmation, from a host pressing
    // the button again inside its handler, has nothing left to send.
    if (!m_outcome.Take()) return;
    memset(m_acPassword, 0, sizeof m_acPassword);
    if (m_edit.m_hWnd) ::GetWindowTextA(m_edit.m_hWnd, m_acPassword, sizeof m_acPassword);
    m_acPassword[sizeof m_acPassword - 1] = '\0';
    char password[sizeof m_acPassword];
    memcpy(password, m_acPassword, sizeof password);
    const HWND host = m_hWndOwner;
    const unsigned short table = m_usTableNum;
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
    ShowWindow(SW_HIDE);
    // The report is the last act and uses nothing of the dialog: the hide may
    // already have let the host destroy or re-show it.
    ::SendMessageA(host, LOBBYUI_MSG_PASSWORD, table, reinterpret_cast<LPARAM>(password));
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

void CPW_InputDlg::OnCancel() {
    // Only a show holds the lock: a close reaching a dialog whose show has
    // ended leaves it to whichever dialog raised it since.
    if (m_outcome.Owed()) {
        HideAndUnlock();
    } else {
        ShowWindow(SW_HIDE);
    }
}

void CPW_InputDlg::OnDestroying() {
    // Destroyed while shown: the lock it raised goes with it, unreported.
    if (m_outcome.Take()) CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
}

// The window can also go without DestroyWindow, with its parent.
void CPW_InputDlg::OnDestroy() { OnDestroying(); }

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
