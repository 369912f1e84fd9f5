// CPartyDlg_DlgInerface: the facade of the party dialogs (create-table, join
// table, password, player list) and of the flags they share with the host.
// Every function is static; the flags work whether or not a dialog exists.
#ifndef LOBBYUI_PARTY_DIALOGS_H
#define LOBBYUI_PARTY_DIALOGS_H

#include <lobbyui/export.h>

class LOBBYUI_API CPartyDlg_DlgInerface {
public:
    // Party flags. The dialogs raise and drop them as they show and hide;
    // a host polls them, for example to keep its party buttons locked while
    // GetIfPartyBtnLock() is nonzero. All start at 0 when the library loads.
    static void SetIfPartyBtnLock(unsigned char lock);
    static unsigned char GetIfPartyBtnLock();
    static void SetIsCreatelock(bool lock);
    static bool GetIsCreateLock();
    static void SetIfMinWin(bool minimised);
    static bool GetIfMinWin();
    // The raised-multiple limit the join-table and new create-table dialogs draw.
    static void SetMultiplelmt(unsigned char limit);
    static int GetMultiplelmt();
    // Whether the last confirmed creation of the new dialog had add-multiple on.
    static void SetIsAddMult(unsigned char on);
    static bool GetIsAddMult();

    // Player list.

    // Join-table dialog and find-partner panel.

    // Password dialog.

    // Create-table dialogs.
};

#endif
