#include "support/debug_log.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// Records what reaches each output; the log calls it under its own lock.
class RecordingSink : public NvtDebugSink {
public:
    DebugStamp Now() override { return stamp; }
    void ToStandardOutput(const char* line) override { standardOutput.push_back(line); }
    void ToDebugger(const char* line) override { debugger.push_back(line); }
    void ToWindow(const char* line) override { window.push_back(line); }

    DebugStamp stamp = {9, 5, 3, 412};
    std::vector<std::string> standardOutput, debugger, window;
};

TEST(DebugLogTest, EachModeSendsTheStampedLineToItsOutput) {
    RecordingSink sink;
    NvtDebugLog log(sink);
    EXPECT_EQ(NvtDebugLog::kModeStandardOutput, log.GetMode());
    log.Write("zero");
    log.SetMode(NvtDebugLog::kModeDebugger);
    log.Write("one");
    log.SetMode(NvtDebugLog::kModeWindow);
    sink.stamp = {23, 59, 0, 123456};
    log.Write("two");
    EXPECT_EQ((std::vector<std::string>{"[09:05:03][0412]zero"}), sink.standardOutput);
    EXPECT_EQ((std::vector<std::string>{"[09:05:03][0412]one"}), sink.debugger);
    EXPECT_EQ((std::vector<std::string>{"[23:59:00][123456]two"}), sink.window);

    // Modes outside 0..4 write nowhere.
    for (int mode : {5, -1}) {
        log.SetMode(mode);
        log.Write("lost");
    }
    EXPECT_EQ(3u, sink.standardOutput.size() + sink.debugger.size() + sink.window.size());
    EXPECT_EQ(0u, log.GetQueuedLineCount());

    // A long message is cut to the 256-byte line, terminator included.
    log.SetMode(NvtDebugLog::kModeDebugger);
    log.Write(std::string(400, 'x').c_str());
    EXPECT_EQ(255u, sink.debugger.back().size());
}

TEST(DebugLogTest, QueueKeeps1000LinesDropsTheRestAndReadsOldestFirst) {
    RecordingSink sink;
    NvtDebugLog log(sink);
    log.SetMode(NvtDebugLog::kModeQueue);
    for (int i = 0; i < 1001; ++i) log.Write(std::to_string(i).c_str());
    EXPECT_EQ(1000u, log.GetQueuedLineCount());
    EXPECT_EQ(0u, log.GetFreeLineBuffers());

    char line[NvtDebugLog::kLineSize];
    ASSERT_TRUE(log.TakeLine(line, sizeof(line)));
    EXPECT_STREQ("[09:05:03][0412]0", line);
    log.Write("late");  // one buffer came back, so one more line fits
    for (int i = 1; i < 1000; ++i) {
        ASSERT_TRUE(log.TakeLine(line, sizeof(line)));
        ASSERT_EQ("[09:05:03][0412]" + std::to_string(i), std::string(line));
    }
    ASSERT_TRUE(log.TakeLine(line, sizeof(line)));
    EXPECT_STREQ("[09:05:03][0412]late", line);
    EXPECT_FALSE(log.TakeLine(line, sizeof(line)));
    EXPECT_EQ(1000u, log.GetFreeLineBuffers());
}

TEST(DebugLogTest, LineQueueRefusesWhenFullAndWraps) {
    NvtLineQueue queue(3);
    char a[] = "a", b[] = "b", c[] = "c", d[] = "d";
    EXPECT_TRUE(queue.Append(a));
    EXPECT_TRUE(queue.Append(b));
    EXPECT_TRUE(queue.Append(c));
    EXPECT_FALSE(queue.Append(d));
    EXPECT_EQ(3u, queue.GetCount());
    EXPECT_EQ(a, queue.TakeOldest());
    EXPECT_TRUE(queue.Append(d));  // goes into the freed place at the front
    EXPECT_EQ(b, queue.TakeOldest());
    EXPECT_EQ(c, queue.TakeOldest());
    EXPECT_EQ(d, queue.TakeOldest());
    EXPECT_EQ(nullptr, queue.TakeOldest());
    EXPECT_EQ(0u, queue.GetCount());
    EXPECT_TRUE(queue.Append(a));
    EXPECT_EQ(1u, queue.GetCount());
}

TEST(DebugLogTest, FileModeAppendsEachLineAndFlushes) {
    const char* path = "debug_log_test_output.txt";
    remove(path);
    {
        RecordingSink sink;
        NvtDebugLog log(sink);
        log.SetMode(NvtDebugLog::kModeFile);
        log.Write("before the file");  // no file yet: nothing
        ASSERT_TRUE(log.OpenFile(path));
        log.Write("first");
        log.Write("second");
        FILE* file = fopen(path, "r");
        ASSERT_NE(nullptr, file);
        char text[128] = "";
        size_t read = fread(text, 1, sizeof(text) - 1, file);
        text[read] = '\0';
        fclose(file);
        EXPECT_STREQ("[09:05:03][0412]first\n[09:05:03][0412]second\n", text);
    }
    remove(path);
}

TEST(DebugLogTest, SwitchTakesAModeDigitAndAFileOnlyForMode4) {
    int mode = -1;
    std::string file = "unchanged";
    EXPECT_TRUE(ParseDebugLogSwitch("3", mode, file));
    EXPECT_EQ(3, mode);
    EXPECT_EQ("", file);
    EXPECT_TRUE(ParseDebugLogSwitch("4,C:\\logs\\lobby.log", mode, file));
    EXPECT_EQ(4, mode);
    EXPECT_EQ("C:\\logs\\lobby.log", file);
    for (const char* bad : {"", "4", "4,", "5", "-1", "33", "1,file", "x", " 1"}) {
        mode = -1;
        EXPECT_FALSE(ParseDebugLogSwitch(bad, mode, file)) << bad;
        EXPECT_EQ(-1, mode);
    }
    EXPECT_FALSE(ParseDebugLogSwitch(nullptr, mode, file));
}

TEST(DebugLogTest, PrintfIsSilentUntilAnOutputIsChosen) {
    NvtDebugLog* log = NvtDebugLog::Get();
    ASSERT_NE(nullptr, log);
    if (log->IsOutputChosen()) {
        // An earlier test chose one for the process-wide log: start afresh.
        NvtObjectManager::Instance()->Clear();
        log = NvtDebugLog::Get();
    }
    char line[NvtDebugLog::kLineSize];
    while (log->TakeLine(line, sizeof(line))) {
    }
    // Mode 0, nothing chosen: dropped (a test cannot see stdout, but the
    // queue proves the message was not formatted into the log at all).
    DebugLogPrintf("quiet %d", 1);
    log->SetMode(NvtDebugLog::kModeQueue);
    DebugLogPrintf("heard %d %s", 2, "x");
    ASSERT_TRUE(log->TakeLine(line, sizeof(line)));
    EXPECT_STREQ("heard 2 x", strchr(strchr(line, ']') + 1, ']') + 1);
    EXPECT_FALSE(log->TakeLine(line, sizeof(line)));
    NvtObjectManager::Instance()->Clear();
}

TEST(DebugLogTest, EnvironmentSwitchChoosesTheModeOfTheProcessLog) {
    NvtObjectManager::Instance()->Clear();
#if defined(_WIN32)
    _putenv("LOBBYUI_DEBUGLOG=9");
#else
    setenv("LOBBYUI_DEBUGLOG", "9", 1);
#endif
    EXPECT_FALSE(ApplyDebugLogSwitch());
    EXPECT_EQ(nullptr, NvtDebugLog::Existing());
#if defined(_WIN32)
    _putenv("LOBBYUI_DEBUGLOG=3");
#else
    setenv("LOBBYUI_DEBUGLOG", "3", 1);
#endif
    ASSERT_TRUE(ApplyDebugLogSwitch());
    NvtDebugLog* log = NvtDebugLog::Existing();
    ASSERT_NE(nullptr, log);
    EXPECT_EQ(NvtDebugLog::kModeQueue, log->GetMode());
    DebugLogPrintf("switched");
    EXPECT_EQ(1u, log->GetQueuedLineCount());
#if defined(_WIN32)
    _putenv("LOBBYUI_DEBUGLOG=");
#else
    unsetenv("LOBBYUI_DEBUGLOG");
#endif
    NvtObjectManager::Instance()->Clear();
}

// Writers on several threads: in the queue mode with a reader draining, and
// in a locked mode; every line arrives whole or is counted as dropped.
TEST(DebugLogStressTest, ConcurrentWritersAndAReaderLoseNothingSilently) {
    RecordingSink sink;
    NvtDebugLog log(sink);
    log.SetMode(NvtDebugLog::kModeQueue);
    const int kWriters = 4;
    const int kLinesEach = 600;
    std::atomic<int> writersDone{0};
    std::atomic<int> taken{0};
    std::thread reader([&] {
        char line[NvtDebugLog::kLineSize];
        for (;;) {
            const bool last = writersDone.load() == kWriters;
            while (log.TakeLine(line, sizeof(line))) {
                if (strncmp(line, "[09:05:03][0412]w", 17) != 0) ADD_FAILURE() << line;
                taken.fetch_add(1);
            }
            if (last) break;
            std::this_thread::yield();
        }
    });
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&log, &writersDone, w] {
            for (int i = 0; i < kLinesEach; ++i) log.Write(("w" + std::to_string(w) + "-" + std::to_string(i)).c_str());
            writersDone.fetch_add(1);
        });
    }
    for (std::thread& t : writers) t.join();
    reader.join();
    EXPECT_LE(taken.load(), kWriters * kLinesEach);
    EXPECT_GE(taken.load(), 1000);  // at least what fits without a reader
    EXPECT_EQ(1000u, log.GetFreeLineBuffers());

    log.SetMode(NvtDebugLog::kModeDebugger);
    writers.clear();
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&log] {
            for (int i = 0; i < 200; ++i) log.Write("locked");
        });
    for (std::thread& t : writers) t.join();
    EXPECT_EQ(static_cast<size_t>(kWriters * 200), sink.debugger.size());
}

}  // namespace
