// A window that plays the host: dialogs are created under it, and it records
// every message the library sends it (with a copy of the record the lParam
// points to, for messages whose record size the test declares), answering
// with a value or a function the test chooses.
#ifndef LOBBYUI_TESTS_HOST_WINDOW_H
#define LOBBYUI_TESTS_HOST_WINDOW_H

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include <lobbyui/wnd.h>

#include "heap_check.h"

struct ReceivedMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::vector<unsigned char> record;  // bytes at lParam, when captured
};

class HostWindow {
public:
    HostWindow(int x = 0, int y = 0, int width = 800, int height = 600);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    CWnd* wnd() const { return CWnd::FromHandle(m_hwnd); }

    // Copies `size` bytes from lParam whenever msg arrives.
    void CaptureRecord(UINT msg, size_t size) { m_recordSizes[msg] = size; }
    // What the window answers to msg (0 by default).
    void Answer(UINT msg, std::function<LRESULT(WPARAM, LPARAM)> answer) { m_answers[msg] = std::move(answer); }
    // Runs action when a system message (below WM_USER) arrives, before the
    // window's default processing: a host calling back from the activation
    // and focus messages the library's windows cause.
    void Observe(UINT msg, std::function<void(WPARAM, LPARAM)> action) { m_observers[msg] = std::move(action); }
    void StopObserving() { m_observers.clear(); }

    // Messages from WM_USER on, in arrival order.
    const std::vector<ReceivedMessage>& received() const { return m_received; }
    std::vector<ReceivedMessage> ReceivedOf(UINT msg) const;
    void Clear() { m_received.clear(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
    HWND m_hwnd = nullptr;
    std::map<UINT, size_t> m_recordSizes;
    std::map<UINT, std::function<LRESULT(WPARAM, LPARAM)>> m_answers;
    std::map<UINT, std::function<void(WPARAM, LPARAM)>> m_observers;
    std::vector<ReceivedMessage> m_received;
};

// Handles what is waiting in this thread's queue, without waiting for more.
void PumpMessages();


// A clock the test moves by hand; installed for the life of the object.
class ManualClock {
public:
    ManualClock(DWORD start = 100000);
    ~ManualClock();
    void Advance(DWORD ms);
    DWORD now() const;
};

#endif
