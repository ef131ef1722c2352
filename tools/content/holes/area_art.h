#pragma once
// Each kind of area drawn where the area is: ground areas lie flat on the floor (slopes,
// ramps, funnels, sand, water, rough ground, tint, ledges), pads stand on it (the cup,
// springs, fans, teleports, pipes, blasts, eruptions, kickers, pick-ups, switches, the
// cannon), and walls are solids with height.

#include <vector>

#include "canvas.h"
#include "holes/hole_source.h"

namespace orbigolf::content {

void drawGroundArea(Canvas& c, const HoleSource& src, int n, const Colour& accent);
void drawPadArea(Canvas& c, const HoleSource& src, int n, const Colour& accent);
void drawWallSolid(Canvas& c, const std::vector<Point>& poly, double height, bool bumper, const Colour& accent);

}  // namespace orbigolf::content
