#include <lobbyui/sound.h>

#include <windows.h>
#include <dsound.h>

#include <lobbyui/base_data_control.h>

#include "support/html_trace.h"
#include "support/lobby_sound.h"

namespace {

const int kBufferSlots = sizeof(DIRSOUND::m_pBuffer) / sizeof(DIRSOUND::m_pBuffer[0]);
const int kDuplicateSlots = sizeof(DIRSOUND::m_pDuplicate) / sizeof(DIRSOUND::m_pDuplicate[0]);

// Attenuation in hundredths of a decibel for the host's volume levels 0 to 9.
const LONG kVolumeByLevel[10] = {-10000, -2400, -2000, -1800, -1600, -1400, -1200, -800, -400, 0};

// Open exactly while the host has handed in a sound object: a host that
// supplies sounds hears its clicks, and one that has none (or took it back)
// is never touched.
bool SoundGateOpen() { return CBaseDataControl::GetSoundPointer() != nullptr; }

// A level outside 0..9 would read past the table; it is taken as the
// nearest level. Without a level the buffer keeps the volume it has.
void SetLevelVolume(IDirectSoundBuffer* buffer, const int* level) {
    if (!level) return;
    const int clamped = *level < 0 ? 0 : *level > 9 ? 9 : *level;
    buffer->SetVolume(kVolumeByLevel[clamped]);
}

DWORD StatusOf(IDirectSoundBuffer* buffer) {
    DWORD status = 0;
    if (FAILED(buffer->GetStatus(&status))) return 0;
    return status;
}

}  // namespace

int DIRSOUND::hasSound(int index) {
    // A negative index is a caller's error and is traced whether or not the
    // gate is open; the object itself is not touched either way.
    if (index < 0) {
        TraceError("%s(%d), %d", "DIRSOUND::hasSound", index, 229);
        return 0;
    }
    if (!SoundGateOpen()) return 0;
    // m_nSoundCount is the host's word; the array ends where it ends.
    if (index >= m_nSoundCount || index >= kBufferSlots) return 0;
    return m_pBuffer[index] ? 1 : 0;
}

void DIRSOUND::Play(int index, int loop) {
    if (!SoundGateOpen() || !m_bEnable || !m_pDirectSound || !hasSound(index)) return;
    const DWORD flags = loop ? DSBPLAY_LOOPING : 0;
    IDirectSoundBuffer* sound = m_pBuffer[index];

    if (!(StatusOf(sound) & DSBSTATUS_PLAYING)) {
        SetLevelVolume(sound, m_piVolume);
        sound->Play(0, 0, flags);
        return;
    }

    // Still playing: a copy plays over it. Copies that have finished give
    // their slots back first.
    for (IDirectSoundBuffer*& copy : m_pDuplicate) {
        if (copy && !(StatusOf(copy) & (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING))) {
            copy->Release();
            copy = nullptr;
        }
    }
    int slot = 0;
    while (slot < kDuplicateSlots && m_pDuplicate[slot]) ++slot;
    if (slot == kDuplicateSlots) return;

    const HRESULT made = m_pDirectSound->DuplicateSoundBuffer(sound, &m_pDuplicate[slot]);
    IDirectSoundBuffer* copy = m_pDuplicate[slot];
    if (!copy) return;
    SetLevelVolume(copy, m_piVolume);
    if (SUCCEEDED(made)) copy->Play(0, 0, flags);
}

void PlayLobbySound(LobbySound sound) {
    DIRSOUND* host = CBaseDataControl::GetSoundPointer();
    if (!host) return;
    // The first index is the host's; an offset past the end of the range
    // names no sound rather than wrapping round to a negative index.
    const long long index = static_cast<long long>(CBaseDataControl::GetSoundFirstIdx()) + static_cast<int>(sound);
    if (index > 0x7FFFFFFF) return;
    host->Play(static_cast<int>(index), 0);
}
