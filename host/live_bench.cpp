#include "live_bench.h"

#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <string>
#include <thread>

#include "living_lobby.h"

int RunLiveBench(LivingLobby& living, LobbyWindow& lobby, double seconds) {
    // Warm up: the room is fed and the list filled before the clock starts.
    living.PumpWaiting();
    living.post().TakeLatencies();
    living.rows().TakeLibraryMicroseconds();
    lobby.TakePaintMicroseconds();
    const unsigned long changesBefore = living.liveRoom().changes();

    std::atomic<bool> stop{false};
    std::thread probe([&] {
        while (!stop) {
            living.post().Post(nullptr);
            ::Sleep(5);
        }
    });
    LARGE_INTEGER start, now;
    ::QueryPerformanceCounter(&start);
    // The loop, one message at a time, so the clock is read between any two
    // even when the queue never runs dry.
    bool open = true;
    double busy = 0;  // microseconds the UI thread spent handling messages
    std::map<std::string, double> spent;  // the same by message and window class
    do {
        MSG msg;
        if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            LARGE_INTEGER before, after;
            ::QueryPerformanceCounter(&before);
            if (msg.message == WM_QUIT) open = false;
            else LivingLobby::Dispatch(msg);
            ::QueryPerformanceCounter(&after);
            busy += Microseconds(before, after);
            wchar_t kind[32] = {0};
            if (msg.hwnd) ::GetClassNameW(msg.hwnd, kind, 32);
            char key[80];
            snprintf(key, sizeof key, "%04X %ls", msg.message, kind);
            spent[key] += Microseconds(before, after);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        ::QueryPerformanceCounter(&now);
    } while (open && Microseconds(start, now) < seconds * 1e6);
    stop = true;
    probe.join();
    living.PumpWaiting();

    const double elapsed = Microseconds(start, now) / 1e6;
    const std::vector<double> waits = living.post().TakeLatencies();
    const double library = living.rows().TakeLibraryMicroseconds() / 1000.0;
    const double drawing = lobby.TakePaintMicroseconds() / 1000.0;
    const unsigned long changes = living.liveRoom().changes() - changesBefore;
    printf("live room: %lu changes in %.1f s (%.0f a second), %u players, %u tables, %u rows in the list\n", changes,
           elapsed, changes / elapsed, static_cast<unsigned>(living.model().PlayerCount()),
           static_cast<unsigned>(living.model().TableCount()), static_cast<unsigned>(living.rows().size()));
    // What is neither: the list's own painting (the library draws its rows in
    // WM_PAINT), the popup and dialog windows, and the message traffic itself.
    const double rest = busy / 1000.0 - library - drawing;
    printf("UI thread busy %.1f ms (%.1f%%): library list calls %.1f ms, host drawing of the lobby view %.1f ms, "
           "the rest (the list's own painting, messages) %.1f ms\n",
           busy / 1000.0, busy / (elapsed * 1e4), library, drawing, rest);
    std::vector<std::pair<double, std::string>> costly;
    for (const auto& s : spent) costly.push_back({s.second, s.first});
    std::sort(costly.rbegin(), costly.rend());
    for (size_t i = 0; i < costly.size() && i < 4; ++i) {
        printf("  message %s: %.1f ms\n", costly[i].second.c_str(), costly[i].first / 1000.0);
    }
    printf("posted messages: %u, p90 %.2f ms, max %.2f ms\n", static_cast<unsigned>(waits.size()),
           Percentile(waits, 0.90) / 1000.0, Percentile(waits, 1.0) / 1000.0);
    printf("live room latency p50 %.2f ms p99 %.2f ms\n", Percentile(waits, 0.50) / 1000.0, Percentile(waits, 0.99) / 1000.0);
    fflush(stdout);
    return 0;
}
