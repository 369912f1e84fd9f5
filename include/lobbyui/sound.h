// DIRSOUND: the host's sound object, a DirectSound device with its sounds
// already loaded. The host owns it and hands its address to the library with
// CBaseDataControl::SetSoundPointer; the library reads and writes only the
// fields below, at these byte offsets (a binary interface on the 32-bit
// target), and plays through its own copy of hasSound and Play.
//
// The library plays nothing while no sound object has been handed in: the
// gate opens when CBaseDataControl::SetSoundPointer receives a non-null
// object and closes again when it receives null.
#ifndef LOBBYUI_SOUND_H
#define LOBBYUI_SOUND_H

#include <stddef.h>

#include <lobbyui/export.h>

// The DirectSound interfaces, as <dsound.h> declares them.
struct IDirectSound;
struct IDirectSoundBuffer;

#pragma pack(push, 4)

class DIRSOUND {
public:
    // 1 when the gate is open, index is a loaded sound below m_nSoundCount
    // (and within m_pBuffer), 0 otherwise. A negative index is traced as an error.
    LOBBYUI_API int hasSound(int index);
    // Plays sound index once (loop 0) or looping at the host's volume level;
    // when it is still playing, a duplicate overlaps it (at most 32 at a time).
    LOBBYUI_API void Play(int index, int loop);

    int m_nSoundCount;                          // sound slots in use
    IDirectSound* m_pDirectSound;               // null when sound is unavailable
    IDirectSoundBuffer* m_pBuffer[1024];        // the loaded sound of each index, null = none
    unsigned char m_ucHostArea4104[4096];       // the host's
    IDirectSoundBuffer* m_pDuplicate[32];       // copies playing over their original, null = free
    unsigned char m_ucHostArea8328[1072];       // the host's
    int* m_piVolume;                            // the host's volume level, 0 (silent) to 9 (full)
    unsigned char m_ucHostArea9404[4];          // the host's
    unsigned char m_bEnable;                    // nonzero = sound effects on
    unsigned char m_ucHostArea9409[3];          // the host's
};

#pragma pack(pop)

// The layout is the host's; it holds where pointers are 32 bits wide.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(DIRSOUND, m_nSoundCount) == 0, "DIRSOUND layout");
static_assert(offsetof(DIRSOUND, m_pDirectSound) == 4, "DIRSOUND layout");
static_assert(offsetof(DIRSOUND, m_pBuffer) == 8, "DIRSOUND layout");
static_assert(offsetof(DIRSOUND, m_pDuplicate) == 8200, "DIRSOUND layout");
static_assert(offsetof(DIRSOUND, m_piVolume) == 9400, "DIRSOUND layout");
static_assert(offsetof(DIRSOUND, m_bEnable) == 9408, "DIRSOUND layout");
static_assert(sizeof(DIRSOUND) == 9412, "DIRSOUND layout");
#endif

#endif
