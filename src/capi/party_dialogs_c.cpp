// The C interface of the party dialogs and flags: each function forwards to
// CPartyDlg_DlgInerface.
#include "capi/c_handles.h"

using namespace lobbyui_c;

extern "C" {

void WINAPI CPartyDlg_DlgInerface_SetIfPartyBtnLock(unsigned char lock) {
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(lock);
}

unsigned char WINAPI CPartyDlg_DlgInerface_GetIfPartyBtnLock(void) {
    return CPartyDlg_DlgInerface::GetIfPartyBtnLock();
}

void WINAPI CPartyDlg_DlgInerface_SetIsCreatelock(int lock) {
    CPartyDlg_DlgInerface::SetIsCreatelock(lock != 0);
}

int WINAPI CPartyDlg_DlgInerface_GetIsCreateLock(void) {
    return CPartyDlg_DlgInerface::GetIsCreateLock() ? 1 : 0;
}

void WINAPI CPartyDlg_DlgInerface_SetIfMinWin(int minimised) {
    CPartyDlg_DlgInerface::SetIfMinWin(minimised != 0);
}

int WINAPI CPartyDlg_DlgInerface_GetIfMinWin(void) {
    return CPartyDlg_DlgInerface::GetIfMinWin() ? 1 : 0;
}

void WINAPI CPartyDlg_DlgInerface_SetMultiplelmt(unsigned char limit) {
    CPartyDlg_DlgInerface::SetMultiplelmt(limit);
}

int WINAPI CPartyDlg_DlgInerface_GetMultiplelmt(void) {
    return CPartyDlg_DlgInerface::GetMultiplelmt();
}

void WINAPI CPartyDlg_DlgInerface_SetIsAddMult(unsigned char on) {
    CPartyDlg_DlgInerface::SetIsAddMult(on);
}

int WINAPI CPartyDlg_DlgInerface_GetIsAddMult(void) {
    return CPartyDlg_DlgInerface::GetIsAddMult() ? 1 : 0;
}

void WINAPI CPartyDlg_DlgInerface_CreatePlayerLBDlg(HWND parent) {
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(WndOf(parent));
}

void WINAPI CPartyDlg_DlgInerface_ShowPlayerLBDlg(void) {
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
}

void WINAPI CPartyDlg_DlgInerface_HidePlayerLBDlg(void) {
    CPartyDlg_DlgInerface::HidePlayerLBDlg();
}

void WINAPI CPartyDlg_DlgInerface_DestroyPlayerLBDlg(void) {
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
}

void WINAPI CPartyDlg_DlgInerface_ShowPlayerLB(void) {
    CPartyDlg_DlgInerface::ShowPlayerLB();
}

void WINAPI CPartyDlg_DlgInerface_RedrawPlayerLB(unsigned char erase) {
    CPartyDlg_DlgInerface::RedrawPlayerLB(erase);
}

void WINAPI CPartyDlg_DlgInerface_AddPlayer(tagKWP_PLAYER_LIST_DATA_EXTRA* player, unsigned char atTop, unsigned char redraw) {
    CPartyDlg_DlgInerface::AddPlayer(player, atTop, redraw);
}

void WINAPI CPartyDlg_DlgInerface_RemoveAPlayer(int playerId) {
    CPartyDlg_DlgInerface::RemoveAPlayer(playerId);
}

void WINAPI CPartyDlg_DlgInerface_SetPlayerLBImgList(HIMAGELIST images, ePALYER_LIST_PIC_GROUP group) {
    CPartyDlg_DlgInerface::SetPlayerLBImgList(ImageListOf(images), group);
}

void WINAPI CPartyDlg_DlgInerface_SetPlayerLB_BG_Bitmap(HBITMAP background) {
    CPartyDlg_DlgInerface::SetPlayerLB_BG_Bitmap(BitmapOf(background));
}

void WINAPI CPartyDlg_DlgInerface_SetLBScoreLooby(int beans) {
    CPartyDlg_DlgInerface::SetLBScoreLooby(beans != 0);
}

void WINAPI CPartyDlg_DlgInerface_SetPlayerListUseYuCoin(int use) {
    CPartyDlg_DlgInerface::SetPlayerListUseYuCoin(use != 0);
}

void WINAPI CPartyDlg_DlgInerface_IsShowConTestBtn(int show, int contestNumber) {
    CPartyDlg_DlgInerface::IsShowConTestBtn(show, contestNumber);
}

void WINAPI CPartyDlg_DlgInerface_SetData1(tagKWP_MERIT_DETAIL* merit) {
    CPartyDlg_DlgInerface::SetData1(merit);
}

void WINAPI CPartyDlg_DlgInerface_SetData2(tagKWP_PLAYER_ALL_VIEW* view) {
    CPartyDlg_DlgInerface::SetData2(view);
}

void WINAPI CPartyDlg_DlgInerface_GoToUpData(void) {
    CPartyDlg_DlgInerface::GoToUpData();
}

HMENU WINAPI CPartyDlg_DlgInerface_GetPopupMenuHandle(void) {
    return CPartyDlg_DlgInerface::GetPopupMenuHandle();
}

void WINAPI CPartyDlg_DlgInerface_CreateJTDlg(HWND parent) {
    CPartyDlg_DlgInerface::CreateJTDlg(WndOf(parent));
}

void WINAPI CPartyDlg_DlgInerface_ShowJTDlg(eJTDLG_ACTIVE_TYPE type, tagKWP_TABLE_LIST_DATA* table) {
    CPartyDlg_DlgInerface::ShowJTDlg(type, table);
}

void WINAPI CPartyDlg_DlgInerface_HideJTDlg(void) {
    CPartyDlg_DlgInerface::HideJTDlg();
}

void WINAPI CPartyDlg_DlgInerface_DestroyJTDlg(void) {
    CPartyDlg_DlgInerface::DestroyJTDlg();
}

void WINAPI CPartyDlg_DlgInerface_SetJTFocusTable(tagKWP_TABLE_LIST_DATA* table) {
    CPartyDlg_DlgInerface::SetJTFocusTable(table);
}

void WINAPI CPartyDlg_DlgInerface_SetJTActType(eJTDLG_ACTIVE_TYPE type) {
    CPartyDlg_DlgInerface::SetJTActType(type);
}

eJTDLG_ACTIVE_TYPE WINAPI CPartyDlg_DlgInerface_GetJTActType(void) {
    return CPartyDlg_DlgInerface::GetJTActType();
}

unsigned short WINAPI CPartyDlg_DlgInerface_GetJTFocusTableIndx(void) {
    return CPartyDlg_DlgInerface::GetJTFocusTableIndx();
}

void WINAPI CPartyDlg_DlgInerface_SetJTBtnStatus(unsigned char join, unsigned char search1, unsigned char search2) {
    CPartyDlg_DlgInerface::SetJTBtnStatus(join, search1, search2);
}

void WINAPI CPartyDlg_DlgInerface_SetExpandInit(tagKWP_TABLE_SET_DEFAULT* defaults) {
    CPartyDlg_DlgInerface::SetExpandInit(defaults);
}

void WINAPI CPartyDlg_DlgInerface_SetJTUseYuCoin(int use) {
    CPartyDlg_DlgInerface::SetJTUseYuCoin(use != 0);
}

void WINAPI CPartyDlg_DlgInerface_SetInputOk(int ok) {
    CPartyDlg_DlgInerface::SetInputOk(ok != 0);
}

int WINAPI CPartyDlg_DlgInerface_GetInputOk(void) {
    return CPartyDlg_DlgInerface::GetInputOk() ? 1 : 0;
}

void WINAPI CPartyDlg_DlgInerface_SetJNScoreLooby(int beans) {
    CPartyDlg_DlgInerface::SetJNScoreLooby(beans != 0);
}

void WINAPI CPartyDlg_DlgInerface_CreatePWDlg(HWND parent) {
    CPartyDlg_DlgInerface::CreatePWDlg(WndOf(parent));
}

void WINAPI CPartyDlg_DlgInerface_ShowPWDlg(unsigned short tableNum) {
    CPartyDlg_DlgInerface::ShowPWDlg(tableNum);
}

void WINAPI CPartyDlg_DlgInerface_HidePWDlg(void) {
    CPartyDlg_DlgInerface::HidePWDlg();
}

void WINAPI CPartyDlg_DlgInerface_DestroyPWDlg(void) {
    CPartyDlg_DlgInerface::DestroyPWDlg();
}

void WINAPI CPartyDlg_DlgInerface_CreateCTDlg(HWND parent) {
    CPartyDlg_DlgInerface::CreateCTDlg(WndOf(parent));
}

void WINAPI CPartyDlg_DlgInerface_ShowCTDlg(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum) {
    CPartyDlg_DlgInerface::ShowCTDlg(defaults, tableNum);
}

void WINAPI CPartyDlg_DlgInerface_HideCTDlg(void) {
    CPartyDlg_DlgInerface::HideCTDlg();
}

void WINAPI CPartyDlg_DlgInerface_DestroyCTDlg(void) {
    CPartyDlg_DlgInerface::DestroyCTDlg();
}

void WINAPI CPartyDlg_DlgInerface_CTDlgSetIfRefreshDefault(unsigned char refresh) {
    CPartyDlg_DlgInerface::CTDlgSetIfRefreshDefault(refresh);
}

void WINAPI CPartyDlg_DlgInerface_SetIfLockCTDlg(unsigned char lock) {
    CPartyDlg_DlgInerface::SetIfLockCTDlg(lock);
}

unsigned char WINAPI CPartyDlg_DlgInerface_GetIfLockCTDlg(void) {
    return CPartyDlg_DlgInerface::GetIfLockCTDlg();
}

void WINAPI CPartyDlg_DlgInerface_SetSpecialCTDlg(int value) {
    CPartyDlg_DlgInerface::SetSpecialCTDlg(value);
}

void WINAPI CPartyDlg_DlgInerface_SetCTReqNum(unsigned short number) {
    CPartyDlg_DlgInerface::SetCTReqNum(number);
}

unsigned short WINAPI CPartyDlg_DlgInerface_GetCTReqNum(void) {
    return CPartyDlg_DlgInerface::GetCTReqNum();
}

void WINAPI CPartyDlg_DlgInerface_CTDlgSetYuCoinUse(int use) {
    CPartyDlg_DlgInerface::CTDlgSetYuCoinUse(use != 0);
}

void WINAPI CPartyDlg_DlgInerface_SetLobbyYuCoinUse(int use) {
    CPartyDlg_DlgInerface::SetLobbyYuCoinUse(use != 0);
}

void WINAPI CPartyDlg_DlgInerface_CteateCTDlgNew(HWND parent) {
    CPartyDlg_DlgInerface::CteateCTDlgNew(WndOf(parent));
}

void WINAPI CPartyDlg_DlgInerface_ShowCTDlgNew(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum) {
    CPartyDlg_DlgInerface::ShowCTDlgNew(defaults, tableNum);
}

void WINAPI CPartyDlg_DlgInerface_HideCTDlgNew(void) {
    CPartyDlg_DlgInerface::HideCTDlgNew();
}

void WINAPI CPartyDlg_DlgInerface_DestroyCTDlgNew(void) {
    CPartyDlg_DlgInerface::DestroyCTDlgNew();
}

void WINAPI CPartyDlg_DlgInerface_InvalidateNew(void) {
    CPartyDlg_DlgInerface::InvalidateNew();
}

int WINAPI CPartyDlg_DlgInerface_IsWindowVisibleCT(void) {
    return CPartyDlg_DlgInerface::IsWindowVisibleCT() ? 1 : 0;
}

void WINAPI CPartyDlg_DlgInerface_HideAltMCTDlg(int show) {
    CPartyDlg_DlgInerface::HideAltMCTDlg(show != 0);
}

void WINAPI CPartyDlg_DlgInerface_SetIsRestore(int restore) {
    CPartyDlg_DlgInerface::SetIsRestore(restore != 0);
}

int WINAPI CPartyDlg_DlgInerface_GetIsRestore(void) {
    return CPartyDlg_DlgInerface::GetIsRestore() ? 1 : 0;
}

void WINAPI CPartyDlg_DlgInerface_SetIfLockCTDlgNew(unsigned char lock) {
    CPartyDlg_DlgInerface::SetIfLockCTDlgNew(lock);
}

unsigned char WINAPI CPartyDlg_DlgInerface_GetIfLockCTDlgNew(void) {
    return CPartyDlg_DlgInerface::GetIfLockCTDlgNew();
}

void WINAPI CPartyDlg_DlgInerface_SetCTReqNumNew(unsigned short number) {
    CPartyDlg_DlgInerface::SetCTReqNumNew(number);
}

unsigned short WINAPI CPartyDlg_DlgInerface_GetCTReqNumNew(void) {
    return CPartyDlg_DlgInerface::GetCTReqNumNew();
}

void WINAPI CPartyDlg_DlgInerface_CTDlgSetIfRefreshDefaultNew(unsigned char refresh) {
    CPartyDlg_DlgInerface::CTDlgSetIfRefreshDefaultNew(refresh);
}

void WINAPI CPartyDlg_DlgInerface_CTDlgSetYuCoinUseNew(int use) {
    CPartyDlg_DlgInerface::CTDlgSetYuCoinUseNew(use != 0);
}

void WINAPI CPartyDlg_DlgInerface_SetSpecialCTDlgNew(int value) {
    CPartyDlg_DlgInerface::SetSpecialCTDlgNew(value);
}

void WINAPI CPartyDlg_DlgInerface_SetCTScoreLooby(int beans) {
    CPartyDlg_DlgInerface::SetCTScoreLooby(beans != 0);
}

void WINAPI CPartyDlg_DlgInerface_SetPlaySelfName(const char* name) {
    CPartyDlg_DlgInerface::SetPlaySelfName(const_cast<char*>(name));
}

}  // extern "C"
