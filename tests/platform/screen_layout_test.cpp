// Placing the display mode in a window of another size, and mapping the mouse back.

#include <gtest/gtest.h>

#include "platform/screen_layout.h"

namespace orbigolf::platform {
namespace {

TEST(ScreenLayout, WholeFactorsWhenTheModeFits) {
    EXPECT_EQ(fitMode(1920, 1080, 640, 480), (Rect{320, 60, 1280, 960}));
    EXPECT_EQ(fitMode(1920, 1080, 1024, 768), (Rect{448, 156, 1024, 768}));
    EXPECT_EQ(fitMode(800, 600, 800, 600), (Rect{0, 0, 800, 600}));
    // The game's modes on a 1024 x 768 desktop: unscaled and centred.
    EXPECT_EQ(fitMode(1024, 768, 640, 480), (Rect{192, 144, 640, 480}));
    EXPECT_EQ(fitMode(1024, 768, 800, 600), (Rect{112, 84, 800, 600}));
    // A wide desktop: the height sets the factor, the bars go left and right.
    EXPECT_EQ(fitMode(2560, 1080, 640, 480), (Rect{640, 60, 1280, 960}));
}

TEST(ScreenLayout, SmallerWindowsScaleDownKeepingTheShape) {
    EXPECT_EQ(fitMode(1366, 700, 1024, 768), (Rect{216, 0, 933, 700}));
    EXPECT_EQ(fitMode(512, 600, 1024, 768), (Rect{0, 108, 512, 384}));
    EXPECT_TRUE(fitMode(0, 600, 1024, 768).empty());
}

TEST(ScreenLayout, MouseMapsBackToModePixels) {
    const Rect placed = fitMode(1920, 1080, 640, 480);  // factor 2 at (320, 60)
    EXPECT_EQ(windowToMode(320, 60, placed, 640, 480).x, 0);
    const ModePoint p = windowToMode(321 + 2 * 100, 61 + 2 * 50, placed, 640, 480);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 50);
    // On the bars: the nearest edge pixel.
    const ModePoint left = windowToMode(10, 5, placed, 640, 480);
    EXPECT_EQ(left.x, 0);
    EXPECT_EQ(left.y, 0);
    const ModePoint right = windowToMode(1919, 1079, placed, 640, 480);
    EXPECT_EQ(right.x, 639);
    EXPECT_EQ(right.y, 479);
    // Just left of the picture stays on its first column, not rounded into it.
    EXPECT_EQ(windowToMode(319, 100, placed, 640, 480).x, 0);
}

TEST(ScreenLayout, ModeToWindowAndBackIsTheSamePixel) {
    for (const Rect placed : {fitMode(1920, 1080, 640, 480), fitMode(1366, 700, 1024, 768)}) {
        for (int x : {0, 1, 100, 511, 639}) {
            const ModePoint w = modeToWindow(x, 7, placed, 640, 480);
            EXPECT_EQ(windowToMode(w.x, w.y, placed, 640, 480).x, x);
        }
    }
}

}  // namespace
}  // namespace orbigolf::platform
