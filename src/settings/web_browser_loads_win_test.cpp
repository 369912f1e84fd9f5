// Which libraries the DLL itself asks the loader for, seen from its own import
// table as a host's process would see them: a bare name is looked up in the
// host's folder, its current folder and PATH first, so a planted atl.dll
// there would be run inside the host. The control hosting must come from the
// system folder, and the browser must use that same module afterwards.
#include <gtest/gtest.h>

#include <windows.h>
#include <wchar.h>

#include <string>
#include <vector>

#include <lobbyui/lobbyui_c.h>

#include "host_window.h"

namespace {

struct LoaderCall {
    const char* function;
    std::wstring name;
};
std::vector<LoaderCall> g_calls;

std::wstring Wide(const char* text) {
    if (!text) return L"(null)";
    std::wstring wide;
    while (*text) wide += static_cast<wchar_t>(static_cast<unsigned char>(*text++));
    return wide;
}
std::wstring Wide(const wchar_t* text) { return text ? text : L"(null)"; }

HMODULE WINAPI RecordLoadLibraryA(const char* name) {
    g_calls.push_back({"LoadLibraryA", Wide(name)});
    return ::LoadLibraryA(name);
}
HMODULE WINAPI RecordLoadLibraryW(const wchar_t* name) {
    g_calls.push_back({"LoadLibraryW", Wide(name)});
    return ::LoadLibraryW(name);
}
HMODULE WINAPI RecordLoadLibraryExA(const char* name, HANDLE file, DWORD flags) {
    g_calls.push_back({"LoadLibraryExA", Wide(name)});
    return ::LoadLibraryExA(name, file, flags);
}
HMODULE WINAPI RecordLoadLibraryExW(const wchar_t* name, HANDLE file, DWORD flags) {
    g_calls.push_back({"LoadLibraryExW", Wide(name)});
    return ::LoadLibraryExW(name, file, flags);
}
HMODULE WINAPI RecordGetModuleHandleA(const char* name) {
    if (name) g_calls.push_back({"GetModuleHandleA", Wide(name)});
    return ::GetModuleHandleA(name);
}
HMODULE WINAPI RecordGetModuleHandleW(const wchar_t* name) {
    if (name) g_calls.push_back({"GetModuleHandleW", Wide(name)});
    return ::GetModuleHandleW(name);
}

struct Replacement {
    const char* name;
    void* recorder;
};
const Replacement kReplacements[] = {
    {"LoadLibraryA", reinterpret_cast<void*>(&RecordLoadLibraryA)},
    {"LoadLibraryW", reinterpret_cast<void*>(&RecordLoadLibraryW)},
    {"LoadLibraryExA", reinterpret_cast<void*>(&RecordLoadLibraryExA)},
    {"LoadLibraryExW", reinterpret_cast<void*>(&RecordLoadLibraryExW)},
    {"GetModuleHandleA", reinterpret_cast<void*>(&RecordGetModuleHandleA)},
    {"GetModuleHandleW", reinterpret_cast<void*>(&RecordGetModuleHandleW)},
};

// Points the module's imports of the loader functions at the recorders;
// returns how many entries it changed.
int RedirectLoaderImports(HMODULE module) {
    auto* base = reinterpret_cast<unsigned char*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    int changed = 0;
    for (auto* desc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); desc->Name; ++desc) {
        if (!desc->OriginalFirstThunk) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA32*>(base + desc->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA32*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL32(names->u1.Ordinal)) continue;
            const char* name = reinterpret_cast<const char*>(
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name);
            for (const Replacement& r : kReplacements) {
                if (strcmp(name, r.name) != 0) continue;
                DWORD old = 0;
                ::VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
                slots->u1.Function = static_cast<DWORD>(reinterpret_cast<uintptr_t>(r.recorder));
                ::VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
                ++changed;
            }
        }
    }
    return changed;
}

bool HasFolder(const std::wstring& name) { return name.find_first_of(L"\\/:") != std::wstring::npos; }

std::wstring FileNameOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring SystemFolderFile(const wchar_t* file) {
    wchar_t folder[MAX_PATH] = {0};
    ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + file;
}

std::wstring LoadedPathOf(HMODULE module) {
    wchar_t path[MAX_PATH] = {0};
    ::GetModuleFileNameW(module, path, MAX_PATH);
    return path;
}

}  // namespace

TEST(WebBrowserLoads, ControlHostingComesFromTheSystemFolderAndNothingIsLoadedByItsBareName) {
    HMODULE dll = ::LoadLibraryA("LobbyUi.dll");
    ASSERT_NE(nullptr, dll);
    ASSERT_GE(RedirectLoaderImports(dll), 1);
    auto create = reinterpret_cast<decltype(&CWebDlgInterface_CreateNewWebDlg)>(
        reinterpret_cast<void*>(::GetProcAddress(dll, "CWebDlgInterface_CreateNewWebDlg")));
    auto destroy = reinterpret_cast<decltype(&CWebDlgInterface_DestroyWebDlg)>(
        reinterpret_cast<void*>(::GetProcAddress(dll, "CWebDlgInterface_DestroyWebDlg")));
    ASSERT_TRUE(create && destroy);

    {
        HostWindow host;
        const RECT place = {10, 20, 410, 320};
        // Twice: the browser's own look-up happens with each page, the
        // hosting's start only once.
        for (int i = 0; i < 2; ++i) {
            LOBBYUI_HWEBDLG dialog = create("about:blank", &place, host.hwnd());
            ASSERT_NE(nullptr, dialog);
            PumpMessages();
            destroy(dialog);
        }
    }

    bool atlLoaded = false;
    for (const LoaderCall& call : g_calls) {
        bool isLoad = strncmp(call.function, "LoadLibrary", 11) == 0;
        bool isAtl = _wcsicmp(FileNameOf(call.name).c_str(), L"atl.dll") == 0;
        if (isLoad) {
            EXPECT_TRUE(HasFolder(call.name)) << call.function << " of a bare name";
        }
        if (isAtl) {
            EXPECT_TRUE(isLoad) << call.function << " looks atl.dll up by name";
            EXPECT_EQ(0, _wcsicmp(SystemFolderFile(L"atl.dll").c_str(), call.name.c_str())) << call.function;
            atlLoaded = atlLoaded || isLoad;
        }
    }
    EXPECT_TRUE(atlLoaded) << "the control hosting was never started";
    HMODULE atl = ::GetModuleHandleW(L"atl.dll");
    ASSERT_NE(nullptr, atl);
    EXPECT_EQ(0, _wcsicmp(SystemFolderFile(L"atl.dll").c_str(), LoadedPathOf(atl).c_str()));
    // The DLL stays loaded: its imports point into this test program.
}
