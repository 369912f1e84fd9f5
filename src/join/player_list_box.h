// CPlayerListBox: the owner-drawn list of the room's players. Each item's
// data is a pointer to a host-fed player record (the list never copies or
// frees one); rows are 43 pixels high and drawn from the record on every
// paint. Right-click opens the player menu, whose commands (and a double
// click, which queries) go to the host with message 1229.
#ifndef LOBBYUI_JOIN_PLAYER_LIST_BOX_H
#define LOBBYUI_JOIN_PLAYER_LIST_BOX_H

#include <windows.h>

#include <string>
#include <vector>

#include <lobbyui/gdi.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>
#include <lobbyui/room.h>

#include "join/player_list_rules.h"
#include "win/controls.h"
#include "win/dc.h"
#include "win/menu.h"

class CPlayerListBox : public CListBoxT<CSubclassedWnd> {
public:
    static const int kRowHeight = 43;
    static const int kPictureGroups = 6;

    CPlayerListBox();

    // Takes over the dialog's list control.
    BOOL Attach(UINT id, const CWnd& dialog);

    // The record of row `index`, null past the end or for an empty row.
    tagKWP_PLAYER_LIST_DATA_EXTRA* RecordAt(int index) const;

    // Every row's record in list order, without a message per row: a full
    // room is searched on every arrival and departure.
    const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*>& Rows();
    // Changes with every change to the rows: a caller that let the host run
    // can tell whether the rows it read are still the list's.
    unsigned int RowsVersion() const { return m_uRowsVersion; }

    // Rows changed one by one would each repaint the list and its scroll bar,
    // which costs a full room seconds. HoldRedraw stops that until
    // ReleaseRedraw, which the list calls itself before it next paints and
    // when the host's message loop next runs.
    void HoldRedraw();
    void ReleaseRedraw();

    // The top row, and putting it back after rows changed (only when it
    // moved: most changes leave it, and a full room makes thousands).
    int TopIndex() const;
    void KeepTopIndex(int top);

    // Paints one row of `player` with its top-left corner at row's. False
    // when the host destroyed the list while answering the friend question.
    bool DrawRow(CDC& dc, const CRect& row, tagKWP_PLAYER_LIST_DATA_EXTRA* player);

    // Asks the host whether the player is a friend (message 1229, code 4).
    bool IsFriend(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) const;
    // Where the rows report: the parent of the window the dialog was made in;
    // nobody once the list is quiet.
    HWND NotifyWindow() const;
    // From now on the list asks and reports nothing: its dialog is being
    // destroyed.
    void Quiet() { m_bQuiet = true; }

    // Forgets the clicked record when its row goes: the host may free it.
    void ForgetRecord(const tagKWP_PLAYER_LIST_DATA_EXTRA* player);
    tagKWP_PLAYER_LIST_DATA_EXTRA* ClickedRecord() const { return m_pClicked; }

    bool m_bBeansMode = true;
    CMenu m_playerMenu;
    CBitmap* m_pBackground = nullptr;                 // the host's
    CImageList* m_pImages[kPictureGroups] = {};       // the host's
    CFont m_rowFont;
    int m_iLastTableNum = -1;
    bool m_bUseYuCoin = true;
    player_list::ValueFormat m_valueFormat;

protected:
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override;

private:
    void DrawImage(HDC dc, int group, int image, int x, int y, UINT style) const;
    int RowIndexAt(int clientY) const;
    void OnRightButtonUp(LPARAM position);
    void OnDoubleClick(LPARAM position);
    void OnMenuCommand(UINT id);
    void EraseBackground(HDC dc);
    LRESULT SendToHost(WPARAM code, const void* data) const;
    // As SendToHost; false when the host destroyed the list meanwhile.
    bool SendToHostAndStay(WPARAM code, const void* data);
    void FollowRows(UINT msg, WPARAM w, LPARAM l, LRESULT result);
    LRESULT Ask(UINT msg, WPARAM w = 0, LPARAM l = 0) const;
    void SwitchRedraw(bool on);

    tagKWP_PLAYER_LIST_DATA_EXTRA* m_pClicked = nullptr;
    // Set when the dialog is being destroyed: rows still drawn until the
    // window goes ask the host nothing, and nothing is reported.
    bool m_bQuiet = false;
    // The list's window procedure below ours, for questions that change
    // nothing (see Ask).
    WNDPROC m_listProc = nullptr;
    // The rows' records as the list holds them, kept in step by watching
    // every message that changes the rows.
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*> m_rows;
    unsigned int m_uRowsVersion = 0;
    bool m_bRedrawHeld = false;
    bool m_bReleasePosted = false;
    bool m_bSwitchingRedraw = false;
    bool m_bRedrawOffByOthers = false;
};

// Text n of the text table, and whether the system reads simplified Chinese.
std::string LoadPlayerListText(int textNumber);
bool TextTableIsSimplified();

#endif
