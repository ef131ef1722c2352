#pragma once
// Angles in turn units (256 to a full turn: 0 along +x, 64 along +y, 128 along -x,
// 192 along -y), distances on the squashed ground, and the rounding rule of the game.

#include <cmath>
#include <cstdint>

namespace orbigolf {

// Real to integer: nearest, ties to even (the default floating-point rounding mode).
inline int32_t roundInt(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

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
