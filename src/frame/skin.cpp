#include "frame/skin.h"

#include <map>
#include <memory>

namespace {

struct SkinLayer {
    std::unique_ptr<SkinBackend> backend;
    // Opens not yet closed, per handle: a skinning library that caches its
    // groups hands the same handle to every dialog that opens the group, and
    // each of them closes it once.
    std::map<HANDLE, int> openGroups;
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
    if (handle) ++layer.openGroups[handle];
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
    auto open = layer.openGroups.find(group);
    if (!group || open == layer.openGroups.end()) return;
    if (--open->second == 0) layer.openGroups.erase(open);
    layer.backend->CloseSkinImageGroup(group);
}

void SkinControlOption(HWND control, int option) {
    if (!control || !::IsWindow(control)) return;
    Layer().backend->SkinControlOption(control, option);
}

const char* BackendName() { return Layer().backend->Name(); }

void ResetForTesting() {
    SkinLayer& layer = Layer();
    for (const auto& open : layer.openGroups) {
        for (int i = 0; i < open.second; ++i) layer.backend->CloseSkinImageGroup(open.first);
    }
    layer.openGroups.clear();
    layer.backend.reset();
}

}  // namespace Skin
