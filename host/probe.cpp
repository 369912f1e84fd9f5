// A minimal host: loads LobbyUi.dll the way a lobby client does, and prints
// the version it carries and every name it exports (demangled names are left
// to the reader's c++filt).
#include <windows.h>

#include <stdio.h>

#include <lobbyui/lobbyui.h>

namespace {

bool PrintVersion(const char* path) {
    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    if (!size) return false;
    bool found = false;
    char* data = new char[size];
    if (::GetFileVersionInfoA(path, 0, size, data)) {
        char* text = nullptr;
        UINT length = 0;
        if (::VerQueryValueA(data, "\\StringFileInfo\\080403a8\\ProductVersion", reinterpret_cast<void**>(&text), &length))
        {
            printf("LobbyUi.dll version %s\n", text);
            found = true;
        }
    }
    delete[] data;
    return found;
}

int PrintExports(HMODULE module) {
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (!dir.VirtualAddress) return 0;
    const IMAGE_EXPORT_DIRECTORY* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    const DWORD* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) printf("  %s\n", reinterpret_cast<const char*>(base + names[i]));
    return static_cast<int>(exports->NumberOfNames);
}

}  // namespace

int main() {
    HMODULE module = ::GetModuleHandleA("LobbyUi.dll");
    char path[MAX_PATH] = {0};
    ::GetModuleFileNameA(module, path, MAX_PATH);
    printf("loaded %s\n", path);
    bool versioned = PrintVersion(path);
    printf("exports:\n");
    int count = PrintExports(module);
    HICON cursor = ::LoadCursorA(nullptr, IDC_ARROW);
    printf("%d names; RXCursorfun answers %s\n", count, RXCursorfun(&cursor) ? "true" : "false");
    RXCursorfun(nullptr);
    return count > 0 && versioned ? 0 : 1;
}
