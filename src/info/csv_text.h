// CCsvText: the reader of the text table. Text N is the second comma-separated
// field of line N of the file. A dialog makes a reader where it needs a text,
// loads it and copies or formats `text` straight away. Texts are formats for
// some callers: pass them through SafeFormat, never to printf.
#ifndef LOBBYUI_INFO_CSV_TEXT_H
#define LOBBYUI_INFO_CSV_TEXT_H

#include <stdint.h>
#include <stdio.h>

class CCsvText {
public:
    CCsvText() { Init(); }

    void Init();
    // Asks the system for its default language; `simplified` turns true for a
    // sublanguage of 2 (PRC; Singapore is 4) and false where
    // IsTraditionalChinese says so (Taiwan, 0x0404); any other language leaves
    // it as it was.
    void DetectLanguage();
    // Puts text `textNumber` (counted from 1) into `text`, empty when there is
    // none. Every call rereads the file from its start, so a changed file
    // takes effect at once; a missing file prints one error line per call.
    // The flag is the caller's script, which selects nothing: both get the same text.
    void Load(int textNumber, bool simplified);

    char text[100];
    bool simplified;
    uint32_t languageId;
    uint32_t primaryLanguage;
    uint32_t subLanguage;
};

// Whether the system's default language (or the source SetLanguageIdSource
// put in its place) asks for the traditional-Chinese (Big5) form of a
// built-in text: IsTraditionalChinese of it.
bool SystemUsesTraditionalChinese();

// Reads text `textNumber` from an open stream (null reads as a missing file)
// the way Load does. Load's own work, open for tests and the fuzzer.
void ReadCsvText(FILE* file, int textNumber, char (&text)[100]);

#endif
