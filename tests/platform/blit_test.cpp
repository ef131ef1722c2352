// Plain frame drawing: clipping at every edge, colour key, frame selection.

#include <gtest/gtest.h>

#include <climits>

#include "platform/blit.h"
#include "test_pictures.h"

namespace orbigolf::platform {
namespace {

using testing::coordPixel;
using testing::px;

// An 8 x 8 target and a 4 x 4 picture of distinct pixels drawn at (x, y); checks every
// target pixel is the picture's where it covers the target and untouched elsewhere.
void expectClippedCopy(int x, int y) {
    const Picture p = testing::makePicture(4, 4, coordPixel);
    Surface target(8, 8);
    const Pixel565 background = px(0, 0, 7);
    target.fill(background);
    drawFrame(target, p, 0, x, y);
    for (int ty = 0; ty < 8; ++ty) {
        for (int tx = 0; tx < 8; ++tx) {
            const int sx = tx - x;
            const int sy = ty - y;
            const bool inside = sx >= 0 && sy >= 0 && sx < 4 && sy < 4;
            ASSERT_EQ(target.pixel(tx, ty), inside ? coordPixel(sx, sy) : background)
                << "at " << tx << "," << ty << " drawing at " << x << "," << y;
        }
    }
}

TEST(DrawFrame, ClipsAtEveryEdge) {
    expectClippedCopy(2, 2);    // inside
    expectClippedCopy(-2, 3);   // left
    expectClippedCopy(6, 3);    // right
    expectClippedCopy(3, -3);   // top
    expectClippedCopy(3, 7);    // bottom
    expectClippedCopy(-1, -1);  // corners
    expectClippedCopy(5, 5);
    expectClippedCopy(-4, 0);  // just outside
    expectClippedCopy(8, 0);
    expectClippedCopy(0, -4);
    expectClippedCopy(0, 8);
}

TEST(DrawFrame, FarCoordinatesDrawNothing) {
    const Picture p = testing::solidPicture(4, 4, px(31, 0, 0));
    Surface target(8, 8);
    drawFrame(target, p, 0, INT_MAX, INT_MAX);
    drawFrame(target, p, 0, INT_MIN, INT_MIN);
    drawFrame(target, p, 0, INT_MAX - 2, 0);
    for (Pixel565 v : target.pixels()) EXPECT_EQ(v, 0);
}

TEST(DrawFrame, TransparentItemLeavesKeyColourOut) {
    const Pixel565 key = toRgb565(255, 0, 255);
    Picture p = testing::makePicture(2, 1, [&](int x, int) { return x == 0 ? key : px(1, 2, 3); }, true,
                                     0xFF00FF);
    Surface target(2, 1);
    target.fill(px(5, 5, 5));
    drawFrame(target, p, 0, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), px(5, 5, 5));
    EXPECT_EQ(target.pixel(1, 0), px(1, 2, 3));

    // The same picture drawn opaque copies the key colour too.
    p.surface.setTransparent(false);
    drawFrame(target, p, 0, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), key);
}

TEST(DrawFrame, KeyMatchesEveryColourThatLooksTheSameInSixteenBits) {
    // 0x00BBGGRR colours that differ only in their low bits share the 16-bit key.
    Picture p = testing::solidPicture(1, 1, toRgb565(0xFF, 0x00, 0xFF), true);
    p.surface.setTransparentColor(0xFA03FC);
    EXPECT_EQ(p.surface.colorKey(), toRgb565(0xFF, 0x00, 0xFF));
    EXPECT_EQ(p.surface.transparentColor(), 0xFA03FCu);
    Surface target(1, 1);
    drawFrame(target, p, 0, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), 0);
}

TEST(DrawFrame, KeyedCopyOfLongAndShortRunsAlike) {
    // Row 0: long runs; row 1: a key pixel every other pixel (many short runs).
    const int w = 100;
    const Pixel565 key = 0;
    auto value = [&](int x, int y) {
        const bool hole = y == 0 ? (x >= 40 && x < 45) : (x % 2 == 0);
        return hole ? key : px(1 + x % 30, static_cast<unsigned>(y), 3);
    };
    const Picture p = testing::makePicture(w, 2, value, true);
    for (int at : {0, -7, 13}) {
        Surface target(w, 2);
        target.fill(px(0, 0, 9));
        drawFrame(target, p, 0, at, 0);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < w; ++x) {
                const int sx = x - at;
                const bool covered = sx >= 0 && sx < w && value(sx, y) != key;
                ASSERT_EQ(target.pixel(x, y), covered ? value(sx, y) : px(0, 0, 9)) << x << "," << y << " at " << at;
            }
        }
    }
}

TEST(DrawFrame, KeyedCopyFollowsChangesToThePicture) {
    Picture p = testing::solidPicture(20, 1, px(5, 5, 5), true);
    Surface target(20, 1);
    drawFrame(target, p, 0, 0, 0);
    EXPECT_EQ(target.pixel(3, 0), px(5, 5, 5));

    // New pixels, by each kind of write, show in the next draw.
    target.fill(px(0, 0, 1));
    p.surface.setPixel(3, 0, 0);
    p.surface.row(0)[4] = 0;
    p.surface.pixels()[5] = 0;
    drawFrame(target, p, 0, 0, 0);
    EXPECT_EQ(target.pixel(3, 0), px(0, 0, 1));
    EXPECT_EQ(target.pixel(4, 0), px(0, 0, 1));
    EXPECT_EQ(target.pixel(5, 0), px(0, 0, 1));
    EXPECT_EQ(target.pixel(6, 0), px(5, 5, 5));

    // So does a new key, and a copy of the picture draws as the original.
    p.surface.setTransparentColor(0x00FFFFFF);
    target.fill(px(0, 0, 1));
    drawFrame(target, p, 0, 0, 0);
    EXPECT_EQ(target.pixel(3, 0), 0);
    const Picture copy = p;
    target.fill(px(0, 0, 1));
    drawFrame(target, copy, 0, 0, 0);
    EXPECT_EQ(target.pixel(3, 0), 0);
    EXPECT_EQ(target.pixel(6, 0), px(5, 5, 5));
}

TEST(DrawFrame, PicksTheFrameCellAndIgnoresIndicesOutsideTheRange) {
    // 4 x 4 picture of 2 x 2 cells: frame 3 is the bottom-right cell.
    Picture p = testing::makePicture(4, 4, coordPixel);
    p.layout.patternWidth = 2;
    p.layout.patternHeight = 2;
    Surface target(2, 2);
    drawFrame(target, p, 3, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), coordPixel(2, 2));
    EXPECT_EQ(target.pixel(1, 1), coordPixel(3, 3));

    Surface untouched(2, 2);
    for (int index : {-1, 4, INT_MAX, INT_MIN}) {
        drawFrame(untouched, p, index, 0, 0);
        drawFrameBlended(untouched, p, index, Rect{0, 0, 2, 2}, BlendMode::Add, 255);
    }
    for (Pixel565 v : untouched.pixels()) EXPECT_EQ(v, 0);
}

TEST(DrawFrame, EmptyPictureDrawsNothing) {
    const Picture p;
    Surface target(2, 2);
    drawFrame(target, p, 0, 0, 0);
    drawFrameBlended(target, p, 0, Rect{0, 0, 2, 2}, BlendMode::Alpha, 255);
    for (Pixel565 v : target.pixels()) EXPECT_EQ(v, 0);
}

TEST(Blit, DrawingASurfaceOntoItselfActsOnACopy) {
    Surface s(6, 1);
    for (int x = 0; x < 6; ++x) s.setPixel(x, 0, static_cast<Pixel565>(x + 1));
    s.setTransparent(false);
    blit(s, s, Rect{0, 0, 5, 1}, 1, 0);
    for (int x = 1; x < 6; ++x) EXPECT_EQ(s.pixel(x, 0), x) << x;
    blitBlended(s, s, Rect{1, 0, 5, 1}, Rect{0, 0, 5, 1}, BlendMode::Alpha, 255);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(s.pixel(x, 0), x + 1) << x;
}

TEST(Blit, SourceRectangleIsClippedToTheSource) {
    const Picture p = testing::makePicture(4, 4, coordPixel);
    Surface target(4, 4);
    // Asking for a part that starts left of the source: the visible part keeps its place.
    blit(target, p.surface, Rect{-1, 0, 3, 1}, 0, 0);
    EXPECT_EQ(target.pixel(0, 0), 0);
    EXPECT_EQ(target.pixel(1, 0), coordPixel(0, 0));
    EXPECT_EQ(target.pixel(2, 0), coordPixel(1, 0));
    EXPECT_EQ(target.pixel(3, 0), 0);

    // Rectangles far outside the source draw nothing, even onto the source itself.
    Surface self = p.surface;
    blit(target, p.surface, Rect{INT_MIN, 0, 5, 1}, 0, 0);
    blit(self, self, Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX, 0);
    EXPECT_EQ(target.pixel(0, 0), 0);
    EXPECT_EQ(self.pixel(0, 0), coordPixel(0, 0));
}

}  // namespace
}  // namespace orbigolf::platform
