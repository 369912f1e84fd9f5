// CJoinTable: the dialog that shows one table before the user sits down,
// with CInputOK (the input-ok toggle) and the find-partner panel on its left.
// It reports to its host with 1226 (join, closed) and 1227 (search).
#ifndef LOBBYUI_JOIN_JOIN_TABLE_DIALOG_H
#define LOBBYUI_JOIN_JOIN_TABLE_DIALOG_H

#include <memory>

#include <lobbyui/gdi.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>
#include <lobbyui/room.h>

#include "frame/drag_dialog.h"
#include "frame/skin.h"
#include "frame/way_out.h"
#include "join/find_partner_panel.h"
#include "win/controls.h"
#include "win/hover_button.h"

// The owner-drawn toggle: it shows one of three 22 x 19 pictures and never
// erases its background. The dialog decides which picture.
class CInputOK : public CHoverButton {
public:
    static constexpr int kWidth = 22;
    static constexpr int kHeight = 19;

    void SetPicture(UINT bitmapId);
    UINT Picture() const { return m_uPicture; }

    BOOL OnChildNotify(UINT msg, WPARAM w, LPARAM l, LRESULT* result) override;

private:
    CBitmap m_bitmap;
    UINT m_uPicture = 0;
};

class CJoinTable : public CDragDialog {
public:
    static constexpr int kClientWidth = 222;
    static constexpr int kClientHeight = 400;

    CJoinTable();
    ~CJoinTable() override;

    // The facade's calls.
    void ShowTable(int type, const tagKWP_TABLE_LIST_DATA* table);
    void HideTable() { EndShow(kEndHostHide); }
    void SetFocusTable(const tagKWP_TABLE_LIST_DATA& table);
    void SetActiveType(int type);
    int ActiveType() const { return m_eActiveType; }
    unsigned short FocusTableNumber() const { return m_stFocusTable.usTableNum; }
    const tagKWP_TABLE_LIST_DATA& FocusTable() const { return m_stFocusTable; }
    void SetButtonStatus(unsigned char join, unsigned char search1, unsigned char search2);
    void SetUseYuCoin(bool use) { m_bUseYuCoin = use; }
    bool PanelOut() const { return m_bPanelOut; }
    CJTExpand* Panel() const { return m_pPanel.get(); }
    void DestroyPanel();

    void Paint(CDC& dc) override;

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    // Before the window starts going: the show ends unreported and its lock
    // drops now, not after the destruction has let the host show another;
    // then the panel goes, before the dialog.
    void OnDestroying() override;
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    // How a show ends, as the host hears it.
    enum EndReport {
        kEndSilently,  // Enter
        kEndHostHide,  // HideJTDlg: silent too, and the lock drops even with no show open
        kEndJoined,    // join: 1226/35, or the password dialog for a locked table
        kEndClosed,    // close button, Escape, system close: 1226/1324
    };
    // The one way out of a show: drops the lock, forgets the table, slides
    // the panel in and hides, and only then tells the host, from copies on
    // the stack; a locked table's password dialog shows before the hide. A show ends once; later ways out find nothing owed and
    // send nothing.
    void EndShow(EndReport report);
    // Ends a show without a report, dropping its lock.
    void AbandonShow();
    void PlaceArrows();
    void PlacePanel(int x, int y);
    void ApplyButtonState(UINT id, unsigned char enable);
    void OnJoin();
    void OnCloseButton();
    void OnSearch(bool firstButton);
    void OnToggleInputOk();
    void PaintMessage(CDC& dc);
    void PaintSeats(CDC& dc);
    void PaintTable(CDC& dc);

    tagKWP_TABLE_LIST_DATA m_stFocusTable;
    OwedOutcome m_outcome;
    SkinImageGroup m_groupFindPartner;
    SkinImageGroup m_groupSpecialRule;
    SkinImageGroup m_groupCoinName;
    SkinImageGroup m_groupJoinScore;
    CFont m_font;
    int m_eActiveType = JTAT_NONE;
    bool m_bUseYuCoin = true;
    bool m_bPanelOut = false;
    char m_acEmptySeat[7];
    char m_acReservedSeat[11];
    char m_acBeansLabel[8];
    char m_acScoreLabel[8];
    char m_acTitleLevel10[9];
    char m_acTitleNamed[11];
    char m_acTitleLow[9];
    std::unique_ptr<CJTExpand> m_pPanel;
    CInputOK m_inputOk;
};

#endif
