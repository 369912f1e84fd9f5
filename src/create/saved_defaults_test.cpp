#include "create/saved_defaults.h"

#include "scratch_directory.h"
#include "support/platform.h"

#include <gtest/gtest.h>

#include <string.h>

#include <filesystem>
#include <string>

namespace {

tagKWP_TABLE_SET_DEFAULT Record(unsigned char aMin, unsigned char aMax, unsigned char bMin, unsigned char bMax) {
    tagKWP_TABLE_SET_DEFAULT r;
    memset(&r, 0, sizeof r);
    r.ucSettingAMin = aMin;
    r.ucSettingAMax = aMax;
    r.ucSettingBMin = bMin;
    r.ucSettingBMax = bMax;
    r.ucSettingADefault = 2;
    r.ucSettingBDefault = 8;
    return r;
}

AllowedScoreList NewList(unsigned int mask) {
    AllowedScoreList list(ScoreValueTable::New);
    list.Build(mask);
    return list;
}

const unsigned int k5And10 = (1u << 4) | (1u << 5);
const unsigned int k5To500 = 0x7FF0;  // 5, 10, 20 ... 500

SavedLines Parse(const std::string& bytes) { return ParseSavedLines(bytes.data(), bytes.size()); }

bool Same(const WorkingDefaults& a, const WorkingDefaults& b) {
    return a.iScore == b.iScore && a.iSettingA == b.iSettingA && a.iSettingB == b.iSettingB;
}

class SavedDefaultsTest : public ::testing::Test {
protected:
    WorkingDefaults Load(const std::string& bytes, const tagKWP_TABLE_SET_DEFAULT& record, unsigned int mask) {
        ScratchDirectory::Write(SavedDefaultsPath(), bytes);
        return LoadSavedDefaults(record, NewList(mask));
    }
    ScratchDirectory dir;
};

}  // namespace

#define EXPECT_DEFAULTS(score, a, b, actual) EXPECT_PRED2(Same, (WorkingDefaults{score, a, b}), actual)

TEST_F(SavedDefaultsTest, SaveWritesExactBytesAndReplacesALongerFile) {
    ScratchDirectory::Write(SavedDefaultsPath(), "12345\r\r\n12345\r\r\n12345 and more");
    ASSERT_TRUE(SaveSavedDefaults(WorkingDefaults{5, 2, 8}));
    EXPECT_EQ(std::string("5\r\r\n2\r\r\n8"), ScratchDirectory::Read(SavedDefaultsPath()));

    ASSERT_TRUE(SaveSavedDefaults(WorkingDefaults{20, 3, 12}));
    const std::string bytes = ScratchDirectory::Read(SavedDefaultsPath());
    ASSERT_EQ(11u, bytes.size());
    EXPECT_EQ('2', bytes[0]);
    EXPECT_EQ('0', bytes[1]);
    EXPECT_EQ(0x0D, bytes[2]);
    EXPECT_EQ(0x0D, bytes[3]);
    EXPECT_EQ(0x0A, bytes[4]);
    EXPECT_EQ('3', bytes[5]);
    EXPECT_EQ("12", bytes.substr(9));
    EXPECT_EQ(std::string("-7\r\r\n0\r\r\n-1"), SavedDefaultsBytes(WorkingDefaults{-7, 0, -1}));

    // Only the file itself is left behind.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(".")) { (void)e; ++entries; }
    EXPECT_EQ(1, entries);
}

TEST_F(SavedDefaultsTest, SomethingInTheWayOfTheNewCopyRewritesTheFileInPlace) {
    const std::string target = SavedDefaultsPath();
    ScratchDirectory::Write(target, "12345\r\r\n12345\r\r\n12345 and more");
    // A folder where the new copy would be written.
    std::filesystem::create_directory(target + ".new");
    ASSERT_TRUE(SaveSavedDefaults(WorkingDefaults{5, 2, 8}));
    EXPECT_EQ(std::string("5\r\r\n2\r\r\n8"), ScratchDirectory::Read(target));
    EXPECT_TRUE(std::filesystem::is_directory(target + ".new"));

    // With no file yet, the first save makes it.
    std::filesystem::remove(target);
    ASSERT_TRUE(SaveSavedDefaults(WorkingDefaults{10, 1, 4}));
    EXPECT_EQ(std::string("10\r\r\n1\r\r\n4"), ScratchDirectory::Read(target));
}

TEST_F(SavedDefaultsTest, FailedSaveLeavesTheOldFileWhole) {
    const std::string target = SavedDefaultsPath();
    // Neither a new copy nor the file itself can be written: a folder stands
    // where the copy would go and another where the file is.
    std::filesystem::create_directory(target + ".new");
    std::filesystem::create_directory(target);
    EXPECT_FALSE(SaveSavedDefaults(WorkingDefaults{5, 2, 8}));
    EXPECT_TRUE(std::filesystem::is_directory(target));
}

TEST_F(SavedDefaultsTest, SavedValuesLoadBackAndBecomeTheWorkingValues) {
    ASSERT_TRUE(SaveSavedDefaults(WorkingDefaults{200, 3, 12}));
    WorkingDefaults loaded = LoadSavedDefaults(Record(0, 9, 4, 20), NewList(k5To500));
    EXPECT_DEFAULTS(200, 3, 12, loaded);
    EXPECT_DEFAULTS(200, 3, 12, TheWorkingDefaults());
}

TEST_F(SavedDefaultsTest, LinesParseLikeAtoi) {
    const tagKWP_TABLE_SET_DEFAULT wide = Record(0, 255, 0, 255);
    EXPECT_DEFAULTS(20, 0, 0, Load("20", wide, k5To500)) << "missing lines read as 0";
    EXPECT_DEFAULTS(20, 3, 12, Load("  +20abc\r\r\n\t3 4\r\r\n12", wide, k5To500));
    EXPECT_DEFAULTS(5, 0, 0, Load("5\n\n", wide, k5To500));
    EXPECT_DEFAULTS(10, 7, 1, Load("10\r\r\n007\r\r\n1\r\r\n99\r\r\nrest", wide, k5To500)) << "a fourth line is ignored";

    SavedLines lines = Parse("abc\n- 5\n+-3");
    EXPECT_EQ(3, lines.lineCount);
    EXPECT_EQ(0, lines.values[0]);
    EXPECT_EQ(0, lines.values[1]);
    EXPECT_EQ(0, lines.values[2]);

    lines = Parse("99999999999999999999\n-99999999999999999999\n-2147483648");
    EXPECT_EQ(2147483647, lines.values[0]);
    EXPECT_EQ(-2147483647 - 1, lines.values[1]);
    EXPECT_EQ(-2147483647 - 1, lines.values[2]);

    EXPECT_EQ(0, Parse("").lineCount);
    EXPECT_EQ(1, Parse("\n").lineCount);
}

TEST_F(SavedDefaultsTest, ScoreIsARangeTestAndAnyFailureFallsBackForAllThree) {
    const tagKWP_TABLE_SET_DEFAULT record = Record(1, 5, 4, 20);
    EXPECT_DEFAULTS(7, 3, 12, Load("7\r\r\n3\r\r\n12", record, k5And10)) << "between 5 and 10";
    EXPECT_DEFAULTS(5, 2, 8, Load("4\r\r\n3\r\r\n12", record, k5And10));
    EXPECT_DEFAULTS(5, 2, 8, Load("11\r\r\n3\r\r\n12", record, k5And10));
    EXPECT_DEFAULTS(5, 2, 8, Load("7\r\r\n6\r\r\n12", record, k5And10)) << "A above its bound";
    EXPECT_DEFAULTS(5, 2, 8, Load("7\r\r\n0\r\r\n12", record, k5And10)) << "A below its bound";
    EXPECT_DEFAULTS(5, 2, 8, Load("7\r\r\n3\r\r\n21", record, k5And10)) << "B above its bound";
    EXPECT_DEFAULTS(7, 1, 4, Load("7\r\r\n1\r\r\n4", record, k5And10)) << "bounds are inclusive";
    EXPECT_DEFAULTS(10, 5, 20, Load("10\r\r\n5\r\r\n20", record, k5And10)) << "bounds are inclusive";

    // "abc" is 0: in range only when 0 is allowed, which the new table never allows.
    EXPECT_DEFAULTS(5, 2, 8, Load("abc\r\r\n3\r\r\n12", record, k5And10));
    AllowedScoreList classic(ScoreValueTable::Classic);
    classic.Build(0x3);  // 0 and 5
    EXPECT_DEFAULTS(0, 3, 12, ChooseDefaults(Parse("abc\n3\n12"), record, classic));
}

TEST_F(SavedDefaultsTest, MissingOrEmptyFileTakesTheRecordsDefaults) {
    const tagKWP_TABLE_SET_DEFAULT record = Record(0, 9, 0, 20);
    EXPECT_DEFAULTS(5, 2, 8, LoadSavedDefaults(record, NewList(k5And10)));
    EXPECT_DEFAULTS(5, 2, 8, Load("", record, k5And10));
}

TEST_F(SavedDefaultsTest, EmptyAllowedListSendsZeroAndRejectsEveryStoredScore) {
    const tagKWP_TABLE_SET_DEFAULT record = Record(0, 9, 0, 20);
    EXPECT_DEFAULTS(0, 2, 8, Load("0\r\r\n3\r\r\n12", record, 0));
    EXPECT_DEFAULTS(0, 2, 8, Load("-1\r\r\n3\r\r\n12", record, 0));
}
