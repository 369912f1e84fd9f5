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

#include <string>

#include <lobbyui/base_data_control.h>
#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "message_log.h"

class LobbyWindow {
public:
    static const int kClientWidth = 804;
    static const int kClientHeight = 600;

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
    void (*m_onTable)(unsigned, void*) = nullptr;
    void* m_onTableContext = nullptr;
};

#endif
