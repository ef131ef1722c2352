// The checked-in turn tables against this machine's maths library: the cosines must be the
// very bits the game computed before the tables existed, and directions must round exactly as
// the arc tangent did, so that no recorded game changes.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>

#include "game/geometry.h"
#include "game/turn_tables.h"

namespace orbigolf {
namespace {

uint64_t bitsOf(double v) {
    uint64_t b = 0;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// The rule the table stands for, through the maths library.
int32_t libraryTurnOf(double dx, double dy) {
    if (dx == 0) return dy > 0 ? 64 : 192;
    const int32_t h = std::abs(roundInt(std::atan(dy / dx) * 40.743665431525205957));
    if (dx < 0) return dy > 0 ? 128 - h : 128 + h;
    if (dy < 0) return floorMod(256 - h, 256);
    return h;
}

TEST(TurnTables, CosinesAreTheLibraryValuesToTheLastBit) {
    for (int i = 0; i < 256; ++i) {
        volatile int step = i;  // at run time, not folded by the compiler
        const double expected = std::cos(2.0 * std::numbers::pi * step / 256.0);
        EXPECT_EQ(bitsOf(turnCos(i)), bitsOf(expected)) << i;
        EXPECT_EQ(bitsOf(turnSin(i)), bitsOf(turn_tables::kCos[(i + 192) % 256])) << i;
    }
}

TEST(TurnTables, DirectionsRoundAsTheArcTangentDoes) {
    // Every integer offset the game's coordinates make near a ball.
    for (int dx = -300; dx <= 300; ++dx)
        for (int dy = -300; dy <= 300; ++dy) ASSERT_EQ(turnOf(dx, dy), libraryTurnOf(dx, dy)) << dx << "," << dy;

    // Slopes on either side of every step, a few doubles apart.
    for (const double bound : turn_tables::kSlopeBound) {
        double s = bound;
        for (int k = 0; k < 8; ++k) s = std::nextafter(s, 0.0);
        for (int k = 0; k < 16; ++k, s = std::nextafter(s, 1e300)) {
            ASSERT_EQ(turnOf(1.0, s), libraryTurnOf(1.0, s)) << s;
            ASSERT_EQ(turnOf(-1.0, -s), libraryTurnOf(-1.0, -s)) << s;
        }
    }

    // Velocities: arbitrary reals of both signs and many sizes.
    std::mt19937_64 random(21);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> scale(-30, 30);
    for (int i = 0; i < 200000; ++i) {
        const double dx = std::ldexp(unit(random), scale(random));
        const double dy = std::ldexp(unit(random), scale(random));
        ASSERT_EQ(turnOf(dx, dy), libraryTurnOf(dx, dy)) << dx << "," << dy;
    }
}

TEST(TurnTables, DirectionsOfNonFiniteOffsetsAreDefined) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(turnOf(1.0, inf), 64);
    EXPECT_EQ(turnOf(-1.0, -inf), 192);
    EXPECT_EQ(turnOf(1.0, nan), libraryTurnOf(1.0, nan));
    EXPECT_EQ(turnOf(-1.0, nan), libraryTurnOf(-1.0, nan));
    EXPECT_EQ(turnOf(nan, 1.0), libraryTurnOf(nan, 1.0));
}

}  // namespace
}  // namespace orbigolf
