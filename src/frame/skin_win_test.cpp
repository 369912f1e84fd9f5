#include "frame/skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_window.h"
#include "metafile_recorder.h"
#include "skin_fixture.h"
#include "test_resources.h"
#include "test_util.h"
#include "win/dialog.h"

namespace {

// Writes a solid 24-bit BMP file of the given size and colour.
void WriteBmp(const std::string& path, int width, int height, COLORREF colour) {
    int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(stride * height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::vector<BYTE> pixels(info.biSizeImage);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            BYTE* p = &pixels[static_cast<size_t>(y * stride + x * 3)];
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    }
    HANDLE f = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(f, &file, sizeof file, &written, nullptr);
    ::WriteFile(f, &info, sizeof info, &written, nullptr);
    ::WriteFile(f, pixels.data(), info.biSizeImage, &written, nullptr);
    ::CloseHandle(f);
}

class PlainDialog : public CDialog {
public:
    PlainDialog() : CDialog(IDD_TEST_DRAG) {}
};

// The folder skin: a temporary skin folder with one skin object and one group.
class FolderSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(nullptr, ::GetModuleHandleA("SkinMagic.dll"));
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "lobbyui-skin-test";
        ::CreateDirectoryA(root.c_str(), nullptr);
        ::CreateDirectoryA((root + "\\Digits").c_str(), nullptr);
        WriteBmp(root + "\\TestDialog.bmp", 8, 8, RGB(0, 0, 200));
        WriteBmp(root + "\\Digits\\Seven.bmp", 4, 4, RGB(200, 0, 0));
        WriteBmp(root + "\\Digits\\Hole.bmp", 4, 4, RGB(255, 0, 255));
        ::SetEnvironmentVariableA("LOBBYUI_SKIN_DIR", root.c_str());
        Skin::ResetForTesting();
    }
    void TearDown() override {
        Skin::ResetForTesting();
        ::SetEnvironmentVariableA("LOBBYUI_SKIN_DIR", nullptr);
    }
    std::string root;
};

// The SkinMagic path: the recording fixture loaded before first use.
class SkinMagicTest : public ::testing::Test {
protected:
    void SetUp() override {
        module = ::LoadLibraryA((ProgramDirectory() + "\\fixtures\\skinmagic\\SkinMagic.dll").c_str());
        ASSERT_TRUE(module);
        count = reinterpret_cast<SkinFixtureCallCountFn>(reinterpret_cast<void*>(::GetProcAddress(module, "SkinFixtureCallCount")));
        get = reinterpret_cast<SkinFixtureGetCallFn>(reinterpret_cast<void*>(::GetProcAddress(module, "SkinFixtureGetCall")));
        reset = reinterpret_cast<SkinFixtureResetFn>(reinterpret_cast<void*>(::GetProcAddress(module, "SkinFixtureReset")));
        ASSERT_TRUE(count && get && reset);
        Skin::ResetForTesting();
        reset();
    }
    void TearDown() override {
        Skin::ResetForTesting();
        ::FreeLibrary(module);
    }
    std::vector<SkinFixtureCall> Calls() const {
        std::vector<SkinFixtureCall> calls(static_cast<size_t>(count()));
        for (size_t i = 0; i < calls.size(); ++i) get(static_cast<int>(i), &calls[i]);
        return calls;
    }
    HMODULE module = nullptr;
    SkinFixtureCallCountFn count = nullptr;
    SkinFixtureGetCallFn get = nullptr;
    SkinFixtureResetFn reset = nullptr;
};

}  // namespace

TEST_F(SkinMagicTest, EveryOperationReachesItsOrdinalWithItsArguments) {
    HostWindow host;
    PlainDialog dialog;
    dialog.Create(host.wnd());
    TestCanvas canvas(64, 64);

    Skin::ApplyWindowSkin(dialog.m_hWnd, "JoinTable");
    HANDLE group = Skin::OpenSkinImageGroup("Digits");
    Skin::DrawSkinImage(group, "Seven", canvas.dc(), CRect(1, 2, 11, 22));
    Skin::SkinControlOption(dialog.m_hWnd, 1);
    Skin::CloseSkinImageGroup(group);
    EXPECT_STREQ("SkinMagic", Skin::BackendName());

    std::vector<SkinFixtureCall> calls = Calls();
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ(kSkinApplyWindowSkin, calls[0].operation);
    EXPECT_EQ(dialog.m_hWnd, calls[0].window);
    EXPECT_STREQ("JoinTable", calls[0].name);
    EXPECT_EQ(kSkinOpenImageGroup, calls[1].operation);
    EXPECT_STREQ("Digits", calls[1].name);
    EXPECT_EQ(group, calls[1].group);
    EXPECT_EQ(kSkinDrawImage, calls[2].operation);
    EXPECT_EQ(group, calls[2].group);
    EXPECT_STREQ("Seven", calls[2].name);
    EXPECT_EQ(canvas.dc(), calls[2].dc);
    EXPECT_EQ(1, calls[2].rect.left);
    EXPECT_EQ(2, calls[2].rect.top);
    EXPECT_EQ(11, calls[2].rect.right);
    EXPECT_EQ(22, calls[2].rect.bottom);
    EXPECT_EQ(kSkinControlOption, calls[3].operation);
    EXPECT_EQ(1, calls[3].option);
    EXPECT_EQ(kSkinCloseImageGroup, calls[4].operation);
    EXPECT_EQ(group, calls[4].group);
}

TEST_F(SkinMagicTest, NullUnknownAndClosedHandlesNeverReachTheLibrary) {
    TestCanvas canvas(64, 64);
    HANDLE missing = Skin::OpenSkinImageGroup("MissingGroup");
    EXPECT_EQ(nullptr, missing);
    HANDLE digits = Skin::OpenSkinImageGroup("Digits");
    reset();

    Skin::DrawSkinImage(missing, "Seven", canvas.dc(), CRect(0, 0, 4, 4));
    Skin::DrawSkinImage(reinterpret_cast<HANDLE>(0x5555), "Seven", canvas.dc(), CRect(0, 0, 4, 4));
    Skin::CloseSkinImageGroup(nullptr);
    Skin::CloseSkinImageGroup(reinterpret_cast<HANDLE>(0x5555));
    Skin::ApplyWindowSkin(nullptr, "JoinTable");
    Skin::SkinControlOption(reinterpret_cast<HWND>(0x1234), 1);
    Skin::DrawSkinImage(digits, "Seven", canvas.dc(), CRect(0, 0, 4, 4));  // the rest still draws
    Skin::CloseSkinImageGroup(digits);
    Skin::CloseSkinImageGroup(digits);
    Skin::DrawSkinImage(digits, "Seven", canvas.dc(), CRect(0, 0, 4, 4));

    std::vector<SkinFixtureCall> calls = Calls();
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(kSkinDrawImage, calls[0].operation);
    EXPECT_EQ(kSkinCloseImageGroup, calls[1].operation);
}

TEST_F(SkinMagicTest, AGroupHandleHandedOutTwiceKeepsDrawingUntilBothOpenersCloseIt) {
    TestCanvas canvas(64, 64);
    SkinImageGroup first("CachedDigits");
    {
        SkinImageGroup second("CachedDigits");
        ASSERT_TRUE(first.handle());
        ASSERT_EQ(first.handle(), second.handle());
        reset();
    }
    first.Draw("Seven", canvas.dc(), CRect(0, 0, 4, 4));
    first.Close();
    first.Draw("Seven", canvas.dc(), CRect(0, 0, 4, 4));

    // Each opener's close reaches the library; the other's drawing goes on
    // in between, and nothing is drawn once both have closed.
    std::vector<SkinFixtureCall> calls = Calls();
    ASSERT_EQ(3u, calls.size());
    EXPECT_EQ(kSkinCloseImageGroup, calls[0].operation);
    EXPECT_EQ(kSkinDrawImage, calls[1].operation);
    EXPECT_EQ(kSkinCloseImageGroup, calls[2].operation);
}

TEST_F(FolderSkinTest, ImagesDrawStretchedIntoTheirRectangleWithMagentaTransparent) {
    EXPECT_STREQ("folder", Skin::BackendName());
    SkinImageGroup digits("Digits");
    ASSERT_TRUE(digits.handle());
    TestCanvas canvas(64, 64);
    digits.Draw("Seven", canvas.dc(), CRect(10, 10, 30, 20));
    EXPECT_EQ(RGB(200, 0, 0), canvas.At(10, 10));
    EXPECT_EQ(RGB(200, 0, 0), canvas.At(29, 19));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(30, 20));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(9, 9));

    digits.Draw("Hole", canvas.dc(), CRect(40, 40, 50, 50));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(45, 45));

    MetafileRecording drawn = MetafileRecording::Render(64, 64, [&](HDC dc) {
        digits.Draw("Seven", dc, CRect(3, 4, 13, 24));
    });
    ASSERT_EQ(1u, drawn.pictures.size());
    EXPECT_EQ(CRect(3, 4, 13, 24), drawn.pictures[0].dest);
}

TEST_F(FolderSkinTest, MissingGroupOrImageDrawsNothingAndTheRestStillPaints) {
    SkinImageGroup missing("NoSuchGroup");
    EXPECT_EQ(nullptr, missing.handle());
    SkinImageGroup escape("..");
    EXPECT_EQ(nullptr, escape.handle());
    SkinImageGroup digits("Digits");
    TestCanvas canvas(64, 64);
    missing.Draw("Seven", canvas.dc(), CRect(0, 0, 8, 8));
    digits.Draw("NoSuchImage", canvas.dc(), CRect(0, 0, 8, 8));
    digits.Draw("..\\TestDialog", canvas.dc(), CRect(0, 0, 8, 8));
    EXPECT_EQ(RGB(255, 255, 255), canvas.At(4, 4));
    digits.Draw("Seven", canvas.dc(), CRect(20, 20, 24, 24));
    EXPECT_EQ(RGB(200, 0, 0), canvas.At(21, 21));
}

TEST_F(FolderSkinTest, SkinObjectWithABackgroundPictureErasesTheDialogWithIt) {
    HostWindow host;
    PlainDialog skinned, plain;
    skinned.Create(host.wnd());
    plain.Create(host.wnd());
    Skin::ApplyWindowSkin(skinned.m_hWnd, "TestDialog");
    Skin::ApplyWindowSkin(plain.m_hWnd, "NoSuchObject");

    TestCanvas canvas(64, 64);
    skinned.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()));
    EXPECT_EQ(RGB(0, 0, 200), canvas.At(5, 5));

    TestCanvas other(64, 64);
    plain.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(other.dc()));
    EXPECT_NE(RGB(0, 0, 200), other.At(5, 5));
}
