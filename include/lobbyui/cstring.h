// CString: a narrow string of bytes (GBK text in this library), with the
// names of the well-known framework's class. Header-only and portable, so a
// host and the portable core use the same type; it never interprets bytes.
#ifndef LOBBYUI_CSTRING_H
#define LOBBYUI_CSTRING_H

#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text && length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string()) {}
    CString(const std::string& text) : m_text(text) {}

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    char GetAt(int i) const { return m_text.at(static_cast<size_t>(i)); }
    CString Left(int n) const { return CString(m_text.substr(0, Clamp(n))); }
    CString Mid(int first) const { return first >= GetLength() ? CString() : CString(m_text.substr(Clamp(first))); }
    int Find(char c) const { size_t p = m_text.find(c); return p == std::string::npos ? -1 : static_cast<int>(p); }
    int Compare(const char* other) const { return strcmp(m_text.c_str(), other ? other : ""); }

    CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
    CString& operator+=(const CString& o) { m_text += o.m_text; return *this; }
    CString& operator+=(const char* text) { if (text) m_text += text; return *this; }
    CString& operator+=(char c) { m_text += c; return *this; }
    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }

    // Only for formats written in this library's source. Texts read from files
    // go through the library's checked formatter instead.
    void Format(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
    {
        va_list args;
        va_start(args, format);
        FormatV(format, args);
        va_end(args);
    }
    void FormatV(const char* format, va_list args) {
        va_list probe;
        va_copy(probe, args);
        int needed = vsnprintf(nullptr, 0, format, probe);
        va_end(probe);
        if (needed < 0) { m_text.clear(); return; }
        std::string out(static_cast<size_t>(needed) + 1, '\0');
        vsnprintf(&out[0], out.size(), format, args);
        out.resize(static_cast<size_t>(needed));
        m_text.swap(out);
    }

private:
    size_t Clamp(int n) const { return n <= 0 ? 0 : static_cast<size_t>(n); }
    std::string m_text;
};

#endif
