// The system settings dialog, the web dialog and the room-entrance buttons.
//
// CSysSetDlg_Interface owns one settings dialog, made by CreateDlg under the
// host's window; every user change goes to that window as message 1335
// (WM_USER + 311): wParam 1 sound up, 2 sound down, 3 music up, 4 music
// down, lParam the volume after the press: what the host stored, one step
// nearer the other end of 0 to 8 when the button can move it, else as
// stored (a volume set outside 0 to 8 comes back as set); 5 / 6 the OS
// switch off / on, 7 / 8 the card-type switch off / on, lParam 0. The
// dialog reports and the host decides: a switch click does not change
// GetIfOS_On or GetIfCardType_On until the host calls the setter, and they
// give back the value stored (the box shows "on" for any nonzero value).
//
// CWebDlgInterface makes a new hidden child dialog showing a web page at
// every CreateNewWebDlg; the host owns it, shows it when it likes (for
// example d->ShowWindow(SW_SHOW)) and gives it back to DestroyWebDlg.
//
// CR_E_BtnInterface makes owner-painted room-entrance buttons (child id
// 9999). A press sends message 1035 (WM_USER + 11) to the button's parent:
// wParam the tagGameServerInfo pointer given to SetGSData, lParam the
// button. The image list and the server record are the host's and must
// outlive the button.
#ifndef LOBBYUI_SETTINGS_DIALOGS_H
#define LOBBYUI_SETTINGS_DIALOGS_H

#include <lobbyui/export.h>
#include <lobbyui/game_server.h>
#include <lobbyui/dialog_enums.h>

#if defined(_WIN32)
#include <lobbyui/button.h>
#include <lobbyui/cstring.h>
#include <lobbyui/dialog.h>
#include <lobbyui/gdi.h>
#include <lobbyui/geometry.h>
#include <lobbyui/wnd.h>

class LOBBYUI_API CSysSetDlg_Interface {
public:
    static void CreateDlg(CWnd* parent);
    // Puts the dialog at screen (480, 380) and shows it.
    static void ShowDlg();
    static void HideDlg();
    static void SwitchShowDlg();
    static void SetSysMusicVolume(int volume);
    static int GetSysMusicVolume();
    static void SetSysSoundVolume(int volume);
    static int GetSysSoundVolume();
    static void SetIfOS_On(unsigned char on);
    static unsigned char GetIfOS_On();
    static void SetIfCardType_On(unsigned char on);
    static unsigned char GetIfCardType_On();
    static void DestroyDlg();
};

class LOBBYUI_API CWebDlgInterface {
public:
    // rect is in parent's client coordinates. When the platform cannot show
    // web pages, the dialog says so in plain text instead.
    static CDialog* CreateNewWebDlg(CString url, CRect rect, CWnd* parent);
    // Null is ignored; a dialog whose window is already gone is still freed.
    // A pointer CreateNewWebDlg did not hand out, or one already given back,
    // is ignored too.
    static void DestroyWebDlg(CDialog* dialog);
};

class LOBBYUI_API CR_E_BtnInterface {
public:
    // Never null: without a parent window (null, or already destroyed) the
    // button has no window (m_hWnd null), and the functions below take it.
    static CButton* CreateNewRE_Btn(CImageList* images, CWnd* parent);
    // The functions below ignore a null button and any pointer that is not a
    // live button of CreateNewRE_Btn.
    static void DeleteRE_Btn(CButton* button);
    static void ChangeBtnImglist(CButton* button, CImageList* images);
    static void SetGSData(CButton* button, tagGameServerInfo* server);
    static void ShowBtn(CButton* button);
    static void HideBtn(CButton* button);
    static void EnableButton(CButton* button, unsigned char enable);
    static void SetBtnSize(CButton* button, CRect rect);
    // BTN_NORMAL for a hidden button.
    static eBTN_CONDITION GetBtnStatus(CButton* button);
};
#endif

#endif
