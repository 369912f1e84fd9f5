// CTableCreateNew: the picture-drawn create-table dialog. It remembers the
// last score and settings in .\Default.sav, filters the table name, and
// reports to the parent of the window it was created with: 1225 with 34 and
// the request, 1225 with 37 when it closes without creating. It is not a
// CDragDialog: its title strip moves it.
#ifndef LOBBYUI_CREATE_TABLE_CREATE_NEW_DIALOG_H
#define LOBBYUI_CREATE_TABLE_CREATE_NEW_DIALOG_H

#include <memory>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/table_settings.h>

#include "create/allowed_scores.h"
#include "create/check_button.h"
#include "create/new_create_pictures.h"
#include "create/word_filter.h"
#include "win/dialog.h"

class CTableCreateNew : public CDialog {
public:
    static constexpr UINT_PTR kTimeoutTimer = 1;
    static constexpr int kWidth = 240;
    static constexpr int kHeightBeforePaint = 423;
    static constexpr int kHeight = 426;

    CTableCreateNew();
    ~CTableCreateNew() override;

    // The facade's calls.
    void ShowFor(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNumber);
    // HideCTDlgNew: ends the show without a report and drops the locks,
    // shown or not.
    void HideAndForget();
    void ShowAgainForHost();
    void HideForHost();
    void ShowOnRestore();
    void UseAlternativePage();

    void SetLockFlag(unsigned char lock) { m_ucLock = lock; }
    unsigned char LockFlag() const { return m_ucLock; }
    void SetRequestNumber(unsigned short number) { m_usRequestNumber = number; }
    unsigned short RequestNumber() const { return m_usRequestNumber; }
    void SetRefreshDefaults(unsigned char refresh) { m_ucRefresh = refresh; }
    void SetUseYuCoin(bool use) { m_bUseYuCoin = use; }

    bool ShowPending() const { return m_show.Pending(); }
    const tagKWP_CREATE_TABLE_REQ& Request() const { return m_request; }
    const tagKWP_TABLE_SET_DEFAULT& Defaults() const { return m_defaults; }
    CCHECKBUTTON* Button(UINT id) const;

    void Paint(CDC& dc) override;

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    BOOL OnTimer(UINT_PTR id) override;
    // Before the window goes (DestroyCTDlgNew): a show still open ends
    // unreported and takes its locks with it, so that nothing the host does
    // while the window goes, such as showing a new dialog, is undone later.
    void OnDestroying() override;
    // The window going with its owner ends an open show the same way.
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    void MakeButtons();
    // Where initialisation puts every control, and each edit's text limit.
    void PlaceControls();
    // What a show changes besides the numbers: the create and cancel
    // buttons at their full height, the window at its full size, and the
    // password box as the table number allows. Painting only draws.
    void LayOut();
    void LayOutPasswordBox();
    // How a show ends. Created and Closed report 34 and 37; Destroyed ends
    // one whose window is going, and HostHide is HideCTDlgNew, which settles
    // the locks even with no show.
    enum class Outcome { Created, Closed, Destroyed, HostHide };
    // The one way out: settles what the outcome announces (time-out stopped,
    // locks dropped, defaults saved), hides, and sends the report as its
    // very last act, from copies on the stack. A show reports once: every
    // later way out finds nothing owed and sends nothing.
    void EndShow(Outcome outcome);
    void SettleEnd(Outcome outcome);
    void Confirm();
    void OnCancelCommand();
    // Closes as cancelled; only a visible dialog unless whileHidden.
    void Close(bool whileHidden);
    void OnTick();
    void StepScore(bool up);
    void StepSettingA(bool up);
    void StepSettingB(bool up);
    void TogglePasswordOption();
    void ToggleAddMultiple();
    void ToggleSpecialCard();
    void InvalidateNumber(NewCreateNumber number);
    // The parent of the window the host created the dialog with, as it is now.
    HWND ReportTarget() const;
    // The move by the title strip, without the system's modal move loop.
    bool StartMove(CPoint client);
    void ContinueMove(CPoint client);

    CWordFilterBinding m_filter;
    NewCreatePictures m_pictures;
    tagKWP_CREATE_TABLE_REQ m_request;
    tagKWP_TABLE_SET_DEFAULT m_defaults;
    AllowedScoreList m_allowed{ScoreValueTable::New};
    unsigned char m_ucScorePosition = 0;
    unsigned char m_ucLock = 0;
    unsigned short m_usRequestNumber = 0;
    unsigned char m_ucRefresh = 1;
    bool m_bUseYuCoin = true;
    HICON m_hIcon = nullptr;
    char m_acDefaultName[17];
    char m_acFilteredName[17];
    PendingShow m_show;
    std::vector<std::unique_ptr<CCHECKBUTTON>> m_buttons;
    bool m_bMoving = false;
    CPoint m_ptGrab;
};

#endif
