// A small word filter for table names. A text hits when one of the words
// below starts at a character boundary of it: the text is walked character
// by character, so the second byte of a two-byte GBK character never starts
// or ends a match. ASCII letters compare without case. The text is never
// changed, whatever the mode.
#include <windows.h>

#include <lobbyui/word_filter.h>

#include "support/texts_gbk.h"

namespace {

const char* const kWords[] = {
    "fuck", "shit", "bitch", "asshole",
    kGbkFilterWordCheatPlugin,   // 外挂
    kGbkFilterWordCheating,      // 作弊
    kGbkFilterWordFool,          // 傻瓜
};

// Longer than any table name: a text is never read beyond this.
const int kTextLimit = 256;

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

char Folded(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWith(const char* text, const char* word) {
    for (; *word; ++text, ++word) {
        if (!*text || Folded(*text) != Folded(*word)) return false;
    }
    return true;
}

}  // namespace

extern "C" __declspec(dllexport) int __cdecl CheckFilthy(char* text, int mode) {
    (void)mode;
    if (!text) return 0;
    for (int at = 0; at < kTextLimit && text[at];) {
        for (const char* word : kWords) {
            if (StartsWith(text + at, word)) return 1;
        }
        at += IsLeadByte(static_cast<unsigned char>(text[at])) && text[at + 1] ? 2 : 1;
    }
    return 0;
}
