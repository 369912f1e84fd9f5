// CPlayerBaseDataDlg: the local player's panel inside the host's lobby
// window: portrait, title, name, three figures and a status line, drawn only
// while it holds data, and four buttons reported to the host with 1325.
#ifndef LOBBYUI_INFO_BASE_DATA_DIALOG_H
#define LOBBYUI_INFO_BASE_DATA_DIALOG_H

#include <lobbyui/gdi.h>
#include <lobbyui/messages.h>
#include <lobbyui/player_stats.h>

#include "frame/drag_dialog.h"
#include "frame/skin.h"

class CPlayerBaseDataDlg : public CDragDialog {
public:
    CPlayerBaseDataDlg();

    void ShowPanel();
    // Hides the panel and forgets that it has data.
    void HidePanel();
    void Refresh(const tagKWPCEN_PREVIEW_DATA* data, unsigned char status);
    void SetPremiumCurrency(bool use) { m_bYuCoinUse = use; }

    void Paint(CDC& dc) override;

    bool HasData() const { return m_bHaveData; }
    unsigned char Status() const { return m_ucStatus; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnDestroy() override;
    bool PaintsItself() const override { return true; }

private:
    void Report(unsigned int code);

    bool m_bHaveData = false;
    tagKWPCEN_PREVIEW_DATA m_stData;
    CFont m_font;
    SkinImageGroup m_groupIcons;
    unsigned char m_ucStatus = 255;
    bool m_bYuCoinUse = true;
};

#endif
