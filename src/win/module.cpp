#include "win/module.h"

HINSTANCE LobbyModule() {
    static HINSTANCE module = [] {
        HMODULE found = nullptr;
        ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCSTR>(&LobbyModule), &found);
        return static_cast<HINSTANCE>(found);
    }();
    return module;
}
