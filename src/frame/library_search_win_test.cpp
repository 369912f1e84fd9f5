// Where the outside DLLs come from: the host's folder (or the system folder
// for atl.dll), never the current directory the host was started in. Each
// case lays out a host folder and a current directory of its own, copies the
// probe program into the host folder and starts it there, since the program
// running the tests has our sample filter beside it already.
#include "frame/library_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_util.h"

namespace fs = std::filesystem;

namespace {

fs::path Bin() { return fs::path(ProgramDirectory()); }
fs::path RefusingFilter() { return Bin() / "fixtures" / "vaduvered_everything" / "VaduveRed.dll"; }
fs::path RecordingSkin() { return Bin() / "fixtures" / "skinmagic" / "SkinMagic.dll"; }

const int kFilterLoaded = 1;
const int kSkinMagicTaken = 2;

class LibrarySearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 ("lobbyui-search-" + std::to_string(::GetCurrentProcessId()) + "-" + test->name());
        fs::create_directories(m_root / "started-in");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    // A host folder under the scratch root holding the probe program.
    fs::path MakeHost(const fs::path& relative) {
        fs::path host = m_root;
        for (const fs::path& part : relative) {
            host /= part;
            ::CreateDirectoryW(host.c_str(), nullptr);
        }
        EXPECT_TRUE(::CopyFileW((Bin() / "fixtures" / "library_probe" / "library_probe.exe").c_str(),
                                (host / "lobby.exe").c_str(), TRUE)) << ::GetLastError();
        return host;
    }
    static void Put(const fs::path& dll, const fs::path& folder) {
        EXPECT_TRUE(::CopyFileW(dll.c_str(), (folder / dll.filename()).c_str(), TRUE)) << ::GetLastError();
    }
    fs::path StartedIn() const { return m_root / "started-in"; }

    // Runs the probe of host with the current directory startedIn; its exit
    // code, or -1 when it did not run to its end.
    static int Run(const fs::path& host, const fs::path& startedIn) {
        std::wstring command = L"\"" + (host / "lobby.exe").wstring() + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!::CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, startedIn.c_str(),
                              &startup, &process)) {
            return -1;
        }
        DWORD code = static_cast<DWORD>(-1);
        if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return static_cast<int>(code);
    }

    fs::path m_root;
};

}  // namespace

TEST_F(LibrarySearchTest, FilterAndSkinInTheCurrentDirectoryAreNotLoaded) {
    fs::path host = MakeHost("host");
    Put(RefusingFilter(), StartedIn());
    Put(RecordingSkin(), StartedIn());
    EXPECT_EQ(0, Run(host, StartedIn()));
}

TEST_F(LibrarySearchTest, FilterAndSkinBesideTheHostAreLoaded) {
    fs::path host = MakeHost("host");
    Put(RefusingFilter(), host);
    EXPECT_EQ(kFilterLoaded, Run(host, StartedIn()));
    Put(RecordingSkin(), host);
    EXPECT_EQ(kFilterLoaded | kSkinMagicTaken, Run(host, StartedIn()));
    // Started in its own folder it finds the same.
    EXPECT_EQ(kFilterLoaded | kSkinMagicTaken, Run(host, host));
}

TEST_F(LibrarySearchTest, HostFolderOutsideTheAnsiCodePageOrLongerThanMaxPathInGbkStillFindsItsFilter) {
    // Hebrew and Thai have no GBK bytes: the narrow calls could not name it.
    fs::path foreign = MakeHost(fs::path(L"\u05D0\u05D1-\u0E01\u0E02"));
    Put(RefusingFilter(), foreign);
    EXPECT_EQ(kFilterLoaded, Run(foreign, StartedIn()));

    // Within MAX_PATH characters, but more than MAX_PATH bytes in GBK: too
    // long for a narrow path buffer.
    fs::path deep;
    std::wstring level(30, L'\u5927');
    while ((m_root / deep).wstring().size() + level.size() < MAX_PATH - 40) deep /= level;
    fs::path longHost = MakeHost(deep);
    std::wstring exe = (longHost / "lobby.exe").wstring();
    ASSERT_LT(exe.size(), static_cast<size_t>(MAX_PATH));
    ASSERT_GT(::WideCharToMultiByte(936, 0, exe.c_str(), -1, nullptr, 0, nullptr, nullptr), MAX_PATH);
    Put(RefusingFilter(), longHost);
    EXPECT_EQ(kFilterLoaded, Run(longHost, StartedIn()));
}

TEST(LibrarySearch, SystemLibrariesComeFromTheSystemFolderAndBareNamesNeverFromTheCurrentOne) {
    HMODULE atl = LoadSystemLibrary(L"atl.dll");
    ASSERT_NE(nullptr, atl);
    wchar_t loaded[MAX_PATH] = {0};
    wchar_t system[MAX_PATH] = {0};
    ::GetModuleFileNameW(atl, loaded, MAX_PATH);
    ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(0, _wcsicmp((std::wstring(system) + L"\\atl.dll").c_str(), loaded)) << loaded;
    EXPECT_EQ(nullptr, LoadSystemLibrary(L"no_such_library.dll"));
    EXPECT_EQ(nullptr, LoadSystemLibrary(nullptr));

    EXPECT_EQ(nullptr, LoadLibraryBesideHost(nullptr));
    EXPECT_EQ(nullptr, LoadLibraryBesideHost(""));
    EXPECT_EQ(nullptr, LoadLibraryBesideHost("library_probe.exe"));
    EXPECT_EQ(Bin().wstring(), fs::path(HostDirectory()).wstring());
}
