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
    // Destroys every dialog the host can reach, as a host does before unload.
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

private:
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
    std::string m_failure;
    int m_depth = 0;
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
    std::vector<LOBBYUI_HBUTTON> m_gaveBackButtons;
    std::vector<LOBBYUI_HWEBDLG> m_webDialogs;
    std::vector<LOBBYUI_HWEBDLG> m_gaveBackWebDialogs;
    std::map<std::string, long long> m_hostSet;

    // Guarded slots: each record ends where a no-access page begins. They are
    // never freed, since the library may keep a host record it was handed.
    unsigned char* m_arena = nullptr;
    unsigned m_nextSlot = 0;
    HICON m_cursor = nullptr;
    unsigned char m_sound[4096];
    std::string m_textTable;
    std::string m_startDirectory;
};

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
