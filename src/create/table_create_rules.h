// What the classic create-table dialog decides without a window: the request
// it builds from the host's record, the score position and the two settings
// the step buttons move, what a confirmation writes into the request and the
// remembered defaults, the digit images it paints and its time-out count.
#ifndef LOBBYUI_CREATE_TABLE_CREATE_RULES_H
#define LOBBYUI_CREATE_TABLE_CREATE_RULES_H

#include <lobbyui/table_settings.h>

#include "create/allowed_scores.h"

// A score position brought inside the list: a position past the end (kept
// from an earlier, longer list) becomes the last one, and every position of
// an empty list is 0.
int ClassicScorePosition(const AllowedScoreList& allowed, int position);
// The allowed value at ClassicScorePosition; 0 for an empty list, so a free
// slot's -1 never becomes a score.
int32_t ClassicScoreAt(const AllowedScoreList& allowed, int position);

// What the user typed or chose when pressing create. Texts are read from
// the controls as they are; null reads as empty.
struct ClassicConfirmInput {
    unsigned int gameId;
    const char* name;          // already the final name: typed, or the replacement text
    bool passwordOn;
    const char* password;      // as typed; sent only for a table that takes one
    unsigned char cardTypes;   // bits 0..2 from the three check boxes
    bool specialRuleOn;
    const char* disconnectPercentText;
    const char* goldGapText;
    const char* levelGapText;
};

class ClassicTableForm {
    // The records first: packed, they keep their fields aligned only at the
    // start of the object.
    tagKWP_CREATE_TABLE_REQ m_request;
    tagKWP_TABLE_SET_DEFAULT m_defaults;

public:
    ClassicTableForm();

    // Rebuilds the request for a show of table tableNum. remembered receives
    // the name the request held before (the last confirmed name, or the
    // previous show's record name), for the name box.
    void Show(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum, char (&remembered)[17]);

    // The step buttons. False when the value is at its bound: nothing changed.
    bool StepScore(bool up);
    bool StepSettingA(bool up);
    bool StepSettingB(bool up);

    // Fills the rest of the request from what the user chose and remembers
    // the choices as the defaults of a show without refresh.
    void Confirm(const ClassicConfirmInput& input);

    const tagKWP_CREATE_TABLE_REQ& Request() const { return m_request; }
    const tagKWP_TABLE_SET_DEFAULT& Defaults() const { return m_defaults; }
    const AllowedScoreList& Allowed() const { return m_allowed; }
    int ScorePosition() const { return m_position; }

    bool refresh = true;

private:
    AllowedScoreList m_allowed;
    int m_position = 0;
};

// Text `textNumber` of the text table taken as it stands (a name, not a
// format: "%" is an ordinary character), cut to a name slot on a character
// boundary; empty when the table has no such text.
void LoadName(int textNumber, char (&slot)[17]);

// A card-type box (bit 0, 1 or 2) may be changed when the server allows it:
// each by its bit, or all three when the mask is 0.
bool CardTypeBoxEnabled(unsigned char enabledMask, int bit);

// The self-closing count: 1 at a show, -1 while hidden. Each tick of a
// visible dialog adds one; true when the count passes 180 ticks, and the
// count is then back at -1.
bool ClassicTimeoutTick(int& counter, bool visible);

#endif
