// The drag rule of the movable dialogs, free of any window: a press on the
// caption starts a drag, the first move fixes the grab point, later moves are
// throttled to one per 50 ms and move the window by the cursor's offset from
// the grab point. CDragDialog feeds it messages and applies its answers.
#ifndef LOBBYUI_FRAME_DRAG_TRACKER_H
#define LOBBYUI_FRAME_DRAG_TRACKER_H

#include <stdint.h>
#include <lobbyui/geometry.h>

class DragTracker {
public:
    static const int kCaptionHitTest = 2;            // HTCAPTION
    static const uint32_t kMoveIntervalMs = 50;

    struct MoveAnswer {
        bool defaultProcessing;  // pass the message on
        bool moveWindow;         // move the window by (dx, dy)
        int32_t dx;
        int32_t dy;
    };

    // A press on the non-client area. True when a drag starts and the caller
    // must capture the mouse. The press is swallowed either way.
    bool OnNcLButtonDown(int hitTest);
    MoveAnswer OnMouseMove(CPoint client, uint32_t nowMs);
    // True when a drag ended and the caller must release the capture.
    bool OnLButtonUp();
    // The capture went elsewhere (another window took it): the drag is over.
    void OnCaptureLost();

    void EnableDrag(bool enable) { m_bDragEnable = enable; }
    bool IsDragEnabled() const { return m_bDragEnable; }
    bool IsDragging() const { return m_bDragging; }
    CPoint GrabPoint() const { return m_ptGrab; }

private:
    CPoint m_ptGrab;
    uint32_t m_dwLastMove = 0;
    bool m_bDragging = false;
    bool m_bDragStarted = false;
    bool m_bDragEnable = true;
};

#endif
