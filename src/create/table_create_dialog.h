// CTableCreate: the classic create-table dialog. Shown with the server's
// defaults and a table number, it reports to the window GetParent gives for
// it (its owner): 1225 with 34 and the 56-byte request when the user
// creates, 1225 with 37 and a zero 4-byte block when it closes without
// creating. A shown dialog left alone closes itself after 180 timer ticks.
#ifndef LOBBYUI_CREATE_TABLE_CREATE_DIALOG_H
#define LOBBYUI_CREATE_TABLE_CREATE_DIALOG_H

#include <lobbyui/table_settings.h>

#include "create/table_create_rules.h"
#include "frame/drag_dialog.h"
#include "frame/skin.h"

class CTableCreate : public CDragDialog {
public:
    static constexpr UINT kCreateMessage = WM_USER + 201;
    static constexpr WPARAM kRequestCode = 34;
    static constexpr WPARAM kClosedCode = 37;
    static constexpr UINT_PTR kTimeoutTimer = 1;
    static constexpr int kClientWidth = 230;
    static constexpr int kClientHeight = 425;

    CTableCreate();
    ~CTableCreate() override;

    // The facade's calls.
    void ShowFor(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum);
    void HideByHost();
    void SetRefresh(unsigned char refresh) { m_form.refresh = refresh != 0; }
    void SetLock(unsigned char lock) { m_ucLock = lock; }
    unsigned char Lock() const { return m_ucLock; }
    void SetRequestNumber(unsigned short number) { m_usRequestNumber = number; }
    unsigned short RequestNumber() const { return m_usRequestNumber; }
    void SetPremiumCoin(bool premium);

    void Paint(CDC& dc) override;

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    void Place();
    void Fill(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum);
    void Confirm();
    // Tells the host and hides, only while the dialog is visible.
    void Close();
    void AfterStep(bool stepped, const CRect& area);
    void ToggleCardType(UINT id);
    void ChosenName(char (&name)[17]) const;
    LRESULT SendToParent(WPARAM code, const void* record) const;
    bool Checked(UINT id) const;
    void ReadText(UINT id, char* text, int size) const;

    ClassicTableForm m_form;
    unsigned char m_acClosedBlock[4];
    SkinImageGroup m_groupDigits;
    SkinImageGroup m_groupSettingDigits;
    SkinImageGroup m_groupCoin;
    SkinImageGroup m_groupRule;
    unsigned char m_ucLock = 0;
    unsigned short m_usRequestNumber = 0;
    bool m_bPremiumCoin = true;
};

#endif
