#pragma once
// Angles in turn units (256 to a full turn: 0 along +x, 64 along +y, 128 along -x,
// 192 along -y), distances on the squashed ground, and the rounding rule of the game.

#include <cmath>
#include <cstdint>

namespace orbigolf {

// Real to integer: nearest, ties to even (the default floating-point rounding mode).
// Values beyond the 32-bit range saturate and NaN gives 0, so that no position,
// however absurd a hole file makes it, leads to an undefined conversion.
inline int32_t roundInt(double v) {
    const double r = std::nearbyint(v);
    if (!(r == r)) return 0;
    if (r >= 2147483647.0) return INT32_MAX;
    if (r <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(r);
}

// The same rounding, widened so that offsets from rounded positions cannot overflow.
inline int64_t roundWide(double v) { return roundInt(v); }

// Wraps a wide result into 32 bits, two's complement, as the game's integer
// arithmetic on headings and positions taken from hole files does.
inline int32_t wrapInt(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(v))); }

// a mod 256 in 0..255, whatever the sign of a.
inline int32_t angleMod(int32_t a) { return a & 255; }

// Mathematical modulo: lands in 0..m-1 for m > 0.
inline int32_t floorMod(int32_t a, int32_t m) {
    int32_t r = a % m;
    return r < 0 ? r + m : r;
}

double turnCos(int32_t a);
double turnSin(int32_t a);

int32_t turnOf(double dx, double dy);
int32_t turnOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2);  // direction from (x2,y2) to (x1,y1)

int32_t plainDist(int32_t xa, int32_t ya, int32_t xb, int32_t yb);
int32_t groundDist(int32_t xa, int32_t ya, int32_t xb, int32_t yb);

}  // namespace orbigolf
