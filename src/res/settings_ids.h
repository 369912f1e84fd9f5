// Resource numbers of the settings/ dialogs' templates, menus, bitmaps and controls.
#ifndef LOBBYUI_RES_SETTINGS_IDS_H
#define LOBBYUI_RES_SETTINGS_IDS_H

// System settings dialog.
#define IDD_SYS_SET 210
#define IDC_SS_SOUND_DOWN 217
#define IDC_SS_SOUND_UP 218
#define IDC_SS_MUSIC_DOWN 219
#define IDC_SS_MUSIC_UP 220
#define IDC_SS_OS_OFF 223
#define IDC_SS_OS_ON 235
#define IDC_SS_CARD_TYPE_OFF 402
#define IDC_SS_CARD_TYPE_ON 403

// Web dialog and its browser (or the text standing in for it).
#define IDD_WEB 201
#define IDC_WEB_BROWSER 100

// Room-entrance buttons are made in code, not from a template.
#define IDC_ROOM_ENTRANCE_BUTTON 9999

#endif
