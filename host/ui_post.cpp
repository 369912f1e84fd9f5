#include "ui_post.h"

#include <algorithm>

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    return 1e6 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

UiPost::~UiPost() {
    // Work still queued dies with its messages: nothing runs it any more.
    MSG msg;
    if (!m_window) return;
    while (::PeekMessageW(&msg, m_window, kMessage, kMessage, PM_REMOVE)) delete reinterpret_cast<Work*>(msg.lParam);
}

bool UiPost::Post(std::function<void()> work) {
    Work* item = new Work{std::move(work), {}};
    ::QueryPerformanceCounter(&item->postedAt);
    ::InterlockedIncrement(&m_pending);
    if (!m_window || !::PostMessageW(m_window, kMessage, 0, reinterpret_cast<LPARAM>(item))) {
        ::InterlockedDecrement(&m_pending);
        delete item;
        return false;
    }
    return true;
}

void UiPost::After(unsigned delayMs, std::function<void()> work) {
    UINT_PTR id = m_nextTimer++;
    m_timers[id] = std::move(work);
    ::SetTimer(m_window, id, delayMs, nullptr);
}

bool UiPost::Run(UINT msg, WPARAM w, LPARAM l) {
    if (msg == kMessage) {
        Work* item = reinterpret_cast<Work*>(l);
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        m_latencies.push_back(Microseconds(item->postedAt, now));
        ::InterlockedDecrement(&m_pending);
        // Freed before it runs: the work may pump messages or end the lobby.
        std::function<void()> run = std::move(item->run);
        delete item;
        if (run) run();
        return true;
    }
    if (msg == WM_TIMER) {
        auto found = m_timers.find(w);
        if (found == m_timers.end()) return false;
        ::KillTimer(m_window, w);
        std::function<void()> run = std::move(found->second);
        m_timers.erase(found);
        if (run) run();
        return true;
    }
    return false;
}

std::vector<double> UiPost::TakeLatencies() {
    std::vector<double> out;
    out.swap(m_latencies);
    return out;
}

double Percentile(std::vector<double> samples, double share) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    double rank = share * static_cast<double>(samples.size() - 1);
    size_t below = static_cast<size_t>(rank);
    if (below + 1 >= samples.size()) return samples.back();
    double part = rank - static_cast<double>(below);
    return samples[below] + (samples[below + 1] - samples[below]) * part;
}
