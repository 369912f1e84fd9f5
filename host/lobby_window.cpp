#include "lobby_window.h"

#include <stdio.h>
#include <wchar.h>

#include <lobbyui/messages.h>

namespace {

const wchar_t kMainClass[] = L"LobbyDemoMain";
const wchar_t kViewClass[] = L"LobbyDemoView";
const wchar_t kHolderClass[] = L"LobbyDemoHolder";
const wchar_t kPopupClass[] = L"LobbyDemoPopupMenu";

// Lobby geometry, in the view's client pixels.
const RECT kTitle = {0, 0, 560, 36};
const RECT kGrid = {8, 42, 558, 362};
const int kColumns = 12;
const int kRows = 10;
const RECT kLogPanel = {230, 368, 558, 594};
const RECT kStatusPanel = {567, 478, 800, 594};
const int kBaseDataLeft = 8;
const int kBaseDataTop = 368;
const int kBaseDataOffset = 476;  // where the library puts the panel in its parent

const COLORREF kBackground = RGB(246, 236, 214);
const COLORREF kInk = RGB(90, 50, 20);

LobbyWindow* Self(HWND hwnd) { return reinterpret_cast<LobbyWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

LRESULT Attach(HWND hwnd, LPARAM l) {
    CREATESTRUCTW* create = reinterpret_cast<CREATESTRUCTW*>(l);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return 0;
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
}

void VerticalGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    TRIVERTEX v[2] = {{r.left, r.top, static_cast<COLOR16>(GetRValue(top) << 8), static_cast<COLOR16>(GetGValue(top) << 8),
                       static_cast<COLOR16>(GetBValue(top) << 8), 0},
                      {r.right, r.bottom, static_cast<COLOR16>(GetRValue(bottom) << 8),
                       static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
    GRADIENT_RECT g = {0, 1};
    ::GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

void RoundBox(HDC dc, const RECT& r, int radius, COLORREF fill, COLORREF edge) {
    HBRUSH brush = ::CreateSolidBrush(fill);
    HPEN pen = ::CreatePen(PS_SOLID, 1, edge);
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
}

void Text(HDC dc, int x, int y, const std::wstring& text, COLORREF colour) {
    ::SetTextColor(dc, colour);
    ::TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

int Occupancy(const tagKWP_TABLE_LIST_DATA& t) {
    return (t.uiSeatPlayerID[0] != 0) + (t.uiSeatPlayerID[1] != 0) + (t.uiSeatPlayerID[2] != 0);
}

RECT CellRect(int index) {
    int w = (kGrid.right - kGrid.left) / kColumns;
    int h = (kGrid.bottom - kGrid.top) / kRows;
    int x = kGrid.left + (index % kColumns) * w;
    int y = kGrid.top + (index / kColumns) * h;
    RECT r = {x + 1, y + 1, x + w - 1, y + h - 1};
    return r;
}

}  // namespace

const std::vector<LobbyWindow::ToolbarButton>& LobbyWindow::Toolbar() {
    static const std::vector<ToolbarButton> buttons = {
        {4001, L"经典建桌"}, {4002, L"新版建桌"}, {4003, L"找搭档"},   {4004, L"我的战绩"},
        {4005, L"个人资料"}, {4006, L"系统设置"}, {4007, L"公告"},
    };
    return buttons;
}

LobbyWindow::LobbyWindow(DemoRoom& room, MessageLog& log) : m_room(room), m_log(log) {}

LobbyWindow::~LobbyWindow() {
    if (m_popup) ::DestroyWindow(m_popup);
    if (m_main) ::DestroyWindow(m_main);
    if (m_font) ::DeleteObject(m_font);
    if (m_smallFont) ::DeleteObject(m_smallFont);
}

bool LobbyWindow::Create(HINSTANCE instance) {
    WNDCLASSW wc = {};
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpfnWndProc = &LobbyWindow::MainProc;
    wc.lpszClassName = kMainClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&wc);
    wc.lpfnWndProc = &LobbyWindow::ViewProc;
    wc.lpszClassName = kViewClass;
    wc.style = CS_DBLCLKS;
    ::RegisterClassW(&wc);
    wc.lpfnWndProc = &LobbyWindow::HolderProc;
    wc.lpszClassName = kHolderClass;
    wc.style = 0;
    ::RegisterClassW(&wc);
    wc.lpfnWndProc = &LobbyWindow::PopupProc;
    wc.lpszClassName = kPopupClass;
    wc.hbrBackground = ::CreateSolidBrush(RGB(252, 243, 222));
    ::RegisterClassW(&wc);

    m_font = ::CreateFontW(-14, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");
    m_smallFont = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"SimSun");

    RECT frame = {0, 0, kClientWidth, kClientHeight + kToolbarHeight};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    ::AdjustWindowRect(&frame, style, FALSE);
    m_main = ::CreateWindowExW(0, kMainClass, L"LobbyUi 示例大厅", style, 0, 0, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (!m_main) return false;
    m_view = ::CreateWindowExW(0, kViewClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, kClientWidth,
                               kClientHeight, m_main, nullptr, instance, this);
    m_baseDataHolder = ::CreateWindowExW(0, kHolderClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                         kBaseDataLeft - kBaseDataOffset, kBaseDataTop, kBaseDataOffset + 216, 230,
                                         m_view, nullptr, instance, this);

    // The popup-menu window: five buttons that the library fills and places.
    m_popup = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, L"", WS_POPUP | WS_BORDER, 0, 0, 100,
                                120, m_main, nullptr, instance, this);
    for (int i = 0; i < 5; ++i) {
        HWND button = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_PUSHBUTTON, 3, 20 * i, 90, 20, m_popup,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(1011 + i)), instance, nullptr);
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_smallFont), FALSE);
    }
    m_popupRecord.hWnd = m_popup;
    m_popupRecord.nSelect = -1;

    CreateToolbar(instance);
    m_cursor = ::LoadCursorA(nullptr, IDC_HAND);
    ::ShowWindow(m_main, SW_SHOW);
    ::UpdateWindow(m_main);
    return m_view && m_baseDataHolder && m_popup;
}

void LobbyWindow::CreateToolbar(HINSTANCE instance) {
    int x = 8;
    for (const ToolbarButton& b : Toolbar()) {
        HDC dc = ::GetDC(m_main);
        HGDIOBJ old = ::SelectObject(dc, m_smallFont);
        SIZE extent = {0, 0};
        ::GetTextExtentPoint32W(dc, b.caption, static_cast<int>(wcslen(b.caption)), &extent);
        ::SelectObject(dc, old);
        ::ReleaseDC(m_main, dc);
        int width = extent.cx + 24;
        HWND button = ::CreateWindowExW(0, L"BUTTON", b.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x,
                                        kClientHeight + 5, width, kToolbarHeight - 10, m_main,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), instance, nullptr);
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_smallFont), FALSE);
        x += width + 6;
    }
}

void LobbyWindow::SetRoomName(const std::wstring& name) {
    m_roomName = name;
    ::InvalidateRect(m_view, &kTitle, FALSE);
}

void LobbyWindow::SetStatusLine(const std::wstring& line) {
    if (line == m_statusLine) return;
    m_statusLine = line;
    ::InvalidateRect(m_view, &kStatusPanel, FALSE);
}

double LobbyWindow::TakePaintMicroseconds() {
    double spent = m_paintMicroseconds;
    m_paintMicroseconds = 0;
    return spent;
}

void LobbyWindow::RepaintTables() {
    if (m_view) ::InvalidateRect(m_view, &kGrid, FALSE);
    if (m_view) ::InvalidateRect(m_view, &kTitle, FALSE);
}

void LobbyWindow::RepaintLobby() {
    if (m_view) ::InvalidateRect(m_view, nullptr, FALSE);
    if (m_baseDataHolder) ::InvalidateRect(m_baseDataHolder, nullptr, FALSE);
}

bool LobbyWindow::HandleLibraryMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result) {
    if (!MessageLog::IsLibraryMessage(msg)) return false;
    result = 0;
    if (msg == LOBBYUI_MSG_PLAYER_LIST && w == LOBBYUI_PLAYER_LIST_IS_FRIEND) {
        m_log.CountFriendQuestion();
        result = m_room.IsFriend(reinterpret_cast<const char*>(l)) ? 1 : 0;
        return true;
    }
    m_log.Record(msg, w, l);
    if (msg == LOBBYUI_MSG_PLAYER_LIST && (w == LOBBYUI_PLAYER_LIST_BEFRIEND || w == LOBBYUI_PLAYER_LIST_BLOCK)) {
        m_room.SetFriend(reinterpret_cast<const char*>(l), w == LOBBYUI_PLAYER_LIST_BEFRIEND);
    }
    ::InvalidateRect(m_view, &kLogPanel, FALSE);
    ::InvalidateRect(m_view, &kStatusPanel, FALSE);
    // The server's answer comes last: it may reach back into the library.
    if (m_onMessage) result = m_onMessage(msg, w, l);
    return true;
}

LRESULT CALLBACK LobbyWindow::MainProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) Attach(hwnd, l);
    LobbyWindow* self = Self(hwnd);
    LRESULT result = 0;
    if (self && self->HandleLibraryMessage(msg, w, l, result)) return result;
    if (self && self->m_poster && self->m_poster->Run(msg, w, l)) return 0;
    if (msg == WM_COMMAND && self && HIWORD(w) == BN_CLICKED && LOWORD(w) >= 4001 && LOWORD(w) < 4100) {
        if (self->m_onCommand) self->m_onCommand(LOWORD(w));
        return 0;
    }
    if (msg == WM_CLOSE) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, w, l);
}

LRESULT CALLBACK LobbyWindow::ViewProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) Attach(hwnd, l);
    LobbyWindow* self = Self(hwnd);
    LRESULT result = 0;
    if (self && self->HandleLibraryMessage(msg, w, l, result)) return result;
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        // Drawn off screen first, so the lobby never flickers under the dialogs.
        HDC memory = ::CreateCompatibleDC(dc);
        HBITMAP bitmap = ::CreateCompatibleBitmap(dc, kClientWidth, kClientHeight);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        LARGE_INTEGER start, end;
        ::QueryPerformanceCounter(&start);
        self->PaintView(memory);
        ::QueryPerformanceCounter(&end);
        self->m_paintMicroseconds += Microseconds(start, end);
        ::BitBlt(dc, 0, 0, kClientWidth, kClientHeight, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_RBUTTONDOWN:
        ::ShowWindow(self->m_popup, SW_HIDE);
        return 0;
    case WM_LBUTTONDOWN: {
        ::ShowWindow(self->m_popup, SW_HIDE);
        unsigned table = self->TableAt(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)));
        if (table && self->m_onTable) self->m_onTable(table, self->m_onTableContext);
        return 0;
    }
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, msg, w, l);
}

LRESULT CALLBACK LobbyWindow::HolderProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) Attach(hwnd, l);
    LobbyWindow* self = Self(hwnd);
    LRESULT result = 0;
    if (self && self->HandleLibraryMessage(msg, w, l, result)) return result;
    if (msg == WM_ERASEBKGND) return 1;
    if (msg == WM_PAINT && self) {
        // Until the library's base-data panel covers it: the local player as the room knows them.
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT r;
        ::GetClientRect(hwnd, &r);
        VerticalGradient(dc, r, RGB(246, 236, 214), RGB(232, 214, 178));
        RECT box = {kBaseDataOffset, 0, kBaseDataOffset + 214, 226};
        RoundBox(dc, box, 10, RGB(252, 246, 232), RGB(150, 84, 36));
        ::SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = ::SelectObject(dc, self->m_font);
        Text(dc, box.left + 10, box.top + 8, L"个人资料", kInk);
        ::SelectObject(dc, self->m_smallFont);
        tagKWP_PLAYER_LIST_DATA_EXTRA* me = nullptr;
        if (CPT_MapInerface::GetAPlayerData(me, self->m_room.localPlayerId())) {
            Text(dc, box.left + 10, box.top + 34, WideFromUtf8(Utf8FromGbk(me->acNickName, sizeof me->acNickName)), RGB(200, 0, 200));
            wchar_t line[64];
            swprintf(line, 64, L"等级 %u   淘豆 %d", me->ucLevel, me->iBeans);
            Text(dc, box.left + 10, box.top + 56, line, kInk);
            swprintf(line, 64, L"桌号 %03d", CPT_MapInerface::GetPlayerTableNum(me->uiPlayerID));
            Text(dc, box.left + 10, box.top + 78, line, kInk);
        }
        ::SelectObject(dc, oldFont);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, w, l);
}

LRESULT CALLBACK LobbyWindow::PopupProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) Attach(hwnd, l);
    LobbyWindow* self = Self(hwnd);
    switch (msg) {
    case WM_COMMAND: {
        int id = LOWORD(w);
        if (self && HIWORD(w) == BN_CLICKED && id >= 1011 && id <= 1015) {
            // The host's half of the popup-menu contract: the chosen command
            // goes to the window that asked for the menu, then the menu closes.
            tagTRACK_POP_MENU& record = self->m_popupRecord;
            int i = id - 1011;
            record.nSelect = i;
            ::ShowWindow(hwnd, SW_HIDE);
            if (i < record.nCount && record.hOwner) ::SendMessageW(record.hOwner, WM_COMMAND, record.uCmd[i], 0);
            return 0;
        }
        break;
    }
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) ::ShowWindow(hwnd, SW_HIDE);
        break;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd, msg, w, l);
}

bool LobbyWindow::TableCell(unsigned number, RECT& cell) const {
    int index = 0;
    for (unsigned n = 1; n <= 200 && index < kColumns * kRows; ++n) {
        if (!CPT_MapInerface::GetTable_A_Struct(n).usTableNum) continue;
        if (n == number) {
            cell = CellRect(index);
            return true;
        }
        ++index;
    }
    return false;
}

unsigned LobbyWindow::TableAt(int x, int y) const {
    int index = 0;
    for (unsigned number = 1; number <= 200 && index < kColumns * kRows; ++number) {
        tagKWP_TABLE_LIST_DATA t = CPT_MapInerface::GetTable_A_Struct(number);
        if (!t.usTableNum) continue;
        RECT r = CellRect(index++);
        POINT p = {x, y};
        if (::PtInRect(&r, p)) return number;
    }
    return 0;
}

void LobbyWindow::PaintView(HDC dc) {
    RECT all = {0, 0, kClientWidth, kClientHeight};
    VerticalGradient(dc, all, RGB(250, 242, 224), RGB(232, 214, 178));
    ::SetBkMode(dc, TRANSPARENT);

    // Title band.
    VerticalGradient(dc, kTitle, RGB(170, 44, 30), RGB(112, 24, 16));
    RECT line = {kTitle.left, kTitle.bottom - 2, kTitle.right, kTitle.bottom};
    Fill(dc, line, RGB(236, 184, 62));
    HGDIOBJ oldFont = ::SelectObject(dc, m_font);
    Text(dc, 12, 10, m_roomName, RGB(255, 232, 160));

    // The room's tables, read back from the library's mirror.
    int index = 0, tables = 0, seated = 0;
    const unsigned localTable = static_cast<unsigned>(CPT_MapInerface::GetPlayerTableNum(m_room.localPlayerId()));
    ::SelectObject(dc, m_smallFont);
    for (unsigned number = 1; number <= 200; ++number) {
        tagKWP_TABLE_LIST_DATA t = CPT_MapInerface::GetTable_A_Struct(number);
        if (!t.usTableNum) continue;
        ++tables;
        seated += Occupancy(t);
        if (index >= kColumns * kRows) continue;
        RECT r = CellRect(index++);
        bool local = number == localTable;
        COLORREF felt = t.bHavePassword ? RGB(150, 52, 40) : Occupancy(t) == 3 ? RGB(96, 110, 96) : RGB(46, 128, 74);
        RoundBox(dc, r, 8, felt, local ? RGB(255, 200, 40) : RGB(70, 40, 16));
        wchar_t label[8];
        swprintf(label, 8, L"%03u", number);
        Text(dc, r.left + 4, r.top + 2, label, RGB(255, 246, 220));
        if (t.bHavePassword) {
            // A small padlock: the shackle's ring, then the body over its lower half.
            HPEN pen = ::CreatePen(PS_SOLID, 2, RGB(255, 226, 150));
            HGDIOBJ oldPen = ::SelectObject(dc, pen);
            HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(NULL_BRUSH));
            ::RoundRect(dc, r.right - 12, r.top + 3, r.right - 5, r.top + 12, 5, 5);
            ::SelectObject(dc, oldBrush);
            ::SelectObject(dc, oldPen);
            ::DeleteObject(pen);
            RECT body = {r.right - 14, r.top + 8, r.right - 3, r.top + 15};
            Fill(dc, body, RGB(236, 184, 62));
        }
        for (int seat = 0; seat < 3; ++seat) {
            int cx = r.left + 8 + seat * 12, cy = r.bottom - 8;
            HBRUSH brush = ::CreateSolidBrush(t.uiSeatPlayerID[seat] ? RGB(255, 214, 90) : RGB(60, 80, 64));
            HGDIOBJ oldBrush = ::SelectObject(dc, brush);
            HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
            ::Ellipse(dc, cx - 4, cy - 4, cx + 5, cy + 5);
            ::SelectObject(dc, oldPen);
            ::SelectObject(dc, oldBrush);
            ::DeleteObject(brush);
        }
    }
    wchar_t counts[80];
    swprintf(counts, 80, L"桌子 %d  ·  入座 %d", tables, seated);
    // At the band's right end, clear of the room-entrance buttons.
    RECT countsBox = {kTitle.right - 200, 12, kTitle.right - 8, kTitle.bottom - 4};
    ::SetTextColor(dc, RGB(255, 232, 160));
    ::DrawTextW(dc, counts, -1, &countsBox, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);

    // What the library told the host last.
    RoundBox(dc, kLogPanel, 10, RGB(252, 246, 232), RGB(150, 84, 36));
    Text(dc, kLogPanel.left + 8, kLogPanel.top + 6, L"库发来的消息", kInk);
    const std::vector<LoggedMessage>& messages = m_log.messages();
    int y = kLogPanel.top + 26;
    size_t first = messages.size() > 9 ? messages.size() - 9 : 0;
    RECT clip = kLogPanel;
    clip.right -= 6;
    for (size_t i = first; i < messages.size(); ++i, y += 19) {
        std::wstring text = WideFromUtf8(messages[i].text);
        RECT row = {kLogPanel.left + 8, y, clip.right, y + 18};
        ::SetTextColor(dc, kInk);
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &row, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    if (messages.empty()) Text(dc, kLogPanel.left + 8, y, L"（还没有）", RGB(150, 120, 90));

    // The party flags a host polls.
    RoundBox(dc, kStatusPanel, 10, RGB(252, 246, 232), RGB(150, 84, 36));
    wchar_t status[160];
    swprintf(status, 160, L"派对按钮锁 %u   倍数上限 %d",
             CPartyDlg_DlgInerface::GetIfPartyBtnLock(), CPartyDlg_DlgInerface::GetMultiplelmt());
    Text(dc, kStatusPanel.left + 8, kStatusPanel.top + 8, status, kInk);
    swprintf(status, 160, L"消息 %u   好友询问 %u", static_cast<unsigned>(messages.size()),
             static_cast<unsigned>(m_log.friendQuestions()));
    Text(dc, kStatusPanel.left + 8, kStatusPanel.top + 30, status, kInk);
    if (!m_statusLine.empty()) {
        RECT row = {kStatusPanel.left + 8, kStatusPanel.top + 52, kStatusPanel.right - 6, kStatusPanel.bottom - 4};
        ::SetTextColor(dc, kInk);
        ::DrawTextW(dc, m_statusLine.c_str(), static_cast<int>(m_statusLine.size()), &row, DT_WORDBREAK | DT_NOPREFIX);
    }
    ::SelectObject(dc, oldFont);
}
