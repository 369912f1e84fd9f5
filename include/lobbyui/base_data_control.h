// CBaseDataControl: the values many dialogs share, handed in by the host.
// All members are static and all start at zero when the library loads.
#ifndef LOBBYUI_BASE_DATA_CONTROL_H
#define LOBBYUI_BASE_DATA_CONTROL_H

#include <windows.h>

#include <lobbyui/export.h>
#include <lobbyui/track_pop_menu.h>

// The host's sound object: declared by the host, or by <lobbyui/sound.h>.
class DIRSOUND;

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
