// The frame cell rules of picture items, including the values a damaged list file can
// hold.

#include <gtest/gtest.h>

#include <climits>

#include "platform/frames.h"

namespace orbigolf::platform {
namespace {

FrameLayout layout(int pw, int ph, int sw = 0, int sh = 0) { return FrameLayout{pw, ph, sw, sh}; }

TEST(FrameLayout, GridOfCellsReadRowByRow) {
    const FrameLayout l = layout(32, 32);
    EXPECT_EQ(l.frameCount(128, 64), 8);
    EXPECT_EQ(l.frameRect(4, 128, 64), (Rect{0, 32, 32, 32}));
    EXPECT_EQ(l.frameRect(3, 128, 64), (Rect{96, 0, 32, 32}));
    EXPECT_EQ(l.frameRect(7, 128, 64), (Rect{96, 32, 32, 32}));
}

TEST(FrameLayout, ZeroPatternSizeMeansTheWholePicture) {
    const FrameLayout l = layout(0, 0);
    EXPECT_EQ(l.frameWidth(50), 50);
    EXPECT_EQ(l.frameHeight(20), 20);
    EXPECT_EQ(l.frameCount(50, 20), 1);
    EXPECT_EQ(l.frameRect(0, 50, 20), (Rect{0, 0, 50, 20}));
    // Only one axis cut.
    EXPECT_EQ(layout(10, 0).frameCount(50, 20), 5);
}

TEST(FrameLayout, SkipsAreGapsBetweenCellsNotAfterTheLast) {
    // 3 cells of 10 with gaps of 2 fill 34 pixels exactly.
    const FrameLayout l = layout(10, 10, 2, 0);
    EXPECT_EQ(l.columns(34), 3);
    EXPECT_EQ(l.columns(33), 2);
    EXPECT_EQ(l.frameRect(2, 34, 10), (Rect{24, 0, 10, 10}));
    // A whole-picture cell with a skip is still one cell.
    EXPECT_EQ(layout(0, 0, 5, 5).frameCount(40, 30), 1);
}

TEST(FrameLayout, IncompleteCellsAreNotFrames) {
    EXPECT_EQ(layout(32, 32).frameCount(127, 64), 6);
    EXPECT_EQ(layout(64, 64).frameCount(32, 32), 0);
    EXPECT_TRUE(layout(64, 64).frameRect(0, 32, 32).empty());
}

TEST(FrameLayout, DamagedValuesGiveNoFramesInsteadOfFaults) {
    EXPECT_EQ(layout(0, 0).frameCount(0, 0), 0);  // empty picture: no division by zero
    EXPECT_EQ(layout(-4, 8).frameCount(32, 32), 0);
    EXPECT_EQ(layout(8, 8, -8, 0).frameCount(32, 32), 0);
    EXPECT_EQ(layout(8, 8, -20, 0).frameCount(32, 32), 0);
    EXPECT_EQ(layout(8, 8, INT_MAX, INT_MAX).frameCount(32, 32), 1);
    EXPECT_EQ(layout(INT_MAX, 8, INT_MAX, 0).frameCount(32, 32), 0);
    EXPECT_EQ(layout(8, 8, INT_MIN, 0).frameCount(32, 32), 0);
    EXPECT_EQ(layout(1, 1).frameCount(30000, 30000), 900000000);
}

TEST(FrameLayout, OverlappingCellsStayInsideThePicture) {
    // A negative skip smaller than the cell makes cells overlap; each still fits.
    const FrameLayout l = layout(4, 4, -2, 0);
    const int count = l.frameCount(10, 4);
    EXPECT_EQ(count, 4);
    for (int i = 0; i < count; ++i) {
        const Rect r = l.frameRect(i, 10, 4);
        EXPECT_GE(r.x, 0);
        EXPECT_LE(r.x + r.w, 10);
    }
}

TEST(FrameLayout, FrameRectOutsideTheRangeIsEmpty) {
    const FrameLayout l = layout(32, 32);
    EXPECT_TRUE(l.frameRect(-1, 128, 64).empty());
    EXPECT_TRUE(l.frameRect(8, 128, 64).empty());
}

}  // namespace
}  // namespace orbigolf::platform
