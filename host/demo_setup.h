// What a lobby client does with the library at start and at exit: feed the
// room, hand over the shared values, the cursor and the player list's
// pictures, create the dialogs under the right windows; and destroy them
// before the library goes.
#ifndef LOBBYUI_HOST_DEMO_SETUP_H
#define LOBBYUI_HOST_DEMO_SETUP_H

#include <string>
#include <vector>

#include "demo_room.h"
#include "lobby_window.h"

// The notice page the demo ships in its folder (web\notice.html), as the
// file address a web dialog opens.
std::string NoticePage();

class DemoSession {
public:
    DemoSession(DemoRoom& room, LobbyWindow& lobby);
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // Everything a host does before the user sees the lobby.
    void Start();
    // Fills the player list with everyone in the room (the local player on
    // top) and shows it.
    void ShowPlayerList();
    // The names of the dialogs this library offers, for the log.
    static std::vector<std::string> Dialogs();
    // Interactive lobby: a click on a table.
    static void OnTableClicked(unsigned table, void* session);

private:
    void LoadPlayerListPictures();
    DemoRoom& m_room;
    LobbyWindow& m_lobby;
    // The host's pictures for the player list, lent to the library.
    std::vector<CImageList*> m_imageLists;
    CBitmap m_listBackground;
};

#endif
