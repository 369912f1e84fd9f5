// The SkinMagic backend: the host's skinning library, reached by ordinal.
#include "frame/skin.h"

#include "frame/library_search.h"

namespace {

using ApplyWindowSkinFn = int(WINAPI*)(HWND, const char*);
using OpenSkinImageGroupFn = HANDLE(WINAPI*)(const char*);
using DrawSkinImageFn = BOOL(WINAPI*)(HANDLE, const char*, HDC, RECT*);
using CloseSkinImageGroupFn = BOOL(WINAPI*)(HANDLE);
using SkinControlOptionFn = BOOL(WINAPI*)(HWND, int);

template <class Fn>
Fn Ordinal(HMODULE module, WORD ordinal) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

class SkinMagicBackend : public SkinBackend {
public:
    SkinMagicBackend(HMODULE module, bool loadedByUs) : m_module(module), m_loadedByUs(loadedByUs) {
        m_apply = Ordinal<ApplyWindowSkinFn>(module, 9);
        m_open = Ordinal<OpenSkinImageGroupFn>(module, 16);
        m_draw = Ordinal<DrawSkinImageFn>(module, 33);
        m_close = Ordinal<CloseSkinImageGroupFn>(module, 17);
        m_option = Ordinal<SkinControlOptionFn>(module, 11);
    }
    ~SkinMagicBackend() override {
        if (m_loadedByUs) ::FreeLibrary(m_module);
    }
    bool Complete() const { return m_apply && m_open && m_draw && m_close && m_option; }

    const char* Name() const override { return "SkinMagic"; }
    void ApplyWindowSkin(HWND window, const char* skinObject) override { m_apply(window, skinObject); }
    HANDLE OpenSkinImageGroup(const char* group) override { return m_open(group); }
    void DrawSkinImage(HANDLE group, const char* image, HDC dc, RECT* rect) override { m_draw(group, image, dc, rect); }
    void CloseSkinImageGroup(HANDLE group) override { m_close(group); }
    void SkinControlOption(HWND control, int option) override { m_option(control, option); }

private:
    HMODULE m_module;
    bool m_loadedByUs;
    ApplyWindowSkinFn m_apply;
    OpenSkinImageGroupFn m_open;
    DrawSkinImageFn m_draw;
    CloseSkinImageGroupFn m_close;
    SkinControlOptionFn m_option;
};

}  // namespace

SkinBackend* MakeSkinMagicBackend() {
    bool loadedByUs = false;
    // The host's own copy when it has loaded one; otherwise only the one
    // installed beside the host.
    HMODULE module = ::GetModuleHandleA("SkinMagic.dll");
    if (!module) {
        module = LoadLibraryBesideHost("SkinMagic.dll");
        loadedByUs = module != nullptr;
    }
    if (!module) return nullptr;
    SkinMagicBackend* backend = new SkinMagicBackend(module, loadedByUs);
    if (!backend->Complete()) {
        delete backend;
        return nullptr;
    }
    return backend;
}
