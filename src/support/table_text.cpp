#include "support/table_text.h"

#include "info/csv_text.h"

namespace {

void ReadText(CCsvText& reader, int textNumber) {
    reader.DetectLanguage();
    reader.Load(textNumber, reader.simplified);
}

}  // namespace

void LoadTableText(int textNumber, char* slot, size_t slotSize) {
    CCsvText reader;
    ReadText(reader, textNumber);
    SafeFormat(slot, slotSize, reader.text, {});
}

void DrawUnlessEmpty(CDC& dc, int x, int y, const char* text) {
    if (text && text[0]) dc.TextOut(x, y, text);
}

void DrawFormatted(CDC& dc, int x, int y, const char* format, std::initializer_list<FormatArg> args) {
    char line[128];
    SafeFormat(line, sizeof line, format, args);
    DrawUnlessEmpty(dc, x, y, line);
}

void DrawTableText(CDC& dc, int x, int y, int textNumber, std::initializer_list<FormatArg> args) {
    CCsvText reader;
    ReadText(reader, textNumber);
    if (args.size() == 0) DrawUnlessEmpty(dc, x, y, reader.text);
    else DrawFormatted(dc, x, y, reader.text, args);
}
