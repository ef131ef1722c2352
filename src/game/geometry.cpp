#include "game/geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "game/turn_tables.h"

namespace orbigolf {

namespace {

// The direction of a slope |dy / dx| in 0 .. 64 turn units: how many of the bounds it
// reaches. NaN reaches none.
int32_t turnOfSlope(double slope) {
    const double s = std::fabs(slope);
    if (std::isnan(s)) return 0;
    const auto* first = std::begin(turn_tables::kSlopeBound);
    return static_cast<int32_t>(std::upper_bound(first, std::end(turn_tables::kSlopeBound), s) - first);
}

}  // namespace

double turnCos(int32_t a) { return turn_tables::kCos[static_cast<std::size_t>(angleMod(a))]; }

double turnSin(int32_t a) { return turnCos(angleMod(a) + 192); }

int32_t turnOf(double dx, double dy) {
    if (dx == 0) return dy > 0 ? 64 : 192;
    const int32_t h = turnOfSlope(dy / dx);
    if (dx < 0) return dy > 0 ? 128 - h : 128 + h;
    if (dy < 0) return floorMod(256 - h, 256);
    return h;
}

int32_t turnOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return turnOf(static_cast<double>(x1) - x2, static_cast<double>(y1) - y2);
}

int32_t plainDist(int32_t xa, int32_t ya, int32_t xb, int32_t yb) {
    const double dx = static_cast<double>(xa) - xb;
    const double dy = static_cast<double>(ya) - yb;
    return roundInt(std::sqrt(dx * dx + dy * dy));
}

int32_t groundDist(int32_t xa, int32_t ya, int32_t xb, int32_t yb) {
    const double dx = static_cast<double>(xa) - xb;
    const double dy = 2.0 * (static_cast<double>(ya) - yb);
    return roundInt(std::sqrt(dx * dx + dy * dy));
}

}  // namespace orbigolf
