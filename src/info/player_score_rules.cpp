#include "info/player_score_rules.h"

#include <stdio.h>
#include <string.h>

#include "support/digit_pictures.h"
#include "support/safe_format.h"

namespace player_score {

namespace {

const int kThresholds[10] = {50, 120, 240, 420, 660, 980, 1380, 1860, 2420, 3060};

bool LeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool TrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

std::string Number(int value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return text;
}

}  // namespace

int TitleTextNumber(unsigned int level) { return level == 23 ? 81 : 36 + static_cast<int>(level); }

std::string SecondCharacter(const char* text) {
    if (!text) return std::string();
    const unsigned char* b = reinterpret_cast<const unsigned char*>(text);
    // Offset 2 must start a character: two single bytes or one double-byte
    // character before it. Each test stops at the terminator, which is
    // neither a lead nor a trail byte, so nothing past it is read.
    bool boundary = LeadByte(b[0]) ? TrailByte(b[1]) : (b[0] != 0 && b[1] != 0 && !LeadByte(b[1]));
    if (!boundary || !LeadByte(b[2]) || !TrailByte(b[3])) return std::string();
    return std::string(text + 2, 2);
}

std::string FallbackTitle(unsigned int level, const char* levelLabel, const char* danSuffix) {
    if (level <= 9) return Number(static_cast<int>(level) + 1) + SecondCharacter(levelLabel);
    if (level == 10) return danSuffix ? std::string(danSuffix) : std::string();
    return Number(static_cast<int>(level) - 9) + SecondCharacter(danSuffix);
}

bool ExperienceThreshold(unsigned int level, int* threshold) {
    if (level > 9) return false;
    if (threshold) *threshold = kThresholds[level];
    return true;
}

PlayTime HoursAndMinutes(int seconds) {
    PlayTime t;
    t.hours = seconds / 3600;
    t.minutes = (seconds / 60) % 60;
    return t;
}

bool MemberColour(unsigned char member, uint32_t* colour) {
    static const uint32_t kColours[4] = {0x000000, 0x007100, 0x0000FF, 0xFF00FF};
    if (member > 3) return false;
    if (colour) *colour = kColours[member];
    return true;
}

size_t ItemGrid(const tagKWP_MERIT_DETAIL& merit, GridItem items[kSlots]) {
    size_t n = 0;
    const unsigned int level = merit.ucLevel;
    if (level >= 10 && level <= 18) {
        if (merit.ucKingHatCount > 0) items[n++] = {"kinghatPic1", kGroupKingHat, true, merit.ucKingHatCount, 69};
    } else {
        switch (level) {
        case 19: items[n++] = {"kinghatPic2", kGroupKingHat, false, 0, 70}; break;
        case 20: items[n++] = {"baiyin", kGroupRings, false, 0, 56}; break;
        case 21: items[n++] = {"huangjin", kGroupRings, false, 0, 57}; break;
        case 22: items[n++] = {"zuanshi", kGroupRings, false, 0, 58}; break;
        case 23: items[n++] = {"kinghatPic3", kGroupKingHat, false, 0, 81}; break;
        default: break;
        }
    }
    const struct {
        const char* image;
        int count;
        int tooltip;
    } cards[6] = {
        {"jinka15", merit.iGoldCard15, 71},  {"jinka30", merit.iGoldCard30, 72},   {"jinka50", merit.iGoldCard50, 73},
        {"yinka5", merit.iSilverCard5, 74}, {"yinka10", merit.iSilverCard10, 75}, {"yinka30", merit.iSilverCard30, 76},
    };
    for (const auto& card : cards) {
        if (card.count > 0) items[n++] = {card.image, kGroupCards, true, card.count, card.tooltip};
    }
    return n;
}

void CountDigits(int count, int* tens, int* ones) {
    int digits[2];
    LastDigits(count > 99 ? 99 : count, 2, digits);
    *tens = digits[0];
    *ones = digits[1];
}

CRect IconRect(int slot) {
    const int c = slot % 4, r = slot / 4;
    return CRect(14 + 34 * c, 267 + 34 * r, 44 + 34 * c, 297 + 34 * r);
}

CRect DigitRect(int slot) {
    const int c = slot % 4, r = slot / 4;
    return CRect(24 + 34 * c, 266 + 34 * r, 35 + 34 * c, 283 + 34 * r);
}

CRect TensRect(int slot) {
    CRect r = DigitRect(slot);
    return CRect(r.left - 10, r.top, r.right - 10, r.bottom);
}

PageTurn TurnPage(Pages& pages) {
    PageTurn turn = {kKeep, kKeep};
    if (pages.nextRequested) {
        if (++pages.page >= kPages) {
            pages.page = kPages;
            turn.next = kDisable;
        }
        turn.previous = kEnable;
        pages.nextRequested = false;
    }
    if (pages.previousRequested) {
        if (--pages.page <= 1) {
            pages.page = 1;
            turn.previous = kDisable;
        }
        turn.next = kEnable;
        pages.previousRequested = false;
    }
    return turn;
}

int PageLabelText(int page) {
    if (page < 1) page = 1;
    if (page > kPages) page = kPages;
    return 76 + page;
}

const TooltipSlot kTooltipSlots[kSlots] = {
    {69, 80}, {70, 80}, {56, 10}, {57, 10}, {58, 10}, {81, 10},
    {71, 80}, {72, 80}, {73, 80}, {74, 80}, {75, 80}, {76, 80},
};

int TooltipSlotOf(int textNumber) {
    for (int i = 0; i < kSlots; ++i) {
        if (kTooltipSlots[i].textNumber == textNumber) return i;
    }
    return -1;
}

void CopyPlayerName(char (&field)[kNameSize], const char* name, size_t available) {
    if (!name) {
        field[0] = '\0';
        return;
    }
    char bounded[kNameSize + 1];
    size_t length = 0;
    while (length < available && length < kNameSize && name[length]) {
        bounded[length] = name[length];
        ++length;
    }
    bounded[length] = '\0';
    CopyToSlot(field, kNameSize, bounded);
}

}  // namespace player_score
