#include "demo_setup.h"

#include <lobbyui/base_data_control.h>
#include <lobbyui/lobbyui.h>

namespace {

// The player list's picture groups, as files of the demo's lobby folder: one
// strip of equal-sized images each, magenta transparent.
struct PictureStrip {
    ePALYER_LIST_PIC_GROUP group;
    const char* file;
    int width;
    int height;
};

const PictureStrip kStrips[] = {
    {PLPG_ROW_FRAME, "lobby\\row_frame.bmp", 225, 43},
    {PLPG_FACE, "lobby\\face.bmp", 40, 40},
    {PLPG_LEVEL, "lobby\\level.bmp", 20, 18},
    {PLPG_HIGH_LEVEL, "lobby\\high_level.bmp", 26, 20},
    {PLPG_SEX_0, "lobby\\sex0.bmp", 16, 16},
    {PLPG_SEX_1, "lobby\\sex1.bmp", 16, 16},
};

HBITMAP LoadPicture(const char* file) {
    return static_cast<HBITMAP>(::LoadImageA(nullptr, file, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

}  // namespace

DemoSession::DemoSession(DemoRoom& room, LobbyWindow& lobby) : m_room(room), m_lobby(lobby) {}

DemoSession::~DemoSession() {
    // Dialogs go before the pictures and windows they were lent.
    CPartyDlg_DlgInerface::DestroyCTDlg();
    CPSDlg_Interface::DestroyPS_Dlg();
    CPBDDlg_Interface::DestroyPDB_Dlg();
    CSysSetDlg_Interface::DestroyDlg();
    CPartyDlg_DlgInerface::DestroyPWDlg();
    CPartyDlg_DlgInerface::DestroyJTDlg();
    CPartyDlg_DlgInerface::DestroyPlayerLBDlg();
    CPartyDlg_DlgInerface::DestroyCTDlgNew();
    RXCursorfun(nullptr);
    for (CImageList* list : m_imageLists) delete list;
}

std::vector<std::string> DemoSession::Dialogs() {
    return {"popup menu (CBaseDataControl)",
            "player list",
            "join table with find-partner panel",
            "password",
            "classic create table",
            "player score",
            "base-data panel",
            "system settings",
            "web page",
            "room-entrance buttons",
            "new create table"};
}

void DemoSession::LoadPlayerListPictures() {
    for (const PictureStrip& strip : kStrips) {
        CImageList* list = new CImageList;
        list->Create(strip.width, strip.height, ILC_COLOR24 | ILC_MASK, 8, 8);
        HBITMAP picture = LoadPicture(strip.file);
        if (picture) {
            list->Add(picture, RGB(255, 0, 255));
            ::DeleteObject(picture);
        }
        m_imageLists.push_back(list);
    }
    m_listBackground.Attach(LoadPicture("lobby\\list_background.bmp"));
}

void DemoSession::Start() {
    m_room.FeedLibrary();
    RXCursorfun(m_lobby.cursorVariable());
    CPartyDlg_DlgInerface::SetMultiplelmt(3);
    LoadPlayerListPictures();

    CBaseDataControl::SetGameID(m_room.localPlayerId());
    CBaseDataControl::SetAutoValue(1);
    CBaseDataControl::SetSoundFirstIndex(0);
    CBaseDataControl::SetTrackPopMenu(m_lobby.popupRecord());

    // The list reports to its parent's parent: the main window.
    CPartyDlg_DlgInerface::CreatePlayerLBDlg(CWnd::FromHandle(m_lobby.lobbyView()));
    CPartyDlg_DlgInerface::SetLBScoreLooby(true);
    for (size_t i = 0; i < m_imageLists.size(); ++i) {
        CPartyDlg_DlgInerface::SetPlayerLBImgList(m_imageLists[i], kStrips[i].group);
    }
    CPartyDlg_DlgInerface::SetPlayerLB_BG_Bitmap(&m_listBackground);

    CPartyDlg_DlgInerface::CreateJTDlg(CWnd::FromHandle(m_lobby.main()));
    tagKWP_TABLE_SET_DEFAULT defaults = DemoRoom::CreateDefaults();
    CPartyDlg_DlgInerface::SetExpandInit(&defaults);
    CPartyDlg_DlgInerface::SetJNScoreLooby(true);

    CPartyDlg_DlgInerface::CreatePWDlg(CWnd::FromHandle(m_lobby.main()));

    // The classic create-table dialog reports to its owner: the main window.
    CPartyDlg_DlgInerface::CreateCTDlg(CWnd::FromHandle(m_lobby.main()));
    CPSDlg_Interface::CreatePS_Dlg(CWnd::FromHandle(m_lobby.main()));
    // The panel reports to its parent's parent: the lobby view.
    CPBDDlg_Interface::CreatePBD_Dlg(CWnd::FromHandle(m_lobby.baseDataHolder()));
    // The settings dialog reports to the lobby's main window.
    CSysSetDlg_Interface::CreateDlg(CWnd::FromHandle(m_lobby.main()));
    // The new create-table dialog reports to its window's parent: the main window.
    CPartyDlg_DlgInerface::CteateCTDlgNew(CWnd::FromHandle(m_lobby.lobbyView()));

    m_lobby.SetTableClickHandler(&DemoSession::OnTableClicked, this);
    m_lobby.RepaintLobby();
}

void DemoSession::ShowPlayerList() {
    CPartyDlg_DlgInerface::ShowPlayerLBDlg();
    tagKWP_PLAYER_LIST_DATA_EXTRA* player = nullptr;
    // The records the list keeps are the library's own copies, alive until
    // a player leaves the map.
    for (unsigned char restart = 1; CPT_MapInerface::GetPlayerDataAndNext(player, restart) == 0; restart = 0) {
        bool local = player->uiPlayerID == m_room.localPlayerId();
        CPartyDlg_DlgInerface::AddPlayer(player, local ? 1 : 0, 0);
    }
    CPartyDlg_DlgInerface::ShowPlayerLB();
    // Showing the dialog hides the contest button; a contest is on.
    CPartyDlg_DlgInerface::IsShowConTestBtn(1, 17);
    CPartyDlg_DlgInerface::RedrawPlayerLB(1);
}

void DemoSession::OnTableClicked(unsigned table, void*) {
    tagKWP_TABLE_LIST_DATA record = CPT_MapInerface::GetTable_A_Struct(table);
    int seated = (record.uiSeatPlayerID[0] != 0) + (record.uiSeatPlayerID[1] != 0) + (record.uiSeatPlayerID[2] != 0);
    CPartyDlg_DlgInerface::ShowJTDlg(JTAT_JOIN, &record);
    CPartyDlg_DlgInerface::SetJTBtnStatus(seated < 3, 1, 1);
}

std::string NoticePage() {
    char path[MAX_PATH] = {0};
    ::GetFullPathNameA("web\\notice.html", MAX_PATH, path, nullptr);
    std::string url = std::string("file:///") + path;
    for (char& ch : url) {
        if (ch == '\\') ch = '/';
    }
    return url;
}
