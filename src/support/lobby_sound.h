// The click sounds of the library's dialogs, played through the host's sound
// object at fixed offsets from its first lobby sound. Every dialog plays its
// sounds through PlayLobbySound; nothing sounds while the host has handed in
// no sound object.
#ifndef LOBBYUI_SUPPORT_LOBBY_SOUND_H
#define LOBBYUI_SUPPORT_LOBBY_SOUND_H

enum LobbySound {
    kSoundMenu = 6,           // a player's popup menu opens, the player list is sorted
    kSoundClick = 9,          // a button of a dialog or a menu command
    kSoundRefusedStep = 15,   // a step button of the classic create-table dialog that cannot step
};

// Plays the sound once, at CBaseDataControl's first sound index plus `sound`.
void PlayLobbySound(LobbySound sound);

#endif
