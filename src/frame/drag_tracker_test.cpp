#include "frame/drag_tracker.h"

#include <gtest/gtest.h>

namespace {
const int kCaption = 2;
const int kBorder = 10;  // HTLEFT
}  // namespace

TEST(DragTrackerTest, OnlyACaptionPressWhileEnabledStartsADrag) {
    DragTracker drag;
    EXPECT_FALSE(drag.OnNcLButtonDown(kBorder));
    EXPECT_FALSE(drag.IsDragging());
    drag.EnableDrag(false);
    EXPECT_FALSE(drag.OnNcLButtonDown(kCaption));
    EXPECT_FALSE(drag.IsDragging());
    drag.EnableDrag(true);
    EXPECT_TRUE(drag.OnNcLButtonDown(kCaption));
    EXPECT_TRUE(drag.IsDragging());
}

TEST(DragTrackerTest, MovesWithoutAPressOnlyGetDefaultProcessing) {
    DragTracker drag;
    DragTracker::MoveAnswer a = drag.OnMouseMove(CPoint(5, 5), 1000);
    EXPECT_TRUE(a.defaultProcessing);
    EXPECT_FALSE(a.moveWindow);
}

TEST(DragTrackerTest, FirstMoveFixesTheGrabPointAndIsSwallowed) {
    DragTracker drag;
    drag.OnNcLButtonDown(kCaption);
    DragTracker::MoveAnswer a = drag.OnMouseMove(CPoint(40, -10), 1000);
    EXPECT_FALSE(a.defaultProcessing);
    EXPECT_FALSE(a.moveWindow);
    EXPECT_EQ(CPoint(40, -10), drag.GrabPoint());
}

TEST(DragTrackerTest, MovesAreThrottledTo50MsAndCatchUpInOneStep) {
    DragTracker drag;
    drag.OnNcLButtonDown(kCaption);
    drag.OnMouseMove(CPoint(40, -10), 1000);

    // 50 ms is not more than 50 ms: no move.
    DragTracker::MoveAnswer a = drag.OnMouseMove(CPoint(45, -10), 1050);
    EXPECT_FALSE(a.moveWindow);
    EXPECT_TRUE(a.defaultProcessing);
    a = drag.OnMouseMove(CPoint(60, 0), 1020);
    EXPECT_FALSE(a.moveWindow);

    // The pause is over: the window catches up to the latest cursor position.
    a = drag.OnMouseMove(CPoint(70, 5), 1051);
    EXPECT_TRUE(a.moveWindow);
    EXPECT_EQ(30, a.dx);
    EXPECT_EQ(15, a.dy);
    EXPECT_TRUE(a.defaultProcessing);
    EXPECT_EQ(CPoint(40, -10), drag.GrabPoint());

    // The throttle restarts from the accepted move.
    EXPECT_FALSE(drag.OnMouseMove(CPoint(50, -10), 1090).moveWindow);
}

TEST(DragTrackerTest, ThrottleAcceptsAPauseAcrossTheTimerWrap) {
    DragTracker drag;
    drag.OnNcLButtonDown(kCaption);
    drag.OnMouseMove(CPoint(0, 0), 0xFFFFFFF0u);
    EXPECT_FALSE(drag.OnMouseMove(CPoint(9, 9), 0x00000010u).moveWindow);
    EXPECT_TRUE(drag.OnMouseMove(CPoint(9, 9), 0x00000030u).moveWindow);
}

TEST(DragTrackerTest, AMoveBackToTheGrabPointMovesNothingButStillCountsForTheThrottle) {
    DragTracker drag;
    drag.OnNcLButtonDown(kCaption);
    drag.OnMouseMove(CPoint(10, 10), 100);
    EXPECT_FALSE(drag.OnMouseMove(CPoint(10, 10), 200).moveWindow);
    EXPECT_FALSE(drag.OnMouseMove(CPoint(20, 10), 230).moveWindow);
}

TEST(DragTrackerTest, ButtonUpEndsTheDragAndTheNextPressGrabsAfresh) {
    DragTracker drag;
    EXPECT_FALSE(drag.OnLButtonUp());
    drag.OnNcLButtonDown(kCaption);
    drag.OnMouseMove(CPoint(10, 10), 100);
    EXPECT_TRUE(drag.OnLButtonUp());
    EXPECT_FALSE(drag.IsDragging());
    EXPECT_TRUE(drag.OnMouseMove(CPoint(99, 99), 500).defaultProcessing);

    drag.OnNcLButtonDown(kCaption);
    EXPECT_FALSE(drag.OnMouseMove(CPoint(3, 4), 600).defaultProcessing);
    EXPECT_EQ(CPoint(3, 4), drag.GrabPoint());
    drag.OnCaptureLost();
    EXPECT_FALSE(drag.IsDragging());
}
