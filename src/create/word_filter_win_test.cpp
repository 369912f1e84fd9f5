// The word filter with our VaduveRed.dll beside the test program, without a
// filter, with a filter lacking CheckFilthy, and with one built __stdcall.
#include "create/word_filter.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

#include "support/texts_gbk.h"
#include "test_util.h"
#include "word_filter_fixture.h"

namespace {

std::string Sample() { return ProgramDirectory() + "\\VaduveRed.dll"; }
std::string Fixture(const char* variant) {
    return ProgramDirectory() + "\\fixtures\\vaduvered_" + variant + "\\VaduveRed.dll";
}
std::string Missing() { return ProgramDirectory() + "\\fixtures\\no_such_filter\\VaduveRed.dll"; }

// The check as a dialog makes it, on a 17-byte table-name buffer.
bool Hits(const std::string& text) {
    char name[17] = {0};
    strncpy(name, text.c_str(), sizeof name - 1);
    return TableNameHasForbiddenWord(name);
}

class WordFilterTest : public ::testing::Test {
protected:
    void SetUp() override { UnbindWordFilter(); }
    void TearDown() override { UnbindWordFilter(); }
};

}  // namespace

// First in this program: no VaduveRed.dll may be loaded yet, or the search by
// name would answer with that one.
TEST_F(WordFilterTest, NameSearchFindsOurSampleBesideTheHostProgram) {
    ASSERT_EQ(nullptr, ::GetModuleHandleA("VaduveRed.dll"));
    CWordFilterBinding binding;
    ASSERT_NE(nullptr, binding.GetModule());
    char path[MAX_PATH] = {0};
    ::GetModuleFileNameA(binding.GetModule(), path, MAX_PATH);
    EXPECT_EQ(0, _stricmp(Sample().c_str(), path)) << path;
    EXPECT_TRUE(Hits("big fuck table"));
    EXPECT_FALSE(Hits("friendly game"));
}

TEST_F(WordFilterTest, OurSampleFindsItsWordsOnlyAtCharacterBoundaries) {
    CWordFilterBinding binding(Sample().c_str());
    ASSERT_NE(nullptr, binding.GetModule());
    EXPECT_TRUE(Hits("Shit happens"));
    EXPECT_TRUE(Hits("xxASSHOLExx"));
    EXPECT_TRUE(Hits(std::string("no ") + kGbkFilterWordCheating));
    EXPECT_TRUE(Hits(std::string(kGbkFilterWordCheatPlugin) + "1"));
    EXPECT_FALSE(Hits("ass hole"));
    EXPECT_FALSE(Hits(kGbkLevel));
    // The second byte of a two-byte character (0xB0 0x73 reads "s" as ASCII)
    // never starts a word, and a word never starts inside a character.
    EXPECT_FALSE(Hits("\xB0\x73hit"));
    EXPECT_TRUE(Hits("\xB0\x73 shit"));
    EXPECT_FALSE(Hits("\x81\xCD\xE2\xB9\xD2"));
}

TEST_F(WordFilterTest, WithoutALibraryNothingHitsAndALaterMissingLibraryKeepsTheBoundFilter) {
    EXPECT_FALSE(Hits("shit")) << "nothing bound before the first dialog";
    {
        CWordFilterBinding missing(Missing().c_str());
        EXPECT_EQ(nullptr, missing.GetModule());
        EXPECT_FALSE(Hits("shit"));
    }
    CWordFilterBinding sample(Sample().c_str());
    EXPECT_TRUE(Hits("shit"));
    CWordFilterBinding missing(Missing().c_str());
    EXPECT_TRUE(Hits("shit")) << "the filter bound before stays bound";
}

TEST_F(WordFilterTest, LibraryLackingCheckFilthyReplacesTheFilterByOneThatNeverHits) {
    CWordFilterBinding sample(Sample().c_str());
    ASSERT_TRUE(Hits("shit"));
    CWordFilterBinding lacking(Fixture("nocheck").c_str());
    ASSERT_NE(nullptr, lacking.GetModule());
    ASSERT_EQ(nullptr, ::GetProcAddress(lacking.GetModule(), "CheckFilthy"));
    EXPECT_FALSE(Hits("shit"));
    EXPECT_FALSE(Hits("anything"));
}

TEST_F(WordFilterTest, StdcallFilterSeesEveryNonEmptyNameWithMode1AndNeverAnEmptyOne) {
    CWordFilterBinding everything(Fixture("everything").c_str());
    ASSERT_NE(nullptr, everything.GetModule());
    auto callCount = reinterpret_cast<WordFilterFixtureCallCountFn>(
        reinterpret_cast<void*>(::GetProcAddress(everything.GetModule(), "WordFilterFixtureCallCount")));
    auto getCall = reinterpret_cast<WordFilterFixtureGetCallFn>(
        reinterpret_cast<void*>(::GetProcAddress(everything.GetModule(), "WordFilterFixtureGetCall")));
    ASSERT_TRUE(callCount && getCall);
    const int before = callCount();

    char empty[17] = {0};
    EXPECT_FALSE(TableNameHasForbiddenWord(empty));
    EXPECT_FALSE(TableNameHasForbiddenWord(nullptr));
    EXPECT_EQ(before, callCount());

    // The filter pops its own arguments; the caller's frame must survive
    // many calls in a row.
    volatile int guard = 0x5A5A5A5A;
    int hits = 0;
    for (int i = 0; i < 300; ++i) hits += Hits("table " + std::to_string(i)) ? 1 : 0;
    EXPECT_EQ(300, hits);
    EXPECT_EQ(0x5A5A5A5A, guard);
    EXPECT_EQ(before + 300, callCount());

    WordFilterFixtureCall call = {};
    ASSERT_TRUE(getCall(before, &call));
    EXPECT_STREQ("table 0", call.text);
    EXPECT_EQ(1, call.mode);
}
