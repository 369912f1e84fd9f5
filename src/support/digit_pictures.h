// Numbers drawn as one picture per digit: how a number splits into the
// digits of its places, and the name of each digit's picture in the naming
// a picture set uses. Portable.
#ifndef LOBBYUI_SUPPORT_DIGIT_PICTURES_H
#define LOBBYUI_SUPPORT_DIGIT_PICTURES_H

#include <stdint.h>

// The low `count` decimal digits of value, most significant first, with
// leading zeros; a negative value counts as 0. A place holds one picture, so
// what does not fit is left out rather than drawn out of place.
void LastDigits(int64_t value, int count, int* digits);

// As LastDigits, but the leading zeros before the units digit are -1, drawn
// as nothing: the number stays right-aligned in its fixed places.
void LastDigitsUnpadded(int64_t value, int count, int* digits);

// The naming of a set of digit pictures: "Num0".."Num9" (the join dialog's
// skin group), "TableNum0".."TableNum9" (the classic create dialog's), and
// "num0".."num9" (the score dialog's).
enum class DigitNames { kNum, kTableNum, kLowerNum };

// The picture of digit in that naming; null outside 0..9, which draws nothing.
const char* DigitPictureName(DigitNames names, int digit);

#endif
