// How a shown dialog ends, written once for every dialog. A show owes the
// host one report of its outcome (created, joined, closed…). The dialog's one
// exit function takes the debt, puts itself into the state the report
// announces (hidden, locks dropped, time-out stopped, files saved), and sends
// the report as its very last act, from a copy of the record that nothing of
// the dialog can change (SentRecords). Whatever the host then does inside its
// handler stands: a re-show, a re-creation, a destroy, or a second close,
// which finds nothing owed. Portable.
#ifndef LOBBYUI_FRAME_WAY_OUT_H
#define LOBBYUI_FRAME_WAY_OUT_H

#include <memory>
#include <vector>

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

// The records one kind of dialog's reports carried, each as it was sent. A
// host may keep the pointer it was handed (post it to itself, say) and read
// it until the dialog is next shown. So each report has a copy of its own,
// kept for the library's lifetime rather than the dialog's (a host may
// destroy the dialog while it reads), and a show lets the copies go only
// when no send is under way: a host that shows the dialog again inside its
// handler changes nothing under the record it is reading.
template <class Record>
class SentRecords {
public:
    // Held around one send: Carried() is the copy the report carries.
    class Sending {
    public:
        Sending(SentRecords& records, const Record& record) : m_records(records) {
            m_records.m_kept.emplace_back(new Record(record));
            m_record = m_records.m_kept.back().get();
            ++m_records.m_sending;
        }
        ~Sending() { --m_records.m_sending; }
        Sending(const Sending&) = delete;
        Sending& operator=(const Sending&) = delete;
        const Record* Carried() const { return m_record; }

    private:
        SentRecords& m_records;
        const Record* m_record;
    };

    // A new show: what earlier reports carried may go.
    void NewShow() {
        if (m_sending == 0) m_kept.clear();
    }
    size_t Kept() const { return m_kept.size(); }

private:
    std::vector<std::unique_ptr<Record>> m_kept;
    int m_sending = 0;
};

#endif
