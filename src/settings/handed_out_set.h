// HandedOutSet: the objects of one kind that the library handed a host and
// has not been given back (room-entrance buttons, web dialogs). A pointer the
// host hands back is used only while it is one of these, so that one given
// back twice, or one the library never made, is left alone instead of freed
// or written through.
//
// The pointer is the host's handle (a button's is also lParam of its press
// report), so a given-back object's memory is kept out of reuse: were it
// freed, the next object made could land at the same address, and the old
// handle would name it. The memory is held until kHeldBack later objects of
// the kind have been given back, as the framework holds the views of dead
// windows, so it stays in proportion to what the host gives back. Portable.
#ifndef LOBBYUI_SETTINGS_HANDED_OUT_SET_H
#define LOBBYUI_SETTINGS_HANDED_OUT_SET_H

#include <stddef.h>

#include <deque>
#include <new>
#include <set>

template <class Handed>
class HandedOutSet {
public:
    static const size_t kHeldBack = 256;

    HandedOutSet() = default;
    HandedOutSet(const HandedOutSet&) = delete;
    HandedOutSet& operator=(const HandedOutSet&) = delete;
    ~HandedOutSet() {
        for (void* memory : m_heldBack) ::operator delete(memory);
    }

    void HandOut(const Handed* object) {
        if (object) m_live.insert(object);
    }
    bool Holds(const Handed* object) const { return object && m_live.count(object) != 0; }
    // True once for an object that was handed out: the caller then ends it
    // with End.
    bool TakeBack(const Handed* object) { return object && m_live.erase(object) != 0; }

    // Ends an object taken back: Made is the type it was made as with new.
    // Its destructor runs now; its memory is held back.
    template <class Made>
    void End(Made* object) {
        if (!object) return;
        object->~Made();
        m_heldBack.push_back(object);
        if (m_heldBack.size() <= kHeldBack) return;
        ::operator delete(m_heldBack.front());
        m_heldBack.pop_front();
    }

private:
    std::set<const Handed*> m_live;
    std::deque<void*> m_heldBack;
};

#endif
