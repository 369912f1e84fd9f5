#include <lobbyui/party_dialogs.h>

namespace {

// One set for the whole library, from load to unload; only the host's UI
// thread touches them, so they need no lock.
unsigned char s_ucPartyBtnLock = 0;
bool s_bCreateLock = false;
bool s_bMinWin = false;
int s_iMultipleLimit = 0;
bool s_bAddMultiple = false;

}  // namespace

void CPartyDlg_DlgInerface::SetIfPartyBtnLock(unsigned char lock) { s_ucPartyBtnLock = lock; }
unsigned char CPartyDlg_DlgInerface::GetIfPartyBtnLock() { return s_ucPartyBtnLock; }

void CPartyDlg_DlgInerface::SetIsCreatelock(bool lock) { s_bCreateLock = lock; }
bool CPartyDlg_DlgInerface::GetIsCreateLock() { return s_bCreateLock; }

void CPartyDlg_DlgInerface::SetIfMinWin(bool minimised) { s_bMinWin = minimised; }
bool CPartyDlg_DlgInerface::GetIfMinWin() { return s_bMinWin; }

// The byte is zero-extended: a limit of 200 stays 200, never -56.
void CPartyDlg_DlgInerface::SetMultiplelmt(unsigned char limit) { s_iMultipleLimit = static_cast<int>(limit); }
int CPartyDlg_DlgInerface::GetMultiplelmt() { return s_iMultipleLimit; }

void CPartyDlg_DlgInerface::SetIsAddMult(unsigned char on) { s_bAddMultiple = on != 0; }
bool CPartyDlg_DlgInerface::GetIsAddMult() { return s_bAddMultiple; }
