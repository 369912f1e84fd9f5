// Numbers typed into edit boxes and shown in lists.
#ifndef LOBBYUI_SUPPORT_DECIMAL_TEXT_H
#define LOBBYUI_SUPPORT_DECIMAL_TEXT_H

// An integer read from a control's text as atoi does (leading blanks, a
// sign, digits; anything else ends it; no digits give 0), saturated at the
// int range instead of overflowing: a user may type any number of digits.
int TextToInt(const char* text);

#endif
