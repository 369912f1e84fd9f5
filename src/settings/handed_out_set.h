// HandedOutSet: the objects of one kind that the library handed a host and
// has not been given back (room-entrance buttons, web dialogs). A pointer the
// host hands back is used only while it is one of these, so that one given
// back twice, or one the library never made, is left alone instead of freed
// or written through. Portable.
#ifndef LOBBYUI_SETTINGS_HANDED_OUT_SET_H
#define LOBBYUI_SETTINGS_HANDED_OUT_SET_H

#include <set>

template <class Handed>
class HandedOutSet {
public:
    void HandOut(const Handed* object) {
        if (object) m_live.insert(object);
    }
    bool Holds(const Handed* object) const { return object && m_live.count(object) != 0; }
    // True once for an object that was handed out: the caller then frees it.
    bool TakeBack(const Handed* object) { return object && m_live.erase(object) != 0; }

private:
    std::set<const Handed*> m_live;
};

#endif
