#include "holes/course_art.h"

#include <algorithm>
#include <cmath>

#include "finish.h"
#include "game/area_kinds.h"
#include "holes/area_art.h"
#include "holes/art_helpers.h"
#include "holes/scenery_art.h"
#include "sources.h"

namespace orbigolf::content {

using namespace art;

namespace {

double wallHeight(const HoleSource& src, int n) {
    const SourceSection* h = src.areaHints(n);
    return h ? h->real("height", 12) : 12;
}

// Whether a ball can lie in front of (below on the picture) this wall on a floor.
bool floorInFront(const std::vector<std::vector<Point>>& floors, const std::vector<Point>& poly) {
    double maxY = -1e9;
    for (const Point& p : poly) maxY = std::max(maxY, p.y);
    const int samples = 5;
    for (int i = 0; i <= samples; ++i) {
        // Points along the lower side of the outline, 12 pixels further down.
        const size_t k = static_cast<size_t>(i) % poly.size();
        const Point a = poly[k], b = poly[(k + 1) % poly.size()];
        for (double t = 0; t <= 1.0; t += 0.25) {
            const double x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
            if (y < maxY - 10) continue;
            for (const auto& f : floors)
                if (insidePolygon(f, x, y + 12)) return true;
        }
    }
    return false;
}

}  // namespace

std::vector<Point> areaOutline(const arearec& a) {
    std::vector<Point> pts;
    if (a.r >= 1) {
        for (int i = 0; i < 48; ++i) {
            const double an = i * 2 * kPi / 48;
            pts.push_back({a.x1 + std::cos(an) * a.r, a.y1 + std::sin(an) * a.r / 2});
        }
        return pts;
    }
    if (a.x3 != 0 && a.x4 != 0) {
        pts = {{double(a.x1), double(a.y1)}, {double(a.x2), double(a.y2)},
               {double(a.x3), double(a.y3)}, {double(a.x4), double(a.y4)}};
        return pts;
    }
    if (a.x3 != 0 || a.x4 != 0) return pts;
    // The wall strip: half-width 4 round the segment, ends extended by 4.
    const double dx = a.x2 - a.x1, dy = a.y2 - a.y1;
    const double len = std::hypot(dx, dy);
    const double ux = len > 0 ? dx / len : 1, uy = len > 0 ? dy / len : 0;
    const double nx = -uy * 4, ny = ux * 4;
    const double ex = ux * 3, ey = uy * 3;
    pts = {{a.x1 - ex + nx, a.y1 - ey + ny}, {a.x2 + ex + nx, a.y2 + ey + ny},
           {a.x2 + ex - nx, a.y2 + ey - ny}, {a.x1 - ex - nx, a.y1 - ey - ny}};
    return pts;
}

std::vector<std::vector<Point>> holeFloors(const HoleSource& src) {
    std::vector<std::vector<Point>> floors;
    for (const SourceSection* s : src.numbered("floor")) {
        auto pts = parsePoints(s->text("points"), src.where + " [" + s->name + "]");
        if (pts.size() < 3) throw SourceError(src.where + ": [" + s->name + "] needs at least 3 points");
        floors.push_back(std::move(pts));
    }
    if (!floors.empty()) return floors;
    // Walls end the floor; anything else gets some floor round it.
    double minX = src.teeX - 40, minY = src.teeY - 24, maxX = src.teeX + 40, maxY = src.teeY + 24;
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == area::kEmpty || a.kind == area::kCourseEdge) continue;
        const double margin = isWall(a.kind) ? 0 : 24;
        for (const Point& p : areaOutline(a)) {
            minX = std::min(minX, p.x - margin); minY = std::min(minY, p.y - margin / 2);
            maxX = std::max(maxX, p.x + margin); maxY = std::max(maxY, p.y + margin / 2);
        }
    }
    floors.push_back({{minX, minY}, {maxX, minY}, {maxX, maxY}, {minX, maxY}});
    return floors;
}

std::pair<int, int> courseSize(const HoleSource& src) {
    int w = 0, h = 0;
    if (const auto s = src.size()) {
        w = s->first;
        h = s->second;
    } else {
        double maxX = 0, maxY = 0;
        for (const auto& f : holeFloors(src))
            for (const Point& p : f) {
                maxX = std::max(maxX, p.x);
                maxY = std::max(maxY, p.y);
            }
        w = static_cast<int>(maxX) + 80;
        h = static_cast<int>(maxY) + 120;
    }
    w = std::max(w, 648);
    h = std::max(h, 480);
    return {(w + 23) / 24 * 24, (h + 23) / 24 * 24};
}

CourseArt drawCourse(const HoleSource& src, int width, int height) {
    Canvas c(width, height);
    Canvas fg(width, height);
    fg.clear();
    const Colour accent = src.colour("accent", 0xff9a2e);
    const Colour turf = src.colour("turf", 0x2fa84f);
    drawSpace(c, src);
    const auto floors = holeFloors(src);
    const auto floorSections = src.numbered("floor");
    for (size_t i = 0; i < floors.size(); ++i) {
        const double depth = i < floorSections.size() ? floorSections[i]->real("depth", 40) : 40;
        const bool underside = i < floorSections.size() ? floorSections[i]->integer("underside", 1) != 0 : true;
        drawFloorSlab(c, floors[i], depth, stemSeed(src.stem) + static_cast<uint32_t>(i), underside);
        Colour t = turf;
        if (i < floorSections.size() && floorSections[i]->get("turf"))
            t = colourFromRgb(snapToDisplayGrid(parseRgb(floorSections[i]->text("turf"), src.where)));
        drawFloorTop(c, floors[i], t);
    }
    // Floor paint: arrows and words.
    for (const SourceSection* s : src.numbered("deco")) {
        const std::string type = s->text("type");
        if (type == "arrow") {
            arrowOnFloor(c.cr(), s->real("x", 0), s->real("y", 0), s->integer("heading", 0),
                         s->real("length", 30), withAlpha(accent, 0.75));
        }
    }
    // Rims of water first, so neighbouring water areas join into one pool.
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind != area::kWater || hintStyle(src, n) == "none") continue;
        const auto poly = areaOutline(a);
        if (!poly.empty()) strokePoly(c, poly, darker(a.p3 == 1 ? rgb(0x4fc02a) : rgb(0x1f6fd1), 0.5), 5);
    }
    std::vector<int> walls;
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == area::kEmpty || hintStyle(src, n) == "none") continue;
        if (isWall(a.kind)) walls.push_back(n); else drawGroundArea(c, src, n, accent);
    }
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == area::kEmpty || isWall(a.kind) || hintStyle(src, n) == "none") continue;
        drawPadArea(c, src, n, accent);
    }
    // Walls from the back to the front.
    std::stable_sort(walls.begin(), walls.end(), [&](int a, int b) {
        double ya = -1e9, yb = -1e9;
        for (const Point& p : areaOutline(src.areas[a])) ya = std::max(ya, p.y);
        for (const Point& p : areaOutline(src.areas[b])) yb = std::max(yb, p.y);
        return ya < yb;
    });
    for (int n : walls) {
        const arearec& a = src.areas[n];
        const auto poly = areaOutline(a);
        if (poly.empty()) continue;
        const double h = wallHeight(src, n);
        const bool bumper = a.kind == area::kWallBent19 || a.kind == area::kWallBent109;
        drawWallSolid(c, poly, h, bumper, accent);
        // The foreground takes what must cover a ball behind the wall: the whole wall where
        // no ball can be in front of it, else only the part high enough above the wall's
        // lower side that a ball in front (its top at most 8 pixels above its centre) never
        // reaches it.
        const SourceSection* hints = src.areaHints(n);
        const std::string front = hints ? hints->text("front", "auto") : "auto";
        bool whole = front == "all";
        if (front == "none") continue;
        if (front == "auto") {
            // A steep wall stands beside the balls next to it, never in front of them.
            if (isSegment(a) && std::abs(a.y2 - a.y1) > 2 * std::abs(a.x2 - a.x1)) continue;
            whole = !floorInFront(floors, poly);
        }
        cairo_t* fcr = fg.cr();
        cairo_save(fcr);
        if (!whole) {
            // Lowest point of the outline's lower side under each x, less the ball's reach.
            if (isSegment(a)) {
                const double dx = a.x2 - a.x1, dy = a.y2 - a.y1;
                const double slope = std::abs(dx) < 1e-9 ? 1e9 : std::abs(dy / dx);
                if (slope > 2) {
                    cairo_restore(fcr);
                    continue;
                }
                double lowX0 = poly[0].x, lowY0 = -1e9, lowX1 = poly[0].x, lowY1 = -1e9;
                // The lower long side of the strip.
                const Point s0 = poly[0], s1 = poly[1], s2 = poly[2], s3 = poly[3];
                if (s0.y + s1.y > s2.y + s3.y) {
                    lowX0 = s0.x; lowY0 = s0.y; lowX1 = s1.x; lowY1 = s1.y;
                } else {
                    lowX0 = s3.x; lowY0 = s3.y; lowX1 = s2.x; lowY1 = s2.y;
                }
                const double off = 8 + 8 * slope + 1;
                cairo_new_path(fcr);
                cairo_move_to(fcr, lowX0 - 1000, lowY0 - off - 1000 * (lowY1 - lowY0) / (lowX1 - lowX0 + 1e-9));
                cairo_line_to(fcr, lowX0, lowY0 - off);
                cairo_line_to(fcr, lowX1, lowY1 - off);
                cairo_line_to(fcr, lowX1 + 1000, lowY1 - off + 1000 * (lowY1 - lowY0) / (lowX1 - lowX0 + 1e-9));
                cairo_line_to(fcr, lowX1 + 1000, -10000);
                cairo_line_to(fcr, lowX0 - 1000, -10000);
                cairo_close_path(fcr);
                cairo_clip(fcr);
            } else {
                double maxY = -1e9;
                for (const Point& p : poly) maxY = std::max(maxY, p.y);
                cairo_rectangle(fcr, 0, 0, width, maxY - 16);
                cairo_clip(fcr);
            }
        }
        drawWallSolid(fg, poly, h, bumper, accent);
        cairo_restore(fcr);
    }
    // Grain over everything, so flat colours do not band on a 16-bit screen.
    cairo_surface_flush(c.surface());
    unsigned char* data = cairo_image_surface_get_data(c.surface());
    const int stride = cairo_image_surface_get_stride(c.surface());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            const int d = static_cast<int>(hashNoise(x, y, 7) * 9) - 4;
            auto ch = [&](int shift) {
                return static_cast<uint32_t>(std::clamp(static_cast<int>((p >> shift) & 0xFF) + d, 0, 255)) << shift;
            };
            row[x] = 0xFF000000u | ch(16) | ch(8) | ch(0);
        }
    }
    c.markDirty();

    CourseArt art;
    FinishOptions plain;
    plain.keyed = false;
    art.course = finishCanvas(c, plain);
    art.foreground = finishCanvas(fg);
    // Cut-outs: the course round the near half of the cup (or pipe mouth) down to where a
    // sinking ball is drawn, with the opening itself left transparent.
    auto cutOut = [&](const arearec& a, int left, int top) {
        const int right = a.x1 + a.r + 10;
        const int bottom = a.y1 + 62;
        const int w = std::max(1, right - left), h = std::max(1, bottom - top);
        media::Bitmap out = media::makeBitmap(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const int cx = left + x, cy = top + y;
                if (cx < 0 || cy < 0 || cx >= width || cy >= height) continue;
                const double gd = std::hypot(cx - a.x1, 2.0 * (cy - a.y1));
                const bool opening = gd <= a.r + 0.5 && cy <= a.y1 + a.r / 2;
                if (opening) continue;
                media::Rgb px = art.course.pixel(cx, cy);
                const media::Rgb f = art.foreground.pixel(cx, cy);
                if (f != 0) px = f;
                out.pixel(x, y) = px == 0 ? kDarkestNonKey : px;
            }
        }
        return out;
    };
    art.cupLip = media::makeBitmap(8, 8);
    art.pipeFront = media::makeBitmap(8, 8);
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == area::kCup && a.r >= 1) art.cupLip = cutOut(a, a.x2, a.y2);
        if (a.kind == area::kPipe && a.r >= 1) art.pipeFront = cutOut(a, a.p1, a.p2);
    }
    return art;
}

void drawAreaOverlay(Canvas& canvas, const HoleSource& src, double scale) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_scale(cr, scale, scale);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 10);
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == area::kEmpty) continue;
        const auto poly = areaOutline(a);
        if (poly.empty()) continue;
        // A colour per kind, spread round the hue circle.
        const double hue = std::fmod(a.kind * 0.381966, 1.0) * 6;
        const double f = hue - std::floor(hue);
        double r = 0, g = 0, b = 0;
        switch (static_cast<int>(hue)) {
            case 0: r = 1; g = f; break;
            case 1: r = 1 - f; g = 1; break;
            case 2: g = 1; b = f; break;
            case 3: g = 1 - f; b = 1; break;
            case 4: r = f; b = 1; break;
            default: r = 1; b = 1 - f; break;
        }
        path(cr, poly);
        cairo_set_source_rgba(cr, r, g, b, a.enabled ? 0.25 : 0.08);
        cairo_fill_preserve(cr);
        cairo_set_source_rgba(cr, r, g, b, 1);
        cairo_set_line_width(cr, 1.5 / scale);
        if (!a.enabled) {
            const double dash[] = {4, 3};
            cairo_set_dash(cr, dash, 2, 0);
        }
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        const Point ctr = centreOf(poly);
        const std::string label = std::to_string(n) + ":" + std::to_string(a.kind);
        cairo_move_to(cr, ctr.x - 8, ctr.y + 4);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_show_text(cr, label.c_str());
        cairo_move_to(cr, ctr.x - 9, ctr.y + 3);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_show_text(cr, label.c_str());
        if (a.kind == area::kTeleport || a.kind == area::kPipe || a.kind == area::kLauncher) {
            cairo_move_to(cr, ctr.x, ctr.y);
            cairo_line_to(cr, a.x2, a.y2);
            cairo_set_source_rgba(cr, r, g, b, 0.7);
            cairo_stroke(cr);
        }
        if ((a.kind == area::kWater || a.kind == area::kCourseEdge) && (a.p1 || a.p2)) {
            ellipsePath(cr, a.p1, a.p2, 6, 3);
            cairo_set_source_rgba(cr, r, g, b, 1);
            cairo_fill(cr);
        }
    }
    // The tee.
    ellipsePath(cr, src.teeX, src.teeY, 31, 15.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
    cairo_set_line_width(cr, 1.5 / scale);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace orbigolf::content

