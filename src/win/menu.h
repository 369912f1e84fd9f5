// CMenu owns a menu loaded from the library's resources; CMenuHandle views a
// menu it does not own (a submenu, say).
#ifndef LOBBYUI_WIN_MENU_H
#define LOBBYUI_WIN_MENU_H

#include <windows.h>
#include <lobbyui/cstring.h>

template <bool Owned>
class CMenuT {
public:
    HMENU m_hMenu = nullptr;

    CMenuT() = default;
    explicit CMenuT(HMENU h) : m_hMenu(h) {}
    ~CMenuT() { DestroyMenu(); }
    CMenuT(const CMenuT&) = delete;
    CMenuT& operator=(const CMenuT&) = delete;
    CMenuT(CMenuT&& o) noexcept : m_hMenu(o.m_hMenu) { o.m_hMenu = nullptr; }

    operator HMENU() const { return m_hMenu; }
    BOOL LoadMenu(UINT id);  // from the library's own module
    void DestroyMenu() {
        if (Owned && m_hMenu) ::DestroyMenu(m_hMenu);
        m_hMenu = nullptr;
    }
    CMenuT<false> GetSubMenu(int position) const { return CMenuT<false>(::GetSubMenu(m_hMenu, position)); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    CString GetMenuString(UINT item, UINT flags) const {
        char text[256] = {0};
        int n = ::GetMenuStringA(m_hMenu, item, text, sizeof text, flags);
        return CString(text, n);
    }
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    UINT EnableMenuItem(UINT item, UINT flags) const { return ::EnableMenuItem(m_hMenu, item, flags); }
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR newId, const char* text) const {
        return ::ModifyMenuA(m_hMenu, position, flags, newId, text);
    }
    BOOL DeleteMenu(UINT item, UINT flags) const { return ::DeleteMenu(m_hMenu, item, flags); }
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR newId, const char* text) const {
        return ::InsertMenuA(m_hMenu, position, flags, newId, text);
    }
};

#include "win/module.h"

template <bool Owned>
BOOL CMenuT<Owned>::LoadMenu(UINT id) {
    DestroyMenu();
    m_hMenu = ::LoadMenuA(LobbyModule(), MAKEINTRESOURCEA(id));
    return m_hMenu != nullptr;
}

using CMenu = CMenuT<true>;
using CMenuHandle = CMenuT<false>;

#endif
