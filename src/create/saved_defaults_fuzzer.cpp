// Feeds arbitrary saved-defaults files and host records to the loader's
// parsing and range rules, and checks what they choose.
#include "create/saved_defaults.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    tagKWP_TABLE_SET_DEFAULT record;
    memset(&record, 0, sizeof record);
    memcpy(&record.uiScoreMask, data, 2);
    record.ucSettingAMin = data[2];
    record.ucSettingAMax = data[3];
    record.ucSettingBMin = data[4];
    record.ucSettingBMax = data[5];
    record.ucSettingADefault = data[6];
    record.ucSettingBDefault = data[7];
    data += 8;
    size -= 8;

    AllowedScoreList allowed(record.uiScoreMask & 1 ? ScoreValueTable::Classic : ScoreValueTable::New);
    allowed.Build(record.uiScoreMask);
    const SavedLines lines = ParseSavedLines(reinterpret_cast<const char*>(data), size);
    if (lines.lineCount < 0 || lines.lineCount > 3) abort();
    const WorkingDefaults chosen = ChooseDefaults(lines, record, allowed);

    const bool fallback = chosen.iSettingA == record.ucSettingADefault && chosen.iSettingB == record.ucSettingBDefault &&
                          chosen.iScore == (allowed.Count() ? allowed.At(0) : 0);
    if (!fallback) {
        // Only values in range come from the file.
        if (allowed.Count() == 0) abort();
        if (chosen.iScore < allowed.At(0) || chosen.iScore > allowed.At(allowed.Count() - 1)) abort();
        if (chosen.iSettingA < record.ucSettingAMin || chosen.iSettingA > record.ucSettingAMax) abort();
        if (chosen.iSettingB < record.ucSettingBMin || chosen.iSettingB > record.ucSettingBMax) abort();
    }

    // Whatever is saved reads back as itself.
    const std::string bytes = SavedDefaultsBytes(chosen);
    const SavedLines back = ParseSavedLines(bytes.data(), bytes.size());
    if (back.lineCount != 3 || back.values[0] != chosen.iScore || back.values[1] != chosen.iSettingA ||
        back.values[2] != chosen.iSettingB) {
        abort();
    }
    return 0;
}
