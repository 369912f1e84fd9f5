#include "support/debug_log.h"

#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

#include <new>

#include "support/debug_window.h"

// ---- line queue ----

NvtLineQueue::NvtLineQueue(unsigned int capacity)
    : m_ppLines(new char*[capacity == 0 ? 1 : capacity]()), m_nCapacity(capacity == 0 ? 1 : capacity) {}

NvtLineQueue::~NvtLineQueue() { delete[] m_ppLines; }

bool NvtLineQueue::Append(char* line) {
    NvtLockGuard guard(m_lock);
    if (m_nHead == -1) {
        m_ppLines[0] = line;
        m_nHead = 0;
        m_nTail = 1 % m_nCapacity;
        return true;
    }
    if (m_nTail == static_cast<unsigned int>(m_nHead)) return false;
    m_ppLines[m_nTail] = line;
    m_nTail = (m_nTail + 1) % m_nCapacity;
    return true;
}

char* NvtLineQueue::TakeOldest() {
    NvtLockGuard guard(m_lock);
    if (m_nHead == -1) return nullptr;
    char* line = m_ppLines[m_nHead];
    m_nHead = static_cast<int>((static_cast<unsigned int>(m_nHead) + 1) % m_nCapacity);
    if (static_cast<unsigned int>(m_nHead) == m_nTail) {
        m_nHead = -1;
        m_nTail = 0;
    }
    return line;
}

unsigned int NvtLineQueue::GetCount() {
    NvtLockGuard guard(m_lock);
    if (m_nHead == -1) return 0;
    unsigned int span = (m_nTail + m_nCapacity - static_cast<unsigned int>(m_nHead)) % m_nCapacity;
    return span == 0 ? m_nCapacity : span;
}

// ---- outputs ----

namespace {

class PlatformSink : public NvtDebugSink {
public:
    DebugStamp Now() override { return DebugStampNow(); }
    void ToStandardOutput(const char* line) override {
        fprintf(stdout, "%s\n", line);
        fflush(stdout);
    }
    void ToDebugger(const char* line) override { DebugOutputToDebugger(line); }
    void ToWindow(const char* line) override {
        if (NvtDebugWindow* window = NvtDebugWindow::Get()) window->AddLine(line);
    }
};

}  // namespace

NvtDebugSink& PlatformDebugSink() {
    static PlatformSink sink;
    return sink;
}

void FormatDebugLine(char* out, size_t size, const DebugStamp& stamp, const char* message) {
    if (!out || size == 0) return;
    snprintf(out, size, "[%02d:%02d:%02d][%04lu]%s", stamp.hour, stamp.minute, stamp.second, stamp.threadId,
             message ? message : "");
}

// ---- the log ----

NvtDebugLog::NvtDebugLog(NvtDebugSink& sink)
    : m_pQueue(new NvtLineQueue(kLineCount)), m_pLinePool(new NvtBlockPool(kLineCount, kLineSize)), m_sink(sink) {
    m_szLine[0] = '\0';
}

NvtDebugLog::~NvtDebugLog() {
    delete m_pQueue;
    delete m_pLinePool;
    if (m_pFile) fclose(m_pFile);
}

void NvtDebugLog::SetMode(int mode) {
    m_nMode.store(mode, std::memory_order_relaxed);
    m_bOutputChosen.store(true, std::memory_order_relaxed);
}

bool NvtDebugLog::OpenFile(const char* path) {
    if (!path || !*path) return false;
    FILE* file = fopen(path, "a");
    if (!file) return false;
    NvtLockGuard guard(m_lock);
    if (m_pFile) fclose(m_pFile);
    m_pFile = file;
    return true;
}

void NvtDebugLog::Write(const char* message) {
    const int mode = GetMode();
    if (mode == kModeQueue) {
        // Only the pool's and the queue's own locks: a writer in this mode
        // never waits on a slow output.
        char* line = static_cast<char*>(m_pLinePool->Take(kLineSize));
        if (!line) return;
        FormatDebugLine(line, kLineSize, m_sink.Now(), message);
        if (!m_pQueue->Append(line)) m_pLinePool->Give(line);
        return;
    }
    if (mode < kModeStandardOutput || mode > kModeFile) return;

    NvtLockGuard guard(m_lock);
    FormatDebugLine(m_szLine, sizeof(m_szLine), m_sink.Now(), message);
    switch (mode) {
    case kModeStandardOutput:
        m_sink.ToStandardOutput(m_szLine);
        break;
    case kModeDebugger:
        m_sink.ToDebugger(m_szLine);
        break;
    case kModeWindow:
        m_sink.ToWindow(m_szLine);
        break;
    case kModeFile:
        if (m_pFile) {
            fprintf(m_pFile, "%s\n", m_szLine);
            fflush(m_pFile);
        }
        break;
    default:
        break;
    }
}

bool NvtDebugLog::TakeLine(char* out, size_t size) {
    char* line = m_pQueue->TakeOldest();
    if (!line) return false;
    if (out && size > 0) snprintf(out, size, "%s", line);
    m_pLinePool->Give(line);
    return true;
}

// ---- the singleton ----

NvtDebugLog* NvtDebugLog::Get() { return ManagedSingleton<NvtDebugLog>::Get(); }

NvtDebugLog* NvtDebugLog::Existing() { return ManagedSingleton<NvtDebugLog>::Existing(); }

void DebugLogPrintf(const char* format, ...) {
    // A log that does not exist yet is in mode 0 with no output chosen, and
    // would drop the message: do not make one for it.
    NvtDebugLog* log = NvtDebugLog::Existing();
    if (!log || !format) return;
    if (log->GetMode() != NvtDebugLog::kModeQueue && !log->IsOutputChosen()) return;
    char message[NvtDebugLog::kLineSize];
    va_list args;
    va_start(args, format);
    vsnprintf(message, sizeof(message), format, args);
    va_end(args);
    log->Write(message);
}

bool ParseDebugLogSwitch(const char* text, int& mode, std::string& file) {
    if (!text || text[0] < '0' || text[0] > '4') return false;
    const int parsed = text[0] - '0';
    if (text[1] == '\0') {
        if (parsed == NvtDebugLog::kModeFile) return false;
        mode = parsed;
        file.clear();
        return true;
    }
    if (text[1] != ',' || text[2] == '\0' || parsed != NvtDebugLog::kModeFile) return false;
    mode = parsed;
    file = text + 2;
    return true;
}

bool ApplyDebugLogSwitch() {
    int mode = 0;
    std::string file;
    if (!ParseDebugLogSwitch(getenv("LOBBYUI_DEBUGLOG"), mode, file)) return false;
    NvtDebugLog* log = NvtDebugLog::Get();
    if (!log) return false;
    if (mode == NvtDebugLog::kModeFile && !log->OpenFile(file.c_str())) return false;
    log->SetMode(mode);
    return true;
}
