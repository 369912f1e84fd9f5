#include "support/texts_big5.h"

#include <gtest/gtest.h>

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

struct Big5Entry {
    const char* name;
    const char* bytes;
    const char* readable;
};

#define LOBBYUI_BIG5_ENTRY(name, bytes, readable) {#name, bytes, readable},
const Big5Entry kEntries[] = {LOBBYUI_BIG5_TEXTS(LOBBYUI_BIG5_ENTRY)};
#undef LOBBYUI_BIG5_ENTRY

// Big5 bytes to UTF-8, or "<invalid>" when the bytes are not Big5.
std::string DecodeBig5(const std::string& big5) {
#if defined(_WIN32)
    int wide = ::MultiByteToWideChar(950, MB_ERR_INVALID_CHARS, big5.data(), static_cast<int>(big5.size()), nullptr, 0);
    if (wide <= 0) return "<invalid>";
    std::wstring w(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(950, MB_ERR_INVALID_CHARS, big5.data(), static_cast<int>(big5.size()), &w[0], wide);
    int narrow = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(narrow), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
#else
    iconv_t cd = iconv_open("UTF-8", "BIG5");
    if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
    std::string in = big5;
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

TEST(Big5TextsTest, EveryLiteralDecodesToItsReadableText) {
    for (const Big5Entry& e : kEntries) {
        EXPECT_EQ(std::string(e.readable), DecodeBig5(e.bytes)) << e.name;
    }
}
