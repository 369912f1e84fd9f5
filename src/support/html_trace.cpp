#include "support/html_trace.h"

#include <stdlib.h>
#include <string.h>

#include "support/safe_format.h"

CHtmlTrace* g_pHtmlTrace = nullptr;

namespace {

TraceClock s_clock = nullptr;
CHtmlTrace* s_installed = nullptr;

struct tm SystemLocalTime() {
    time_t now = time(nullptr);
    struct tm local;
#if defined(_WIN32)
    local = *localtime(&now);  // the C runtime keeps this buffer per thread
#else
    localtime_r(&now, &local);
#endif
    return local;
}

void WriteTo(const char* colour, const char* format, va_list args) {
    if (g_pHtmlTrace && g_pHtmlTrace->IsEnabled()) g_pHtmlTrace->WriteLine(colour, format, args);
}

}  // namespace

CHtmlTrace::CHtmlTrace(FILE* file, bool ownsFile) : m_pFile(file), m_bOwnsFile(ownsFile) {}

CHtmlTrace::~CHtmlTrace() {
    if (m_bOwnsFile && m_pFile) fclose(m_pFile);
    m_pFile = nullptr;
    m_bEnable = false;
}

void CHtmlTrace::Write(const char* text) { fputs(text, m_pFile); }

void CHtmlTrace::WriteLine(const char* colour, const char* format, va_list args) {
    if (!m_bEnable || !m_pFile) return;
    if (strncmp(colour, m_szLastColour, 6) != 0) {
        if (m_szLastColour[0]) Write("</font>");
        Write("<font color=#");
        Write(colour);
        Write(">");
        strncpy(m_szLastColour, colour, 6);
        m_szLastColour[6] = '\0';
    }

    struct tm local = s_clock ? s_clock() : SystemLocalTime();
    char stamp[64];
    if (strftime(stamp, sizeof stamp, "%X ", &local) == 0) stamp[0] = '\0';
    Write(stamp);

    char message[kMessageLimit + 1];
    int n = vsnprintf(message, sizeof message, format, args);
    // A cut must not leave half a GBK character (nicknames are traced).
    if (n > static_cast<int>(kMessageLimit)) message[GbkWholeLength(message, kMessageLimit)] = '\0';
    if (n < 0) message[0] = '\0';
    Write(message);
    Write("<br>");
    fflush(m_pFile);
}

void Trace(const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteTo("000000", format, args);
    va_end(args);
}

void TraceError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    WriteTo("FF0000", format, args);
    va_end(args);
}

TraceClock SetTraceClock(TraceClock clock) {
    TraceClock previous = s_clock;
    s_clock = clock;
    return previous;
}

void InstallTraceFromEnvironment() {
    const char* path = getenv("LOBBYUI_TRACE");
    if (!path || !*path || s_installed) return;
    FILE* file = fopen(path, "wb");
    if (!file) return;
    s_installed = new CHtmlTrace(file, true);
    g_pHtmlTrace = s_installed;
}

void RemoveInstalledTrace() {
    if (!s_installed) return;
    if (g_pHtmlTrace == s_installed) g_pHtmlTrace = nullptr;
    delete s_installed;
    s_installed = nullptr;
}
