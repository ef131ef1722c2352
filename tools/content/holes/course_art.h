#pragma once
// The pictures of a hole drawn from its source: the course (a floor in space seen from
// above, its depth squashed to half, walls with height), the foreground layer that covers
// a ball behind near edges and walls, the cut-outs drawn over a ball sinking into the cup
// or a pipe, and a review copy with every area outlined in a colour of its kind.

#include <vector>

#include "canvas.h"
#include "holes/hole_source.h"
#include "media/dib.h"

namespace orbigolf::content {

// The ground outline of an area as the game tests it: a circle becomes an ellipse of
// half height, a segment the wall strip of half-width 4, a quadrilateral its corners.
// Empty for an area that never matches.
std::vector<Point> areaOutline(const arearec& a);

// The floors of a hole: its [floorN] polygons, else one rectangle round the areas and
// the tee with a margin.
std::vector<std::vector<Point>> holeFloors(const HoleSource& src);

struct CourseArt {
    media::Bitmap course;      // item 0, not keyed
    media::Bitmap foreground;  // item 1, keyed, cut into 24 x 24 cells by the game
    media::Bitmap cupLip;      // item 2, keyed
    media::Bitmap pipeFront;   // drawn at (p1, p2) of the pipe while a ball is inside
};

// Draws everything on a picture of the given size (multiples of 24 keep the
// foreground cells whole).
CourseArt drawCourse(const HoleSource& src, int width, int height);

// The course with every enabled area outlined and labelled by kind, for review.
void drawAreaOverlay(Canvas& canvas, const HoleSource& src, double scale);

// The course picture size: the [hole] size hint, else the areas' extent with a margin;
// at least 648 x 480 and rounded up to whole 24-pixel cells.
std::pair<int, int> courseSize(const HoleSource& src);

}  // namespace orbigolf::content
