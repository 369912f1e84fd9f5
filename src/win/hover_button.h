// A button that draws its own face and knows whether the mouse rests on it:
// hover and leave are tracked from the first move over it, and the face is
// repainted at each change. The background is never erased, so a picture
// covering the whole face does not flicker.
#ifndef LOBBYUI_WIN_HOVER_BUTTON_H
#define LOBBYUI_WIN_HOVER_BUTTON_H

#include "win/controls.h"

class CHoverButton : public CButtonT<CSubclassedWnd> {
public:
    bool IsHovered() const { return m_bHovered; }
    bool IsTracking() const { return m_bTracking; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override;

private:
    bool m_bTracking = false;
    bool m_bHovered = false;
};

#endif
