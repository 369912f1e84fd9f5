#include "create/saved_defaults.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>

#include "support/platform.h"

namespace {

WorkingDefaults s_working = {0, 0, 0};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

WorkingDefaults& TheWorkingDefaults() { return s_working; }

void SavedLinesReader::Feed(char c) {
    if (!m_inLine) {
        if (Done()) return;
        ++m_lines.lineCount;
        m_inLine = true;
        m_negative = m_pastNumber = m_inDigits = m_signSeen = false;
        m_magnitude = 0;
    }
    if (c == '\n') {
        m_inLine = false;
        return;
    }
    if (m_pastNumber) return;
    if (c >= '0' && c <= '9') {
        m_inDigits = true;
        // Saturate just past the largest magnitude a 32-bit value can take.
        m_magnitude = m_magnitude * 10 + static_cast<uint64_t>(c - '0');
        if (m_magnitude > 0x80000000ull) m_magnitude = 0x80000000ull;
    } else if (!m_inDigits && !m_signSeen && IsBlank(c)) {
        // leading blanks
    } else if (!m_inDigits && !m_signSeen && (c == '+' || c == '-')) {
        m_signSeen = true;
        m_negative = c == '-';
    } else {
        m_pastNumber = true;
    }
    m_lines.values[m_lines.lineCount - 1] = m_negative
        ? static_cast<int32_t>(-static_cast<int64_t>(m_magnitude))
        : static_cast<int32_t>(m_magnitude > INT_MAX ? INT_MAX : m_magnitude);
}

SavedLines ParseSavedLines(const char* bytes, size_t size) {
    SavedLinesReader reader;
    for (size_t i = 0; i < size; ++i) reader.Feed(bytes[i]);
    return reader.Result();
}

WorkingDefaults ChooseDefaults(const SavedLines& lines, const tagKWP_TABLE_SET_DEFAULT& record,
                               const AllowedScoreList& allowed) {
    const int count = allowed.Count();
    // With no score allowed there is nothing to choose from: send 0 and take
    // no stored score as in range.
    const WorkingDefaults fallback = {count ? allowed.At(0) : 0, record.ucSettingADefault, record.ucSettingBDefault};
    if (lines.lineCount == 0 || count == 0) return fallback;

    const WorkingDefaults stored = {lines.values[0], lines.values[1], lines.values[2]};
    // A range test, not a membership test: a score between two allowed
    // values is kept as it is.
    if (stored.iScore < allowed.At(0) || stored.iScore > allowed.At(count - 1)) return fallback;
    if (stored.iSettingA < record.ucSettingAMin || stored.iSettingA > record.ucSettingAMax) return fallback;
    if (stored.iSettingB < record.ucSettingBMin || stored.iSettingB > record.ucSettingBMax) return fallback;
    return stored;
}

WorkingDefaults LoadSavedDefaults(const tagKWP_TABLE_SET_DEFAULT& record, const AllowedScoreList& allowed) {
    SavedLinesReader reader;
    if (FILE* f = fopen(SavedDefaultsPath(), "rb")) {
        int c;
        while (!reader.Done() && (c = getc(f)) != EOF) reader.Feed(static_cast<char>(c));
        fclose(f);
    }
    s_working = ChooseDefaults(reader.Result(), record, allowed);
    return s_working;
}

std::string SavedDefaultsBytes(const WorkingDefaults& values) {
    char bytes[64];
    int n = snprintf(bytes, sizeof bytes, "%d\r\r\n%d\r\r\n%d", static_cast<int>(values.iScore),
                     static_cast<int>(values.iSettingA), static_cast<int>(values.iSettingB));
    return std::string(bytes, n > 0 ? static_cast<size_t>(n) : 0);
}

namespace {

bool WriteAll(FILE* f, const std::string& bytes) {
    return fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && fflush(f) == 0;
}

enum class SaveResult { Saved, Failed, NotTried };

// Writes the new copy beside the file and puts it in the file's place.
// NotTried when the copy could not be made or could not take the file's
// place (a folder where new files may not be made, a stale read-only copy or
// a folder of that name in the way, an old file that cannot be replaced).
SaveResult SaveBesideAndReplace(const std::string& target, const std::string& bytes) {
    const std::string beside = target + ".new";
    FILE* f = fopen(beside.c_str(), "wb");
    if (!f) return SaveResult::NotTried;
    bool written = WriteAll(f, bytes);
    written = FlushFileToDisk(f) && written;
    written = fclose(f) == 0 && written;
    if (!written) {
        // A full disk: rewriting in place would fail the same way, half-way.
        remove(beside.c_str());
        return SaveResult::Failed;
    }
    if (!ReplaceFileWith(beside.c_str(), target.c_str())) {
        remove(beside.c_str());
        return SaveResult::NotTried;
    }
    return SaveResult::Saved;
}

// Rewrites the existing file through a handle opened without creating, for
// folders where only the file itself is writable (or a stale copy is in the
// way). The old bytes are read
// first and written back when a write fails, so a failure that shows leaves
// the old file as it was.
bool SaveInPlace(const std::string& target, const std::string& bytes) {
    FILE* f = fopen(target.c_str(), "r+b");
    if (!f && errno == ENOENT) {
        // No old file to keep: the first save simply makes it.
        f = fopen(target.c_str(), "wb");
    }
    if (!f) return false;
    std::string old;
    char chunk[256];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0 && old.size() < 65536) old.append(chunk, n);
    bool saved = fseek(f, 0, SEEK_SET) == 0 && WriteAll(f, bytes) &&
                 TruncateFileTo(f, static_cast<long>(bytes.size())) && FlushFileToDisk(f);
    if (!saved && fseek(f, 0, SEEK_SET) == 0 && WriteAll(f, old)) TruncateFileTo(f, static_cast<long>(old.size()));
    saved = fclose(f) == 0 && saved;
    return saved;
}

}  // namespace

bool SaveSavedDefaults(const WorkingDefaults& values) {
    const std::string target = SavedDefaultsPath();
    const std::string bytes = SavedDefaultsBytes(values);
    switch (SaveBesideAndReplace(target, bytes)) {
    case SaveResult::Saved: return true;
    case SaveResult::Failed: return false;
    case SaveResult::NotTried: break;
    }
    return SaveInPlace(target, bytes);
}
