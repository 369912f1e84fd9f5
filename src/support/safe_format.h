// Formatting with texts of the text table as formats. A text from a file is
// data, not code: it may hold any conversion, so it never reaches printf.
// The caller declares the arguments it passes; a conversion of the text is
// filled only when it matches the next declared argument, every other
// conversion (%s without a declared text, %n, one too many) is written out
// as it stands, and the result never exceeds the caller's slot.
#ifndef LOBBYUI_SUPPORT_SAFE_FORMAT_H
#define LOBBYUI_SUPPORT_SAFE_FORMAT_H

#include <stddef.h>
#include <stdint.h>

#include <initializer_list>

class FormatArg {
public:
    enum Kind { kInt, kText };

    // Filled by %d and %i as signed, by %u, %x, %X and %o as its 32 bits unsigned.
    static FormatArg Int(int32_t value) { return FormatArg(kInt, value, nullptr); }
    // Filled by %s; null reads as an empty text.
    static FormatArg Text(const char* text) { return FormatArg(kText, 0, text); }

    Kind kind() const { return m_kind; }
    int32_t value() const { return m_value; }
    const char* text() const { return m_text ? m_text : ""; }

private:
    FormatArg(Kind kind, int32_t value, const char* text) : m_kind(kind), m_value(value), m_text(text) {}
    Kind m_kind;
    int32_t m_value;
    const char* m_text;
};

// Writes the formatted text into slot[0..slotSize) with its terminator and
// returns its length. Accepted conversions take the flags "-+ #0", a width and
// a precision written as digits, and an optional 'l'; "%%" (flags and width
// allowed, as printf does) writes one '%'. A result longer than the slot is
// cut before the last whole GBK character that fits.
size_t SafeFormat(char* slot, size_t slotSize, const char* format, const FormatArg* args, size_t argCount);

inline size_t SafeFormat(char* slot, size_t slotSize, const char* format, std::initializer_list<FormatArg> args) {
    return SafeFormat(slot, slotSize, format, args.begin(), args.size());
}

template <size_t N>
size_t SafeFormat(char (&slot)[N], const char* format, std::initializer_list<FormatArg> args) {
    return SafeFormat(slot, N, format, args.begin(), args.size());
}

// The length of the longest start of text[0..length) that does not end
// inside a two-byte GBK character.
size_t GbkWholeLength(const char* text, size_t length);

// Copies text into slot[0..slotSize) with its terminator, cut like SafeFormat's result.
size_t CopyToSlot(char* slot, size_t slotSize, const char* text);

#endif
