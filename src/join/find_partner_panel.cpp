#include "join/find_partner_panel.h"

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/messages.h>

#include "join/find_partner_search.h"
#include "join/join_table_rules.h"
#include "res/join_ids.h"
#include "support/texts_gbk.h"
#include "win/module.h"

namespace {

void FillList(const CComboBox& list, const std::vector<int>& values) {
    list.AddString(kGbkNoLimit);
    for (int v : values) {
        char text[16];
        snprintf(text, sizeof text, "%d", v);
        list.AddString(text);
    }
    list.SetCurSel(0);
}

CString SelectedText(const CComboBox& list) {
    int selected = list.GetCurSel();
    return selected >= 0 ? list.GetLBText(selected) : CString();
}

}  // namespace

CJTExpand::CJTExpand() : CDialog(IDD_JT_EXPAND), m_bShowBeans(TheJoinTableFlags().showBeans) {
    memset(&m_stFound, 0, sizeof m_stFound);
    m_background.Attach(::LoadBitmapA(LobbyModule(), MAKEINTRESOURCEA(IDB_JT_EXPAND_BEANS)));
}

BOOL CJTExpand::CreatePanel(CWnd* joinTable, HWND reportTo) {
    m_hWndReport = reportTo;
    return Create(joinTable);
}

BOOL CJTExpand::OnInitDialog() {
    m_list248.m_hWnd = GetDlgItem(IDC_JTE_LIST1);
    m_list249.m_hWnd = GetDlgItem(IDC_JTE_LIST2);
    m_list250.m_hWnd = GetDlgItem(IDC_JTE_SCORE);
    for (int id : {IDC_JTE_TABLE_NUM, IDC_JTE_NAME, IDC_JTE_LIST1, IDC_JTE_LIST2, IDC_JTE_SCORE}) {
        ::EnableWindow(GetDlgItem(id), FALSE);
    }
    SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return TRUE;
}

void CJTExpand::FillLists(const tagKWP_TABLE_SET_DEFAULT& defaults) {
    if (!m_hWnd || m_list250.GetCount() > 0) return;
    FillList(m_list248, SettingBChoices(defaults));
    FillList(m_list249, SettingAChoices(defaults));
    FillList(m_list250, ScoreChoices(defaults.uiScoreMask));
}

void CJTExpand::ResetAndHide() {
    if (!m_hWnd) return;
    ::SetWindowTextA(GetDlgItem(IDC_JTE_TABLE_NUM), "");
    ::SetWindowTextA(GetDlgItem(IDC_JTE_NAME), "");
    m_list248.SetCurSel(0);
    m_list249.SetCurSel(0);
    m_list250.SetCurSel(0);
    m_bSearchKind = false;
    ShowWindow(SW_HIDE);
}

bool CJTExpand::ForcesSearchButtons() const {
    if (!m_hWnd) return false;
    CString number = CWnd(GetDlgItem(IDC_JTE_TABLE_NUM)).GetWindowText();
    return PanelForcesSearch(number.GetString(), m_list248.GetCurSel(), m_list249.GetCurSel(), m_list250.GetCurSel());
}

void CJTExpand::RunSearch() {
    if (!m_hWnd) return;
    CString number = CWnd(GetDlgItem(IDC_JTE_TABLE_NUM)).GetWindowText();
    CString name = CWnd(GetDlgItem(IDC_JTE_NAME)).GetWindowText();
    CString texts[3] = {SelectedText(m_list248), SelectedText(m_list249), SelectedText(m_list250)};
    PartnerSearchInput input;
    input.tableNumber = number.GetString();
    input.name = name.GetString();
    input.selection[0] = m_list248.GetCurSel();
    input.selection[1] = m_list249.GetCurSel();
    input.selection[2] = m_list250.GetCurSel();
    for (int i = 0; i < 3; ++i) input.selectedText[i] = texts[i].GetString();
    input.searchKind = m_bSearchKind;
    PartnerSearchCode code = RunPartnerSearch(input, m_stFound);
    if (code != kSearchSendsNothing && m_hWndReport) {
        ::SendMessageA(m_hWndReport, LOBBYUI_MSG_PARTNER_SEARCH, static_cast<WPARAM>(code), 0);
    }
}

void CJTExpand::EraseBackground(HDC dc) {
    // Score mode has a background of its own; once shown it stays.
    if (!m_bShowBeans && !m_bScoreBackground) {
        m_background.Attach(::LoadBitmapA(LobbyModule(), MAKEINTRESOURCEA(IDB_JT_EXPAND_SCORE)));
        m_bScoreBackground = true;
    }
    if (!m_background) return;
    CRect client = GetClientRect();
    CMemoryDC source(dc);
    SelectGuard select(source, m_background);
    ::BitBlt(dc, 0, 0, client.Width(), client.Height(), source, 0, 0, SRCCOPY);
}

INT_PTR CJTExpand::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    switch (msg) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(w));
        SetMsgResult(TRUE);
        return TRUE;
    case WM_PRINTCLIENT:
        // The background is all the panel shows: a print of the client alone
        // draws it too, and once when the erase is asked for as well.
        if (l & (PRF_CLIENT | PRF_ERASEBKGND)) EraseBackground(reinterpret_cast<HDC>(w));
        return TRUE;
    default:
        return CDialog::DialogProc(msg, w, l);
    }
}
