#include "support/html_trace.h"

#include "scratch_directory.h"
#include "support/texts_gbk.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <memory>
#include <string>

namespace {

struct tm FixedTime() {
    struct tm t = {};
    t.tm_hour = 10;
    t.tm_min = 20;
    t.tm_sec = 30;
    t.tm_mday = 7;
    t.tm_mon = 11;
    t.tm_year = 126;
    return t;
}

void SetVariable(const char* name, const char* value) {
#if defined(_WIN32)
    _putenv_s(name, value);
#else
    if (*value) setenv(name, value, 1);
    else unsetenv(name);
#endif
}

class HtmlTraceTest : public ::testing::Test {
protected:
    void SetUp() override { previousClock = SetTraceClock(FixedTime); }
    void TearDown() override {
        g_pHtmlTrace = nullptr;
        SetTraceClock(previousClock);
    }
    // A writer on a file of its own, installed as the one in use.
    CHtmlTrace* Open(const char* name) {
        FILE* f = fopen(name, "wb");
        writer.reset(new CHtmlTrace(f, true));
        g_pHtmlTrace = writer.get();
        return writer.get();
    }
    std::string Close(const char* name) {
        g_pHtmlTrace = nullptr;
        writer.reset();
        return ScratchDirectory::Read(name);
    }

    ScratchDirectory dir;
    TraceClock previousClock = nullptr;
    std::unique_ptr<CHtmlTrace> writer;
};

}  // namespace

TEST_F(HtmlTraceTest, FontTagsOpenOnlyWhenTheColourChanges) {
    Open("t.html");
    Trace("a %d", 1);
    Trace("b");
    TraceError("%s(%d), %d", "DIRSOUND::hasSound", -1, 229);
    Trace("c");
    EXPECT_EQ("<font color=#000000>10:20:30 a 1<br>10:20:30 b<br>"
              "</font><font color=#FF0000>10:20:30 DIRSOUND::hasSound(-1), 229<br>"
              "</font><font color=#000000>10:20:30 c<br>",
              Close("t.html"));

    // A second writer starts its file with a tag of its own.
    Open("u.html");
    Trace("d");
    EXPECT_EQ("<font color=#000000>10:20:30 d<br>", Close("u.html"));
}

TEST_F(HtmlTraceTest, MessagesAreCutAt511BytesWithoutSplittingACharacter) {
    Open("t.html");
    Trace("%s", std::string(600, 'x').c_str());
    TraceError("%s%s", std::string(510, 'y').c_str(), kGbkLevel);
    const std::string expected = "<font color=#000000>10:20:30 " + std::string(511, 'x') + "<br></font>" +
                                 "<font color=#FF0000>10:20:30 " + std::string(510, 'y') + "<br>";
    EXPECT_EQ(expected, Close("t.html"));
}

TEST_F(HtmlTraceTest, NothingIsWrittenWithoutAnEnabledWriter) {
    Trace("no writer");
    TraceError("no writer");
    CHtmlTrace* w = Open("t.html");
    w->Enable(false);
    Trace("disabled");
    w->Enable(true);
    Trace("on");
    EXPECT_EQ("<font color=#000000>10:20:30 on<br>", Close("t.html"));
}

TEST_F(HtmlTraceTest, EnvironmentInstallsAWriterOnTheNamedFileOnly) {
    SetVariable("LOBBYUI_TRACE", "");
    InstallTraceFromEnvironment();
    EXPECT_EQ(nullptr, g_pHtmlTrace);

    SetVariable("LOBBYUI_TRACE", "env.html");
    InstallTraceFromEnvironment();
    ASSERT_NE(nullptr, g_pHtmlTrace);
    Trace("at load");
    RemoveInstalledTrace();
    EXPECT_EQ(nullptr, g_pHtmlTrace);
    SetVariable("LOBBYUI_TRACE", "");
    EXPECT_EQ("<font color=#000000>10:20:30 at load<br>", ScratchDirectory::Read("env.html"));
}
