// CLifeWatched: an object of the library that a host may delete while one of
// the object's own calls is still running. Every message the library sends a
// host, and every window it shows, hides, focuses or destroys, lets the host
// run code before the call returns (activation and focus land in host
// windows), and that code may destroy the very dialog that made the call.
// A LifeWatch taken before such a call tells afterwards whether the object
// still exists; when it does not, the caller returns without touching it.
#ifndef LOBBYUI_LIFE_WATCH_H
#define LOBBYUI_LIFE_WATCH_H

class CLifeWatched {
public:
    class LifeWatch {
    public:
        explicit LifeWatch(CLifeWatched& watched) : m_watched(&watched), m_outer(watched.m_pWatches) {
            watched.m_pWatches = this;
        }
        ~LifeWatch() {
            if (m_watched) m_watched->m_pWatches = m_outer;
        }
        LifeWatch(const LifeWatch&) = delete;
        LifeWatch& operator=(const LifeWatch&) = delete;
        bool Gone() const { return m_watched == nullptr; }

    private:
        friend class CLifeWatched;
        CLifeWatched* m_watched;
        LifeWatch* m_outer;
    };

    CLifeWatched(const CLifeWatched&) = delete;
    CLifeWatched& operator=(const CLifeWatched&) = delete;

protected:
    CLifeWatched() = default;
    ~CLifeWatched() { EndLife(); }
    // Tells every watch that the object is going. A class whose destructor
    // can itself reach the host calls it first, so that calls nested inside
    // the destruction already see the object as gone.
    void EndLife() {
        for (LifeWatch* watch = m_pWatches; watch; watch = watch->m_outer) watch->m_watched = nullptr;
        m_pWatches = nullptr;
    }

private:
    LifeWatch* m_pWatches = nullptr;  // innermost first
};

#endif
