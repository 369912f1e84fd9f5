// The score dialog's rules that need no window: which title a level gets and
// what stands in when the text table has none, the experience line's
// threshold, the time played in hours and minutes, the header colour of a
// membership class, which items fill the grid and with which counts and
// tooltips, where the slots lie, and how the page buttons turn the page.
// The dialog only draws what these decide.
#ifndef LOBBYUI_INFO_PLAYER_SCORE_RULES_H
#define LOBBYUI_INFO_PLAYER_SCORE_RULES_H

#include <stddef.h>
#include <stdint.h>

#include <string>

#include <lobbyui/geometry.h>
#include <lobbyui/player_stats.h>

namespace player_score {

const int kSlots = 12;
const int kPages = 4;

// The text that names a level, in the score dialog and the base-data panel
// alike: the top level (23) has a text of its own, since 36 + 23 is the
// base-data panel's status line; every other level, however high, reads
// 36 + level.
int TitleTextNumber(unsigned int level);

// The title drawn when the text table has none for the level. levelLabel and
// danSuffix are texts 3 and 46 as the dialog keeps them. A suffix character
// is taken only where the text really holds one (see SecondCharacter).
std::string FallbackTitle(unsigned int level, const char* levelLabel, const char* danSuffix);

// The double-byte GBK character at bytes 2 and 3 of text, or empty when the
// text has none there (too short, or those bytes are not a whole character):
// a fallback title never carries half a character or reads past a text.
std::string SecondCharacter(const char* text);

// Experience needed at levels 0 to 9; false above, where the experience line
// is a single space.
bool ExperienceThreshold(unsigned int level, int* threshold);

struct PlayTime {
    int hours;
    int minutes;
};
// Truncating, as the server's seconds are signed.
PlayTime HoursAndMinutes(int seconds);

// The header's colour (0x00BBGGRR) for membership classes 0 to 3; false for
// any other class, which draws no header at all.
bool MemberColour(unsigned char member, uint32_t* colour);

enum ItemGroup { kGroupKingHat, kGroupCards, kGroupRings };

struct GridItem {
    const char* image;
    ItemGroup group;
    bool counted;     // drawn with two digits
    int count;
    int tooltipText;  // text number of the tool's tip
};

// The items of page 1, in slot order: the level's hat or ring first, then
// each card the player holds. At most seven, so they always fit the grid.
size_t ItemGrid(const tagKWP_MERIT_DETAIL& merit, GridItem items[kSlots]);

// The two digits of a count: capped at 99, and a count below 0 reads as 0.
// The tens digit is drawn even when it is 0.
void CountDigits(int count, int* tens, int* ones);

// Slot k (0 to 11) lies in row k / 4 and column k % 4. The ones digit goes
// into the digit rectangle, the tens digit 10 pixels to its left.
CRect IconRect(int slot);
CRect DigitRect(int slot);
CRect TensRect(int slot);

// The page and the requests the arrow buttons leave for the next paint.
struct Pages {
    int page = 1;
    bool nextRequested = false;
    bool previousRequested = false;
};

// What a paint does to a page button: left alone, enabled or disabled.
enum ButtonChange { kKeep, kEnable, kDisable };
struct PageTurn {
    ButtonChange previous;
    ButtonChange next;
};
// Carries out the pending requests (next first, then previous), keeping the
// page within 1 to 4, and says what becomes of the two buttons.
PageTurn TurnPage(Pages& pages);

// The page label's text, 77 to 80; a page out of range reads as the nearest.
int PageLabelText(int page);

// Texts 69 to 76 fit 79 bytes, texts 56, 57, 58 and 81 nine: the tooltip
// slots, in the order the dialog loads them.
struct TooltipSlot {
    int textNumber;
    size_t size;  // with the terminator
};
extern const TooltipSlot kTooltipSlots[kSlots];
// The slot of a text number, or -1.
int TooltipSlotOf(int textNumber);

// A player's name in its 15-byte field: at most 14 bytes, cut before a
// character that would not fit, always terminated. Only the first
// `available` bytes of name are read (a record's field may lack its
// terminator).
const size_t kNameSize = 15;
void CopyPlayerName(char (&field)[kNameSize], const char* name, size_t available);

}  // namespace player_score

#endif
