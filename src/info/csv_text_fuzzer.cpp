// Feeds arbitrary file contents and text numbers to the text-table reader.
#include "info/csv_text.h"

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    // Text numbers from -128 to 383 reach past the end of most inputs too.
    const int textNumber = static_cast<int>(static_cast<int8_t>(data[0])) + data[1];
    data += 2;
    size -= 2;

    FILE* file = size ? fmemopen(const_cast<uint8_t*>(data), size, "r") : nullptr;
    char text[100];
    memset(text, 'Z', sizeof text);
    ReadCsvText(file, textNumber, text);
    if (file) fclose(file);

    const size_t length = strnlen(text, sizeof text);
    if (length >= sizeof text) abort();
    if (strpbrk(text, ",\t\n\r")) abort();
    return 0;
}
