// The demo's lobby: a main window of about 800 x 600 whose client area is one
// child view (the room's tables, the message log and two panels the
// library's child dialogs live in), the host's popup-menu window for the
// library's menus, and the handler of every message the library sends.
//
// Where the library's messages arrive: a dialog reports to its parent, and
// the player list and the base-data panel report to their parent's parent.
// The child dialogs therefore sit in child windows of the main window, and
// every window here hands what it receives to the one log.
#ifndef LOBBYUI_HOST_LOBBY_WINDOW_H
#define LOBBYUI_HOST_LOBBY_WINDOW_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "message_log.h"
#include "ui_post.h"

class LobbyWindow {
public:
    static const int kClientWidth = 804;
    static const int kClientHeight = 600;
    // The toolbar's strip under the lobby view.
    static const int kToolbarHeight = 34;
    // The toolbar's buttons: each opens a dialog; the caption is its text.
    struct ToolbarButton {
        int id;
        const wchar_t* caption;
    };
    static const std::vector<ToolbarButton>& Toolbar();

    LobbyWindow(DemoRoom& room, MessageLog& log);
    ~LobbyWindow();
    LobbyWindow(const LobbyWindow&) = delete;
    LobbyWindow& operator=(const LobbyWindow&) = delete;

    bool Create(HINSTANCE instance);
    HWND main() const { return m_main; }
    // Parent of the player list (placed at 567, 0 in it).
    HWND lobbyView() const { return m_view; }
    // Parent of the base-data panel (placed at 476, 0 in it): shifted so the
    // panel shows in the lobby's lower left corner.
    HWND baseDataHolder() const { return m_baseDataHolder; }
    HWND popupMenu() const { return m_popup; }

    // The record handed to CBaseDataControl::SetTrackPopMenu.
    tagTRACK_POP_MENU* popupRecord() { return &m_popupRecord; }

    // The host's cursor variable handed over with RXCursorfun.
    HICON* cursorVariable() { return &m_cursor; }

    void RepaintLobby();
    // The tables in the lobby view only.
    void RepaintTables();
    // Where table number is drawn in the lobby view; false when it is not shown.
    bool TableCell(unsigned number, RECT& cell) const;
    HWND ToolbarButtonWindow(int id) const { return ::GetDlgItem(m_main, id); }

    // A toolbar button was pressed.
    void SetCommandHandler(std::function<void(int id)> handler) { m_onCommand = std::move(handler); }
    // After a library message is logged: the host's answer (the simulated
    // server); the value is what the send returns.
    void SetMessageHandler(std::function<LRESULT(UINT, WPARAM, LPARAM)> handler) { m_onMessage = std::move(handler); }
    // Where work posted to the lobby's thread runs.
    void SetPoster(UiPost* poster) {
        m_poster = poster;
        if (poster) poster->SetWindow(m_main);
    }
    // The room's name in the title band, and a line of the lobby's own
    // state under the party flags.
    void SetRoomName(const std::wstring& name);
    void SetStatusLine(const std::wstring& line);
    // Time the view's painting took, in microseconds, since the last call.
    double TakePaintMicroseconds();
    // What the interactive lobby does when a table is clicked.
    void SetTableClickHandler(void (*handler)(unsigned table, void* context), void* context) {
        m_onTable = handler;
        m_onTableContext = context;
    }

private:
    static LRESULT CALLBACK MainProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK ViewProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK HolderProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK PopupProc(HWND, UINT, WPARAM, LPARAM);
    // Logs a library message and answers it; false when msg is not one.
    bool HandleLibraryMessage(UINT msg, WPARAM w, LPARAM l, LRESULT& result);
    void PaintView(HDC dc);
    void CreateToolbar(HINSTANCE instance);
    unsigned TableAt(int x, int y) const;

    DemoRoom& m_room;
    MessageLog& m_log;
    HWND m_main = nullptr;
    HWND m_view = nullptr;
    HWND m_baseDataHolder = nullptr;
    HWND m_popup = nullptr;
    HFONT m_font = nullptr;
    HFONT m_smallFont = nullptr;
    HICON m_cursor = nullptr;
    tagTRACK_POP_MENU m_popupRecord = {};
    std::function<void(int)> m_onCommand;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> m_onMessage;
    UiPost* m_poster = nullptr;
    std::wstring m_roomName = L"斗地主 · 欢乐一号房";
    std::wstring m_statusLine;
    double m_paintMicroseconds = 0;
    void (*m_onTable)(unsigned, void*) = nullptr;
    void* m_onTableContext = nullptr;
};

#endif
