// chaos_host.exe: a careless, hostile host and a hyperactive user at once.
//
//   chaos_host.exe [--seed N] [--seconds S] [--steps N] [--heap-every N]
//   chaos_host.exe --replay FILE      runs the steps of FILE again (--warm-up: after a round's warm-up)
//   chaos_host.exe --shrink FILE      cuts FILE down to the fewest steps that still fail
//
// Every step is written to a journal before it runs, so a crash of any kind
// leaves the steps that led to it; a failure keeps the journal as the replay
// file and prints its name. Exit status: 0 when every invariant held.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "chaos_world.h"
#include "heap_check.h"

namespace {

std::vector<ChaosStep> ReadSteps(const char* path) {
    std::vector<ChaosStep> steps;
    FILE* f = fopen(path, "r");
    if (!f) return steps;
    char line[512];
    while (fgets(line, sizeof line, f)) {
        char action[400];
        unsigned long long seed = 0;
        if (line[0] == '#') continue;
        if (sscanf(line, "%399s %llx", action, &seed) == 2) steps.push_back(ChaosStep{action, seed});
    }
    fclose(f);
    return steps;
}

void WriteSteps(const char* path, const std::vector<ChaosStep>& steps, const char* note) {
    FILE* f = fopen(path, "w");
    if (!f) return;
    fprintf(f, "# %s\n", note);
    for (const ChaosStep& step : steps) fprintf(f, "%s %llx\n", step.action.c_str(), (unsigned long long)step.seed);
    fclose(f);
}

// The journal: one line per step, written before the step runs.
class Journal {
public:
    explicit Journal(const std::string& path) : m_path(path) {
        m_file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~Journal() {
        if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
    }
    void Write(const std::string& line) {
        DWORD written = 0;
        if (m_file != INVALID_HANDLE_VALUE) ::WriteFile(m_file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    void Discard() {
        if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
        ::DeleteFileA(m_path.c_str());
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
    HANDLE m_file = INVALID_HANDLE_VALUE;
};

Journal* g_journal = nullptr;
unsigned long long g_step = 0;
unsigned long long g_seed = 0;
volatile DWORD g_stepStarted = 0;

// Where the failing steps come from, ending a failure line. No allocation:
// it runs when the heap may be what broke.
void PrintOrigin() {
    if (g_journal) {
        fprintf(stdout, "seed %llu; replay: %s\n", g_seed, g_journal->path().c_str());
    } else {
        fprintf(stdout, "the replayed file\n");
    }
}

void PrintLibraryStack(const CONTEXT* context);
HANDLE g_mainThread = nullptr;
DWORD g_mainThreadId = 0;

// Which windows the stuck thread has, and whom each belongs to: a send to a
// window of another thread waits for that thread.
BOOL CALLBACK PrintWindowOwner(HWND hwnd, LPARAM) {
    char cls[64] = {0};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    HWND parent = ::GetParent(hwnd);
    DWORD process = 0;
    const DWORD thread = parent ? ::GetWindowThreadProcessId(parent, &process) : 0;
    fprintf(stdout, "chaos:   window %p %s%s, parent %p of thread %lx process %lx\n", static_cast<void*>(hwnd), cls,
            ::IsWindowVisible(hwnd) ? " (visible)" : "", static_cast<void*>(parent), static_cast<unsigned long>(thread),
            static_cast<unsigned long>(process));
    return TRUE;
}

// A step that does not end is a failure too: the watchdog reports it, with
// where the host's thread is stuck.
DWORD WINAPI Watchdog(void*) {
    for (;;) {
        ::Sleep(1000);
        const DWORD started = g_stepStarted;
        if (started && static_cast<LONG>(::GetTickCount() - started) > 60000) {
            fprintf(stdout, "chaos: FAILED: step %llu did not end in 60 s; ", g_step);
            PrintOrigin();
            CONTEXT context = {};
            context.ContextFlags = CONTEXT_CONTROL | CONTEXT_INTEGER;
            if (g_mainThread && ::SuspendThread(g_mainThread) != static_cast<DWORD>(-1) &&
                ::GetThreadContext(g_mainThread, &context)) {
                PrintLibraryStack(&context);
            }
            fprintf(stdout, "chaos: the host's thread is %lx of process %lx\n", static_cast<unsigned long>(g_mainThreadId),
                    static_cast<unsigned long>(::GetCurrentProcessId()));
            ::EnumThreadWindows(g_mainThreadId, &PrintWindowOwner, 0);
            fflush(stdout);
            ::ExitProcess(5);
        }
    }
}

// What of the library and of this host is on a stopped thread's stack: every
// word that points into LobbyUi.dll's or chaos_host.exe's image, for
// i686-w64-mingw32-addr2line against the unstripped files. A scan, not an
// unwind, so some entries are stale.
void PrintModuleWords(const CONTEXT* context, HMODULE module, const char* name) {
    const unsigned char* base = reinterpret_cast<const unsigned char*>(module);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const uintptr_t low = reinterpret_cast<uintptr_t>(base);
    const uintptr_t high = low + nt->OptionalHeader.SizeOfImage;
    fprintf(stdout, "chaos: %s at %08lx; its words on the stack:", name, static_cast<unsigned long>(low));
    const uintptr_t* at = reinterpret_cast<const uintptr_t*>(context->Esp);
    MEMORY_BASIC_INFORMATION region;
    if (!::VirtualQuery(at, &region, sizeof region)) return;
    const uintptr_t* end = reinterpret_cast<const uintptr_t*>(static_cast<const unsigned char*>(region.BaseAddress) + region.RegionSize);
    int printed = 0;
    for (; at < end && printed < 24; ++at) {
        if (*at >= low && *at < high) {
            fprintf(stdout, " %08lx", static_cast<unsigned long>(*at));
            ++printed;
        }
    }
    fprintf(stdout, "\n");
}

void PrintLibraryStack(const CONTEXT* context) {
    if (!context) return;
    HMODULE atEip = nullptr;
    char module[MAX_PATH] = "?";
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<const char*>(context->Eip), &atEip)) {
        ::GetModuleFileNameA(atEip, module, MAX_PATH);
    }
    fprintf(stdout, "chaos: eip %08lx in %s\n", static_cast<unsigned long>(context->Eip), module);
    if (HMODULE library = ::GetModuleHandleA("LobbyUi.dll")) PrintModuleWords(context, library, "LobbyUi.dll");
    PrintModuleWords(context, ::GetModuleHandleA(nullptr), "chaos_host.exe");
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
    fprintf(stdout, "chaos: FAILED: exception 0x%08lx at step %llu; ",
            info ? static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode) : 0ul, g_step);
    PrintOrigin();
    if (info) PrintLibraryStack(info->ContextRecord);
    fflush(stdout);
    ::ExitProcess(3);
    return EXCEPTION_EXECUTE_HANDLER;
}

struct GuiCounts {
    DWORD gdi;
    DWORD user;
};

GuiCounts Counts() {
    HANDLE process = ::GetCurrentProcess();
    return GuiCounts{::GetGuiResources(process, GR_GDIOBJECTS), ::GetGuiResources(process, GR_USEROBJECTS)};
}

void Pump() {
    MSG m;
    while (PeekSteadyMessage(&m)) {
        ::TranslateMessage(&m);
        ::DispatchMessageA(&m);
    }
}

// Runs steps; 0 when every invariant held.
// A replay with --warm-up starts as a round does, from a library whose every
// dialog was made and destroyed once: some faults need what that leaves.
bool g_warmUp = false;

int RunSteps(ChaosWorld& world, const std::vector<ChaosStep>& steps, unsigned heapEvery, bool quiet) {
    for (size_t i = 0; i < steps.size(); ++i) {
        if (steps.size() > 1) g_step = i;
        const DWORD now = ::GetTickCount();
        g_stepStarted = now ? now : 1;
        if (!world.Run(steps[i]) ||
            (heapEvery && i % heapEvery == heapEvery - 1 && !ProcessHeapsValid() && (world.Fail("a damaged heap"), true))) {
            if (!quiet) printf("chaos: FAILED at step %zu (%s): %s\n", i, steps[i].action.c_str(), world.Failure().c_str());
            return 1;
        }
        Pump();
    }
    return 0;
}

bool StillFails(const std::string& self, const std::vector<ChaosStep>& steps) {
    const char* candidate = "chaos-shrink-candidate.txt";
    WriteSteps(candidate, steps, "shrink candidate");
    std::string command = "\"" + self + "\" --replay " + candidate + " --quiet" + (g_warmUp ? " --warm-up" : "");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    DWORD code = 0;
    if (::WaitForSingleObject(process.hProcess, 120000) == WAIT_TIMEOUT) {
        ::TerminateProcess(process.hProcess, 4);
        code = 4;
    } else {
        ::GetExitCodeProcess(process.hProcess, &code);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code != 0;
}

// Delta debugging over the steps: drop ever smaller chunks while the run
// still fails.
int Shrink(const char* path) {
    char self[MAX_PATH] = {0};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<ChaosStep> steps = ReadSteps(path);
    if (steps.empty() || !StillFails(self, steps)) {
        printf("chaos: %s does not fail; nothing to shrink\n", path);
        return 2;
    }
    size_t chunk = steps.size() / 2;
    while (chunk >= 1) {
        bool cut = false;
        for (size_t at = 0; at < steps.size();) {
            std::vector<ChaosStep> fewer(steps.begin(), steps.begin() + at);
            fewer.insert(fewer.end(), steps.begin() + std::min(steps.size(), at + chunk), steps.end());
            if (!fewer.empty() && StillFails(self, fewer)) {
                steps.swap(fewer);
                cut = true;
            } else {
                at += chunk;
            }
        }
        if (!cut) chunk /= 2;
    }
    std::string out = std::string(path) + ".shrunk";
    WriteSteps(out.c_str(), steps, "shrunk: these steps still fail");
    printf("chaos: shrunk to %zu steps: %s\n", steps.size(), out.c_str());
    ::DeleteFileA("chaos-shrink-candidate.txt");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    unsigned long long seed = ::GetTickCount();
    double seconds = 0;
    unsigned long long maxSteps = 0;
    unsigned heapEvery = 8;
    const char* replay = nullptr;
    const char* shrink = nullptr;
    bool quiet = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--seed" && value) { seed = strtoull(value, nullptr, 0); ++i; }
        else if (arg == "--seconds" && value) { seconds = atof(value); ++i; }
        else if (arg == "--steps" && value) { maxSteps = strtoull(value, nullptr, 0); ++i; }
        else if (arg == "--heap-every" && value) { heapEvery = static_cast<unsigned>(atoi(value)); ++i; }
        else if (arg == "--replay" && value) { replay = value; ++i; }
        else if (arg == "--warm-up") { g_warmUp = true; }
        else if (arg == "--shrink" && value) { shrink = value; ++i; }
        else if (arg == "--quiet") { quiet = true; }
        else { printf("usage: chaos_host [--seed N] [--seconds S] [--steps N] [--heap-every N] [--warm-up] [--replay FILE] [--shrink FILE]\n"); return 2; }
    }
    if (shrink) return Shrink(shrink);
    if (!seconds && !maxSteps && !replay) seconds = 10;
    setvbuf(stdout, nullptr, _IONBF, 0);
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    // CHAOS_DEBUGGER=1 leaves a crash to the system's debugger, for a backtrace.
    if (!getenv("CHAOS_DEBUGGER")) ::SetUnhandledExceptionFilter(&OnCrash);
    g_seed = seed;
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(), &g_mainThread, 0, FALSE,
                      DUPLICATE_SAME_ACCESS);
    g_mainThreadId = ::GetCurrentThreadId();
    ::CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr);

    ChaosWorld world;
    if (replay) {
        std::vector<ChaosStep> steps = ReadSteps(replay);
        if (!quiet) printf("chaos: replaying %zu steps of %s\n", steps.size(), replay);
        if (g_warmUp) {
            world.WarmUp();
            Pump();
        }
        int status = RunSteps(world, steps, heapEvery ? 1 : 0, quiet);
        if (status == 0 && !ProcessHeapsValid()) status = 1;
        // A round ends by destroying everything, and so does its replay:
        // a window that outlives it fails the replay as it failed the round.
        world.DestroyEverything();
        Pump();
        const std::string left = world.LeftWindows();
        if (status == 0 && !left.empty()) {
            if (!quiet) printf("chaos: library windows outlived every Destroy call: %s\n", left.c_str());
            status = 1;
        }
        if (!quiet) printf("chaos: replay %s\n", status ? "FAILED" : "passed");
        return status;
    }

    printf("chaos: seed %llu\n", seed);
    // Warm-up: every dialog made and destroyed once, so that what the
    // library makes once per process is counted before the round.
    world.WarmUp();
    Pump();
    const GuiCounts before = Counts();

    Journal journal("chaos-journal-" + std::to_string(seed) + ".txt");
    g_journal = &journal;
    journal.Write("# seed " + std::to_string(seed) + "\n");
    ChaosRandom random(seed);
    const DWORD start = ::GetTickCount();
    unsigned long long steps = 0;
    int status = 0;
    while ((!maxSteps || steps < maxSteps) && (!seconds || (::GetTickCount() - start) < seconds * 1000)) {
        ChaosStep step = world.Draw(random);
        char line[512];
        snprintf(line, sizeof line, "%s %llx\n", step.action.c_str(), (unsigned long long)step.seed);
        journal.Write(line);
        g_step = steps;
        if (RunSteps(world, {step}, 0, true) != 0 ||
            (heapEvery && steps % heapEvery == 0 && !ProcessHeapsValid() && (world.Fail("a damaged heap"), true))) {
            printf("chaos: FAILED at step %llu (%s) seed %llu: %s\n", steps, step.action.c_str(), seed,
                   world.Failure().c_str());
            status = 1;
            break;
        }
        ++steps;
    }
    if (status == 0) {
        world.DestroyEverything();
        Pump();
        const GuiCounts after = Counts();
        const std::string left = world.LeftWindows();
        if (!left.empty()) {
            printf("chaos: FAILED: library windows outlived every Destroy call: %s (seed %llu)\n", left.c_str(), seed);
            status = 1;
        } else if (!ProcessHeapsValid()) {
            printf("chaos: FAILED: a damaged heap after the round (seed %llu)\n", seed);
            status = 1;
        } else if (after.gdi > before.gdi || after.user > before.user) {
            printf("chaos: FAILED: GDI %lu -> %lu, USER %lu -> %lu objects after every dialog was destroyed (seed %llu)\n",
                   before.gdi, after.gdi, before.user, after.user, seed);
            status = 1;
        }
    }
    const double elapsed = (::GetTickCount() - start) / 1000.0;
    printf("chaos: %llu steps in %.1f s (%.0f a second), %llu messages, seed %llu, %s\n", steps, elapsed,
           elapsed > 0 ? steps / elapsed : 0.0, world.Messages(), seed, status ? "FAILED" : "0 failures");
    if (status) {
        printf("chaos: replay: %s (chaos_host --replay, --shrink)\n", journal.path().c_str());
    } else {
        journal.Discard();
    }
    return status;
}
