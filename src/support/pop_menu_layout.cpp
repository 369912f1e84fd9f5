#include "support/pop_menu_layout.h"

#include <stdint.h>
#include <string.h>

namespace {

// A host may pass any point; the far edges stop at the end of the range
// instead of wrapping round to the other side.
int32_t FarEdge(int32_t origin, int32_t extent) {
    const int64_t edge = static_cast<int64_t>(origin) + extent;
    return edge > INT32_MAX ? INT32_MAX : static_cast<int32_t>(edge);
}

int TextLength(const char* text) {
    if (!text) return 0;
    const size_t n = strlen(text);
    return n > static_cast<size_t>(kPopMenuTextLimit) ? kPopMenuTextLimit : static_cast<int>(n);
}

}  // namespace

PopMenuLayout LayOutPopMenu(CPoint at, const PopMenuItem* items, int itemCount) {
    PopMenuLayout layout = {};
    // Beyond five items there is neither a button nor a command slot; the
    // host's record must never be written past its fifth slot.
    layout.count = itemCount < 0 ? 0 : itemCount > kPopMenuButtons ? kPopMenuButtons : itemCount;
    if (!items) layout.count = 0;

    int longest = 0;
    for (int i = 0; i < layout.count; ++i) {
        const int n = TextLength(items[i].text);
        if (n > longest) longest = n;
    }
    layout.window = CRect(at.x, at.y, FarEdge(at.x, 8 * longest + 10), FarEdge(at.y, 20 * (layout.count + 1)));

    for (int i = 0; i < layout.count; ++i) {
        PopMenuButton& b = layout.buttons[i];
        b.shown = true;
        b.enabled = !items[i].disabled;
        b.rect = CRect(3, 20 * i, 3 + 8 * longest, 20 * i + 20);
        b.cmd = items[i].id;
    }
    return layout;
}
