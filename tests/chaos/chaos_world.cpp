#include "chaos_world.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <functional>

namespace {

struct HostCall {
    const char* name;
    void (*call)(ChaosWorld& w);
};

const HostCall kHostCalls[] = {
#include "chaos_calls.inc"
};

const char* const kInputs[] = {
    "input:click",  "input:double-click", "input:right-click", "input:command", "input:menu-command",
    "input:key",    "input:chars",        "input:paste",       "input:mouse-move", "input:drag",
    "input:wheel",  "input:ticks",        "input:paint",       "input:print",    "input:close",
    "input:init-dialog",
};
// How often a user does each of them, by the index above: pressing things
// is what leads a dialog to a report.
const uint32_t kInputWeights[sizeof kInputs / sizeof kInputs[0]] = {8, 1, 1, 4, 2, 3, 2, 1, 2, 1, 1, 2, 1, 1, 1, 1};

const char* DrawInput(ChaosRandom& random) {
    uint32_t total = 0;
    for (uint32_t weight : kInputWeights) total += weight;
    uint32_t pick = random.Below(total);
    size_t i = 0;
    while (pick >= kInputWeights[i]) pick -= kInputWeights[i++];
    return kInputs[i];
}

const char* const kEvents[] = {
    "event:destroy-host", "event:hide-host",   "event:show-host",         "event:minimise-host",
    "event:restore-host", "event:move-host",   "event:resize-host",       "event:reparent-host",
    "event:garble-text-table", "event:restore-files", "event:garble-default-sav", "event:change-directory",
    "event:lobby-panel",
};

const char kHostClass[] = "LobbyUiChaosHost";
const char kTextTable[] = "STCSV\\PlayerScore_Sim.csv";
const size_t kPage = 4096;
const unsigned kSlots = 512;

ChaosWorld* g_world = nullptr;

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    if (g_world) return g_world->HostMessage(hwnd, msg, w, l);
    return ::DefWindowProcA(hwnd, msg, w, l);
}

// The invariants follow the library's dialogs through every message sent on
// this thread and every message a loop takes from the queue.
LRESULT CALLBACK WatchSent(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION && g_world) g_world->Sent(*reinterpret_cast<const CWPSTRUCT*>(l));
    return ::CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK WatchDequeued(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION && w == PM_REMOVE && g_world) g_world->Dequeued();
    return ::CallNextHookEx(nullptr, code, w, l);
}

// A popup menu shown by the library would hold the thread in its own loop.
void CALLBACK EndMenus(HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); }

// The system's move, size, menu and scroll loops wait for a real mouse that
// never comes; they call this filter with each message, and losing the
// capture ends them as a user letting go would.
LRESULT CALLBACK EndModalLoops(int code, WPARAM w, LPARAM l) {
    const int kMove = 3, kSize = 4;  // MSGF_MOVE, MSGF_SIZE
    if (code == kMove || code == kSize || code == MSGF_MENU || code == MSGF_SCROLLBAR) {
        ::ReleaseCapture();
        ::EndMenu();
    }
    return ::CallNextHookEx(nullptr, code, w, l);
}

std::string ReadFile(const char* path) {
    std::string bytes;
    FILE* f = fopen(path, "rb");
    if (!f) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

void WriteFile(const char* path, const std::string& bytes) {
    FILE* f = fopen(path, "wb");
    if (!f) return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

// Texts a user or a server may hand over: GBK, long, odd.
const char* const kTexts[] = {
    "", "a", "Player", "\xD5\xC5\xC8\xFD", "\xB2\xE2\xCA\xD4\xC3\xDC\xC2\xEB",
    "http://localhost/notice.html", "web\\notice.html", "%s%s%s%n%d",
    "\xD5\xC5\xC8\xFD\xC0\xEE\xCB\xC4\xCD\xF5\xCE\xE5\xD5\xD4\xC1\xF9\xC7\xAE\xC6\xDF\xD6\xDC\xB0\xCB",
    "\x81",  // a lone lead byte
};

}  // namespace

ChaosWorld::ChaosWorld() {
    g_world = this;
    memset(m_sound, 0, sizeof m_sound);
    char directory[MAX_PATH] = {0};
    ::GetCurrentDirectoryA(MAX_PATH, directory);
    m_startDirectory = directory;
    m_textTable = ReadFile(kTextTable);
    ::CreateDirectoryA("chaos-elsewhere", nullptr);

    m_arena = static_cast<unsigned char*>(::VirtualAlloc(nullptr, kSlots * 2 * kPage, MEM_COMMIT | MEM_RESERVE,
                                                         PAGE_READWRITE));
    DWORD old = 0;
    for (unsigned i = 0; i < kSlots; ++i) ::VirtualProtect(m_arena + (2 * i + 1) * kPage, kPage, PAGE_NOACCESS, &old);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = &HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    MakeHosts();
    m_popup = ::CreateWindowExA(WS_EX_TOOLWINDOW, kHostClass, "popup", WS_POPUP, 0, 0, 120, 100, m_hostA, nullptr,
                                wc.hInstance, nullptr);

    HDC screen = ::GetDC(nullptr);
    for (int i = 0; i < 3; ++i) {
        HIMAGELIST list = ::ImageList_Create(16 + 8 * i, 16, ILC_COLOR24 | ILC_MASK, 8, 8);
        HBITMAP strip = ::CreateCompatibleBitmap(screen, (16 + 8 * i) * 8, 16);
        ::ImageList_AddMasked(list, strip, RGB(255, 0, 255));
        ::DeleteObject(strip);
        m_imageLists.push_back(list);
        m_bitmaps.push_back(::CreateCompatibleBitmap(screen, 200 + 100 * i, 300));
    }
    m_deletedBitmap = ::CreateCompatibleBitmap(screen, 8, 8);
    ::DeleteObject(m_deletedBitmap);
    ::ReleaseDC(nullptr, screen);
    m_menu = ::CreatePopupMenu();
    for (UINT id = 1; id <= 5; ++id) ::AppendMenuA(m_menu, MF_STRING, 1010 + id, "item");
    m_destroyedMenu = ::CreatePopupMenu();
    ::DestroyMenu(m_destroyedMenu);
    m_cursor = ::LoadCursorA(nullptr, IDC_HAND);
    ::SetTimer(nullptr, 0, 200, &EndMenus);
    ::SetWindowsHookExA(WH_MSGFILTER, &EndModalLoops, nullptr, ::GetCurrentThreadId());
    ::SetWindowsHookExA(WH_CALLWNDPROC, &WatchSent, nullptr, ::GetCurrentThreadId());
    ::SetWindowsHookExA(WH_GETMESSAGE, &WatchDequeued, nullptr, ::GetCurrentThreadId());
}

ChaosWorld::~ChaosWorld() {
    RestoreFiles();
    for (HWND hwnd : {m_popup, m_panel, m_hostB, m_hostA}) {
        if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
    }
    g_world = nullptr;
}

void ChaosWorld::MakeHosts() {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (!::IsWindow(m_hostA)) {
        m_hostA = ::CreateWindowExA(0, kHostClass, "Chaos lobby", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                                    20, 20, 900, 650, nullptr, nullptr, instance, nullptr);
    }
    if (!::IsWindow(m_hostB)) {
        m_hostB = ::CreateWindowExA(0, kHostClass, "Chaos side", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 500, 400,
                                    nullptr, nullptr, instance, nullptr);
    }
}

std::vector<std::string> ChaosWorld::ActionNames() {
    std::vector<std::string> names;
    for (const HostCall& call : kHostCalls) names.push_back(std::string("call:") + call.name);
    for (const char* input : kInputs) names.push_back(input);
    for (const char* event : kEvents) names.push_back(event);
    return names;
}

ChaosStep ChaosWorld::Draw(ChaosRandom& random) const {
    ChaosStep step;
    // A user works in what is on screen: while a library window shows, most
    // steps are input to it, so dialogs get pressed through to their reports
    // instead of being replaced by the next call before anyone touches them.
    bool onScreen = false;
    for (HWND hwnd : LibraryWindows()) {
        if (::IsWindowVisible(hwnd)) {
            onScreen = true;
            break;
        }
    }
    const uint32_t kind = random.Below(100);
    const uint32_t calls = onScreen ? 30 : 55, inputs = onScreen ? 94 : 92;
    if (kind < calls) {
        // Now and then a call that opens something up (a dialog made or
        // shown, the room fed), so that the user has something to press and
        // the library something to report.
        static const std::vector<const char*> openers = [] {
            std::vector<const char*> names;
            for (const HostCall& call : kHostCalls) {
                const std::string name = call.name;
                for (const char* word : {"Create", "Cteate", "Show", "AddPlayer", "AddNewPlayer", "InitArray",
                                         "SetTrackPopMenu", "SetGSData", "RXCursorfun", "SetPlayerLBImgList"}) {
                    if (name.find(word) != std::string::npos) {
                        names.push_back(call.name);
                        break;
                    }
                }
            }
            return names;
        }();
        const char* name = random.Chance(onScreen ? 30 : 60) ? openers[random.Below(openers.size())]
                                             : kHostCalls[random.Below(sizeof kHostCalls / sizeof kHostCalls[0])].name;
        step.action = std::string("call:") + name;
    } else if (kind < inputs) {
        step.action = DrawInput(random);
    } else {
        step.action = kEvents[random.Below(sizeof kEvents / sizeof kEvents[0])];
    }
    step.seed = random.Next();
    return step;
}

void ChaosWorld::Fail(const std::string& what) {
    if (m_failure.empty()) m_failure = what;
}

bool ChaosWorld::Run(const ChaosStep& step) {
    m_random = ChaosRandom(step.seed);
    m_childNewsRandom = ChaosRandom(~step.seed);
    for (Standing& standing : m_standing) standing = Standing();
    const std::string& action = step.action;
    if (getenv("CHAOS_TRACE")) fprintf(stderr, "chaos: step %s\n", action.c_str());
    if (action.compare(0, 5, "call:") == 0) {
        const std::string name = action.substr(5);
        if (!CallByName(name)) Fail("unknown host call " + name);
    } else if (action.compare(0, 6, "input:") == 0) {
        UserInput(action);
    } else if (action.compare(0, 6, "event:") == 0) {
        HostEvent(action);
    } else {
        Fail("unknown action " + action);
    }
    CheckInvariants();
    return m_failure.empty();
}

// ---- Argument draws ----

unsigned char* ChaosWorld::GuardedSlot(size_t size) {
    if (size > kPage) size = kPage;
    unsigned char* page = m_arena + 2 * kPage * (m_nextSlot++ % kSlots);
    // The record's last byte is the page's last: one byte further faults.
    return page + kPage - size;
}

void ChaosWorld::FillBytes(unsigned char* bytes, size_t size, uint32_t mode) {
    switch (mode) {
    case 0:  // noise
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(m_random.Next());
        break;
    case 1:  // all 0xFF or all zero
        memset(bytes, m_random.Chance(50) ? 0xFF : 0, size);
        break;
    default:  // small numbers in every word, now and then a text: what a server sends
        for (size_t i = 0; i + 4 <= size; i += 4) {
            uint32_t value = m_random.Chance(70) ? m_random.Below(260) : m_random.Below(5);
            memcpy(bytes + i, &value, 4);
        }
        for (size_t i = size & ~size_t(3); i < size; ++i) bytes[i] = static_cast<unsigned char>(m_random.Below(3));
        if (size >= 24 && m_random.Chance(60)) {
            const char* text = kTexts[m_random.Below(sizeof kTexts / sizeof kTexts[0])];
            size_t at = m_random.Below(static_cast<uint32_t>(size - 16));
            size_t n = std::min(strlen(text), size - at);
            memcpy(bytes + at, text, n);
        }
        break;
    }
}

HWND ChaosWorld::Window() {
    switch (m_random.Below(8)) {
    case 0: return nullptr;
    case 1: return m_deadWindows.empty() ? nullptr : m_deadWindows[m_random.Below(m_deadWindows.size())];
    case 2: return m_hostB;
    case 3: {
        std::vector<HWND> windows = LibraryWindows();
        return windows.empty() ? m_hostA : windows[m_random.Below(windows.size())];
    }
    default: return m_hostA;
    }
}

HIMAGELIST ChaosWorld::ImageList() {
    // Lent lists stay alive: the library may keep them, as a host's would.
    return m_random.Chance(15) ? nullptr : m_imageLists[m_random.Below(m_imageLists.size())];
}

HBITMAP ChaosWorld::Bitmap() {
    switch (m_random.Below(6)) {
    case 0: return nullptr;
    case 1: return m_deletedBitmap;
    default: return m_bitmaps[m_random.Below(m_bitmaps.size())];
    }
}

HMENU ChaosWorld::Menu() {
    switch (m_random.Below(4)) {
    case 0: return nullptr;
    case 1: return m_destroyedMenu;
    default: return m_menu;
    }
}

LOBBYUI_HBUTTON ChaosWorld::Button() {
    switch (m_random.Below(8)) {
    case 0: return nullptr;
    case 1:
        if (!m_gaveBackButtons.empty()) return m_gaveBackButtons[m_random.Below(m_gaveBackButtons.size())].handle;
        return nullptr;
    case 2: return reinterpret_cast<LOBBYUI_HBUTTON>(GuardedSlot(64));  // never handed out
    default:
        return m_buttons.empty() ? nullptr : m_buttons[m_random.Below(m_buttons.size())];
    }
}

LOBBYUI_HWEBDLG ChaosWorld::WebDialog() {
    switch (m_random.Below(8)) {
    case 0: return nullptr;
    case 1:
        if (!m_gaveBackWebDialogs.empty()) return m_gaveBackWebDialogs[m_random.Below(m_gaveBackWebDialogs.size())].handle;
        return nullptr;
    case 2: return reinterpret_cast<LOBBYUI_HWEBDLG>(GuardedSlot(64));
    default:
        return m_webDialogs.empty() ? nullptr : m_webDialogs[m_random.Below(m_webDialogs.size())];
    }
}

const char* ChaosWorld::Text() {
    switch (m_random.Below(6)) {
    case 0: return nullptr;
    case 1: {  // short, its terminator on the page's last byte
        size_t size = 1 + m_random.Below(40);
        char* slot = reinterpret_cast<char*>(GuardedSlot(size));
        for (size_t i = 0; i + 1 < size; ++i) slot[i] = static_cast<char>('A' + m_random.Below(26));
        slot[size - 1] = '\0';
        return slot;
    }
    case 2: {  // long, terminated on the page's last byte
        size_t size = 300 + m_random.Below(3000);
        char* slot = reinterpret_cast<char*>(GuardedSlot(size));
        for (size_t i = 0; i + 1 < size; i += 2) {
            slot[i] = static_cast<char>(0xB0 + m_random.Below(0x40));
            slot[i + 1] = static_cast<char>(0xA1 + m_random.Below(0x5E));
        }
        slot[size - 1] = '\0';
        return slot;
    }
    default: {
        const char* text = kTexts[m_random.Below(sizeof kTexts / sizeof kTexts[0])];
        size_t size = strlen(text) + 1;
        char* slot = reinterpret_cast<char*>(GuardedSlot(size));
        memcpy(slot, text, size);
        return slot;
    }
    }
}

const RECT* ChaosWorld::Rect() {
    if (m_random.Chance(10)) return nullptr;
    RECT* r = reinterpret_cast<RECT*>(GuardedSlot(sizeof(RECT)));
    switch (m_random.Below(4)) {
    case 0: *r = RECT{INT32_MIN, 0, INT32_MAX, 10}; break;
    case 1: *r = RECT{300, 300, 10, 10}; break;
    case 2: *r = RECT{0, 0, 0, 0}; break;
    default: {
        LONG x = static_cast<LONG>(m_random.Below(800)), y = static_cast<LONG>(m_random.Below(600));
        *r = RECT{x, y, x + static_cast<LONG>(m_random.Below(500)), y + static_cast<LONG>(m_random.Below(400))};
    }
    }
    return r;
}

POINT ChaosWorld::Point() {
    if (m_random.Chance(10)) return POINT{INT32_MIN, INT32_MAX};
    return POINT{static_cast<LONG>(m_random.Below(1400)) - 100, static_cast<LONG>(m_random.Below(1000)) - 100};
}

HICON* ChaosWorld::CursorSlot() {
    if (m_random.Chance(20)) return nullptr;
    // The library keeps the address: the variable lives as long as the host.
    switch (m_random.Below(3)) {
    case 0: m_cursor = nullptr; break;
    case 1: m_cursor = reinterpret_cast<HICON>(static_cast<uintptr_t>(0xBAD0)); break;
    default: m_cursor = ::LoadCursorA(nullptr, m_random.Chance(50) ? IDC_HAND : IDC_IBEAM); break;
    }
    return &m_cursor;
}

DIRSOUND* ChaosWorld::Sound() {
    return m_random.Chance(30) ? nullptr : reinterpret_cast<DIRSOUND*>(m_sound);
}

void* ChaosWorld::PopMenuRecord() {
    if (m_random.Chance(15)) return nullptr;
    tagTRACK_POP_MENU* record = Record<tagTRACK_POP_MENU>();
    if (!record) return nullptr;
    // Its windows are the host's popup, none, or one that is gone.
    switch (m_random.Below(3)) {
    case 0: record->hWnd = m_popup; break;
    case 1: record->hWnd = nullptr; break;
    default: record->hWnd = m_deadWindows.empty() ? m_popup : m_deadWindows.back(); break;
    }
    return record;
}

namespace {

// The library keeps a given-back object's memory from reuse for its latest
// 256 give-backs of that kind, no longer: a handle given back before those
// may honestly come back for a new object, and from then on it is live, not
// given back.
template <class Handle>
void HandedAgain(std::vector<GivenBack<Handle>>& gaveBack, unsigned long long giveBacks, Handle handle) {
    auto old = std::find_if(gaveBack.begin(), gaveBack.end(), [handle](const GivenBack<Handle>& given) {
        return given.handle == handle;
    });
    if (old != gaveBack.end() && old->serial + 256 <= giveBacks) gaveBack.erase(old);
}

template <class Handle>
void GiveBack(std::vector<Handle>& live, std::vector<GivenBack<Handle>>& gaveBack, unsigned long long& giveBacks,
              Handle handle) {
    auto at = std::find(live.begin(), live.end(), handle);
    if (at == live.end()) return;
    live.erase(at);
    // Given back once more: only the latest give-back counts.
    gaveBack.erase(std::remove_if(gaveBack.begin(), gaveBack.end(),
                                  [handle](const GivenBack<Handle>& given) { return given.handle == handle; }),
                   gaveBack.end());
    gaveBack.push_back(GivenBack<Handle>{handle, ++giveBacks});
}

}  // namespace

void ChaosWorld::Handed(LOBBYUI_HBUTTON button) {
    if (!button) return;
    HandedAgain(m_gaveBackButtons, m_buttonGiveBacks, button);
    m_buttons.push_back(button);
}

void ChaosWorld::Handed(LOBBYUI_HWEBDLG dialog) {
    if (!dialog) return;
    HandedAgain(m_gaveBackWebDialogs, m_webDialogGiveBacks, dialog);
    m_webDialogs.push_back(dialog);
}

void ChaosWorld::GaveBack(LOBBYUI_HBUTTON button) { GiveBack(m_buttons, m_gaveBackButtons, m_buttonGiveBacks, button); }

void ChaosWorld::GaveBack(LOBBYUI_HWEBDLG dialog) {
    GiveBack(m_webDialogs, m_gaveBackWebDialogs, m_webDialogGiveBacks, dialog);
}

void ChaosWorld::HostSet(const char* function, long long value) { m_hostSet[function] = value; }

// ---- The library's windows and the user ----

bool ChaosWorld::IsOurs(HWND hwnd) const { return m_ours.count(hwnd) != 0; }

std::vector<HWND> ChaosWorld::LibraryWindows() const {
    struct Collect {
        const ChaosWorld* world;
        std::vector<HWND> windows;
        static BOOL CALLBACK Child(HWND hwnd, LPARAM l) {
            Collect* self = reinterpret_cast<Collect*>(l);
            if (!self->world->IsOurs(hwnd)) self->windows.push_back(hwnd);
            return TRUE;
        }
        static BOOL CALLBACK Top(HWND hwnd, LPARAM l) {
            Collect* self = reinterpret_cast<Collect*>(l);
            if (!self->world->IsOurs(hwnd)) self->windows.push_back(hwnd);
            ::EnumChildWindows(hwnd, &Child, l);
            return TRUE;
        }
    } collect{this, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect::Top, reinterpret_cast<LPARAM>(&collect));
    return collect.windows;
}

void ChaosWorld::UserInput(const std::string& kind) {
    std::vector<HWND> windows = LibraryWindows();
    if (windows.empty()) return;
    // A user mostly presses what is on screen, and buttons most of all.
    std::vector<HWND> visible, buttons;
    for (HWND hwnd : windows) {
        if (!::IsWindowVisible(hwnd)) continue;
        visible.push_back(hwnd);
        char cls[16] = {0};
        ::GetClassNameA(hwnd, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0) buttons.push_back(hwnd);
    }
    // The user's hands reach only what is on screen; ticks, painting, a
    // close and a stray WM_INITDIALOG are the system's or the host's and
    // reach any window.
    const bool byHand = kind != "input:ticks" && kind != "input:paint" && kind != "input:print" &&
                        kind != "input:close" && kind != "input:init-dialog";
    if (kind == "input:click" && !buttons.empty() && m_random.Chance(70)) {
        windows.swap(buttons);
    } else if (byHand || (!visible.empty() && m_random.Chance(80))) {
        windows.swap(visible);
    }
    if (windows.empty()) return;
    HWND target = windows[m_random.Below(windows.size())];
    if (getenv("CHAOS_TRACE")) {
        char cls[64] = {0}, topCls[64] = {0};
        ::GetClassNameA(target, cls, sizeof cls);
        ::GetClassNameA(::GetAncestor(target, GA_ROOT), topCls, sizeof topCls);
        fprintf(stderr, "chaos:   %s on %s id %d in %s\n", kind.c_str(), cls, ::GetDlgCtrlID(target), topCls);
    }
    RECT client = {0, 0, 0, 0};
    ::GetClientRect(target, &client);
    const LPARAM at = MAKELPARAM(m_random.Below(client.right + 20), m_random.Below(client.bottom + 20));
    HWND top = ::GetAncestor(target, GA_ROOT);
    // The mouse never reaches a disabled window: a press sent to one anyway
    // would give it the focus, which no user can.
    const bool mouse = kind == "input:click" || kind == "input:double-click" || kind == "input:right-click" ||
                       kind == "input:drag";
    if (mouse && !::IsWindowEnabled(target)) return;
    // A press may start a modal loop of the system's (a caption drag, a
    // scroll bar's tracking) that waits for a real mouse: a release and an
    // Escape already queued end it as a user letting go would.
    if (kind == "input:drag" || kind == "input:click" || kind == "input:double-click" || kind == "input:right-click") {
        ::PostMessageA(target, WM_LBUTTONUP, 0, at);
        ::PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1);
    }
    if (kind == "input:click") {
        char cls[32] = {0};
        ::GetClassNameA(target, cls, sizeof cls);
        if (lstrcmpiA(cls, "Button") == 0) {
            UserSends(target, BM_CLICK, 0, 0);
        } else {
            UserSends(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
            if (::IsWindow(target)) UserSends(target, WM_LBUTTONUP, 0, at);
        }
    } else if (kind == "input:double-click") {
        UserSends(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
        if (::IsWindow(target)) UserSends(target, WM_LBUTTONUP, 0, at);
        // The second press reaches only a window still on screen and
        // enabled: the first may have hidden it (a slide-out arrow does).
        if (::IsWindowVisible(target) && ::IsWindowEnabled(target)) {
            UserSends(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            if (::IsWindow(target)) UserSends(target, WM_LBUTTONUP, 0, at);
        }
    } else if (kind == "input:right-click") {
        UserSends(target, WM_RBUTTONDOWN, MK_RBUTTON, at);
        if (::IsWindow(target)) UserSends(target, WM_RBUTTONUP, 0, at);
    } else if (kind == "input:command") {
        const int id = m_random.Chance(30) ? static_cast<int>(1 + m_random.Below(2)) : ::GetDlgCtrlID(target);
        HWND to = (::GetWindowLongA(target, GWL_STYLE) & WS_CHILD) ? ::GetParent(target) : target;
        if (m_random.Chance(30)) to = top;
        UserSends(to, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(target));
    } else if (kind == "input:menu-command") {
        HMENU menu = CPartyDlg_DlgInerface_GetPopupMenuHandle();
        // The choices are in the menu's popup, where it has one.
        if (menu && ::GetMenuItemCount(menu) > 0 && ::GetSubMenu(menu, 0)) menu = ::GetSubMenu(menu, 0);
        int count = menu ? ::GetMenuItemCount(menu) : 0;
        UINT id = count > 0 ? ::GetMenuItemID(menu, static_cast<int>(m_random.Below(count)))
                            : 1011 + m_random.Below(5);
        // A popup menu's choice goes to the window that tracked it: mostly
        // a list the user right-clicked, else the window around the target.
        std::vector<HWND> lists;
        for (HWND hwnd : LibraryWindows()) {
            char cls[16] = {0};
            ::GetClassNameA(hwnd, cls, sizeof cls);
            if (lstrcmpiA(cls, "ListBox") == 0 && ::IsWindowVisible(hwnd)) lists.push_back(hwnd);
        }
        HWND to = !lists.empty() && m_random.Chance(70) ? lists[m_random.Below(lists.size())] : top;
        if (to != top) {
            // The right-click on a row that opened the menu; an Escape
            // already queued ends the menu's own loop.
            const LPARAM row = MAKELPARAM(5 + m_random.Below(100), m_random.Below(80));
            ::PostMessageA(to, WM_KEYDOWN, VK_ESCAPE, 1);
            UserSends(to, WM_RBUTTONDOWN, MK_RBUTTON, row);
            if (::IsWindow(to)) UserSends(to, WM_RBUTTONUP, 0, row);
        }
        if (::IsWindow(to)) UserSends(to, WM_COMMAND, id, 0);
    } else if (kind == "input:key") {
        const WPARAM keys[] = {VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, VK_UP, VK_DOWN, VK_F4};
        WPARAM key = keys[m_random.Below(sizeof keys / sizeof keys[0])];
        MSG m = {target, WM_KEYDOWN, key, 1, 0, {0, 0}};
        // As a host's loop does for the library's modeless dialogs.
        bool handled = false;
        if (!IsOurs(top)) {
            Busy user(*this, Doing::kUser);
            handled = ::IsDialogMessageA(top, &m) != 0;
        }
        if (!handled && ::IsWindow(target)) UserSends(target, WM_KEYDOWN, key, 1);
        if (::IsWindow(target)) UserSends(target, WM_KEYUP, key, 0xC0000001);
    } else if (kind == "input:chars") {
        int n = 1 + static_cast<int>(m_random.Below(20));
        for (int i = 0; i < n && ::IsWindow(target); ++i) {
            WPARAM c = m_random.Chance(50) ? '0' + m_random.Below(10) : 'a' + m_random.Below(26);
            if (m_random.Chance(20)) {
                UserSends(target, WM_CHAR, 0xB0 + m_random.Below(0x40), 1);
                c = 0xA1 + m_random.Below(0x5E);
            }
            UserSends(target, WM_CHAR, c, 1);
        }
    } else if (kind == "input:paste") {
        // A user pastes into an edit box, never into a caption or a button.
        std::vector<HWND> edits;
        for (HWND hwnd : LibraryWindows()) {
            char cls[16] = {0};
            ::GetClassNameA(hwnd, cls, sizeof cls);
            if (lstrcmpiA(cls, "Edit") == 0 && ::IsWindowVisible(hwnd)) edits.push_back(hwnd);
        }
        if (edits.empty()) return;
        target = edits[m_random.Below(edits.size())];
        std::string text(1 + m_random.Below(4000), 'x');
        for (char& c : text) c = static_cast<char>(m_random.Chance(30) ? 0xB0 + m_random.Below(0x40) : '0' + m_random.Below(40));
        UserSends(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        HWND parent = ::GetParent(target);
        if (parent && ::IsWindow(target))
            UserSends(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(target), EN_CHANGE), reinterpret_cast<LPARAM>(target));
    } else if (kind == "input:mouse-move") {
        for (int i = 0; i < 8 && ::IsWindow(target); ++i) {
            UserSends(target, WM_MOUSEMOVE, 0, MAKELPARAM(m_random.Below(client.right + 10), m_random.Below(client.bottom + 10)));
        }
        if (::IsWindow(target)) UserSends(target, WM_MOUSELEAVE, 0, 0);
    } else if (kind == "input:drag") {
        // A press where the window itself says its caption is; a host window
        // is left alone, since the system's move loop waits for a real mouse.
        RECT window = {0, 0, 0, 0};
        ::GetWindowRect(top, &window);
        const LPARAM screen = MAKELPARAM(window.left + static_cast<int>(m_random.Below(window.right - window.left + 1)),
                                         window.top + static_cast<int>(m_random.Below(30)));
        if (!IsOurs(top) && ::SendMessageA(top, WM_NCHITTEST, 0, screen) == HTCAPTION && ::IsWindow(top)) {
            UserSends(top, WM_NCLBUTTONDOWN, HTCAPTION, screen);
            for (int i = 0; i < 5 && ::IsWindow(top); ++i) {
                UserSends(top, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10 + 7 * i, 5 + 3 * i));
            }
            if (::IsWindow(top)) UserSends(top, WM_LBUTTONUP, 0, at);
            Busy user(*this, Doing::kUser);
            ::ReleaseCapture();
        }
    } else if (kind == "input:wheel") {
        UserSends(target, WM_MOUSEWHEEL, MAKEWPARAM(0, m_random.Chance(50) ? 120 : -360), at);
    } else if (kind == "input:ticks") {
        const UINT_PTR id = 1 + m_random.Below(4);
        int n = 1 + static_cast<int>(m_random.Below(m_random.Chance(20) ? 200 : 12));
        for (int i = 0; i < n && ::IsWindow(top); ++i) UserSends(top, WM_TIMER, id, 0);
    } else if (kind == "input:paint") {
        ::InvalidateRect(target, nullptr, TRUE);
        Busy user(*this, Doing::kUser);
        ::UpdateWindow(target);
    } else if (kind == "input:print") {
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP canvas = ::CreateCompatibleBitmap(screen, 800, 600);
        HGDIOBJ old = ::SelectObject(memory, canvas);
        UserSends(target, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        ::SelectObject(memory, old);
        ::DeleteObject(canvas);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    } else if (kind == "input:close") {
        // The user closes the library's windows; the lobby's own stay, as a
        // host keeps its main window for the session.
        if (IsOurs(top)) return;
        if (m_random.Chance(50)) {
            UserSends(top, WM_CLOSE, 0, 0);
        } else {
            UserSends(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    } else if (kind == "input:init-dialog") {
        // A host poking a live dialog: the lParam is nothing of the library's.
        UserSends(top, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(GuardedSlot(16)));
    }
}

void ChaosWorld::RestoreFiles() {
    ::SetCurrentDirectoryA(m_startDirectory.c_str());
    if (!m_textTable.empty()) WriteFile(kTextTable, m_textTable);
    ::DeleteFileA("Default.sav");
}

bool ChaosWorld::CallByName(const std::string& name) {
    for (const HostCall& call : kHostCalls) {
        if (name == call.name) {
            Calling calling(*this, call.name);
            call.call(*this);
            return true;
        }
    }
    return false;
}

void ChaosWorld::HostEvent(const std::string& kind) {
    if (kind == "event:lobby-panel") {
        // A lobby keeps the player list and the base-data panel in a panel of
        // its window, and they report to the windows above it: made at the
        // top level they have nobody to report to.
        {
            Busy windows(*this, Doing::kHostWindows);
            MakeHosts();
            if (!::IsWindow(m_panel)) {
                m_panel = ::CreateWindowExA(0, kHostClass, "Chaos panel", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 10, 40,
                                            700, 520, m_hostA, nullptr, ::GetModuleHandleA(nullptr), nullptr);
            }
        }
        if (m_random.Chance(60)) {
            AsHost("CPartyDlg_DlgInerface_CreatePlayerLBDlg", [this] { CPartyDlg_DlgInerface_CreatePlayerLBDlg(m_panel); });
            AsHost("CPartyDlg_DlgInerface_ShowPlayerLBDlg", [] { CPartyDlg_DlgInerface_ShowPlayerLBDlg(); });
            if (m_random.Chance(50)) CallByName("CBaseDataControl_SetTrackPopMenu");
            const uint32_t players = 1 + m_random.Below(20);
            for (uint32_t i = 0; i < players; ++i) CallByName("CPartyDlg_DlgInerface_AddPlayer");
            AsHost("CPartyDlg_DlgInerface_ShowPlayerLB", [] { CPartyDlg_DlgInerface_ShowPlayerLB(); });
        } else {
            AsHost("CPBDDlg_Interface_CreatePBD_Dlg", [this] { CPBDDlg_Interface_CreatePBD_Dlg(m_panel); });
            CallByName("CPBDDlg_Interface_RefreshPBD_Dlg");
            AsHost("CPBDDlg_Interface_ShowPBD_Dlg", [] { CPBDDlg_Interface_ShowPBD_Dlg(); });
        }
        return;
    }
    // The host's own work on its windows: what it does to the library's
    // dialogs with them (a minimise hides the owned ones, a destroy takes
    // them along) is its doing, whatever it allowed from inside.
    Busy windows(*this, Doing::kHostWindows);
    if (kind == "event:destroy-host") {
        HWND gone = m_random.Chance(70) ? m_hostA : m_hostB;
        ::DestroyWindow(gone);
        m_deadWindows.push_back(gone);
        MakeHosts();
    } else if (kind == "event:hide-host") {
        ::ShowWindow(m_random.Chance(70) ? m_hostA : m_hostB, SW_HIDE);
    } else if (kind == "event:show-host") {
        ::ShowWindow(m_hostA, SW_SHOW);
        ::ShowWindow(m_hostB, SW_SHOW);
    } else if (kind == "event:minimise-host") {
        ::ShowWindow(m_hostA, SW_MINIMIZE);
    } else if (kind == "event:restore-host") {
        ::ShowWindow(m_hostA, SW_RESTORE);
    } else if (kind == "event:move-host") {
        ::SetWindowPos(m_hostA, nullptr, static_cast<int>(m_random.Below(400)) - 100, static_cast<int>(m_random.Below(300)) - 50,
                       0, 0, SWP_NOSIZE | SWP_NOZORDER);
    } else if (kind == "event:resize-host") {
        ::SetWindowPos(m_hostA, nullptr, 0, 0, static_cast<int>(m_random.Below(1200)), static_cast<int>(m_random.Below(900)),
                       SWP_NOMOVE | SWP_NOZORDER);
    } else if (kind == "event:reparent-host") {
        ::SetParent(m_hostB, ::GetParent(m_hostB) ? nullptr : m_hostA);
    } else if (kind == "event:garble-text-table") {
        std::string garbage(m_random.Below(3000), '\0');
        for (char& c : garbage) c = static_cast<char>(m_random.Chance(10) ? '\n' : m_random.Chance(10) ? ',' : m_random.Next());
        WriteFile(kTextTable, garbage);
    } else if (kind == "event:restore-files") {
        RestoreFiles();
    } else if (kind == "event:garble-default-sav") {
        std::string garbage(m_random.Below(200), '\0');
        for (char& c : garbage) c = static_cast<char>(m_random.Chance(30) ? '0' + m_random.Below(10) : m_random.Next());
        WriteFile("Default.sav", garbage);
    } else if (kind == "event:change-directory") {
        char directory[MAX_PATH] = {0};
        ::GetCurrentDirectoryA(MAX_PATH, directory);
        ::SetCurrentDirectoryA(m_startDirectory == directory ? "chaos-elsewhere" : m_startDirectory.c_str());
    }
}

// ---- The host's window procedure ----

bool ChaosWorld::Readable(const void* p, size_t size) const {
    const unsigned char* at = static_cast<const unsigned char*>(p);
    const unsigned char* end = at + size;
    while (at < end) {
        MEMORY_BASIC_INFORMATION info;
        if (!::VirtualQuery(at, &info, sizeof info)) return false;
        const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                               PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
        if (info.State != MEM_COMMIT || !(info.Protect & readable) || (info.Protect & PAGE_GUARD)) return false;
        at = static_cast<const unsigned char*>(info.BaseAddress) + info.RegionSize;
    }
    return true;
}

void ChaosWorld::CheckLibraryMessage(UINT msg, WPARAM w, LPARAM l) {
    char what[96];
    snprintf(what, sizeof what, "message %u code %lu", msg, static_cast<unsigned long>(w));
    const void* record = reinterpret_cast<const void*>(l);
    switch (msg) {
    case LOBBYUI_MSG_ROOM_BUTTON_PRESSED:
        if (std::find(m_buttons.begin(), m_buttons.end(), reinterpret_cast<LOBBYUI_HBUTTON>(l)) == m_buttons.end())
            Fail(std::string(what) + ": not from a button the host holds");
        break;
    case LOBBYUI_MSG_CREATE_TABLE:
        if (w == LOBBYUI_CREATE_TABLE_REQUEST) {
            if (!Readable(record, sizeof(tagKWP_CREATE_TABLE_REQ))) Fail(std::string(what) + ": request not readable");
        } else if (w == LOBBYUI_CREATE_TABLE_CLOSED) {
            static const unsigned char zero[4] = {0, 0, 0, 0};
            if (!Readable(record, 4) || memcmp(record, zero, 4) != 0) Fail(std::string(what) + ": block not four zeros");
        } else {
            Fail(std::string(what) + ": unknown code");
        }
        break;
    case LOBBYUI_MSG_JOIN_TABLE:
        if (w != LOBBYUI_JOIN_TABLE_JOIN && w != LOBBYUI_JOIN_TABLE_CLOSED) Fail(std::string(what) + ": unknown code");
        break;
    case LOBBYUI_MSG_PARTNER_SEARCH:
        if (w < 1 || w > 4) Fail(std::string(what) + ": unknown code");
        break;
    case LOBBYUI_MSG_PASSWORD:
        if (!Readable(record, 64) || !memchr(record, 0, 64)) Fail(std::string(what) + ": password not terminated");
        break;
    case LOBBYUI_MSG_PLAYER_LIST:
        if (w >= 1 && w <= 4) {
            if (!Readable(record, 40)) Fail(std::string(what) + ": nickname not readable");
        } else if (w == LOBBYUI_PLAYER_LIST_QUERY_RECORD) {
            if (!Readable(record, 24)) Fail(std::string(what) + ": query block not readable");
        } else if (w == LOBBYUI_PLAYER_LIST_INVITE) {
            if (!Readable(record, 12)) Fail(std::string(what) + ": invitation not readable");
        } else {
            Fail(std::string(what) + ": unknown code");
        }
        break;
    case LOBBYUI_MSG_BASE_DATA_BUTTON:
        if (w < 1 || w > 4) Fail(std::string(what) + ": unknown code");
        break;
    case LOBBYUI_MSG_SYSTEM_SETTINGS:
        if (w < 1 || w > 8) Fail(std::string(what) + ": unknown code");
        break;
    default:
        if (msg >= WM_USER + 10 && msg < WM_USER + 400) Fail(std::string(what) + ": a message the host does not know");
        break;
    }
}

LRESULT ChaosWorld::HostMessage(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    // Known as the host's from its first message: a visible window is
    // activated while it is being made, and a call-back from there must not
    // take it for the library's (a caption drag would start the system's
    // move loop, which waits for a real mouse).
    if (msg == WM_NCCREATE) m_ours.insert(hwnd);
    const bool library = msg >= WM_USER && msg < 0x8000;
    if (library) {
        ++m_messages;
        CheckLibraryMessage(msg, w, l);
    }
    // The system's news of the library's windows: activation and focus, and
    // a library child window made or destroyed under one of the host's (the
    // player list and the base-data panel tell their parent before they
    // initialise). The host's own child windows are no news.
    const bool childNews = msg == WM_PARENTNOTIFY && (LOWORD(w) == WM_CREATE || LOWORD(w) == WM_DESTROY) &&
                           !IsOurs(reinterpret_cast<HWND>(l));
    const bool windowsNews = msg == WM_ACTIVATE || msg == WM_NCACTIVATE || msg == WM_SETFOCUS ||
                             msg == WM_KILLFOCUS || msg == WM_ACTIVATEAPP || childNews;
    if (getenv("CHAOS_TRACE") && (library || windowsNews)) fprintf(stderr, "chaos:   host receives %u %lu\n", msg, static_cast<unsigned long>(w));
    // The odds of calling back from a child's news come from a generator of
    // their own, so that steps kept from before the host heard that news
    // still draw what they drew.
    ChaosRandom& odds = childNews ? m_childNewsRandom : m_random;
    // A host tearing down before unload calls nothing back, there or in the
    // messages it handles after: a dialog it made again would outlive the
    // teardown by its own doing. The odds are
    // drawn all the same, so that the steps after stay what they were.
    if ((library || windowsNews) && m_depth < 3 && odds.Chance(library ? 35 : 10) && !m_unloading) {
        ++m_depth;
        CallBack(m_depth);
        --m_depth;
    }
    if (library) {
        if (msg == LOBBYUI_MSG_PLAYER_LIST && w == LOBBYUI_PLAYER_LIST_IS_FRIEND) return m_random.Chance(30) ? 1 : 0;
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        if (getenv("CHAOS_TRACE")) fprintf(stderr, "chaos:   host window %p destroyed\n", static_cast<void*>(hwnd));
        m_ours.erase(hwnd);
    }
    return ::DefWindowProcA(hwnd, msg, w, l);
}

void ChaosWorld::NestedPump(int count) {
    // As a MessageBox's loop: whatever is queued is dispatched (ticks come
    // from the steps).
    MSG m;
    for (int i = 0; i < count && PeekSteadyMessage(&m); ++i) {
        if (m.message == WM_QUIT) break;
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
}

void ChaosWorld::CallBack(int) {
    const uint32_t what = m_random.Below(10);
    if (what < 6) {
        const HostCall& call = kHostCalls[m_random.Below(sizeof kHostCalls / sizeof kHostCalls[0])];
        if (getenv("CHAOS_TRACE")) fprintf(stderr, "chaos:   calls back %s\n", call.name);
        Calling calling(*this, call.name);
        call.call(*this);
    } else if (what < 8) {
        // Uniform here, unlike the steps' draw: kept replays depend on it.
        UserInput(kInputs[m_random.Below(sizeof kInputs / sizeof kInputs[0])]);
    } else {
        NestedPump(1 + static_cast<int>(m_random.Below(30)));
    }
}

// ---- Invariants ----

void ChaosWorld::Check(const char* function, long long value) {
    // Flags the library raises and drops hold 0 or 1, or what the host last
    // wrote into them itself.
    static const struct { const char* getter; const char* setter; } kFlags[] = {
        {"CPartyDlg_DlgInerface_GetIfPartyBtnLock", "CPartyDlg_DlgInerface_SetIfPartyBtnLock"},
        {"CPartyDlg_DlgInerface_GetIsCreateLock", "CPartyDlg_DlgInerface_SetIsCreatelock"},
        {"CPartyDlg_DlgInerface_GetIfLockCTDlg", "CPartyDlg_DlgInerface_SetIfLockCTDlg"},
        {"CPartyDlg_DlgInerface_GetIfLockCTDlgNew", "CPartyDlg_DlgInerface_SetIfLockCTDlgNew"},
    };
    for (const auto& flag : kFlags) {
        if (strcmp(function, flag.getter) != 0) continue;
        if (value == 0 || value == 1) return;
        auto set = m_hostSet.find(flag.setter);
        if (set != m_hostSet.end() && (value == set->second || value == (set->second & 0xFF))) return;
        Fail(std::string(function) + " answered " + std::to_string(value) + ", a value nobody set");
        return;
    }
    static const char* const kBooleans[] = {"CPartyDlg_DlgInerface_IsWindowVisibleCT", "CPSDlg_Interface_IfPS_DlgVisible"};
    for (const char* boolean : kBooleans) {
        if (strcmp(function, boolean) == 0 && value != 0 && value != 1)
            Fail(std::string(function) + " answered " + std::to_string(value) + " for a yes or no");
    }
}

void ChaosWorld::CheckInvariants() {
    Answered("CPartyDlg_DlgInerface_GetIfPartyBtnLock", CPartyDlg_DlgInerface_GetIfPartyBtnLock());
    Answered("CPartyDlg_DlgInerface_GetIsCreateLock", CPartyDlg_DlgInerface_GetIsCreateLock());
    Answered("CPartyDlg_DlgInerface_GetIfLockCTDlg", CPartyDlg_DlgInerface_GetIfLockCTDlg());
    Answered("CPartyDlg_DlgInerface_GetIfLockCTDlgNew", CPartyDlg_DlgInerface_GetIfLockCTDlgNew());
    Answered("CPartyDlg_DlgInerface_IsWindowVisibleCT", CPartyDlg_DlgInerface_IsWindowVisibleCT());
    Answered("CPSDlg_Interface_IfPS_DlgVisible", CPSDlg_Interface_IfPS_DlgVisible());
    // Through the exports alone a host cannot tell which window is which
    // dialog; what it can see is that a dialog reported visible has some
    // library window on screen.
    if (CPSDlg_Interface_IfPS_DlgVisible() || CPartyDlg_DlgInerface_IsWindowVisibleCT()) {
        bool any = false;
        for (HWND hwnd : LibraryWindows()) any = any || ::IsWindowVisible(hwnd);
        if (!any) Fail("a dialog reports itself visible while no library window is");
    }
    CheckStanding();
    CheckPartyLock();
    CheckFocus();
    CheckGivenBack();
}

void ChaosWorld::DestroyEverything() {
    m_unloading = true;
    AsHost("CPartyDlg_DlgInerface_DestroyPlayerLBDlg", [] { CPartyDlg_DlgInerface_DestroyPlayerLBDlg(); });
    AsHost("CPartyDlg_DlgInerface_DestroyJTDlg", [] { CPartyDlg_DlgInerface_DestroyJTDlg(); });
    AsHost("CPartyDlg_DlgInerface_DestroyPWDlg", [] { CPartyDlg_DlgInerface_DestroyPWDlg(); });
    AsHost("CPartyDlg_DlgInerface_DestroyCTDlg", [] { CPartyDlg_DlgInerface_DestroyCTDlg(); });
    AsHost("CPartyDlg_DlgInerface_DestroyCTDlgNew", [] { CPartyDlg_DlgInerface_DestroyCTDlgNew(); });
    AsHost("CPSDlg_Interface_DestroyPS_Dlg", [] { CPSDlg_Interface_DestroyPS_Dlg(); });
    AsHost("CPBDDlg_Interface_DestroyPDB_Dlg", [] { CPBDDlg_Interface_DestroyPDB_Dlg(); });
    AsHost("CSysSetDlg_Interface_DestroyDlg", [] { CSysSetDlg_Interface_DestroyDlg(); });
    while (!m_webDialogs.empty()) {
        LOBBYUI_HWEBDLG dialog = m_webDialogs.back();
        CWebDlgInterface_DestroyWebDlg(dialog);
        GaveBack(dialog);
    }
    while (!m_buttons.empty()) {
        LOBBYUI_HBUTTON button = m_buttons.back();
        CR_E_BtnInterface_DeleteRE_Btn(button);
        GaveBack(button);
    }
}

std::string ChaosWorld::LeftWindows() const {
    std::string left;
    for (HWND hwnd : LibraryWindows()) {
        char cls[64] = {0};
        ::GetClassNameA(hwnd, cls, sizeof cls);
        if (lstrcmpiA(cls, "IME") == 0 || lstrcmpiA(cls, "MSCTFIME UI") == 0) continue;
        left += left.empty() ? "" : ", ";
        left += cls;
    }
    return left;
}

void ChaosWorld::WarmUp() {
    HWND host = m_hostA;
    AsHost("CPartyDlg_DlgInerface_CreatePlayerLBDlg", [host] { CPartyDlg_DlgInerface_CreatePlayerLBDlg(host); });
    AsHost("CPartyDlg_DlgInerface_ShowPlayerLBDlg", [] { CPartyDlg_DlgInerface_ShowPlayerLBDlg(); });
    AsHost("CPartyDlg_DlgInerface_CreateJTDlg", [host] { CPartyDlg_DlgInerface_CreateJTDlg(host); });
    AsHost("CPartyDlg_DlgInerface_CreatePWDlg", [host] { CPartyDlg_DlgInerface_CreatePWDlg(host); });
    AsHost("CPartyDlg_DlgInerface_CreateCTDlg", [host] { CPartyDlg_DlgInerface_CreateCTDlg(host); });
    AsHost("CPartyDlg_DlgInerface_CteateCTDlgNew", [host] { CPartyDlg_DlgInerface_CteateCTDlgNew(host); });
    AsHost("CPSDlg_Interface_CreatePS_Dlg", [host] { CPSDlg_Interface_CreatePS_Dlg(host); });
    AsHost("CPBDDlg_Interface_CreatePBD_Dlg", [host] { CPBDDlg_Interface_CreatePBD_Dlg(host); });
    AsHost("CSysSetDlg_Interface_CreateDlg", [host] { CSysSetDlg_Interface_CreateDlg(host); });
    RECT place = {10, 10, 300, 200};
    Handed(CWebDlgInterface_CreateNewWebDlg("about:blank", &place, m_hostA));
    Handed(CR_E_BtnInterface_CreateNewRE_Btn(m_imageLists[0], m_hostA));
    DestroyEverything();
    // Only the warm-up goes on after a teardown.
    m_unloading = false;
}
