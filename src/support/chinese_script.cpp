#include "support/chinese_script.h"

bool IsTraditionalChinese(uint16_t languageId) {
    const unsigned primaryLanguage = languageId & 0x3FFu;
    const unsigned subLanguage = languageId >> 10;
    return primaryLanguage == 4 && subLanguage == 1;
}
