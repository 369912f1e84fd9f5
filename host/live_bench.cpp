#include "live_bench.h"

#include <windows.h>

#include <stdio.h>

#include <atomic>
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
    bool open = true;
    do {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        open = living.PumpWaiting();
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
    printf("UI thread: library list work %.1f ms (%.1f%%), host drawing of the lobby view %.1f ms (%.1f%%)\n", library,
           library / (elapsed * 10.0), drawing, drawing / (elapsed * 10.0));
    printf("posted messages: %u, p90 %.2f ms, max %.2f ms\n", static_cast<unsigned>(waits.size()),
           Percentile(waits, 0.90) / 1000.0, Percentile(waits, 1.0) / 1000.0);
    printf("live room latency p50 %.2f ms p99 %.2f ms\n", Percentile(waits, 0.50) / 1000.0, Percentile(waits, 0.99) / 1000.0);
    fflush(stdout);
    return 0;
}
