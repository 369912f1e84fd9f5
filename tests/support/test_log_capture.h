// For tests: puts the process-wide debug log into its queue mode for the life
// of the object and hands back what was queued, without the stamp. At the end
// the manager releases the log, so later diagnostics are dropped again.
#ifndef LOBBYUI_TESTS_TEST_LOG_CAPTURE_H
#define LOBBYUI_TESTS_TEST_LOG_CAPTURE_H

#include <string.h>

#include <string>
#include <vector>

#include "support/debug_log.h"
#include "support/object_manager.h"

class TestLogCapture {
public:
    TestLogCapture() : m_log(NvtDebugLog::Get()) {
        Take();
        m_log->SetMode(NvtDebugLog::kModeQueue);
    }
    ~TestLogCapture() {
        Take();
        NvtObjectManager::Instance()->Clear();
    }
    TestLogCapture(const TestLogCapture&) = delete;
    TestLogCapture& operator=(const TestLogCapture&) = delete;

    // The queued messages, oldest first, each without its "[..][..]" stamp.
    std::vector<std::string> Take() {
        std::vector<std::string> messages;
        char line[NvtDebugLog::kLineSize];
        while (m_log->TakeLine(line, sizeof(line))) {
            const char* stampEnd = strchr(line, ']');
            stampEnd = stampEnd ? strchr(stampEnd + 1, ']') : nullptr;
            messages.push_back(stampEnd ? stampEnd + 1 : line);
        }
        return messages;
    }

private:
    NvtDebugLog* m_log;
};

#endif
