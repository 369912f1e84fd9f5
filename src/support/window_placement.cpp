#include "support/window_placement.h"

#include "support/centring.h"

CRect ClientAreaCentred(HWND window, HWND parent, int clientWidth, int clientHeight) {
    RECT frame = {0, 0, 0, 0};
    RECT client = {0, 0, 0, 0};
    ::GetWindowRect(window, &frame);
    ::GetClientRect(window, &client);
    const int width = clientWidth + (frame.right - frame.left) - (client.right - client.left);
    const int height = clientHeight + (frame.bottom - frame.top) - (client.bottom - client.top);
    RECT around = {0, 0, 0, 0};
    if (!parent || !::GetWindowRect(parent, &around)) ::GetWindowRect(::GetDesktopWindow(), &around);
    const CPoint at = CentredOn(CRect(around.left, around.top, around.right, around.bottom), width, height);
    return CRect(at.x, at.y, at.x + width, at.y + height);
}

void SizeClientAndCentre(HWND window, HWND parent, int clientWidth, int clientHeight) {
    if (!::IsWindow(window)) return;
    const CRect placed = ClientAreaCentred(window, parent, clientWidth, clientHeight);
    ::SetWindowPos(window, nullptr, placed.left, placed.top, placed.Width(), placed.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
}
