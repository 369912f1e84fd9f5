// The C interface of the score dialog and the base-data panel: each function
// forwards to its C++ facade.
#include "capi/c_handles.h"

using namespace lobbyui_c;

extern "C" {

void WINAPI CPSDlg_Interface_CreatePS_Dlg(HWND parent) {
    CPSDlg_Interface::CreatePS_Dlg(WndOf(parent));
}

void WINAPI CPSDlg_Interface_ShowPS_Dlg(const char* name) {
    CPSDlg_Interface::ShowPS_Dlg(const_cast<char*>(name));
}

void WINAPI CPSDlg_Interface_HidePS_Dlg(void) {
    CPSDlg_Interface::HidePS_Dlg();
}

unsigned char WINAPI CPSDlg_Interface_IfPS_DlgVisible(void) {
    return CPSDlg_Interface::IfPS_DlgVisible();
}

void WINAPI CPSDlg_Interface_SetPS_DlgData(tagKWP_MERIT_DETAIL* merit) {
    CPSDlg_Interface::SetPS_DlgData(merit);
}

void WINAPI CPSDlg_Interface_SetPS_DlgData1(tagKWP_USER_CONTEST_SCORE_INFO* contest) {
    CPSDlg_Interface::SetPS_DlgData1(contest);
}

void WINAPI CPSDlg_Interface_SetPS_DlgData2(tagKWP_PLAYER_ALL_VIEW* view) {
    CPSDlg_Interface::SetPS_DlgData2(view);
}

void WINAPI CPSDlg_Interface_SetPS_DlgYuCoinUse(int use) {
    CPSDlg_Interface::SetPS_DlgYuCoinUse(use != 0);
}

void WINAPI CPSDlg_Interface_DestroyPS_Dlg(void) {
    CPSDlg_Interface::DestroyPS_Dlg();
}

void WINAPI CPBDDlg_Interface_CreatePBD_Dlg(HWND parent) {
    CPBDDlg_Interface::CreatePBD_Dlg(WndOf(parent));
}

void WINAPI CPBDDlg_Interface_ShowPBD_Dlg(void) {
    CPBDDlg_Interface::ShowPBD_Dlg();
}

void WINAPI CPBDDlg_Interface_HidePBD_Dlg(void) {
    CPBDDlg_Interface::HidePBD_Dlg();
}

void WINAPI CPBDDlg_Interface_RefreshPBD_Dlg(tagKWPCEN_PREVIEW_DATA* data, unsigned char status) {
    CPBDDlg_Interface::RefreshPBD_Dlg(data, status);
}

void WINAPI CPBDDlg_Interface_PBDDLG_SetYuCoinUse(int use) {
    CPBDDlg_Interface::PBDDLG_SetYuCoinUse(use != 0);
}

void WINAPI CPBDDlg_Interface_DestroyPDB_Dlg(void) {
    CPBDDlg_Interface::DestroyPDB_Dlg();
}

}  // extern "C"
