// lobby_demo.exe: a lobby client written against LobbyUi.dll's exports only.
//
//   lobby_demo                 the interactive lobby: click a table, use the
//                              player list; every message the library sends
//                              is printed and written to lobby_demo.log
//   lobby_demo --tour DIR      the scripted walk through every dialog, with a
//                              PNG of the screen after each step in DIR; the
//                              exit status is nonzero when a check failed
//
// Run it in a folder laid out as a host's: LobbyUi.dll, STCSV\, skin\, bmp\,
// lobby\ (the build makes one: demo\ in the build tree).
#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "demo_setup.h"
#include "lobby_window.h"
#include "message_log.h"
#include "tour.h"

namespace {

int Usage() {
    fprintf(stderr, "usage: lobby_demo [--tour DIRECTORY]\n");
    return 2;
}

int Interactive(MessageLog& log) {
    log.Note("lobby_demo: click a table to open it; close the window to quit. Messages:");
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // The library's dialogs are modeless: they get Tab, Enter and Escape
        // only through IsDialogMessage.
        HWND dialog = ::GetActiveWindow();
        wchar_t kind[16] = {0};
        if (dialog) ::GetClassNameW(dialog, kind, 16);
        if (wcscmp(kind, L"#32770") == 0 && ::IsDialogMessageW(dialog, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string tourDirectory;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--tour") == 0 && i + 1 < argc) tourDirectory = argv[++i];
        else return Usage();
    }
    const bool tour = !tourDirectory.empty();

    MessageLog log;
    std::string logPath = tour ? tourDirectory + "\\lobby_demo.log" : "lobby_demo.log";
    if (tour) ::CreateDirectoryA(tourDirectory.c_str(), nullptr);
    if (!log.OpenFile(logPath)) fprintf(stderr, "lobby_demo: cannot write %s\n", logPath.c_str());
    // The tour lists the messages at each step's end and again at the close.
    log.SetEcho(!tour);

    DemoRoom room;
    LobbyWindow lobby(room, log);
    if (!lobby.Create(::GetModuleHandleW(nullptr))) {
        fprintf(stderr, "lobby_demo: cannot create the lobby window\n");
        return 1;
    }
    int status = 0;
    {
        DemoSession session(room, lobby);
        session.Start();
        std::string offered = "lobby_demo: the library offers:";
        for (const std::string& name : DemoSession::Dialogs()) offered += " [" + name + "]";
        if (DemoSession::Dialogs().empty()) offered += " no dialog yet (room state only)";
        log.Note(offered);
        if (tour) {
            TourContext context(session, room, lobby, log);
            status = RunTour(TourSteps(), context, tourDirectory) ? 1 : 0;
        } else {
            session.ShowPlayerList();
            status = Interactive(log);
        }
    }
    return status;
}
