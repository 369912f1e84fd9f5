#include "message_log.h"

#include <stdarg.h>
#include <string.h>

#include <lobbyui/lobbyui.h>
#include <lobbyui/messages.h>

#include "demo_room.h"

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Format(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string Quoted(const char* gbk, size_t maxBytes) {
    return "\"" + Utf8FromGbk(gbk, maxBytes) + "\"";
}

std::string CreateRequest(const tagKWP_CREATE_TABLE_REQ* r) {
    if (!r) return "create request: (null)";
    return Format("create request: table %u, player %u, name %s, password %s (flag %u), score %u, setting A %u, "
                  "setting B %u, card types 0x%02X, special rule %u, disconnect limit %u%%, coin gap %u, "
                  "level gap %u, add-multiple %u",
                  r->usTableNum, r->uiGameID, Quoted(r->acTableName, sizeof r->acTableName).c_str(),
                  Quoted(r->acPassword, sizeof r->acPassword).c_str(), r->ucHavePassword, r->uiScore, r->ucSettingA,
                  r->ucSettingB, r->ucSpecialCardTypes, r->ucSpecialRuleOn, r->ucMaxDisconnectPercent,
                  r->uiGoldGapLimit, r->ucLevelGapLimit, r->ucAddMultiple);
}

std::string FinderResult() {
    unsigned count = CPT_MapInerface::GetTableMax();
    std::string out = Format("the finder holds %u table(s)", count);
    if (count) out += Format(", first %u", CPT_MapInerface::GetTableNum(0));
    return out;
}

}  // namespace

MessageLog::~MessageLog() {
    if (m_file) fclose(m_file);
}

bool MessageLog::OpenFile(const std::string& path) {
    if (m_file) fclose(m_file);
    m_file = fopen(path.c_str(), "w");
    return m_file != nullptr;
}

bool MessageLog::IsLibraryMessage(UINT msg) {
    switch (msg) {
    case LOBBYUI_MSG_ROOM_BUTTON_PRESSED:
    case LOBBYUI_MSG_CREATE_TABLE:
    case LOBBYUI_MSG_JOIN_TABLE:
    case LOBBYUI_MSG_PARTNER_SEARCH:
    case LOBBYUI_MSG_PASSWORD:
    case LOBBYUI_MSG_PLAYER_LIST:
    case LOBBYUI_MSG_BASE_DATA_BUTTON:
    case LOBBYUI_MSG_SYSTEM_SETTINGS:
        return true;
    default:
        return false;
    }
}

std::string MessageLog::Decode(UINT msg, WPARAM wParam, LPARAM lParam) {
    const unsigned code = static_cast<unsigned>(wParam);
    const void* record = reinterpret_cast<const void*>(lParam);
    std::string head = Format("%u/%u ", msg, code);
    switch (msg) {
    case LOBBYUI_MSG_ROOM_BUTTON_PRESSED: {
        const tagGameServerInfo* server = reinterpret_cast<const tagGameServerInfo*>(wParam);
        return Format("%u room-entrance button pressed: server ", msg) +
               (server ? Quoted(server->acServerName, 64) : std::string("(none)")) +
               Format(", button %p", record);
    }
    case LOBBYUI_MSG_CREATE_TABLE:
        if (code == LOBBYUI_CREATE_TABLE_REQUEST) return head + CreateRequest(static_cast<const tagKWP_CREATE_TABLE_REQ*>(record));
        if (code == LOBBYUI_CREATE_TABLE_CLOSED) return head + "create-table dialog closed without creating";
        return head + "create-table dialog, unknown code";
    case LOBBYUI_MSG_JOIN_TABLE:
        if (code == LOBBYUI_JOIN_TABLE_JOIN) return head + Format("join open table %ld", static_cast<long>(lParam));
        if (code == LOBBYUI_JOIN_TABLE_CLOSED) return head + "join-table dialog closed";
        return head + "join-table dialog, unknown code";
    case LOBBYUI_MSG_PARTNER_SEARCH:
        switch (code) {
        case LOBBYUI_PARTNER_SEARCH_FIRST_EMPTY: return head + "first partner search, nothing chosen";
        case LOBBYUI_PARTNER_SEARCH_SECOND_EMPTY: return head + "second partner search, nothing chosen";
        case LOBBYUI_PARTNER_SEARCH_SECOND_FOUND: return head + "second partner search found a table: " + FinderResult();
        case LOBBYUI_PARTNER_SEARCH_FIRST_FOUND: return head + "first partner search found a table: " + FinderResult();
        default: return head + "partner search, unknown code";
        }
    case LOBBYUI_MSG_PASSWORD:
        return Format("%u table %u: password ", msg, code) +
               (record ? Quoted(static_cast<const char*>(record), 64) : std::string("(null)"));
    case LOBBYUI_MSG_PLAYER_LIST:
        switch (code) {
        case LOBBYUI_PLAYER_LIST_WHISPER: return head + "whisper to " + Quoted(static_cast<const char*>(record), 40);
        case LOBBYUI_PLAYER_LIST_BEFRIEND: return head + "befriend " + Quoted(static_cast<const char*>(record), 40);
        case LOBBYUI_PLAYER_LIST_BLOCK: return head + "block " + Quoted(static_cast<const char*>(record), 40);
        case LOBBYUI_PLAYER_LIST_IS_FRIEND: return head + "is " + Quoted(static_cast<const char*>(record), 40) + " a friend?";
        case LOBBYUI_PLAYER_LIST_QUERY_RECORD: {
            if (!record) return head + "query record: (null)";
            const unsigned char* block = static_cast<const unsigned char*>(record);
            unsigned id;
            memcpy(&id, block, 4);
            return head + Format("query the record of player %u (flag %u), nickname ", id, block[4]) +
                   Quoted(reinterpret_cast<const char*>(block + 8), 15);
        }
        case LOBBYUI_PLAYER_LIST_INVITE: {
            if (!record) return head + "invitation: (null)";
            const unsigned char* block = static_cast<const unsigned char*>(record);
            unsigned short table;
            unsigned from, to;
            memcpy(&table, block, 2);
            memcpy(&from, block + 4, 4);
            memcpy(&to, block + 8, 4);
            return head + Format("invite player %u to table %u (from player %u)", to, table, from);
        }
        default: return head + "player list, unknown code";
        }
    case LOBBYUI_MSG_BASE_DATA_BUTTON:
        if (code >= LOBBYUI_BASE_DATA_BUTTON_217 && code <= LOBBYUI_BASE_DATA_BUTTON_220) {
            return head + Format("base-data button %u pressed", code);
        }
        return head + "base-data panel, unknown code";
    case LOBBYUI_MSG_SYSTEM_SETTINGS: {
        const std::string volume = Format(", volume now %ld", static_cast<long>(lParam));
        switch (code) {
        case LOBBYUI_SETTINGS_SOUND_UP: return head + "sound up" + volume;
        case LOBBYUI_SETTINGS_SOUND_DOWN: return head + "sound down" + volume;
        case LOBBYUI_SETTINGS_MUSIC_UP: return head + "music up" + volume;
        case LOBBYUI_SETTINGS_MUSIC_DOWN: return head + "music down" + volume;
        case LOBBYUI_SETTINGS_OS_OFF: return head + "OS switch off";
        case LOBBYUI_SETTINGS_OS_ON: return head + "OS switch on";
        case LOBBYUI_SETTINGS_CARD_TYPE_OFF: return head + "card-type switch off";
        case LOBBYUI_SETTINGS_CARD_TYPE_ON: return head + "card-type switch on";
        default: return head + "system settings, unknown code";
        }
    }
    default:
        return Format("%u/%u not a library message", msg, code);
    }
}

namespace {

// A text with its terminator, within the buffer it lives in.
size_t TextSize(const unsigned char* text, size_t buffer) {
    size_t length = strnlen(reinterpret_cast<const char*>(text), buffer);
    return length < buffer ? length + 1 : buffer;
}

}  // namespace

std::vector<unsigned char> MessageLog::CopyRecord(UINT msg, WPARAM wParam, LPARAM lParam) {
    const unsigned char* record = reinterpret_cast<const unsigned char*>(lParam);
    if (!record) return {};
    size_t size = 0;
    if (msg == LOBBYUI_MSG_CREATE_TABLE && wParam == LOBBYUI_CREATE_TABLE_REQUEST) size = sizeof(tagKWP_CREATE_TABLE_REQ);
    else if (msg == LOBBYUI_MSG_CREATE_TABLE && wParam == LOBBYUI_CREATE_TABLE_CLOSED) size = 4;
    else if (msg == LOBBYUI_MSG_PLAYER_LIST && wParam == LOBBYUI_PLAYER_LIST_QUERY_RECORD) size = 24;
    else if (msg == LOBBYUI_MSG_PLAYER_LIST && wParam == LOBBYUI_PLAYER_LIST_INVITE) size = 12;
    else if (msg == LOBBYUI_MSG_PLAYER_LIST && wParam >= LOBBYUI_PLAYER_LIST_WHISPER && wParam <= LOBBYUI_PLAYER_LIST_BLOCK) {
        size = TextSize(record, 40);
    }
    else if (msg == LOBBYUI_MSG_PASSWORD) size = TextSize(record, 64);
    return std::vector<unsigned char>(record, record + size);
}

void MessageLog::Record(UINT msg, WPARAM wParam, LPARAM lParam) {
    LoggedMessage m;
    m.msg = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.record = CopyRecord(msg, wParam, lParam);
    m.text = Decode(msg, wParam, lParam);
    m_messages.push_back(m);
    Emit("message " + m.text, m_echo);
}

void MessageLog::Note(const std::string& line) { Emit(line, true); }

void MessageLog::Emit(const std::string& line, bool toConsole) {
    if (toConsole) {
        printf("%s\n", line.c_str());
        fflush(stdout);
    }
    if (m_file) {
        fprintf(m_file, "%s\n", line.c_str());
        fflush(m_file);
    }
}
