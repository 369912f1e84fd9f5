#include "join/player_list_rules.h"

#include <stdio.h>
#include <string.h>

#include <lobbyui/party_dialogs.h>

#include "res/player_list_ids.h"
#include "support/safe_format.h"

namespace player_list {

namespace {

// Larger first: the sorts by level, value and member class put the top of
// the room at the top of the list.
template <class T>
int Descending(T a, T b) {
    return a > b ? -1 : (a < b ? 1 : 0);
}

// Byte-wise unsigned, within the 40 bytes of the field: a nickname that
// fills the field without a terminator still compares safely.
int CompareNicknames(const char (&a)[40], const char (&b)[40]) {
    for (size_t i = 0; i < sizeof a; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
    return 0;
}

const int kFirstHighAvatar = 73;
const unsigned char kFirstHighLevel = 19;

}  // namespace

int CompareRows(const tagKWP_PLAYER_LIST_DATA_EXTRA* a, const tagKWP_PLAYER_LIST_DATA_EXTRA* b, int sortCommand,
                bool scoreLobby, RowFacts& facts) {
    if (!a || !b) return a == b ? 0 : (a ? -1 : 1);
    const unsigned int local = facts.LocalPlayerId();
    if (a->uiPlayerID == local) return -1;
    if (b->uiPlayerID == local) return 1;
    switch (sortCommand) {
    case ID_SORT_BY_FRIEND: {
        bool friendA = facts.IsFriend(*a);
        bool friendB = facts.IsFriend(*b);
        return friendA == friendB ? 0 : (friendA ? -1 : 1);
    }
    case ID_SORT_BY_NICKNAME:
        return CompareNicknames(a->acNickName, b->acNickName);
    case ID_SORT_BY_LEVEL:
        return Descending(a->ucLevel, b->ucLevel);
    case ID_SORT_BY_VALUE:
        return scoreLobby ? Descending(a->iBeans, b->iBeans) : Descending(a->iScore, b->iScore);
    case ID_SORT_BY_TABLE: {
        int tableA = facts.TableOf(a->uiPlayerID);
        int tableB = facts.TableOf(b->uiPlayerID);
        return tableA < tableB ? -1 : (tableA > tableB ? 1 : 0);
    }
    case ID_SORT_BY_MEMBER:
        return Descending(a->ucMember, b->ucMember);
    default:
        return 0;
    }
}

int RowFrameImage(bool local, bool isFriend) { return local ? 1 : (isFriend ? 2 : 0); }

int AvatarImage(unsigned short icon, unsigned char level) {
    if (icon >= kFirstHighAvatar) return -1;
    switch (level) {
    case 20: return 73;
    case 21: return 74;
    case 22: return 75;
    default: return icon;
    }
}

BadgeChoice LevelBadge(unsigned char level) {
    if (level < kFirstHighLevel) return BadgeChoice{PLPG_LEVEL, level, 43, 23};
    return BadgeChoice{PLPG_HIGH_LEVEL, 23 - level, 37, 22};
}

signed char NormaliseMarker(signed char marker) {
    if (marker < 0) marker = 0;
    return static_cast<signed char>(marker % 2);
}

bool NameColour(unsigned char memberClass, uint32_t* colour) {
    static const uint32_t kColours[] = {
        0x000000,  // black
        0x007100,  // green (0, 113, 0)
        0x0000FF,  // red
        0xFF00FF,  // magenta
    };
    if (memberClass > 3) return false;
    if (colour) *colour = kColours[memberClass];
    return true;
}

std::string TableText(int table) {
    if (table == 0) return "---";
    char text[16];
    if (table < 10) {
        snprintf(text, sizeof text, "00%d", table);
    } else if (table < 100) {
        snprintf(text, sizeof text, "0%d", table);
    } else {
        snprintf(text, sizeof text, "%d", table);
    }
    return text;
}

PlayerMenuState PlayerMenuStates(unsigned char autoValue, int localTable, int clickedTable, bool clickedIsLocal) {
    PlayerMenuState state;
    state.query = true;
    state.invite = autoValue < 3 && localTable != 0 && clickedTable == 0;
    state.social = !clickedIsLocal;
    state.inviteToGroup = false;
    return state;
}

int SortCaptionText(int sortCommand, bool valueText31) {
    switch (sortCommand) {
    case 0: return 86;
    case ID_SORT_BY_NICKNAME: return 28;
    case ID_SORT_BY_FRIEND: return 29;
    case ID_SORT_BY_LEVEL: return 30;
    case ID_SORT_BY_VALUE: return valueText31 ? 31 : 32;
    case ID_SORT_BY_TABLE: return 33;
    case ID_SORT_BY_MEMBER: return 86;
    default: return 0;
    }
}

int CaptionCache::SlotOf(int textNumber) {
    switch (textNumber) {
    case 28: return 1;
    case 29: return 2;
    case 30: return 3;
    case 31: return 4;
    case 32: return 5;
    case 33: return 6;
    case 86: return 7;
    default: return 0;
    }
}

void CaptionCache::Fill(const TextLoader& load) {
    static const int kTexts[kSlots] = {28, 29, 30, 31, 32, 33, 86};
    for (int i = 0; i < kSlots; ++i) {
        std::string text = load(kTexts[i]);
        // A longer text is not cut into the slot: it would be unusable anyway.
        if (text.size() == kSlotSize - 1) {
            memcpy(m_slots[i + 1], text.data(), text.size());
            m_slots[i + 1][kSlotSize - 1] = '\0';
        } else {
            m_slots[i + 1][0] = '\0';
        }
    }
}

bool CaptionCache::Usable(int slot) const {
    if (slot < 1 || slot > kSlots) return false;
    return strlen(m_slots[slot]) == kSlotSize - 1;
}

std::string CaptionCache::Caption(int textNumber, const TextLoader& load) const {
    int slot = SlotOf(textNumber);
    if (Usable(slot)) return m_slots[slot];
    return load(textNumber);
}

void ValueFormat::Set(const std::string& text) { CopyToSlot(m_format, sizeof m_format, text.c_str()); }

std::string ValueFormat::Text(const tagKWP_PLAYER_LIST_DATA_EXTRA& player, bool simplified, bool beansMode,
                              const TextLoader& load) {
    int textNumber = 10;
    int value = player.iBeans;
    if (simplified) {
        if (!beansMode) {
            textNumber = 9;
            value = player.iScore;
        }
        Set(load(textNumber));
    } else if (m_format[0] == '\0') {
        Set(load(textNumber));
    }
    std::string format = m_format;
    if (format.empty()) format = load(textNumber);
    char text[128];
    SafeFormat(text, format.c_str(), {FormatArg::Int(value)});
    return text;
}

PlayerQueryBlock MakeQueryBlock(const tagKWP_PLAYER_LIST_DATA_EXTRA& clicked) {
    PlayerQueryBlock block;
    memset(&block, 0, sizeof block);
    block.uiPlayerID = clicked.uiPlayerID;
    block.ucConstOne = 1;
    memcpy(block.acNickName, clicked.acNickName, sizeof block.acNickName);
    return block;
}

PlayerInviteBlock MakeInviteBlock(int localTable, unsigned int localId, unsigned int invitedId) {
    PlayerInviteBlock block;
    memset(&block, 0, sizeof block);
    block.usTableNum = static_cast<uint16_t>(localTable & 0xFFFF);
    block.uiLocalPlayerID = localId;
    block.uiInvitedPlayerID = invitedId;
    return block;
}

const char kDefaultContestServer[] = "http://localhost";

namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    size_t n = strlen(prefix);
    if (text.size() < n) return false;
    for (size_t i = 0; i < n; ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool HostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == ':' || c == '[' || c == ']';
}

}  // namespace

std::string ContestServer(const char* configured) {
    if (!configured) return kDefaultContestServer;
    std::string server(configured);
    while (!server.empty() && server.back() == '/') server.pop_back();
    size_t hostStart = 0;
    if (StartsWithNoCase(server, "http://")) {
        hostStart = 7;
    } else if (StartsWithNoCase(server, "https://")) {
        hostStart = 8;
    } else {
        return kDefaultContestServer;
    }
    if (server.size() == hostStart || server.size() > 200) return kDefaultContestServer;
    for (size_t i = hostStart; i < server.size(); ++i) {
        if (!HostCharacter(server[i])) return kDefaultContestServer;
    }
    return server;
}

std::string ContestPageAddress(const std::string& server, int contestNumber) {
    char query[32];
    snprintf(query, sizeof query, "?cno=%d&pg=5", contestNumber);
    return server + "/contest/content.aspx" + query;
}

}  // namespace player_list
