// Feeds arbitrary formats, slot sizes and declared arguments to the formatter.
#include "support/safe_format.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6) return 0;
    const size_t slotSize = data[0];
    const unsigned kinds = data[1];
    int32_t number;
    memcpy(&number, data + 2, sizeof number);
    const std::string format(reinterpret_cast<const char*>(data + 6), size - 6);

    // Up to three declared arguments, each an integer or a text.
    FormatArg args[3] = {FormatArg::Int(number), FormatArg::Int(~number), FormatArg::Text("ab\xB5\xC8")};
    for (int i = 0; i < 3; ++i) {
        if (kinds & (1u << i)) args[i] = FormatArg::Text(i == 2 ? "" : "text");
    }
    const size_t argCount = (kinds >> 3) % 4;

    char slot[257];
    memset(slot, 'Z', sizeof slot);
    const size_t n = SafeFormat(slot, slotSize, format.c_str(), args, argCount);
    if (slotSize == 0) {
        if (n != 0 || slot[0] != 'Z') abort();
        return 0;
    }
    if (n >= slotSize || strlen(slot) != n || slot[slotSize] != 'Z') abort();
    return 0;
}
