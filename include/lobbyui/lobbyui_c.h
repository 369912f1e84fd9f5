/* LobbyUi's C interface: every host function of the C++ facades as a
   __stdcall C function, exported from LobbyUi.dll under its plain name, for
   hosts built with any compiler or language (Visual C++, Delphi, .NET).

   Class::Function is Class_Function and RXCursorfun is LobbyUi_RXCursorfun;
   the argument-less SetCombo1/2/3 are CPT_MapInerface_ClearCombo1/2/3. Each
   does what the C++ function does, with Win32 handles in place of the
   framework classes:
     CWnd*       HWND (NULL as a null pointer)
     CImageList* HIMAGELIST, CBitmap* HBITMAP: the host's, never freed
     CString     const char*, NUL-terminated GBK; NULL reads as ""
     CRect       const RECT*; NULL reads as an empty rectangle
     bool        int: any nonzero value in is true; 0 or 1 out
     T&          T*: NULL makes the call do nothing and answer 0
     CButton*    LOBBYUI_HBUTTON, CDialog* (web) LOBBYUI_HWEBDLG: opaque
   Records are the same tag... structures, laid out byte for byte as the C++
   headers check; the messages the library sends are in lobbyui/messages.h.

   Threads: the dialogs, room-entrance buttons and web dialogs belong to the
   thread that made them, the host's user-interface thread; call their
   functions there only. That includes every function that takes or gives a
   LOBBYUI_HBUTTON or LOBBYUI_HWEBDLG: the library's lists of the buttons
   and web dialogs it handed out have no lock. The room's players may be
   fed from any thread (see the room below).

   Calling back: any function may be called from inside any message the
   library sends or makes Windows send. A Destroy... called while the
   system's own procedure of one of the library's controls is running (1229
   code 4 while the player list's list box draws a row, a report of a press
   of a new create-table dialog's button) ends the dialog at once (its show
   ended, hidden, quiet, its getters answering as for no dialog) and
   destroys its window once the outermost such procedure has returned;
   IsWindow finds the window until then. A Destroy... called while the
   dialog's window is being made (from the WM_PARENTNOTIFY that making the
   player list or the base-data panel sends the host) ends it the same way,
   and its Create... destroys it before returning. */
#ifndef LOBBYUI_LOBBYUI_C_H
#define LOBBYUI_LOBBYUI_C_H

#include <windows.h>
#include <commctrl.h>

#include <lobbyui/dialog_enums.h>
#include <lobbyui/game_server.h>
#include <lobbyui/messages.h>
#include <lobbyui/player_stats.h>
#include <lobbyui/room_records.h>
#include <lobbyui/table_settings.h>
#include <lobbyui/track_pop_menu.h>

/* The host's sound object, passed through as a pointer (lobbyui/sound.h
   gives its layout). */
#if defined(__cplusplus)
class DIRSOUND;
#else
typedef struct DIRSOUND DIRSOUND;
#endif

/* A room-entrance button and a web dialog, as the library hands them out. */
typedef struct LobbyUiButtonTag* LOBBYUI_HBUTTON;
typedef struct LobbyUiWebDialogTag* LOBBYUI_HWEBDLG;

#if defined(LOBBYUI_BUILDING)
#  define LOBBYUI_C_API
#else
#  define LOBBYUI_C_API __declspec(dllimport)
#endif

#if defined(__cplusplus)
extern "C" {
#endif

/* The room and its table finder (lobbyui/room.h). A record the C++ function
   returns by value is written to *out instead; a null out writes nothing. A
   null out of GetAPlayerData and GetPlayerDataAndNext answers 0.
   The player functions, AddNewPlayerToMap to RemoveAllPlayerFromTable, take
   the room's lock and may be called from any thread. The table array
   (InitArray to GetTable_A_Struct) and the searches have no lock: one
   thread at a time, the host's own lock around them if it feeds tables from
   another thread.
   GetAPlayerData and GetPlayerDataAndNext set *out to the library's own
   record of the player, not a copy: it stays as it is until that player is
   removed, and is then reused for a player added later, so a host feeding
   the room from another thread copies it under its own lock. */
LOBBYUI_C_API void WINAPI CPT_MapInerface_InitArray(tagKWP_ALL_TABLE_INFO* tables);
LOBBYUI_C_API void WINAPI CPT_MapInerface_PlayerCreatAndLeaveTable(tagKWP_SERVER_UPDATE_TABLE* update);
LOBBYUI_C_API void WINAPI CPT_MapInerface_PlayerAddAndLeave(tagKWP_SERVER_TABLE_STATUS_CHANGE* change);
LOBBYUI_C_API void WINAPI CPT_MapInerface_UpDataTableArray(tagKWP_SERVER_TABLE_STATUS_CHANGE* change);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetTableArrayIsEmpty(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_GetTable_A_Struct(unsigned int tableNum, tagKWP_TABLE_LIST_DATA* out);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_AddNewPlayerToMap(tagKWP_PLAYER_LIST_DATA_EXTRA* player);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_RemovePlayerFromMap(unsigned int id);
LOBBYUI_C_API void WINAPI CPT_MapInerface_RemoveAllPlayerFromMap(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetAPlayerData(tagKWP_PLAYER_LIST_DATA_EXTRA** out, unsigned int id);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetPlayerDataAndNext(tagKWP_PLAYER_LIST_DATA_EXTRA** out, unsigned char restart);
LOBBYUI_C_API int WINAPI CPT_MapInerface_GetIsAngell(const char* nickName);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_AddPlayerToTable(unsigned int id, unsigned int tableNum);
LOBBYUI_C_API int WINAPI CPT_MapInerface_GetPlayerTableNum(unsigned int id);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_RemovePlayerFromTable(unsigned int id);
LOBBYUI_C_API void WINAPI CPT_MapInerface_RemoveAllPlayerFromTable(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_FindTable1(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_FindTable3(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_FindTableNum(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_FindPlayerName(const char* name);
LOBBYUI_C_API void WINAPI CPT_MapInerface_GetTableBuf_A_Struct0(tagKWP_TABLE_LIST_DATA* out);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetRedioState(int value);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetEditState(int value);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetCombo1(int value);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetCombo2(int value);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetCombo3(int value);
LOBBYUI_C_API void WINAPI CPT_MapInerface_ClearCombo1(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_ClearCombo2(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_ClearCombo3(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetEditNum(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetEditName(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SwNull(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_SwDlgChange(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetRedioState(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetEditState(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetCombo1(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetCombo2(void);
LOBBYUI_C_API unsigned char WINAPI CPT_MapInerface_GetCombo3(void);
LOBBYUI_C_API unsigned int WINAPI CPT_MapInerface_GetTableMax(void);
LOBBYUI_C_API unsigned int WINAPI CPT_MapInerface_GetTableNum(unsigned int index);
LOBBYUI_C_API void WINAPI CPT_MapInerface_GetTableBuf_A_StructEx(tagKWP_TABLE_LIST_DATA* out);
LOBBYUI_C_API void WINAPI CPT_MapInerface_GetTableBuf_A_Struct(unsigned int tableNum, tagKWP_TABLE_LIST_DATA* out);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetTableBufEmpty(void);
LOBBYUI_C_API int WINAPI CPT_MapInerface_GetTableNow(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetTableNow(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetPreTableNow(void);
LOBBYUI_C_API int WINAPI CPT_MapInerface_GetTableNowEx(void);
LOBBYUI_C_API void WINAPI CPT_MapInerface_SetTableNowEx(void);

/* Values many dialogs share (lobbyui/base_data_control.h). SetTrackPopMenu
   takes the host's tagTRACK_POP_MENU (lobbyui/track_pop_menu.h). */
LOBBYUI_C_API void WINAPI CBaseDataControl_SetGameID(unsigned int id);
LOBBYUI_C_API unsigned int WINAPI CBaseDataControl_GetGameID(void);
LOBBYUI_C_API void WINAPI CBaseDataControl_SetAutoValue(unsigned char value);
LOBBYUI_C_API unsigned char WINAPI CBaseDataControl_GetAutoValue(void);
LOBBYUI_C_API void WINAPI CBaseDataControl_SetSoundPointer(DIRSOUND* sound);
LOBBYUI_C_API DIRSOUND* WINAPI CBaseDataControl_GetSoundPointer(void);
LOBBYUI_C_API void WINAPI CBaseDataControl_SetSoundFirstIndex(int index);
LOBBYUI_C_API int WINAPI CBaseDataControl_GetSoundFirstIdx(void);
LOBBYUI_C_API void WINAPI CBaseDataControl_SetTrackPopMenu(void* record);
LOBBYUI_C_API void* WINAPI CBaseDataControl_GetTrackPopMenu(void);
LOBBYUI_C_API void WINAPI CBaseDataControl_TrackPopMenu(POINT pt, HWND owner, HMENU menu);

/* The party flags, the player list, the join-table, password and both
   create-table dialogs (lobbyui/party_dialogs.h).
   AddPlayer keeps the host's pointer, not a copy: the list reads the record
   whenever it draws, sorts or reports that row (1229 codes 1 to 4 point to
   its acNickName), so it must stay valid and in place until RemoveAPlayer
   has removed the row or the player list has been destroyed (its window
   gone, as above). GetPopupMenuHandle gives the player list's own menu:
   it goes with the list and is not the host's to destroy. */
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIfPartyBtnLock(unsigned char lock);
LOBBYUI_C_API unsigned char WINAPI CPartyDlg_DlgInerface_GetIfPartyBtnLock(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIsCreatelock(int lock);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_GetIsCreateLock(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIfMinWin(int minimised);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_GetIfMinWin(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetMultiplelmt(unsigned char limit);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_GetMultiplelmt(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIsAddMult(unsigned char on);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_GetIsAddMult(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CreatePlayerLBDlg(HWND parent);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_ShowPlayerLBDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_HidePlayerLBDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_DestroyPlayerLBDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_ShowPlayerLB(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_RedrawPlayerLB(unsigned char erase);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_AddPlayer(tagKWP_PLAYER_LIST_DATA_EXTRA* player, unsigned char atTop, unsigned char redraw);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_RemoveAPlayer(int playerId);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetPlayerLBImgList(HIMAGELIST images, ePALYER_LIST_PIC_GROUP group);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetPlayerLB_BG_Bitmap(HBITMAP background);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetLBScoreLooby(int beans);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetPlayerListUseYuCoin(int use);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_IsShowConTestBtn(int show, int contestNumber);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetData1(tagKWP_MERIT_DETAIL* merit);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetData2(tagKWP_PLAYER_ALL_VIEW* view);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_GoToUpData(void);
LOBBYUI_C_API HMENU WINAPI CPartyDlg_DlgInerface_GetPopupMenuHandle(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CreateJTDlg(HWND parent);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_ShowJTDlg(eJTDLG_ACTIVE_TYPE type, tagKWP_TABLE_LIST_DATA* table);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_HideJTDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_DestroyJTDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetJTFocusTable(tagKWP_TABLE_LIST_DATA* table);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetJTActType(eJTDLG_ACTIVE_TYPE type);
LOBBYUI_C_API eJTDLG_ACTIVE_TYPE WINAPI CPartyDlg_DlgInerface_GetJTActType(void);
LOBBYUI_C_API unsigned short WINAPI CPartyDlg_DlgInerface_GetJTFocusTableIndx(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetJTBtnStatus(unsigned char join, unsigned char search1, unsigned char search2);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetExpandInit(tagKWP_TABLE_SET_DEFAULT* defaults);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetJTUseYuCoin(int use);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetInputOk(int ok);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_GetInputOk(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetJNScoreLooby(int beans);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CreatePWDlg(HWND parent);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_ShowPWDlg(unsigned short tableNum);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_HidePWDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_DestroyPWDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CreateCTDlg(HWND parent);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_ShowCTDlg(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_HideCTDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_DestroyCTDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CTDlgSetIfRefreshDefault(unsigned char refresh);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIfLockCTDlg(unsigned char lock);
LOBBYUI_C_API unsigned char WINAPI CPartyDlg_DlgInerface_GetIfLockCTDlg(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetSpecialCTDlg(int value);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetCTReqNum(unsigned short number);
LOBBYUI_C_API unsigned short WINAPI CPartyDlg_DlgInerface_GetCTReqNum(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CTDlgSetYuCoinUse(int use);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetLobbyYuCoinUse(int use);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CteateCTDlgNew(HWND parent);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_ShowCTDlgNew(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_HideCTDlgNew(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_DestroyCTDlgNew(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_InvalidateNew(void);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_IsWindowVisibleCT(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_HideAltMCTDlg(int show);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIsRestore(int restore);
LOBBYUI_C_API int WINAPI CPartyDlg_DlgInerface_GetIsRestore(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetIfLockCTDlgNew(unsigned char lock);
LOBBYUI_C_API unsigned char WINAPI CPartyDlg_DlgInerface_GetIfLockCTDlgNew(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetCTReqNumNew(unsigned short number);
LOBBYUI_C_API unsigned short WINAPI CPartyDlg_DlgInerface_GetCTReqNumNew(void);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CTDlgSetIfRefreshDefaultNew(unsigned char refresh);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_CTDlgSetYuCoinUseNew(int use);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetSpecialCTDlgNew(int value);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetCTScoreLooby(int beans);
LOBBYUI_C_API void WINAPI CPartyDlg_DlgInerface_SetPlaySelfName(const char* name);

/* The player score dialog (lobbyui/player_info.h). */
LOBBYUI_C_API void WINAPI CPSDlg_Interface_CreatePS_Dlg(HWND parent);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_ShowPS_Dlg(const char* name);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_HidePS_Dlg(void);
LOBBYUI_C_API unsigned char WINAPI CPSDlg_Interface_IfPS_DlgVisible(void);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_SetPS_DlgData(tagKWP_MERIT_DETAIL* merit);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_SetPS_DlgData1(tagKWP_USER_CONTEST_SCORE_INFO* contest);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_SetPS_DlgData2(tagKWP_PLAYER_ALL_VIEW* view);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_SetPS_DlgYuCoinUse(int use);
LOBBYUI_C_API void WINAPI CPSDlg_Interface_DestroyPS_Dlg(void);

/* The base-data panel (lobbyui/player_info.h). */
LOBBYUI_C_API void WINAPI CPBDDlg_Interface_CreatePBD_Dlg(HWND parent);
LOBBYUI_C_API void WINAPI CPBDDlg_Interface_ShowPBD_Dlg(void);
LOBBYUI_C_API void WINAPI CPBDDlg_Interface_HidePBD_Dlg(void);
LOBBYUI_C_API void WINAPI CPBDDlg_Interface_RefreshPBD_Dlg(tagKWPCEN_PREVIEW_DATA* data, unsigned char status);
LOBBYUI_C_API void WINAPI CPBDDlg_Interface_PBDDLG_SetYuCoinUse(int use);
LOBBYUI_C_API void WINAPI CPBDDlg_Interface_DestroyPDB_Dlg(void);

/* The system settings dialog (lobbyui/settings_dialogs.h). */
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_CreateDlg(HWND parent);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_ShowDlg(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_HideDlg(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_SwitchShowDlg(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_SetSysMusicVolume(int volume);
LOBBYUI_C_API int WINAPI CSysSetDlg_Interface_GetSysMusicVolume(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_SetSysSoundVolume(int volume);
LOBBYUI_C_API int WINAPI CSysSetDlg_Interface_GetSysSoundVolume(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_SetIfOS_On(unsigned char on);
LOBBYUI_C_API unsigned char WINAPI CSysSetDlg_Interface_GetIfOS_On(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_SetIfCardType_On(unsigned char on);
LOBBYUI_C_API unsigned char WINAPI CSysSetDlg_Interface_GetIfCardType_On(void);
LOBBYUI_C_API void WINAPI CSysSetDlg_Interface_DestroyDlg(void);

/* Web dialogs (lobbyui/settings_dialogs.h). Each is the host's from
   CreateNewWebDlg to DestroyWebDlg. GetWebDlgWindow gives its window (show
   it with ShowWindow); NULL once the window is gone, and for a handle that
   CreateNewWebDlg did not hand out or that DestroyWebDlg has had back. */
LOBBYUI_C_API LOBBYUI_HWEBDLG WINAPI CWebDlgInterface_CreateNewWebDlg(const char* url, const RECT* rect, HWND parent);
LOBBYUI_C_API void WINAPI CWebDlgInterface_DestroyWebDlg(LOBBYUI_HWEBDLG dialog);
LOBBYUI_C_API HWND WINAPI CWebDlgInterface_GetWebDlgWindow(LOBBYUI_HWEBDLG dialog);

/* Room-entrance buttons (lobbyui/settings_dialogs.h). The handle is the value
   message 1035 carries in lParam. GetBtnWindow gives the button's window;
   NULL once the window is gone, and for a handle that CreateNewRE_Btn did
   not hand out or that DeleteRE_Btn has had back. */
LOBBYUI_C_API LOBBYUI_HBUTTON WINAPI CR_E_BtnInterface_CreateNewRE_Btn(HIMAGELIST images, HWND parent);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_DeleteRE_Btn(LOBBYUI_HBUTTON button);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_ChangeBtnImglist(LOBBYUI_HBUTTON button, HIMAGELIST images);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_SetGSData(LOBBYUI_HBUTTON button, tagGameServerInfo* server);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_ShowBtn(LOBBYUI_HBUTTON button);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_HideBtn(LOBBYUI_HBUTTON button);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_EnableButton(LOBBYUI_HBUTTON button, unsigned char enable);
LOBBYUI_C_API void WINAPI CR_E_BtnInterface_SetBtnSize(LOBBYUI_HBUTTON button, const RECT* rect);
LOBBYUI_C_API eBTN_CONDITION WINAPI CR_E_BtnInterface_GetBtnStatus(LOBBYUI_HBUTTON button);
LOBBYUI_C_API HWND WINAPI CR_E_BtnInterface_GetBtnWindow(LOBBYUI_HBUTTON button);

/* The cursor hook (lobbyui/frame.h): RXCursorfun. */
LOBBYUI_C_API int WINAPI LobbyUi_RXCursorfun(HICON* cursor);

#if defined(__cplusplus)
}
#endif

#endif
