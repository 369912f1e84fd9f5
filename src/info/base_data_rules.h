// The base-data panel's rules that need no window: which portrait, money
// line and status line a record and the host's status select, and which
// code each of the four buttons reports.
#ifndef LOBBYUI_INFO_BASE_DATA_RULES_H
#define LOBBYUI_INFO_BASE_DATA_RULES_H

namespace base_data {

// "Icon01" to "Icon12" for portraits 0 to 11; null for any other, which
// draws no portrait.
const char* PortraitImage(unsigned char icon);

// The money line's format: text 9 for the premium currency, else text 10.
int MoneyTextNumber(bool premiumCurrency);

// The status line's text: 59 for statuses 0 and 2, 60 for 4, 0 (no line)
// for any other, including the initial 255.
int StatusTextNumber(unsigned char status);

// The status a refresh leaves: 255 keeps the one before.
unsigned char StatusAfterRefresh(unsigned char current, unsigned char given);

// The wParam of message 1325 for buttons 217 to 220 (codes 1 to 4); 0 for
// any other control.
unsigned int ButtonCode(unsigned int controlId);

}  // namespace base_data

#endif
