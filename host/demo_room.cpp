#include "demo_room.h"

#include <windows.h>

#include <string.h>
#include <wchar.h>

namespace {

const char* const kAdjectives[] = {"快乐", "逍遥", "江南", "飞天", "无敌", "幸运", "北方", "小小",
                                   "老", "大漠", "清风", "闪电", "笑傲", "开心", "西湖"};
const char* const kNouns[] = {"猫", "老虎", "刀客", "书生", "农夫", "大侠", "地主", "雪人", "旋风", "王子",
                              "牌王", "渔翁", "剑客", "熊猫", "飞鱼", "少年", "公主", "棋圣", "牛仔", "船长"};
const char* const kTableNames[] = {"欢乐斗地主", "高手过招", "新手练习", "快来一起玩", "不服来战", "周末休闲",
                                   "老友聚会", "只求一胜", "炸弹满天飞", "春天来了"};
const unsigned kScores[] = {1, 2, 3, 4, 5, 10, 20, 30, 40, 50, 100, 200, 300, 400, 500};

const unsigned kFirstPlayerId = 10001;
const unsigned kPlayerCount = 300;

void CopyText(char* slot, size_t size, const std::string& text) {
    memset(slot, 0, size);
    memcpy(slot, text.data(), text.size() < size ? text.size() : size - 1);
}

}  // namespace

std::string Gbk(const char* utf8) {
    int wide = ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    if (wide <= 0) return std::string();
    std::wstring w(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &w[0], wide);
    int narrow = ::WideCharToMultiByte(936, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (narrow <= 0) return std::string();
    std::string out(static_cast<size_t>(narrow), '\0');
    ::WideCharToMultiByte(936, 0, w.c_str(), -1, &out[0], narrow, nullptr, nullptr);
    out.resize(strlen(out.c_str()));
    return out;
}

std::string Utf8FromGbk(const char* gbk, size_t maxBytes) {
    if (!gbk) return "(null)";
    size_t length = strnlen(gbk, maxBytes);
    if (!length) return std::string();
    int wide = ::MultiByteToWideChar(936, 0, gbk, static_cast<int>(length), nullptr, 0);
    if (wide <= 0) return std::string();
    std::wstring w(static_cast<size_t>(wide), L'\0');
    ::MultiByteToWideChar(936, 0, gbk, static_cast<int>(length), &w[0], wide);
    int narrow = ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(narrow > 0 ? narrow : 0), '\0');
    if (narrow > 0) ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), wide, &out[0], narrow, nullptr, nullptr);
    return out;
}

std::wstring WideFromUtf8(const std::string& utf8) {
    int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring out(static_cast<size_t>(n > 0 ? n : 1), L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &out[0], n);
    out.resize(wcslen(out.c_str()));
    return out;
}

DemoRoom::DemoRoom() : DemoRoom(20261207, kPlayerCount, 150) {}

DemoRoom::DemoRoom(unsigned seed, unsigned playerCount, unsigned tableCount) {
    DemoRandom random(seed);
    if (playerCount < 2) playerCount = 2;
    if (tableCount < 12) tableCount = 12;
    // Every fifth table is a gap where one closed, unless the room is full.
    const bool gaps = tableCount < 200;

    for (unsigned i = 0; i < playerCount; ++i) {
        tagKWP_PLAYER_LIST_DATA_EXTRA p;
        memset(&p, 0, sizeof p);
        p.uiPlayerID = kFirstPlayerId + i;
        std::string name = Gbk(kAdjectives[i % 15]) + Gbk(kNouns[(i / 15) % 20]);
        if (i >= 300) name += std::to_string(i / 300);  // 300 names, then they repeat with a number
        CopyText(p.acNickName, sizeof p.acNickName, name);
        // More players at low levels than at the top, as in a real room.
        unsigned roll = random.Below(100);
        p.ucLevel = static_cast<unsigned char>(roll < 60 ? random.Below(10) : roll < 90 ? 10 + random.Below(9) : 19 + random.Below(5));
        p.usIcon = static_cast<unsigned short>(random.Below(73));
        p.cSex = static_cast<signed char>(random.Below(2));
        unsigned member = random.Below(10);
        p.ucMember = static_cast<unsigned char>(member < 6 ? 0 : member < 8 ? 1 : member < 9 ? 2 : 3);
        p.iBeans = static_cast<int>(random.Below(200000));
        p.iScore = static_cast<int>(random.Below(9000)) - 1000;
        p.ucAngelMark = random.Below(40) == 0 ? 100 : 0;
        m_players.push_back(p);
        if (i % 9 == 4) m_friends.insert(name);
    }
    m_localPlayerId = kFirstPlayerId;
    m_players[0].ucLevel = 12;
    m_players[0].ucMember = 3;

    std::vector<bool> seated(playerCount, false);
    unsigned nextStanding = 1;  // the local player is seated by hand below
    auto takePlayer = [&]() -> unsigned {
        for (unsigned tries = 0; tries < playerCount; ++tries) {
            unsigned i = 1 + random.Below(playerCount - 1);
            if (!seated[i]) {
                seated[i] = true;
                return kFirstPlayerId + i;
            }
        }
        while (nextStanding < playerCount && seated[nextStanding]) ++nextStanding;
        if (nextStanding >= playerCount) return 0;
        seated[nextStanding] = true;
        return kFirstPlayerId + nextStanding;
    };

    m_localTable = 12;
    for (unsigned number = 1; number <= tableCount && number <= 200; ++number) {
        if (gaps && number % 5 == 3 && number != m_localTable) continue;  // a room has gaps where tables closed
        tagKWP_TABLE_LIST_DATA t;
        memset(&t, 0, sizeof t);
        t.usTableNum = static_cast<unsigned short>(number);
        t.bHavePassword = number > 100 && random.Below(3) == 0;
        t.bCanPeek = random.Below(3) != 0;
        t.ucSettingA = static_cast<unsigned char>(1 + random.Below(5));
        t.ucSettingB = static_cast<unsigned char>(4 * (1 + random.Below(5)));
        t.uiScore = kScores[random.Below(15)];
        CopyText(t.acTableName, sizeof t.acTableName, Gbk(kTableNames[random.Below(10)]));
        t.ucSpecialRule = static_cast<unsigned char>(random.Below(4) == 0 ? 1 + random.Below(7) : 0);
        t.ucAddMultiple = random.Below(4) == 0;
        unsigned occupancy = random.Below(4);
        if (number == m_localTable) occupancy = 2;
        for (unsigned seat = 0; seat < occupancy; ++seat) {
            unsigned id = (number == m_localTable && seat == 0) ? m_localPlayerId : takePlayer();
            t.uiSeatPlayerID[seat] = id;
            t.ucSeatState[seat] = id ? 1 : 0;
        }
        m_tables.push_back(t);
    }
    // One seat held for a player who is still on the way (ids 1 to 100 are placeholders).
    for (tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (t.usTableNum > 20 && !t.bHavePassword && t.uiSeatPlayerID[0] && !t.uiSeatPlayerID[1]) {
            t.uiSeatPlayerID[1] = 7;
            break;
        }
    }
}

void DemoRoom::FeedLibrary() {
    CPT_MapInerface::SetTableArrayIsEmpty();
    CPT_MapInerface::RemoveAllPlayerFromMap();
    CPT_MapInerface::RemoveAllPlayerFromTable();
    for (size_t first = 0; first < m_tables.size(); first += 10) {
        tagKWP_ALL_TABLE_INFO batch;
        memset(&batch, 0, sizeof batch);
        for (size_t i = 0; i < 10 && first + i < m_tables.size(); ++i) batch.stTable[i] = m_tables[first + i];
        CPT_MapInerface::InitArray(&batch);
    }
    for (tagKWP_PLAYER_LIST_DATA_EXTRA& p : m_players) CPT_MapInerface::AddNewPlayerToMap(&p);
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        for (int seat = 0; seat < 3; ++seat) {
            if (t.uiSeatPlayerID[seat] > 100) CPT_MapInerface::AddPlayerToTable(t.uiSeatPlayerID[seat], t.usTableNum);
        }
    }
}

const tagKWP_TABLE_LIST_DATA* DemoRoom::Table(unsigned number) const {
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (t.usTableNum == number) return &t;
    }
    return nullptr;
}

const tagKWP_PLAYER_LIST_DATA_EXTRA* DemoRoom::Player(unsigned id) const {
    if (id < kFirstPlayerId || id >= kFirstPlayerId + m_players.size()) return nullptr;
    return &m_players[id - kFirstPlayerId];
}

bool DemoRoom::IsFriend(const char* gbkNickname) const {
    return gbkNickname && m_friends.count(std::string(gbkNickname, strnlen(gbkNickname, 40)));
}

void DemoRoom::SetFriend(const char* gbkNickname, bool isFriend) {
    if (!gbkNickname) return;
    std::string name(gbkNickname, strnlen(gbkNickname, 40));
    if (isFriend) m_friends.insert(name);
    else m_friends.erase(name);
}

namespace {

int Occupancy(const tagKWP_TABLE_LIST_DATA& t) {
    return (t.uiSeatPlayerID[0] != 0) + (t.uiSeatPlayerID[1] != 0) + (t.uiSeatPlayerID[2] != 0);
}

}  // namespace

unsigned DemoRoom::FullTable() const {
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (Occupancy(t) == 3 && !t.bHavePassword && t.ucSpecialRule && t.ucAddMultiple) return t.usTableNum;
    }
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (Occupancy(t) == 3 && !t.bHavePassword) return t.usTableNum;
    }
    return m_tables.front().usTableNum;
}

unsigned DemoRoom::PasswordTable() const {
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (t.bHavePassword && Occupancy(t) >= 1 && Occupancy(t) < 3) return t.usTableNum;
    }
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (t.bHavePassword) return t.usTableNum;
    }
    return m_tables.back().usTableNum;
}

unsigned DemoRoom::OpenTableWithSeats() const {
    for (const tagKWP_TABLE_LIST_DATA& t : m_tables) {
        if (Occupancy(t) == 2 && !t.bHavePassword && t.usTableNum != m_localTable) return t.usTableNum;
    }
    return m_tables.front().usTableNum;
}

tagKWP_TABLE_SET_DEFAULT DemoRoom::CreateDefaults() {
    tagKWP_TABLE_SET_DEFAULT d;
    memset(&d, 0, sizeof d);
    CopyText(d.acTableName, sizeof d.acTableName, Gbk("欢乐斗地主"));
    d.uiScoreMask = 0x7FF;  // the first eleven values of either dialog's table
    d.ucScoreIndex = 4;
    d.ucSettingBMin = 4;
    d.ucSettingBMax = 20;
    d.ucSettingAMin = 1;
    d.ucSettingAMax = 5;
    d.ucSpecialCardTypes = 1;
    d.ucSettingADefault = 2;
    d.ucSettingBDefault = 8;
    d.ucAddMultipleFixed = 0;
    return d;
}

tagKWP_PLAYER_LIST_DATA_EXTRA DemoRoom::MakePlayer(unsigned id, unsigned number) {
    DemoRandom random(id * 2654435761u + number);
    tagKWP_PLAYER_LIST_DATA_EXTRA p;
    memset(&p, 0, sizeof p);
    p.uiPlayerID = id;
    std::string name = Gbk(kAdjectives[number % 15]) + Gbk(kNouns[(number / 15) % 20]) + std::to_string(number % 1000);
    CopyText(p.acNickName, sizeof p.acNickName, name);
    p.ucLevel = static_cast<unsigned char>(random.Below(24));
    p.usIcon = static_cast<unsigned short>(random.Below(73));
    p.cSex = static_cast<signed char>(random.Below(2));
    p.ucMember = static_cast<unsigned char>(random.Below(10) < 7 ? 0 : 1 + random.Below(3));
    p.iBeans = static_cast<int>(random.Below(200000));
    p.iScore = static_cast<int>(random.Below(9000)) - 1000;
    return p;
}
