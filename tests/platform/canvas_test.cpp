// Canvas pixels and lines on the back buffer.

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

#include "platform/canvas.h"

namespace orbigolf::platform {
namespace {

using Points = std::set<std::pair<int, int>>;

Points litPixels(const Surface& s) {
    Points out;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.pixel(x, y) != 0) out.insert({x, y});
        }
    }
    return out;
}

Points line(int x0, int y0, int x1, int y1, int w = 16, int h = 16) {
    Surface s(w, h);
    Canvas c(s);
    c.setPenColor(Rgb{255, 255, 255});
    c.moveTo(x0, y0);
    c.lineTo(x1, y1);
    EXPECT_EQ(c.penX(), x1);
    EXPECT_EQ(c.penY(), y1);
    return litPixels(s);
}

TEST(Canvas, PixelsAreStoredAsDisplayPixelsAndReadBackExpanded) {
    Surface s(2, 2);
    Canvas c(s);
    c.setPixel(1, 0, Rgb{53, 49, 11});
    EXPECT_EQ(s.pixel(1, 0), toRgb565(53, 49, 11));
    EXPECT_EQ(c.pixel(1, 0), fromRgb565(toRgb565(53, 49, 11)));
    c.setPixel(0, 0, Rgb{255, 255, 255});
    EXPECT_EQ(c.pixel(0, 0), (Rgb{255, 255, 255}));
    // Outside: ignored, reads black.
    c.setPixel(-1, 0, Rgb{255, 0, 0});
    c.setPixel(2, 5, Rgb{255, 0, 0});
    EXPECT_EQ(c.pixel(7, 7), (Rgb{0, 0, 0}));
}

TEST(Canvas, LineLeavesItsEndPointUndrawn) {
    EXPECT_EQ(line(1, 1, 5, 1), (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(line(2, 6, 2, 3), (Points{{2, 6}, {2, 5}, {2, 4}}));
    EXPECT_EQ(line(0, 0, 3, 3), (Points{{0, 0}, {1, 1}, {2, 2}}));
    EXPECT_TRUE(line(4, 4, 4, 4).empty());
}

TEST(Canvas, ShallowLineStepsOnceAtMidway) {
    const Points p = line(0, 0, 4, 1);
    EXPECT_EQ(p, (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(line(4, 1, 0, 0), (Points{{4, 1}, {3, 1}, {2, 0}, {1, 0}}));
}

TEST(Canvas, LinesAreClippedToTheSurface) {
    // Only the visible part of a line crossing the surface is drawn.
    const Points p = line(-10, 3, 30, 3, 8, 8);
    EXPECT_EQ(p.size(), 8u);
    EXPECT_EQ(line(-5, -5, -1, -1, 8, 8), Points{});
    // Far-away end points neither hang nor write outside.
    const Points far = line(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 8, 8);
    EXPECT_LE(far.size(), 8u);
    const Points steep = line(3, INT_MIN, 3, INT_MAX, 8, 8);
    EXPECT_EQ(steep.size(), 8u);
}

}  // namespace
}  // namespace orbigolf::platform
