// For the join dialogs' Win32 tests: a host with a text table and the
// recording skin. The ways to reach a dialog's windows and controls are in
// dialog_controls.h, for every dialog's tests.
#ifndef LOBBYUI_TESTS_JOIN_TABLE_TEST_SUPPORT_H
#define LOBBYUI_TESTS_JOIN_TABLE_TEST_SUPPORT_H

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_controls.h"
#include "frame/skin.h"
#include "skin_fixture.h"
#include "scratch_directory.h"

// The text table the tests run with: texts the dialogs use, in ASCII so that
// what is painted reads plainly; every other line is "t<N>".
inline std::string JoinTestTextTable() {
    std::string csv;
    for (int n = 1; n <= 90; ++n) {
        std::string text = "t" + std::to_string(n);
        switch (n) {
        case 9: text = "ScoreXYZ"; break;   // cut to 5 bytes
        case 10: text = "BeansXYZ"; break;
        case 21: text = "Reserved"; break;
        case 22: text = "Empty"; break;
        case 24: text = "Message one"; break;
        case 25: text = "Message 100%%"; break;
        case 35: text = "Tahoma"; break;
        case 46: text = "L10"; break;
        case 55: text = "Named19"; break;
        case 81: text = "Named23LongerThanSlot"; break;
        default:
            if (n >= 36 && n <= 45) text = "L" + std::to_string(n - 36);
            break;
        }
        csv += std::to_string(n) + "," + text + "\r\n";
    }
    return csv;
}

inline std::string BinDirectory() {
    char path[MAX_PATH] = {0};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path);
    return s.substr(0, s.find_last_of('\\'));
}

// The recording SkinMagic.dll, chosen by the skin layer for the test's life.
class RecordingSkin {
public:
    RecordingSkin() {
        m_module = ::LoadLibraryA((BinDirectory() + "\\fixtures\\skinmagic\\SkinMagic.dll").c_str());
        if (!m_module) return;
        m_count = reinterpret_cast<SkinFixtureCallCountFn>(reinterpret_cast<void*>(::GetProcAddress(m_module, "SkinFixtureCallCount")));
        m_get = reinterpret_cast<SkinFixtureGetCallFn>(reinterpret_cast<void*>(::GetProcAddress(m_module, "SkinFixtureGetCall")));
        m_reset = reinterpret_cast<SkinFixtureResetFn>(reinterpret_cast<void*>(::GetProcAddress(m_module, "SkinFixtureReset")));
        Skin::ResetForTesting();
        if (m_reset) m_reset();
    }
    ~RecordingSkin() {
        Skin::ResetForTesting();
        if (m_module) ::FreeLibrary(m_module);
    }
    RecordingSkin(const RecordingSkin&) = delete;
    RecordingSkin& operator=(const RecordingSkin&) = delete;

    bool loaded() const { return m_count && m_get && m_reset; }
    void Reset() const { m_reset(); }
    std::vector<SkinFixtureCall> Calls() const {
        std::vector<SkinFixtureCall> calls(static_cast<size_t>(m_count()));
        for (size_t i = 0; i < calls.size(); ++i) m_get(static_cast<int>(i), &calls[i]);
        return calls;
    }
    std::vector<SkinFixtureCall> CallsOf(int operation) const {
        std::vector<SkinFixtureCall> out;
        for (const SkinFixtureCall& c : Calls()) {
            if (c.operation == operation) out.push_back(c);
        }
        return out;
    }

private:
    HMODULE m_module = nullptr;
    SkinFixtureCallCountFn m_count = nullptr;
    SkinFixtureGetCallFn m_get = nullptr;
    SkinFixtureResetFn m_reset = nullptr;
};

#endif
