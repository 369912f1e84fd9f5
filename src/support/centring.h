// Where a window goes when it is centred on another.
#ifndef LOBBYUI_SUPPORT_CENTRING_H
#define LOBBYUI_SUPPORT_CENTRING_H

#include <lobbyui/geometry.h>

// Top-left of a width x height window centred on parent. Halves are
// integer halves (rounded towards zero), so a window larger than its parent
// overhangs it evenly, to the left and above.
CPoint CentredOn(const CRect& parent, int width, int height);

#endif
