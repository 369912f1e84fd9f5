// The new create-table dialog driven as a host drives it: created under a
// child of the test's host window (it reports to that child's parent), with
// pictures of the test's own under \bmp of a scratch directory, each a flat
// colour so that what a button or the dialog shows can be read back.
// Time-outs are driven by sent timer ticks; the dialog's real timer is stopped.
#include "create/table_create_new_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/base_data_control.h>
#include <lobbyui/messages.h>
#include <lobbyui/party_dialogs.h>

#include "host_window.h"
#include "metafile_recorder.h"
#include "res/create_new_ids.h"
#include "scratch_directory.h"
#include "support/texts_big5.h"
#include "support/texts_gbk.h"
#include "test_util.h"

namespace {

typedef CPartyDlg_DlgInerface Party;
const UINT kCreate = LOBBYUI_MSG_CREATE_TABLE;
const WPARAM kCreated = LOBBYUI_CREATE_TABLE_REQUEST;
const WPARAM kClosed = LOBBYUI_CREATE_TABLE_CLOSED;

// Picture i is drawn in the colour RGB(10 + i, 100, 200): a pixel names its file.
COLORREF PictureColour(int index) { return RGB(10 + index, 100, 200); }

SIZE PictureSizeOf(int index) {
    if (index == kPicPage || index == kPicAlternativePage) return {232, 396};
    if (index >= kPicCheckOff && index <= kPicCheckDisabled) return {18, 18};
    if (index >= kPicCreate && index < kPicDown) return {85, 30};
    if (index >= kPicDown && index < kPicDigit0) return {23, 26};
    if (index == kPicBackground) return {238, 424};
    if (index == kPicBottomTile) return {41, 12};
    if (index == kPicLeftTile || index == kPicRightTile) return {5, 63};
    if (index >= kPicClose && index < kPicAlternativePage) return {15, 15};
    return {14, 20};  // digits and patches
}

void WritePicture(int index) {
    SIZE size = PictureSizeOf(index);
    std::string name = NewCreatePictureName(index);
    for (char& c : name) c = c == '\\' ? '/' : c;
    ScratchDirectory::Write(name.substr(1), FlatBitmap(size.cx, size.cy, PictureColour(index)));
}

std::string TextTable() {
    std::string csv;
    for (int n = 1; n <= 30; ++n) {
        std::string text = "t" + std::to_string(n);
        if (n == 26) text = "\xBB\xB6\xC0\xD6\xB6\xB7\xB5\xD8\xD6\xF7";  // 欢乐斗地主: longer than the old 4 bytes
        if (n == 27) text = "Clean";
        csv += std::to_string(n) + "," + text + "\r\n";
    }
    return csv;
}

tagKWP_CREATE_TABLE_REQ RequestOf(const ReceivedMessage& m) {
    tagKWP_CREATE_TABLE_REQ r;
    memset(&r, 0xEE, sizeof r);
    if (m.record.size() == sizeof r) memcpy(&r, m.record.data(), sizeof r);
    return r;
}

BOOL CALLBACK FindCreateDialog(HWND h, LPARAM p) {
    if (::GetDlgItem(h, IDC_CTN_CREATE) && ::GetDlgItem(h, IDC_CTN_SPECIAL_CARD)) {
        *reinterpret_cast<HWND*>(p) = h;
        return FALSE;
    }
    return TRUE;
}

class NewCreateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDirectory::Write("STCSV/PlayerScore_Sim.csv", TextTable());
        if (WithPictures()) {
            for (int i = 0; i < kNewCreatePictureCount; ++i) WritePicture(i);
        }
        host.CaptureRecord(kCreate, sizeof(tagKWP_CREATE_TABLE_REQ));
        given = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr, nullptr, nullptr);
        CBaseDataControl::SetGameID(4711);
        Party::CteateCTDlgNew(CWnd::FromHandle(given));
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindCreateDialog, reinterpret_cast<LPARAM>(&dialog));
        ASSERT_TRUE(dialog);
        // Ticks come from the test alone.
        ::KillTimer(dialog, CTableCreateNew::kTimeoutTimer);
        memset(&record, 0, sizeof record);
        memcpy(record.acTableName, "Host name", 10);
        record.uiScoreMask = (1u << 4) | (1u << 5) | (1u << 6);  // 5, 10, 20
        record.ucScoreIndex = 5;
        record.ucSettingAMin = 1;
        record.ucSettingAMax = 3;
        record.ucSettingADefault = 2;
        record.ucSettingBMin = 4;
        record.ucSettingBMax = 20;
        record.ucSettingBDefault = 8;
    }
    void TearDown() override {
        Party::DestroyCTDlgNew();
        Party::SetIfPartyBtnLock(0);
        Party::SetIsCreatelock(false);
        Party::SetIfMinWin(false);
        Party::SetIsAddMult(0);
        Party::SetMultiplelmt(0);
        Party::SetIsRestore(false);
        TheNewCreateValues() = NewCreateValues();
        if (given) ::DestroyWindow(given);
    }
    virtual bool WithPictures() const { return true; }

    void Show(unsigned short table) { Party::ShowCTDlgNew(&record, table); }
    void Click(int id) {
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    }
    void Tick(int times) {
        for (int i = 0; i < times; ++i) ::SendMessageA(dialog, WM_TIMER, CTableCreateNew::kTimeoutTimer, 0);
    }
    void Type(int id, const char* text) { ::SetWindowTextA(::GetDlgItem(dialog, id), text); }
    std::string TextOf(int id) const {
        char text[64] = {0};
        ::GetWindowTextA(::GetDlgItem(dialog, id), text, sizeof text);
        return text;
    }
    std::vector<ReceivedMessage> Sent(WPARAM code) const {
        std::vector<ReceivedMessage> out;
        for (const ReceivedMessage& m : host.ReceivedOf(kCreate)) {
            if (m.wParam == code) out.push_back(m);
        }
        return out;
    }
    tagKWP_CREATE_TABLE_REQ ConfirmAndRead() {
        host.Clear();
        Click(IDC_CTN_CREATE);
        std::vector<ReceivedMessage> requests = Sent(kCreated);
        EXPECT_EQ(1u, requests.size());
        return requests.empty() ? tagKWP_CREATE_TABLE_REQ() : RequestOf(requests.back());
    }
    bool DialogVisible() const { return ::IsWindowVisible(dialog) != FALSE; }
    void Recreate() {
        Party::DestroyCTDlgNew();
        Party::CteateCTDlgNew(CWnd::FromHandle(given));
        dialog = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), &FindCreateDialog, reinterpret_cast<LPARAM>(&dialog));
        ASSERT_TRUE(dialog);
        ::KillTimer(dialog, CTableCreateNew::kTimeoutTimer);
    }
    // The colour at the middle of a control drawn as it paints itself.
    COLORREF ButtonColour(int id) const {
        TestCanvas canvas(40, 40);
        ::SendMessageA(::GetDlgItem(dialog, id), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        return canvas.At(5, 5);
    }

    ScratchDirectory scratch;
    HostWindow host{100, 50, 800, 600};
    HWND given = nullptr;
    HWND dialog = nullptr;
    tagKWP_TABLE_SET_DEFAULT record;
};

class NewCreateWithoutPicturesTest : public NewCreateTest {
protected:
    bool WithPictures() const override { return false; }
};

}  // namespace

TEST(NewCreateWithoutDialogTest, CallsBeforeCreateDoNothingButTheRestoreFlagWorks) {
    tagKWP_TABLE_SET_DEFAULT record = {};
    Party::ShowCTDlgNew(&record, 150);
    Party::HideCTDlgNew();
    Party::HideAltMCTDlg(true);
    Party::HideAltMCTDlg(false);
    Party::InvalidateNew();
    Party::SetIfLockCTDlgNew(1);
    Party::SetCTReqNumNew(9);
    Party::SetCTScoreLooby(false);
    Party::SetSpecialCTDlgNew(3);
    Party::DestroyCTDlgNew();
    EXPECT_FALSE(Party::IsWindowVisibleCT());
    EXPECT_EQ(0, Party::GetIfLockCTDlgNew());
    EXPECT_EQ(0, Party::GetCTReqNumNew());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());
    Party::SetIsRestore(true);
    EXPECT_TRUE(Party::GetIsRestore());
    Party::SetIsRestore(false);
    char name[] = "Me";
    Party::SetPlaySelfName(name);
    EXPECT_STREQ("Me", TheNewCreateValues().acOwnName);
    char tooLong[] = "FifteenLettersX";
    Party::SetPlaySelfName(tooLong);
    EXPECT_STREQ("Me", TheNewCreateValues().acOwnName);
    Party::SetPlaySelfName(nullptr);
    TheNewCreateValues() = NewCreateValues();
}

TEST_F(NewCreateTest, StartsHiddenWhereItBelongsWithItsControlsPlaced) {
    EXPECT_FALSE(DialogVisible());
    RECT window;
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(150, window.left);
    EXPECT_EQ(50, window.top);
    EXPECT_EQ(240, window.right - window.left);
    EXPECT_EQ(423, window.bottom - window.top);
    RECT score;
    ::GetWindowRect(::GetDlgItem(dialog, IDC_CTN_SCORE_UP), &score);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&score), 2);
    EXPECT_EQ(170, score.left);
    EXPECT_EQ(276, score.top);
    EXPECT_EQ(23, score.right - score.left);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_ADD_MULTIPLE)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_DISABLED_CHECK)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_CTN_TABLE_SETTINGS)));
    EXPECT_EQ(kGbkNewCreateConfirm, TextOf(IDC_CTN_CREATE));
    EXPECT_TRUE(::SendMessageA(dialog, WM_GETICON, ICON_BIG, 0)) << "icon 128";
}

TEST_F(NewCreateTest, ConfirmSendsTheChoicesToTheGivenWindowsParentAndRemembersThem) {
    Show(150);
    EXPECT_TRUE(DialogVisible());
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
    EXPECT_TRUE(Party::GetIsCreateLock());
    EXPECT_EQ("", TextOf(IDC_CTN_NAME)) << "no earlier request to take a name from";
    Type(IDC_CTN_NAME, "My table");
    Click(IDC_CTN_PASSWORD_OPTION);
    Type(IDC_CTN_PASSWORD, "12345678X");
    Click(IDC_CTN_SCORE_UP);
    Click(IDC_CTN_SETTING_A_UP);
    Click(IDC_CTN_SETTING_B_UP);
    Click(IDC_CTN_SPECIAL_CARD);
    Party::SetIfMinWin(true);

    tagKWP_CREATE_TABLE_REQ r = ConfirmAndRead();
    EXPECT_EQ(150, r.usTableNum);
    EXPECT_EQ(0, r.usZero2);
    EXPECT_EQ(4711u, r.uiGameID);
    EXPECT_EQ(std::string("My table"), std::string(r.acTableName));
    EXPECT_EQ(std::string("12345678"), std::string(r.acPassword, 8));
    EXPECT_EQ(0, r.acPassword[8]);
    EXPECT_EQ(1, r.ucHavePassword);
    EXPECT_EQ(10u, r.uiScore) << "from the first allowed value, 5, one step up";
    EXPECT_EQ(3, r.ucSettingA);
    EXPECT_EQ(12, r.ucSettingB);
    EXPECT_EQ(1, r.ucSpecialCardTypes);
    EXPECT_EQ(0, r.ucSpecialRuleOn);
    EXPECT_EQ(0, r.ucMaxDisconnectPercent);
    EXPECT_EQ(0u, r.uiGoldGapLimit);
    EXPECT_EQ(0, r.ucLevelGapLimit);
    EXPECT_EQ(0, r.ucAddMultiple);
    EXPECT_EQ(1u, host.ReceivedOf(kCreate).size()) << "sent once, to the parent of the given window";

    EXPECT_FALSE(DialogVisible());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());
    EXPECT_FALSE(Party::GetIfMinWin());
    EXPECT_FALSE(Party::GetIsAddMult());
    EXPECT_EQ(std::string("10\r\r\n3\r\r\n12"), ScratchDirectory::Read("Default.sav"));

    // The next run starts from what was sent, with the name typed last.
    Show(151);
    EXPECT_EQ("My table", TextOf(IDC_CTN_NAME));
    r = ConfirmAndRead();
    EXPECT_EQ(10u, r.uiScore);
    EXPECT_EQ(3, r.ucSettingA);
    EXPECT_EQ(12, r.ucSettingB);
    EXPECT_EQ(151, r.usTableNum);
}

TEST_F(NewCreateTest, SavedDefaultsAreReadByRangeAndFallBackWhole) {
    ScratchDirectory::Write("Default.sav", "7\r\r\n1\r\r\n16");
    Show(150);
    tagKWP_CREATE_TABLE_REQ r = ConfirmAndRead();
    EXPECT_EQ(7u, r.uiScore) << "between the allowed 5 and 10: a range test";
    EXPECT_EQ(1, r.ucSettingA);
    EXPECT_EQ(16, r.ucSettingB);
    EXPECT_EQ(std::string("7\r\r\n1\r\r\n16"), ScratchDirectory::Read("Default.sav"));

    Show(150);
    Click(IDC_CTN_SCORE_DOWN);
    EXPECT_EQ(5u, ConfirmAndRead().uiScore) << "down from 7 is the largest allowed value below it";

    const char* const bad[] = {"garbage", "", "20\r\r\n9\r\r\n8", "500\r\r\n2\r\r\n8"};
    for (const char* contents : bad) {
        ScratchDirectory::Write("Default.sav", contents);
        Show(150);
        r = ConfirmAndRead();
        EXPECT_EQ(5u, r.uiScore) << contents;
        EXPECT_EQ(2, r.ucSettingA) << contents;
        EXPECT_EQ(8, r.ucSettingB) << contents;
    }
    ::DeleteFileA("Default.sav");
    Show(150);
    EXPECT_EQ(5u, ConfirmAndRead().uiScore);
}

TEST_F(NewCreateTest, SaveLeavesNoTrailingBytesAndAnUnwritableFileWhole) {
    ScratchDirectory::Write("Default.sav", "10\r\r\n3\r\r\n20\r\r\nmore bytes");
    Show(150);
    ConfirmAndRead();
    EXPECT_EQ(std::string("10\r\r\n3\r\r\n20"), ScratchDirectory::Read("Default.sav")) << "a longer earlier file";

    // Another program holds the file without sharing it.
    HANDLE held = ::CreateFileA("Default.sav", GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    Show(150);
    Click(IDC_CTN_SCORE_UP);
    tagKWP_CREATE_TABLE_REQ r = ConfirmAndRead();
    EXPECT_EQ(10u, r.uiScore) << "the request goes out all the same (the unreadable file gave the record's 5)";
    ::CloseHandle(held);
    EXPECT_EQ(std::string("10\r\r\n3\r\r\n20"), ScratchDirectory::Read("Default.sav"));
}

TEST_F(NewCreateTest, NothingAllowedSendsScoreZero) {
    record.uiScoreMask = 0;
    ScratchDirectory::Write("Default.sav", "0\r\r\n2\r\r\n8");
    Show(150);
    Click(IDC_CTN_SCORE_UP);
    Click(IDC_CTN_SCORE_DOWN);
    EXPECT_EQ(0u, ConfirmAndRead().uiScore);
}

TEST_F(NewCreateTest, AddMultipleFollowsRecordByte35) {
    record.ucAddMultipleFixed = 1;
    Show(150);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_ADD_MULTIPLE)));
    EXPECT_EQ(PictureColour(kPicCheckOn), ButtonColour(IDC_CTN_ADD_MULTIPLE));
    Click(IDC_CTN_ADD_MULTIPLE);
    EXPECT_EQ(PictureColour(kPicCheckOn), ButtonColour(IDC_CTN_ADD_MULTIPLE)) << "locked on";
    EXPECT_EQ(1, ConfirmAndRead().ucAddMultiple);
    EXPECT_TRUE(Party::GetIsAddMult());

    record.ucAddMultipleFixed = 2;
    Show(150);
    Click(IDC_CTN_ADD_MULTIPLE);
    EXPECT_EQ(PictureColour(kPicCheckOff), ButtonColour(IDC_CTN_ADD_MULTIPLE));
    EXPECT_EQ(0, ConfirmAndRead().ucAddMultiple) << "the user may turn it off";

    record.ucAddMultipleFixed = 0;
    Show(150);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_ADD_MULTIPLE)));
    EXPECT_EQ(PictureColour(kPicCheckDisabled), ButtonColour(IDC_CTN_ADD_MULTIPLE));
    EXPECT_EQ(0, ConfirmAndRead().ucAddMultiple);
    EXPECT_FALSE(Party::GetIsAddMult());
}

TEST_F(NewCreateTest, TablesUpToHundredTakeNoPassword) {
    Show(100);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_PASSWORD_OPTION)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_PASSWORD)));
    // Simplified on every system (LOBBYUI_LOCALE=zh_TW.UTF-8 too).
    EXPECT_EQ(kGbkNoPasswordUnder100, TextOf(IDC_CTN_PASSWORD));
    EXPECT_EQ(PictureColour(kPicCheckDisabled), ButtonColour(IDC_CTN_PASSWORD_OPTION));
    Click(IDC_CTN_PASSWORD_OPTION);
    EXPECT_EQ(kGbkNoPasswordUnder100, TextOf(IDC_CTN_PASSWORD));
    EXPECT_EQ(PictureColour(kPicCheckDisabled), ButtonColour(IDC_CTN_PASSWORD_OPTION)) << "the option cannot show on";
    tagKWP_CREATE_TABLE_REQ r = ConfirmAndRead();
    EXPECT_EQ(0, r.ucHavePassword);
    EXPECT_EQ(std::string(9, '\0'), std::string(r.acPassword, 9));

    Show(101);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_PASSWORD)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_PASSWORD_OPTION)));
    EXPECT_EQ("", TextOf(IDC_CTN_PASSWORD));
    EXPECT_EQ(PictureColour(kPicCheckOn), ButtonColour(IDC_CTN_PASSWORD_OPTION));
    Type(IDC_CTN_PASSWORD, "8888");
    r = ConfirmAndRead();
    EXPECT_EQ(1, r.ucHavePassword) << "the option stayed on from the earlier run";
    EXPECT_STREQ("8888", r.acPassword);
}

TEST_F(NewCreateTest, EmptyAndFilteredNamesAreSentWhole) {
    Show(150);
    EXPECT_STREQ("\xBB\xB6\xC0\xD6\xB6\xB7\xB5\xD8\xD6\xF7", ConfirmAndRead().acTableName) << "text 26, all ten bytes";

    // The sample filter beside the program refuses this word.
    Show(150);
    Type(IDC_CTN_NAME, kGbkFilterWordFool);
    EXPECT_STREQ("Clean", ConfirmAndRead().acTableName);
    Show(150);
    Type(IDC_CTN_NAME, "Friendly");
    EXPECT_STREQ("Friendly", ConfirmAndRead().acTableName);
}

TEST_F(NewCreateTest, AHostsFullSeventeenByteNameComesBackCutOnACharacterBoundary) {
    // "a" and eight two-byte characters: all 17 bytes, no terminator.
    const char full[17] = {'a', '\xB2', '\xE2', '\xCA', '\xD4', '\xB2', '\xE2', '\xCA', '\xD4',
                           '\xB2', '\xE2', '\xCA', '\xD4', '\xB2', '\xE2', '\xCA', '\xD4'};
    memcpy(record.acTableName, full, sizeof full);
    Show(150);
    Party::HideCTDlgNew();
    // The next show offers the name the last one was given.
    Show(150);
    EXPECT_EQ(std::string(full, 15), TextOf(IDC_CTN_NAME));
}

TEST_F(NewCreateTest, CancelAndCloseBoxReportClosedAndDropEveryFlag) {
    // The block lives only while the send lasts.
    std::vector<unsigned char> block;
    host.Answer(kCreate, [&block](WPARAM code, LPARAM data) {
        if (code == kClosed) block.assign(reinterpret_cast<const unsigned char*>(data), reinterpret_cast<const unsigned char*>(data) + 4);
        return LRESULT(0);
    });
    const int closers[] = {IDC_CTN_CANCEL, IDC_CTN_CLOSE};
    for (int id : closers) {
        Show(150);
        Party::SetIfLockCTDlgNew(1);
        Party::SetCTReqNumNew(77);
        host.Clear();
        block.clear();
        Click(id);
        std::vector<ReceivedMessage> closed = Sent(kClosed);
        ASSERT_EQ(1u, closed.size()) << id;
        EXPECT_EQ(std::vector<unsigned char>(4, 0), block);
        EXPECT_FALSE(DialogVisible());
        EXPECT_EQ(0, Party::GetIfLockCTDlgNew());
        EXPECT_EQ(0, Party::GetCTReqNumNew());
        EXPECT_EQ(0, Party::GetIfPartyBtnLock());
        EXPECT_FALSE(Party::GetIsCreateLock());
    }
    host.Clear();
    Click(IDC_CTN_CANCEL);
    Click(IDOK);
    Click(IDCANCEL);
    EXPECT_TRUE(host.received().empty()) << "a closed dialog reports nothing more";
}

TEST_F(NewCreateTest, AHostThatDestroysTheDialogWhileHandlingItsMessageLeavesNoLocks) {
    host.Answer(kCreate, [](WPARAM, LPARAM) {
        Party::DestroyCTDlgNew();
        return LRESULT(0);
    });
    Show(150);
    Click(IDC_CTN_CREATE);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());
    EXPECT_EQ(std::string("5\r\r\n2\r\r\n8"), ScratchDirectory::Read("Default.sav"));

    Recreate();
    Show(150);
    Click(IDC_CTN_CANCEL);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
}

TEST_F(NewCreateTest, HostHideSendsNothingAndClearsTheHostValues) {
    Show(150);
    Party::SetIfLockCTDlgNew(1);
    Party::SetCTReqNumNew(5);
    host.Clear();
    Party::HideCTDlgNew();
    EXPECT_TRUE(host.received().empty());
    EXPECT_FALSE(DialogVisible());
    EXPECT_EQ(0, Party::GetIfLockCTDlgNew());
    EXPECT_EQ(0, Party::GetCTReqNumNew());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    Tick(400);
    Party::SetIfMinWin(true);
    Tick(400);
    EXPECT_TRUE(host.received().empty()) << "nothing to time out";
}

TEST_F(NewCreateTest, VisibleDialogTimesOutAfter180Ticks) {
    Show(150);
    host.Clear();
    Tick(179);
    EXPECT_TRUE(host.received().empty());
    Tick(1);
    EXPECT_EQ(1u, Sent(kClosed).size());
    EXPECT_FALSE(DialogVisible());
    Tick(300);
    EXPECT_EQ(1u, Sent(kClosed).size());
}

TEST_F(NewCreateTest, HostHiddenDialogTimesOutOnceAndCannotComeBack) {
    Show(150);
    Party::SetIfLockCTDlgNew(1);
    Party::SetCTReqNumNew(3);
    Party::HideAltMCTDlg(false);
    EXPECT_FALSE(DialogVisible());
    EXPECT_EQ(0, Party::GetCTReqNumNew());
    EXPECT_EQ(1, Party::GetIfLockCTDlgNew());
    host.Clear();
    Tick(181);
    EXPECT_EQ(1u, Sent(kClosed).size());
    EXPECT_EQ(0, Party::GetIfLockCTDlgNew());
    EXPECT_EQ(0, Party::GetIfPartyBtnLock());
    EXPECT_FALSE(Party::GetIsCreateLock());
    Party::HideAltMCTDlg(true);
    EXPECT_FALSE(DialogVisible()) << "the lock flag went with the time-out";
}

TEST_F(NewCreateTest, HostHideAndShowAgainKeepTheDialogAsItWas) {
    Show(150);
    Type(IDC_CTN_NAME, "Kept");
    Party::HideAltMCTDlg(true);  // lock flag 0: nothing
    EXPECT_TRUE(DialogVisible());
    Party::HideAltMCTDlg(false);
    Party::SetIfPartyBtnLock(0);
    Party::SetIsCreatelock(false);
    Party::SetIfLockCTDlgNew(1);
    Party::HideAltMCTDlg(true);
    EXPECT_TRUE(DialogVisible());
    EXPECT_EQ(1, Party::GetIfPartyBtnLock());
    EXPECT_TRUE(Party::GetIsCreateLock());
    EXPECT_EQ("Kept", TextOf(IDC_CTN_NAME));
    host.Clear();
    Tick(1);
    EXPECT_TRUE(host.received().empty());
}

// The restore flag, like the minimised flag, is the host's: destroying the
// dialog leaves it as the host set it.
TEST_F(NewCreateTest, DestroyingTheDialogLeavesTheHostsRestoreFlag) {
    Show(150);
    Party::SetIsRestore(true);
    Party::DestroyCTDlgNew();
    EXPECT_TRUE(Party::GetIsRestore());
}

// A host may keep the request's pointer (post it to itself, say) and read it
// until the dialog is next shown, even once it has destroyed the dialog.
TEST_F(NewCreateTest, TheRequestSentStaysReadableUntilTheNextShow) {
    const tagKWP_CREATE_TABLE_REQ* kept = nullptr;
    host.Answer(kCreate, [&kept](WPARAM code, LPARAM data) {
        if (code == kCreated) kept = reinterpret_cast<const tagKWP_CREATE_TABLE_REQ*>(data);
        return LRESULT(0);
    });
    Show(150);
    Type(IDC_CTN_NAME, "Kept");
    const tagKWP_CREATE_TABLE_REQ sent = ConfirmAndRead();
    ASSERT_TRUE(kept);
    Tick(5);
    Party::DestroyCTDlgNew();
    EXPECT_EQ(0, memcmp(&sent, kept, sizeof sent));
    EXPECT_STREQ("Kept", kept->acTableName);
}

TEST_F(NewCreateTest, MinimisedAndHostHiddenCountTwiceATick) {
    Show(150);
    Party::SetIfMinWin(true);
    Party::HideAltMCTDlg(false);
    host.Clear();
    Tick(89);
    EXPECT_TRUE(host.received().empty());
    Tick(1);
    EXPECT_EQ(1u, Sent(kClosed).size());
    EXPECT_FALSE(Party::GetIfMinWin());
}

TEST_F(NewCreateTest, AFreshShowEndsAnEarlierHostHide) {
    Show(150);
    Party::HideAltMCTDlg(false);
    Party::HideCTDlgNew();
    Show(151);
    Party::SetIfMinWin(true);
    // As the system hides a minimised owner's pop-ups: this show was not hidden by the host.
    ::ShowWindow(dialog, SW_HIDE);
    host.Clear();
    Tick(179);
    EXPECT_TRUE(Sent(kClosed).empty()) << "one count a tick, for the minimised host alone";
    Tick(1);
    EXPECT_EQ(1u, Sent(kClosed).size());
}

TEST_F(NewCreateTest, NeverShownDialogWithTheMinimisedFlagSendsNothing) {
    Party::SetIfMinWin(true);
    Tick(400);
    EXPECT_TRUE(host.received().empty());
    Party::SetIsRestore(true);
    EXPECT_FALSE(DialogVisible()) << "a restore brings back only an open dialog";
}

TEST_F(NewCreateTest, RestoreShowsAnOpenDialogThatWasHidden) {
    Show(150);
    Party::HideAltMCTDlg(false);
    Party::SetIsRestore(true);
    EXPECT_FALSE(DialogVisible()) << "the host's window was not minimised";
    Party::SetIfMinWin(true);
    Party::SetIsRestore(true);
    EXPECT_TRUE(DialogVisible());
    EXPECT_TRUE(Party::GetIsRestore());
}

TEST_F(NewCreateTest, TitleStripMovesTheWindowElsewhereNothing) {
    Show(150);
    ::SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 30));
    EXPECT_NE(dialog, ::GetCapture());
    ::SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 5));
    EXPECT_EQ(dialog, ::GetCapture());
    RECT before, after;
    ::GetWindowRect(dialog, &before);
    ::SendMessageA(dialog, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(70, 2));
    ::GetWindowRect(dialog, &after);
    EXPECT_EQ(before.left + 10, after.left);
    EXPECT_EQ(before.top - 3, after.top);
    ::SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(60, 5));
    EXPECT_NE(dialog, ::GetCapture());
    ::SendMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(90, 9));
    RECT released;
    ::GetWindowRect(dialog, &released);
    EXPECT_EQ(after.left, released.left) << "the move ends with the button";
}

TEST_F(NewCreateTest, ButtonsShowNormalHoveredAndPressedPictures) {
    Show(150);
    HWND create = ::GetDlgItem(dialog, IDC_CTN_CREATE);
    EXPECT_EQ(PictureColour(kPicCreate), ButtonColour(IDC_CTN_CREATE));
    ::SendMessageA(create, WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(PictureColour(kPicCreate + 1), ButtonColour(IDC_CTN_CREATE));
    ::SendMessageA(create, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(PictureColour(kPicCreate + 2), ButtonColour(IDC_CTN_CREATE));
    ::SendMessageA(create, BM_SETSTATE, FALSE, 0);
    ::SendMessageA(create, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(PictureColour(kPicCreate), ButtonColour(IDC_CTN_CREATE));
    EXPECT_EQ(PictureColour(kPicClose), ButtonColour(IDC_CTN_CLOSE));

    HWND box = ::GetDlgItem(dialog, IDC_CTN_SPECIAL_CARD);
    ::SendMessageA(box, WM_MOUSEHOVER, 0, 0);
    ::SendMessageA(box, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(PictureColour(kPicCheckOff), ButtonColour(IDC_CTN_SPECIAL_CARD)) << "check boxes show their picture only";
    ::SendMessageA(box, BM_SETSTATE, FALSE, 0);
    Click(IDC_CTN_SPECIAL_CARD);
    EXPECT_EQ(PictureColour(kPicCheckOn), ButtonColour(IDC_CTN_SPECIAL_CARD));
    Click(IDC_CTN_SPECIAL_CARD);
    EXPECT_EQ(PictureColour(kPicCheckOff), ButtonColour(IDC_CTN_SPECIAL_CARD));
    EXPECT_TRUE(::SendMessageA(box, WM_ERASEBKGND, 0, 0)) << "erasing is left undone";
    Click(IDC_CTN_SPECIAL_CARD);
    Recreate();
    EXPECT_EQ(PictureColour(kPicCheckOn), ButtonColour(IDC_CTN_SPECIAL_CARD)) << "the option outlived the dialog";
}

TEST_F(NewCreateTest, AMissingHoverPictureShowsTheNormalOneUntilTheFileComes) {
    ::DeleteFileA("bmp/bmp00018.bmp");
    Show(150);
    HWND up = ::GetDlgItem(dialog, IDC_CTN_SCORE_UP);
    ::SendMessageA(up, WM_MOUSEHOVER, 0, 0);
    EXPECT_EQ(PictureColour(kPicUp), ButtonColour(IDC_CTN_SCORE_UP));
    WritePicture(kPicUp + 1);
    EXPECT_EQ(PictureColour(kPicUp + 1), ButtonColour(IDC_CTN_SCORE_UP));
}

TEST_F(NewCreateTest, PaintsFrameNumbersAndTheLimitInRed) {
    Party::SetMultiplelmt(0);
    ScratchDirectory::Write("Default.sav", "500\r\r\n2\r\r\n8");
    record.uiScoreMask = (1u << 4) | (1u << 14);  // 5 and 500
    Show(7);
    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);
    auto has = [&drawn](DWORD type, int x, int y, int w, int h) {
        for (const DrawnPicture& p : drawn.pictures) {
            if (p.recordType == type && p.dest == CRect(x, y, x + w, y + h)) return true;
        }
        return false;
    };
    auto count = [&drawn](DWORD type, int y) {
        int n = 0;
        for (const DrawnPicture& p : drawn.pictures) n += p.recordType == type && p.dest.top == y;
        return n;
    };
    EXPECT_TRUE(has(EMR_BITBLT, 1, 1, 238, 424)) << "background";
    EXPECT_TRUE(has(EMR_BITBLT, 4, 22, 232, 396)) << "page";
    EXPECT_TRUE(has(EMR_BITBLT, 0, 460, 5, 63))
        << "the last left tile starts at 460";
    EXPECT_TRUE(has(EMR_BITBLT, 235, 19, 5, 63));
    EXPECT_TRUE(has(EMR_BITBLT, 287, 418, 41, 12)) << "the last bottom tile starts at 287";
    for (int x : {104, 119, 134}) EXPECT_TRUE(has(EMR_TRANSPARENTBLT, x, 23, 14, 20)) << "table digit at " << x;
    EXPECT_EQ(3, count(EMR_TRANSPARENTBLT, 23)) << "table 7 as 0, 0, 7";
    EXPECT_EQ(45 + 3, count(EMR_BITBLT, 280)) << "the score area cleared, then three patches";
    for (int x : {117, 132, 147}) EXPECT_TRUE(has(EMR_TRANSPARENTBLT, x, 280, 14, 20)) << "score digit at " << x;
    EXPECT_EQ(2, count(EMR_TRANSPARENTBLT, 310));
    EXPECT_EQ(2, count(EMR_TRANSPARENTBLT, 341));
    const DrawnText* limit = drawn.FindText(kGbkNone);
    ASSERT_TRUE(limit);
    EXPECT_EQ(CPoint(86, 196), limit->at);
    EXPECT_EQ(RGB(255, 0, 0), limit->colour);


    Party::SetMultiplelmt(3);
    ScratchDirectory::Write("Default.sav", "5\r\r\n2\r\r\n8");
    Show(7);
    drawn = MetafileRecording::RenderWindow(dialog);
    ASSERT_TRUE(drawn.FindText("3"));
    EXPECT_TRUE(has(EMR_TRANSPARENTBLT, 132, 280, 14, 20)) << "score 5 centred";
    EXPECT_EQ(1, count(EMR_TRANSPARENTBLT, 280));
}

TEST_F(NewCreateTest, AShowLaysTheDialogOutAndPaintingChangesNothing) {
    Show(100);
    RECT window;
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(426, window.bottom - window.top) << "shown at its full height";
    RECT create;
    ::GetWindowRect(::GetDlgItem(dialog, IDC_CTN_CREATE), &create);
    EXPECT_EQ(30, create.bottom - create.top);

    // A host that moves things about: a rendering must leave them so.
    ::SetWindowPos(dialog, nullptr, 0, 0, 240, 423, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::MoveWindow(::GetDlgItem(dialog, IDC_CTN_CREATE), 30, 383, 84, 29, FALSE);
    Type(IDC_CTN_PASSWORD, "typed");
    ::EnableWindow(::GetDlgItem(dialog, IDC_CTN_PASSWORD_OPTION), TRUE);
    MetafileRecording::RenderWindow(dialog);
    TestCanvas canvas(240, 430);
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    ::GetWindowRect(dialog, &window);
    EXPECT_EQ(423, window.bottom - window.top);
    ::GetWindowRect(::GetDlgItem(dialog, IDC_CTN_CREATE), &create);
    EXPECT_EQ(29, create.bottom - create.top);
    EXPECT_EQ("typed", TextOf(IDC_CTN_PASSWORD));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDC_CTN_PASSWORD_OPTION)));
}

TEST_F(NewCreateTest, ScoreLobbyPageIsTheAlternativePicture) {
    Show(150);
    Party::SetCTScoreLooby(false);
    TestCanvas canvas(240, 430);
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(PictureColour(kPicAlternativePage), canvas.At(100, 100));
    EXPECT_EQ(PictureColour(kPicBackground), canvas.At(2, 2));
}

TEST_F(NewCreateWithoutPicturesTest, WithoutTheFolderItPaintsOnlyTheFillAndTheTextAndStillWorks) {
    Party::SetMultiplelmt(4);
    Show(150);
    MetafileRecording drawn = MetafileRecording::RenderWindow(dialog);
    EXPECT_TRUE(drawn.pictures.empty());
    ASSERT_EQ(1u, drawn.texts.size());
    EXPECT_EQ("4", drawn.texts[0].text);
    Click(IDC_CTN_SCORE_UP);
    EXPECT_EQ(10u, ConfirmAndRead().uiScore);
}

TEST(NewCreateLongDirectoryTest, PicturesAreFoundBelowACurrentDirectoryLongerThan256Bytes) {
    ScratchDirectory scratch;
    // Made a step at a time: each call names a short relative path.
    for (int i = 0; i < 6; ++i) {
        std::string step(50, static_cast<char>('a' + i));
        ASSERT_TRUE(::CreateDirectoryA(step.c_str(), nullptr)) << i;
        ASSERT_TRUE(::SetCurrentDirectoryA(step.c_str())) << i;
    }
    wchar_t current[1024] = {0};
    ASSERT_GT(::GetCurrentDirectoryW(1024, current), 256u);
    WritePicture(kPicBackground);
    HostWindow host;
    HWND given = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr, nullptr, nullptr);
    Party::CteateCTDlgNew(CWnd::FromHandle(given));
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindCreateDialog, reinterpret_cast<LPARAM>(&dialog));
    ASSERT_TRUE(dialog);
    TestCanvas canvas(240, 430);
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(PictureColour(kPicBackground), canvas.At(100, 100));
    Party::DestroyCTDlgNew();
    ::DestroyWindow(given);
}

TEST(NewCreateWideDirectoryTest, PicturesAreFoundBelowAFolderNamedOutsideTheAnsiCodePage) {
    ScratchDirectory scratch;
    // Hebrew has no place in code page 936.
    const wchar_t folder[] = L"\u05E9\u05DC\u05D5\u05DD";
    ASSERT_TRUE(::CreateDirectoryW(folder, nullptr));
    ASSERT_TRUE(::SetCurrentDirectoryW(folder));
    WritePicture(kPicBackground);
    WritePicture(kPicCreate);
    HostWindow host;
    HWND given = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.hwnd(), nullptr, nullptr, nullptr);
    Party::CteateCTDlgNew(CWnd::FromHandle(given));
    HWND dialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindCreateDialog, reinterpret_cast<LPARAM>(&dialog));
    ASSERT_TRUE(dialog);
    TestCanvas canvas(240, 430);
    ::SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(PictureColour(kPicBackground), canvas.At(100, 100)) << "the dialog's own picture";
    TestCanvas button(40, 40);
    ::SendMessageA(::GetDlgItem(dialog, IDC_CTN_CREATE), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(button.dc()), PRF_CLIENT);
    EXPECT_EQ(PictureColour(kPicCreate), button.At(5, 5)) << "a button's picture";
    Party::DestroyCTDlgNew();
    ::DestroyWindow(given);
}
