// NvtDebugLog: where the library's internal diagnostics go. Each line is
// stamped "[hh:mm:ss][tttt]" (local time, thread id) and sent to the output
// its mode chooses: standard output, the debugger, the debug window, an
// in-memory queue or a file.
//
// Nothing is recorded until an output has been chosen, by SetMode or by the
// LOBBYUI_DEBUGLOG=<mode>[,<file>] switch read at load, except in the queue
// mode: a library in a host's GUI process must stay silent by default.
#ifndef LOBBYUI_SUPPORT_DEBUG_LOG_H
#define LOBBYUI_SUPPORT_DEBUG_LOG_H

#include <stddef.h>
#include <stdio.h>

#include <atomic>
#include <string>

#include "support/block_pool.h"
#include "support/lock.h"
#include "support/object_manager.h"
#include "support/platform.h"

// Ring of line pointers: appending to an empty queue starts at 0, a full one
// (tail back at head) refuses the line.
class NvtLineQueue {
public:
    explicit NvtLineQueue(unsigned int capacity);
    ~NvtLineQueue();
    NvtLineQueue(const NvtLineQueue&) = delete;
    NvtLineQueue& operator=(const NvtLineQueue&) = delete;

    bool Append(char* line);
    // The oldest line, or null when the queue is empty.
    char* TakeOldest();
    unsigned int GetCount();

private:
    char** m_ppLines;
    unsigned int m_nCapacity;
    int m_nHead = -1;
    unsigned int m_nTail = 0;
    NvtLock m_lock;
};

// Where the lines of modes 0, 1 and 2 go and where the stamp comes from; a
// test gives the log one of its own.
class NvtDebugSink {
public:
    virtual ~NvtDebugSink() = default;
    virtual DebugStamp Now() = 0;
    virtual void ToStandardOutput(const char* line) = 0;
    virtual void ToDebugger(const char* line) = 0;
    virtual void ToWindow(const char* line) = 0;
};

// The real outputs: stdout, the platform's debugger channel, NvtDebugWindow.
NvtDebugSink& PlatformDebugSink();

// Builds "[hh:mm:ss][tttt]message" into out, cut to size.
void FormatDebugLine(char* out, size_t size, const DebugStamp& stamp, const char* message);

class NvtDebugLog : public NvtObject {
public:
    static constexpr int kModeStandardOutput = 0;
    static constexpr int kModeDebugger = 1;
    static constexpr int kModeWindow = 2;
    static constexpr int kModeQueue = 3;
    static constexpr int kModeFile = 4;
    static constexpr unsigned int kLineCount = 1000;
    static constexpr size_t kLineSize = 256;

    explicit NvtDebugLog(NvtDebugSink& sink = PlatformDebugSink());
    ~NvtDebugLog() override;

    // The process-wide log, made and registered with the object manager on
    // first use.
    static NvtDebugLog* Get();
    // The process-wide log if it has been made, without making it.
    static NvtDebugLog* Existing();

    const char* GetClassName() const override { return "NvtDebugLog"; }

    void Write(const char* message);

    int GetMode() const { return m_nMode.load(std::memory_order_relaxed); }
    // Chooses an output: from now on DebugLogPrintf passes every message on.
    void SetMode(int mode);
    bool IsOutputChosen() const { return m_bOutputChosen.load(std::memory_order_relaxed); }
    // Opens (appending) the file of mode 4, closing any previous one.
    bool OpenFile(const char* path);

    // Reading the queue of mode 3: copies the oldest line into out (cut to
    // size) and gives its buffer back. False when the queue is empty.
    bool TakeLine(char* out, size_t size);
    unsigned int GetQueuedLineCount() { return m_pQueue->GetCount(); }
    unsigned int GetFreeLineBuffers() { return m_pLinePool->FreeCount(); }

private:
    NvtLineQueue* m_pQueue;
    std::atomic<int> m_nMode{kModeStandardOutput};
    char m_szLine[kLineSize];
    NvtBlockPool* m_pLinePool;
    NvtLock m_lock;
    FILE* m_pFile = nullptr;
    std::atomic<bool> m_bOutputChosen{false};
    NvtDebugSink& m_sink;
};

// printf-style diagnostics of the library, formatted into 256 bytes. Passed
// to the log when it is in the queue mode or an output has been chosen;
// dropped otherwise (and then no log is made for them).
void DebugLogPrintf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Parses "<mode>[,<file>]": mode a single digit 0 to 4, a file only with
// mode 4 and required there. False for anything else.
bool ParseDebugLogSwitch(const char* text, int& mode, std::string& file);

// Reads LOBBYUI_DEBUGLOG and, when it is well formed (and its file opens),
// makes the log and chooses its mode. Meant to be called once at load.
bool ApplyDebugLogSwitch();

#endif
