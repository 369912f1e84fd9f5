// Texts of the text table as the dialogs use them: read at the moment they
// are needed (a changed file shows at once), passed through SafeFormat when
// they are formats, and drawn only when something is left to draw.
#ifndef LOBBYUI_SUPPORT_TABLE_TEXT_H
#define LOBBYUI_SUPPORT_TABLE_TEXT_H

#include <stddef.h>

#include <initializer_list>

#include "support/safe_format.h"
#include "win/dc.h"

// Text textNumber as a format without arguments ("%%" becomes "%"), cut to
// slotSize bytes with its terminator.
void LoadTableText(int textNumber, char* slot, size_t slotSize);

template <size_t N>
void LoadTableText(int textNumber, char (&slot)[N]) {
    LoadTableText(textNumber, slot, N);
}

// Draws text at (x, y) unless it is null or empty: an empty text leaves no
// text record at all.
void DrawUnlessEmpty(CDC& dc, int x, int y, const char* text);

// Formats format with args (cut to 127 bytes) and draws it unless it comes
// out empty.
void DrawFormatted(CDC& dc, int x, int y, const char* format, std::initializer_list<FormatArg> args);

// Text textNumber, read at this paint: drawn as it stands without args, as a
// format with them; nothing when it comes out empty.
void DrawTableText(CDC& dc, int x, int y, int textNumber, std::initializer_list<FormatArg> args = {});

#endif
