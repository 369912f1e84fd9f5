#include "support/digit_pictures.h"

void LastDigits(int64_t value, int count, int* digits) {
    uint64_t rest = value < 0 ? 0u : static_cast<uint64_t>(value);
    for (int i = count - 1; i >= 0; --i) {
        digits[i] = static_cast<int>(rest % 10);
        rest /= 10;
    }
}

void LastDigitsUnpadded(int64_t value, int count, int* digits) {
    LastDigits(value, count, digits);
    for (int i = 0; i < count - 1 && digits[i] == 0; ++i) digits[i] = -1;
}

const char* DigitPictureName(DigitNames names, int digit) {
    static const char* const kNames[3][10] = {
        {"Num0", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6", "Num7", "Num8", "Num9"},
        {"TableNum0", "TableNum1", "TableNum2", "TableNum3", "TableNum4", "TableNum5", "TableNum6", "TableNum7",
         "TableNum8", "TableNum9"},
        {"num0", "num1", "num2", "num3", "num4", "num5", "num6", "num7", "num8", "num9"},
    };
    if (digit < 0 || digit > 9) return nullptr;
    return kNames[static_cast<int>(names)][digit];
}
