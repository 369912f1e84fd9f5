#include "frame/drag_tracker.h"

bool DragTracker::OnNcLButtonDown(int hitTest) {
    if (!m_bDragEnable || hitTest != kCaptionHitTest) return false;
    m_bDragging = true;
    m_bDragStarted = false;
    return true;
}

DragTracker::MoveAnswer DragTracker::OnMouseMove(CPoint client, uint32_t nowMs) {
    MoveAnswer answer = {true, false, 0, 0};
    if (!m_bDragging) return answer;
    if (!m_bDragStarted) {
        m_bDragStarted = true;
        m_dwLastMove = nowMs;
        m_ptGrab = client;
        answer.defaultProcessing = false;
        return answer;
    }
    // Unsigned difference: correct across the timer's wrap after 49.7 days.
    if (nowMs - m_dwLastMove > kMoveIntervalMs) {
        m_dwLastMove = nowMs;
        if (client != m_ptGrab) {
            answer.moveWindow = true;
            answer.dx = client.x - m_ptGrab.x;
            answer.dy = client.y - m_ptGrab.y;
        }
    }
    return answer;
}

bool DragTracker::OnLButtonUp() {
    if (!m_bDragging) return false;
    m_bDragging = false;
    m_bDragStarted = false;
    return true;
}

void DragTracker::OnCaptureLost() {
    m_bDragging = false;
    m_bDragStarted = false;
}
