#include "support/centring.h"

CPoint CentredOn(const CRect& parent, int width, int height) {
    return CPoint(parent.left + (parent.Width() - width) / 2, parent.top + (parent.Height() - height) / 2);
}
