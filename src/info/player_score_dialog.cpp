#include "info/player_score_dialog.h"

#include <stdio.h>
#include <string.h>

#include <string>

#include <lobbyui/player_info.h>

#include "frame/dialog_singleton.h"
#include "info/csv_text.h"
#include "info/tooltip_ctrl.h"
#include "res/info_ids.h"
#include "support/digit_pictures.h"
#include "support/safe_format.h"
#include "support/table_text.h"
#include "support/window_placement.h"
#include "win/module.h"

using namespace player_score;

namespace {

// What exists once beside the dialog: the page with its pending requests,
// and the tooltip texts (the tooltip control itself is a load-time global).
struct ScoreDialogShared {
    Pages pages;
    char tooltips[kSlots][80];
};
ScoreDialogShared g_shared;

// Label entries and the texts they hold; entries 5 to 8 and 16 stay empty.
const struct {
    int entry;
    int text;
} kLabelTexts[] = {
    {1, 1},   {2, 2},   {3, 3},   {4, 4},   {9, 9},   {10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}, {15, 15},
    {17, 17}, {18, 18}, {19, 19}, {20, 20}, {21, 67}, {22, 68}, {23, 82}, {24, 83}, {25, 84}, {26, 85},
};

// A text of the table into its slot, cut on a character boundary; an empty
// text leaves the slot as it is.
void LoadIntoSlot(CCsvText& reader, int textNumber, char* slot, size_t slotSize) {
    reader.Load(textNumber, reader.simplified);
    if (reader.text[0]) CopyToSlot(slot, slotSize, reader.text);
}

void DrawCount(CDC& dc, int x, int y, int value) {
    char line[16];
    snprintf(line, sizeof line, "%d ", value);
    DrawUnlessEmpty(dc, x, y, line);
}

void ApplyButtonChange(HWND button, ButtonChange change) {
    if (change != kKeep) ::EnableWindow(button, change == kEnable);
}

}  // namespace

CPlayerScoreDlg::CPlayerScoreDlg() : CDragDialog(IDD_PLAYER_SCORE, nullptr) {
    memset(m_acLabel, 0, sizeof m_acLabel);
    memset(m_acDanSuffix, 0, sizeof m_acDanSuffix);
    memset(m_acPageLabel, 0, sizeof m_acPageLabel);
    memset(&m_stMerit, 0, sizeof m_stMerit);
    memset(&m_stContest, 0, sizeof m_stContest);
    memset(&m_stView, 0, sizeof m_stView);
    memset(m_acName, 0, sizeof m_acName);
    m_bUseHostCursor = true;
}

BOOL CPlayerScoreDlg::OnInitDialog() {
    CCsvText faceReader;
    faceReader.DetectLanguage();
    faceReader.Load(35, faceReader.simplified);

    Skin::ApplyWindowSkin(m_hWnd, "PlayerScore");
    m_groupKingHat.Open("kinghat");
    m_groupDigits.Open("KingHatNum");
    m_groupCards.Open("DaiJinJuan");
    m_groupRings.Open("FingerRing");

    LOGFONTA lf = ChineseLogFont(13, 500);
    CopyToSlot(lf.lfFaceName, sizeof lf.lfFaceName, faceReader.text);
    m_font.CreateFontIndirect(&lf);

    memset(m_acPageLabel, 0, sizeof m_acPageLabel);
    memset(g_shared.tooltips, 0, sizeof g_shared.tooltips);
    memset(m_acLabel, 0, sizeof m_acLabel);
    memset(m_acDanSuffix, 0, sizeof m_acDanSuffix);
    LoadTexts();

    SetUpTooltips();

    const int buttons[2][2] = {{IDC_PS_PREVIOUS_PAGE, 60}, {IDC_PS_NEXT_PAGE, 85}};
    for (const auto& b : buttons) {
        CWnd button(GetDlgItem(b[0]));
        button.SetWindowPos(nullptr, b[1], 365, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }

    g_shared.pages = Pages();
    ::EnableWindow(GetDlgItem(IDC_PS_PREVIOUS_PAGE), FALSE);
    return TRUE;
}

void CPlayerScoreDlg::LoadTexts() {
    CCsvText reader;
    reader.DetectLanguage();
    for (const auto& label : kLabelTexts) LoadIntoSlot(reader, label.text, m_acLabel[label.entry], kLabelSize);
    LoadIntoSlot(reader, 46, m_acDanSuffix, sizeof m_acDanSuffix);
    for (int i = 0; i < kSlots; ++i) {
        LoadIntoSlot(reader, kTooltipSlots[i].textNumber, g_shared.tooltips[i], kTooltipSlots[i].size);
    }
    for (int page = 1; page <= kPages; ++page) {
        LoadIntoSlot(reader, PageLabelText(page), m_acPageLabel[page - 1], sizeof m_acPageLabel[0]);
    }
}

void CPlayerScoreDlg::SetUpTooltips() {
    CToolTipCtrl& tooltip = TheScoreTooltip();
    tooltip.Create(m_hWnd, 0);
    for (int k = 0; k < kSlots; ++k) {
        RECT rect = CWnd::ToRECT(IconRect(k));
        tooltip.AddTool(m_hWnd, static_cast<UINT>(k + 1), rect, LobbyModule(), "");
    }
}

void CPlayerScoreDlg::ClearTooltips() {
    for (int k = 0; k < kSlots; ++k) TheScoreTooltip().UpdateTipText("", m_hWnd, static_cast<UINT>(k + 1));
}

void CPlayerScoreDlg::OnDestroy() {
    m_groupKingHat.Close();
    m_groupDigits.Close();
    m_groupCards.Close();
    m_groupRings.Close();
    m_font.DeleteObject();
    // A host may already have made the next dialog, from the activation this
    // destruction caused; the tooltip is then that dialog's and stays.
    TheScoreTooltip().DestroyIfOwnedBy(m_hWnd);
}

void CPlayerScoreDlg::ShowFor(const char* name) {
    // A window that went with its parent has nothing to show.
    if (!m_hWnd) return;
    const unsigned int call = ++m_uVisibilityCalls;
    // Everything a show sets is set before the window moves: placing and
    // showing move the activation, the host may call back from there, and
    // what it does then stands.
    if (name) CopyPlayerName(m_acName, name, static_cast<size_t>(-1));
    g_shared.pages = Pages();
    ::EnableWindow(GetDlgItem(IDC_PS_PREVIOUS_PAGE), FALSE);
    ::EnableWindow(GetDlgItem(IDC_PS_NEXT_PAGE), TRUE);
    ClearTooltips();

    const CRect placed = ClientAreaCentred(m_hWnd, m_hWndOwner, kClientWidth, kClientHeight);
    LifeWatch watch(*this);
    SetWindowPos(HWND_TOP, placed.left, placed.top, placed.Width(), placed.Height(), SWP_HIDEWINDOW);
    // Gone, or shown or hidden by the host meanwhile: the host's call stands.
    if (watch.Gone() || call != m_uVisibilityCalls) return;
    ShowWindow(SW_SHOW);
}

void CPlayerScoreDlg::Hide() {
    ++m_uVisibilityCalls;
    ShowWindow(SW_HIDE);
}

void CPlayerScoreDlg::SetMerit(const tagKWP_MERIT_DETAIL* merit) {
    if (merit) memcpy(&m_stMerit, merit, sizeof m_stMerit);
    else memset(&m_stMerit, 0, sizeof m_stMerit);
}

void CPlayerScoreDlg::SetContest(const tagKWP_USER_CONTEST_SCORE_INFO* contest) {
    if (!contest) {
        memset(&m_stContest, 0, sizeof m_stContest);
        return;
    }
    memcpy(&m_stContest, contest, sizeof m_stContest);
    m_bContestReceived = true;
}

void CPlayerScoreDlg::SetView(const tagKWP_PLAYER_ALL_VIEW* view) {
    if (view) memcpy(&m_stView, view, sizeof m_stView);
    else memset(&m_stView, 0, sizeof m_stView);
}

void CPlayerScoreDlg::RequestPage(bool next) {
    if (next) g_shared.pages.nextRequested = true;
    else g_shared.pages.previousRequested = true;
    ClearTooltips();
    Invalidate(TRUE);
    // Painted at once: two clicks before a paint would otherwise turn one page.
    UpdateWindow();
}

BOOL CPlayerScoreDlg::OnCommand(UINT id, UINT notifyCode, HWND control) {
    switch (id) {
    case IDC_PS_PREVIOUS_PAGE:
    case IDC_PS_NEXT_PAGE:
        if (notifyCode == BN_CLICKED) RequestPage(id == IDC_PS_NEXT_PAGE);
        return TRUE;
    default:
        return CDragDialog::OnCommand(id, notifyCode, control);
    }
}

// Enter and Escape close the dialog the way its close box does.
void CPlayerScoreDlg::OnOK() { Hide(); }

void CPlayerScoreDlg::OnCancel() { Hide(); }

void CPlayerScoreDlg::Paint(CDC& dc) {
    SelectGuard font(dc, m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    PaintHeader(dc);
    dc.SetTextColor(RGB(0, 0, 0));
    PaintLevel(dc);
    PaintFigures(dc);
    PaintPageButtons();
    DrawUnlessEmpty(dc, 70, 252, m_acPageLabel[g_shared.pages.page - 1]);
    if (g_shared.pages.page == 1) PaintItems(dc);
}

void CPlayerScoreDlg::PaintHeader(CDC& dc) {
    uint32_t colour = 0;
    if (!MemberColour(m_stMerit.ucMember, &colour)) return;
    dc.SetTextColor(static_cast<COLORREF>(colour));
    DrawUnlessEmpty(dc, 17, 8, m_acLabel[23 + m_stMerit.ucMember]);
    DrawUnlessEmpty(dc, 92, 8, m_acName);
    DrawUnlessEmpty(dc, 208, 8, m_acLabel[2]);
}

void CPlayerScoreDlg::PaintLevel(CDC& dc) {
    const unsigned int level = m_stMerit.ucLevel;
    DrawUnlessEmpty(dc, 33, 43, m_acLabel[3]);

    CCsvText reader;
    reader.DetectLanguage();
    reader.Load(TitleTextNumber(level), reader.simplified);
    std::string title = reader.text[0] ? std::string(reader.text) : FallbackTitle(level, m_acLabel[3], m_acDanSuffix);
    DrawUnlessEmpty(dc, 75, 43, title.c_str());

    int threshold = 0;
    if (ExperienceThreshold(level, &threshold)) {
        DrawFormatted(dc, 17, 62, m_acLabel[4], {FormatArg::Int(m_stMerit.usExperience), FormatArg::Int(threshold)});
    } else {
        DrawUnlessEmpty(dc, 17, 62, " ");
    }
}

void CPlayerScoreDlg::PaintFigures(CDC& dc) {
    DrawFormatted(dc, 180, 46, m_acLabel[10], {FormatArg::Int(m_stView.iBeans)});
    DrawFormatted(dc, 180, 104, m_acLabel[9], {FormatArg::Int(m_stView.iPremiumBalance)});
    DrawFormatted(dc, 180, 65, m_acLabel[11], {FormatArg::Int(m_stView.iFigure2)});
    DrawFormatted(dc, 180, 84, m_acLabel[12], {FormatArg::Int(m_stView.iFigure3)});

    DrawUnlessEmpty(dc, 167, 136, m_acLabel[13]);
    DrawUnlessEmpty(dc, 274, 136, m_acLabel[14]);
    DrawCount(dc, 234, 136, m_stMerit.iGroupOneFirst);
    DrawUnlessEmpty(dc, 274, 155, m_acLabel[15]);
    DrawCount(dc, 234, 155, m_stMerit.iGroupOneSecond);
    DrawUnlessEmpty(dc, 167, 193, m_acLabel[17]);
    DrawUnlessEmpty(dc, 274, 193, m_acLabel[14]);
    DrawCount(dc, 234, 193, m_stMerit.iGroupTwoFirst);
    DrawUnlessEmpty(dc, 274, 212, m_acLabel[15]);
    DrawCount(dc, 234, 212, m_stMerit.iGroupTwoSecond);

    PlayTime time = HoursAndMinutes(m_stMerit.iTimeSeconds);
    DrawFormatted(dc, 167, 287, m_acLabel[18], {FormatArg::Int(time.hours), FormatArg::Int(time.minutes)});
    DrawFormatted(dc, 167, 306, m_acLabel[19], {FormatArg::Int(m_stMerit.iTally1)});
    DrawFormatted(dc, 167, 325, m_acLabel[20], {FormatArg::Int(m_stMerit.iTally2)});

    DrawUnlessEmpty(dc, 167, 250, m_acLabel[21]);
    DrawCount(dc, 234, 250, m_stMerit.iExtraCount1);
    DrawUnlessEmpty(dc, 167, 269, m_acLabel[22]);
    DrawCount(dc, 234, 269, m_stMerit.iExtraCount2);
}

void CPlayerScoreDlg::PaintPageButtons() {
    PageTurn turn = TurnPage(g_shared.pages);
    ApplyButtonChange(GetDlgItem(IDC_PS_PREVIOUS_PAGE), turn.previous);
    ApplyButtonChange(GetDlgItem(IDC_PS_NEXT_PAGE), turn.next);
}

const SkinImageGroup& CPlayerScoreDlg::GroupOf(ItemGroup group) const {
    switch (group) {
    case kGroupKingHat: return m_groupKingHat;
    case kGroupRings: return m_groupRings;
    default: return m_groupCards;
    }
}

void CPlayerScoreDlg::PaintItems(CDC& dc) {
    GridItem items[kSlots];
    const size_t count = ItemGrid(m_stMerit, items);
    for (size_t k = 0; k < static_cast<size_t>(kSlots); ++k) {
        const int slot = static_cast<int>(k);
        const UINT tool = static_cast<UINT>(k + 1);
        // Slots past the items lose their tips too: a record with fewer
        // items than the last one leaves no tip over an empty slot.
        if (k >= count) {
            TheScoreTooltip().UpdateTipText("", m_hWnd, tool);
            continue;
        }
        const GridItem& item = items[k];
        GroupOf(item.group).Draw(item.image, dc, IconRect(slot));
        if (item.counted) {
            int tens = 0, ones = 0;
            CountDigits(item.count, &tens, &ones);
            m_groupDigits.Draw(DigitPictureName(DigitNames::kLowerNum, ones), dc, DigitRect(slot));
            m_groupDigits.Draw(DigitPictureName(DigitNames::kLowerNum, tens), dc, TensRect(slot));
        }
        const int tip = TooltipSlotOf(item.tooltipText);
        TheScoreTooltip().UpdateTipText(tip >= 0 ? g_shared.tooltips[tip] : "", m_hWnd, tool);
    }
}

namespace {
DialogSingleton<CPlayerScoreDlg> g_scoreDialog;
}

void CPSDlg_Interface::CreatePS_Dlg(CWnd* parent) { g_scoreDialog.Create(parent); }

void CPSDlg_Interface::ShowPS_Dlg(char* name) {
    g_scoreDialog.With([name](CPlayerScoreDlg& d) { d.ShowFor(name); });
}

void CPSDlg_Interface::HidePS_Dlg() {
    g_scoreDialog.With([](CPlayerScoreDlg& d) { d.Hide(); });
}

unsigned char CPSDlg_Interface::IfPS_DlgVisible() {
    return g_scoreDialog.Ask<unsigned char>([](CPlayerScoreDlg& d) { return d.m_hWnd && d.IsWindowVisible(); });
}

void CPSDlg_Interface::SetPS_DlgData(tagKWP_MERIT_DETAIL* merit) {
    g_scoreDialog.With([merit](CPlayerScoreDlg& d) { d.SetMerit(merit); });
}

void CPSDlg_Interface::SetPS_DlgData1(tagKWP_USER_CONTEST_SCORE_INFO* contest) {
    g_scoreDialog.With([contest](CPlayerScoreDlg& d) { d.SetContest(contest); });
}

void CPSDlg_Interface::SetPS_DlgData2(tagKWP_PLAYER_ALL_VIEW* view) {
    g_scoreDialog.With([view](CPlayerScoreDlg& d) { d.SetView(view); });
}

void CPSDlg_Interface::SetPS_DlgYuCoinUse(bool use) {
    g_scoreDialog.With([use](CPlayerScoreDlg& d) { d.SetPremiumCurrency(use); });
}

void CPSDlg_Interface::DestroyPS_Dlg() { g_scoreDialog.Destroy(); }
