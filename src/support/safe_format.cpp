#include "support/safe_format.h"

#include <string.h>

namespace {

// Widths and precisions beyond this cannot show in any slot; capping them
// keeps a hostile "%999999999d" from costing a billion pad bytes.
const size_t kMaxWidth = 4096;

enum Flag { kMinus = 1, kPlus = 2, kSpace = 4, kHash = 8, kZero = 16 };

class SlotWriter {
public:
    SlotWriter(char* slot, size_t slotSize) : m_slot(slot), m_room(slotSize ? slotSize - 1 : 0) {}

    bool Full() const { return m_cut; }
    void Put(char c) {
        if (m_length < m_room) m_slot[m_length++] = c;
        else m_cut = true;
    }
    void Put(const char* text, size_t n) {
        for (size_t i = 0; i < n && !m_cut; ++i) Put(text[i]);
    }
    void Pad(char c, size_t n) {
        for (size_t i = 0; i < n && !m_cut; ++i) Put(c);
    }
    size_t Finish() {
        if (m_cut) m_length = GbkWholeLength(m_slot, m_length);
        m_slot[m_length] = '\0';
        return m_length;
    }

private:
    char* m_slot;
    size_t m_room;
    size_t m_length = 0;
    bool m_cut = false;
};

struct Conversion {
    unsigned flags = 0;
    size_t width = 0;
    bool hasPrecision = false;
    size_t precision = 0;
    bool longModifier = false;
    char conversion = '\0';
};

size_t ReadNumber(const char* format, size_t* pos) {
    size_t n = 0;
    while (format[*pos] >= '0' && format[*pos] <= '9') {
        n = n * 10 + static_cast<size_t>(format[*pos] - '0');
        if (n > kMaxWidth) n = kMaxWidth;
        ++*pos;
    }
    return n;
}

// Parses the conversion that starts at format[start] == '%'; returns the
// position just behind it (behind the text when it is cut short).
size_t ParseConversion(const char* format, size_t start, Conversion* conv) {
    size_t pos = start + 1;
    for (;;) {
        char c = format[pos];
        if (c == '-') conv->flags |= kMinus;
        else if (c == '+') conv->flags |= kPlus;
        else if (c == ' ') conv->flags |= kSpace;
        else if (c == '#') conv->flags |= kHash;
        else if (c == '0') conv->flags |= kZero;
        else break;
        ++pos;
    }
    conv->width = ReadNumber(format, &pos);
    if (format[pos] == '.') {
        ++pos;
        conv->hasPrecision = true;
        conv->precision = ReadNumber(format, &pos);
    }
    if (format[pos] == 'l') {
        conv->longModifier = true;
        ++pos;
    }
    conv->conversion = format[pos];
    return conv->conversion ? pos + 1 : pos;
}

void WriteInt(SlotWriter& out, const Conversion& conv, int32_t value) {
    const char c = conv.conversion;
    const bool isSigned = c == 'd' || c == 'i';
    const unsigned base = (c == 'x' || c == 'X') ? 16 : c == 'o' ? 8 : 10;
    const char* digitSet = c == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";

    uint64_t magnitude;
    char sign = '\0';
    if (isSigned) {
        int64_t v = value;
        magnitude = static_cast<uint64_t>(v < 0 ? -v : v);
        if (v < 0) sign = '-';
        else if (conv.flags & kPlus) sign = '+';
        else if (conv.flags & kSpace) sign = ' ';
    } else {
        magnitude = static_cast<uint32_t>(value);
    }

    char digits[24];
    size_t count = 0;
    if (!(conv.hasPrecision && conv.precision == 0 && magnitude == 0)) {
        do {
            digits[count++] = digitSet[magnitude % base];
            magnitude /= base;
        } while (magnitude);
    }
    size_t zeros = conv.hasPrecision && conv.precision > count ? conv.precision - count : 0;
    const char* prefix = "";
    if (conv.flags & kHash) {
        if (base == 8 && zeros == 0 && (count == 0 || digits[count - 1] != '0')) zeros = 1;
        if (base == 16 && static_cast<uint32_t>(value) != 0) prefix = c == 'X' ? "0X" : "0x";
    }
    const size_t prefixLength = strlen(prefix);
    const size_t total = (sign ? 1 : 0) + prefixLength + zeros + count;
    const size_t pad = conv.width > total ? conv.width - total : 0;
    const bool zeroPad = (conv.flags & kZero) && !(conv.flags & kMinus) && !conv.hasPrecision;

    if (!(conv.flags & kMinus) && !zeroPad) out.Pad(' ', pad);
    if (sign) out.Put(sign);
    out.Put(prefix, prefixLength);
    if (zeroPad) out.Pad('0', pad);
    out.Pad('0', zeros);
    while (count && !out.Full()) out.Put(digits[--count]);
    if (conv.flags & kMinus) out.Pad(' ', pad);
}

void WriteText(SlotWriter& out, const Conversion& conv, const char* text) {
    size_t n = strlen(text);
    if (conv.hasPrecision && conv.precision < n) n = conv.precision;
    const size_t pad = conv.width > n ? conv.width - n : 0;
    if (!(conv.flags & kMinus)) out.Pad(' ', pad);
    out.Put(text, n);
    if (conv.flags & kMinus) out.Pad(' ', pad);
}

bool Accepts(const FormatArg& arg, const Conversion& conv) {
    if (arg.kind() == FormatArg::kText) return conv.conversion == 's' && !conv.longModifier;
    return conv.conversion != '\0' && strchr("diuxXo", conv.conversion) != nullptr;
}

}  // namespace

size_t SafeFormat(char* slot, size_t slotSize, const char* format, const FormatArg* args, size_t argCount) {
    if (!slot || slotSize == 0) return 0;
    SlotWriter out(slot, slotSize);
    if (!format) return out.Finish();

    size_t next = 0;
    size_t pos = 0;
    while (format[pos] && !out.Full()) {
        if (format[pos] != '%') {
            out.Put(format[pos++]);
            continue;
        }
        Conversion conv;
        const size_t end = ParseConversion(format, pos, &conv);
        if (conv.conversion == '%') {
            out.Put('%');
        } else if (next < argCount && Accepts(args[next], conv)) {
            if (args[next].kind() == FormatArg::kText) WriteText(out, conv, args[next].text());
            else WriteInt(out, conv, args[next].value());
            ++next;
        } else {
            out.Put(format + pos, end - pos);
        }
        pos = end;
    }
    return out.Finish();
}

size_t GbkWholeLength(const char* text, size_t length) {
    size_t i = 0;
    while (i < length) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t width = (c >= 0x81 && c <= 0xFE) ? 2 : 1;
        if (i + width > length) break;
        i += width;
    }
    return i;
}

size_t CopyToSlot(char* slot, size_t slotSize, const char* text) {
    if (!slot || slotSize == 0) return 0;
    SlotWriter out(slot, slotSize);
    if (text) out.Put(text, strlen(text));
    return out.Finish();
}
