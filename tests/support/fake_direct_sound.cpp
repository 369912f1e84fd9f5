#include "fake_direct_sound.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <lobbyui/base_data_control.h>

namespace {

void Record(const std::string& name, const char* call, long value) {
    DirectSoundCalls().push_back(name + ":" + call + "(" + std::to_string(value) + ")");
}

const int kBufferSlots = sizeof(DIRSOUND::m_pBuffer) / sizeof(DIRSOUND::m_pBuffer[0]);

}  // namespace

std::vector<std::string>& DirectSoundCalls() {
    static std::vector<std::string> calls;
    return calls;
}

std::vector<std::string> TakeDirectSoundCalls() {
    std::vector<std::string> out;
    out.swap(DirectSoundCalls());
    return out;
}

HRESULT FakeSoundBuffer::QueryInterface(REFIID, void** out) {
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG FakeSoundBuffer::Release() {
    Record(m_name, "Release", 0);
    ++releases;
    return 0;
}

HRESULT FakeSoundBuffer::GetStatus(LPDWORD out) {
    *out = status;
    return DS_OK;
}

HRESULT FakeSoundBuffer::Play(DWORD, DWORD, DWORD flags) {
    Record(m_name, "Play", static_cast<long>(flags));
    return DS_OK;
}

HRESULT FakeSoundBuffer::SetVolume(LONG volume) {
    Record(m_name, "SetVolume", volume);
    return DS_OK;
}

HRESULT FakeSoundBuffer::Unexpected(const char* call) {
    Record(m_name, call, 0);
    return DSERR_GENERIC;
}

HRESULT FakeSoundDevice::QueryInterface(REFIID, void** out) {
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT FakeSoundDevice::DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original, LPLPDIRECTSOUNDBUFFER copy) {
    const std::string of = static_cast<FakeSoundBuffer*>(original)->m_name;
    DirectSoundCalls().push_back("device:DuplicateSoundBuffer(" + of + ")");
    if (answer == kFailWithNothing) {
        *copy = nullptr;
        return DSERR_OUTOFMEMORY;
    }
    copies.emplace_back(of + "'" + std::to_string(copies.size()), copyStatus);
    *copy = &copies.back();
    return answer == kDuplicate ? DS_OK : DSERR_OUTOFMEMORY;
}

HRESULT FakeSoundDevice::Unexpected(const char* call) {
    DirectSoundCalls().push_back(std::string("device:") + call);
    return DSERR_GENERIC;
}

FakeHostSound::FakeHostSound(int firstIndex) : m_sound(new DIRSOUND) {
    memset(m_sound.get(), 0, sizeof(DIRSOUND));
    m_sound->m_nSoundCount = kBufferSlots;
    m_sound->m_pDirectSound = &m_device;
    m_sound->m_piVolume = &m_level;
    m_sound->m_bEnable = 1;
    for (int i = 0; i < kBufferSlots; ++i) {
        m_buffers.emplace_back(std::to_string(i));
        m_sound->m_pBuffer[i] = &m_buffers.back();
    }
    DirectSoundCalls().clear();
    CBaseDataControl::SetSoundFirstIndex(firstIndex);
    CBaseDataControl::SetSoundPointer(m_sound.get());
}

FakeHostSound::~FakeHostSound() {
    Withdraw();
    CBaseDataControl::SetSoundFirstIndex(0);
    DirectSoundCalls().clear();
}

void FakeHostSound::Withdraw() {
    if (CBaseDataControl::GetSoundPointer() == m_sound.get()) CBaseDataControl::SetSoundPointer(nullptr);
}

std::vector<int> FakeHostSound::TakePlayed() {
    std::vector<int> played;
    for (const std::string& call : TakeDirectSoundCalls()) {
        const size_t colon = call.find(':');
        if (call.compare(colon + 1, 5, "Play(") != 0) continue;
        const int index = atoi(call.c_str());
        // Click sounds play once; a looping one would never stop.
        if (call != call.substr(0, colon) + ":Play(0)") ADD_FAILURE() << "sound " << index << " played as " << call;
        played.push_back(index);
    }
    return played;
}
