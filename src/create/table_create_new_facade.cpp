// The new create-table part of CPartyDlg_DlgInerface: thin calls on the one
// dialog, and the values that live without it.
#include <string.h>

#include <lobbyui/party_dialogs.h>

#include "create/table_create_new_dialog.h"
#include "create/table_create_new_rules.h"
#include "frame/dialog_singleton.h"

namespace {
DialogSingleton<CTableCreateNew> g_createNew;
}

void CPartyDlg_DlgInerface::CteateCTDlgNew(CWnd* parent) { g_createNew.Create(parent); }

void CPartyDlg_DlgInerface::ShowCTDlgNew(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum) {
    if (!defaults) return;
    g_createNew.With([defaults, tableNum](CTableCreateNew& d) { d.ShowFor(*defaults, tableNum); });
}

void CPartyDlg_DlgInerface::HideCTDlgNew() {
    g_createNew.With([](CTableCreateNew& d) { d.HideAndForget(); });
}

void CPartyDlg_DlgInerface::DestroyCTDlgNew() { g_createNew.Destroy(); }

void CPartyDlg_DlgInerface::InvalidateNew() {
    g_createNew.With([](CTableCreateNew& d) {
        if (d.m_hWnd) d.Invalidate(FALSE);
    });
}

bool CPartyDlg_DlgInerface::IsWindowVisibleCT() {
    return g_createNew.Ask<bool>([](CTableCreateNew& d) { return d.m_hWnd && d.IsWindowVisible(); });
}

void CPartyDlg_DlgInerface::HideAltMCTDlg(bool show) {
    g_createNew.With([show](CTableCreateNew& d) {
        if (show) {
            d.ShowAgainForHost();
        } else {
            d.HideForHost();
        }
    });
}

void CPartyDlg_DlgInerface::SetIsRestore(bool restore) {
    TheNewCreateValues().bRestore = restore;
    if (!restore || !GetIfMinWin()) return;
    g_createNew.With([](CTableCreateNew& d) { d.ShowOnRestore(); });
}

bool CPartyDlg_DlgInerface::GetIsRestore() { return TheNewCreateValues().bRestore; }

void CPartyDlg_DlgInerface::SetIfLockCTDlgNew(unsigned char lock) {
    g_createNew.With([lock](CTableCreateNew& d) { d.SetLockFlag(lock); });
}

unsigned char CPartyDlg_DlgInerface::GetIfLockCTDlgNew() {
    return g_createNew.Ask<unsigned char>([](CTableCreateNew& d) { return d.LockFlag(); });
}

void CPartyDlg_DlgInerface::SetCTReqNumNew(unsigned short number) {
    g_createNew.With([number](CTableCreateNew& d) { d.SetRequestNumber(number); });
}

unsigned short CPartyDlg_DlgInerface::GetCTReqNumNew() {
    return g_createNew.Ask<unsigned short>([](CTableCreateNew& d) { return d.RequestNumber(); });
}

void CPartyDlg_DlgInerface::CTDlgSetIfRefreshDefaultNew(unsigned char refresh) {
    g_createNew.With([refresh](CTableCreateNew& d) { d.SetRefreshDefaults(refresh); });
}

void CPartyDlg_DlgInerface::CTDlgSetYuCoinUseNew(bool use) {
    g_createNew.With([use](CTableCreateNew& d) { d.SetUseYuCoin(use); });
}

void CPartyDlg_DlgInerface::SetSpecialCTDlgNew(int value) {
    if (g_createNew.Exists()) TheNewCreateValues().iSpecialValue = value;
}

void CPartyDlg_DlgInerface::SetCTScoreLooby(bool beans) {
    if (beans) return;
    g_createNew.With([](CTableCreateNew& d) { d.UseAlternativePage(); });
}

void CPartyDlg_DlgInerface::SetPlaySelfName(char* name) {
    if (!name) return;
    char (&slot)[15] = TheNewCreateValues().acOwnName;
    size_t length = strnlen(name, sizeof slot);
    if (length >= sizeof slot) return;
    memcpy(slot, name, length);
    slot[length] = '\0';
}
