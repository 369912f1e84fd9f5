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

struct Spec {
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
size_t ParseSpec(const char* format, size_t start, Spec* spec) {
    size_t pos = start + 1;
    for (;;) {
        char c = format[pos];
        if (c == '-') spec->flags |= kMinus;
        else if (c == '+') spec->flags |= kPlus;
        else if (c == ' ') spec->flags |= kSpace;
        else if (c == '#') spec->flags |= kHash;
        else if (c == '0') spec->flags |= kZero;
        else break;
        ++pos;
    }
    spec->width = ReadNumber(format, &pos);
    if (format[pos] == '.') {
        ++pos;
        spec->hasPrecision = true;
        spec->precision = ReadNumber(format, &pos);
    }
    if (format[pos] == 'l') {
        spec->longModifier = true;
        ++pos;
    }
    spec->conversion = format[pos];
    return spec->conversion ? pos + 1 : pos;
}

void WriteInt(SlotWriter& out, const Spec& spec, int32_t value) {
    const char c = spec.conversion;
    const bool isSigned = c == 'd' || c == 'i';
    const unsigned base = (c == 'x' || c == 'X') ? 16 : c == 'o' ? 8 : 10;
    const char* digitSet = c == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";

    uint64_t magnitude;
    char sign = '\0';
    if (isSigned) {
        int64_t v = value;
        magnitude = static_cast<uint64_t>(v < 0 ? -v : v);
        if (v < 0) sign = '-';
        else if (spec.flags & kPlus) sign = '+';
        else if (spec.flags & kSpace) sign = ' ';
    } else {
        magnitude = static_cast<uint32_t>(value);
    }

    char digits[24];
    size_t count = 0;
    if (!(spec.hasPrecision && spec.precision == 0 && magnitude == 0)) {
        do {
            digits[count++] = digitSet[magnitude % base];
            magnitude /= base;
        } while (magnitude);
    }
    size_t zeros = spec.hasPrecision && spec.precision > count ? spec.precision - count : 0;
    const char* prefix = "";
    if (spec.flags & kHash) {
        if (base == 8 && zeros == 0 && (count == 0 || digits[count - 1] != '0')) zeros = 1;
        if (base == 16 && static_cast<uint32_t>(value) != 0) prefix = c == 'X' ? "0X" : "0x";
    }
    const size_t prefixLength = strlen(prefix);
    const size_t total = (sign ? 1 : 0) + prefixLength + zeros + count;
    const size_t pad = spec.width > total ? spec.width - total : 0;
    const bool zeroPad = (spec.flags & kZero) && !(spec.flags & kMinus) && !spec.hasPrecision;

    if (!(spec.flags & kMinus) && !zeroPad) out.Pad(' ', pad);
    if (sign) out.Put(sign);
    out.Put(prefix, prefixLength);
    if (zeroPad) out.Pad('0', pad);
    out.Pad('0', zeros);
    while (count && !out.Full()) out.Put(digits[--count]);
    if (spec.flags & kMinus) out.Pad(' ', pad);
}

void WriteText(SlotWriter& out, const Spec& spec, const char* text) {
    size_t n = strlen(text);
    if (spec.hasPrecision && spec.precision < n) n = spec.precision;
    const size_t pad = spec.width > n ? spec.width - n : 0;
    if (!(spec.flags & kMinus)) out.Pad(' ', pad);
    out.Put(text, n);
    if (spec.flags & kMinus) out.Pad(' ', pad);
}

bool Accepts(const FormatArg& arg, const Spec& spec) {
    if (arg.kind() == FormatArg::kText) return spec.conversion == 's' && !spec.longModifier;
    return spec.conversion != '\0' && strchr("diuxXo", spec.conversion) != nullptr;
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
        Spec spec;
        const size_t end = ParseSpec(format, pos, &spec);
        if (spec.conversion == '%') {
            out.Put('%');
        } else if (next < argCount && Accepts(args[next], spec)) {
            if (args[next].kind() == FormatArg::kText) WriteText(out, spec, args[next].text());
            else WriteInt(out, spec, args[next].value());
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
