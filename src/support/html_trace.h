// The HTML trace writer: each line stamped with the local time, coloured
// black (Trace) or red (TraceError), and flushed at once so that a crash
// loses nothing. Silent unless a writer is installed: a host being debugged
// sets LOBBYUI_TRACE=<file.html> and the library installs one at load.
#ifndef LOBBYUI_SUPPORT_HTML_TRACE_H
#define LOBBYUI_SUPPORT_HTML_TRACE_H

#include <stdarg.h>
#include <stdio.h>
#include <time.h>

#if defined(__GNUC__)
#define LOBBYUI_PRINTF_LIKE(f, a) __attribute__((format(printf, f, a)))
#else
#define LOBBYUI_PRINTF_LIKE(f, a)
#endif

class CHtmlTrace {
public:
    // Messages longer than this are cut.
    static const size_t kMessageLimit = 511;

    // Writes into `file`; closes it on destruction only when it owns it.
    CHtmlTrace(FILE* file, bool ownsFile);
    ~CHtmlTrace();
    CHtmlTrace(const CHtmlTrace&) = delete;
    CHtmlTrace& operator=(const CHtmlTrace&) = delete;

    void Enable(bool enable) { m_bEnable = enable; }
    bool IsEnabled() const { return m_bEnable; }

    // `colour` is six hexadecimal digits. A font tag opens only when the
    // colour changes, closing the previous one.
    void WriteLine(const char* colour, const char* format, va_list args);

private:
    void Write(const char* text);

    FILE* m_pFile;
    bool m_bEnable = true;
    bool m_bOwnsFile;
    // Kept per writer, so that every file a writer starts opens its own tag.
    char m_szLastColour[7] = {0};
};

// The writer in use; null (the default) keeps every trace call silent.
extern CHtmlTrace* g_pHtmlTrace;

void Trace(const char* format, ...) LOBBYUI_PRINTF_LIKE(1, 2);
void TraceError(const char* format, ...) LOBBYUI_PRINTF_LIKE(1, 2);

// The local time the lines are stamped with; tests replace it. Null
// restores the system clock. Returns the clock it replaced.
using TraceClock = struct tm (*)();
TraceClock SetTraceClock(TraceClock clock);

// Call at process attach: installs a writer on the file named by the
// environment variable LOBBYUI_TRACE (created afresh); nothing when it is
// unset or empty or the file cannot be made.
void InstallTraceFromEnvironment();
// Call at process detach: removes the writer installed above and closes its file.
void RemoveInstalledTrace();

#endif
