#include "join/join_table_rules.h"

#include <string.h>

#include "res/join_ids.h"

JoinTableFlags& TheJoinTableFlags() {
    static JoinTableFlags flags;
    return flags;
}

LevelTitle LevelTitleOf(unsigned int level) {
    // Named titles have slots of their own size; the rest count landlord
    // levels from 2 upward (level 11 is the second landlord level).
    if (level <= 9) return LevelTitle{36 + static_cast<int>(level), 9, 0};
    if (level == 10) return LevelTitle{46, 9, 0};
    switch (level) {
    case 19: return LevelTitle{55, 11, 0};
    case 20: return LevelTitle{56, 11, 0};
    case 21: return LevelTitle{57, 11, 0};
    case 22: return LevelTitle{58, 11, 0};
    case 23: return LevelTitle{81, 11, 0};
    default: return LevelTitle{0, 0, static_cast<int>(level) - 9};
    }
}

SeatKind SeatKindOf(unsigned int playerId) {
    if (playerId == 0) return kSeatEmpty;
    if (playerId <= 100) return kSeatReserved;
    return kSeatPlayer;
}

bool SeatsShown(const tagKWP_TABLE_LIST_DATA& table) {
    for (unsigned int id : table.uiSeatPlayerID) {
        if (id > 100) return true;
    }
    return false;
}

const SeatPlace kSeatPlaces[3] = {{79, 213, 139}, {136, 174, 191}, {22, 174, 82}};

int CentredLeft(int left, int right, int width) { return left + (right - left - width) / 2; }

CRect SpecialRuleSlot(int slot) {
    // Slots 0 and 2 sit right of slot 1, inside the 222-pixel client width.
    switch (slot) {
    case 0: return CRect(118, 91, 202, 106);
    case 1: return CRect(17, 109, 101, 124);
    default: return CRect(118, 109, 202, 124);
    }
}

size_t SpecialRuleImages(unsigned char rules, RuleImage images[3]) {
    if (rules == 0) {
        images[0] = RuleImage{"NoRule", SpecialRuleSlot(0)};
        return 1;
    }
    size_t count = 0;
    int slot = 0;
    if (rules & 1) {
        images[count++] = RuleImage{"NoRule", SpecialRuleSlot(1)};
        slot = 1;
    }
    if (rules & 2) images[count++] = RuleImage{"Rule2", SpecialRuleSlot(slot++)};
    if (rules & 4) images[count++] = RuleImage{"Rule3", SpecialRuleSlot(slot)};
    return count;
}

size_t ButtonLayoutFor(int type, ButtonPlacement placements[6], bool* commonEnd) {
    const CRect none;
    switch (type) {
    case 0:
    case 2:
    case 3:
        placements[0] = ButtonPlacement{IDC_JT_SEARCH1, false, -1, false, none};
        placements[1] = ButtonPlacement{IDC_JT_SEARCH2, false, -1, false, none};
        placements[2] = ButtonPlacement{IDC_JT_JOIN, false, -1, false, none};
        placements[3] = ButtonPlacement{IDC_JT_CLOSE, true, -1, true, CRect(83, 330, 83 + 54, 330 + 28)};
        *commonEnd = true;
        return 4;
    case 1:
        placements[0] = ButtonPlacement{IDC_JT_SEARCH1, true, 0, true, CRect(66, 305, 66 + 82, 305 + 28)};
        placements[1] = ButtonPlacement{IDC_JT_SEARCH2, true, 0, true, CRect(66, 347, 66 + 82, 347 + 28)};
        placements[2] = ButtonPlacement{IDC_JT_JOIN, true, 1, true, CRect(7, 330, 7 + 54, 330 + 28)};
        placements[3] = ButtonPlacement{IDC_JT_CLOSE, true, 1, true, CRect(153, 330, 153 + 54, 330 + 28)};
        // The hidden button moves with join but stays hidden.
        placements[4] = ButtonPlacement{IDC_JT_HIDDEN, false, -1, true, CRect(7, 330, 7 + 54, 330 + 28)};
        *commonEnd = false;
        return 5;
    default:
        *commonEnd = true;
        return 0;
    }
}

const CRect kArrowRect(-2, 170, -2 + 9, 170 + 63);
unsigned int ArrowShown(bool panelOut) { return panelOut ? IDC_JT_ARROW_IN : IDC_JT_ARROW_OUT; }
unsigned int ArrowHidden(bool panelOut) { return panelOut ? IDC_JT_ARROW_OUT : IDC_JT_ARROW_IN; }

CPoint PanelOrigin(int x, int y) { return CPoint(x - 202, y + 128); }

bool FocusTableChanged(const tagKWP_TABLE_LIST_DATA& shown, const tagKWP_TABLE_LIST_DATA& incoming) {
    if (shown.usTableNum != incoming.usTableNum || shown.ucSpecialRule != incoming.ucSpecialRule ||
        shown.bHavePassword != incoming.bHavePassword || shown.ucSettingB != incoming.ucSettingB ||
        shown.ucSettingA != incoming.ucSettingA || shown.bCanPeek != incoming.bCanPeek ||
        shown.uiScore != incoming.uiScore) {
        return true;
    }
    // A name that fills all 17 bytes has no terminator; compare within the field.
    if (strncmp(shown.acTableName, incoming.acTableName, sizeof shown.acTableName) != 0) return true;
    return memcmp(shown.uiSeatPlayerID, incoming.uiSeatPlayerID, sizeof shown.uiSeatPlayerID) != 0;
}

bool PanelForcesSearch(const char* tableNumberText, int selection248, int selection249, int selection250) {
    int number = TextToInt(tableNumberText);
    if (number >= 1 && number <= 200) return true;
    return selection248 > 0 || selection249 > 0 || selection250 > 0;
}
