// The text table's platform side under Windows: the real system language and
// the backslash path. The runner's locale decides the language: zh_CN.UTF-8
// gives 0x0804, zh_TW.UTF-8 gives 0x0404.
#include "info/csv_text.h"

#include "support/platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string.h>

TEST(CsvTextWinTest, DetectLanguageReadsTheSystemDefaultLanguage) {
    const LANGID id = ::GetSystemDefaultLangID();
    CCsvText reader;
    reader.DetectLanguage();
    EXPECT_EQ(static_cast<uint32_t>(id), reader.languageId);
    EXPECT_EQ(static_cast<uint32_t>(PRIMARYLANGID(id)), reader.primaryLanguage);
    EXPECT_EQ(static_cast<uint32_t>(SUBLANGID(id)), reader.subLanguage);
    if (id == 0x0804 || id == 0x0404) {
        EXPECT_EQ(id == 0x0804, reader.simplified);
    }
}

TEST(CsvTextWinTest, TableLiesInTheStcsvFolderOfTheCurrentDirectory) {
    EXPECT_STREQ("STCSV\\PlayerScore_Sim.csv", TextTablePath());
}
