#include "info/csv_text.h"

#include "scratch_directory.h"
#include "support/platform.h"
#include "support/texts_gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class CsvTextTest : public ::testing::Test {
protected:
    void Table(const std::string& bytes) { ScratchDirectory::Write(TextTablePath(), bytes); }
    std::string Text(int n) {
        CCsvText reader;
        reader.Load(n, true);
        return reader.text;
    }
    ScratchDirectory dir;
};

uint16_t s_fakeLanguage = 0;
uint16_t FakeLanguage() { return s_fakeLanguage; }

}  // namespace

TEST_F(CsvTextTest, SecondFieldOfTheNumberedLineWithControlBytesDropped) {
    Table(std::string("1,first\n") +
          "\n" +                                     // 2: blank
          "3," + kGbkLevel + ",x\n" +
          "4,\"quoted, not\",z\n" +                  // 4: quotes are ordinary bytes
          "5,a\tb\r\n" +
          "6\n" +                                    // 6: one field only
          "7,,abc\n" +
          "8,last");
    EXPECT_EQ("first", Text(1));
    EXPECT_EQ("", Text(2));
    EXPECT_EQ(kGbkLevel, Text(3));
    EXPECT_EQ("\"quoted", Text(4));
    EXPECT_EQ("ab", Text(5));
    EXPECT_EQ("", Text(6));
    EXPECT_EQ("", Text(7));
    EXPECT_EQ("last", Text(8));
    EXPECT_EQ("", Text(9));
    EXPECT_EQ("", Text(5000));
    // An empty text in the middle of a series leaves the next lookup alone.
    EXPECT_EQ("first", Text(1));
}

TEST_F(CsvTextTest, TabInTheFirstFieldAndCrLfAreDropped) {
    Table("1,a\n2,b\n3,c\n4,d\n5,e\n6,f\n7,g\n8,h\n9,i\n10,j\n11,k\n12\tA,X Y\r\n13,m\n");
    EXPECT_EQ("X Y", Text(12));
    EXPECT_EQ("m", Text(13));
}

TEST_F(CsvTextTest, LongLinesCountAsOneLinePerPieceAndTextsStopAt99Bytes) {
    // Line 1 is 2 + 1500 bytes: the reader takes it as a piece of 1023 bytes
    // and a second piece with no comma, so "2,B" is text 3.
    Table("1," + std::string(1500, 'x') + "\n2,B\n");
    EXPECT_EQ(std::string(99, 'x'), Text(1));
    EXPECT_EQ("", Text(2));
    EXPECT_EQ("B", Text(3));

    // A two-byte character across the 99th byte is left out whole.
    Table("1," + std::string(98, 'y') + kGbkLevel + "\n");
    EXPECT_EQ(std::string(98, 'y'), Text(1));
}

TEST_F(CsvTextTest, MissingFilePrintsOneLinePerLookupUntilTheFileAppears) {
    ::testing::internal::CaptureStdout();
    EXPECT_EQ("", Text(1));
    EXPECT_EQ("", Text(2));
    const std::string expected = std::string("ERROR: Unable to open file '") + TextTablePath() + "':\n";
    EXPECT_EQ(expected + expected, ::testing::internal::GetCapturedStdout());

    Table("1,now\n");
    EXPECT_EQ("now", Text(1));
    // Nothing is cached: a changed file answers at the next lookup.
    Table("1,changed\n");
    EXPECT_EQ("changed", Text(1));
}

TEST_F(CsvTextTest, LookupOfZeroOrLessIsEmptyEvenAfterAFullLine) {
    Table("1,a,b,c,d\n");
    CCsvText reader;
    reader.Load(1, true);
    EXPECT_STREQ("a", reader.text);
    reader.Load(0, true);
    EXPECT_STREQ("", reader.text);
    reader.Load(-3, false);
    EXPECT_STREQ("", reader.text);
}

TEST(CsvTextLanguageTest, OnlyTaiwanChineseSwitchesToTraditional) {
    LanguageIdSource previous = SetLanguageIdSource(FakeLanguage);
    CCsvText reader;
    EXPECT_TRUE(reader.simplified);
    EXPECT_EQ(4u, reader.primaryLanguage);
    EXPECT_EQ(1u, reader.subLanguage);

    s_fakeLanguage = 0x0404;
    reader.DetectLanguage();
    EXPECT_FALSE(reader.simplified);
    EXPECT_EQ(0x0404u, reader.languageId);
    EXPECT_EQ(4u, reader.primaryLanguage);
    EXPECT_EQ(1u, reader.subLanguage);

    s_fakeLanguage = 0x0409;  // English: sublanguage 1, not Chinese
    reader.DetectLanguage();
    EXPECT_FALSE(reader.simplified) << "left as it was";
    s_fakeLanguage = 0x0804;
    reader.DetectLanguage();
    EXPECT_TRUE(reader.simplified);
    EXPECT_EQ(2u, reader.subLanguage);
    s_fakeLanguage = 0x0409;
    reader.DetectLanguage();
    EXPECT_TRUE(reader.simplified) << "left as it was";
    s_fakeLanguage = 0x0C04;  // Hong Kong: sublanguage 3
    reader.DetectLanguage();
    EXPECT_TRUE(reader.simplified);

    reader.Init();
    EXPECT_EQ(4u, reader.primaryLanguage);
    SetLanguageIdSource(previous);
}

TEST(CsvTextLanguageTest, SystemScriptFollowsTheReplacedSource) {
    LanguageIdSource previous = SetLanguageIdSource(FakeLanguage);
    s_fakeLanguage = 0x0404;
    EXPECT_TRUE(SystemUsesTraditionalChinese());
    for (int id : {0x0804, 0x0409, 0x0C04}) {
        s_fakeLanguage = static_cast<uint16_t>(id);
        EXPECT_FALSE(SystemUsesTraditionalChinese()) << std::hex << id;
    }
    SetLanguageIdSource(previous);
}
