// DirectSound doubles for the Win32 tests: a device and buffers that log
// every call the library makes on them, and a host's sound object built from
// them that a test hands to the library to hear which sounds a dialog plays.
#ifndef LOBBYUI_TESTS_FAKE_DIRECT_SOUND_H
#define LOBBYUI_TESTS_FAKE_DIRECT_SOUND_H

#include <windows.h>
#include <dsound.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <lobbyui/sound.h>

// The calls on every fake buffer and device, in order, as
// "<buffer name>:<call>(<value>)" or "device:<call>...".
std::vector<std::string>& DirectSoundCalls();
// Returns the calls logged so far and empties the log.
std::vector<std::string> TakeDirectSoundCalls();

class FakeSoundBuffer : public IDirectSoundBuffer {
public:
    explicit FakeSoundBuffer(std::string name, DWORD status = 0) : m_name(std::move(name)), status(status) {}
    virtual ~FakeSoundBuffer() = default;

    STDMETHOD(QueryInterface)(REFIID, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(GetCaps)(LPDSBCAPS) override { return Unexpected("GetCaps"); }
    STDMETHOD(GetCurrentPosition)(LPDWORD, LPDWORD) override { return Unexpected("GetCurrentPosition"); }
    STDMETHOD(GetFormat)(LPWAVEFORMATEX, DWORD, LPDWORD) override { return Unexpected("GetFormat"); }
    STDMETHOD(GetVolume)(LPLONG) override { return Unexpected("GetVolume"); }
    STDMETHOD(GetPan)(LPLONG) override { return Unexpected("GetPan"); }
    STDMETHOD(GetFrequency)(LPDWORD) override { return Unexpected("GetFrequency"); }
    STDMETHOD(GetStatus)(LPDWORD out) override;
    STDMETHOD(Initialize)(LPDIRECTSOUND, LPCDSBUFFERDESC) override { return Unexpected("Initialize"); }
    STDMETHOD(Lock)(DWORD, DWORD, LPVOID*, LPDWORD, LPVOID*, LPDWORD, DWORD) override { return Unexpected("Lock"); }
    STDMETHOD(Play)(DWORD, DWORD, DWORD flags) override;
    STDMETHOD(SetCurrentPosition)(DWORD) override { return Unexpected("SetCurrentPosition"); }
    STDMETHOD(SetFormat)(LPCWAVEFORMATEX) override { return Unexpected("SetFormat"); }
    STDMETHOD(SetVolume)(LONG volume) override;
    STDMETHOD(SetPan)(LONG) override { return Unexpected("SetPan"); }
    STDMETHOD(SetFrequency)(DWORD) override { return Unexpected("SetFrequency"); }
    STDMETHOD(Stop)() override { return Unexpected("Stop"); }
    STDMETHOD(Unlock)(LPVOID, DWORD, LPVOID, DWORD) override { return Unexpected("Unlock"); }
    STDMETHOD(Restore)() override { return Unexpected("Restore"); }

    const std::string m_name;
    DWORD status;
    int releases = 0;

private:
    HRESULT Unexpected(const char* call);
};

class FakeSoundDevice : public IDirectSound {
public:
    enum Answer { kDuplicate, kFailWithNothing, kFailButStore };

    virtual ~FakeSoundDevice() = default;
    STDMETHOD(QueryInterface)(REFIID, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override { return 1; }
    STDMETHOD_(ULONG, Release)() override { return 0; }
    STDMETHOD(CreateSoundBuffer)(LPCDSBUFFERDESC, LPLPDIRECTSOUNDBUFFER, IUnknown*) override {
        return Unexpected("CreateSoundBuffer");
    }
    STDMETHOD(GetCaps)(LPDSCAPS) override { return Unexpected("GetCaps"); }
    // Copies are FakeSoundBuffers named "<original>'<n>", n counting from 0.
    STDMETHOD(DuplicateSoundBuffer)(LPDIRECTSOUNDBUFFER original, LPLPDIRECTSOUNDBUFFER copy) override;
    STDMETHOD(SetCooperativeLevel)(HWND, DWORD) override { return Unexpected("SetCooperativeLevel"); }
    STDMETHOD(Compact)() override { return Unexpected("Compact"); }
    STDMETHOD(GetSpeakerConfig)(LPDWORD) override { return Unexpected("GetSpeakerConfig"); }
    STDMETHOD(SetSpeakerConfig)(DWORD) override { return Unexpected("SetSpeakerConfig"); }
    STDMETHOD(Initialize)(LPCGUID) override { return Unexpected("Initialize"); }

    Answer answer = kDuplicate;
    DWORD copyStatus = DSBSTATUS_PLAYING;
    std::deque<FakeSoundBuffer> copies;  // a deque keeps the copies where they are

private:
    HRESULT Unexpected(const char* call);
};

// A host's sound object with a loaded, idle sound at every index (buffer i is
// named after i), handed to the library for the life of this object with the
// given first lobby sound index. Taken back (and the first index reset) on
// destruction.
class FakeHostSound {
public:
    explicit FakeHostSound(int firstIndex);
    ~FakeHostSound();
    FakeHostSound(const FakeHostSound&) = delete;
    FakeHostSound& operator=(const FakeHostSound&) = delete;

    // The sound indices played since the last call, in order; empties the log.
    std::vector<int> TakePlayed();
    // Takes the object back from the library, as a host that has no sound does.
    void Withdraw();

private:
    FakeSoundDevice m_device;
    std::deque<FakeSoundBuffer> m_buffers;
    int m_level = 9;
    std::unique_ptr<DIRSOUND> m_sound;
};

#endif
