#include "support/safe_format.h"

#include "support/texts_gbk.h"

#include <gtest/gtest.h>

#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <string>

namespace {

std::string Format(const char* format, std::initializer_list<FormatArg> args, size_t slotSize = 100) {
    char slot[256];
    memset(slot, 'Z', sizeof slot);
    size_t n = SafeFormat(slot, slotSize, format, args);
    EXPECT_EQ(strlen(slot), n);
    EXPECT_EQ('Z', slot[slotSize]) << "wrote past the slot";
    return std::string(slot, n);
}

}  // namespace

TEST(SafeFormatTest, DeclaredIntegersFormatAsPrintfWould) {
    const char* conversions[] = {"%d", "%i", "%u", "%x", "%X", "%o", "%5d", "%-5d|", "%05d", "%+d", "% d",
                           "%.3d", "%8.3d", "%-8.3x|", "%#x", "%#X", "%#o", "%#8x", "%08X", "%.0d",
                           "%+.0d", "%+05i", "%- 6d|", "%#010x"};
    const int32_t values[] = {0, 1, -1, 42, -42, 255, INT_MAX, INT_MIN};
    for (const char* conversion : conversions) {
        for (int32_t v : values) {
            char expected[64];
            if (strpbrk(conversion, "di")) snprintf(expected, sizeof expected, conversion, static_cast<int>(v));
            else snprintf(expected, sizeof expected, conversion, static_cast<unsigned>(v));
            EXPECT_EQ(std::string(expected), Format(conversion, {FormatArg::Int(v)})) << conversion << " with " << v;
        }
    }
    // The same on every platform, even where the C runtime drops this zero.
    EXPECT_EQ("0", Format("%#.0o", {FormatArg::Int(0)}));
    // 'l' is accepted: a long is the same 32 bits on the target.
    EXPECT_EQ("-42", Format("%ld", {FormatArg::Int(-42)}));
}

TEST(SafeFormatTest, LibraryFormatsFillTheirArgumentsAroundGbkText) {
    EXPECT_EQ("12" + std::string(kGbkLandlordLevelFormat + 2), Format(kGbkLandlordLevelFormat, {FormatArg::Int(12)}));
    EXPECT_EQ("3 / 10", Format("%d / %d", {FormatArg::Int(3), FormatArg::Int(10)}));
    EXPECT_EQ("[  ab][cd  ][x]", Format("[%4s][%-4s][%.1s]", {FormatArg::Text("ab"), FormatArg::Text("cd"), FormatArg::Text("xyz")}));
    EXPECT_EQ("100%", Format("%d%%", {FormatArg::Int(100)}));
}

TEST(SafeFormatTest, UndeclaredConversionsAreWrittenOutLiterally) {
    EXPECT_EQ("%s %n %p %f %c %*d %hd %lld", Format("%s %n %p %f %c %*d %hd %lld", {}));
    // One declared integer: the first %d takes it, the rest stay as they are.
    EXPECT_EQ("7 %d %5d", Format("%d %d %5d", {FormatArg::Int(7)}));
    // A conversion that does not match the declared kind leaves the argument
    // for the next one that does.
    EXPECT_EQ("%s=5", Format("%s=%d", {FormatArg::Int(5)}));
    EXPECT_EQ("%d:x", Format("%d:%s", {FormatArg::Text("x")}));
    EXPECT_EQ("%ls", Format("%ls", {FormatArg::Text("x")}));
    // Cut short at the end of the text.
    EXPECT_EQ("50%", Format("50%", {FormatArg::Int(1)}));
    EXPECT_EQ("a%-08.", Format("a%-08.", {}));
}

TEST(SafeFormatTest, SpacedPercentSignsCollapseAsPrintfDoes) {
    // "% %" is a percent conversion with a blank flag: one '%'.
    EXPECT_EQ("% % %", Format("% % % % % %", {}));
    EXPECT_EQ("% % %", Format("% % % % % %", {FormatArg::Int(1), FormatArg::Int(2)}));
    EXPECT_EQ("%", Format("%5%", {}));
}

TEST(SafeFormatTest, ResultNeverPassesTheSlot) {
    EXPECT_EQ("1234567", Format("%d", {FormatArg::Int(123456789)}, 8));
    EXPECT_EQ(std::string(15, ' '), Format("%999999999d", {FormatArg::Int(1)}, 16));
    EXPECT_EQ("", Format("abc", {}, 1));
    char untouched = 'Q';
    EXPECT_EQ(0u, SafeFormat(&untouched, 0, "abc", {}));
    EXPECT_EQ('Q', untouched);
}

TEST(SafeFormatTest, CutNeverSplitsAGbkCharacter) {
    // "AB" then two two-byte characters: a slot of 5 holds "AB" and one
    // character; a slot of 4 only "AB", never a stray lead byte.
    const std::string text = std::string("AB") + kGbkLevel;
    EXPECT_EQ("AB\xB5\xC8", Format(text.c_str(), {}, 5));
    EXPECT_EQ("AB", Format(text.c_str(), {}, 4));

    char slot[4];
    EXPECT_EQ(2u, CopyToSlot(slot, sizeof slot, text.c_str()));
    EXPECT_STREQ("AB", slot);
    EXPECT_EQ(3u, CopyToSlot(slot, sizeof slot, "xyz"));
    EXPECT_STREQ("xyz", slot);
}
