#include "sim_server.h"

#include <string.h>

#include <lobbyui/messages.h>

namespace {

std::string Bounded(const char* text, size_t size) { return std::string(text, strnlen(text, size)); }

}  // namespace

std::vector<SimServerEntry>& SimServer::Servers() {
    static std::vector<SimServerEntry> servers = {
        {{1, 0}, "\xBB\xB6\xC0\xD6\xD2\xBB\xBA\xC5\xB7\xBF"},  // 欢乐一号房
        {{2, 0}, "\xD0\xC2\xCA\xD6"},                          // 新手
        {{3, 0}, "\xD6\xD0\xBC\xB6\xB3\xA1"},                  // 中级场
        {{4, 0}, "\xB8\xDF\xCA\xD6\xBE\xBA\xBC\xBC"},          // 高手竞技
    };
    return servers;
}

SimServer::SimServer(RoomModel& model, LobbyWindow& lobby, MessageLog& log, UiPost& post, unsigned localPlayerId)
    : m_model(model), m_lobby(lobby), m_log(log), m_post(post), m_localPlayerId(localPlayerId) {
    CSysSetDlg_Interface::SetSysSoundVolume(m_sound);
    CSysSetDlg_Interface::SetSysMusicVolume(m_music);
    CSysSetDlg_Interface::SetIfOS_On(m_osOn);
    CSysSetDlg_Interface::SetIfCardType_On(m_cardTypeOn);
    ShowSettings();
}

void SimServer::Note(const std::string& line) { m_log.Note("server: " + line); }

LRESULT SimServer::Answer(UINT msg, WPARAM w, LPARAM l) {
    const void* record = reinterpret_cast<const void*>(l);
    switch (msg) {
    case LOBBYUI_MSG_CREATE_TABLE:
        if (w == LOBBYUI_CREATE_TABLE_REQUEST && record) {
            tagKWP_CREATE_TABLE_REQ request;
            memcpy(&request, record, sizeof request);
            m_post.Post([this, request] { OpenRequestedTable(request); });
        }
        return 0;
    case LOBBYUI_MSG_JOIN_TABLE:
        if (w == LOBBYUI_JOIN_TABLE_JOIN) {
            unsigned number = static_cast<unsigned>(l);
            m_post.Post([this, number] { Join(number); });
        }
        return 0;
    case LOBBYUI_MSG_PARTNER_SEARCH:
        if (w == LOBBYUI_PARTNER_SEARCH_FIRST_FOUND || w == LOBBYUI_PARTNER_SEARCH_SECOND_FOUND) {
            // The finder holds the table while the send lasts.
            unsigned number = CPT_MapInerface::GetTableBuf_A_StructEx().usTableNum;
            m_post.Post([this, number] { Join(number); });
        } else {
            m_post.Post([this] { Note("the search found no table"); });
        }
        return 0;
    case LOBBYUI_MSG_PASSWORD: {
        unsigned number = static_cast<unsigned>(w);
        std::string password = record ? Bounded(static_cast<const char*>(record), 64) : std::string();
        m_post.Post([this, number, password] { CheckPassword(number, password); });
        return 0;
    }
    case LOBBYUI_MSG_PLAYER_LIST:
        if (w == LOBBYUI_PLAYER_LIST_QUERY_RECORD && record) {
            unsigned id;
            memcpy(&id, record, 4);
            m_post.Post([this, id] { ShowScoreOf(id); });
        } else if (w == LOBBYUI_PLAYER_LIST_INVITE && record) {
            unsigned invited;
            memcpy(&invited, static_cast<const unsigned char*>(record) + 8, 4);
            m_post.After(kInviteAnswerMs, [this, invited] { InviteAnswered(invited); });
        }
        return 0;
    case LOBBYUI_MSG_BASE_DATA_BUTTON:
        m_post.Post([this, w] {
            switch (w) {
            case LOBBYUI_BASE_DATA_BUTTON_217: ShowScoreOf(m_localPlayerId); break;
            case LOBBYUI_BASE_DATA_BUTTON_218: RefreshBaseData(); break;
            case LOBBYUI_BASE_DATA_BUTTON_219: CSysSetDlg_Interface::ShowDlg(); break;
            case LOBBYUI_BASE_DATA_BUTTON_220:
                if (m_model.Stand(m_localPlayerId)) Note("you stood up");
                break;
            default: break;
            }
        });
        return 0;
    case LOBBYUI_MSG_SYSTEM_SETTINGS:
        m_post.Post([this, w, l] { ApplySetting(w, l); });
        return 0;
    case LOBBYUI_MSG_ROOM_BUTTON_PRESSED: {
        const std::vector<SimServerEntry>& servers = Servers();
        for (size_t i = 0; i < servers.size(); ++i) {
            if (w == reinterpret_cast<WPARAM>(&servers[i])) m_post.Post([this, i] { SwitchServer(i); });
        }
        return 0;
    }
    default:
        return 0;
    }
}

void SimServer::SwitchServer(size_t index) {
    const std::vector<SimServerEntry>& servers = Servers();
    if (index >= servers.size()) return;
    // Each server has a room of its own; the first is as large as asked.
    unsigned players = index == 0 ? m_players : 120 + 60 * static_cast<unsigned>(index);
    unsigned tables = index == 0 ? m_tables : 40 + 20 * static_cast<unsigned>(index);
    DemoRoom room(20261207 + static_cast<unsigned>(index) * 7919, players, tables);
    m_model.Load(room);
    std::string name = Utf8FromGbk(servers[index].name, sizeof servers[index].name);
    m_lobby.SetRoomName(WideFromUtf8("斗地主 · " + name));
    Note("entered the room of " + name + ": " + std::to_string(m_model.PlayerCount()) + " players, " +
         std::to_string(m_model.TableCount()) + " tables");
    RefreshBaseData();
}

void SimServer::Join(unsigned number) {
    if (m_model.Seat(m_localPlayerId, number)) {
        Note("you sit at table " + std::to_string(number));
        RefreshBaseData();
        return;
    }
    tagKWP_TABLE_LIST_DATA table = m_model.Table(number);
    Note("table " + std::to_string(number) + (table.usTableNum ? " is full" : " is gone"));
    if (table.usTableNum) CPartyDlg_DlgInerface::ShowJTDlg(JTAT_MESSAGE, &table);
}

void SimServer::OpenRequestedTable(const tagKWP_CREATE_TABLE_REQ& request) {
    unsigned number = request.usTableNum;
    if (!number || number > RoomModel::kTables || m_model.Table(number).usTableNum) number = m_model.FreeTableNumber();
    if (!number) {
        Note("no table is free");
        return;
    }
    tagKWP_TABLE_LIST_DATA t;
    memset(&t, 0, sizeof t);
    t.usTableNum = static_cast<unsigned short>(number);
    t.bCanPeek = 1;
    t.ucSettingA = request.ucSettingA & 0x3F;
    t.ucSettingB = request.ucSettingB;
    t.uiScore = request.uiScore;
    memcpy(t.acTableName, request.acTableName, sizeof t.acTableName);
    t.acTableName[sizeof t.acTableName - 1] = 0;
    t.ucSpecialRule = request.ucSpecialRuleOn ? request.ucSpecialCardTypes & 7 : 0;
    t.ucAddMultiple = request.ucAddMultiple;
    m_model.OpenTable(t);
    std::string password = request.ucHavePassword ? Bounded(request.acPassword, sizeof request.acPassword) : std::string();
    if (!password.empty()) m_model.SetLocked(number, true, password);
    m_model.Seat(m_localPlayerId, number);
    Note("table " + std::to_string(number) + " opened for you" + (password.empty() ? "" : " with a password"));
    RefreshBaseData();
}

void SimServer::CheckPassword(unsigned number, const std::string& password) {
    std::string expected = m_model.Password(number);
    if (!m_model.Table(number).usTableNum) {
        Note("table " + std::to_string(number) + " is gone");
        return;
    }
    if (!expected.empty() && password != expected) {
        Note("wrong password for table " + std::to_string(number));
        CPartyDlg_DlgInerface::ShowPWDlg(static_cast<unsigned short>(number));
        return;
    }
    Join(number);
}

void SimServer::InviteAnswered(unsigned invited) {
    unsigned table = m_model.TableOf(m_localPlayerId);
    if (!m_model.HasPlayer(invited)) {
        Note("player " + std::to_string(invited) + " has left");
    } else if (table && !m_model.TableOf(invited) && m_model.Seat(invited, table)) {
        Note("player " + std::to_string(invited) + " accepts and sits at table " + std::to_string(table));
    } else {
        Note("player " + std::to_string(invited) + " declines");
    }
}

void SimServer::ShowScoreOf(unsigned playerId) {
    tagKWP_PLAYER_LIST_DATA_EXTRA player;
    if (!m_model.Player(playerId, player)) {
        Note("player " + std::to_string(playerId) + " has left");
        return;
    }
    tagKWP_MERIT_DETAIL merit;
    memset(&merit, 0, sizeof merit);
    merit.ucLevel = player.ucLevel;
    merit.usExperience = static_cast<unsigned short>(player.iScore > 0 ? player.iScore % 3000 : 0);
    merit.ucKingHatCount = static_cast<unsigned char>(player.uiPlayerID % 9);
    merit.iTimeSeconds = 3600 + static_cast<int>(player.uiPlayerID % 97) * 1800;
    merit.iGroupOneFirst = 40 + static_cast<int>(player.uiPlayerID % 200);
    merit.iGroupOneSecond = 30 + static_cast<int>(player.uiPlayerID % 150);
    merit.iGroupTwoFirst = static_cast<int>(player.uiPlayerID % 30);
    merit.iGroupTwoSecond = static_cast<int>(player.uiPlayerID % 20);
    merit.ucMember = player.ucMember;
    tagKWP_PLAYER_ALL_VIEW view;
    memset(&view, 0, sizeof view);
    view.uiPlayerID = player.uiPlayerID;
    view.iBeans = player.iBeans;
    CPSDlg_Interface::SetPS_DlgData(&merit);
    CPSDlg_Interface::SetPS_DlgData2(&view);
    char name[41] = {0};
    memcpy(name, player.acNickName, sizeof player.acNickName);
    CPSDlg_Interface::ShowPS_Dlg(name);
}

void SimServer::RefreshBaseData() {
    tagKWP_PLAYER_LIST_DATA_EXTRA me;
    if (!m_model.Player(m_localPlayerId, me)) return;
    tagKWPCEN_PREVIEW_DATA data;
    memset(&data, 0, sizeof data);
    memcpy(data.acName, me.acNickName, sizeof data.acName - 1);
    data.ucLevel = me.ucLevel;
    data.iMoney = me.iBeans;
    data.ucIcon = static_cast<unsigned char>(me.usIcon % 12);
    // Status 4 is "playing": the local player sits at a table.
    CPBDDlg_Interface::RefreshPBD_Dlg(&data, m_model.TableOf(m_localPlayerId) ? 4 : 0);
    m_lobby.RepaintLobby();
}

void SimServer::ApplySetting(WPARAM code, LPARAM value) {
    switch (code) {
    case LOBBYUI_SETTINGS_SOUND_UP:
    case LOBBYUI_SETTINGS_SOUND_DOWN:
        m_sound = static_cast<int>(value);
        CSysSetDlg_Interface::SetSysSoundVolume(m_sound);
        break;
    case LOBBYUI_SETTINGS_MUSIC_UP:
    case LOBBYUI_SETTINGS_MUSIC_DOWN:
        m_music = static_cast<int>(value);
        CSysSetDlg_Interface::SetSysMusicVolume(m_music);
        break;
    case LOBBYUI_SETTINGS_OS_OFF:
    case LOBBYUI_SETTINGS_OS_ON:
        m_osOn = code == LOBBYUI_SETTINGS_OS_ON;
        CSysSetDlg_Interface::SetIfOS_On(m_osOn);
        break;
    case LOBBYUI_SETTINGS_CARD_TYPE_OFF:
    case LOBBYUI_SETTINGS_CARD_TYPE_ON:
        m_cardTypeOn = code == LOBBYUI_SETTINGS_CARD_TYPE_ON;
        CSysSetDlg_Interface::SetIfCardType_On(m_cardTypeOn);
        break;
    default:
        return;
    }
    ShowSettings();
}

void SimServer::ShowSettings() {
    wchar_t line[96];
    swprintf(line, 96, L"音效 %d  音乐 %d\n系统消息%ls  牌型提示%ls", m_sound, m_music, m_osOn ? L"开" : L"关",
             m_cardTypeOn ? L"开" : L"关");
    m_lobby.SetStatusLine(line);
}
