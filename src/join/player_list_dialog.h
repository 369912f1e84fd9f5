// CPlayerListBoxDlg: the skinned child dialog that holds the room's player
// list, a sort button with its menu and a contest button that opens the
// current contest's page in the user's browser. The host drives it through
// CPartyDlg_DlgInerface; what outlives the dialog (the score-lobby flag, the
// chosen sort, the fresh values of the local player, the caption cache) is
// library-wide, in PlayerListState.
#ifndef LOBBYUI_JOIN_PLAYER_LIST_DIALOG_H
#define LOBBYUI_JOIN_PLAYER_LIST_DIALOG_H

#include <windows.h>

#include <vector>

#include "frame/drag_dialog.h"
#include "join/player_list_box.h"
#include "join/player_list_rules.h"
#include "res/player_list_ids.h"
#include "win/controls.h"
#include "win/menu.h"

struct PlayerListState {
    bool scoreLobby = true;          // true: beans are shown and sorted; false: score
    int currentSortCommand = 0;      // the user's last sort; 0 until one is chosen
    unsigned char meritLevel = 0;
    unsigned int allViewPlayerId = 0;
    int allViewBeans = 0;
    unsigned int allViewCheckId = 0;
    bool beansPatched = false;
    player_list::CaptionCache captions;
};
PlayerListState& ThePlayerListState();

class CPlayerListBoxDlg : public CDragDialog {
public:
    CPlayerListBoxDlg();

    // Facade work.
    void ShowDialog();
    void HideAndEmpty();
    void ShowList();
    BOOL AddPlayer(tagKWP_PLAYER_LIST_DATA_EXTRA* player, unsigned char atTop, unsigned char redraw);
    void RemovePlayer(int playerId);
    void ApplyFreshValues();
    void ShowContestButton(int show, int contestNumber);
    void SetUseYuCoin(bool use);

    // Takes every entry out and adds it back in the order of the current
    // sort, the local player first.
    void Resort();

    CPlayerListBox m_list;
    CMenu m_sortMenu;
    int m_iCurrentSort = ID_SORT_BY_MEMBER;
    bool m_bUseYuCoin = true;
    bool m_bScoreFlagSnapshot = true;
    int m_iContestNumber = 0;

protected:
    INT_PTR DialogProc(UINT msg, WPARAM w, LPARAM l) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(UINT id, UINT notifyCode, HWND control) override;
    void OnDestroying() override;

private:
    void OnSortButton();
    void OnSortCommand(UINT command);
    void OnContestButton();
    void SetSortCaption(int textNumber);
    int Compare(const COMPAREITEMSTRUCT& items);
    int CompareRecords(const tagKWP_PLAYER_LIST_DATA_EXTRA* a, const tagKWP_PLAYER_LIST_DATA_EXTRA* b);
    // False when the dialog is gone by the end (see CPlayerListBox::DrawRow).
    bool Draw(const DRAWITEMSTRUCT& item);
    void Empty();
    void ResortOnce();
    // Adds player in the order of the current sort, answering the new row,
    // or the list's error. *gone tells that the host destroyed the dialog
    // meanwhile; a list the host emptied meanwhile stays empty (kRowDropped).
    static const LRESULT kRowDropped = -100;
    LRESULT AddSorted(tagKWP_PLAYER_LIST_DATA_EXTRA* player, bool* gone);
    // Where player goes among the rows; false when the host destroyed the
    // dialog while answering a friend question.
    bool FindPlace(const tagKWP_PLAYER_LIST_DATA_EXTRA* player, size_t* place);

    CButton m_sortButton;
    CButton m_contestButton;
    // A re-sort in progress: the entries it has still to put back.
    std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA*> m_pending;
    bool m_bResorting = false;
    bool m_bResortAgain = false;
    // Counts the emptyings, so that an add can tell one happened meanwhile.
    unsigned int m_uEmptied = 0;
};

// Opens a web address for the user; replaced in tests so that nothing starts
// a browser. Null restores the shell. Returns the opener it replaced.
using WebPageOpener = void (*)(const char* address);
WebPageOpener SetWebPageOpener(WebPageOpener opener);

// The environment variable through which a host names its contest server.
extern const char kContestServerVariable[];

#endif
