// The new create-table dialog's rules that need no window: the values it
// keeps for the whole library, how its step buttons move the score and the
// two settings, how a timer tick counts towards the time-out, which cells a
// number's digits go to, which picture file serves what, and what a
// confirmation puts into the request.
#ifndef LOBBYUI_CREATE_TABLE_CREATE_NEW_RULES_H
#define LOBBYUI_CREATE_TABLE_CREATE_NEW_RULES_H

#include <stddef.h>
#include <stdint.h>

#include <string>

#include <lobbyui/geometry.h>
#include <lobbyui/table_settings.h>

#include "create/allowed_scores.h"
#include "create/saved_defaults.h"
#include "frame/way_out.h"

// What the dialog keeps from load to unload, whether or not it exists. The
// working score and settings live with the saved defaults.
struct NewCreateValues {
    int32_t iTableNumber = 0;
    int32_t iSettingAMin = 0;
    int32_t iSettingAMax = 0;
    int32_t iLastAllowedPosition = -1;
    bool bPasswordOption = false;
    bool bAddMultipleOption = false;
    unsigned char ucAddMultipleLock = 0;  // 1: the server fixed the option on
    bool bSpecialCardOption = false;
    bool bRestore = false;
    int32_t iSpecialValue = 0;
    char acOwnName[15] = {};
};
NewCreateValues& TheNewCreateValues();

// A show that was not answered within this many ticks closes as cancelled.
const int32_t kNewCreateTimeoutTicks = 180;

enum class TimeoutAction { None, Close, CloseWhileHidden };

// One tick of a pending show's one-second timer. A visible dialog counts
// from 1 on; a hidden one counts from wherever the counter stands (-1 after a
// cancel the host's hide kept from closing it), once for the host's minimised
// flag and once more for its own hide, so with both it times out twice as
// fast.
TimeoutAction TimeoutTick(int32_t& counter, bool visible, bool minimised, bool hiddenByHost);

// A show the host has not yet heard the end of. Every show begins one; the
// dialog's one way out ends it, once, whether it reports created or closed
// or ends silently (the host's own hide, a destroy). Only a pending show
// counts towards the time-out, and only one the host hid itself can come
// back on the host's word. It belongs to the dialog object, so a dialog made
// again starts with nothing pending.
class PendingShow {
public:
    void Begin() {
        m_outcome.Begin();
        m_ticks = 1;
        m_hiddenByHost = false;
    }
    bool Pending() const { return m_outcome.Owed(); }
    // True once per show: the way out that gets it reports the outcome.
    bool End() {
        m_ticks = -1;
        m_hiddenByHost = false;
        return m_outcome.Take();
    }
    void SetHiddenByHost(bool hidden) { m_hiddenByHost = hidden && Pending(); }
    // The time-out counts from nothing again; the show stays open.
    void RestartTimeout() { m_ticks = -1; }
    bool HiddenByHost() const { return m_hiddenByHost; }
    // A dialog with no show pending (never shown, or already closed) counts
    // nothing: it has nothing to cancel.
    TimeoutAction Tick(bool visible, bool minimised) {
        return Pending() ? TimeoutTick(m_ticks, visible, minimised, m_hiddenByHost) : TimeoutAction::None;
    }
    int32_t Ticks() const { return m_ticks; }

private:
    OwedOutcome m_outcome;
    int32_t m_ticks = -1;  // since the show; -1 while none is pending
    bool m_hiddenByHost = false;
};

// The score a step button leads to; the score itself when it cannot step.
// Down from a score between two allowed values goes to the largest allowed
// value below it; up from such a score starts again at the first allowed
// value. With nothing allowed the score stays.
int32_t ScoreStepDown(const AllowedScoreList& allowed, int32_t score);
int32_t ScoreStepUp(const AllowedScoreList& allowed, int32_t score);

// Setting A moves by 1 and stops at its bounds; a value already beyond a
// bound does not move further out.
int32_t SettingAStepDown(int32_t value, int32_t minimum);
int32_t SettingAStepUp(int32_t value, int32_t maximum);
// Setting B moves by 4 and is kept within 4 to 20.
const int32_t kSettingBLowest = 4;
const int32_t kSettingBHighest = 20;
int32_t SettingBStepDown(int32_t value);
int32_t SettingBStepUp(int32_t value);

// Tables up to this number take no password.
const int32_t kLastTableWithoutPassword = 100;
inline bool TableTakesPassword(int32_t tableNumber) { return tableNumber > kLastTableWithoutPassword; }

// Copies at most fieldSize - 1 bytes of text into field, never ending inside
// a GBK character; the rest of the field is zero. text need not be
// terminated within those bytes (a host's full 17-byte name), and may be null.
void CopyWholeText(char* field, size_t fieldSize, const char* text);

// The password a request carries: when send is true and typed is not empty,
// typed cut to 8 bytes on a character boundary with ucHavePassword 1;
// otherwise an all-zero password and ucHavePassword 0, so that nothing of an
// earlier confirmation is sent again.
void FillRequestPassword(tagKWP_CREATE_TABLE_REQ& request, bool send, const char* typed);

// Where a number's digit pictures go: x of each 14 x 20 cell, left to right.
struct DigitCell {
    int x;
    int digit;
};
const int kDigitWidth = 14;
const int kDigitHeight = 20;
const int kTableNumberY = 23;
const int kSettingAY = 310;
const int kSettingBY = 341;
const int kScoreY = 280;
// The score area cleared before its digits: patches at x 110 to 154.
const int kScoreAreaLeft = 110;
const int kScoreAreaPatches = 45;
// Always three cells (hundreds, tens, units); larger numbers show their
// last three digits.
size_t TableNumberCells(int32_t number, DigitCell cells[3]);
// Always two cells (tens, units); larger values show their last two digits.
size_t SettingCells(int32_t value, DigitCell cells[2]);
// One to four cells, centred; none for a score below 0 or above 9999.
size_t ScoreCells(int32_t score, DigitCell cells[4]);

enum class NewCreateNumber { Table, SettingA, SettingB, Score };
// Everything a number may draw, whatever its value: every digit cell, and
// for the score the patches that clear its area. What a change repaints.
CRect NumberArea(NewCreateNumber number);

// The text drawn for the multiple limit: "无" below 1, else the number.
std::string MultipleLimitText(int limit);

// The pictures under \bmp, by their place in the dialog's table.
enum NewCreatePicture {
    kPicPage = 0,
    kPicCheckOff = 1,
    kPicCheckOn = 2,
    kPicCheckDisabled = 3,
    kPicCreate = 4,    // normal, hovered, pressed follow
    kPicCancel = 7,
    kPicDown = 10,
    kPicUp = 13,
    kPicDigit0 = 16,   // to 25
    kPicNumberPatch = 26,
    kPicTablePatch = 27,
    kPicBackground = 28,
    kPicBottomTile = 29,
    kPicLeftTile = 30,
    kPicRightTile = 31,
    kPicUnused = 32,
    kPicClose = 33,    // normal, hovered, pressed follow
    kPicAlternativePage = 36,
    kNewCreatePictureCount = 37,
};
// "\bmp\…" for a picture, empty outside the table.
const char* NewCreatePictureName(int index);
// The directory followed by the picture's name; any length of directory, and
// wide to the end, so that a folder named outside the ANSI code page is found.
std::wstring NewCreatePicturePath(const std::wstring& directory, int index);

// How a picture button looks: its hovered and pressed pictures (-1: it
// always shows its normal picture, as check boxes do) and its rounded
// window region (empty: none; such a button draws only its outline).
struct CheckButtonLook {
    int hover;
    int pressed;
    CRect region;
    int corner;  // width and height of the corner ellipse
};

// Every control of the dialog, one row each: where initialisation places
// it (empty: where the template has it), where a show lays it out (empty:
// where it started), its text limit (0: none), whether it is a picture
// button, the picture it starts with (-1: none) and its look.
struct NewCreateControl {
    unsigned int id;
    CRect start;
    CRect shown;
    int textLimit;
    bool pictureButton;
    int picture;
    CheckButtonLook look;
};
extern const NewCreateControl kNewCreateControls[];
extern const size_t kNewCreateControlCount;
// The row of a control id; a row without placement, picture or look for an
// id the dialog does not know.
const NewCreateControl& NewCreateControlRow(unsigned int id);

// What a confirmation reads from the dialog.
struct NewCreateConfirmation {
    uint32_t gameId;
    const char* name;          // after the word check: the text to send
    const char* password;      // as typed, may be empty
    bool passwordOption;
    int32_t tableNumber;
    WorkingDefaults working;
    bool specialCard;
    bool addMultiple;
};
// Fills the fields a confirmation owns. The name and password are copied to
// at most 16 and 8 bytes, never ending inside a GBK character; a password is
// sent only for a table above 100 with the option on and text typed. The
// same-table limits and the special rule stay 0.
void FillConfirmedRequest(tagKWP_CREATE_TABLE_REQ& request, const NewCreateConfirmation& confirmation);

#endif
