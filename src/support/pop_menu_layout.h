// Where the host's popup-menu window and its five buttons go when a menu is
// shown in it, and which buttons are enabled or hidden. The window code reads
// the menu, calls this, and applies the result to the host's window.
#ifndef LOBBYUI_SUPPORT_POP_MENU_LAYOUT_H
#define LOBBYUI_SUPPORT_POP_MENU_LAYOUT_H

#include <lobbyui/geometry.h>

// The host's window has buttons 1011 to 1015 and five command slots; a
// longer menu shows its first five items.
const int kPopMenuButtons = 5;
const int kPopMenuFirstButtonId = 1011;
// Item texts count up to this many bytes.
const int kPopMenuTextLimit = 64;

struct PopMenuItem {
    const char* text;        // null reads as empty
    bool disabled;           // grayed or disabled; an unreadable state counts as enabled
    unsigned int id;
};

struct PopMenuButton {
    bool shown;
    bool enabled;
    CRect rect;              // in the popup window's client coordinates
    unsigned int cmd;        // the item's command id, 0 for a hidden button
};

struct PopMenuLayout {
    int count;               // items shown, at most kPopMenuButtons
    CRect window;            // screen rectangle of the popup window
    PopMenuButton buttons[kPopMenuButtons];
};

// Each item gets a button 20 pixels high, 8 pixels per byte of the longest
// text, below a 20-pixel band; the window opens at `at`.
PopMenuLayout LayOutPopMenu(CPoint at, const PopMenuItem* items, int itemCount);

#endif
