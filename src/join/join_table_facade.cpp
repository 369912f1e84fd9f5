// The join-table part of CPartyDlg_DlgInerface: thin calls on the one dialog.
#include <lobbyui/party_dialogs.h>

#include "frame/dialog_singleton.h"
#include "join/join_table_dialog.h"
#include "join/join_table_rules.h"

namespace {
DialogSingleton<CJoinTable> g_joinTable;
}

void CPartyDlg_DlgInerface::CreateJTDlg(CWnd* parent) { g_joinTable.Create(parent); }

void CPartyDlg_DlgInerface::ShowJTDlg(eJTDLG_ACTIVE_TYPE type, tagKWP_TABLE_LIST_DATA* table) {
    g_joinTable.With([type, table](CJoinTable& d) { d.ShowTable(type, table); });
}

void CPartyDlg_DlgInerface::HideJTDlg() {
    g_joinTable.With([](CJoinTable& d) { d.HideTable(); });
}

void CPartyDlg_DlgInerface::DestroyJTDlg() { g_joinTable.Destroy(); }

void CPartyDlg_DlgInerface::SetJTFocusTable(tagKWP_TABLE_LIST_DATA* table) {
    if (!table) return;
    g_joinTable.With([table](CJoinTable& d) { d.SetFocusTable(*table); });
}

void CPartyDlg_DlgInerface::SetJTActType(eJTDLG_ACTIVE_TYPE type) {
    g_joinTable.With([type](CJoinTable& d) { d.SetActiveType(type); });
}

eJTDLG_ACTIVE_TYPE CPartyDlg_DlgInerface::GetJTActType() {
    return g_joinTable.Ask<eJTDLG_ACTIVE_TYPE>([](CJoinTable& d) { return d.ActiveType(); }, JTAT_NONE);
}

unsigned short CPartyDlg_DlgInerface::GetJTFocusTableIndx() {
    return g_joinTable.Ask<unsigned short>([](CJoinTable& d) { return d.FocusTableNumber(); });
}

void CPartyDlg_DlgInerface::SetJTBtnStatus(unsigned char join, unsigned char search1, unsigned char search2) {
    g_joinTable.With([=](CJoinTable& d) { d.SetButtonStatus(join, search1, search2); });
}

void CPartyDlg_DlgInerface::SetExpandInit(tagKWP_TABLE_SET_DEFAULT* defaults) {
    if (!defaults) return;
    g_joinTable.With([defaults](CJoinTable& d) {
        if (d.Panel()) d.Panel()->FillLists(*defaults);
    });
}

void CPartyDlg_DlgInerface::SetJTUseYuCoin(bool use) {
    g_joinTable.With([use](CJoinTable& d) { d.SetUseYuCoin(use); });
}

void CPartyDlg_DlgInerface::SetInputOk(bool ok) { TheJoinTableFlags().inputOk = ok; }
bool CPartyDlg_DlgInerface::GetInputOk() { return TheJoinTableFlags().inputOk; }

void CPartyDlg_DlgInerface::SetJNScoreLooby(bool beans) {
    TheJoinTableFlags().showBeans = beans;
    g_joinTable.With([beans](CJoinTable& d) {
        if (d.Panel()) d.Panel()->SetShowBeans(beans);
    });
}
