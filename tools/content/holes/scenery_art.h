#pragma once
// Space behind the course (sky, nebulae, stars, planets, asteroids) and the floating
// floors: their rocky undersides, side faces and turf.

#include <vector>

#include "canvas.h"
#include "holes/hole_source.h"

namespace orbigolf::content {

void drawSpace(Canvas& c, const HoleSource& src);
void drawFloorSlab(Canvas& c, const std::vector<Point>& poly, double depth, uint32_t seed, bool underside);
void drawFloorTop(Canvas& c, const std::vector<Point>& poly, const Colour& turf);
// An arrow painted on the floor (heading in turn units).
void arrowOnFloor(cairo_t* cr, double x, double y, int heading, double len, const Colour& col);

}  // namespace orbigolf::content
