#include "settings/sys_set_rules.h"

namespace SysSetRules {

VolumeStep StepVolume(int volume, bool up) {
    if (up && volume < kMaxVolume) return {volume + 1, true};
    if (!up && volume > kMinVolume) return {volume - 1, true};
    return {volume, false};
}

CRect VolumeValueRect(const CRect& bar, int volume) {
    if (volume <= kMinVolume) return CRect(bar.left, bar.top, bar.left, bar.bottom);
    // The host's value is not checked when it is stored: a large one must
    // neither overflow the width nor paint past the bar.
    int steps = volume > kMaxVolume ? kMaxVolume : volume;
    int right = bar.left + steps * kPixelsPerStep;
    if (right > bar.right) right = bar.right;
    return CRect(bar.left, bar.top, right, bar.bottom);
}

}  // namespace SysSetRules
