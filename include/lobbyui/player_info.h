// The player information dialogs: the score dialog (CPSDlg_Interface) and the
// base-data panel (CPBDDlg_Interface). Every function is static; calls other
// than Create… do nothing while the dialog does not exist.
#ifndef LOBBYUI_PLAYER_INFO_H
#define LOBBYUI_PLAYER_INFO_H

#include <lobbyui/export.h>
#include <lobbyui/player_stats.h>

class CWnd;

// One player's record of play, shown in a movable dialog centred on its
// parent. The dialog sends nothing to the host.
class LOBBYUI_API CPSDlg_Interface {
public:
    // Makes the dialog (hidden) owned by parent; a second call is ignored.
    static void CreatePS_Dlg(CWnd* parent);
    // Centres the dialog on its parent and shows it on page 1. A non-null
    // name replaces the one in the header (cut to 14 bytes); null keeps it.
    static void ShowPS_Dlg(char* name);
    static void HidePS_Dlg();
    // Nonzero while the dialog is visible; 0 without a dialog.
    static unsigned char IfPS_DlgVisible();
    // The records are copied (null zeroes the copy) and shown at the next
    // paint; the setters do not repaint. The contest record is kept, not shown.
    static void SetPS_DlgData(tagKWP_MERIT_DETAIL* merit);
    static void SetPS_DlgData1(tagKWP_USER_CONTEST_SCORE_INFO* contest);
    static void SetPS_DlgData2(tagKWP_PLAYER_ALL_VIEW* view);
    // Whether the premium currency is in use; stored, not shown.
    static void SetPS_DlgYuCoinUse(bool use);
    static void DestroyPS_Dlg();
};

// The local player's panel: a child of the window given to CreatePBD_Dlg,
// at (476, 0) in it. Its four buttons report to that window's parent with
// message 1325 (WM_USER + 301), wParam 1 to 4 for buttons 217 to 220, lParam 0.
class LOBBYUI_API CPBDDlg_Interface {
public:
    static void CreatePBD_Dlg(CWnd* parent);
    static void ShowPBD_Dlg();
    // Hides the panel and forgets that it has data: shown again, it draws
    // nothing until the next refresh.
    static void HidePBD_Dlg();
    // Takes a copy of data (null keeps the last one) and the status (0 or 2
    // idle, 4 playing, 255 keeps the last one), and repaints.
    static void RefreshPBD_Dlg(tagKWPCEN_PREVIEW_DATA* data, unsigned char status);
    // Money shown as the premium currency (text 9) or beans (text 10) from the next paint.
    static void PBDDLG_SetYuCoinUse(bool use);
    static void DestroyPDB_Dlg();
};

#endif
