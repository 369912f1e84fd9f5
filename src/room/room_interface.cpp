#include <lobbyui/room.h>

#include "room/lobby_room.h"

// The exported facade: every function forwards to the one room.

void CPT_MapInerface::InitArray(tagKWP_ALL_TABLE_INFO* tables) {
    TheRoom().state.InitArray(tables);
}

void CPT_MapInerface::PlayerCreatAndLeaveTable(tagKWP_SERVER_UPDATE_TABLE* update) {
    TheRoom().state.PlayerCreatAndLeaveTable(update);
}

void CPT_MapInerface::PlayerAddAndLeave(tagKWP_SERVER_TABLE_STATUS_CHANGE* change) {
    TheRoom().state.PlayerAddAndLeave(change);
}

void CPT_MapInerface::UpDataTableArray(tagKWP_SERVER_TABLE_STATUS_CHANGE* change) {
    TheRoom().state.UpDataTableArray(change);
}

void CPT_MapInerface::SetTableArrayIsEmpty() {
    TheRoom().state.SetTableArrayIsEmpty();
}

tagKWP_TABLE_LIST_DATA CPT_MapInerface::GetTable_A_Struct(unsigned int tableNum) {
    return TheRoom().state.GetTable_A_Struct(tableNum);
}

unsigned char CPT_MapInerface::AddNewPlayerToMap(tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    return TheRoom().state.AddNewPlayerToMap(player);
}

unsigned char CPT_MapInerface::RemovePlayerFromMap(unsigned int id) {
    return TheRoom().state.RemovePlayerFromMap(id);
}

void CPT_MapInerface::RemoveAllPlayerFromMap() {
    TheRoom().state.RemoveAllPlayerFromMap();
}

unsigned char CPT_MapInerface::GetAPlayerData(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned int id) {
    return TheRoom().state.GetAPlayerData(out, id);
}

unsigned char CPT_MapInerface::GetPlayerDataAndNext(tagKWP_PLAYER_LIST_DATA_EXTRA*& out, unsigned char restart) {
    return TheRoom().state.GetPlayerDataAndNext(out, restart);
}

bool CPT_MapInerface::GetIsAngell(char* nickName) {
    return TheRoom().state.GetIsAngell(nickName);
}

unsigned char CPT_MapInerface::AddPlayerToTable(unsigned int id, unsigned int tableNum) {
    return TheRoom().state.AddPlayerToTable(id, tableNum);
}

int CPT_MapInerface::GetPlayerTableNum(unsigned int id) {
    return TheRoom().state.GetPlayerTableNum(id);
}

unsigned char CPT_MapInerface::RemovePlayerFromTable(unsigned int id) {
    return TheRoom().state.RemovePlayerFromTable(id);
}

void CPT_MapInerface::RemoveAllPlayerFromTable() {
    TheRoom().state.RemoveAllPlayerFromTable();
}

void CPT_MapInerface::FindTable1() {
    TheRoom().finder.FindTable1();
}

void CPT_MapInerface::FindTable3() {
    TheRoom().finder.FindTable3();
}

void CPT_MapInerface::FindTableNum() {
    TheRoom().finder.FindTableNum();
}

void CPT_MapInerface::FindPlayerName(CString name) {
    TheRoom().finder.FindPlayerName(name.GetString());
}

tagKWP_TABLE_LIST_DATA CPT_MapInerface::GetTableBuf_A_Struct0() {
    return TheRoom().finder.GetTableBuf_A_Struct0();
}

void CPT_MapInerface::SetRedioState(int value) {
    TheRoom().finder.SetRedioState(value);
}

void CPT_MapInerface::SetEditState(int value) {
    TheRoom().finder.SetEditState(value);
}

void CPT_MapInerface::SetCombo1(int value) {
    TheRoom().finder.SetCombo1(value);
}

void CPT_MapInerface::SetCombo2(int value) {
    TheRoom().finder.SetCombo2(value);
}

void CPT_MapInerface::SetCombo3(int value) {
    TheRoom().finder.SetCombo3(value);
}

void CPT_MapInerface::SetCombo1() {
    TheRoom().finder.SetCombo1();
}

void CPT_MapInerface::SetCombo2() {
    TheRoom().finder.SetCombo2();
}

void CPT_MapInerface::SetCombo3() {
    TheRoom().finder.SetCombo3();
}

void CPT_MapInerface::SetEditNum() {
    TheRoom().finder.SetEditNum();
}

void CPT_MapInerface::SetEditName() {
    TheRoom().finder.SetEditName();
}

void CPT_MapInerface::SwNull() {
    TheRoom().finder.SwNull();
}

unsigned char CPT_MapInerface::SwDlgChange() {
    return TheRoom().finder.SwDlgChange();
}

unsigned char CPT_MapInerface::GetRedioState() {
    return TheRoom().finder.GetRedioState();
}

unsigned char CPT_MapInerface::GetEditState() {
    return TheRoom().finder.GetEditState();
}

unsigned char CPT_MapInerface::GetCombo1() {
    return TheRoom().finder.GetCombo1();
}

unsigned char CPT_MapInerface::GetCombo2() {
    return TheRoom().finder.GetCombo2();
}

unsigned char CPT_MapInerface::GetCombo3() {
    return TheRoom().finder.GetCombo3();
}

unsigned int CPT_MapInerface::GetTableMax() {
    return TheRoom().finder.GetTableMax();
}

unsigned int CPT_MapInerface::GetTableNum(unsigned int index) {
    return TheRoom().finder.GetTableNum(index);
}

tagKWP_TABLE_LIST_DATA CPT_MapInerface::GetTableBuf_A_StructEx() {
    return TheRoom().finder.GetTableBuf_A_StructEx();
}

tagKWP_TABLE_LIST_DATA CPT_MapInerface::GetTableBuf_A_Struct(unsigned int tableNum) {
    return TheRoom().finder.GetTableBuf_A_Struct(tableNum);
}

void CPT_MapInerface::SetTableBufEmpty() {
    TheRoom().finder.SetTableBufEmpty();
}

int CPT_MapInerface::GetTableNow() {
    return TheRoom().finder.GetTableNow();
}

void CPT_MapInerface::SetTableNow() {
    TheRoom().finder.SetTableNow();
}

void CPT_MapInerface::SetPreTableNow() {
    TheRoom().finder.SetPreTableNow();
}

int CPT_MapInerface::GetTableNowEx() {
    return TheRoom().finder.GetTableNowEx();
}

void CPT_MapInerface::SetTableNowEx() {
    TheRoom().finder.SetTableNowEx();
}
