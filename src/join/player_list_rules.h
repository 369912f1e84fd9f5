// The player list's rules as plain functions: how two rows compare, what a
// row draws (frame, avatar, badge, marker, name colour, table text), which
// player-menu entries are enabled, which caption a sort command shows, the
// value text, the blocks sent to the host and the contest page address.
// The list box and its dialog only call these.
#ifndef LOBBYUI_JOIN_PLAYER_LIST_RULES_H
#define LOBBYUI_JOIN_PLAYER_LIST_RULES_H

#include <stddef.h>
#include <stdint.h>

#include <functional>
#include <string>

#include <lobbyui/room.h>

namespace player_list {

// What a comparison needs to know beyond the two records. Each call may ask
// the host (a friend query is a synchronous message), so the comparison asks
// only for what its sort command uses.
class RowFacts {
public:
    virtual ~RowFacts() = default;
    virtual unsigned int LocalPlayerId() = 0;
    virtual bool IsFriend(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) = 0;
    virtual int TableOf(unsigned int playerId) = 0;
};

// Negative puts a above b. The local player's row is above every other; then
// the sort command decides (ties give 0). scoreLobby picks beans (true) or
// score (false) for the value sort. A null record goes below a real one.
int CompareRows(const tagKWP_PLAYER_LIST_DATA_EXTRA* a, const tagKWP_PLAYER_LIST_DATA_EXTRA* b, int sortCommand,
                bool scoreLobby, RowFacts& facts);

// Row frame image: 1 for the local player, 2 for a friend, 0 otherwise.
int RowFrameImage(bool local, bool isFriend);

// Avatar image, or -1 when the row shows none (icon 73 and up).
int AvatarImage(unsigned short icon, unsigned char level);

struct BadgeChoice {
    int group;  // a picture group of ePALYER_LIST_PIC_GROUP
    int image;  // may lie outside the group's list; the list then draws nothing
    int dx;     // offset from the row's top-left corner
    int dy;
};
BadgeChoice LevelBadge(unsigned char level);

// The marker byte as the row keeps it: negative reads as 0, then modulo 2.
signed char NormaliseMarker(signed char marker);

// The nickname colour of a member class as 0x00BBGGRR; false for a class
// above 3, whose row draws no nickname.
bool NameColour(unsigned char memberClass, uint32_t* colour);

// "---" for no table, else at least three digits: 7 -> "007", 42 -> "042".
std::string TableText(int table);

struct PlayerMenuState {
    bool query;          // 32780
    bool invite;         // 32779
    bool social;         // 32786, 32787, 32788
    bool inviteToGroup;  // 32789: there is no such feature yet
};
// Invite needs an auto value below 3, the local player seated and the
// clicked one not; the social entries make no sense on one's own row.
PlayerMenuState PlayerMenuStates(unsigned char autoValue, int localTable, int clickedTable, bool clickedIsLocal);

// Loads text n of the text table.
using TextLoader = std::function<std::string(int)>;

// The caption text a sort command shows; 0 leaves the caption as it is.
// valueText31 chooses text 31 over text 32 for the value sort.
int SortCaptionText(int sortCommand, bool valueText31);

// The sort captions read at start-up. A slot is trusted only when its text
// is exactly 10 bytes (five GBK characters, as every built-in caption is);
// any other caption is read afresh each time it is needed.
class CaptionCache {
public:
    static const int kSlots = 7;
    static const size_t kSlotSize = 11;

    // Reads texts 28, 29, 30, 31, 32, 33 and 86 into slots 1 to 7.
    void Fill(const TextLoader& load);
    // The caption for text n: the cached one when usable, else read now.
    std::string Caption(int textNumber, const TextLoader& load) const;
    bool Usable(int slot) const;

private:
    static int SlotOf(int textNumber);
    char m_slots[kSlots + 1][kSlotSize] = {};
};

// The value text of a row and the format it keeps between rows. A simplified
// system reads the format afresh for every row (text 10 for beans, 9 for
// score); otherwise the kept one, or text 10 when none is kept. Formats are
// cut to 8 bytes; an empty cut format is read again and used whole.
class ValueFormat {
public:
    static const size_t kSize = 9;

    void Set(const std::string& text);
    const char* Get() const { return m_format; }
    std::string Text(const tagKWP_PLAYER_LIST_DATA_EXTRA& player, bool simplified, bool beansMode,
                     const TextLoader& load);

private:
    char m_format[kSize] = {};
};

#pragma pack(push, 1)
// Sent with code 33: whose record to fetch.
struct PlayerQueryBlock {
    uint32_t uiPlayerID;
    uint8_t ucConstOne;
    uint8_t ucUnset5[3];
    char acNickName[15];
    uint8_t ucUnset23;
};
// Sent with code 58: who invites whom to which table.
struct PlayerInviteBlock {
    uint16_t usTableNum;
    uint8_t ucUnset2[2];
    uint32_t uiLocalPlayerID;
    uint32_t uiInvitedPlayerID;
};
#pragma pack(pop)
static_assert(offsetof(PlayerQueryBlock, ucConstOne) == 4, "query block layout");
static_assert(offsetof(PlayerQueryBlock, acNickName) == 8, "query block layout");
static_assert(sizeof(PlayerQueryBlock) == 24, "query block size");
static_assert(offsetof(PlayerInviteBlock, uiLocalPlayerID) == 4, "invitation block layout");
static_assert(offsetof(PlayerInviteBlock, uiInvitedPlayerID) == 8, "invitation block layout");
static_assert(sizeof(PlayerInviteBlock) == 12, "invitation block size");

// The bytes nobody sets are zero, so no stack garbage reaches the host.
PlayerQueryBlock MakeQueryBlock(const tagKWP_PLAYER_LIST_DATA_EXTRA& clicked);
PlayerInviteBlock MakeInviteBlock(int localTable, unsigned int localId, unsigned int invitedId);

// The contest server used when the host names none.
extern const char kDefaultContestServer[];
// The server a host names (scheme and host, optionally a port), or the
// default when it names none or one that is not a plain http(s) address:
// the address goes to the shell, which would run a program named there.
std::string ContestServer(const char* configured);
std::string ContestPageAddress(const std::string& server, int contestNumber);

}  // namespace player_list

#endif
