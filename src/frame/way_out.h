// How a shown dialog ends, written once for every dialog. A show owes the
// host one report of its outcome (created, joined, closed…). The dialog's one
// exit function takes the debt, puts itself into the state the report
// announces (hidden, locks dropped, time-out stopped, files saved), and sends
// the report as its very last act, from a copy of the record on its own
// stack. Whatever the host then does inside its handler stands: a re-show, a
// re-creation, a destroy, or a second close, which finds nothing owed.
// Portable.
#ifndef LOBBYUI_FRAME_WAY_OUT_H
#define LOBBYUI_FRAME_WAY_OUT_H

class OwedOutcome {
public:
    // A show: the host will hear how it ends.
    void Begin() { m_owed = true; }
    // True once per show; every later way out finds nothing owed.
    bool Take() {
        const bool owed = m_owed;
        m_owed = false;
        return owed;
    }
    bool Owed() const { return m_owed; }

private:
    bool m_owed = false;
};

#endif
