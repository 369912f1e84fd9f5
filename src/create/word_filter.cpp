#include "create/word_filter.h"

#include "frame/library_search.h"

namespace {

int __cdecl NeverHits(char*, int) { return 0; }

PFN_CheckFilthy s_pfnCheckFilthy = nullptr;

// The filter is someone else's build: whether it pops its own arguments
// (__stdcall) or leaves that to us (__cdecl), the stack pointer is put back
// as it was before the call.
int CallFilter(PFN_CheckFilthy check, char* text, int mode) {
#if defined(__GNUC__) && defined(__i386__)
    int result;
    __asm__ volatile(
        "movl %%esp, %%esi\n\t"
        "pushl %[mode]\n\t"
        "pushl %[text]\n\t"
        "call *%[check]\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(result)
        : [check] "r"(check), [text] "r"(text), [mode] "r"(mode)
        : "esi", "ecx", "edx", "memory", "cc");
    return result;
#else
    return check(text, mode);
#endif
}

}  // namespace

CWordFilterBinding::CWordFilterBinding(const char* library) {
    m_hVaduveRed = LoadLibraryBesideHost(library);
    if (m_hVaduveRed) {
        s_pfnCheckFilthy = reinterpret_cast<PFN_CheckFilthy>(
            reinterpret_cast<void*>(::GetProcAddress(m_hVaduveRed, LOBBYUI_WORD_FILTER_EXPORT)));
    }
    if (!s_pfnCheckFilthy) s_pfnCheckFilthy = NeverHits;
}

bool TableNameHasForbiddenWord(char* name) {
    if (!name || !name[0] || !s_pfnCheckFilthy) return false;
    return CallFilter(s_pfnCheckFilthy, name, 1) != 0;
}

void UnbindWordFilter() { s_pfnCheckFilthy = nullptr; }
