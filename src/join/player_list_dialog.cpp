#include "join/player_list_dialog.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include <lobbyui/base_data_control.h>
#include <lobbyui/party_dialogs.h>
#include <lobbyui/player_stats.h>

#include "frame/dialog_singleton.h"
#include "frame/skin.h"
#include "support/html_trace.h"
#include "support/lobby_sound.h"
#include "support/texts_gbk.h"

using namespace player_list;

const char kContestServerVariable[] = "LOBBYUI_CONTEST_SERVER";

namespace {

const int kStorageItems = 550;
const int kStorageBytesPerItem = 15;

void OpenWithShell(const char* address) {
    ::ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
WebPageOpener s_opener = &OpenWithShell;

// What the row order asks of the room and the host. A host that destroys
// the list while answering one friend question is asked no more.
class ListFacts : public RowFacts {
public:
    ListFacts(CPlayerListBox& list, const CLifeWatched::LifeWatch& listWatch) : m_list(list), m_watch(listWatch) {}
    unsigned int LocalPlayerId() override { return CBaseDataControl::GetGameID(); }
    bool IsFriend(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) override {
        return !m_watch.Gone() && m_list.IsFriend(player);
    }
    int TableOf(unsigned int playerId) override { return CPT_MapInerface::GetPlayerTableNum(playerId); }

private:
    CPlayerListBox& m_list;
    const CLifeWatched::LifeWatch& m_watch;
};

bool ListFailed(LRESULT result) { return result == LB_ERR || result == LB_ERRSPACE; }

void TraceListError(int step) { Trace("%s%d", kGbkListResultError, step); }

// Visits the rows' records from the last row to the first. A row without a
// record is traced and passed over. visit(row, record) answers false to stop.
template <class Visit>
void ForEachRowRecord(CPlayerListBox& list, Visit visit) {
    const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*>& rows = list.Rows();
    for (size_t i = rows.size(); i-- > 0;) {
        tagKWP_PLAYER_LIST_DATA_EXTRA* player = rows[i];
        if (!player) {
            Trace("%s", kGbkListResultError);
            continue;
        }
        if (!visit(static_cast<int>(i), *player)) return;
    }
}

}  // namespace

WebPageOpener SetWebPageOpener(WebPageOpener opener) {
    WebPageOpener previous = s_opener;
    s_opener = opener ? opener : &OpenWithShell;
    return previous;
}

PlayerListState& ThePlayerListState() {
    static PlayerListState state;
    return state;
}

CPlayerListBoxDlg::CPlayerListBoxDlg() : CDragDialog(IDD_PLAYER_LIST, nullptr) {
    m_bUseHostCursor = true;
    m_sortMenu.LoadMenu(IDR_PLAYER_LIST_SORT_MENU);
}

BOOL CPlayerListBoxDlg::OnInitDialog() {
    Skin::ApplyWindowSkin(m_hWnd, "PlayerListBox");
    m_sortButton.m_hWnd = GetDlgItem(IDC_PLAYER_LIST_SORT);
    m_contestButton.m_hWnd = GetDlgItem(IDC_PLAYER_LIST_CONTEST);
    m_list.Attach(IDC_PLAYER_LIST, *this);

    if (m_list.SendMessage(LB_INITSTORAGE, kStorageItems, kStorageBytesPerItem) == LB_ERRSPACE) {
        TraceListError(5);
        return TRUE;
    }
    if (m_list.SetItemHeight(0, CPlayerListBox::kRowHeight) == LB_ERR) {
        TraceListError(6);
        return TRUE;
    }
    Skin::SkinControlOption(m_list.m_hWnd, 1);
    m_list.m_playerMenu.LoadMenu(IDR_PLAYER_LIST_PLAYER_MENU);
    m_list.m_valueFormat.Set(LoadPlayerListText(10));
    ThePlayerListState().captions.Fill(&LoadPlayerListText);
    return TRUE;
}

INT_PTR CPlayerListBoxDlg::DialogProc(UINT msg, WPARAM w, LPARAM l) {
    // The framework reads the structure of these messages for every control:
    // one sent without a structure has nothing to compare, draw or delete.
    if ((msg == WM_COMPAREITEM || msg == WM_DRAWITEM || msg == WM_DELETEITEM) && !l) return FALSE;
    switch (msg) {
    case WM_COMPAREITEM:
        if (w != IDC_PLAYER_LIST) break;
        return Compare(*reinterpret_cast<COMPAREITEMSTRUCT*>(l));
    case WM_DRAWITEM:
        if (w != IDC_PLAYER_LIST) break;
        // The host may destroy the dialog while it answers a row's question.
        if (Draw(*reinterpret_cast<DRAWITEMSTRUCT*>(l))) SetMsgResult(TRUE);
        return TRUE;
    case WM_PAINT:
        // The skin paints the dialog's surface; the rows need a fresh paint.
        ::ValidateRect(m_hWnd, nullptr);
        m_list.Invalidate(FALSE);
        return TRUE;
    default:
        break;
    }
    return CDragDialog::DialogProc(msg, w, l);
}

// The rows drawn while the window goes, or until a destroy that had to wait
// happens, ask the host nothing: for the host the list is gone.
void CPlayerListBoxDlg::OnDestroying() { m_list.Quiet(); }

BOOL CPlayerListBoxDlg::OnCommand(UINT id, UINT notifyCode, HWND control) {
    switch (id) {
    case IDC_PLAYER_LIST_SORT:
        if (notifyCode == BN_CLICKED) OnSortButton();
        return TRUE;
    case IDC_PLAYER_LIST_CONTEST:
        if (notifyCode == BN_CLICKED) OnContestButton();
        return TRUE;
    case ID_SORT_BY_FRIEND:
    case ID_SORT_BY_NICKNAME:
    case ID_SORT_BY_LEVEL:
    case ID_SORT_BY_VALUE:
    case ID_SORT_BY_TABLE:
    case ID_SORT_BY_MEMBER:
        OnSortCommand(id);
        return TRUE;
    default:
        return CDragDialog::OnCommand(id, notifyCode, control);
    }
}

int CPlayerListBoxDlg::Compare(const COMPAREITEMSTRUCT& items) {
    return CompareRecords(reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(items.itemData1),
                          reinterpret_cast<const tagKWP_PLAYER_LIST_DATA_EXTRA*>(items.itemData2));
}

int CPlayerListBoxDlg::CompareRecords(const tagKWP_PLAYER_LIST_DATA_EXTRA* a, const tagKWP_PLAYER_LIST_DATA_EXTRA* b) {
    PlayerListState& state = ThePlayerListState();
    if (state.currentSortCommand != 0) m_iCurrentSort = state.currentSortCommand;
    CLifeWatched::LifeWatch listWatch(m_list);
    ListFacts facts(m_list, listWatch);
    return CompareRows(a, b, m_iCurrentSort, state.scoreLobby, facts);
}

bool CPlayerListBoxDlg::Draw(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return true;
    PlayerListState& state = ThePlayerListState();
    if (!state.beansPatched) {
        tagKWP_PLAYER_LIST_DATA_EXTRA* first = m_list.RecordAt(0);
        if (first && state.allViewPlayerId != 0 && first->uiPlayerID == state.allViewCheckId) {
            first->iBeans = state.allViewBeans;
            state.beansPatched = true;
        }
    }
    CDC dc(item.hDC);
    return m_list.DrawRow(dc, CWnd::FromRECT(item.rcItem), reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(item.itemData));
}

void CPlayerListBoxDlg::SetSortCaption(int textNumber) {
    if (textNumber == 0) return;
    m_sortButton.SetWindowText(ThePlayerListState().captions.Caption(textNumber, &LoadPlayerListText).c_str());
}

void CPlayerListBoxDlg::ShowDialog() {
    const UINT place = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(nullptr, 567, 0, 234, 474, place | SWP_HIDEWINDOW);
    m_list.SetWindowPos(nullptr, 5, 4, 225, 430, place | SWP_SHOWWINDOW);
    m_sortButton.SetWindowPos(nullptr, 21, 442, 109, 21, place | SWP_SHOWWINDOW);
    SetSortCaption(SortCaptionText(ThePlayerListState().currentSortCommand, m_bUseYuCoin));
    m_contestButton.SetWindowText(LoadPlayerListText(34).c_str());
    m_iCurrentSort = ID_SORT_BY_MEMBER;
    m_contestButton.EnableWindow(FALSE);
    m_contestButton.SetWindowPos(nullptr, 150, 442, 68, 21, place | SWP_HIDEWINDOW);
    ShowWindow(SW_SHOW);
}

void CPlayerListBoxDlg::HideAndEmpty() {
    // With the keyboard in the list, the hide hands it to the host's window,
    // whose code may destroy the list or show it again; an empty list is
    // what the hide asked for either way.
    if (!ShowWindowSurvives(SW_HIDE)) return;
    Empty();
}

void CPlayerListBoxDlg::Empty() {
    ++m_uEmptied;
    m_pending.clear();
    m_list.HoldRedraw();
    for (int i = m_list.GetCount() - 1; i >= 0; --i) {
        if (m_list.DeleteString(i) == LB_ERR) {
            TraceListError(2);
            break;
        }
    }
    m_list.ResetContent();
    m_list.ForgetRecord(nullptr);
    m_list.ReleaseRedraw();
}

void CPlayerListBoxDlg::ShowList() {
    m_list.ShowWindow(SW_SHOW);
    SendMessage(WM_COMMAND, ID_SORT_BY_MEMBER, 0);
}

void CPlayerListBoxDlg::SetUseYuCoin(bool use) {
    m_bUseYuCoin = use;
    m_list.m_bUseYuCoin = use;
}

void CPlayerListBoxDlg::OnSortButton() {
    PlayLobbySound(kSoundMenu);
    CPoint anchor = ClientToScreen(CPoint(31, 322));
    PlayerListState& state = ThePlayerListState();
    CMenuHandle sorts = m_sortMenu.GetSubMenu(0);
    if (!state.scoreLobby && sorts.m_hMenu) {
        sorts.DeleteMenu(2, MF_BYPOSITION);
        sorts.InsertMenu(2, MF_BYPOSITION | MF_STRING, ID_SORT_BY_VALUE, kGbkSortByScore);
    }
    m_bScoreFlagSnapshot = state.scoreLobby;
    POINT pt = {anchor.x, anchor.y};
    CBaseDataControl::TrackPopMenu(pt, m_hWnd, sorts.m_hMenu);
}

void CPlayerListBoxDlg::OnSortCommand(UINT command) {
    PlayLobbySound(kSoundClick);
    SetSortCaption(SortCaptionText(static_cast<int>(command), !m_bScoreFlagSnapshot));
    m_iCurrentSort = static_cast<int>(command);
    ThePlayerListState().currentSortCommand = static_cast<int>(command);
    Resort();
}

void CPlayerListBoxDlg::OnContestButton() {
    char server[256] = {0};
    DWORD length = ::GetEnvironmentVariableA(kContestServerVariable, server, sizeof server);
    const bool named = length > 0 && length < sizeof server;
    const std::string address = ContestPageAddress(ContestServer(named ? server : nullptr), m_iContestNumber);
    s_opener(address.c_str());
}

void CPlayerListBoxDlg::ShowContestButton(int show, int contestNumber) {
    m_iContestNumber = contestNumber;
    m_contestButton.EnableWindow(show != 0);
    m_contestButton.SetWindowPos(nullptr, 150, 442, 68, 21,
                                 SWP_NOZORDER | SWP_NOACTIVATE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CPlayerListBoxDlg::Resort() {
    if (!m_list.m_hWnd) return;
    // Asked for again while the rows are being put back (the host answering a
    // friend question): that order is made once this one is done.
    if (m_bResorting) {
        m_bResortAgain = true;
        return;
    }
    LifeWatch watch(*this);
    m_bResorting = true;
    do {
        m_bResortAgain = false;
        ResortOnce();
        if (watch.Gone()) return;
    } while (m_bResortAgain && m_list.m_hWnd);
    m_bResorting = false;
}

void CPlayerListBoxDlg::ResortOnce() {
    const int top = m_list.TopIndex();
    // Every entry is kept, however many the host has added. The entries not
    // yet put back wait in m_pending, where a removal or an emptying by the
    // host meanwhile reaches them too.
    m_pending = m_list.Rows();
    const unsigned int local = CBaseDataControl::GetGameID();
    LifeWatch watch(*this);

    m_list.SendMessage(WM_SETREDRAW, FALSE);
    m_list.ResetContent();
    for (;;) {
        auto other = std::find_if(m_pending.begin(), m_pending.end(), [local](tagKWP_PLAYER_LIST_DATA_EXTRA* p) {
            return p && p->uiPlayerID != local;
        });
        if (other == m_pending.end()) break;
        tagKWP_PLAYER_LIST_DATA_EXTRA* player = *other;
        m_pending.erase(other);
        bool gone = false;
        const LRESULT row = AddSorted(player, &gone);
        if (gone) return;
        if (ListFailed(row)) TraceListError(1);
        m_list.KeepTopIndex(top);
    }
    // What is left is the local player's (and empty entries).
    for (auto it = m_pending.rbegin(); it != m_pending.rend(); ++it) {
        if (!*it) continue;
        if (ListFailed(m_list.SendMessage(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(*it)))) TraceListError(0);
    }
    m_pending.clear();
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.Invalidate(FALSE);
    m_list.KeepTopIndex(top);
}

bool CPlayerListBoxDlg::FindPlace(const tagKWP_PLAYER_LIST_DATA_EXTRA* player, size_t* place) {
    LifeWatch watch(*this);
    const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*> rows = m_list.Rows();
    // The list box's own search: the first row found equal takes the new
    // row's place, otherwise the row goes where the search ends.
    int low = 0;
    int high = static_cast<int>(rows.size()) - 1;
    int found = -1;
    while (low <= high && !watch.Gone()) {
        const int middle = (low + high) / 2;
        const int order = CompareRecords(rows[static_cast<size_t>(middle)], player);
        if (order == 0) {
            found = middle;
            break;
        }
        if (order > 0) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    *place = static_cast<size_t>(found >= 0 ? found : low);
    return !watch.Gone();
}

LRESULT CPlayerListBoxDlg::AddSorted(tagKWP_PLAYER_LIST_DATA_EXTRA* player, bool* gone) {
    // The place is found here, the way a sorted list box finds it, and the
    // row inserted there: the comparisons ask the host about friends, and a
    // list box must not be destroyed or emptied inside its own add. The host
    // may still change the rows while it answers; then the place is looked
    // for again, and an emptying stands.
    const unsigned int emptied = m_uEmptied;
    size_t place = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const unsigned int version = m_list.RowsVersion();
        *gone = !FindPlace(player, &place);
        if (*gone) return LB_ERR;
        if (m_list.RowsVersion() == version) break;
    }
    if (emptied != m_uEmptied) return kRowDropped;
    const size_t count = m_list.Rows().size();
    return m_list.SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(place < count ? place : count),
                              reinterpret_cast<LPARAM>(player));
}

BOOL CPlayerListBoxDlg::AddPlayer(tagKWP_PLAYER_LIST_DATA_EXTRA* player, unsigned char atTop, unsigned char redraw) {
    if (!player || !m_list.m_hWnd) return FALSE;
    const int top = m_list.TopIndex();
    // A host fills a room with one call per player and one redraw at the end.
    if (!redraw) m_list.HoldRedraw();
    if (atTop == 1) {
        if (ListFailed(m_list.SendMessage(LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(player)))) {
            TraceListError(0);
            return FALSE;
        }
    } else {
        bool gone = false;
        const LRESULT row = AddSorted(player, &gone);
        if (gone || row == kRowDropped) return FALSE;
        if (ListFailed(row)) {
            TraceListError(1);
            return FALSE;
        }
    }
    if (redraw) {
        m_list.ReleaseRedraw();
        m_list.Invalidate(FALSE);
    }
    m_list.KeepTopIndex(top);
    return TRUE;
}

void CPlayerListBoxDlg::RemovePlayer(int playerId) {
    if (playerId < 1) Trace(kGbkPlayerIdErrorFormat, playerId);
    // Removed while a re-sort holds the entry: it is not put back.
    for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
        if (*it && (*it)->uiPlayerID == static_cast<unsigned int>(playerId)) {
            m_list.ForgetRecord(*it);
            m_pending.erase(it);
            return;
        }
    }
    const int top = m_list.TopIndex();
    bool deleteFailed = false;
    ForEachRowRecord(m_list, [&](int row, tagKWP_PLAYER_LIST_DATA_EXTRA& player) {
        if (player.uiPlayerID != static_cast<unsigned int>(playerId)) return true;
        // Players leave one call each; the list shows the room once they are gone.
        m_list.HoldRedraw();
        if (m_list.DeleteString(row) == LB_ERR) {
            TraceListError(3);
            deleteFailed = true;
            return false;
        }
        m_list.ForgetRecord(&player);
        return false;
    });
    if (!deleteFailed) m_list.KeepTopIndex(top);
}

void CPlayerListBoxDlg::ApplyFreshValues() {
    const PlayerListState& state = ThePlayerListState();
    if (state.allViewPlayerId == 0) Trace(kGbkAllViewIdErrorFormat, static_cast<int>(state.allViewPlayerId));
    const int top = m_list.TopIndex();
    ForEachRowRecord(m_list, [&](int, tagKWP_PLAYER_LIST_DATA_EXTRA& player) {
        if (player.uiPlayerID != state.allViewPlayerId) return true;
        player.iBeans = state.allViewBeans;
        player.ucLevel = state.meritLevel;
        m_list.Invalidate(FALSE);
        return true;
    });
    m_list.KeepTopIndex(top);
}

// The facade.

namespace {
DialogSingleton<CPlayerListBoxDlg> g_playerList;
}

void CPartyDlg_DlgInerface::CreatePlayerLBDlg(CWnd* parent) {
    g_playerList.Create(parent);
}

void CPartyDlg_DlgInerface::ShowPlayerLBDlg() {
    g_playerList.With([](CPlayerListBoxDlg& d) { d.ShowDialog(); });
}

void CPartyDlg_DlgInerface::HidePlayerLBDlg() {
    g_playerList.With([](CPlayerListBoxDlg& d) { d.HideAndEmpty(); });
}

void CPartyDlg_DlgInerface::DestroyPlayerLBDlg() { g_playerList.Destroy(); }

void CPartyDlg_DlgInerface::ShowPlayerLB() {
    g_playerList.With([](CPlayerListBoxDlg& d) { d.ShowList(); });
}

void CPartyDlg_DlgInerface::RedrawPlayerLB(unsigned char erase) {
    g_playerList.With([erase](CPlayerListBoxDlg& d) {
        d.m_list.ReleaseRedraw();
        d.m_list.Invalidate(erase != 0);
    });
}

void CPartyDlg_DlgInerface::AddPlayer(tagKWP_PLAYER_LIST_DATA_EXTRA* player, unsigned char atTop, unsigned char redraw) {
    g_playerList.With([=](CPlayerListBoxDlg& d) { d.AddPlayer(player, atTop, redraw); });
}

void CPartyDlg_DlgInerface::RemoveAPlayer(int playerId) {
    g_playerList.With([playerId](CPlayerListBoxDlg& d) { d.RemovePlayer(playerId); });
}

void CPartyDlg_DlgInerface::SetPlayerLBImgList(CImageList* images, ePALYER_LIST_PIC_GROUP group) {
    const int index = static_cast<int>(group);
    if (index < 0 || index >= CPlayerListBox::kPictureGroups) return;
    g_playerList.With([=](CPlayerListBoxDlg& d) { d.m_list.m_pImages[index] = images; });
}

void CPartyDlg_DlgInerface::SetPlayerLB_BG_Bitmap(CBitmap* background) {
    g_playerList.With([background](CPlayerListBoxDlg& d) { d.m_list.m_pBackground = background; });
}

void CPartyDlg_DlgInerface::SetLBScoreLooby(bool beans) {
    ThePlayerListState().scoreLobby = beans;
    g_playerList.With([beans](CPlayerListBoxDlg& d) { d.m_list.m_bBeansMode = beans; });
}

void CPartyDlg_DlgInerface::SetPlayerListUseYuCoin(bool use) {
    g_playerList.With([use](CPlayerListBoxDlg& d) { d.SetUseYuCoin(use); });
}

void CPartyDlg_DlgInerface::IsShowConTestBtn(int show, int contestNumber) {
    g_playerList.With([=](CPlayerListBoxDlg& d) { d.ShowContestButton(show, contestNumber); });
}

void CPartyDlg_DlgInerface::SetData1(tagKWP_MERIT_DETAIL* merit) {
    if (merit) ThePlayerListState().meritLevel = merit->ucLevel;
}

void CPartyDlg_DlgInerface::SetData2(tagKWP_PLAYER_ALL_VIEW* view) {
    if (!view) return;
    PlayerListState& state = ThePlayerListState();
    state.allViewPlayerId = view->uiPlayerID;
    state.allViewBeans = view->iBeans;
    state.allViewCheckId = view->uiOtherID;
}

void CPartyDlg_DlgInerface::GoToUpData() {
    g_playerList.With([](CPlayerListBoxDlg& d) { d.ApplyFreshValues(); });
}

HMENU CPartyDlg_DlgInerface::GetPopupMenuHandle() {
    return g_playerList.Ask<HMENU>([](CPlayerListBoxDlg& d) { return d.m_list.m_playerMenu.m_hMenu; });
}
