// Arithmetic of the three blend modes and of the blended fill, at the strength extremes,
// with saturation and floor, colour key and stretching.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/blit.h"
#include "test_pictures.h"

namespace orbigolf::platform {
namespace {

using testing::b5;
using testing::g6;
using testing::px;
using testing::r5;
using testing::solidPicture;

// One pixel of `src` blended over one pixel of `dst` (key: black).
Pixel565 blendOne(Pixel565 dst, Pixel565 src, BlendMode mode, int strength, bool keyed = false) {
    Surface target(1, 1);
    target.setPixel(0, 0, dst);
    const Picture p = solidPicture(1, 1, src, keyed);
    drawFrameBlended(target, p, 0, Rect{0, 0, 1, 1}, mode, strength);
    return target.pixel(0, 0);
}

TEST(BlendAdd, FullStrengthAddsAndSaturatesEachChannel) {
    EXPECT_EQ(blendOne(px(10, 20, 10), px(10, 20, 10), BlendMode::Add, 255), px(20, 40, 20));
    EXPECT_EQ(blendOne(px(25, 10, 0), px(10, 10, 5), BlendMode::Add, 255), px(31, 20, 5));
    EXPECT_EQ(blendOne(px(31, 63, 31), px(31, 63, 31), BlendMode::Add, 255), px(31, 63, 31));
    EXPECT_EQ(blendOne(px(0, 60, 0), px(0, 10, 0), BlendMode::Add, 255), px(0, 63, 0));
}

TEST(BlendAdd, StrengthScalesTheSource) {
    EXPECT_EQ(blendOne(px(0, 0, 0), px(31, 63, 31), BlendMode::Add, 128), px(16, 32, 16));
    EXPECT_EQ(blendOne(px(3, 4, 5), px(31, 63, 31), BlendMode::Add, 0), px(3, 4, 5));
    EXPECT_EQ(blendOne(px(3, 4, 5), px(31, 63, 31), BlendMode::Add, -40), px(3, 4, 5));
    EXPECT_EQ(blendOne(px(1, 2, 3), px(4, 5, 6), BlendMode::Add, 1000), px(5, 7, 9));
}

TEST(BlendAlpha, ExtremesGiveSourceOrDestination) {
    EXPECT_EQ(blendOne(px(3, 4, 5), px(20, 30, 10), BlendMode::Alpha, 255), px(20, 30, 10));
    EXPECT_EQ(blendOne(px(3, 4, 5), px(20, 30, 10), BlendMode::Alpha, 0), px(3, 4, 5));
    EXPECT_EQ(blendOne(px(0, 0, 0), px(31, 63, 31), BlendMode::Alpha, 128), px(16, 32, 16));
    EXPECT_EQ(blendOne(px(31, 63, 31), px(0, 0, 0), BlendMode::Alpha, 128), px(15, 31, 15));
}

TEST(BlendAlpha, MatchesRoundedMixForEveryChannelValue) {
    for (int k : {1, 77, 128, 200, 254}) {
        for (unsigned s = 0; s < 64; s += 3) {
            for (unsigned d = 0; d < 64; d += 5) {
                const unsigned s5 = s & 31u, d5 = d & 31u;
                const Pixel565 got = blendOne(px(d5, d, d5), px(s5, s, s5), BlendMode::Alpha, k);
                auto mixed = [&](unsigned sc, unsigned dc) {
                    return static_cast<unsigned>(std::lround((sc * k + dc * (255.0 - k)) / 255.0));
                };
                ASSERT_EQ(r5(got), mixed(s5, d5)) << "k=" << k;
                ASSERT_EQ(g6(got), mixed(s, d)) << "k=" << k;
            }
        }
    }
}

// Rows of 16 pixels and more are blended 16 at a time; every pixel must come out as the
// one-pixel path gives it, keyed or not, whatever the strength.
TEST(BlendModes, WideRowsMatchPixelByPixelResults) {
    auto value = [](int x, int y) {
        const unsigned h = static_cast<unsigned>(x * 7919 + y * 104729) * 2654435761u;
        return static_cast<Pixel565>(h >> 16);
    };
    const int w = 37;  // two blocks of 16 and a tail
    Picture p = testing::makePicture(w, 3, value, true, 0);
    // Sprinkle key pixels (black) among the others.
    for (int x = 0; x < w; x += 3) p.surface.setPixel(x, 1, 0);
    for (bool keyed : {false, true}) {
        p.surface.setTransparent(keyed);
        for (BlendMode mode : {BlendMode::Add, BlendMode::Alpha, BlendMode::Subtract}) {
            for (int k : {1, 100, 128, 254, 255}) {
                Surface target(w, 3);
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < w; ++x) target.setPixel(x, y, value(x + 11, y + 5));
                }
                drawFrameBlended(target, p, 0, Rect{0, 0, w, 3}, mode, k);
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < w; ++x) {
                        ASSERT_EQ(target.pixel(x, y),
                                  blendOne(value(x + 11, y + 5), p.surface.pixel(x, y), mode, k, keyed))
                            << "mode " << static_cast<int>(mode) << " k " << k << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(FillBlended, WideRowsMatchTheOnePixelResult) {
    Surface wide(40, 1);
    Surface one(1, 1);
    for (int x = 0; x < 40; ++x) wide.setPixel(x, 0, static_cast<Pixel565>(x * 1601));
    fillBlended(wide, Rect{0, 0, 40, 1}, px(31, 63, 31), 77);
    for (int x = 0; x < 40; ++x) {
        one.setPixel(0, 0, static_cast<Pixel565>(x * 1601));
        fillBlended(one, Rect{0, 0, 1, 1}, px(31, 63, 31), 77);
        ASSERT_EQ(wide.pixel(x, 0), one.pixel(0, 0)) << x;
    }
}

TEST(BlendSubtract, DarkensAndFloorsAtBlack) {
    EXPECT_EQ(blendOne(px(20, 40, 20), px(10, 50, 5), BlendMode::Subtract, 255), px(10, 0, 15));
    EXPECT_EQ(blendOne(px(31, 63, 31), px(31, 63, 31), BlendMode::Subtract, 255), px(0, 0, 0));
    EXPECT_EQ(blendOne(px(31, 63, 31), px(31, 63, 31), BlendMode::Subtract, 128), px(15, 31, 15));
    EXPECT_EQ(blendOne(px(20, 40, 20), px(31, 63, 31), BlendMode::Subtract, 0), px(20, 40, 20));
}

TEST(BlendModes, LeaveColourKeyedPixelsOut) {
    for (BlendMode mode : {BlendMode::Add, BlendMode::Alpha, BlendMode::Subtract}) {
        // The key is black (the default transparent colour).
        EXPECT_EQ(blendOne(px(9, 9, 9), px(0, 0, 0), mode, 255, true), px(9, 9, 9));
        EXPECT_EQ(blendOne(px(9, 9, 9), px(0, 0, 0), mode, 100, true), px(9, 9, 9));
    }
    // Not transparent: black is an ordinary colour.
    EXPECT_EQ(blendOne(px(9, 9, 9), px(0, 0, 0), BlendMode::Alpha, 255, false), px(0, 0, 0));
}

TEST(BlendStretch, EnlargesByRepeatingPixels) {
    const Picture p = testing::makePicture(2, 2, [](int x, int y) { return px(1 + x, 1 + y, 1); });
    Surface target(4, 4);
    drawFrameBlended(target, p, 0, Rect{0, 0, 4, 4}, BlendMode::Alpha, 255);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(target.pixel(x, y), px(1 + x / 2, 1 + y / 2, 1)) << x << "," << y;
    }
}

TEST(BlendStretch, ShrinksBySamplingPixelCentres) {
    const Picture p = testing::makePicture(4, 4, [](int x, int y) { return px(1 + x, 1 + y, 1); });
    Surface target(2, 2);
    drawFrameBlended(target, p, 0, Rect{0, 0, 2, 2}, BlendMode::Alpha, 255);
    EXPECT_EQ(target.pixel(0, 0), px(2, 2, 1));
    EXPECT_EQ(target.pixel(1, 1), px(4, 4, 1));
}

TEST(BlendStretch, ClippedRectangleKeepsTheMapping) {
    const Picture p = testing::makePicture(2, 1, [](int x, int) { return px(1 + x, 0, 0); });
    Surface target(3, 1);
    // 2 pixels stretched to 4 at x = -2: only the right half shows.
    drawFrameBlended(target, p, 0, Rect{-2, 0, 4, 1}, BlendMode::Alpha, 255);
    EXPECT_EQ(target.pixel(0, 0), px(2, 0, 0));
    EXPECT_EQ(target.pixel(1, 0), px(2, 0, 0));
    EXPECT_EQ(target.pixel(2, 0), 0);
}

TEST(BlendStretch, EmptyOrFarRectanglesDrawNothing) {
    const Picture p = solidPicture(8, 8, px(31, 0, 0));
    Surface target(4, 4);
    drawFrameBlended(target, p, 0, Rect{0, 0, 0, 4}, BlendMode::Add, 255);
    drawFrameBlended(target, p, 0, Rect{0, 0, 4, -3}, BlendMode::Add, 255);
    drawFrameBlended(target, p, 0, Rect{2000000000, 2000000000, 2000000000, 5}, BlendMode::Add, 255);
    drawFrameBlended(target, p, 0, Rect{-2000000000, 0, 2000000000, 4}, BlendMode::Add, 255);
    for (Pixel565 v : target.pixels()) EXPECT_EQ(v, 0);
    // A huge rectangle covering the target still fills it.
    drawFrameBlended(target, p, 0, Rect{-1000000000, -1000000000, 2000000000, 2000000000}, BlendMode::Add, 255);
    for (Pixel565 v : target.pixels()) EXPECT_EQ(v, px(31, 0, 0));
}

TEST(FillBlended, MixesColourIntoTheClippedArea) {
    Surface target(4, 2);
    fillBlended(target, Rect{2, -5, 10, 6}, px(31, 63, 31), 255);
    EXPECT_EQ(target.pixel(1, 0), 0);
    EXPECT_EQ(target.pixel(2, 0), px(31, 63, 31));
    EXPECT_EQ(target.pixel(3, 0), px(31, 63, 31));
    EXPECT_EQ(target.pixel(3, 1), 0);
    fillBlended(target, Rect{0, 1, 4, 1}, px(31, 63, 31), 128);
    EXPECT_EQ(target.pixel(0, 1), px(16, 32, 16));
    fillBlended(target, Rect{0, 0, 4, 2}, px(31, 63, 31), 0);
    EXPECT_EQ(target.pixel(0, 1), px(16, 32, 16));
}

}  // namespace
}  // namespace orbigolf::platform
