// The new create-table dialog's memory of the last score and table settings,
// kept between runs in a three-line text file beside the host.
#ifndef LOBBYUI_CREATE_SAVED_DEFAULTS_H
#define LOBBYUI_CREATE_SAVED_DEFAULTS_H

#include <stddef.h>
#include <stdint.h>

#include <string>

#include <lobbyui/table_settings.h>

#include "create/allowed_scores.h"

struct WorkingDefaults {
    int32_t iScore;
    int32_t iSettingA;
    int32_t iSettingB;
};

// The working values: one set for the whole library, kept while the dialog
// hides and shows, replaced on every show by LoadSavedDefaults.
WorkingDefaults& TheWorkingDefaults();

// What the file held: the number of lines that could be read (at most 3)
// and each line's number. A line is read like atoi: blanks skipped, an
// optional sign, digits up to the first non-digit (so the line end does not
// matter), 0 without digits; numbers beyond 32 bits stop at the nearest limit.
// A missing line reads as 0.
struct SavedLines {
    int lineCount;
    int32_t values[3];
};

class SavedLinesReader {
public:
    void Feed(char c);
    // True once the third line has ended: nothing further counts.
    bool Done() const { return m_lines.lineCount == 3 && !m_inLine; }
    SavedLines Result() const { return m_lines; }

private:

    SavedLines m_lines = {0, {0, 0, 0}};
    bool m_inLine = false;
    bool m_negative = false;
    bool m_pastNumber = false;
    bool m_inDigits = false;
    bool m_signSeen = false;
    uint64_t m_magnitude = 0;
};

SavedLines ParseSavedLines(const char* bytes, size_t size);

// The working values for a show: the file's when it holds three values in
// range (score between the first and the last allowed value, settings within
// the record's bounds); otherwise all three from the record (the first
// allowed score, or 0 when none is allowed, and the two setting defaults).
WorkingDefaults ChooseDefaults(const SavedLines& lines, const tagKWP_TABLE_SET_DEFAULT& record,
                               const AllowedScoreList& allowed);

// Reads the file, chooses, and makes the result the working values.
WorkingDefaults LoadSavedDefaults(const tagKWP_TABLE_SET_DEFAULT& record, const AllowedScoreList& allowed);

// The file's bytes: three decimal lines, the first two ending in CR CR LF,
// the last with no line end.
std::string SavedDefaultsBytes(const WorkingDefaults& values);

// Writes the file beside the old one and then replaces it, so that a crash
// or a full disk leaves either the old file or the new one. Where that cannot
// be done (a folder in which only the file itself is writable, a stale
// Default.sav.new in the way, an old file that cannot be replaced) the
// existing file is rewritten in place instead, its old bytes put back if a
// write fails. False when the old file was left as it was; callers report
// nothing.
bool SaveSavedDefaults(const WorkingDefaults& values);

#endif
