#include "join/player_list_box.h"

#include <windowsx.h>
#include <string.h>

#include <algorithm>

#include <lobbyui/base_data_control.h>

#include "frame/host_cursor.h"
#include "info/csv_text.h"
#include "res/player_list_ids.h"
#include "support/html_trace.h"
#include "support/lobby_sound.h"
#include "support/texts_big5.h"
#include "support/texts_gbk.h"

using namespace player_list;

std::string LoadPlayerListText(int textNumber) {
    CCsvText reader;
    reader.DetectLanguage();
    reader.Load(textNumber, reader.simplified);
    return reader.text;
}

bool TextTableIsSimplified() { return !SystemUsesTraditionalChinese(); }

namespace {

// The nickname's bytes up to its terminator, never past the 40-byte field.
int NicknameLength(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) {
    const void* end = memchr(player.acNickName, 0, sizeof player.acNickName);
    return end ? static_cast<int>(static_cast<const char*>(end) - player.acNickName)
               : static_cast<int>(sizeof player.acNickName);
}

// Posted to the list when it starts holding its redraw, so that the host's
// message loop ends the hold. Registered: no message of the host's can be
// taken for it.
UINT ReleaseRedrawMessage() {
    static const UINT message = ::RegisterWindowMessageA("LobbyUi.PlayerList.ReleaseRedraw");
    return message;
}

}  // namespace

CPlayerListBox::CPlayerListBox() {
    LOGFONTA font = {};
    font.lfHeight = 12;
    font.lfWeight = 500;
    font.lfCharSet = 0;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = 0x50;
    strcpy(font.lfFaceName, kGbkSongTypeface);
    m_rowFont.CreateFontIndirect(&font);
}

tagKWP_PLAYER_LIST_DATA_EXTRA* CPlayerListBox::RecordAt(int index) const {
    if (!m_hWnd || index < 0) return nullptr;
    LRESULT data = SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index));
    if (data == LB_ERR) return nullptr;
    return reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(data);
}

BOOL CPlayerListBox::Attach(UINT id, const CWnd& dialog) {
    HWND control = ::GetDlgItem(dialog.m_hWnd, id);
    m_listProc = control ? reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(control, GWLP_WNDPROC)) : nullptr;
    return SubclassDlgItem(id, dialog);
}

// A message sent to the list passes our window procedure, whose dispatch
// looks the subclass up in the window's properties: under Wine a round trip
// to the server for every message. Questions that change nothing go straight
// to the procedure below ours instead.
LRESULT CPlayerListBox::Ask(UINT msg, WPARAM w, LPARAM l) const {
    if (!m_hWnd) return LB_ERR;
    if (!m_listProc) return SendMessage(msg, w, l);
    return ::CallWindowProcA(m_listProc, m_hWnd, msg, w, l);
}

int CPlayerListBox::TopIndex() const { return static_cast<int>(Ask(LB_GETTOPINDEX)); }

void CPlayerListBox::KeepTopIndex(int top) {
    if (!m_hWnd) return;
    // Setting the top row it already has changes nothing, unless fewer rows
    // are left than fill the list from there: then the list moves up. (A list
    // holding its redraw leaves that to the end; the host must see it now.)
    bool pastTheEnd = false;
    if (top > 0) {
        const int height = static_cast<int>(Ask(LB_GETITEMHEIGHT));
        const int page = height > 0 ? std::max(1, static_cast<int>(GetClientRect().Height()) / height) : 1;
        pastTheEnd = top + page > static_cast<int>(Ask(LB_GETCOUNT));
    }
    if (pastTheEnd || TopIndex() != top) SetTopIndex(top);
}

const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*>& CPlayerListBox::Rows() {
    const int count = m_hWnd ? static_cast<int>(Ask(LB_GETCOUNT)) : 0;
    // Rows changed some way the list did not watch: read them once afresh.
    if (count < 0 || static_cast<size_t>(count) != m_rows.size()) {
        m_rows.clear();
        for (int i = 0; i < count; ++i) {
            LRESULT data = Ask(LB_GETITEMDATA, static_cast<WPARAM>(i));
            if (data == LB_ERR) break;
            m_rows.push_back(reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(data));
        }
    }
    return m_rows;
}

void CPlayerListBox::FollowRows(UINT msg, WPARAM w, LPARAM l, LRESULT result) {
    switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        ++m_uRowsVersion;
        if (result >= 0 && static_cast<size_t>(result) <= m_rows.size()) {
            m_rows.insert(m_rows.begin() + result, reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(l));
        }
        break;
    case LB_DELETESTRING:
        ++m_uRowsVersion;
        if (result != LB_ERR && w < m_rows.size()) m_rows.erase(m_rows.begin() + static_cast<ptrdiff_t>(w));
        break;
    case LB_SETITEMDATA:
        ++m_uRowsVersion;
        if (result != LB_ERR && w < m_rows.size()) m_rows[w] = reinterpret_cast<tagKWP_PLAYER_LIST_DATA_EXTRA*>(l);
        break;
    case LB_RESETCONTENT:
        ++m_uRowsVersion;
        m_rows.clear();
        break;
    default:
        break;
    }
}

void CPlayerListBox::SwitchRedraw(bool on) {
    m_bSwitchingRedraw = true;
    SendMessage(WM_SETREDRAW, on ? TRUE : FALSE);
    m_bSwitchingRedraw = false;
}

void CPlayerListBox::HoldRedraw() {
    // A list someone else keeps from redrawing stays as they keep it.
    if (!m_hWnd || m_bRedrawOffByOthers) return;
    if (!m_bRedrawHeld) {
        SwitchRedraw(false);
        m_bRedrawHeld = true;
        // Marked for repainting once, now: a host that updates the window
        // before its loop runs still sees the rows as they are by then.
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
    if (!m_bReleasePosted) m_bReleasePosted = ::PostMessageA(m_hWnd, ReleaseRedrawMessage(), 0, 0) != FALSE;
}

void CPlayerListBox::ReleaseRedraw() {
    if (!m_bRedrawHeld || !m_hWnd) return;
    m_bRedrawHeld = false;
    SwitchRedraw(true);
    // Everything the list box would have invalidated change by change, and
    // erased as it would have: with few rows the background shows below them.
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

HWND CPlayerListBox::NotifyWindow() const {
    if (m_bQuiet) return nullptr;
    HWND dialog = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    HWND parent = dialog ? ::GetParent(dialog) : nullptr;
    return parent ? ::GetParent(parent) : nullptr;
}

LRESULT CPlayerListBox::SendToHost(WPARAM code, const void* data) const {
    HWND notify = NotifyWindow();
    if (!notify) return 0;
    return ::SendMessageA(notify, LOBBYUI_MSG_PLAYER_LIST, code, reinterpret_cast<LPARAM>(data));
}

bool CPlayerListBox::SendToHostAndStay(WPARAM code, const void* data) {
    LifeWatch watch(*this);
    SendToHost(code, data);
    return !watch.Gone();
}

bool CPlayerListBox::IsFriend(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) const {
    return SendToHost(LOBBYUI_PLAYER_LIST_IS_FRIEND, player.acNickName) != 0;
}

void CPlayerListBox::ForgetRecord(const tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    if (!player || player == m_pClicked) m_pClicked = nullptr;
}

void CPlayerListBox::DrawImage(HDC dc, int group, int image, int x, int y, UINT style) const {
    if (group < 0 || group >= kPictureGroups || !m_pImages[group]) return;
    m_pImages[group]->Draw(dc, image, x, y, style);
}

bool CPlayerListBox::DrawRow(CDC& dc, const CRect& row, tagKWP_PLAYER_LIST_DATA_EXTRA* player) {
    const int L = row.left;
    const int T = row.top;
    Trace("DrawPlayerData hDC: %d    left: %d    top: %d ", static_cast<int>(reinterpret_cast<INT_PTR>(dc.m_hDC)), L, T);
    Trace("pt_.x  = %d , pt_.y = %d ", L, T);
    if (!player) return true;
    char nickname[sizeof player->acNickName + 1];
    const int nameLength = NicknameLength(*player);
    memcpy(nickname, player->acNickName, static_cast<size_t>(nameLength));
    nickname[nameLength] = '\0';
    Trace("pPlayerData_  acNickName = %s ,  id = %d , usIcon = %d", nickname, static_cast<int>(player->uiPlayerID),
          player->usIcon);

    const bool local = player->uiPlayerID == CBaseDataControl::GetGameID();
    bool isFriend = false;
    if (!local) {
        LifeWatch watch(*this);
        isFriend = IsFriend(*player);
        if (watch.Gone()) return false;
    }
    DrawImage(dc, PLPG_ROW_FRAME, RowFrameImage(local, isFriend), L, T, ILD_NORMAL);
    const int avatar = AvatarImage(player->usIcon, player->ucLevel);
    if (avatar >= 0) DrawImage(dc, PLPG_FACE, avatar, L, T, ILD_TRANSPARENT);
    const BadgeChoice badge = LevelBadge(player->ucLevel);
    DrawImage(dc, badge.group, badge.image, L + badge.dx, T + badge.dy, ILD_TRANSPARENT);
    player->cSex = NormaliseMarker(player->cSex);
    DrawImage(dc, player->cSex == 0 ? PLPG_SEX_0 : PLPG_SEX_1, 0, L + 187, T + 21, ILD_TRANSPARENT);

    dc.SetBkMode(TRANSPARENT);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_rowFont.GetSafeHandle()), FALSE);
    // Selected here as well: the list box selects its font only for its own
    // paint, and a row rendered into another DC must look the same.
    SelectGuard font(dc, m_rowFont.GetSafeHandle());

    uint32_t colour = 0;
    if (NameColour(player->ucMember, &colour)) {
        dc.SetTextColor(static_cast<COLORREF>(colour));
        dc.TextOut(L + 65, T + 4, nickname, nameLength);
    }
    // Black for the rest of the row, whatever colour the DC came with.
    dc.SetTextColor(RGB(0, 0, 0));

    const int table = CPT_MapInerface::GetPlayerTableNum(player->uiPlayerID);
    m_iLastTableNum = table;
    // The cache is one byte: compared as one, so a table number above 255
    // cannot make every paint ask for another.
    const unsigned char cached = static_cast<unsigned char>(table);
    if (player->ucTableCache != cached) {
        player->ucTableCache = cached;
        if (m_hWnd) {
            RECT r = CWnd::ToRECT(row);
            ::InvalidateRect(m_hWnd, &r, FALSE);
        }
    }
    dc.TextOut(L + 160, T + 3, TableText(table).c_str());

    const bool simplified = TextTableIsSimplified();
    dc.TextOut(L + 195, T + 4, simplified ? kGbkTableLabel : kBig5TableLabel);

    const std::string value = m_valueFormat.Text(*player, simplified, m_bBeansMode, &LoadPlayerListText);
    dc.TextOut(L + 104, T + 25, value.c_str());
    return true;
}

int CPlayerListBox::RowIndexAt(int clientY) const {
    const int height = GetItemHeight(0);
    if (height <= 0 || clientY < 0) return -1;
    return GetTopIndex() + clientY / height;
}

void CPlayerListBox::OnRightButtonUp(LPARAM position) {
    const int index = RowIndexAt(GET_Y_LPARAM(position));
    tagKWP_PLAYER_LIST_DATA_EXTRA* player = index < GetCount() ? RecordAt(index) : nullptr;
    if (!player) return;

    PlayLobbySound(kSoundMenu);
    POINT cursor = {0, 0};
    ::GetCursorPos(&cursor);
    m_pClicked = player;

    const unsigned int local = CBaseDataControl::GetGameID();
    const PlayerMenuState state =
        PlayerMenuStates(CBaseDataControl::GetAutoValue(), CPT_MapInerface::GetPlayerTableNum(local),
                         CPT_MapInerface::GetPlayerTableNum(player->uiPlayerID), player->uiPlayerID == local);
    CMenuHandle menu = m_playerMenu.GetSubMenu(0);
    if (!menu.m_hMenu) return;
    auto set = [&menu](UINT id, bool enabled) {
        menu.EnableMenuItem(id, MF_BYCOMMAND | (enabled ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    };
    set(ID_PLAYER_QUERY, state.query);
    set(ID_PLAYER_INVITE, state.invite);
    set(ID_PLAYER_WHISPER, state.social);
    set(ID_PLAYER_BEFRIEND, state.social);
    set(ID_PLAYER_BLOCK, state.social);
    set(ID_PLAYER_INVITE_TO_GROUP, state.inviteToGroup);
    CBaseDataControl::TrackPopMenu(cursor, m_hWnd, menu.m_hMenu);
}

void CPlayerListBox::OnDoubleClick(LPARAM position) {
    const int index = RowIndexAt(GET_Y_LPARAM(position));
    tagKWP_PLAYER_LIST_DATA_EXTRA* player = index < GetCount() ? RecordAt(index) : nullptr;
    if (!player) return;
    m_pClicked = player;
    SendMessage(WM_COMMAND, ID_PLAYER_QUERY, 0);
}

void CPlayerListBox::OnMenuCommand(UINT id) {
    // A command that arrives before any row was clicked, or after that row
    // was removed, has no player to act on.
    if (!m_pClicked) return;
    const tagKWP_PLAYER_LIST_DATA_EXTRA& player = *m_pClicked;
    switch (id) {
    case ID_PLAYER_INVITE: {
        PlayLobbySound(kSoundClick);
        const unsigned int local = CBaseDataControl::GetGameID();
        PlayerInviteBlock block = MakeInviteBlock(CPT_MapInerface::GetPlayerTableNum(local), local, player.uiPlayerID);
        SendToHost(LOBBYUI_PLAYER_LIST_INVITE, &block);
        break;
    }
    case ID_PLAYER_QUERY: {
        PlayLobbySound(kSoundClick);
        PlayerQueryBlock block = MakeQueryBlock(player);
        SendToHost(LOBBYUI_PLAYER_LIST_QUERY_RECORD, &block);
        break;
    }
    case ID_PLAYER_WHISPER:
        PlayLobbySound(kSoundClick);
        SendToHost(LOBBYUI_PLAYER_LIST_WHISPER, player.acNickName);
        break;
    case ID_PLAYER_BEFRIEND:
        PlayLobbySound(kSoundClick);
        if (SendToHostAndStay(LOBBYUI_PLAYER_LIST_BEFRIEND, player.acNickName)) Invalidate(FALSE);
        break;
    case ID_PLAYER_BLOCK:
        PlayLobbySound(kSoundClick);
        if (SendToHostAndStay(LOBBYUI_PLAYER_LIST_BLOCK, player.acNickName)) Invalidate(FALSE);
        break;
    default:
        break;
    }
}

void CPlayerListBox::EraseBackground(HDC dc) {
    ::ValidateRect(m_hWnd, nullptr);
    // Ten rows fill the list; with fewer the host's picture shows below them.
    if (GetCount() >= 11 || !m_pBackground || !m_pBackground->GetSafeHandle()) return;
    CRect client = GetClientRect();
    CMemoryDC source(dc);
    SelectGuard select(source, m_pBackground->GetSafeHandle());
    ::BitBlt(dc, client.left, client.top, client.Width(), client.Height(), source, 0, 0, SRCCOPY);
}

LRESULT CPlayerListBox::WindowProc(UINT msg, WPARAM w, LPARAM l) {
    if (msg == ReleaseRedrawMessage()) {
        m_bReleasePosted = false;
        ReleaseRedraw();
        return 0;
    }
    switch (msg) {
    case WM_PAINT:
    case WM_PRINT:
    case WM_PRINTCLIENT:
        // A list holding its redraw paints nothing: whoever asks for a
        // picture gets every row.
        ReleaseRedraw();
        return Default();
    case WM_SETREDRAW:
        // Switched by someone else, the list's redraw is theirs from now on.
        if (!m_bSwitchingRedraw) {
            m_bRedrawHeld = false;
            m_bRedrawOffByOthers = w == 0;
        }
        return Default();
    case WM_RBUTTONUP: {
        LRESULT result = Default();
        OnRightButtonUp(l);
        return result;
    }
    case WM_LBUTTONDBLCLK: {
        LRESULT result = Default();
        OnDoubleClick(l);
        return result;
    }
    case WM_COMMAND: {
        const UINT id = LOWORD(w);
        if (id >= ID_PLAYER_INVITE && id <= ID_PLAYER_BLOCK) {
            LifeWatch watch(*this);
            OnMenuCommand(id);
            // The host may destroy the list while it handles the report.
            if (watch.Gone()) return 0;
        }
        return Default();
    }
    case WM_SETCURSOR:
        return ApplyHostCursor() ? TRUE : FALSE;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(w));
        return FALSE;
    default: {
        LRESULT result = Default();
        FollowRows(msg, w, l, result);
        return result;
    }
    }
}
