// The scripted walk through the dialogs: each step does what a user or the
// server would, then the tour checks that the dialog it expects is on the
// screen and the messages it expects reached the host, captures the screen
// and saves it as DIR/NN-step-name.png.
//
// Adding a step is one entry in a list (see tour_steps.cpp):
//     steps.push_back({"join-full-table", [](TourContext& c) { ... },
//                      Expect::Dialog, {{1226, 1324}}});
#ifndef LOBBYUI_HOST_TOUR_H
#define LOBBYUI_HOST_TOUR_H

#include <windows.h>

#include <stdint.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "demo_room.h"
#include "lobby_window.h"
#include "message_log.h"
#include "png_writer.h"

class DemoSession;

struct TourContext {
    TourContext(DemoSession& s, DemoRoom& r, LobbyWindow& l, MessageLog& m) : session(s), room(r), lobby(l), log(m) {}

    DemoSession& session;
    DemoRoom& room;
    LobbyWindow& lobby;
    MessageLog& log;

    // The visible dialog that appeared last (null before any), and the
    // first dialog each step brought up, by step name.
    HWND lastDialog = nullptr;
    std::map<std::string, HWND> dialogs;
    // What a step's action chose, for its check to find (player ids, tables).
    std::map<std::string, uintptr_t> chosen;
    HWND Dialog(const std::string& step) const {
        auto found = dialogs.find(step);
        return found == dialogs.end() ? nullptr : found->second;
    }

    // What a user does, sent the way the system would deliver it.
    void Click(HWND dialog, int controlId) const;
    void Type(HWND dialog, int controlId, const char* text) const;
    void RightClick(HWND window, int x, int y) const;
    void DoubleClick(HWND window, int x, int y) const;
    // The first child of class className, or null.
    static HWND FindChild(HWND parent, const wchar_t* className);
};

enum class Expect {
    Nothing,  // the step shows what is already there
    Dialog,   // a dialog window must become visible
    Window,   // some window of the demo must become visible (a popup menu)
};

// In a step's expected messages: any wParam.
const WPARAM kAnyCode = static_cast<WPARAM>(-1);

struct TourStep {
    using Verify = std::function<std::string(TourContext&)>;
    TourStep(std::string n, std::function<void(TourContext&)> a, Expect e,
             std::vector<std::pair<UINT, WPARAM>> m = {}, Verify v = nullptr)
        : name(std::move(n)), action(std::move(a)), expect(e), messages(std::move(m)), verify(std::move(v)) {}

    std::string name;
    std::function<void(TourContext&)> action;
    Expect expect;
    std::vector<std::pair<UINT, WPARAM>> messages;  // each must arrive during the step
    Verify verify;  // when set: what is wrong on the screen afterwards, empty when all is well
};

// The steps of every dialog this build of the library offers, in order.
std::vector<TourStep> TourSteps();

// Runs the steps and saves the screenshots into directory; prints every
// decoded message and "N steps, M messages" at the end. Returns the number of
// failed checks (0: the tour passed).
int RunTour(const std::vector<TourStep>& steps, TourContext& context, const std::string& directory);

// Handles what is waiting in the queue, lets Wine put it on the screen, then
// handles what that brought.
void Settle();

// The screen around the demo's visible windows.
RgbImage CaptureDemoScreen(RECT* captured);

#endif
