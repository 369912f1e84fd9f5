// The C interface of the room, the shared values and the cursor hook: each
// function forwards to its C++ facade.
#include "capi/c_handles.h"

using namespace lobbyui_c;

extern "C" {

void WINAPI CPT_MapInerface_InitArray(tagKWP_ALL_TABLE_INFO* tables) {
    CPT_MapInerface::InitArray(tables);
}

void WINAPI CPT_MapInerface_PlayerCreatAndLeaveTable(tagKWP_SERVER_UPDATE_TABLE* update) {
    CPT_MapInerface::PlayerCreatAndLeaveTable(update);
}

void WINAPI CPT_MapInerface_PlayerAddAndLeave(tagKWP_SERVER_TABLE_STATUS_CHANGE* change) {
    CPT_MapInerface::PlayerAddAndLeave(change);
}

void WINAPI CPT_MapInerface_UpDataTableArray(tagKWP_SERVER_TABLE_STATUS_CHANGE* change) {
    CPT_MapInerface::UpDataTableArray(change);
}

void WINAPI CPT_MapInerface_SetTableArrayIsEmpty(void) {
    CPT_MapInerface::SetTableArrayIsEmpty();
}

void WINAPI CPT_MapInerface_GetTable_A_Struct(unsigned int tableNum, tagKWP_TABLE_LIST_DATA* out) {
    if (out) *out = CPT_MapInerface::GetTable_A_Struct(tableNum);
}

unsigned char WINAPI CPT_MapInerface_AddNewPlayerToMap(tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    return CPT_MapInerface::AddNewPlayerToMap(player);
}

unsigned char WINAPI CPT_MapInerface_RemovePlayerFromMap(unsigned int id) {
    return CPT_MapInerface::RemovePlayerFromMap(id);
}

void WINAPI CPT_MapInerface_RemoveAllPlayerFromMap(void) {
    CPT_MapInerface::RemoveAllPlayerFromMap();
}

unsigned char WINAPI CPT_MapInerface_GetAPlayerData(tagKWP_PLAYER_LIST_DATA_EXTRA** out, unsigned int id) {
    return out ? CPT_MapInerface::GetAPlayerData(*out, id) : 0;
}

unsigned char WINAPI CPT_MapInerface_GetPlayerDataAndNext(tagKWP_PLAYER_LIST_DATA_EXTRA** out, unsigned char restart) {
    return out ? CPT_MapInerface::GetPlayerDataAndNext(*out, restart) : 0;
}

int WINAPI CPT_MapInerface_GetIsAngell(const char* nickName) {
    return CPT_MapInerface::GetIsAngell(const_cast<char*>(nickName)) ? 1 : 0;
}

unsigned char WINAPI CPT_MapInerface_AddPlayerToTable(unsigned int id, unsigned int tableNum) {
    return CPT_MapInerface::AddPlayerToTable(id, tableNum);
}

int WINAPI CPT_MapInerface_GetPlayerTableNum(unsigned int id) {
    return CPT_MapInerface::GetPlayerTableNum(id);
}

unsigned char WINAPI CPT_MapInerface_RemovePlayerFromTable(unsigned int id) {
    return CPT_MapInerface::RemovePlayerFromTable(id);
}

void WINAPI CPT_MapInerface_RemoveAllPlayerFromTable(void) {
    CPT_MapInerface::RemoveAllPlayerFromTable();
}

void WINAPI CPT_MapInerface_FindTable1(void) {
    CPT_MapInerface::FindTable1();
}

void WINAPI CPT_MapInerface_FindTable3(void) {
    CPT_MapInerface::FindTable3();
}

void WINAPI CPT_MapInerface_FindTableNum(void) {
    CPT_MapInerface::FindTableNum();
}

void WINAPI CPT_MapInerface_FindPlayerName(const char* name) {
    CPT_MapInerface::FindPlayerName(name);
}

void WINAPI CPT_MapInerface_GetTableBuf_A_Struct0(tagKWP_TABLE_LIST_DATA* out) {
    if (out) *out = CPT_MapInerface::GetTableBuf_A_Struct0();
}

void WINAPI CPT_MapInerface_SetRedioState(int value) {
    CPT_MapInerface::SetRedioState(value);
}

void WINAPI CPT_MapInerface_SetEditState(int value) {
    CPT_MapInerface::SetEditState(value);
}

void WINAPI CPT_MapInerface_SetCombo1(int value) {
    CPT_MapInerface::SetCombo1(value);
}

void WINAPI CPT_MapInerface_SetCombo2(int value) {
    CPT_MapInerface::SetCombo2(value);
}

void WINAPI CPT_MapInerface_SetCombo3(int value) {
    CPT_MapInerface::SetCombo3(value);
}

void WINAPI CPT_MapInerface_ClearCombo1(void) {
    CPT_MapInerface::SetCombo1();
}

void WINAPI CPT_MapInerface_ClearCombo2(void) {
    CPT_MapInerface::SetCombo2();
}

void WINAPI CPT_MapInerface_ClearCombo3(void) {
    CPT_MapInerface::SetCombo3();
}

void WINAPI CPT_MapInerface_SetEditNum(void) {
    CPT_MapInerface::SetEditNum();
}

void WINAPI CPT_MapInerface_SetEditName(void) {
    CPT_MapInerface::SetEditName();
}

void WINAPI CPT_MapInerface_SwNull(void) {
    CPT_MapInerface::SwNull();
}

unsigned char WINAPI CPT_MapInerface_SwDlgChange(void) {
    return CPT_MapInerface::SwDlgChange();
}

unsigned char WINAPI CPT_MapInerface_GetRedioState(void) {
    return CPT_MapInerface::GetRedioState();
}

unsigned char WINAPI CPT_MapInerface_GetEditState(void) {
    return CPT_MapInerface::GetEditState();
}

unsigned char WINAPI CPT_MapInerface_GetCombo1(void) {
    return CPT_MapInerface::GetCombo1();
}

unsigned char WINAPI CPT_MapInerface_GetCombo2(void) {
    return CPT_MapInerface::GetCombo2();
}

unsigned char WINAPI CPT_MapInerface_GetCombo3(void) {
    return CPT_MapInerface::GetCombo3();
}

unsigned int WINAPI CPT_MapInerface_GetTableMax(void) {
    return CPT_MapInerface::GetTableMax();
}

unsigned int WINAPI CPT_MapInerface_GetTableNum(unsigned int index) {
    return CPT_MapInerface::GetTableNum(index);
}

void WINAPI CPT_MapInerface_GetTableBuf_A_StructEx(tagKWP_TABLE_LIST_DATA* out) {
    if (out) *out = CPT_MapInerface::GetTableBuf_A_StructEx();
}

void WINAPI CPT_MapInerface_GetTableBuf_A_Struct(unsigned int tableNum, tagKWP_TABLE_LIST_DATA* out) {
    if (out) *out = CPT_MapInerface::GetTableBuf_A_Struct(tableNum);
}

void WINAPI CPT_MapInerface_SetTableBufEmpty(void) {
    CPT_MapInerface::SetTableBufEmpty();
}

int WINAPI CPT_MapInerface_GetTableNow(void) {
    return CPT_MapInerface::GetTableNow();
}

void WINAPI CPT_MapInerface_SetTableNow(void) {
    CPT_MapInerface::SetTableNow();
}

void WINAPI CPT_MapInerface_SetPreTableNow(void) {
    CPT_MapInerface::SetPreTableNow();
}

int WINAPI CPT_MapInerface_GetTableNowEx(void) {
    return CPT_MapInerface::GetTableNowEx();
}

void WINAPI CPT_MapInerface_SetTableNowEx(void) {
    CPT_MapInerface::SetTableNowEx();
}

void WINAPI CBaseDataControl_SetGameID(unsigned int id) {
    CBaseDataControl::SetGameID(id);
}

unsigned int WINAPI CBaseDataControl_GetGameID(void) {
    return CBaseDataControl::GetGameID();
}

void WINAPI CBaseDataControl_SetAutoValue(unsigned char value) {
    CBaseDataControl::SetAutoValue(value);
}

unsigned char WINAPI CBaseDataControl_GetAutoValue(void) {
    return CBaseDataControl::GetAutoValue();
}

void WINAPI CBaseDataControl_SetSoundPointer(DIRSOUND* sound) {
    CBaseDataControl::SetSoundPointer(sound);
}

DIRSOUND* WINAPI CBaseDataControl_GetSoundPointer(void) {
    return CBaseDataControl::GetSoundPointer();
}

void WINAPI CBaseDataControl_SetSoundFirstIndex(int index) {
    CBaseDataControl::SetSoundFirstIndex(index);
}

int WINAPI CBaseDataControl_GetSoundFirstIdx(void) {
    return CBaseDataControl::GetSoundFirstIdx();
}

void WINAPI CBaseDataControl_SetTrackPopMenu(void* record) {
    CBaseDataControl::SetTrackPopMenu(record);
}

void* WINAPI CBaseDataControl_GetTrackPopMenu(void) {
    return CBaseDataControl::GetTrackPopMenu();
}

void WINAPI CBaseDataControl_TrackPopMenu(POINT pt, HWND owner, HMENU menu) {
    CBaseDataControl::TrackPopMenu(pt, owner, menu);
}

int WINAPI LobbyUi_RXCursorfun(HICON* cursor) {
    return RXCursorfun(cursor) ? 1 : 0;
}

}  // extern "C"
