// CPlayerScoreDlg: one player's record of play, with four pages turned by two
// arrow buttons; page 1 carries the item grid with two-digit counts and a
// tooltip over each item. It draws what the host fed it and sends nothing.
#ifndef LOBBYUI_INFO_PLAYER_SCORE_DIALOG_H
#define LOBBYUI_INFO_PLAYER_SCORE_DIALOG_H

#include <lobbyui/gdi.h>
#include <lobbyui/player_stats.h>

#include "frame/drag_dialog.h"
#include "frame/skin.h"
#include "info/player_score_rules.h"

class CPlayerScoreDlg : public CDragDialog {
public:
    static constexpr int kClientWidth = 301;
    static constexpr int kClientHeight = 393;
    static constexpr int kLabelEntries = 27;  // entries 1 to 26; 0 unused
    static constexpr size_t kLabelSize = 20;

    CPlayerScoreDlg();

    // Centres the dialog on its parent with its fixed client size, shows it
    // on page 1 and clears the tooltips. A null name keeps the last one.
    void ShowFor(const char* name);
    void Hide();
    void SetMerit(const tagKWP_MERIT_DETAIL* merit);
    void SetContest(const tagKWP_USER_CONTEST_SCORE_INFO* contest);
    void SetView(const tagKWP_PLAYER_ALL_VIEW* view);
    void SetPremiumCurrency(bool use) { m_bYuCoinUse = use; }

    void Paint(CDC& dc) override;

    const char* Name() const { return m_acName; }
    bool ContestDataReceived() const { return m_bContestReceived; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnOK() override;
    void OnCancel() override;
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    void LoadTexts();
    void SetUpTooltips();
    void ClearTooltips();
    void RequestPage(bool next);
    void PaintHeader(CDC& dc);
    void PaintLevel(CDC& dc);
    void PaintFigures(CDC& dc);
    void PaintPageButtons();
    void PaintItems(CDC& dc);
    const SkinImageGroup& GroupOf(player_score::ItemGroup group) const;

    char m_acLabel[kLabelEntries][kLabelSize];
    char m_acDanSuffix[9];
    char m_acPageLabel[player_score::kPages][4];
    tagKWP_MERIT_DETAIL m_stMerit;
    tagKWP_USER_CONTEST_SCORE_INFO m_stContest;
    tagKWP_PLAYER_ALL_VIEW m_stView;
    CFont m_font;
    char m_acName[player_score::kNameSize];
    bool m_bYuCoinUse = true;
    bool m_bContestReceived = false;
    // Counts shows and hides, so that a show can tell whether the host
    // showed or hid the dialog itself while the show let it run code.
    unsigned int m_uVisibilityCalls = 0;
    SkinImageGroup m_groupKingHat;
    SkinImageGroup m_groupDigits;
    SkinImageGroup m_groupCards;
    SkinImageGroup m_groupRings;
};

#endif
