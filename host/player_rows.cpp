#include "player_rows.h"

namespace {

// Times one call into the library.
class Stopwatch {
public:
    explicit Stopwatch(double& total) : m_total(total) { ::QueryPerformanceCounter(&m_start); }
    ~Stopwatch() {
        LARGE_INTEGER end;
        ::QueryPerformanceCounter(&end);
        m_total += Microseconds(m_start, end);
    }
    Stopwatch(const Stopwatch&) = delete;
    Stopwatch& operator=(const Stopwatch&) = delete;

private:
    double& m_total;
    LARGE_INTEGER m_start;
};

// A crowd arriving is drawn once, not once a player.
const unsigned kRedrawDelayMs = 40;
// How long changes wait to be handed to the list together.
const unsigned kBatchMs = 100;

}  // namespace

PlayerRows::~PlayerRows() {
    // The list may still show rows: they leave before their records go.
    for (auto& row : m_rows) CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(row.first));
}

void PlayerRows::Reload(const std::vector<tagKWP_PLAYER_LIST_DATA_EXTRA>& players) {
    {
        Stopwatch watch(m_libraryMicroseconds);
        for (auto& row : m_rows) CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(row.first));
    }
    m_rows.clear();
    // What waited belongs to the room before: the new one is complete.
    m_waiting.clear();
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : players) {
        if (p.uiPlayerID == m_localPlayerId) Add(p);
    }
    for (const tagKWP_PLAYER_LIST_DATA_EXTRA& p : players) {
        if (p.uiPlayerID != m_localPlayerId) Add(p);
    }
    Stopwatch watch(m_libraryMicroseconds);
    CPartyDlg_DlgInerface::RedrawPlayerLB(1);
}

void PlayerRows::Arrived(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) {
    m_waiting.push_back({true, player});
    if (m_flushDue) return;
    m_flushDue = true;
    m_post.After(kBatchMs, [this] { Flush(); });
}

void PlayerRows::Left(unsigned id) {
    Waiting w = {false, {}};
    w.player.uiPlayerID = id;
    m_waiting.push_back(w);
    if (m_flushDue) return;
    m_flushDue = true;
    m_post.After(kBatchMs, [this] { Flush(); });
}

void PlayerRows::Flush() {
    m_flushDue = false;
    std::vector<Waiting> waiting;
    waiting.swap(m_waiting);
    for (const Waiting& w : waiting) {
        if (w.arrives) Add(w.player);
        else Remove(w.player.uiPlayerID);
    }
}

void PlayerRows::Add(const tagKWP_PLAYER_LIST_DATA_EXTRA& player) {
    if (!player.uiPlayerID || m_rows.count(player.uiPlayerID)) return;
    std::unique_ptr<tagKWP_PLAYER_LIST_DATA_EXTRA>& row = m_rows[player.uiPlayerID];
    row.reset(new tagKWP_PLAYER_LIST_DATA_EXTRA(player));
    {
        Stopwatch watch(m_libraryMicroseconds);
        CPartyDlg_DlgInerface::AddPlayer(row.get(), player.uiPlayerID == m_localPlayerId ? 1 : 0, 0);
    }
    RedrawSoon();
}

void PlayerRows::Remove(unsigned id) {
    auto found = m_rows.find(id);
    if (found == m_rows.end()) return;
    {
        Stopwatch watch(m_libraryMicroseconds);
        CPartyDlg_DlgInerface::RemoveAPlayer(static_cast<int>(id));
    }
    m_rows.erase(found);
}

void PlayerRows::RedrawSoon() {
    if (m_redrawDue) return;
    m_redrawDue = true;
    m_post.After(kRedrawDelayMs, [this] {
        m_redrawDue = false;
        Stopwatch watch(m_libraryMicroseconds);
        CPartyDlg_DlgInerface::RedrawPlayerLB(0);
    });
}

double PlayerRows::TakeLibraryMicroseconds() {
    double spent = m_libraryMicroseconds;
    m_libraryMicroseconds = 0;
    return spent;
}
