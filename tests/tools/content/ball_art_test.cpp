// Ball pictures: textures roll by scrolling and wrapping, so they must tile without a
// seam; shading and shadow are drawn subtractively, so their bright parts are where the
// ball or ground gets darker.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ball_art.h"
#include "built_set.h"
#include "sources.h"

namespace orbigolf::content::test {
namespace {

int channelDistance(media::Rgb a, media::Rgb b) {
    return std::abs(media::redOf(a) - media::redOf(b)) + std::abs(media::greenOf(a) - media::greenOf(b)) +
           std::abs(media::blueOf(a) - media::blueOf(b));
}

// Rolling scrolls the texture and wraps it, so the wrap is just another boundary between
// columns (and rows): it may be no harsher than the harshest boundary inside.
TEST(BallArt, TexturesTileWithoutASeamWhenTheyRoll) {
    for (const BallTexture& t : buildBallTextures(sourcesDir() / "textures" / "balls.txt")) {
        const media::Bitmap& b = t.picture;
        for (bool columns : {true, false}) {
            auto at = [&](int line, int i) { return columns ? b.pixel(line, i) : b.pixel(i, line); };
            auto boundary = [&](int a, int c) {
                double sum = 0;
                for (int i = 0; i < 16; ++i) sum += channelDistance(at(a, i), at(c, i));
                return sum / 16;
            };
            double harshest = 0;
            for (int a = 0; a < 15; ++a) harshest = std::max(harshest, boundary(a, a + 1));
            EXPECT_LE(boundary(15, 0), harshest + 4) << t.name << (columns ? " columns" : " rows");
        }
    }
}

TEST(BallArt, RecipesNameTheirPatternAndColours) {
    const auto dir = scratchDir("balls");
    auto write = [&](const char* text) {
        const auto f = dir / "balls.txt";
        FILE* out = std::fopen(f.string().c_str(), "w");
        std::fputs(text, out);
        std::fclose(out);
        return f;
    };
    const char* four = "a checker a=#ffffff b=#000000\nb checker a=#ffffff b=#ff0000\n"
                       "c checker a=#ffffff b=#00ff00\nd checker a=#ffffff b=#0000ff cells=2\n";
    const auto balls = buildBallTextures(write(four));
    ASSERT_EQ(balls.size(), 4u);
    EXPECT_EQ(balls[3].picture.pixel(0, 0), media::makeRgb(255, 255, 255));
    EXPECT_EQ(balls[3].picture.pixel(8, 0), media::makeRgb(0, 0, 255));
    EXPECT_THROW(buildBallTextures(write("a swirly a=#ffffff\nb swirly\nc swirly\nd swirly\n")),
                 SourceError);
    EXPECT_THROW(buildBallTextures(write("a checker a=white b=#000000\n")), SourceError);
    EXPECT_THROW(buildBallTextures(write("a checker a=#ffffff b=#000000\n")), SourceError);  // one ball
}

int grey(media::Rgb c) { return media::greenOf(c); }

TEST(BallArt, ShadingDarkensAwayFromTheHighlightAndNothingOutsideTheBall) {
    const media::Bitmap s = buildBallShading();
    EXPECT_LT(grey(s.pixel(5, 5)), 40);        // the highlight, upper left
    EXPECT_GT(grey(s.pixel(12, 12)), 150);     // the shaded rim, lower right
    EXPECT_LT(grey(s.pixel(8, 8)), grey(s.pixel(11, 11)));
    for (int i = 0; i < 16; ++i) {             // corners and edges: not part of the ball
        EXPECT_EQ(s.pixel(0, i), 0u);
        EXPECT_EQ(s.pixel(i, 0), 0u);
    }
    const media::Bitmap t = buildBallTint();
    EXPECT_EQ(t.pixel(0, 0), 0u);
    EXPECT_NE(t.pixel(8, 8), 0u);
}

TEST(BallArt, ShadowIsAFlatSoftOvalCentredInItsSquare) {
    const media::Bitmap s = buildBallShadow();
    EXPECT_GT(grey(s.pixel(8, 8)), 150);
    EXPECT_EQ(s.pixel(8, 1), 0u);   // flat: nothing far above or below the middle
    EXPECT_EQ(s.pixel(8, 14), 0u);
    EXPECT_GT(grey(s.pixel(3, 8)), 0);  // wide: reaches well to the sides
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_NEAR(grey(s.pixel(x, y)), grey(s.pixel(15 - x, y)), 4);
}

}  // namespace
}  // namespace orbigolf::content::test
