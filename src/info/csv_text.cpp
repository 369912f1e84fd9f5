#include "info/csv_text.h"

#include <string.h>

#include "support/chinese_script.h"
#include "support/platform.h"
#include "support/safe_format.h"

namespace {

// Shared by every reader: lookups may nest (a reader used while another one
// reads), and only the outermost opens and closes the file.
FILE* s_file = nullptr;
unsigned char s_nesting = 0;
char s_line[1024];

LanguageIdSource s_languageSource = nullptr;

// A line longer than the buffer arrives in pieces, and each piece counts as a
// line: numbering stays what it always was for files with long lines.
void ReadLine(FILE* file) {
    memset(s_line, 0, sizeof s_line);
    if (!file || !fgets(s_line, sizeof s_line, file)) strcpy(s_line, "EOF");
}

bool Dropped(char c) { return c == '\t' || c == '\n' || c == '\r'; }

// Takes the field at the front of the line buffer into dest (cut to the
// slot), and moves the rest of the line, behind the comma, to the front.
void TakeField(char* dest, size_t destSize) {
    char field[sizeof s_line];
    size_t length = 0;
    size_t scan = 0;
    while (s_line[scan] && s_line[scan] != ',') {
        if (!Dropped(s_line[scan])) field[length++] = s_line[scan];
        ++scan;
    }
    field[length] = '\0';
    CopyToSlot(dest, destSize, field);

    if (s_line[scan] == ',') {
        const size_t rest = strlen(s_line + scan + 1);
        memmove(s_line, s_line + scan + 1, rest + 1);
    } else {
        s_line[0] = '\0';
    }
}

}  // namespace

LanguageIdSource SetLanguageIdSource(LanguageIdSource source) {
    LanguageIdSource previous = s_languageSource;
    s_languageSource = source;
    return previous;
}

void ReadCsvText(FILE* file, int textNumber, char (&text)[100]) {
    // A lookup of 0 or less reads no line; clearing the buffer keeps it from
    // answering with whatever the previous lookup left there.
    s_line[0] = '\0';
    for (int i = 0; i < textNumber; ++i) ReadLine(file);
    char firstField[4];
    TakeField(firstField, sizeof firstField);
    TakeField(text, sizeof text);
}

void CCsvText::Init() {
    text[0] = '\0';
    simplified = true;
    languageId = 0;
    primaryLanguage = 4;
    subLanguage = 1;
}

void CCsvText::DetectLanguage() {
    const uint16_t id = s_languageSource ? s_languageSource() : SystemDefaultLanguageId();
    languageId = id;
    primaryLanguage = id & 0x3FFu;
    subLanguage = id >> 10;
    if (subLanguage == 2) simplified = true;
    else if (IsTraditionalChinese(id)) simplified = false;
}

bool SystemUsesTraditionalChinese() {
    return IsTraditionalChinese(s_languageSource ? s_languageSource() : SystemDefaultLanguageId());
}

void CCsvText::Load(int textNumber, bool /*simplified*/) {
    if (++s_nesting == 1) {
        s_file = fopen(TextTablePath(), "r");
        if (!s_file) printf("ERROR: Unable to open file '%s':\n", TextTablePath());
    }
    ReadCsvText(s_file, textNumber, text);
    if (--s_nesting == 0 && s_file) {
        fclose(s_file);
        s_file = nullptr;
    }
}
