// Saving the remembered choices where the usual write-beside-and-replace
// cannot be done, with the file-system rules of the target: files another
// program holds open with a sharing mode that forbids writing, deleting or
// renaming them. (Read-only attributes would do the same on Windows, but
// Wine running as root does not enforce them.)
#include "create/saved_defaults.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "scratch_directory.h"
#include "support/platform.h"

namespace {

const char kOld[] = "50\r\r\n1\r\r\n4";
const char kNew[] = "5\r\r\n2\r\r\n8";

// Opens path for reading the way another program would, sharing it only as
// share allows.
HANDLE HoldOpen(const std::string& path, DWORD share) {
    return ::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class SavedDefaultsWinTest : public ::testing::Test {
protected:
    static std::string Beside() { return std::string(SavedDefaultsPath()) + ".new"; }
    ScratchDirectory dir;
};

}  // namespace

TEST_F(SavedDefaultsWinTest, StaleCopyThatCannotBeWrittenRewritesTheFileInPlace) {
    ScratchDirectory::Write(SavedDefaultsPath(), kOld);
    ScratchDirectory::Write(Beside(), "stale");
    HANDLE stale = HoldOpen(Beside(), FILE_SHARE_READ);
    ASSERT_NE(INVALID_HANDLE_VALUE, stale);
    bool saved = SaveSavedDefaults(WorkingDefaults{5, 2, 8});
    ::CloseHandle(stale);
    ASSERT_TRUE(saved);
    EXPECT_EQ(std::string(kNew), ScratchDirectory::Read(SavedDefaultsPath()));
    EXPECT_EQ(std::string("stale"), ScratchDirectory::Read(Beside()));
}

TEST_F(SavedDefaultsWinTest, FileThatCannotBeReplacedIsRewrittenInPlace) {
    ScratchDirectory::Write(SavedDefaultsPath(), "12345\r\r\n12345\r\r\n12345 and more");
    // Another program reads the file and lets others write it, but not
    // delete or rename it: the new copy cannot take its place.
    HANDLE reader = ::CreateFileA(SavedDefaultsPath(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    bool saved = SaveSavedDefaults(WorkingDefaults{5, 2, 8});
    ::CloseHandle(reader);
    ASSERT_TRUE(saved);
    EXPECT_EQ(std::string(kNew), ScratchDirectory::Read(SavedDefaultsPath()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(Beside().c_str()));
}

TEST_F(SavedDefaultsWinTest, FileThatCanBeNeitherReplacedNorWrittenStaysAsItWas) {
    ScratchDirectory::Write(SavedDefaultsPath(), kOld);
    HANDLE reader = HoldOpen(SavedDefaultsPath(), FILE_SHARE_READ);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    bool saved = SaveSavedDefaults(WorkingDefaults{5, 2, 8});
    ::CloseHandle(reader);
    EXPECT_FALSE(saved);
    EXPECT_EQ(std::string(kOld), ScratchDirectory::Read(SavedDefaultsPath()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(Beside().c_str()));
}
