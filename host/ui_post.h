// How work reaches the lobby's UI thread: the server thread (and the UI
// thread itself, for what must wait until the library's send has returned)
// posts a closure to the lobby's main window; the window runs it from its
// message loop. Each post carries the moment it was made, so the lobby can
// say how long its messages wait: the latency a user feels.
#ifndef LOBBYUI_HOST_UI_POST_H
#define LOBBYUI_HOST_UI_POST_H

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

class UiPost {
public:
    // The message the main window hands to Run.
    static const UINT kMessage = WM_APP + 40;

    UiPost() = default;
    ~UiPost();
    UiPost(const UiPost&) = delete;
    UiPost& operator=(const UiPost&) = delete;

    void SetWindow(HWND window) { m_window = window; }
    // From any thread. False when the window is gone: the work is dropped.
    bool Post(std::function<void()> work);
    // From the UI thread: runs work after delayMs, from the loop.
    void After(unsigned delayMs, std::function<void()> work);

    // On the UI thread, for kMessage and WM_TIMER; true when it was ours.
    bool Run(UINT msg, WPARAM w, LPARAM l);

    // What the posts waited, in microseconds, since the last Take.
    std::vector<double> TakeLatencies();
    // Posted but not yet run.
    long Pending() const { return m_pending; }

private:
    struct Work {
        std::function<void()> run;
        LARGE_INTEGER postedAt;
    };
    HWND m_window = nullptr;
    std::vector<double> m_latencies;  // UI thread only
    std::map<UINT_PTR, std::function<void()>> m_timers;
    UINT_PTR m_nextTimer = 0x5100;
    volatile long m_pending = 0;
};

// Microseconds between two performance-counter readings.
double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to);

// The value below which share (0 to 1) of samples lie, interpolated; 0 for none.
double Percentile(std::vector<double> samples, double share);

#endif
