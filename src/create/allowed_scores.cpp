#include "create/allowed_scores.h"

namespace {

const int32_t kClassicScores[14] = {0, 5, 10, 20, 30, 50, 100, 200, 300, 500, 1000, 2000, 3000, 5000};
const int32_t kNewScores[16] = {1, 2, 3, 4, 5, 10, 20, 30, 40, 50, 100, 200, 300, 400, 500, 0};

// Bits of the mask each table looks at.
int MaskBits(ScoreValueTable table) { return table == ScoreValueTable::Classic ? 14 : 15; }

}  // namespace

int ScoreTableSize(ScoreValueTable table) { return table == ScoreValueTable::Classic ? 14 : 16; }

int32_t ScoreTableValue(ScoreValueTable table, int index) {
    if (index < 0 || index >= ScoreTableSize(table)) return -1;
    return table == ScoreValueTable::Classic ? kClassicScores[index] : kNewScores[index];
}

AllowedScoreList::AllowedScoreList(ScoreValueTable table) : m_table(table) {
    for (int32_t& slot : m_aiScore) slot = -1;
}

void AllowedScoreList::Build(unsigned int scoreMask) {
    for (int32_t& slot : m_aiScore) slot = -1;
    int count = 0;
    for (int i = 0; i < MaskBits(m_table); ++i) {
        if (scoreMask & (1u << i)) m_aiScore[count++] = ScoreTableValue(m_table, i);
    }
}

int AllowedScoreList::Count() const {
    int n = 0;
    while (n < SlotCount() && m_aiScore[n] != -1) ++n;
    return n;
}

int32_t AllowedScoreList::At(int position) const {
    return position >= 0 && position < Count() ? m_aiScore[position] : -1;
}

int AllowedScoreList::Find(int32_t value) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_aiScore[i] == value) return i;
    }
    return -1;
}

int AllowedScoreList::DefaultPosition(bool refresh, unsigned char scoreIndex, int currentPosition) const {
    if (!refresh) return currentPosition;
    // An index past the table names no value; it must not read beyond it.
    const int32_t wanted = ScoreTableValue(m_table, scoreIndex);
    if (wanted < 0) return currentPosition;
    const int found = Find(wanted);
    return found >= 0 ? found : currentPosition;
}
