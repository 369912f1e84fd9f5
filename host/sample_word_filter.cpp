// The demo's VaduveRed.dll: a word filter of the kind the library loads by
// name and calls through "CheckFilthy" (see <lobbyui/word_filter.h>). It
// refuses a table name holding one of a few words, in any case; a real
// filter would bring a long list of its own.
#include <windows.h>

#include <wchar.h>

namespace {

const wchar_t* const kWords[] = {L"笨蛋", L"傻瓜", L"混蛋", L"作弊", L"外挂", L"cheat", L"idiot"};

}  // namespace

extern "C" __declspec(dllexport) int __cdecl CheckFilthy(char* text, int mode) {
    (void)mode;
    if (!text) return 0;
    // The name is GBK: compare characters, not bytes, so that no word is
    // found across the halves of two Chinese characters.
    wchar_t wide[64] = {0};
    if (!::MultiByteToWideChar(936, 0, text, static_cast<int>(strnlen(text, 32)), wide, 63)) return 0;
    for (wchar_t* p = wide; *p; ++p) {
        if (*p >= L'A' && *p <= L'Z') *p = static_cast<wchar_t>(*p - L'A' + L'a');
    }
    for (const wchar_t* word : kWords) {
        if (wcsstr(wide, word)) return 1;
    }
    return 0;
}
