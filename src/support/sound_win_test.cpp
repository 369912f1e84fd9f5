// DIRSOUND::Play against DirectSound doubles: the host's object is laid out
// as the host lays it out, and every call the library makes on the device and
// the buffers is logged.
#include <lobbyui/sound.h>

#include <windows.h>
#include <dsound.h>

#include <gtest/gtest.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>

#include <memory>
#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>

#include "fake_direct_sound.h"
#include "support/html_trace.h"
#include "support/lobby_sound.h"

namespace {

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        DirectSoundCalls().clear();
        sound = std::make_unique<DIRSOUND>();
        // Whatever lies next to the arrays must never be taken for a buffer.
        memset(sound->m_ucHostArea4104, 0xEE, sizeof sound->m_ucHostArea4104);
        memset(sound->m_ucHostArea8328, 0xEE, sizeof sound->m_ucHostArea8328);
        sound->m_nSoundCount = 200;
        sound->m_pDirectSound = &device;
        sound->m_piVolume = &level;
        sound->m_bEnable = 1;
        sound->m_pBuffer[3] = &click;
        CBaseDataControl::SetSoundPointer(sound.get());
    }
    void TearDown() override {
        CBaseDataControl::SetSoundPointer(nullptr);
        CBaseDataControl::SetSoundFirstIndex(0);
    }
    std::vector<std::string> TakeLog() { return TakeDirectSoundCalls(); }
    int FreeDuplicateSlots() const {
        int free = 0;
        for (IDirectSoundBuffer* copy : sound->m_pDuplicate) free += copy == nullptr;
        return free;
    }

    FakeSoundDevice device;
    FakeSoundBuffer click{"click"};
    int level = 8;
    std::unique_ptr<DIRSOUND> sound;
};

using Log = std::vector<std::string>;

}  // namespace

TEST_F(SoundTest, GateIsOpenExactlyWhileTheHostHasHandedInASoundObject) {
    EXPECT_EQ(1, sound->hasSound(3));

    CBaseDataControl::SetSoundPointer(nullptr);
    sound->m_pDirectSound = nullptr;
    const std::vector<unsigned char> before(reinterpret_cast<unsigned char*>(sound.get()),
                                            reinterpret_cast<unsigned char*>(sound.get()) + sizeof(DIRSOUND));
    EXPECT_EQ(0, sound->hasSound(3));
    sound->Play(3, 0);
    sound->Play(3, 1);
    PlayLobbySound(kSoundClick);
    EXPECT_EQ(Log(), TakeLog());
    EXPECT_EQ(0, memcmp(before.data(), sound.get(), sizeof(DIRSOUND))) << "the host's object was touched";

    sound->m_pDirectSound = &device;
    CBaseDataControl::SetSoundPointer(sound.get());
    sound->Play(3, 0);
    EXPECT_EQ(Log({"click:SetVolume(-400)", "click:Play(0)"}), TakeLog());
}

TEST_F(SoundTest, IdleSoundPlaysOnceOrLoopingAtTheHostsLevel) {
    const LONG expected[10] = {-10000, -2400, -2000, -1800, -1600, -1400, -1200, -800, -400, 0};
    for (int i = 0; i < 10; ++i) {
        level = i;
        sound->Play(3, i % 2);
        const std::string flags = i % 2 ? std::to_string(DSBPLAY_LOOPING) : "0";
        EXPECT_EQ(Log({"click:SetVolume(" + std::to_string(expected[i]) + ")", "click:Play(" + flags + ")"}), TakeLog())
            << "level " << i;
    }
}

TEST_F(SoundTest, LevelOutsideTheTableTakesTheNearestAndNoLevelKeepsTheBuffersVolume) {
    level = 12;
    sound->Play(3, 0);
    level = -3;
    sound->Play(3, 0);
    sound->m_piVolume = nullptr;
    sound->Play(3, 0);
    EXPECT_EQ(Log({"click:SetVolume(0)", "click:Play(0)", "click:SetVolume(-10000)", "click:Play(0)", "click:Play(0)"}),
              TakeLog());
}

TEST_F(SoundTest, NothingPlaysWhenSwitchedOffWithoutDeviceOrForAnIndexWithoutSound) {
    sound->m_bEnable = 0;
    sound->Play(3, 0);
    sound->m_bEnable = 1;
    sound->m_pDirectSound = nullptr;
    sound->Play(3, 0);
    sound->m_pDirectSound = &device;
    sound->Play(4, 0);     // no buffer loaded
    sound->Play(200, 0);   // beyond m_nSoundCount
    EXPECT_EQ(Log(), TakeLog());

    // A count larger than the array does not reach past it.
    sound->m_nSoundCount = 5000;
    EXPECT_EQ(0, sound->hasSound(1024));
    EXPECT_EQ(0, sound->hasSound(2000));
    sound->Play(1030, 0);
    EXPECT_EQ(Log(), TakeLog());
}

TEST_F(SoundTest, NegativeIndexIsRefusedWithOneRedTraceLine) {
    FILE* file = tmpfile();
    ASSERT_NE(nullptr, file);
    CHtmlTrace writer(file, true);
    g_pHtmlTrace = &writer;
    EXPECT_EQ(0, sound->hasSound(-1));
    sound->Play(-7, 0);
    // With no sound object handed in, the error is still reported.
    CBaseDataControl::SetSoundPointer(nullptr);
    EXPECT_EQ(0, sound->hasSound(-2));
    g_pHtmlTrace = nullptr;

    char text[512] = {0};
    fflush(file);
    rewind(file);
    const size_t n = fread(text, 1, sizeof text - 1, file);
    const std::string written(text, n);
    EXPECT_EQ(0u, written.find("<font color=#FF0000>")) << written;
    EXPECT_NE(std::string::npos, written.find(" DIRSOUND::hasSound(-1), 229<br>")) << written;
    EXPECT_NE(std::string::npos, written.find(" DIRSOUND::hasSound(-7), 229<br>")) << written;
    EXPECT_NE(std::string::npos, written.find(" DIRSOUND::hasSound(-2), 229<br>")) << written;
    EXPECT_EQ(std::string::npos, written.find("</font>")) << "both lines are red";
    EXPECT_EQ(Log(), TakeLog());
}

TEST_F(SoundTest, SoundStillPlayingGetsADuplicateAtTheSameVolume) {
    click.status = DSBSTATUS_PLAYING;
    level = 5;
    sound->Play(3, 1);
    EXPECT_EQ(Log({"device:DuplicateSoundBuffer(click)", "click'0:SetVolume(-1400)",
                   "click'0:Play(" + std::to_string(DSBPLAY_LOOPING) + ")"}),
              TakeLog());
    EXPECT_EQ(&device.copies[0], sound->m_pDuplicate[0]);
    EXPECT_EQ(31, FreeDuplicateSlots());
}

TEST_F(SoundTest, ThirtyThirdOverlappingCopyIsDroppedSilently) {
    click.status = DSBSTATUS_PLAYING;
    for (int i = 0; i < 32; ++i) sound->Play(3, 0);
    ASSERT_EQ(32u, device.copies.size());
    EXPECT_EQ(0, FreeDuplicateSlots());
    TakeLog();

    sound->Play(3, 0);
    EXPECT_EQ(Log(), TakeLog()) << "no duplicate asked for, nothing released";
    EXPECT_EQ(32u, device.copies.size());
}

TEST_F(SoundTest, SweepReleasesFinishedCopiesAndTheFirstFreeSlotIsTaken) {
    click.status = DSBSTATUS_PLAYING;
    for (int i = 0; i < 6; ++i) sound->Play(3, 0);
    device.copies[2].status = 0;
    device.copies[4].status = 0;
    device.copies[5].status = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;
    TakeLog();

    sound->Play(3, 0);
    EXPECT_EQ(Log({"click'2:Release(0)", "click'4:Release(0)", "device:DuplicateSoundBuffer(click)",
                   "click'6:SetVolume(-400)", "click'6:Play(0)"}),
              TakeLog());
    EXPECT_EQ(&device.copies[6], sound->m_pDuplicate[2]);
    EXPECT_EQ(nullptr, sound->m_pDuplicate[4]);
    EXPECT_EQ(&device.copies[5], sound->m_pDuplicate[5]);
    EXPECT_EQ(1, device.copies[2].releases);
    EXPECT_EQ(0, device.copies[5].releases);
}

TEST_F(SoundTest, FailedDuplicationPlaysNothing) {
    click.status = DSBSTATUS_PLAYING;
    device.answer = FakeSoundDevice::kFailWithNothing;
    sound->Play(3, 0);
    EXPECT_EQ(Log({"device:DuplicateSoundBuffer(click)"}), TakeLog());
    EXPECT_EQ(32, FreeDuplicateSlots());

    // A device that reports failure yet hands a copy back: the copy is kept
    // and set to the volume, but not played.
    device.answer = FakeSoundDevice::kFailButStore;
    sound->Play(3, 0);
    EXPECT_EQ(Log({"device:DuplicateSoundBuffer(click)", "click'0:SetVolume(-400)"}), TakeLog());
}

TEST_F(SoundTest, LobbySoundsPlayAtTheirOffsetFromTheFirstIndex) {
    FakeSoundBuffer menu("menu"), button("button"), refused("refused");
    sound->m_pBuffer[106] = &menu;
    sound->m_pBuffer[109] = &button;
    sound->m_pBuffer[115] = &refused;
    CBaseDataControl::SetSoundFirstIndex(100);
    PlayLobbySound(kSoundMenu);
    PlayLobbySound(kSoundClick);
    PlayLobbySound(kSoundRefusedStep);
    EXPECT_EQ(Log({"menu:SetVolume(-400)", "menu:Play(0)", "button:SetVolume(-400)", "button:Play(0)",
                   "refused:SetVolume(-400)", "refused:Play(0)"}),
              TakeLog());

    // A first index at the end of the range names no sound.
    CBaseDataControl::SetSoundFirstIndex(INT_MAX - 2);
    PlayLobbySound(kSoundClick);
    CBaseDataControl::SetSoundFirstIndex(-6);
    sound->m_pBuffer[0] = &button;
    PlayLobbySound(kSoundMenu);
    EXPECT_EQ(Log({"button:SetVolume(-400)", "button:Play(0)"}), TakeLog());
}
