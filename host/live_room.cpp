#include "live_room.h"

#include <windows.h>

#include <string.h>

#include <chrono>
#include <string>
#include <vector>

#include "demo_room.h"

namespace {

const char* const kNames[] = {"\xBF\xEC\xC0\xD6\xD7\xC0", "\xB8\xDF\xCA\xD6\xB9\xFD\xD5\xD0",
                              "\xD0\xC2\xCA\xD6\xC1\xB7\xCF\xB0", "\xB2\xBB\xB7\xFE\xC0\xB4\xD5\xBD"};

}  // namespace

void LiveRoom::Start() {
    if (m_thread.joinable() || m_rate <= 0) return;
    m_stop = false;
    m_crowd = m_model.PlayerCount();
    m_thread = std::thread([this] { Run(); });
}

void LiveRoom::Stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

void LiveRoom::Run() {
    DemoRandom random(::GetTickCount());
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / m_rate));
    // A late wake-up catches up, but never with more than a tenth of a
    // second's changes at once: the rate stays the rate asked for.
    const auto mostBehind = std::chrono::milliseconds(100);
    auto due = Clock::now();
    while (!m_stop) {
        auto now = Clock::now();
        if (due > now) {
            auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(due - now).count();
            ::Sleep(static_cast<DWORD>(wait > 0 ? wait : 0));
            continue;
        }
        if (now - due > mostBehind) due = now - mostBehind;
        for (int tries = 0; tries < 4 && !Change(random.Next() % 100, random.Next()); ++tries) {
        }
        due += period;
        ++m_changes;
    }
}

bool LiveRoom::Change(unsigned roll, unsigned pick) {
    // The local player belongs to the user: the server never moves them.
    std::vector<unsigned> ids = m_model.PlayerIds();
    std::vector<unsigned> others;
    others.reserve(ids.size());
    for (unsigned id : ids) {
        if (id != m_localPlayerId) others.push_back(id);
    }
    if (roll < 18) {
        if (ids.size() > m_crowd + 40) return false;
        unsigned id = m_nextId++;
        return m_model.Arrive(DemoRoom::MakePlayer(id, id));
    }
    if (roll < 36) {
        // Players stand up before they go; a seated one is not taken away.
        if (others.empty() || ids.size() + 40 < m_crowd) return false;
        unsigned id = others[pick % others.size()];
        return !m_model.TableOf(id) && m_model.Leave(id);
    }
    if (roll < 62) {
        if (others.empty()) return false;
        unsigned id = others[pick % others.size()];
        unsigned number = 1 + (pick >> 12) % RoomModel::kTables;
        tagKWP_TABLE_LIST_DATA t = m_model.Table(number);
        if (!t.usTableNum || t.bHavePassword || m_model.TableOf(id)) return false;
        return m_model.Seat(id, number);
    }
    if (roll < 86) {
        if (others.empty()) return false;
        unsigned id = others[pick % others.size()];
        return m_model.Stand(id);
    }
    unsigned number = 1 + pick % RoomModel::kTables;
    tagKWP_TABLE_LIST_DATA t = m_model.Table(number);
    const bool mine = m_model.TableOf(m_localPlayerId) == number;
    if (roll < 92) {
        if (t.usTableNum) return false;
        memset(&t, 0, sizeof t);
        t.usTableNum = static_cast<unsigned short>(number);
        t.bCanPeek = (pick >> 8) & 1;
        t.ucSettingA = static_cast<unsigned char>(1 + (pick >> 9) % 5);
        t.ucSettingB = static_cast<unsigned char>(4 * (1 + (pick >> 12) % 5));
        t.uiScore = 10u * (1 + (pick >> 15) % 10);
        const char* name = kNames[(pick >> 20) % 4];
        memcpy(t.acTableName, name, strlen(name));
        return m_model.OpenTable(t);
    }
    if (!t.usTableNum || mine) return false;
    if (roll < 96) {
        bool empty = !t.uiSeatPlayerID[0] && !t.uiSeatPlayerID[1] && !t.uiSeatPlayerID[2];
        return empty && m_model.CloseTable(number);
    }
    if (number <= 100) return false;  // passwords live above table 100
    return m_model.SetLocked(number, !t.bHavePassword, "8888");
}
