// The chaos host's world: what a careless, hostile host owns while it drives
// LobbyUi through its exports only. It hands the library arguments drawn by
// type (valid records, random bytes, records that end where a no-access page
// begins, null, windows and handles that are already gone), plays the user
// on the library's windows, and checks every message the library sends it.
#ifndef LOBBYUI_TESTS_CHAOS_WORLD_H
#define LOBBYUI_TESTS_CHAOS_WORLD_H

#include <windows.h>
#include <commctrl.h>

#include <stdint.h>
#include <string.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include <lobbyui/lobbyui_c.h>

// splitmix64: small, fast, and the same sequence on every compiler.
class ChaosRandom {
public:
    explicit ChaosRandom(uint64_t seed = 1) : m_state(seed) {}
    uint64_t Next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t Below(uint32_t bound) { return bound ? static_cast<uint32_t>(Next() % bound) : 0; }
    bool Chance(uint32_t percent) { return Below(100) < percent; }

private:
    uint64_t m_state;
};

// Takes one queued message, leaving out what real time makes (a window's
// timer ticks, hover notices): ticks come from steps, so that a replay
// meets the same messages as the round it replays.
inline bool PeekSteadyMessage(MSG* m) {
    while (::PeekMessageA(m, nullptr, 0, 0, PM_REMOVE)) {
        if ((m->message == WM_TIMER && m->hwnd) || m->message == WM_MOUSEHOVER) continue;
        return true;
    }
    return false;
}

// The dialogs a host makes once each. Through the exports a host cannot ask
// for their windows, so the chaos host notes the dialog window each Create
// call made.
enum ChaosDialog {
    kPlayerListDialog, kJoinTableDialog, kPasswordDialog, kClassicCreateDialog, kNewCreateDialog,
    kScoreDialog, kBaseDataDialog, kSettingsDialog, kDialogCount
};

// Handles the host gave back, with the number of give-backs of their kind
// when each went.
template <class Handle>
struct GivenBack {
    Handle handle;
    unsigned long long serial;
};

// One step as the journal and the replay file write it: an action's name and
// the seed its arguments are drawn from.
struct ChaosStep {
    std::string action;
    uint64_t seed;
};

class ChaosWorld {
public:
    ChaosWorld();
    ~ChaosWorld();
    ChaosWorld(const ChaosWorld&) = delete;
    ChaosWorld& operator=(const ChaosWorld&) = delete;

    // The names of every action a step can take.
    static std::vector<std::string> ActionNames();
    // Runs one step; false when an invariant broke (Failure() says which).
    bool Run(const ChaosStep& step);
    // Draws the next step from the generator.
    ChaosStep Draw(ChaosRandom& random) const;
    // Makes, shows and destroys every dialog once, so that what the library
    // makes once per process exists before the objects are counted.
    void WarmUp();
    // Destroys every dialog the host can reach, as a host does before unload;
    // from then on the host calls nothing back.
    void DestroyEverything();
    // The classes of the library's windows still there, the system's own
    // per-thread windows aside: empty once every dialog was destroyed.
    std::string LeftWindows() const;
    const std::string& Failure() const { return m_failure; }
    void Fail(const std::string& what);
    unsigned long long Messages() const { return m_messages; }

    // Argument draws, one per parameter type of the C interface.
    template <class T> T Number();
    HWND Window();
    HIMAGELIST ImageList();
    HBITMAP Bitmap();
    HMENU Menu();
    LOBBYUI_HBUTTON Button();
    LOBBYUI_HWEBDLG WebDialog();
    const char* Text();
    const RECT* Rect();
    POINT Point();
    HICON* CursorSlot();
    DIRSOUND* Sound();
    void* PopMenuRecord();
    template <class T> T* Record();
    template <class T> T** RecordSlot();

    // What calls hand back and take back.
    void Handed(LOBBYUI_HBUTTON button);
    void Handed(LOBBYUI_HWEBDLG dialog);
    void GaveBack(LOBBYUI_HBUTTON button);
    void GaveBack(LOBBYUI_HWEBDLG dialog);
    void HostSet(const char* function, long long value);
    template <class T> void Answered(const char* function, T value) { Check(function, ToNumber(value)); }

    // The host window's procedure: checks and may call back.
    LRESULT HostMessage(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
    // What the thread's hooks see: every message sent to a window, and every
    // message a loop takes from the queue.
    void Sent(const CWPSTRUCT& message);
    void Dequeued();

    // One host call from start to end, as the invariants follow it.
    class Calling;

private:
    // What a host call does to one of the dialogs.
    enum class Verb { kNone, kCreate, kShow, kHide, kDestroy, kOther };
    struct CallKind {
        int dialog;  // kDialogCount for none
        Verb verb;
    };
    static CallKind KindOf(const char* name);
    // What the thread is doing, innermost last: a host call, the user's
    // message, or the host's own operation on its windows.
    struct Doing {
        enum What { kHostCall, kUser, kHostWindows } what;
        CallKind call;
        bool madeWindow;
        unsigned long long at;  // when it started
    };
    class Busy;
    // A call the host makes other than through the table of host calls.
    template <class Call> void AsHost(const char* name, Call&& call);
    int DialogOf(HWND hwnd) const;
    bool InsideLibraryWindow(HWND hwnd) const;
    LRESULT UserSends(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
    bool Shown(HWND hwnd) const;
    void CheckStanding();
    void CheckPartyLock();
    void CheckFocus();
    void CheckGivenBack();

    template <class T> static long long ToNumber(T value) { return static_cast<long long>(value); }
    template <class T> static long long ToNumber(T* value) { return static_cast<long long>(reinterpret_cast<uintptr_t>(value)); }
    static long long ToNumber(HWND__* value) { return static_cast<long long>(reinterpret_cast<uintptr_t>(value)); }
    void Check(const char* function, long long value);
    void CheckInvariants();

    void UserInput(const std::string& kind);
    void HostEvent(const std::string& kind);
    void NestedPump(int count);
    void CallBack(int depth);
    void MakeHosts();
    // Runs the host call of that name with drawn arguments; false when there
    // is none.
    bool CallByName(const std::string& name);
    std::vector<HWND> LibraryWindows() const;
    bool IsOurs(HWND hwnd) const;
    unsigned char* GuardedSlot(size_t size);
    void FillBytes(unsigned char* bytes, size_t size, uint32_t mode);
    bool Readable(const void* p, size_t size) const;
    void CheckLibraryMessage(UINT msg, WPARAM w, LPARAM l);
    void RestoreFiles();

    ChaosRandom m_random;
    ChaosRandom m_childNewsRandom;
    std::string m_failure;
    int m_depth = 0;
    bool m_unloading = false;  // DestroyEverything has begun: nothing is called back
    unsigned long long m_messages = 0;

    HWND m_hostA = nullptr;
    HWND m_hostB = nullptr;
    HWND m_panel = nullptr;  // a child of m_hostA, made by the first lobby-panel event
    HWND m_popup = nullptr;
    std::vector<HWND> m_deadWindows;
    std::set<HWND> m_ours;
    std::vector<HIMAGELIST> m_imageLists;
    std::vector<HBITMAP> m_bitmaps;
    HBITMAP m_deletedBitmap = nullptr;
    HMENU m_menu = nullptr;
    HMENU m_destroyedMenu = nullptr;
    std::vector<LOBBYUI_HBUTTON> m_buttons;
    std::vector<GivenBack<LOBBYUI_HBUTTON>> m_gaveBackButtons;
    unsigned long long m_buttonGiveBacks = 0;
    std::vector<LOBBYUI_HWEBDLG> m_webDialogs;
    std::vector<GivenBack<LOBBYUI_HWEBDLG>> m_gaveBackWebDialogs;
    unsigned long long m_webDialogGiveBacks = 0;
    std::map<std::string, long long> m_hostSet;

    // The order of things within a step: every host call, user message and
    // message taken from the queue starts at a new tick of m_clock.
    std::vector<Doing> m_doing;
    unsigned long long m_clock = 0;
    unsigned long long m_userAt = 0;  // the last user message or message taken from the queue
    HWND m_dialogWindow[kDialogCount] = {};
    // The last show, hide or destroy the host made from inside a call-back,
    // per dialog, while nothing after it has touched that dialog.
    struct Standing {
        Verb asked = Verb::kNone;
        HWND window = nullptr;
        unsigned long long at = 0;
    } m_standing[kDialogCount];
    // When each dialog's window last came on screen, and when the party-button
    // lock last had a reason to drop: a host write, a host hide or destroy of
    // a dialog that holds it, such a dialog leaving the screen.
    unsigned long long m_shownAt[kDialogCount] = {};
    unsigned long long m_lockDroppableAt = 0;

    // Guarded slots: each record ends where a no-access page begins. They are
    // never freed, since the library may keep a host record it was handed.
    unsigned char* m_arena = nullptr;
    unsigned m_nextSlot = 0;
    HICON m_cursor = nullptr;
    unsigned char m_sound[4096];
    std::string m_textTable;
    std::string m_startDirectory;
};

// One host call from its start to its end, as the invariants follow it.
class ChaosWorld::Calling {
public:
    Calling(ChaosWorld& world, const char* name);
    ~Calling();
    Calling(const Calling&) = delete;
    Calling& operator=(const Calling&) = delete;

private:
    ChaosWorld& m_world;
    const char* m_name;
    CallKind m_kind;
    unsigned long long m_at;
};

// The user's message, or the host's own work on its windows, while it runs.
class ChaosWorld::Busy {
public:
    Busy(ChaosWorld& world, Doing::What what) : m_world(world) {
        const unsigned long long at = ++m_world.m_clock;
        if (what == Doing::kUser) m_world.m_userAt = at;
        m_world.m_doing.push_back(Doing{what, CallKind{kDialogCount, Verb::kNone}, false, at});
    }
    ~Busy() { m_world.m_doing.pop_back(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    ChaosWorld& m_world;
};

template <class Call> void ChaosWorld::AsHost(const char* name, Call&& call) {
    Calling calling(*this, name);
    call();
}

template <class T> T ChaosWorld::Number() {
    switch (m_random.Below(10)) {
    case 0: case 1: case 2: case 3: return static_cast<T>(m_random.Below(6));
    case 4: case 5: return static_cast<T>(m_random.Below(256));
    case 6: case 7: return static_cast<T>(m_random.Below(1001));
    case 8: return static_cast<T>(m_random.Chance(50) ? -1 : 0x7FFFFFFF);
    default: return static_cast<T>(m_random.Next());
    }
}

template <class T> T* ChaosWorld::Record() {
    if (m_random.Chance(8)) return nullptr;
    unsigned char* slot = GuardedSlot(sizeof(T));
    FillBytes(slot, sizeof(T), m_random.Below(3));
    return reinterpret_cast<T*>(slot);
}

// The game-server record has no size of its own: its name runs to its NUL,
// so a host's record always holds one.
template <> inline tagGameServerInfo* ChaosWorld::Record<tagGameServerInfo>() {
    if (m_random.Chance(8)) return nullptr;
    const char* name = Text();
    if (!name) name = "";
    const size_t length = strlen(name);
    unsigned char* slot = GuardedSlot(2 + length + 1);
    slot[0] = static_cast<unsigned char>(m_random.Next());
    slot[1] = static_cast<unsigned char>(m_random.Next());
    memcpy(slot + 2, name, length + 1);
    return reinterpret_cast<tagGameServerInfo*>(slot);
}

template <class T> T** ChaosWorld::RecordSlot() {
    if (m_random.Chance(10)) return nullptr;
    unsigned char* slot = GuardedSlot(sizeof(T*));
    FillBytes(slot, sizeof(T*), 1);
    return reinterpret_cast<T**>(slot);
}

#endif
