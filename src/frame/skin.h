// The skin layer: the five operations the skinned dialogs use. At first use
// it takes SkinMagic.dll when the host process has it (loaded already, or
// loadable by name) and all five ordinals resolve; otherwise the built-in
// folder skin. Null, unknown and already-closed group handles, null windows
// and null names are harmless everywhere: nothing reaches a backend that it
// did not hand out itself.
//
// The SkinMagic entry points are taken by ordinal with these signatures
// (WINAPI, narrow strings):
//   9  int    ApplyWindowSkin(HWND window, const char* skinObject)
//   16 HANDLE OpenSkinImageGroup(const char* group)
//   33 BOOL   DrawSkinImage(HANDLE group, const char* image, HDC dc, RECT* rect)
//   17 BOOL   CloseSkinImageGroup(HANDLE group)
//   11 BOOL   SkinControlOption(HWND control, int option)
//
// The folder skin reads BMP files under its root folder (LOBBYUI_SKIN_DIR, or
// "skin" in the current directory): <root>\<skin object>.bmp is a dialog's
// background, <root>\<group>\<image>.bmp an image of a group. Magenta
// (255, 0, 255) is transparent in images.
#ifndef LOBBYUI_FRAME_SKIN_H
#define LOBBYUI_FRAME_SKIN_H

#include <windows.h>
#include <lobbyui/geometry.h>

class SkinBackend {
public:
    virtual ~SkinBackend() = default;
    virtual const char* Name() const = 0;
    virtual void ApplyWindowSkin(HWND window, const char* skinObject) = 0;
    virtual HANDLE OpenSkinImageGroup(const char* group) = 0;
    virtual void DrawSkinImage(HANDLE group, const char* image, HDC dc, RECT* rect) = 0;
    virtual void CloseSkinImageGroup(HANDLE group) = 0;
    virtual void SkinControlOption(HWND control, int option) = 0;
};

namespace Skin {

void ApplyWindowSkin(HWND window, const char* skinObject);
HANDLE OpenSkinImageGroup(const char* group);
void DrawSkinImage(HANDLE group, const char* image, HDC dc, const CRect& rect);
void CloseSkinImageGroup(HANDLE group);
void SkinControlOption(HWND control, int option);

// "SkinMagic" or "folder": which backend the first use chose.
const char* BackendName();
// Forgets the chosen backend (closing what it has open) so the next use
// chooses again; for tests that switch between the two.
void ResetForTesting();

}  // namespace Skin

// An image group a dialog opens for its whole life and closes at teardown.
class SkinImageGroup {
public:
    SkinImageGroup() = default;
    explicit SkinImageGroup(const char* name) { Open(name); }
    ~SkinImageGroup() { Close(); }
    SkinImageGroup(const SkinImageGroup&) = delete;
    SkinImageGroup& operator=(const SkinImageGroup&) = delete;

    void Open(const char* name) { Close(); m_handle = Skin::OpenSkinImageGroup(name); }
    void Close() { if (m_handle) Skin::CloseSkinImageGroup(m_handle); m_handle = nullptr; }
    void Draw(const char* image, HDC dc, const CRect& rect) const { Skin::DrawSkinImage(m_handle, image, dc, rect); }
    HANDLE handle() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

// The backends, made by the layer when it chooses.
SkinBackend* MakeSkinMagicBackend();  // null when SkinMagic.dll is absent or incomplete
SkinBackend* MakeFolderSkinBackend();

#endif
