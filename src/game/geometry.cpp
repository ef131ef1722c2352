#include "game/geometry.h"

#include <array>
#include <numbers>

namespace orbigolf {

namespace {

std::array<double, 256> buildCosTable() {
    std::array<double, 256> table{};
    for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = std::cos(2.0 * std::numbers::pi * i / 256.0);
    return table;
}

const std::array<double, 256>& cosTable() {
    static const std::array<double, 256> table = buildCosTable();
    return table;
}

}  // namespace

double turnCos(int32_t a) { return cosTable()[static_cast<std::size_t>(angleMod(a))]; }

double turnSin(int32_t a) { return turnCos(angleMod(a) + 192); }

int32_t turnOf(double dx, double dy) {
    if (dx == 0) return dy > 0 ? 64 : 192;
    const int32_t h = std::abs(roundInt(std::atan(dy / dx) * 40.743665431525205957));
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
