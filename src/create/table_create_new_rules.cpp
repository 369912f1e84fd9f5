#include "create/table_create_new_rules.h"

#include <stdio.h>
#include <string.h>

#include "res/create_new_ids.h"
#include "support/digit_pictures.h"
#include "support/safe_format.h"
#include "support/texts_gbk.h"

namespace {

NewCreateValues s_values;

int32_t Clamp(int32_t value, int32_t low, int32_t high) { return value < low ? low : value > high ? high : value; }

const char* const kPictureNames[kNewCreatePictureCount] = {
    "\\bmp\\bmp00025.bmp",  "\\bmp\\bmp00022.bmp",  "\\bmp\\bmp00023.bmp",  "\\bmp\\bmp00024.bmp",
    "\\bmp\\bmp00008.bmp",  "\\bmp\\bmp00009.bmp",  "\\bmp\\bmp00010.bmp",  "\\bmp\\bmp00011.bmp",
    "\\bmp\\bmp00012.bmp",  "\\bmp\\bmp00013.bmp",  "\\bmp\\bmp00014.bmp",  "\\bmp\\bmp00015.bmp",
    "\\bmp\\bmp00016.bmp",  "\\bmp\\bmp00017.bmp",  "\\bmp\\bmp00018.bmp",  "\\bmp\\bmp00019.bmp",
    "\\bmp\\bmp00032.bmp",  "\\bmp\\bmp00033.bmp",  "\\bmp\\bmp00034.bmp",  "\\bmp\\bmp00035.bmp",
    "\\bmp\\bmp00036.bmp",  "\\bmp\\bmp00037.bmp",  "\\bmp\\bmp00038.bmp",  "\\bmp\\bmp00039.bmp",
    "\\bmp\\bmp00040.bmp",  "\\bmp\\bmp00041.bmp",  "\\bmp\\bmp00042.bmp",  "\\bmp\\bmp00043.bmp",
    "\\bmp\\bmp000131.bmp", "\\bmp\\bmp000161.bmp", "\\bmp\\bmp000141.bmp", "\\bmp\\bmp000151.bmp",
    "\\bmp\\bmp00046.bmp",  "\\bmp\\bitmap1.bmp",   "\\bmp\\bitmap2.bmp",   "\\bmp\\bitmap3.bmp",
    "\\bmp\\bmp00047.bmp",
};

}  // namespace

void CopyWholeText(char* field, size_t fieldSize, const char* text) {
    if (!field || fieldSize == 0) return;
    memset(field, 0, fieldSize);
    if (!text) return;
    size_t length = GbkWholeLength(text, strnlen(text, fieldSize - 1));
    memcpy(field, text, length);
}

void FillRequestPassword(tagKWP_CREATE_TABLE_REQ& request, bool send, const char* typed) {
    CopyWholeText(request.acPassword, sizeof request.acPassword, send ? typed : nullptr);
    request.ucHavePassword = request.acPassword[0] ? 1 : 0;
}

NewCreateValues& TheNewCreateValues() { return s_values; }

TimeoutAction TimeoutTick(int32_t& counter, bool visible, bool minimised, bool hiddenByHost) {
    if (visible) {
        if (counter <= 0) return TimeoutAction::None;
        ++counter;
        return counter > kNewCreateTimeoutTicks ? TimeoutAction::Close : TimeoutAction::None;
    }
    if (minimised) {
        ++counter;
        if (counter > kNewCreateTimeoutTicks) return TimeoutAction::CloseWhileHidden;
    }
    if (hiddenByHost) {
        ++counter;
        if (counter > kNewCreateTimeoutTicks) return TimeoutAction::CloseWhileHidden;
    }
    return TimeoutAction::None;
}

int32_t ScoreStepDown(const AllowedScoreList& allowed, int32_t score) {
    const int count = allowed.Count();
    if (count == 0 || score == allowed.At(0)) return score;
    int32_t below = score;
    for (int i = 0; i < count; ++i) {
        int32_t value = allowed.At(i);
        if (value >= score) break;
        below = value;
    }
    return below;
}

int32_t ScoreStepUp(const AllowedScoreList& allowed, int32_t score) {
    const int count = allowed.Count();
    if (count == 0 || score == allowed.At(count - 1)) return score;
    for (int i = count - 2; i >= 0; --i) {
        if (allowed.At(i) == score) return allowed.At(i + 1);
    }
    return allowed.At(0);
}

int32_t SettingAStepDown(int32_t value, int32_t minimum) { return value <= minimum ? value : value - 1; }
int32_t SettingAStepUp(int32_t value, int32_t maximum) { return value >= maximum ? value : value + 1; }

int32_t SettingBStepDown(int32_t value) {
    return value <= kSettingBLowest ? value : Clamp(value - 4, kSettingBLowest, kSettingBHighest);
}
int32_t SettingBStepUp(int32_t value) {
    return value >= kSettingBHighest ? value : Clamp(value + 4, kSettingBLowest, kSettingBHighest);
}

size_t TableNumberCells(int32_t number, DigitCell cells[3]) {
    int digits[3];
    LastDigits(number, 3, digits);
    for (int i = 0; i < 3; ++i) cells[i] = {104 + 15 * i, digits[i]};
    return 3;
}

size_t SettingCells(int32_t value, DigitCell cells[2]) {
    int digits[2];
    LastDigits(value, 2, digits);
    for (int i = 0; i < 2; ++i) cells[i] = {125 + 15 * i, digits[i]};
    return 2;
}

size_t ScoreCells(int32_t score, DigitCell cells[4]) {
    if (score < 0 || score > 9999) return 0;
    static const int kFirstX[5] = {0, 132, 125, 117, 110};
    int count = score >= 1000 ? 4 : score >= 100 ? 3 : score >= 10 ? 2 : 1;
    int digits[4];
    LastDigits(score, count, digits);
    for (int i = 0; i < count; ++i) cells[i] = {kFirstX[count] + 15 * i, digits[i]};
    return static_cast<size_t>(count);
}

CRect NumberArea(NewCreateNumber number) {
    DigitCell cells[4];
    size_t count = 0;
    int y = kScoreY;
    int left = 0x7FFFFFFF;
    int right = 0;
    auto take = [&left, &right](const DigitCell* from, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (from[i].x < left) left = from[i].x;
            if (from[i].x + kDigitWidth > right) right = from[i].x + kDigitWidth;
        }
    };
    switch (number) {
    case NewCreateNumber::Table:
        y = kTableNumberY;
        count = TableNumberCells(0, cells);
        take(cells, count);
        break;
    case NewCreateNumber::SettingA:
    case NewCreateNumber::SettingB:
        y = number == NewCreateNumber::SettingA ? kSettingAY : kSettingBY;
        count = SettingCells(0, cells);
        take(cells, count);
        break;
    case NewCreateNumber::Score:
        // Every width a score can have, and the patches that clear them.
        for (int32_t score : {0, 10, 100, 1000}) {
            count = ScoreCells(score, cells);
            take(cells, count);
        }
        if (kScoreAreaLeft < left) left = kScoreAreaLeft;
        if (kScoreAreaLeft + kScoreAreaPatches - 1 + kDigitWidth > right) right = kScoreAreaLeft + kScoreAreaPatches - 1 + kDigitWidth;
        break;
    }
    return CRect(left, y, right, y + kDigitHeight);
}

std::string MultipleLimitText(int limit) {
    if (limit < 1) return kGbkNone;
    char text[16];
    snprintf(text, sizeof text, "%d", limit);
    return text;
}

const char* NewCreatePictureName(int index) {
    return index >= 0 && index < kNewCreatePictureCount ? kPictureNames[index] : "";
}

std::wstring NewCreatePicturePath(const std::wstring& directory, int index) {
    std::wstring path = directory;
    // The names are ASCII: each byte is its own character.
    for (const char* c = NewCreatePictureName(index); *c; ++c) path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return path;
}

namespace {

// Placement as left, top, width, height.
CRect At(int left, int top, int width, int height) { return CRect(left, top, left + width, top + height); }

const CheckButtonLook kNoLook = {-1, -1, CRect(), 0};
const CheckButtonLook kCheckBoxLook = {-1, -1, CRect(0, 0, 18, 18), 2};
CheckButtonLook ButtonLook(int normal, int size) {
    return {normal + 1, normal + 2, size ? CRect(0, 0, size, size) : CRect(0, 0, 85, 25), 5};
}

}  // namespace

const NewCreateControl kNewCreateControls[] = {
    {IDC_CTN_NAME, At(90, 90, 130, 20), CRect(), 14, false, -1, kNoLook},
    {IDC_CTN_PASSWORD_OPTION, At(90, 120, 18, 18), CRect(), 0, true, kPicCheckOff, kCheckBoxLook},
    {IDC_CTN_PASSWORD, At(110, 120, 110, 20), CRect(), 14, false, -1, kNoLook},
    {IDC_CTN_ADD_MULTIPLE, At(18, 165, 20, 20), CRect(), 0, true, kPicCheckDisabled, kCheckBoxLook},
    {IDC_CTN_DISABLED_CHECK, At(140, 165, 22, 19), CRect(), 0, true, kPicCheckDisabled, kCheckBoxLook},
    {IDC_CTN_SCORE_DOWN, At(86, 276, 23, 26), CRect(), 0, true, kPicDown, ButtonLook(kPicDown, 28)},
    {IDC_CTN_SCORE_UP, At(170, 276, 23, 26), CRect(), 0, true, kPicUp, ButtonLook(kPicUp, 28)},
    {IDC_CTN_SETTING_A_DOWN, At(86, 306, 23, 26), CRect(), 0, true, kPicDown, ButtonLook(kPicDown, 28)},
    {IDC_CTN_SETTING_A_UP, At(170, 306, 23, 26), CRect(), 0, true, kPicUp, ButtonLook(kPicUp, 28)},
    {IDC_CTN_SETTING_B_DOWN, At(86, 336, 23, 26), CRect(), 0, true, kPicDown, ButtonLook(kPicDown, 28)},
    {IDC_CTN_SETTING_B_UP, At(170, 336, 23, 26), CRect(), 0, true, kPicUp, ButtonLook(kPicUp, 28)},
    {IDC_CTN_SPECIAL_CARD, At(18, 238, 20, 20), CRect(), 0, true, kPicCheckOff, kCheckBoxLook},
    // The two buttons grow to their pictures' height once shown.
    {IDC_CTN_CREATE, At(30, 383, 84, 29), At(30, 383, 84, 30), 0, true, kPicCreate, ButtonLook(kPicCreate, 0)},
    {IDC_CTN_CANCEL, At(140, 383, 84, 30), At(140, 383, 84, 30), 0, true, kPicCancel, ButtonLook(kPicCancel, 0)},
    {IDC_CTN_CLOSE, At(221, 2, 15, 15), CRect(), 0, true, kPicClose, ButtonLook(kPicClose, 15)},
    {IDC_CTN_TABLE_SETTINGS, CRect(), CRect(), 0, true, -1, kNoLook},
    {IDC_CTN_SAME_TABLE_LIMITS, CRect(), CRect(), 0, true, -1, kNoLook},
    {IDC_CTN_NUMBER_1, CRect(), CRect(), 3, false, -1, kNoLook},
    {IDC_CTN_NUMBER_2, CRect(), CRect(), 3, false, -1, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_1, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_2, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_3, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_4, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_5, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_6, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
    {IDC_CTN_HIDDEN_CHECK_7, CRect(), CRect(), 0, true, kPicCheckOff, kNoLook},
};
const size_t kNewCreateControlCount = sizeof kNewCreateControls / sizeof kNewCreateControls[0];

const NewCreateControl& NewCreateControlRow(unsigned int id) {
    static const NewCreateControl kUnknown = {0, CRect(), CRect(), 0, false, -1, kNoLook};
    for (const NewCreateControl& row : kNewCreateControls) {
        if (row.id == id) return row;
    }
    return kUnknown;
}

void FillConfirmedRequest(tagKWP_CREATE_TABLE_REQ& request, const NewCreateConfirmation& c) {
    request.uiGameID = c.gameId;
    CopyWholeText(request.acTableName, sizeof request.acTableName, c.name);
    FillRequestPassword(request, c.passwordOption && TableTakesPassword(c.tableNumber), c.password);
    request.ucSettingA = static_cast<unsigned char>(c.working.iSettingA);
    request.ucSettingB = static_cast<unsigned char>(c.working.iSettingB);
    request.uiScore = static_cast<unsigned int>(c.working.iScore);
    request.ucSpecialCardTypes = c.specialCard ? 1 : 0;
    request.ucAddMultiple = c.addMultiple ? 1 : 0;
    request.ucSpecialRuleOn = 0;
    request.ucMaxDisconnectPercent = 0;
    request.uiGoldGapLimit = 0;
    request.ucLevelGapLimit = 0;
}
