// CBaseDataControl: the values many dialogs share, handed in by the host.
// All members are static and all start at zero when the library loads.
#ifndef LOBBYUI_BASE_DATA_CONTROL_H
#define LOBBYUI_BASE_DATA_CONTROL_H

#include <stddef.h>
#include <windows.h>

#include <lobbyui/export.h>

// The host's sound object: declared by the host, or by <lobbyui/sound.h>.
class DIRSOUND;

#pragma pack(push, 4)

// The host's popup-menu window, in which the library shows a menu instead of
// a system popup menu. The window must hold five push buttons with control
// ids 1011 to 1015; pressing one (sending uCmd[i] to hOwner and hiding the
// window) is the host's part.
struct tagTRACK_POP_MENU {
    HWND hWnd;                      // the popup window; null makes the record ignored
    HWND hOwner;                    // written: the window that asked for the menu
    int nCount;                     // written: items shown (at most 5)
    unsigned int uCmd[5];           // written: command id of each item shown
    unsigned char ucHostArea[20];   // the host's; never touched
    int nSelect;                    // written: -1 each time the menu is shown
};

#pragma pack(pop)

#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(tagTRACK_POP_MENU, hWnd) == 0, "popup-menu record layout");
static_assert(offsetof(tagTRACK_POP_MENU, hOwner) == 4, "popup-menu record layout");
static_assert(offsetof(tagTRACK_POP_MENU, nCount) == 8, "popup-menu record layout");
static_assert(offsetof(tagTRACK_POP_MENU, uCmd) == 12, "popup-menu record layout");
static_assert(offsetof(tagTRACK_POP_MENU, ucHostArea) == 32, "popup-menu record layout");
static_assert(offsetof(tagTRACK_POP_MENU, nSelect) == 52, "popup-menu record layout");
static_assert(sizeof(tagTRACK_POP_MENU) == 56, "popup-menu record layout");
#endif

class LOBBYUI_API CBaseDataControl {
public:
    // The local player's id: it goes into create-table requests and marks
    // the player's own row in the player list.
    static void SetGameID(unsigned int id);
    static unsigned int GetGameID();
    // A state value of the local player; the player list's menu enables one
    // of its entries only while it is below 3.
    static void SetAutoValue(unsigned char value);
    static unsigned char GetAutoValue();
    // The host's sound object, null for none. Click sounds play only while
    // a non-null object is set; the host keeps it alive meanwhile.
    static void SetSoundPointer(DIRSOUND* sound);
    static DIRSOUND* GetSoundPointer();
    // The index of the first lobby sound in that object; the dialogs play
    // fixed offsets from it.
    static void SetSoundFirstIndex(int index);
    static int GetSoundFirstIdx();
    // record points to the host's tagTRACK_POP_MENU. The first non-null
    // pointer is kept for good: later calls (null included) are ignored.
    static void SetTrackPopMenu(void* record);
    static void* GetTrackPopMenu();
    // Shows the first five items of menu in the popup-menu window at pt
    // (screen coordinates), on behalf of owner. Nothing happens without a
    // record, with a null hWnd, or when menu is not a menu.
    static void TrackPopMenu(POINT pt, HWND owner, HMENU menu);

    static unsigned int _uiGameID;
    static unsigned char _ucAutoValue;
    static DIRSOUND* _pSoundPointer;
    static int _iSoundFirstIndex;
    static tagTRACK_POP_MENU* _pTrackPopMenu;
};

#endif
