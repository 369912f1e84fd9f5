// CPartyDlg_DlgInerface: the facade of the party dialogs (create-table, join
// table, password, player list) and of the flags they share with the host.
// Every function is static; the flags work whether or not a dialog exists.
#ifndef LOBBYUI_PARTY_DIALOGS_H
#define LOBBYUI_PARTY_DIALOGS_H

#include <lobbyui/export.h>
#include <lobbyui/room.h>
#include <lobbyui/table_settings.h>
#include <lobbyui/dialog_enums.h>

class CWnd;

#if defined(_WIN32)
#include <lobbyui/gdi.h>
#include <lobbyui/player_stats.h>
#endif

class LOBBYUI_API CPartyDlg_DlgInerface {
public:
    // Party flags. The dialogs raise and drop them as they show and hide;
    // a host polls them, for example to keep its party buttons locked while
    // GetIfPartyBtnLock() is nonzero. All start at 0 when the library loads.
    static void SetIfPartyBtnLock(unsigned char lock);
    static unsigned char GetIfPartyBtnLock();
    static void SetIsCreatelock(bool lock);
    static bool GetIsCreateLock();
    static void SetIfMinWin(bool minimised);
    static bool GetIfMinWin();
    // The raised-multiple limit the join-table and new create-table dialogs draw.
    static void SetMultiplelmt(unsigned char limit);
    static int GetMultiplelmt();
    // Whether the last confirmed creation of the new dialog had add-multiple on.
    static void SetIsAddMult(unsigned char on);
    static bool GetIsAddMult();

    // Player list. Rows report to the parent of the window given to
    // CreatePlayerLBDlg with message 1229: code 4 asks whether the player
    // whose nickname lParam points to is a friend (answer nonzero for yes);
    // codes 1, 2, 3 carry a nickname, 33 a 24-byte query block, 58 a 12-byte
    // invitation block. The list keeps the record pointers it is given:
    // remove a player's row before its record goes away.
#if defined(_WIN32)
    static void CreatePlayerLBDlg(CWnd* parent);
    static void ShowPlayerLBDlg();
    static void HidePlayerLBDlg();
    static void DestroyPlayerLBDlg();
    static void ShowPlayerLB();
    static void RedrawPlayerLB(unsigned char erase);
    static void AddPlayer(tagKWP_PLAYER_LIST_DATA_EXTRA* player, unsigned char atTop, unsigned char redraw);
    static void RemoveAPlayer(int playerId);
    static void SetPlayerLBImgList(CImageList* images, ePALYER_LIST_PIC_GROUP group);
    static void SetPlayerLB_BG_Bitmap(CBitmap* background);
    static void SetLBScoreLooby(bool beans);
    static void SetPlayerListUseYuCoin(bool use);
    static void IsShowConTestBtn(int show, int contestNumber);
    static void SetData1(tagKWP_MERIT_DETAIL* merit);
    static void SetData2(tagKWP_PLAYER_ALL_VIEW* view);
    static void GoToUpData();
    static HMENU GetPopupMenuHandle();
#endif

    // Join-table dialog and find-partner panel. It reports to the window
    // given to CreateJTDlg: 1226 with 35 and the table number (join an open
    // table), 1226 with 1324 (closed), 1227 with 1 to 4 (partner search).
    static void CreateJTDlg(CWnd* parent);
    static void ShowJTDlg(eJTDLG_ACTIVE_TYPE type, tagKWP_TABLE_LIST_DATA* table);
    static void HideJTDlg();
    static void DestroyJTDlg();
    static void SetJTFocusTable(tagKWP_TABLE_LIST_DATA* table);
    static void SetJTActType(eJTDLG_ACTIVE_TYPE type);
    static eJTDLG_ACTIVE_TYPE GetJTActType();
    static unsigned short GetJTFocusTableIndx();
    static void SetJTBtnStatus(unsigned char join, unsigned char search1, unsigned char search2);
    static void SetExpandInit(tagKWP_TABLE_SET_DEFAULT* defaults);
    static void SetJTUseYuCoin(bool use);
    // The input-ok flag (the dialog's toggle) and the join score flag (true:
    // seats show beans; false: score) live from load to unload.
    static void SetInputOk(bool ok);
    static bool GetInputOk();
    static void SetJNScoreLooby(bool beans);

    // Password dialog. It reports to the window given to CreatePWDlg: 1228
    // with the table number and a pointer to the typed text (valid during
    // the send only).
    static void CreatePWDlg(CWnd* parent);
    static void ShowPWDlg(unsigned short tableNum);
    static void HidePWDlg();
    static void DestroyPWDlg();

    // Create-table dialogs.

    // Classic create-table dialog. It reports to its owner, the window given
    // to CreateCTDlg (for a child window, that window's top-level ancestor):
    // 1225 with 34 and a pointer to the 56-byte tagKWP_CREATE_TABLE_REQ
    // (valid until the dialog is next shown) when the user creates, 1225 with 37 and a
    // pointer to four zero bytes when it closes without creating (cancel,
    // close box, Escape or IDOK, HideCTDlg, or 180 ticks of its one-second
    // timer after ShowCTDlg); Enter presses create, the default button.
    // Showing raises the party-button lock; every way out drops it. The lock
    // flag and request number are the host's own values, kept by the dialog;
    // their getters answer 0 without a dialog.
    static void CreateCTDlg(CWnd* parent);
    static void ShowCTDlg(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum);
    static void HideCTDlg();
    static void DestroyCTDlg();
    // While set (the default), every show takes the defaults from the record.
    static void CTDlgSetIfRefreshDefault(unsigned char refresh);
    static void SetIfLockCTDlg(unsigned char lock);
    static unsigned char GetIfLockCTDlg();
    static void SetSpecialCTDlg(int value);
    static void SetCTReqNum(unsigned short number);
    static unsigned short GetCTReqNum();
    // true (the default): the premium coin beside the score; false: game coins.
    static void CTDlgSetYuCoinUse(bool use);
    // The coin choice for the create-table, join-table and player list dialogs at once.
    static void SetLobbyYuCoinUse(bool use);

    // New create-table dialog. It reports to the parent of the window given
    // to CteateCTDlgNew: 1225 with 34 and the create request (valid until
    // the dialog is next shown), 1225 with 37 and a 4-byte block of zeros when it closes
    // without creating (cancel, close box, time-out). It remembers the last
    // score and settings in .\Default.sav and draws itself from the files
    // under \bmp of the current directory. The restore flag lives without
    // the dialog; every other call needs it.
    static void CteateCTDlgNew(CWnd* parent);
    static void ShowCTDlgNew(tagKWP_TABLE_SET_DEFAULT* defaults, unsigned short tableNum);
    static void HideCTDlgNew();
    static void DestroyCTDlgNew();
    static void InvalidateNew();
    static bool IsWindowVisibleCT();
    // false: hide a shown dialog for a while (its time-out goes on; a
    // cancel reaching it only restarts the time-out); true: show it again,
    // when the host's lock flag is set (after a creation, as a new show).
    static void HideAltMCTDlg(bool show);
    static void SetIsRestore(bool restore);
    static bool GetIsRestore();
    static void SetIfLockCTDlgNew(unsigned char lock);
    static unsigned char GetIfLockCTDlgNew();
    static void SetCTReqNumNew(unsigned short number);
    static unsigned short GetCTReqNumNew();
    static void CTDlgSetIfRefreshDefaultNew(unsigned char refresh);
    static void CTDlgSetYuCoinUseNew(bool use);
    static void SetSpecialCTDlgNew(int value);
    // false: a score lobby; the dialog shows its score page.
    static void SetCTScoreLooby(bool beans);
    static void SetPlaySelfName(char* name);
};

#endif
