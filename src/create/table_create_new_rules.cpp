#include "create/table_create_new_rules.h"

#include <stdio.h>
#include <string.h>

#include "res/create_new_ids.h"
#include "support/safe_format.h"
#include "support/texts_gbk.h"

namespace {

NewCreateValues s_values;

int32_t Clamp(int32_t value, int32_t low, int32_t high) { return value < low ? low : value > high ? high : value; }

// The last `count` decimal digits of a non-negative value, most significant first.
void LastDigits(int32_t value, int count, int* digits) {
    uint32_t rest = value < 0 ? 0u : static_cast<uint32_t>(value);
    for (int i = count - 1; i >= 0; --i) {
        digits[i] = static_cast<int>(rest % 10);
        rest /= 10;
    }
}

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
    if (counter <= 0) return TimeoutAction::None;
    if (visible) {
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

CheckButtonLook CheckButtonLookFor(unsigned int controlId) {
    CheckButtonLook look = {-1, -1, -1, false, false, CRect(), 0, 0};
    auto push = [&look](int first, int size) {
        look.normal = first;
        look.hover = first + 1;
        look.pressed = first + 2;
        look.hasRegion = true;
        look.region = CRect(0, 0, size == 0 ? 85 : size, size == 0 ? 25 : size);
        look.cornerWidth = look.cornerHeight = 5;
    };
    switch (controlId) {
    case IDC_CTN_CREATE: push(kPicCreate, 0); break;
    case IDC_CTN_CANCEL: push(kPicCancel, 0); break;
    case IDC_CTN_CLOSE: push(kPicClose, 15); break;
    case IDC_CTN_SCORE_DOWN:
    case IDC_CTN_SETTING_A_DOWN:
    case IDC_CTN_SETTING_B_DOWN: push(kPicDown, 28); break;
    case IDC_CTN_SCORE_UP:
    case IDC_CTN_SETTING_A_UP:
    case IDC_CTN_SETTING_B_UP: push(kPicUp, 28); break;
    case IDC_CTN_PASSWORD_OPTION:
    case IDC_CTN_DISABLED_CHECK:
    case IDC_CTN_ADD_MULTIPLE:
    case IDC_CTN_SPECIAL_CARD:
        look.checkBox = true;
        look.hasRegion = true;
        look.region = CRect(0, 0, 18, 18);
        look.cornerWidth = look.cornerHeight = 2;
        break;
    default:
        break;
    }
    return look;
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
