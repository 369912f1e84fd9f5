// The score values a creator may choose. Each create-table dialog has its own
// value table; the host's uiScoreMask allows entries by bit and ucScoreIndex
// names the default entry.
#ifndef LOBBYUI_CREATE_ALLOWED_SCORES_H
#define LOBBYUI_CREATE_ALLOWED_SCORES_H

#include <stdint.h>

enum class ScoreValueTable { Classic, New };

// Entries in the table: 14 classic, 16 new.
int ScoreTableSize(ScoreValueTable table);
// Entry `index` of the table, -1 outside it.
int32_t ScoreTableValue(ScoreValueTable table, int index);

// The allowed values in table order, in a fixed row of slots (one per table
// entry); unused slots hold -1 and the list ends at the first -1.
class AllowedScoreList {
public:
    static const int kMaxSlots = 16;

    explicit AllowedScoreList(ScoreValueTable table);

    // Clears every slot to -1, then appends each value whose bit is set. The
    // new table's last entry has no bit, so at most 15 of its values appear.
    void Build(unsigned int scoreMask);

    ScoreValueTable Table() const { return m_table; }
    int SlotCount() const { return ScoreTableSize(m_table); }
    int Count() const;
    // The value at a position, -1 past the end of the list.
    int32_t At(int position) const;
    // The position of a value in the list, -1 when it is not there.
    int Find(int32_t value) const;

    // The position a dialog takes on a show: when told to refresh its
    // defaults, the position of the table's entry `scoreIndex` if that value
    // is allowed; otherwise (no refresh, value not allowed, index outside the
    // table) the position it had.
    int DefaultPosition(bool refresh, unsigned char scoreIndex, int currentPosition) const;

private:
    ScoreValueTable m_table;
    int32_t m_aiScore[kMaxSlots];
};

#endif
