// lobby_demo.exe: a lobby client written against LobbyUi.dll's exports only.
//
//   lobby_demo                 the interactive lobby: a toolbar opens every
//                              dialog, a simulated server answers every
//                              message and keeps the room alive; every
//                              message the library sends is printed and
//                              written to lobby_demo.log
//     --server-rate N          the room changes N times a second (default 2)
//     --full-room              750 players at 200 tables
//     --snapshot FILE.png      opens the settings and the local panel,
//                              lets the room live two seconds, saves a
//                              picture of the lobby and quits
//     --bench SECONDS          measures the lobby's latency for that long
//                              under the churn, prints it and quits
//   lobby_demo --tour DIR      the scripted walk through every dialog, with a
//                              PNG of the screen after each step in DIR; the
//                              exit status is nonzero when a check failed
//
// Run it in a folder laid out as a host's: LobbyUi.dll, STCSV\, skin\, bmp\,
// lobby\ (the build makes one: demo\ in the build tree).
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <lobbyui/lobbyui.h>

#include "demo_room.h"
#include "demo_setup.h"
#include "live_bench.h"
#include "living_lobby.h"
#include "lobby_window.h"
#include "message_log.h"
#include "tour.h"

namespace {

int Usage() {
    fprintf(stderr, "usage: lobby_demo [--tour DIRECTORY] [--server-rate N] [--full-room] [--bench SECONDS] "
                    "[--snapshot FILE.png]\n");
    return 2;
}

// The picture of the living lobby in the README.
int SnapshotLivingLobby(LivingLobby& living, const std::string& file) {
    living.OnCommand(4006);  // the settings
    living.OnCommand(4005);  // the local player's panel
    for (int i = 0; i < 40; ++i) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        if (!living.PumpWaiting()) break;
    }
    Settle();
    RgbImage shot = CaptureDemoScreen(nullptr);
    if (!WritePng(file, shot)) {
        fprintf(stderr, "lobby_demo: cannot write %s\n", file.c_str());
        return 1;
    }
    printf("lobby_demo: the living lobby is in %s (%d x %d)\n", file.c_str(), shot.width, shot.height);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string tourDirectory;
    LivingLobbyOptions options;
    double benchSeconds = 0;
    std::string snapshot;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--tour") == 0 && i + 1 < argc) {
            tourDirectory = argv[++i];
        } else if (strcmp(argv[i], "--server-rate") == 0 && i + 1 < argc) {
            char* end = nullptr;
            options.serverRate = strtod(argv[++i], &end);
            if (!end || *end || options.serverRate < 0 || options.serverRate > 10000) return Usage();
        } else if (strcmp(argv[i], "--snapshot") == 0 && i + 1 < argc) {
            snapshot = argv[++i];
        } else if (strcmp(argv[i], "--full-room") == 0) {
            options.fullRoom = true;
        } else if (strcmp(argv[i], "--bench") == 0 && i + 1 < argc) {
            char* end = nullptr;
            benchSeconds = strtod(argv[++i], &end);
            if (!end || *end || benchSeconds <= 0 || benchSeconds > 3600) return Usage();
        } else {
            return Usage();
        }
    }
    const bool tour = !tourDirectory.empty();

    MessageLog log;
    std::string logPath = tour ? tourDirectory + "\\lobby_demo.log" : "lobby_demo.log";
    if (tour) ::CreateDirectoryA(tourDirectory.c_str(), nullptr);
    if (!log.OpenFile(logPath)) fprintf(stderr, "lobby_demo: cannot write %s\n", logPath.c_str());
    // The tour lists the messages at each step's end and again at the close;
    // the benchmark prints only its figures.
    log.SetEcho(!tour && benchSeconds <= 0);

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
        if (benchSeconds <= 0) log.Note(offered);
        if (tour) {
            TourContext context(session, room, lobby, log);
            status = RunTour(TourSteps(), context, tourDirectory) ? 1 : 0;
        } else {
            LivingLobby living(room, lobby, session, log, options);
            if (benchSeconds <= 0) {
                log.Note("lobby_demo: the toolbar opens every dialog, a click on a table opens it; close the window to quit.");
            }
            living.Start();
            if (!snapshot.empty()) status = SnapshotLivingLobby(living, snapshot);
            else status = benchSeconds > 0 ? RunLiveBench(living, lobby, benchSeconds) : living.Run();
        }
    }
    return status;
}
