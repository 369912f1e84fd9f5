// The join-table dialog's rules that need no window: which title a level gets, what a seat shows, where the
// special-rule images go, how each active type lays the buttons out, and
// when a table record from the host counts as a change.
#ifndef LOBBYUI_JOIN_JOIN_TABLE_RULES_H
#define LOBBYUI_JOIN_JOIN_TABLE_RULES_H

#include <stddef.h>

#include <lobbyui/geometry.h>
#include <lobbyui/room.h>

#include "support/decimal_text.h"

// Library-wide flags of the join-table dialog; they outlive the dialog.
struct JoinTableFlags {
    bool inputOk = false;     // the toggle's state, read by the host
    bool firstJoin = false;   // cleared by each show; the first JTAT_JOIN after it starts the toggle off
    bool showBeans = true;    // seats show beans (true) or score (false)
};
JoinTableFlags& TheJoinTableFlags();

// The title under a player's beans line. A level either names a text of the
// table (to be cut to slotSize bytes with its terminator) or is written as
// "%d级地主" with landlordLevel.
struct LevelTitle {
    int textNumber;       // 0: use the landlord format
    size_t slotSize;
    int landlordLevel;
};
LevelTitle LevelTitleOf(unsigned int level);

enum SeatKind { kSeatEmpty, kSeatReserved, kSeatPlayer };
SeatKind SeatKindOf(unsigned int playerId);
// Seat lines are drawn only when some id of the record (all four elements)
// is a real player's, above the reserved range.
bool SeatsShown(const tagKWP_TABLE_LIST_DATA& table);

// Left, top and right of each seat's lines; each line is centred between
// left and right.
struct SeatPlace {
    int left;
    int top;
    int right;
};
extern const SeatPlace kSeatPlaces[3];
int CentredLeft(int left, int right, int width);

// The special-rule images of a record, in drawing order.
struct RuleImage {
    const char* image;
    CRect rect;
};
// Fills up to three images and returns how many.
size_t SpecialRuleImages(unsigned char rules, RuleImage images[3]);
CRect SpecialRuleSlot(int slot);

// Where the buttons go for an active type. rect is the placement when
// place is set; enable -1 leaves the enabled state alone.
struct ButtonPlacement {
    unsigned int id;
    bool show;
    int enable;
    bool place;
    CRect rect;
};
// The buttons an active type changes, and whether it ends with the common
// end (toggle forced on and disabled, arrows hidden). JTAT_JOIN alone does not.
size_t ButtonLayoutFor(int type, ButtonPlacement placements[6], bool* commonEnd);

// Where the slide-out arrows go: shown is the one to show, at kArrowRect.
unsigned int ArrowShown(bool panelOut);
unsigned int ArrowHidden(bool panelOut);
extern const CRect kArrowRect;

// The panel hangs off the dialog's left edge.
CPoint PanelOrigin(int x, int y);

// SetJTFocusTable takes a record only when one of the fields the dialog
// shows (or seat 3) differs; seat states and the raised multiple alone do not count.
bool FocusTableChanged(const tagKWP_TABLE_LIST_DATA& shown, const tagKWP_TABLE_LIST_DATA& incoming);

// With the panel out, a filled-in table number (1 to 200) or any list moved
// off "无限制" turns both search buttons on, whatever the host asked.
bool PanelForcesSearch(const char* tableNumberText, int selection248, int selection249, int selection250);

#endif
