// The password dialog driven as a host drives it: CreatePWDlg under a test
// window that records 1228 with its 64-byte buffer.
#include "join/password_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "dialog_controls.h"
#include "fake_direct_sound.h"
#include "host_window.h"
#include "res/join_ids.h"

namespace {

class PasswordDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.CaptureRecord(LOBBYUI_MSG_PASSWORD, 64);
        CPartyDlg_DlgInerface::CreatePWDlg(host.wnd());
        dialog = FindOwnedDialog(host.hwnd(), IDC_PW_EDIT);
        ASSERT_TRUE(dialog);
        edit = ::GetDlgItem(dialog, IDC_PW_EDIT);
    }
    void TearDown() override {
        CPartyDlg_DlgInerface::DestroyPWDlg();
        CPartyDlg_DlgInerface::SetIfPartyBtnLock(0);
    }
    void Type(const char* text) {
        for (const char* c = text; *c; ++c) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*c), 0);
    }
    std::string EditText() const {
        char text[128] = {0};
        ::GetWindowTextA(edit, text, sizeof text);
        return text;
    }

    HostWindow host{60, 40, 700, 500};
    HWND dialog = nullptr;
    HWND edit = nullptr;
};

}  // namespace

TEST_F(PasswordDialogTest, ShowLaysOutCentresFocusesTheEditAndLocks) {
    EXPECT_FALSE(::IsWindowVisible(dialog));
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(1, CPartyDlg_DlgInerface::GetIfPartyBtnLock());
    EXPECT_EQ(edit, ::GetFocus());

    RECT client, window, parent;
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(246, client.right);
    EXPECT_EQ(106, client.bottom);
    ::GetWindowRect(dialog, &window);
    ::GetWindowRect(host.hwnd(), &parent);
    EXPECT_EQ(parent.left + ((parent.right - parent.left) - (window.right - window.left)) / 2, window.left);
    EXPECT_EQ(parent.top + ((parent.bottom - parent.top) - (window.bottom - window.top)) / 2, window.top);
    RECT r = ControlRect(dialog, IDC_PW_EDIT);
    EXPECT_EQ(46, r.left);
    EXPECT_EQ(42, r.top);
    EXPECT_EQ(148, r.right - r.left);
    EXPECT_EQ(22, r.bottom - r.top);
    r = ControlRect(dialog, IDC_PW_OK);
    EXPECT_EQ(90, r.left);
    EXPECT_EQ(66, r.top);
    EXPECT_EQ(58, r.right - r.left);
    EXPECT_EQ(30, r.bottom - r.top);
}

TEST_F(PasswordDialogTest, TheEditTakesEightCharactersAndASecondShowClearsIt) {
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    Type("123456789");
    EXPECT_EQ("12345678", EditText());
    CPartyDlg_DlgInerface::ShowPWDlg(13);
    EXPECT_EQ("", EditText());
}

TEST_F(PasswordDialogTest, ConfirmAndEnterSendTheTableNumberAndTheZeroFilledText) {
    CPartyDlg_DlgInerface::ShowPWDlg(65535);
    Type("abc");
    Click(dialog, IDC_PW_OK);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(0, CPartyDlg_DlgInerface::GetIfPartyBtnLock());

    // A host that sets a longer text than the user may type: 63 bytes reach it.
    CPartyDlg_DlgInerface::ShowPWDlg(7);
    ::SetWindowTextA(edit, std::string(80, 'x').c_str());
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);

    CPartyDlg_DlgInerface::ShowPWDlg(8);
    Click(dialog, IDC_PW_OK);

    std::vector<ReceivedMessage> sent = host.ReceivedOf(LOBBYUI_MSG_PASSWORD);
    ASSERT_EQ(3u, sent.size());
    EXPECT_EQ(65535u, sent[0].wParam);
    ASSERT_EQ(64u, sent[0].record.size());
    EXPECT_EQ(std::string("abc"), std::string(reinterpret_cast<const char*>(sent[0].record.data())));
    for (size_t i = 3; i < 64; ++i) ASSERT_EQ(0, sent[0].record[i]) << i;

    EXPECT_EQ(7u, sent[1].wParam);
    EXPECT_EQ(std::string(63, 'x'), std::string(reinterpret_cast<const char*>(sent[1].record.data())));
    EXPECT_EQ(0, sent[1].record[63]);

    EXPECT_EQ(8u, sent[2].wParam);
    EXPECT_EQ(std::vector<unsigned char>(64, 0), sent[2].record) << "an empty edit sends an empty text";
    EXPECT_EQ(3u, host.received().size());
}

TEST_F(PasswordDialogTest, EscapeSystemCloseAndHideSendNothingAndReleaseTheLock) {
    const char* names[] = {"Escape", "system close", "HidePWDlg"};
    for (int path = 0; path < 3; ++path) {
        CPartyDlg_DlgInerface::ShowPWDlg(12);
        Type("abc");
        if (path == 0) ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        if (path == 1) ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (path == 2) CPartyDlg_DlgInerface::HidePWDlg();
        EXPECT_FALSE(::IsWindowVisible(dialog)) << names[path];
        EXPECT_EQ(0, CPartyDlg_DlgInerface::GetIfPartyBtnLock()) << names[path];
    }
    EXPECT_TRUE(host.received().empty());

    // A close reaching the dialog once its show has ended leaves the lock to
    // whichever dialog raised it since.
    CPartyDlg_DlgInerface::SetIfPartyBtnLock(1);
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_EQ(1, CPartyDlg_DlgInerface::GetIfPartyBtnLock());
}

TEST_F(PasswordDialogTest, ConfirmAndEnterClickWhileShowingAndEveryWayOutIsSilent) {
    const int first = 40;
    FakeHostSound sound(first);
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    EXPECT_EQ(std::vector<int>(), sound.TakePlayed()) << "showing is the host's doing";
    Click(dialog, IDC_PW_OK);
    EXPECT_EQ(std::vector<int>({first + 9}), sound.TakePlayed());
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(std::vector<int>({first + 9}), sound.TakePlayed()) << "Enter";

    CPartyDlg_DlgInerface::ShowPWDlg(12);
    ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    CPartyDlg_DlgInerface::HidePWDlg();
    EXPECT_EQ(std::vector<int>(), sound.TakePlayed()) << "Escape, system close and HidePWDlg";

    // A host that takes its sound object back hears nothing, and the
    // password still goes out.
    sound.Withdraw();
    CPartyDlg_DlgInerface::ShowPWDlg(12);
    Click(dialog, IDC_PW_OK);
    EXPECT_EQ(std::vector<int>(), sound.TakePlayed());
    EXPECT_EQ(3u, host.ReceivedOf(LOBBYUI_MSG_PASSWORD).size());
}

// The framework attaches a dialog to its window once, at creation. A host
// that sends a live dialog WM_INITDIALOG hands in an lParam of its own, which
// must not be taken for the dialog object.
TEST_F(PasswordDialogTest, AWmInitDialogAHostSendsALiveDialogIsIgnored) {
    unsigned char bait[256];
    memset(bait, 0xA5, sizeof bait);
    ::SendMessageA(dialog, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(bait));
    EXPECT_EQ(std::vector<unsigned char>(sizeof bait, 0xA5), std::vector<unsigned char>(bait, bait + sizeof bait));

    CPartyDlg_DlgInerface::ShowPWDlg(21);
    Type("pw");
    Click(dialog, IDC_PW_OK);
    std::vector<ReceivedMessage> sent = host.ReceivedOf(LOBBYUI_MSG_PASSWORD);
    ASSERT_EQ(1u, sent.size());
    EXPECT_EQ(21u, sent[0].wParam);
    EXPECT_STREQ("pw", reinterpret_cast<const char*>(sent[0].record.data()));
}
