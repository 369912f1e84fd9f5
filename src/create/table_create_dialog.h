// CTableCreate: the classic create-table dialog. Shown with the server's
// defaults and a table number, it reports to the window GetParent gives for
// it (its owner): 1225 with 34 and the 56-byte request when the user
// creates, 1225 with 37 and a zero 4-byte block when it closes without
// creating. A shown dialog left alone closes itself after 180 timer ticks.
// Each show ends in one report at most, sent only once the dialog is hidden,
// its lock dropped and its time-out stopped; whatever the host does inside
// its handler stands.
#ifndef LOBBYUI_CREATE_TABLE_CREATE_DIALOG_H
#define LOBBYUI_CREATE_TABLE_CREATE_DIALOG_H

#include <lobbyui/messages.h>
#include <lobbyui/table_settings.h>

#include "create/table_create_rules.h"
#include "frame/drag_dialog.h"
#include "frame/skin.h"
#include "frame/way_out.h"

class CTableCreate : public CDragDialog {
public:
    static constexpr UINT_PTR kTimeoutTimer = 1;
    static constexpr int kClientWidth = 230;
    static constexpr int kClientHeight = 425;

    CTableCreate();
    ~CTableCreate() override;

    // The facade's calls.
    void ShowFor(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum);
    void HideByHost();
    // Before the window is destroyed by the host: a show still open ends
    // unreported and its lock drops now, not after the destruction has let
    // the host make and show a dialog of its own.
    void Abandon();
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
    // Closes without creating. Only a visible dialog reports the close; a
    // hidden one just stops counting towards its time-out. Nothing of the
    // dialog may be used after it.
    void Close();
    // The one way out of a show: the report (34 or 37) goes out last, after
    // the hide, and only if the show still owes one.
    void EndShow(WPARAM code);
    void AfterStep(bool stepped, const CRect& area);
    void ToggleCardType(UINT id);
    void ChosenName(char (&name)[17]) const;
    bool Checked(UINT id) const;
    void ReadText(UINT id, char* text, int size) const;

    ClassicTableForm m_form;
    OwedOutcome m_outcome;
    // Ticks since the last show; -1 while no show counts towards the time-out.
    int m_iTimeoutCounter = -1;
    SkinImageGroup m_groupDigits;
    SkinImageGroup m_groupSettingDigits;
    SkinImageGroup m_groupCoin;
    SkinImageGroup m_groupRule;
    unsigned char m_ucLock = 0;
    unsigned short m_usRequestNumber = 0;
    bool m_bPremiumCoin = true;
};

#endif
