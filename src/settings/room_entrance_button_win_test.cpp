// Room-entrance buttons as a host uses them: made under a test window that
// records 1035, faces read back as pixels, names as metafile text.
#include "settings/room_entrance_button.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include <lobbyui/messages.h>
#include <lobbyui/settings_dialogs.h>

#include "host_window.h"
#include "metafile_recorder.h"
#include "res/settings_ids.h"
#include "settings/handed_out_windows.h"
#include "test_util.h"

namespace {

const UINT kPressed = LOBBYUI_MSG_ROOM_BUTTON_PRESSED;
const int kPieceWidth = 13;

// A server record of the host's: two bytes of its own, then the name.
struct HostServer {
    unsigned char head[2] = {7, 9};
    char name[80] = {0};
    tagGameServerInfo* info() { return reinterpret_cast<tagGameServerInfo*>(this); }
};

COLORREF ImageColour(int i, int variant = 0) { return RGB(20 * i + 30, 250 - 20 * i, 100 + 60 * variant); }

// Nine solid images, 13 x 24, each in its own colour, added as a framework
// host adds its CBitmaps.
HIMAGELIST MakeFaces(int variant) {
    CImageListHandle list;
    list.Create(kPieceWidth, 24, ILC_COLOR24 | ILC_MASK, 9, 0);
    HDC screen = ::GetDC(nullptr);
    for (int i = 0; i < 9; ++i) {
        CBitmap image(::CreateCompatibleBitmap(screen, kPieceWidth, 24));
        HDC dc = ::CreateCompatibleDC(screen);
        HGDIOBJ old = ::SelectObject(dc, image);
        HBRUSH brush = ::CreateSolidBrush(ImageColour(i, variant));
        RECT r = {0, 0, kPieceWidth, 24};
        ::FillRect(dc, &r, brush);
        ::DeleteObject(brush);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        list.Add(&image, RGB(255, 0, 255));
    }
    ::ReleaseDC(nullptr, screen);
    return list.Detach();
}

class RoomEntranceButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The lobby as a user sees it.
        ::ShowWindow(host.hwnd(), SW_SHOWNOACTIVATE);
        button = CR_E_BtnInterface::CreateNewRE_Btn(&faces, host.wnd());
        ASSERT_TRUE(button);
        window = ::GetDlgItem(host.hwnd(), IDC_ROOM_ENTRANCE_BUTTON);
        ASSERT_TRUE(window);
        CR_E_BtnInterface::SetBtnSize(button, CRect(30, 40, 130, 64));
    }
    void TearDown() override { CR_E_BtnInterface::DeleteRE_Btn(button); }

    void Name(const char* name) {
        strcpy(server.name, name);
        CR_E_BtnInterface::SetGSData(button, server.info());
    }
    // The colour of each column of the face, on row 2 (above the name).
    std::vector<COLORREF> Columns(const std::vector<int>& xs) {
        TestCanvas canvas(100, 24);
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        std::vector<COLORREF> out;
        for (int x : xs) out.push_back(canvas.At(x, 2));
        return out;
    }
    // Where the face's pictures go, as a metafile records them (an image
    // list draws each image as a mask and a picture at the same place).
    std::vector<int> PictureLefts() {
        std::vector<int> lefts;
        for (const DrawnPicture& p : MetafileRecording::RenderWindow(window).pictures) {
            EXPECT_EQ(0, p.dest.top);
            if (lefts.empty() || lefts.back() != p.dest.left) lefts.push_back(p.dest.left);
        }
        return lefts;
    }
    void Mouse(UINT msg) { ::SendMessageA(window, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(10, 10)); }

    HostWindow host{40, 40, 400, 300};
    CImageList faces{MakeFaces(0)};
    HostServer server;
    CButton* button = nullptr;
    HWND window = nullptr;
};

const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST_F(RoomEntranceButtonTest, EachCallMakesAHiddenOwnerDrawnChild9999ThatTheHostPlaces) {
    HostWindow other;
    CButton* second = CR_E_BtnInterface::CreateNewRE_Btn(&faces, other.wnd());
    ASSERT_TRUE(second);
    ASSERT_NE(button, second);
    HWND made = ::GetDlgItem(other.hwnd(), IDC_ROOM_ENTRANCE_BUTTON);
    ASSERT_TRUE(made);
    LONG style = ::GetWindowLongA(made, GWL_STYLE);
    EXPECT_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_CLIPSIBLINGS);
    EXPECT_FALSE(style & WS_VISIBLE);
    RECT r;
    ::GetWindowRect(made, &r);
    EXPECT_TRUE(::IsRectEmpty(&r));
    EXPECT_EQ(0, ::GetWindowTextLengthA(made));
    CR_E_BtnInterface::DeleteRE_Btn(second);
    EXPECT_FALSE(::IsWindow(made));

    ::GetWindowRect(window, &r);
    ::MapWindowPoints(nullptr, host.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(CRect(30, 40, 130, 64), CWnd::FromRECT(r));
    CR_E_BtnInterface::EnableButton(button, 0);
    EXPECT_FALSE(::IsWindowEnabled(window));
    CR_E_BtnInterface::ShowBtn(button);
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_TRUE(::IsWindowEnabled(window)) << "showing enables";
    CR_E_BtnInterface::HideBtn(button);
    EXPECT_FALSE(::IsWindowVisible(window));
}

TEST_F(RoomEntranceButtonTest, TheFaceHasOneMiddlePiecePerCharacterAndTheRightEndAfterIt) {
    Name("\xB6\xB7\xB5\xD8\xD6\xF7");  // six bytes: three pieces at 9, 22, 35, the end at 44
    EXPECT_EQ(std::vector<COLORREF>({ImageColour(0), ImageColour(1), ImageColour(1), ImageColour(1), ImageColour(2),
                                     ImageColour(2), kWhite}),
              Columns({4, 9, 22, 35, 44, 56, 57}));
    EXPECT_EQ(std::vector<int>({0, 9, 22, 35, 44}), PictureLefts());
    Name("a");  // one byte: no piece, the end at 9
    EXPECT_EQ(std::vector<int>({0, 9}), PictureLefts());
    EXPECT_EQ(std::vector<COLORREF>({ImageColour(0), ImageColour(2), ImageColour(2), kWhite}), Columns({8, 9, 21, 22}));
    Name("");
    EXPECT_EQ(std::vector<COLORREF>({ImageColour(0), ImageColour(2), kWhite}), Columns({8, 9, 22}));

    // A new list shows from the next paint.
    CImageList other(MakeFaces(1));
    CR_E_BtnInterface::ChangeBtnImglist(button, &other);
    EXPECT_EQ(std::vector<COLORREF>({ImageColour(0, 1), ImageColour(2, 1)}), Columns({8, 9}));
    CR_E_BtnInterface::ChangeBtnImglist(button, &faces);
}

TEST_F(RoomEntranceButtonTest, TheNameIsWrittenCentredFromRowFiveAndOnlyWithinItsBound) {
    Name("Room 1");
    MetafileRecording drawn = MetafileRecording::RenderWindow(window);
    ASSERT_EQ(1u, drawn.texts.size());
    EXPECT_EQ("Room 1", drawn.texts[0].text);
    EXPECT_EQ(5, drawn.texts[0].at.y);
    EXPECT_GT(drawn.texts[0].at.x, 20) << "centred in a 100-pixel button";
    EXPECT_LT(drawn.texts[0].at.x, 50);

    // A host painting the button into a DC of its own, as it may any button.
    for (UINT message : {UINT(WM_PAINT), UINT(WM_PRINT)}) {
        MetafileRecording intoHostDc = MetafileRecording::Render(100, 24, [this, message](HDC dc) {
            ::SendMessageA(window, message, reinterpret_cast<WPARAM>(dc), message == WM_PRINT ? PRF_CLIENT : 0);
        });
        ASSERT_EQ(1u, intoHostDc.texts.size()) << message;
        EXPECT_EQ("Room 1", intoHostDc.texts[0].text);
        EXPECT_EQ(drawn.texts[0].at, intoHostDc.texts[0].at);
        EXPECT_EQ(drawn.pictures.size(), intoHostDc.pictures.size());
    }

    Name("");
    EXPECT_TRUE(MetafileRecording::RenderWindow(window).texts.empty());
    memset(server.name, 'n', sizeof server.name);  // no terminator in the whole record
    drawn = MetafileRecording::RenderWindow(window);
    ASSERT_EQ(1u, drawn.texts.size());
    EXPECT_EQ(std::string(64, 'n'), drawn.texts[0].text);
}

TEST(RoomEntranceButtonAlone, BeforeTheServerIsKnownOnlyTheEndsAreDrawnAndTheStateFollowsTheButtonsOwnVisibility) {
    HostWindow host;
    CImageList faces(MakeFaces(0));
    CButton* button = CR_E_BtnInterface::CreateNewRE_Btn(&faces, host.wnd());
    HWND window = ::GetDlgItem(host.hwnd(), IDC_ROOM_ENTRANCE_BUTTON);
    CR_E_BtnInterface::SetBtnSize(button, CRect(0, 0, 100, 24));
    EXPECT_TRUE(MetafileRecording::RenderWindow(window).texts.empty());
    TestCanvas canvas(100, 24);
    ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
    EXPECT_EQ(ImageColour(0), canvas.At(8, 12));
    EXPECT_EQ(ImageColour(2), canvas.At(21, 12));
    EXPECT_EQ(kWhite, canvas.At(22, 12));
    EXPECT_EQ(kWhite, canvas.At(60, 12));

    // The host's window is not shown yet; the button itself is.
    EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(button)) << "never shown";
    CR_E_BtnInterface::ShowBtn(button);
    ::SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(BTN_HOVER, CR_E_BtnInterface::GetBtnStatus(button));
    CR_E_BtnInterface::DeleteRE_Btn(button);
}

TEST_F(RoomEntranceButtonTest, TheMouseMovesTheStateAndAPressReportsTheServerAndTheButton) {
    Name("ab");
    CR_E_BtnInterface::ShowBtn(button);
    EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(button));
    Mouse(WM_MOUSEMOVE);
    EXPECT_EQ(BTN_HOVER, CR_E_BtnInterface::GetBtnStatus(button));
    EXPECT_EQ(ImageColour(3), Columns({4})[0]) << "the hover images";
    Mouse(WM_LBUTTONDOWN);
    EXPECT_EQ(BTN_DOWN, CR_E_BtnInterface::GetBtnStatus(button));
    EXPECT_EQ(ImageColour(6), Columns({4})[0]) << "the pressed images";
    Mouse(WM_LBUTTONUP);
    EXPECT_EQ(BTN_DOWN, CR_E_BtnInterface::GetBtnStatus(button)) << "release keeps the pressed look";
    Mouse(WM_MOUSEMOVE);
    EXPECT_EQ(BTN_HOVER, CR_E_BtnInterface::GetBtnStatus(button));
    Mouse(WM_MOUSELEAVE);
    EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(button));
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    CR_E_BtnInterface::HideBtn(button);
    EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(button)) << "hidden";
    CR_E_BtnInterface::ShowBtn(button);
    EXPECT_EQ(BTN_DOWN, CR_E_BtnInterface::GetBtnStatus(button));

    std::vector<ReceivedMessage> sent = host.ReceivedOf(kPressed);
    ASSERT_EQ(2u, sent.size());
    for (const ReceivedMessage& m : sent) {
        EXPECT_EQ(reinterpret_cast<WPARAM>(server.info()), m.wParam);
        EXPECT_EQ(reinterpret_cast<LPARAM>(button), m.lParam);
    }
    for (const ReceivedMessage& m : host.received()) EXPECT_EQ(kPressed, m.msg) << "nothing else reaches the host";
}

TEST_F(RoomEntranceButtonTest, AHostMayDeleteTheButtonWhileHandlingThePress) {
    CButton* pressed = button;
    host.Answer(kPressed, [](WPARAM, LPARAM l) {
        CR_E_BtnInterface::DeleteRE_Btn(reinterpret_cast<CButton*>(l));
        return LRESULT(0);
    });
    CR_E_BtnInterface::ShowBtn(button);
    Mouse(WM_LBUTTONDOWN);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(1u, host.ReceivedOf(kPressed).size());
    EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(pressed));
    CR_E_BtnInterface::ShowBtn(pressed);  // a deleted button is no button
    button = nullptr;
}

TEST(RoomEntranceButtonFacade, NullForeignAndDeletedButtonsAreIgnored) {
    HostWindow host;
    RECT before;
    ::GetWindowRect(host.hwnd(), &before);
    CImageList faces(MakeFaces(0));
    HostServer server;
    CButton foreign;  // a button the library did not make
    foreign.m_hWnd = host.hwnd();
    for (CButton* b : {static_cast<CButton*>(nullptr), &foreign}) {
        CR_E_BtnInterface::ChangeBtnImglist(b, &faces);
        CR_E_BtnInterface::SetGSData(b, server.info());
        CR_E_BtnInterface::ShowBtn(b);
        CR_E_BtnInterface::HideBtn(b);
        CR_E_BtnInterface::EnableButton(b, 0);
        CR_E_BtnInterface::SetBtnSize(b, CRect(1, 2, 3, 4));
        EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(b));
        CR_E_BtnInterface::DeleteRE_Btn(b);
    }
    RECT after;
    ::GetWindowRect(host.hwnd(), &after);
    EXPECT_EQ(CWnd::FromRECT(before), CWnd::FromRECT(after));
    EXPECT_TRUE(::IsWindow(host.hwnd()));
    EXPECT_TRUE(::IsWindowEnabled(host.hwnd()));

    CButton* button = CR_E_BtnInterface::CreateNewRE_Btn(&faces, host.wnd());
    CR_E_BtnInterface::DeleteRE_Btn(button);
    CR_E_BtnInterface::ShowBtn(button);
    CR_E_BtnInterface::DeleteRE_Btn(button);
    EXPECT_EQ(nullptr, ::GetDlgItem(host.hwnd(), IDC_ROOM_ENTRANCE_BUTTON));

    // An inside-out rectangle gives an empty button, not a huge one.
    button = CR_E_BtnInterface::CreateNewRE_Btn(nullptr, host.wnd());
    CR_E_BtnInterface::SetBtnSize(button, CRect(50, 60, 10, 20));
    RECT r;
    ::GetWindowRect(::GetDlgItem(host.hwnd(), IDC_ROOM_ENTRANCE_BUTTON), &r);
    EXPECT_EQ(0, r.right - r.left);
    EXPECT_EQ(0, r.bottom - r.top);
    CR_E_BtnInterface::SetGSData(button, server.info());
    EXPECT_TRUE(MetafileRecording::RenderWindow(::GetDlgItem(host.hwnd(), IDC_ROOM_ENTRANCE_BUTTON)).pictures.empty())
        << "no image list: no pictures";
    CR_E_BtnInterface::DeleteRE_Btn(button);
}

TEST(RoomEntranceButtonFacade, WithoutAParentWindowTheHostStillGetsAButtonEveryFunctionTakes) {
    ASSERT_TRUE(ProcessHeapsValid());
    CImageList faces(MakeFaces(0));
    HostServer server;
    HWND gone = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(gone);
    for (CWnd* parent : {static_cast<CWnd*>(nullptr), CWnd::FromHandle(gone)}) {
        CButton* button = CR_E_BtnInterface::CreateNewRE_Btn(&faces, parent);
        ASSERT_TRUE(button) << "a host reads button->m_hWnd";
        EXPECT_EQ(nullptr, button->m_hWnd);
        CR_E_BtnInterface::ChangeBtnImglist(button, &faces);
        CR_E_BtnInterface::SetGSData(button, server.info());
        CR_E_BtnInterface::SetBtnSize(button, CRect(1, 2, 30, 40));
        CR_E_BtnInterface::ShowBtn(button);
        CR_E_BtnInterface::EnableButton(button, 1);
        EXPECT_EQ(BTN_NORMAL, CR_E_BtnInterface::GetBtnStatus(button));
        CR_E_BtnInterface::HideBtn(button);
        CR_E_BtnInterface::DeleteRE_Btn(button);
        CR_E_BtnInterface::DeleteRE_Btn(button);  // given back twice: the second is ignored
    }
    EXPECT_TRUE(ProcessHeapsValid());
}

// The next button made may not take a given-back one's address: the old
// handle would then read as the new button's window, and a second give-back
// of it would delete the new button.
TEST(RoomEntranceButtonFacade, AGivenBackButtonNamesNoButtonMadeAfterIt) {
    HostWindow host;
    CImageList faces(MakeFaces(0));
    CButton* givenBack = CR_E_BtnInterface::CreateNewRE_Btn(&faces, host.wnd());
    CR_E_BtnInterface::DeleteRE_Btn(givenBack);
    for (int i = 0; i < 16; ++i) {
        CButton* made = CR_E_BtnInterface::CreateNewRE_Btn(&faces, host.wnd());
        ASSERT_NE(givenBack, made);
        HWND window = made->m_hWnd;
        EXPECT_EQ(nullptr, HandedOutWindow(givenBack));
        CR_E_BtnInterface::DeleteRE_Btn(givenBack);
        EXPECT_EQ(window, HandedOutWindow(made));
        CR_E_BtnInterface::DeleteRE_Btn(made);
        EXPECT_FALSE(::IsWindow(window));
    }
}
