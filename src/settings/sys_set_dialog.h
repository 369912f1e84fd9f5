// CSysSetDlg: music and sound volume in nine steps, and two switches, each
// a pair of check boxes the dialog keeps exclusive. It draws what the host
// stored and reports every press to its parent with message 1335; the host
// decides and writes the values back.
#ifndef LOBBYUI_SETTINGS_SYS_SET_DIALOG_H
#define LOBBYUI_SETTINGS_SYS_SET_DIALOG_H

#include <lobbyui/messages.h>

#include "frame/drag_dialog.h"
#include "frame/skin.h"

class CSysSetDlg : public CDragDialog {
public:
    static constexpr int kClientWidth = 152;
    static constexpr int kClientHeight = 271;
    static constexpr int kScreenX = 480;
    static constexpr int kScreenY = 380;

    CSysSetDlg();

    // Puts the window and its controls in place, then shows it.
    void PlaceAndShow();
    void Hide();
    void SwitchShow();

    int musicVolume = 0;
    int soundVolume = 0;
    void SetOsOn(unsigned char on);
    void SetCardTypeOn(unsigned char on);
    unsigned char osOn() const { return m_osOn; }
    unsigned char cardTypeOn() const { return m_cardTypeOn; }

    void Paint(CDC& dc) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    void StepVolume(int& volume, bool up, const CRect& bar, WPARAM code);
    void ChooseSwitch(UINT chosen, UINT partner, WPARAM code);
    void SetPair(UINT off, UINT on, bool isOn);

    SkinImageGroup m_pictures;
    unsigned char m_osOn = 0;
    unsigned char m_cardTypeOn = 0;
    // Counts shows and hides, so that a show can tell whether the host
    // showed or hid the dialog itself while the show let it run code.
    unsigned int m_uVisibilityCalls = 0;
};

#endif
