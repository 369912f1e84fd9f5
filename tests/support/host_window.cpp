#include "host_window.h"

#include "win/clock.h"

namespace {
const char kClassName[] = "LobbyUiTestHost";

ATOM RegisterHostClass(WNDPROC proc) {
    static ATOM atom = [proc] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return ::RegisterClassA(&wc);
    }();
    return atom;
}

DWORD g_manualNow = 0;
DWORD ManualNow() { return g_manualNow; }
}  // namespace

HostWindow::HostWindow(int x, int y, int width, int height) {
    RegisterHostClass(&HostWindow::Proc);
    m_hwnd = ::CreateWindowExA(0, kClassName, "Test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width, height,
                               nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
}

HostWindow::~HostWindow() {
    if (m_hwnd) ::DestroyWindow(m_hwnd);
}

std::vector<ReceivedMessage> HostWindow::ReceivedOf(UINT msg) const {
    std::vector<ReceivedMessage> out;
    for (const ReceivedMessage& m : m_received) {
        if (m.msg == msg) out.push_back(m);
    }
    return out;
}

LRESULT CALLBACK HostWindow::Proc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_NCCREATE) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
                                                     reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams));
    }
    HostWindow* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && msg >= WM_USER && msg < 0x8000) {
        ReceivedMessage m = {msg, w, l, {}};
        auto size = self->m_recordSizes.find(msg);
        if (size != self->m_recordSizes.end() && l) {
            const unsigned char* bytes = reinterpret_cast<const unsigned char*>(l);
            m.record.assign(bytes, bytes + size->second);
        }
        self->m_received.push_back(m);
        auto answer = self->m_answers.find(msg);
        if (answer == self->m_answers.end()) return 0;
        // A copy: a host calling back may change its answers meanwhile.
        std::function<LRESULT(WPARAM, LPARAM)> reply = answer->second;
        return reply(w, l);
    }
    if (self && msg < WM_USER) {
        auto observer = self->m_observers.find(msg);
        if (observer != self->m_observers.end()) {
            // A copy: the action may replace or clear the observers.
            std::function<void(WPARAM, LPARAM)> action = observer->second;
            action(w, l);
        }
    }
    if (msg == WM_NCDESTROY && self) self->m_hwnd = nullptr;
    return ::DefWindowProcA(hwnd, msg, w, l);
}

void PumpMessages() {
    MSG m;
    while (::PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
}

ManualClock::ManualClock(DWORD start) {
    g_manualNow = start;
    SetMillisecondClock(&ManualNow);
}
ManualClock::~ManualClock() { SetMillisecondClock(nullptr); }
void ManualClock::Advance(DWORD ms) { g_manualNow += ms; }
DWORD ManualClock::now() const { return g_manualNow; }
