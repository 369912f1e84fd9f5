// The built-in folder skin: BMP files in a folder per image group.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>

#include "frame/skin.h"
#include "win/dc.h"

namespace {

const COLORREF kTransparent = RGB(255, 0, 255);
const UINT_PTR kBackgroundSubclassId = 0x536B696E;  // "Skin"

std::string SkinRoot() {
    char buffer[MAX_PATH] = {0};
    DWORD n = ::GetEnvironmentVariableA("LOBBYUI_SKIN_DIR", buffer, sizeof buffer);
    if (n > 0 && n < sizeof buffer) return std::string(buffer, n);
    n = ::GetCurrentDirectoryA(sizeof buffer, buffer);
    std::string root = (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string(".");
    return root + "\\skin";
}

bool IsPlainName(const char* name) {
    // Names become file names; anything that could leave the skin folder is refused.
    if (!name || !*name) return false;
    for (const char* p = name; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') return false;
    }
    return std::string(name) != "." && std::string(name) != "..";
}

HBITMAP LoadBmpFile(const std::string& path) {
    return static_cast<HBITMAP>(::LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

// Bitmaps loaded from files, freed with their cache.
class BitmapCache {
public:
    ~BitmapCache() {
        for (auto& entry : m_bitmaps) {
            if (entry.second) ::DeleteObject(entry.second);
        }
    }
    // The bitmap of path, or null when there is no such file; a missing file
    // is remembered too, so it is not looked for on every paint.
    HBITMAP Get(const std::string& path) {
        auto found = m_bitmaps.find(path);
        if (found != m_bitmaps.end()) return found->second;
        HBITMAP bitmap = LoadBmpFile(path);
        m_bitmaps.emplace(path, bitmap);
        return bitmap;
    }

private:
    std::map<std::string, HBITMAP> m_bitmaps;
};

struct ImageGroup {
    std::string folder;
    BitmapCache images;
};

LRESULT CALLBACK BackgroundProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR ref) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT client;
        ::GetClientRect(hwnd, &client);
        CDC dc(reinterpret_cast<HDC>(w));
        if (dc.DrawBitmap(reinterpret_cast<HBITMAP>(ref), CWnd::FromRECT(client))) return TRUE;
        break;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hwnd, &BackgroundProc, id);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(hwnd, msg, w, l);
}

class FolderSkinBackend : public SkinBackend {
public:
    FolderSkinBackend() : m_root(SkinRoot()) {}

    const char* Name() const override { return "folder"; }

    void ApplyWindowSkin(HWND window, const char* skinObject) override {
        if (!IsPlainName(skinObject)) return;
        HBITMAP background = m_backgrounds.Get(m_root + "\\" + skinObject + ".bmp");
        if (!background) return;
        ::SetWindowSubclass(window, &BackgroundProc, kBackgroundSubclassId, reinterpret_cast<DWORD_PTR>(background));
        ::InvalidateRect(window, nullptr, TRUE);
    }

    HANDLE OpenSkinImageGroup(const char* group) override {
        if (!IsPlainName(group)) return nullptr;
        std::string folder = m_root + "\\" + group;
        DWORD attributes = ::GetFileAttributesA(folder.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return nullptr;
        ImageGroup* opened = new ImageGroup;
        opened->folder = folder;
        return static_cast<HANDLE>(opened);
    }

    void DrawSkinImage(HANDLE group, const char* image, HDC dc, RECT* rect) override {
        if (!IsPlainName(image)) return;
        ImageGroup* opened = static_cast<ImageGroup*>(group);
        HBITMAP bitmap = opened->images.Get(opened->folder + "\\" + image + ".bmp");
        CDC(dc).DrawBitmap(bitmap, CWnd::FromRECT(*rect), kTransparent);
    }

    void CloseSkinImageGroup(HANDLE group) override { delete static_cast<ImageGroup*>(group); }

    // The list control option changes nothing in this skin.
    void SkinControlOption(HWND, int) override {}

private:
    std::string m_root;
    // Backgrounds outlive the windows they are drawn on: windows keep the
    // handle until they are destroyed, so the cache lives with the backend.
    BitmapCache m_backgrounds;
};

}  // namespace

SkinBackend* MakeFolderSkinBackend() { return new FolderSkinBackend; }
