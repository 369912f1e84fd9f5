#include "info/base_data_rules.h"

namespace base_data {

const char* PortraitImage(unsigned char icon) {
    static const char* const kImages[12] = {"Icon01", "Icon02", "Icon03", "Icon04", "Icon05", "Icon06",
                                            "Icon07", "Icon08", "Icon09", "Icon10", "Icon11", "Icon12"};
    return icon < 12 ? kImages[icon] : nullptr;
}

int MoneyTextNumber(bool premiumCurrency) { return premiumCurrency ? 9 : 10; }

int StatusTextNumber(unsigned char status) {
    switch (status) {
    case 0:
    case 2: return 59;
    case 4: return 60;
    default: return 0;
    }
}

unsigned char StatusAfterRefresh(unsigned char current, unsigned char given) { return given < 255 ? given : current; }

unsigned int ButtonCode(unsigned int controlId) {
    return controlId >= 217 && controlId <= 220 ? controlId - 216 : 0;
}

}  // namespace base_data
