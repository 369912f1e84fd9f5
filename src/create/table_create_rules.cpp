#include "create/table_create_rules.h"

#include <string.h>

#include "create/table_create_new_rules.h"
#include "info/csv_text.h"
#include "support/decimal_text.h"
#include "support/safe_format.h"

namespace {

const int kTimeoutTicks = 180;

// A name from the host's record may fill its 17 bytes without a terminator.
void CopyRecordName(char (&slot)[17], const char (&name)[17]) {
    char bounded[sizeof name + 1];
    memcpy(bounded, name, sizeof name);
    bounded[sizeof name] = '\0';
    memset(slot, 0, sizeof slot);
    CopyToSlot(slot, sizeof slot, bounded);
}

}  // namespace

int ClassicScorePosition(const AllowedScoreList& allowed, int position) {
    const int last = allowed.Count() - 1;
    if (position > last) position = last;
    return position < 0 ? 0 : position;
}

int32_t ClassicScoreAt(const AllowedScoreList& allowed, int position) {
    return allowed.Count() > 0 ? allowed.At(ClassicScorePosition(allowed, position)) : 0;
}

ClassicTableForm::ClassicTableForm() : m_allowed(ScoreValueTable::Classic) {
    memset(&m_request, 0, sizeof m_request);
    memset(&m_defaults, 0, sizeof m_defaults);
}

void ClassicTableForm::Show(const tagKWP_TABLE_SET_DEFAULT& record, unsigned short tableNum, char (&remembered)[17]) {
    CopyRecordName(remembered, m_request.acTableName);
    memset(&m_request, 0, sizeof m_request);
    if (refresh) memcpy(&m_defaults, &record, sizeof m_defaults);
    m_allowed.Build(m_defaults.uiScoreMask);
    // A position kept from a longer list would step from a free slot.
    m_position = ClassicScorePosition(m_allowed, m_allowed.DefaultPosition(refresh, m_defaults.ucScoreIndex, m_position));

    m_request.usTableNum = tableNum;
    m_request.ucSettingA = m_defaults.ucSettingADefault;
    m_request.uiScore = static_cast<unsigned int>(
        ClassicScoreAt(m_allowed, refresh ? m_position : static_cast<int>(m_defaults.ucScoreIndex)));
    m_request.ucSettingB = m_defaults.ucSettingBDefault;
    CopyRecordName(m_request.acTableName, record.acTableName);
}

bool ClassicTableForm::StepScore(bool up) {
    if (up) {
        if (m_position + 1 >= m_allowed.Count()) return false;
        ++m_position;
    } else {
        if (m_position <= 0) return false;
        --m_position;
    }
    m_request.uiScore = static_cast<unsigned int>(ClassicScoreAt(m_allowed, m_position));
    return true;
}

bool ClassicTableForm::StepSettingA(bool up) {
    unsigned char& a = m_request.ucSettingA;
    if (up) {
        if (a >= m_defaults.ucSettingAMax) return false;
        ++a;
    } else {
        if (a <= m_defaults.ucSettingAMin) return false;
        --a;
    }
    return true;
}

bool ClassicTableForm::StepSettingB(bool up) {
    // Steps of 4 may pass the bound, but never wrap round the byte.
    unsigned char& b = m_request.ucSettingB;
    if (up) {
        if (b >= m_defaults.ucSettingBMax) return false;
        b = static_cast<unsigned char>(b > 255 - 4 ? 255 : b + 4);
    } else {
        if (b <= m_defaults.ucSettingBMin) return false;
        b = static_cast<unsigned char>(b < 4 ? 0 : b - 4);
    }
    return true;
}

void ClassicTableForm::Confirm(const ClassicConfirmInput& input) {
    m_request.ucSpecialCardTypes = 0;
    m_request.uiGameID = input.gameId;
    m_request.ucMaxDisconnectPercent = static_cast<unsigned char>(TextToInt(input.disconnectPercentText));
    m_request.uiGoldGapLimit = static_cast<unsigned int>(TextToInt(input.goldGapText));
    m_request.ucLevelGapLimit = static_cast<unsigned char>(TextToInt(input.levelGapText));

    memset(m_request.acTableName, 0, sizeof m_request.acTableName);
    CopyToSlot(m_request.acTableName, sizeof m_request.acTableName, input.name ? input.name : "");

    // A table up to 100 takes no password, whatever its box shows; and a
    // box unticked since the last confirmation sends none either.
    FillRequestPassword(m_request, input.passwordOn && TableTakesPassword(m_request.usTableNum), input.password);

    m_request.ucSpecialCardTypes = static_cast<unsigned char>(input.cardTypes & 7);
    m_request.ucSpecialRuleOn = input.specialRuleOn ? 1 : 0;

    m_defaults.ucScoreIndex = static_cast<unsigned char>(m_position);
    m_defaults.ucSpecialCardTypes = m_request.ucSpecialCardTypes;
    m_defaults.ucSpecialRuleOn = m_request.ucSpecialRuleOn;
    m_defaults.ucSettingADefault = m_request.ucSettingA;
    m_defaults.ucSettingBDefault = m_request.ucSettingB;
}

void LoadName(int textNumber, char (&slot)[17]) {
    CCsvText reader;
    reader.DetectLanguage();
    reader.Load(textNumber, reader.simplified);
    CopyToSlot(slot, sizeof slot, reader.text);
}

bool CardTypeBoxEnabled(unsigned char enabledMask, int bit) {
    return enabledMask == 0 || (enabledMask & (1u << bit)) != 0;
}

bool ClassicTimeoutTick(int& counter, bool visible) {
    if (!visible || counter <= 0) return false;
    ++counter;
    if (counter <= kTimeoutTicks) return false;
    counter = -1;
    return true;
}
