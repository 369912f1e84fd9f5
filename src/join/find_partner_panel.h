// CJTExpand: the find-partner panel that slides out on the join-table
// dialog's left. It holds search criteria and, when the dialog's search
// buttons ask, searches the room and reports to the dialog's host (1227).
#ifndef LOBBYUI_JOIN_FIND_PARTNER_PANEL_H
#define LOBBYUI_JOIN_FIND_PARTNER_PANEL_H

#include <lobbyui/gdi.h>
#include <lobbyui/room.h>
#include <lobbyui/table_settings.h>

#include "win/controls.h"
#include "win/dialog.h"

class CJTExpand : public CDialog {
public:
    static constexpr int kWidth = 199;
    static constexpr int kHeight = 146;

    CJTExpand();

    // Makes the hidden panel, owned by the join-table dialog; its reports go
    // to reportTo, the join-table dialog's host.
    BOOL CreatePanel(CWnd* joinTable, HWND reportTo);

    // Fills the three lists once per panel; later calls change nothing.
    void FillLists(const tagKWP_TABLE_SET_DEFAULT& defaults);
    // Empties the fields, puts the lists back on "无限制", forgets the
    // search kind and hides the panel.
    void ResetAndHide();
    void SetSearchKind(bool firstButton) { m_bSearchKind = firstButton; }
    bool SearchKind() const { return m_bSearchKind; }
    void RunSearch();
    // True when the criteria it holds turn the join dialog's search buttons on.
    bool ForcesSearchButtons() const;
    void SetShowBeans(bool beans) { m_bShowBeans = beans; }
    const tagKWP_TABLE_LIST_DATA& FoundTable() const { return m_stFound; }

    void EraseBackground(HDC dc);

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override;
    // Enter and Escape must not end a panel that only its dialog may hide.
    void OnOK() override {}
    void OnCancel() override {}

private:
    CBitmap m_background;
    bool m_bScoreBackground = false;
    CComboBox m_list248;
    CComboBox m_list249;
    CComboBox m_list250;
    tagKWP_TABLE_LIST_DATA m_stFound;
    bool m_bSearchKind = false;
    bool m_bShowBeans;
    HWND m_hWndReport = nullptr;
};

#endif
