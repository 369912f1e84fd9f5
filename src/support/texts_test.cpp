// Every byte-escaped text literal decodes, in its own code page, to the
// readable text written beside it.
#include "support/texts_big5.h"
#include "support/texts_gbk.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

struct TextEntry {
    const char* name;
    const char* bytes;
    const char* readable;
};

#define LOBBYUI_TEXT_ENTRY(name, bytes, readable) {#name, bytes, readable},
const TextEntry kGbkEntries[] = {LOBBYUI_GBK_TEXTS(LOBBYUI_TEXT_ENTRY)};
const TextEntry kBig5Entries[] = {LOBBYUI_BIG5_TEXTS(LOBBYUI_TEXT_ENTRY)};
#undef LOBBYUI_TEXT_ENTRY

// Bytes of a code page to UTF-8, or "<invalid>" when they are not valid there.
std::string Decode(const std::string& bytes, unsigned codePage, const char* iconvName) {
#if defined(_WIN32)
    (void)iconvName;
    int wide = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (wide <= 0) return "<invalid>";
    std::wstring w(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), &w[0], wide);
    int narrow = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(narrow), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
#else
    (void)codePage;
    iconv_t cd = iconv_open("UTF-8", iconvName);
    if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
    std::string in = bytes;
    std::string out(in.size() * 4 + 4, '\0');
    char* src = &in[0];
    char* dst = &out[0];
    size_t left = in.size();
    size_t room = out.size();
    size_t rc = iconv(cd, &src, &left, &dst, &room);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1) || left != 0) return "<invalid>";
    out.resize(out.size() - room);
    return out;
#endif
}

}  // namespace

TEST(TextLiteralsTest, EveryGbkLiteralDecodesToItsReadableText) {
    for (const TextEntry& e : kGbkEntries) EXPECT_EQ(std::string(e.readable), Decode(e.bytes, 936, "GBK")) << e.name;
}

TEST(TextLiteralsTest, EveryBig5LiteralDecodesToItsReadableText) {
    for (const TextEntry& e : kBig5Entries) EXPECT_EQ(std::string(e.readable), Decode(e.bytes, 950, "BIG5")) << e.name;
}
