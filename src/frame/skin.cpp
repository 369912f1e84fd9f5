#include "frame/skin.h"

#include <memory>
#include <set>

namespace {

struct SkinLayer {
    std::unique_ptr<SkinBackend> backend;
    std::set<HANDLE> openGroups;
};

SkinLayer& Layer() {
    static SkinLayer layer;
    if (!layer.backend) {
        layer.backend.reset(MakeSkinMagicBackend());
        if (!layer.backend) layer.backend.reset(MakeFolderSkinBackend());
    }
    return layer;
}

bool IsOpen(SkinLayer& layer, HANDLE group) { return group && layer.openGroups.count(group) != 0; }

}  // namespace

namespace Skin {

void ApplyWindowSkin(HWND window, const char* skinObject) {
    if (!window || !::IsWindow(window) || !skinObject) return;
    Layer().backend->ApplyWindowSkin(window, skinObject);
}

HANDLE OpenSkinImageGroup(const char* group) {
    if (!group) return nullptr;
    SkinLayer& layer = Layer();
    HANDLE handle = layer.backend->OpenSkinImageGroup(group);
    if (handle) layer.openGroups.insert(handle);
    return handle;
}

void DrawSkinImage(HANDLE group, const char* image, HDC dc, const CRect& rect) {
    SkinLayer& layer = Layer();
    if (!IsOpen(layer, group) || !image || !dc) return;
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    layer.backend->DrawSkinImage(group, image, dc, &r);
}

void CloseSkinImageGroup(HANDLE group) {
    SkinLayer& layer = Layer();
    if (!IsOpen(layer, group)) return;
    layer.openGroups.erase(group);
    layer.backend->CloseSkinImageGroup(group);
}

void SkinControlOption(HWND control, int option) {
    if (!control || !::IsWindow(control)) return;
    Layer().backend->SkinControlOption(control, option);
}

const char* BackendName() { return Layer().backend->Name(); }

void ResetForTesting() {
    SkinLayer& layer = Layer();
    for (HANDLE group : layer.openGroups) layer.backend->CloseSkinImageGroup(group);
    layer.openGroups.clear();
    layer.backend.reset();
}

}  // namespace Skin
