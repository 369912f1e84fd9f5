// CPW_InputDlg: asks for a locked table's password and hands it to the host
// with message 1228 (wParam the table number, lParam the typed text).
#ifndef LOBBYUI_JOIN_PASSWORD_DIALOG_H
#define LOBBYUI_JOIN_PASSWORD_DIALOG_H

#include "frame/drag_dialog.h"
#include "frame/way_out.h"
#include "win/controls.h"

class CPW_InputDlg : public CDragDialog {
public:
    static constexpr int kClientWidth = 246;
    static constexpr int kClientHeight = 106;

    CPW_InputDlg();

    // Lays the dialog out for the table, empties the edit, raises the
    // party-button lock and shows it with the keyboard in the edit.
    void ShowFor(unsigned short tableNum);
    // Hides it and drops the lock; sends nothing.
    void HideAndUnlock();
    unsigned short TableNumber() const { return m_usTableNum; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroying() override;
    void OnDestroy() override;

private:
    void Confirm();

    char m_acPassword[64];
    unsigned short m_usTableNum = 0;
    OwedOutcome m_outcome;
    CEdit m_edit;
    CButton m_confirm;
};

#endif
