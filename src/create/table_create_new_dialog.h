// CTableCreateNew: the picture-drawn create-table dialog. It remembers the
// last score and settings in .\Default.sav, filters the table name, and
// reports to the parent of the window it was created with: 1225 with 34 and
// the request, 1225 with 37 when it closes without creating. It is not a
// CDragDialog: its title strip moves it.
#ifndef LOBBYUI_CREATE_TABLE_CREATE_NEW_DIALOG_H
#define LOBBYUI_CREATE_TABLE_CREATE_NEW_DIALOG_H

#include <memory>
#include <vector>

#include <lobbyui/table_settings.h>

#include "create/allowed_scores.h"
#include "create/check_button.h"
#include "create/new_create_pictures.h"
#include "create/word_filter.h"
#include "win/dialog.h"

class CTableCreateNew : public CDialog {
public:
    static constexpr UINT kCreateMessage = WM_USER + 201;
    static constexpr WPARAM kRequestCode = 34;
    static constexpr WPARAM kClosedCode = 37;
    static constexpr UINT_PTR kTimeoutTimer = 1;
    static constexpr int kWidth = 240;
    static constexpr int kHeightBeforePaint = 423;
    static constexpr int kHeight = 426;

    CTableCreateNew();
    ~CTableCreateNew() override;

    // The facade's calls.
    void ShowFor(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNumber);
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

    const tagKWP_CREATE_TABLE_REQ& Request() const { return m_request; }
    const tagKWP_TABLE_SET_DEFAULT& Defaults() const { return m_defaults; }
    CCHECKBUTTON* Button(UINT id) const;

    void Paint(CDC& dc) override;

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    BOOL OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    void MakeButtons();
    void PlaceControls();
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
    void PaintPasswordBox();
    void InvalidateArea(int left, int top, int right, int bottom);
    // Sends to the parent of the window the host created the dialog with.
    LRESULT Report(WPARAM code, LPARAM data);
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
    unsigned char m_closedBlock[4];
    std::vector<std::unique_ptr<CCHECKBUTTON>> m_buttons;
    bool m_bMoving = false;
    CPoint m_ptGrab;
};

#endif
