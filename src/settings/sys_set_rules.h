// What the system settings dialog decides without a window: how a volume
// steps under its buttons and how much of a bar a volume fills.
#ifndef LOBBYUI_SETTINGS_SYS_SET_RULES_H
#define LOBBYUI_SETTINGS_SYS_SET_RULES_H

#include <lobbyui/geometry.h>

namespace SysSetRules {

// Volumes the buttons move between; the host may store anything.
constexpr int kMinVolume = 0;
constexpr int kMaxVolume = 8;
// One volume step is this many pixels of bar.
constexpr int kPixelsPerStep = 8;

struct VolumeStep {
    int volume;    // the volume after the press
    bool changed;  // whether the bar needs repainting
};

// An up button raises a volume below the top by one, a down button lowers a
// volume above the bottom by one; a volume the host set outside the range
// moves only towards it (a down press on 12 gives 11, an up press on 12
// leaves it).
VolumeStep StepVolume(int volume, bool up);

// The part of bar that shows volume: as wide as its steps, from the bar's
// left. Empty for 0 or less; a volume above the top fills the bar and no more.
CRect VolumeValueRect(const CRect& bar, int volume);

}  // namespace SysSetRules

#endif
