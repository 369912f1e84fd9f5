// The C interface of the settings dialog, web dialogs and room-entrance
// buttons: each function forwards to its C++ facade. A C host cannot read a
// framework object's m_hWnd, so two functions more give it the window.
#include "capi/c_handles.h"

using namespace lobbyui_c;

extern "C" {

void WINAPI CSysSetDlg_Interface_CreateDlg(HWND parent) {
    CSysSetDlg_Interface::CreateDlg(WndOf(parent));
}

void WINAPI CSysSetDlg_Interface_ShowDlg(void) {
    CSysSetDlg_Interface::ShowDlg();
}

void WINAPI CSysSetDlg_Interface_HideDlg(void) {
    CSysSetDlg_Interface::HideDlg();
}

void WINAPI CSysSetDlg_Interface_SwitchShowDlg(void) {
    CSysSetDlg_Interface::SwitchShowDlg();
}

void WINAPI CSysSetDlg_Interface_SetSysMusicVolume(int volume) {
    CSysSetDlg_Interface::SetSysMusicVolume(volume);
}

int WINAPI CSysSetDlg_Interface_GetSysMusicVolume(void) {
    return CSysSetDlg_Interface::GetSysMusicVolume();
}

void WINAPI CSysSetDlg_Interface_SetSysSoundVolume(int volume) {
    CSysSetDlg_Interface::SetSysSoundVolume(volume);
}

int WINAPI CSysSetDlg_Interface_GetSysSoundVolume(void) {
    return CSysSetDlg_Interface::GetSysSoundVolume();
}

void WINAPI CSysSetDlg_Interface_SetIfOS_On(unsigned char on) {
    CSysSetDlg_Interface::SetIfOS_On(on);
}

unsigned char WINAPI CSysSetDlg_Interface_GetIfOS_On(void) {
    return CSysSetDlg_Interface::GetIfOS_On();
}

void WINAPI CSysSetDlg_Interface_SetIfCardType_On(unsigned char on) {
    CSysSetDlg_Interface::SetIfCardType_On(on);
}

unsigned char WINAPI CSysSetDlg_Interface_GetIfCardType_On(void) {
    return CSysSetDlg_Interface::GetIfCardType_On();
}

void WINAPI CSysSetDlg_Interface_DestroyDlg(void) {
    CSysSetDlg_Interface::DestroyDlg();
}

LOBBYUI_HWEBDLG WINAPI CWebDlgInterface_CreateNewWebDlg(const char* url, const RECT* rect, HWND parent) {
    return WebDialogHandle(CWebDlgInterface::CreateNewWebDlg(url, RectOf(rect), WndOf(parent)));
}

void WINAPI CWebDlgInterface_DestroyWebDlg(LOBBYUI_HWEBDLG dialog) {
    CWebDlgInterface::DestroyWebDlg(WebDialogOf(dialog));
}

LOBBYUI_HBUTTON WINAPI CR_E_BtnInterface_CreateNewRE_Btn(HIMAGELIST images, HWND parent) {
    return ButtonHandle(CR_E_BtnInterface::CreateNewRE_Btn(ImageListOf(images), WndOf(parent)));
}

void WINAPI CR_E_BtnInterface_DeleteRE_Btn(LOBBYUI_HBUTTON button) {
    CR_E_BtnInterface::DeleteRE_Btn(ButtonOf(button));
}

void WINAPI CR_E_BtnInterface_ChangeBtnImglist(LOBBYUI_HBUTTON button, HIMAGELIST images) {
    CR_E_BtnInterface::ChangeBtnImglist(ButtonOf(button), ImageListOf(images));
}

void WINAPI CR_E_BtnInterface_SetGSData(LOBBYUI_HBUTTON button, tagGameServerInfo* server) {
    CR_E_BtnInterface::SetGSData(ButtonOf(button), server);
}

void WINAPI CR_E_BtnInterface_ShowBtn(LOBBYUI_HBUTTON button) {
    CR_E_BtnInterface::ShowBtn(ButtonOf(button));
}

void WINAPI CR_E_BtnInterface_HideBtn(LOBBYUI_HBUTTON button) {
    CR_E_BtnInterface::HideBtn(ButtonOf(button));
}

void WINAPI CR_E_BtnInterface_EnableButton(LOBBYUI_HBUTTON button, unsigned char enable) {
    CR_E_BtnInterface::EnableButton(ButtonOf(button), enable);
}

void WINAPI CR_E_BtnInterface_SetBtnSize(LOBBYUI_HBUTTON button, const RECT* rect) {
    CR_E_BtnInterface::SetBtnSize(ButtonOf(button), RectOf(rect));
}

eBTN_CONDITION WINAPI CR_E_BtnInterface_GetBtnStatus(LOBBYUI_HBUTTON button) {
    return CR_E_BtnInterface::GetBtnStatus(ButtonOf(button));
}

HWND WINAPI CWebDlgInterface_GetWebDlgWindow(LOBBYUI_HWEBDLG dialog) {
    return WebDialogWindow(dialog);
}

HWND WINAPI CR_E_BtnInterface_GetBtnWindow(LOBBYUI_HBUTTON button) {
    return ButtonWindow(button);
}

}  // extern "C"
