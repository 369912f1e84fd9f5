#include <lobbyui/cstring.h>

#include <gtest/gtest.h>

TEST(CStringTest, KeepsBytesAsTheyAreIncludingHighBytes) {
    const char gbk[] = "\xcd\xe6\xbc\xd2";  // two GBK characters
    CString s(gbk);
    EXPECT_EQ(4, s.GetLength());
    EXPECT_EQ(0, memcmp(gbk, s.GetString(), 5));
    EXPECT_EQ(CString("\xcd\xe6"), s.Left(2));
    EXPECT_EQ(CString("\xbc\xd2"), s.Mid(2));
}

TEST(CStringTest, NullAndOutOfRangeArgumentsGiveEmptyResults) {
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString("abc", -1).IsEmpty());
    EXPECT_TRUE(CString("abc").Mid(7).IsEmpty());
    EXPECT_TRUE(CString("abc").Left(-2).IsEmpty());
    EXPECT_EQ(CString("abc"), CString("abc").Left(10));
    EXPECT_EQ(-1, CString("abc").Find('z'));
}

TEST(CStringTest, FormatGrowsToAnyLength) {
    CString s;
    s.Format("%s-%d", std::string(3000, 'x').c_str(), 42);
    ASSERT_EQ(3003, s.GetLength());
    EXPECT_EQ(CString("x-42"), s.Mid(2999));
}
