#include "game/hit_tests.h"

#include "game/geometry.h"

namespace orbigolf {

namespace {
// Coordinates come from hole files and may take the whole 32-bit range, so the
// cross products may need 128 bits. When every difference lies within 31 bits, as on
// any real hole, each product is below 2^62 and their difference fits in 64 bits: the
// same sign, found without 128-bit multiplies (which WebAssembly has to call out for).
__extension__ typedef __int128 Wide;

bool within31Bits(int64_t v) { return v > -(int64_t{1} << 31) && v < (int64_t{1} << 31); }

int crossSign(int64_t ex, int64_t ey, int64_t dx, int64_t dy) {
    if (within31Bits(ex) && within31Bits(ey) && within31Bits(dx) && within31Bits(dy)) {
        const int64_t cross = ex * dy - ey * dx;
        return (cross > 0) - (cross < 0);
    }
    const Wide cross = Wide{ex} * dy - Wide{ey} * dx;
    return (cross > 0) - (cross < 0);
}
}  // namespace

bool insideQuad(int64_t px, int64_t py, const int64_t (&xs)[4], const int64_t (&ys)[4]) {
    bool allNonNegative = true;
    bool allNonPositive = true;
    for (int i = 0; i < 4; ++i) {
        const int j = (i + 1) % 4;
        const int sign = crossSign(xs[j] - xs[i], ys[j] - ys[i], px - xs[i], py - ys[i]);
        if (sign < 0) allNonNegative = false;
        if (sign > 0) allNonPositive = false;
    }
    return allNonNegative || allNonPositive;
}

bool isWallStrip(const arearec& a) { return a.r < 1 && a.x3 == 0 && a.x4 == 0; }

bool insideWallStrip(int32_t px, int32_t py, const arearec& a) {
    if (plainDist(px, py, a.x1, a.y1) <= 4 || plainDist(px, py, a.x2, a.y2) <= 4) return true;
    const int32_t w = turnOf(a.x1, a.y1, a.x2, a.y2);
    const int32_t ox = roundInt(turnCos(w + 64) * 4);
    const int32_t oy = roundInt(turnSin(w + 64) * 4);
    const int64_t xs[4] = {int64_t{a.x1} + ox, int64_t{a.x2} + ox, int64_t{a.x2} - ox, int64_t{a.x1} - ox};
    const int64_t ys[4] = {int64_t{a.y1} + oy, int64_t{a.y2} + oy, int64_t{a.y2} - oy, int64_t{a.y1} - oy};
    return insideQuad(px, py, xs, ys);
}

bool insideArea(int32_t px, int32_t py, const arearec& a) {
    if (a.r >= 1) return groundDist(px, py, a.x1, a.y1) <= a.r;
    if (a.x3 != 0 && a.x4 != 0) {
        const int64_t xs[4] = {a.x1, a.x2, a.x3, a.x4};
        const int64_t ys[4] = {a.y1, a.y2, a.y3, a.y4};
        return insideQuad(px, py, xs, ys);
    }
    if (a.x3 == 0 && a.x4 == 0) return insideWallStrip(px, py, a);
    return false;
}

}  // namespace orbigolf
