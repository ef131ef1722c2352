// Angles, distances, rounding and the random generator that every rule builds on.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "game/geometry.h"
#include "game/ini_file.h"
#include "game/random.h"

namespace orbigolf {
namespace {

TEST(Geometry, AnglesDistancesAndRounding) {
    const struct { double dx, dy; int32_t turn; } dirs[] = {
        {0, 0, 192}, {-5, 0, 128}, {0, 5, 64}, {0, -5, 192}, {5, -5, 224}, {5, 5, 32},
        {-5, 5, 96}, {-5, -5, 160}, {1000, -1, 0}, {100, -2, 255},
    };
    for (const auto& d : dirs) EXPECT_EQ(turnOf(d.dx, d.dy), d.turn) << d.dx << "," << d.dy;
    EXPECT_EQ(turnOf(10, 20, 10, 10), 64);  // from the second point to the first
    EXPECT_DOUBLE_EQ(turnSin(64), 1.0);
    EXPECT_EQ(turnCos(320), turnCos(64));
    EXPECT_EQ(turnSin(-64), turnSin(192));
    EXPECT_EQ(groundDist(0, 0, 0, 9), 18);
    EXPECT_EQ(plainDist(0, 0, 0, 9), 9);
    EXPECT_EQ(groundDist(0, 0, 3, 3), 7);  // 6.708
    EXPECT_EQ(roundInt(2.5), 2);
    EXPECT_EQ(roundInt(3.5), 4);
    EXPECT_EQ(roundInt(-2.5), -2);
    // Values beyond 32 bits saturate and NaN gives 0, never an undefined conversion.
    EXPECT_EQ(roundInt(2147483646.6), INT32_MAX);
    EXPECT_EQ(roundInt(1e300), INT32_MAX);
    EXPECT_EQ(roundInt(-2147483648.4), INT32_MIN);
    EXPECT_EQ(roundInt(-1e300), INT32_MIN);
    EXPECT_EQ(roundInt(std::nan("")), 0);
    EXPECT_EQ(roundInt(2147483646.4), 2147483646);
}

TEST(Geometry, IntegersReadFromTextKeepTo32Bits) {
    const struct { const char* text; std::optional<int32_t> value; } rows[] = {
        {"2147483647", INT32_MAX}, {"2147483648", std::nullopt}, {"-2147483648", INT32_MIN},
        {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt}, {"+5", 5}, {"-0", 0},
        {"$FFFFFFFF", -1}, {"0x7fffffff", INT32_MAX}, {"$100000000", std::nullopt}, {"-$10", -16},
        {"", std::nullopt}, {"-", std::nullopt}, {"$", std::nullopt}, {"0x", std::nullopt}, {"12a", std::nullopt},
        {"0x1g", std::nullopt}, {" 1", std::nullopt},
    };
    for (const auto& r : rows) EXPECT_EQ(parseInteger(r.text), r.value) << '"' << r.text << '"';
}

TEST(Geometry, RandomFollowsSplitMix64AndScalesTheHighWord) {
    Random r(0);
    EXPECT_EQ(r.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(r.next(), 0x6E789E6AA1B965F4ull);
    Random a(0);
    EXPECT_EQ(a(256), 0xE2);         // high word 0xE220A839
    EXPECT_EQ(a(1 << 16), 0x6E78);  // high word 0x6E789E6A
}

}  // namespace
}  // namespace orbigolf
