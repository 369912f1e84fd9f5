#include "frame/library_search.h"

#include <string.h>

namespace {

// A name with a folder in it is taken as the caller's choice of place.
bool HasFolder(const char* name) { return strpbrk(name, "\\/:") != nullptr; }

std::wstring Widen(const char* text) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

HMODULE LoadFullPath(const std::wstring& path) {
    if (path.empty()) return nullptr;
    // A missing or broken library must not raise the system's error box in the host.
    UINT oldMode = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    // The library's own dependencies are then looked for beside it first.
    HMODULE module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    ::SetErrorMode(oldMode);
    return module;
}

}  // namespace

std::wstring HostDirectory() {
    // The path may exceed MAX_PATH (a \\?\ host folder): grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return std::wstring();
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return std::wstring();
    path.resize(slash);
    return path;
}

HMODULE LoadLibraryBesideHost(const char* fileName) {
    if (!fileName || !fileName[0]) return nullptr;
    std::wstring name = Widen(fileName);
    if (name.empty()) return nullptr;
    if (HasFolder(fileName)) return LoadFullPath(name);
    std::wstring folder = HostDirectory();
    if (folder.empty()) return nullptr;
    return LoadFullPath(folder + L"\\" + name);
}

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
    if (!fileName || !fileName[0]) return nullptr;
    UINT length = ::GetSystemDirectoryW(nullptr, 0);
    if (length == 0) return nullptr;
    std::wstring folder(length, L'\0');
    length = ::GetSystemDirectoryW(&folder[0], length);
    if (length == 0 || length >= folder.size()) return nullptr;
    folder.resize(length);
    return LoadFullPath(folder + L"\\" + fileName);
}
