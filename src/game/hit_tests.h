#pragma once
// Whether a point of the course lies inside an area. The shape follows from the
// area's fields: a disc when r >= 1, else a quadrilateral when x3 and x4 are both
// set, a wall strip of half-width 4 when both are 0, and nothing otherwise.

#include <cstdint>

#include "game/state.h"

namespace orbigolf {

bool insideQuad(int64_t px, int64_t py, const int64_t (&xs)[4], const int64_t (&ys)[4]);
bool insideWallStrip(int32_t px, int32_t py, const arearec& a);
bool isWallStrip(const arearec& a);
bool insideArea(int32_t px, int32_t py, const arearec& a);

}  // namespace orbigolf
