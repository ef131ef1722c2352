#include "holes/course_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "finish.h"
#include "game/geometry.h"
#include "sources.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

// Deterministic noise 0..1 for a pixel and a channel.
double hashNoise(int x, int y, uint32_t seed) {
    uint64_t z = (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) ^ static_cast<uint32_t>(y);
    z += 0x9E3779B97F4A7C15ull * (seed + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

// A small seeded generator for placing things.
struct Dice {
    uint64_t state;
    double next() {  // 0..1
        state += 0x9E3779B97F4A7C15ull;
        uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) / 9007199254740992.0;
    }
    double range(double a, double b) { return a + (b - a) * next(); }
};

uint32_t stemSeed(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

Colour rgb(uint32_t v, double a = 1) { return colourFromRgb(snapToDisplayGrid(v), a); }

void path(cairo_t* cr, const std::vector<Point>& pts, double dx = 0, double dy = 0) {
    cairo_new_path(cr);
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, pts[i].x + dx, pts[i].y + dy);
        else
            cairo_line_to(cr, pts[i].x + dx, pts[i].y + dy);
    }
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_close_path(cr);
}

bool insidePolygon(const std::vector<Point>& poly, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

Point centreOf(const std::vector<Point>& pts) {
    Point c;
    for (const Point& p : pts) {
        c.x += p.x;
        c.y += p.y;
    }
    if (!pts.empty()) {
        c.x /= static_cast<double>(pts.size());
        c.y /= static_cast<double>(pts.size());
    }
    return c;
}

bool isWall(int kind) { return kind == 1 || kind == 2 || kind == 3 || kind == 4 || kind == 6 || kind == 7; }
bool isSegment(const arearec& a) { return a.r < 1 && a.x3 == 0 && a.x4 == 0; }

// Downhill direction of a slope or ramp kind, in turn units; -1 for other kinds.
int downhill(int kind) {
    switch (kind) {
        case 8: return 96;
        case 9: return 0;
        case 10: return 32;
        case 11: return 128;
        case 15: return 0;
        case 16: return 19;
        case 17: return 64;
        case 18: return 109;
        case 19: return 128;
        case 20: return 147;
        case 21: return 192;
        case 22: return 237;
        default: return -1;
    }
}

double turnRad(double t) { return t * 2 * kPi / 256; }

std::string hintStyle(const HoleSource& src, int n) {
    const SourceSection* h = src.areaHints(n);
    return h ? h->text("style", "") : "";
}

// --- space ------------------------------------------------------------------------

void drawPlanet(cairo_t* cr, double x, double y, double r, const Colour& c, bool ring) {
    if (ring) {  // back half of the ring
        cairo_save(cr);
        cairo_set_line_width(cr, r * 0.12);
        cairo_set_source_rgba(cr, lighter(c, 0.4).r, lighter(c, 0.4).g, lighter(c, 0.4).b, 0.55);
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, r * 1.9, r * 0.45);
        cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
        cairo_restore(cr);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r);
    const Colour hi = lighter(c, 0.35);
    const Colour lo = darker(c, 0.75);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.7, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // bands
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_clip(cr);
    for (int i = -3; i <= 3; ++i) {
        cairo_set_source_rgba(cr, lo.r, lo.g, lo.b, 0.18);
        cairo_rectangle(cr, x - r, y + i * r * 0.28 - r * 0.05, 2 * r, r * 0.09);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (ring) {  // front half
        cairo_save(cr);
        cairo_set_line_width(cr, r * 0.12);
        const Colour rc = lighter(c, 0.45);
        cairo_set_source_rgba(cr, rc.r, rc.g, rc.b, 0.8);
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, r * 1.9, r * 0.45);
        cairo_arc(cr, 0, 0, 1, 0, kPi);
        cairo_restore(cr);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void drawAsteroid(cairo_t* cr, double x, double y, double r, uint32_t seed) {
    Dice d{seed};
    cairo_new_path(cr);
    for (int i = 0; i < 11; ++i) {
        const double a = i * 2 * kPi / 11;
        const double rr = r * d.range(0.75, 1.1);
        const double px = x + std::cos(a) * rr;
        const double py = y + std::sin(a) * rr * 0.8;
        if (i == 0) cairo_move_to(cr, px, py); else cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - r, y - r, x + r, y + r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.42, 0.47);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.11, 0.16);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int i = 0; i < 4; ++i) {
        const double cx = x + d.range(-0.5, 0.5) * r, cy = y + d.range(-0.4, 0.4) * r;
        const double cr2 = r * d.range(0.1, 0.22);
        ellipsePath(cr, cx, cy, cr2, cr2 * 0.8);
        cairo_set_source_rgba(cr, 0.05, 0.05, 0.08, 0.35);
        cairo_fill(cr);
    }
}

void drawSpace(Canvas& c, const HoleSource& src) {
    cairo_t* cr = c.cr();
    const Colour top = src.colour("space_top", 0x070b1e);
    const Colour bottom = src.colour("space_bottom", 0x111a3a);
    c.verticalGradient(0, c.height(), top, bottom);
    cairo_paint(cr);
    Dice d{stemSeed(src.stem)};
    const Colour neb[2] = {src.colour("nebula", 0x4b2a7a), src.colour("nebula2", 0x12506a)};
    const int wisps = (c.width() * c.height()) / 90000 + 4;
    for (int i = 0; i < wisps; ++i) {
        const double x = d.range(0, c.width()), y = d.range(0, c.height());
        const double r = d.range(90, 260);
        const Colour n = neb[i % 2];
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1.0, d.range(0.35, 0.7));
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, r);
        cairo_pattern_add_color_stop_rgba(p, 0, n.r, n.g, n.b, 0.32);
        cairo_pattern_add_color_stop_rgba(p, 1, n.r, n.g, n.b, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    const int stars = c.width() * c.height() / 1400;
    for (int i = 0; i < stars; ++i) {
        const double x = std::floor(d.range(0, c.width())), y = std::floor(d.range(0, c.height()));
        const double b = d.range(0.35, 1.0);
        const bool blue = d.next() < 0.4;
        cairo_set_source_rgba(cr, blue ? b * 0.8 : b, blue ? b * 0.9 : b, b, 1);
        if (d.next() < 0.06) {
            cairo_pattern_t* p = cairo_pattern_create_radial(x + 0.5, y + 0.5, 0, x + 0.5, y + 0.5, 4);
            cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.9);
            cairo_pattern_add_color_stop_rgba(p, 1, 0.7, 0.8, 1, 0);
            cairo_set_source(cr, p);
            cairo_arc(cr, x + 0.5, y + 0.5, 4, 0, 2 * kPi);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        } else {
            cairo_rectangle(cr, x, y, 1, 1);
            cairo_fill(cr);
        }
    }
    for (const SourceSection* s : src.numbered("deco")) {
        const std::string type = s->text("type");
        const double x = s->real("x", 0), y = s->real("y", 0), r = s->real("r", 40);
        if (type == "planet")
            drawPlanet(cr, x, y, r, rgb(parseRgb(s->text("colour", "#c0704a"), src.where)),
                       s->integer("ring", 0) != 0);
        else if (type == "asteroid")
            drawAsteroid(cr, x, y, r, stemSeed(src.stem + s->name));
    }
}

// --- floors ----------------------------------------------------------------------

void drawFloorSlab(Canvas& c, const std::vector<Point>& poly, double depth, uint32_t seed, bool underside) {
    cairo_t* cr = c.cr();
    // Rocky underside hanging below the near edges.
    Dice d{seed};
    const Colour rockHi = rgb(0x4a4458), rockLo = rgb(0x15131f);
    for (size_t i = 0; underside && i < poly.size(); ++i) {
        const Point a = poly[i], b = poly[(i + 1) % poly.size()];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const int lumps = std::max(1, static_cast<int>(len / 28));
        for (int k = 0; k < lumps; ++k) {
            const double t0 = static_cast<double>(k) / lumps, t1 = static_cast<double>(k + 1) / lumps;
            const double x0 = a.x + (b.x - a.x) * t0, y0 = a.y + (b.y - a.y) * t0 + depth;
            const double x1 = a.x + (b.x - a.x) * t1, y1 = a.y + (b.y - a.y) * t1 + depth;
            const double tipX = (x0 + x1) / 2 + d.range(-8, 8);
            const double tipY = (y0 + y1) / 2 + d.range(14, 46);
            cairo_new_path(cr);
            cairo_move_to(cr, x0, y0 - 2);
            cairo_line_to(cr, tipX, tipY);
            cairo_line_to(cr, x1, y1 - 2);
            cairo_close_path(cr);
            c.verticalGradient(std::min(y0, y1) - 2, tipY, rockHi, rockLo);
            cairo_fill(cr);
        }
    }
    // Side faces: the floor outline swept down by the depth.
    const Colour face = rgb(0x3b4254), faceLo = rgb(0x1c2030);
    for (size_t i = 0; i < poly.size(); ++i) {
        const Point a = poly[i], b = poly[(i + 1) % poly.size()];
        cairo_new_path(cr);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, b.x, b.y + depth);
        cairo_line_to(cr, a.x, a.y + depth);
        cairo_close_path(cr);
        c.verticalGradient(std::min(a.y, b.y), std::max(a.y, b.y) + depth, face, faceLo);
        cairo_fill(cr);
    }
    // A strip of lights along the face.
    for (size_t i = 0; underside && i < poly.size(); ++i) {
        const Point a = poly[i], b = poly[(i + 1) % poly.size()];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        for (double t = 20; t < len - 10; t += 40) {
            const double x = a.x + (b.x - a.x) * t / len, y = a.y + (b.y - a.y) * t / len + depth * 0.45;
            cairo_set_source_rgba(cr, 0.25, 0.94, 1.0, 0.7);
            cairo_rectangle(cr, x - 2, y - 1, 4, 2);
            cairo_fill(cr);
        }
    }
}

void drawFloorTop(Canvas& c, const std::vector<Point>& poly, const Colour& turf) {
    cairo_t* cr = c.cr();
    path(cr, poly);
    c.setColour(turf);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // Light from the top left.
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const Point& p : poly) {
        minX = std::min(minX, p.x); minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x); maxY = std::max(maxY, p.y);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(minX, minY, maxX, maxY);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.10);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.14);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    // A faint grid (square on the ground, so half as tall on the picture).
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0, 0.15, 0.05, 0.10);
    for (double x = std::floor(minX / 48) * 48; x <= maxX; x += 48) {
        cairo_move_to(cr, x + 0.5, minY);
        cairo_line_to(cr, x + 0.5, maxY);
    }
    for (double y = std::floor(minY / 24) * 24; y <= maxY; y += 24) {
        cairo_move_to(cr, minX, y + 0.5);
        cairo_line_to(cr, maxX, y + 0.5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The rim of the floor.
    path(cr, poly);
    cairo_set_line_width(cr, 2);
    const Colour rim = lighter(turf, 0.35);
    cairo_set_source_rgba(cr, rim.r, rim.g, rim.b, 0.9);
    cairo_stroke(cr);
}

// --- areas -----------------------------------------------------------------------

void chevrons(cairo_t* cr, const std::vector<Point>& poly, int dir, const Colour& col, double alpha,
              double spacing) {
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const Point& p : poly) {
        minX = std::min(minX, p.x); minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x); maxY = std::max(maxY, p.y);
    }
    const double ux = std::cos(turnRad(dir)), uy = std::sin(turnRad(dir));
    const double vx = -uy, vy = ux;
    cairo_save(cr);
    path(cr, poly);
    cairo_clip(cr);
    cairo_set_source_rgba(cr, col.r, col.g, col.b, alpha);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double y = minY + spacing / 2; y < maxY + spacing; y += spacing * 0.7) {
        for (double x = minX + spacing / 2; x < maxX + spacing; x += spacing) {
            const double s = 7;
            cairo_move_to(cr, x - ux * s + vx * s, y - uy * s + vy * s);
            cairo_line_to(cr, x, y);
            cairo_line_to(cr, x - ux * s - vx * s, y - uy * s - vy * s);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void shadeAlong(cairo_t* cr, const std::vector<Point>& poly, int dir, double light, double dark) {
    double minP = 1e9, maxP = -1e9;
    const double ux = std::cos(turnRad(dir)), uy = std::sin(turnRad(dir));
    for (const Point& p : poly) {
        minP = std::min(minP, p.x * ux + p.y * uy);
        maxP = std::max(maxP, p.x * ux + p.y * uy);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(ux * minP, uy * minP, ux * maxP, uy * maxP);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, light);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, dark);
    path(cr, poly);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void grains(cairo_t* cr, const std::vector<Point>& poly, const Colour& col, double density, uint32_t seed,
            double size) {
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const Point& p : poly) {
        minX = std::min(minX, p.x); minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x); maxY = std::max(maxY, p.y);
    }
    Dice d{seed};
    const int n = static_cast<int>((maxX - minX) * (maxY - minY) * density);
    cairo_save(cr);
    path(cr, poly);
    cairo_clip(cr);
    for (int i = 0; i < n; ++i) {
        const double x = d.range(minX, maxX), y = d.range(minY, maxY);
        cairo_set_source_rgba(cr, col.r, col.g, col.b, d.range(0.3, 0.8));
        cairo_rectangle(cr, std::floor(x), std::floor(y), size, size);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void fillPoly(Canvas& c, const std::vector<Point>& poly, const Colour& col) {
    path(c.cr(), poly);
    c.setColour(col);
    cairo_fill(c.cr());
}

void strokePoly(Canvas& c, const std::vector<Point>& poly, const Colour& col, double width) {
    path(c.cr(), poly);
    c.setColour(col);
    cairo_set_line_width(c.cr(), width);
    cairo_set_line_join(c.cr(), CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(c.cr());
}

// Areas lying flat on the floor.
void drawGroundArea(Canvas& c, const HoleSource& src, int n, const Colour& accent) {
    const arearec& a = src.areas[n];
    const std::vector<Point> poly = areaOutline(a);
    if (poly.empty()) return;
    cairo_t* cr = c.cr();
    const uint32_t seed = stemSeed(src.stem) + static_cast<uint32_t>(n) * 7919u;
    switch (a.kind) {
        case 15: case 16: case 17: case 18: case 19: case 20: case 21: case 22: {
            shadeAlong(cr, poly, downhill(a.kind), 0.22, 0.26);
            chevrons(cr, poly, downhill(a.kind), rgb(0x1d6b34), 0.55, 34);
            strokePoly(c, poly, withAlpha(rgb(0x1d6b34), 0.5), 1.5);
            break;
        }
        case 8: case 9: case 10: case 11: {
            fillPoly(c, poly, rgb(0x7d8aa0));
            shadeAlong(cr, poly, downhill(a.kind), 0.45, 0.35);
            // Ribs across the ramp.
            chevrons(cr, poly, downhill(a.kind), rgb(0xffd34a), 0.8, 26);
            strokePoly(c, poly, rgb(0xd9e2f2), 2);
            break;
        }
        case 14: {
            const Point ctr{static_cast<double>(a.x1), static_cast<double>(a.y1)};
            double reach = 0;
            for (const Point& p : poly) reach = std::max(reach, std::hypot(p.x - ctr.x, 2 * (p.y - ctr.y)));
            cairo_save(cr);
            path(cr, poly);
            cairo_clip(cr);
            for (int i = 6; i >= 1; --i) {
                const double r = reach * i / 6;
                ellipsePath(cr, ctr.x, ctr.y, r, r / 2);
                cairo_set_source_rgba(cr, 0, 0.1, 0.03, 0.07);
                cairo_fill_preserve(cr);
                cairo_set_source_rgba(cr, 0.8, 1, 0.85, 0.12);
                cairo_set_line_width(cr, 1.5);
                cairo_stroke(cr);
            }
            cairo_restore(cr);
            break;
        }
        case 23: {
            fillPoly(c, poly, rgb(0xc9b27a));
            cairo_save(cr);
            path(cr, poly);
            cairo_clip(cr);
            path(cr, poly, 0, 3);
            c.setColour(rgb(0xe8d7a0));
            cairo_fill(cr);
            cairo_restore(cr);
            grains(cr, poly, rgb(0xa08a55), 0.05, seed, 1);
            grains(cr, poly, rgb(0xfff4d6), 0.03, seed + 1, 1);
            break;
        }
        case 24: {
            const bool acid = a.p3 == 1;
            const Colour water = acid ? rgb(0x4fc02a) : rgb(0x1f6fd1);
            fillPoly(c, poly, water);  // the rims of all water were drawn first
            cairo_save(cr);
            path(cr, poly);
            cairo_clip(cr);
            path(cr, poly, 0, 6);
            c.setColour(lighter(water, 0.12));
            cairo_fill(cr);
            Dice d{seed};
            double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
            for (const Point& p : poly) {
                minX = std::min(minX, p.x); minY = std::min(minY, p.y);
                maxX = std::max(maxX, p.x); maxY = std::max(maxY, p.y);
            }
            const int ripples = static_cast<int>((maxX - minX) * (maxY - minY) / 500) + 3;
            cairo_set_line_width(cr, 1.5);
            for (int i = 0; i < ripples; ++i) {
                const double x = d.range(minX, maxX), y = d.range(minY, maxY), w = d.range(6, 16);
                cairo_new_path(cr);
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_scale(cr, w, w / 3);
                cairo_arc(cr, 0, 0, 1, kPi * 1.1, kPi * 1.9);
                cairo_restore(cr);
                const Colour rip = lighter(water, 0.55);
                cairo_set_source_rgba(cr, rip.r, rip.g, rip.b, 0.7);
                cairo_stroke(cr);
            }
            cairo_restore(cr);
            // The re-drop point: a small landing ring.
            if (a.p1 != 0 || a.p2 != 0) {
                ellipsePath(cr, a.p1, a.p2, 10, 5);
                cairo_set_source_rgba(cr, 0.85, 0.95, 1, 0.35);
                cairo_set_line_width(cr, 1.5);
                cairo_stroke(cr);
            }
            break;
        }
        case 30: {
            fillPoly(c, poly, rgb(0x1f7a3a));
            grains(cr, poly, rgb(0x0f4a20), 0.06, seed, 2);
            Dice d{seed + 3};
            double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
            for (const Point& p : poly) {
                minX = std::min(minX, p.x); minY = std::min(minY, p.y);
                maxX = std::max(maxX, p.x); maxY = std::max(maxY, p.y);
            }
            cairo_save(cr);
            path(cr, poly);
            cairo_clip(cr);
            const int tufts = static_cast<int>((maxX - minX) * (maxY - minY) / 120);
            cairo_set_line_width(cr, 1.2);
            for (int i = 0; i < tufts; ++i) {
                const double x = d.range(minX, maxX), y = d.range(minY, maxY);
                cairo_set_source_rgba(cr, 0.45, 0.8, 0.35, 0.8);
                cairo_move_to(cr, x - 3, y - 4);
                cairo_line_to(cr, x, y);
                cairo_line_to(cr, x + 3, y - 5);
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x, y - 6);
                cairo_stroke(cr);
            }
            cairo_restore(cr);
            strokePoly(c, poly, withAlpha(rgb(0x0f4a20), 0.6), 1.5);
            break;
        }
        case 32: {
            path(cr, poly);
            cairo_set_source_rgba(cr, 0.29, 0.16, 0.48, 0.35);
            cairo_fill(cr);
            grains(cr, poly, rgb(0xc8b8ff), 0.004, seed, 1);
            break;
        }
        case 33: {
            // The step down: a face in the floor's shadow with a bright upper edge.
            fillPoly(c, poly, rgb(0x1b5d30));
            cairo_save(cr);
            path(cr, poly);
            cairo_clip(cr);
            double minY = 1e9;
            for (const Point& p : poly) minY = std::min(minY, p.y);
            c.verticalGradient(minY, minY + 4 + a.p1, rgb(0x0c2a16), rgb(0x1b5d30));
            cairo_paint(cr);
            cairo_restore(cr);
            break;
        }
        default: break;
    }
    (void)accent;
}

void pad(Canvas& c, double x, double y, double r, const Colour& base, const Colour& rim) {
    cairo_t* cr = c.cr();
    ellipsePath(cr, x, y + 2, r + 2, (r + 2) / 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    ellipsePath(cr, x, y, r, r / 2);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.2, 0, x, y, r);
    const Colour hi = lighter(base, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, base.r, base.g, base.b);
    cairo_save(cr);
    cairo_translate(cr, 0, 0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(p);
    c.setColour(rim);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void arrowOnFloor(cairo_t* cr, double x, double y, int heading, double len, const Colour& col) {
    const double ux = std::cos(turnRad(heading)), uy = std::sin(turnRad(heading));
    const double tx = x + ux * len, ty = y + uy * len;
    cairo_set_source_rgba(cr, col.r, col.g, col.b, col.a);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, tx, ty);
    cairo_stroke(cr);
    cairo_move_to(cr, tx + ux * 6, ty + uy * 6);
    cairo_line_to(cr, tx - uy * 6, ty + ux * 6);
    cairo_line_to(cr, tx + uy * 6, ty - ux * 6);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// Pads, holes and markers standing on the floor.
void drawPadArea(Canvas& c, const HoleSource& src, int n, const Colour& accent) {
    const arearec& a = src.areas[n];
    const std::vector<Point> poly = areaOutline(a);
    if (poly.empty()) return;
    cairo_t* cr = c.cr();
    const Point ctr = a.r >= 1 ? Point{static_cast<double>(a.x1), static_cast<double>(a.y1)} : centreOf(poly);
    double rad = a.r >= 1 ? a.r : 0;
    if (rad == 0)
        for (const Point& p : poly) rad = std::max(rad, std::hypot(p.x - ctr.x, 2 * (p.y - ctr.y)));
    switch (a.kind) {
        case 5: {
            // A glowing ring round the cup so it can be found from afar, then the hole.
            for (int i = 3; i >= 1; --i) {
                ellipsePath(cr, a.x1, a.y1, a.r + 4 + 3 * i, (a.r + 4 + 3 * i) / 2.0);
                cairo_set_source_rgba(cr, accent.r, accent.g, accent.b, 0.18);
                cairo_set_line_width(cr, 2);
                cairo_stroke(cr);
            }
            ellipsePath(cr, a.x1, a.y1, a.r + 2, (a.r + 2) / 2.0);
            cairo_set_source_rgb(cr, 0.9, 0.95, 1);
            cairo_fill(cr);
            ellipsePath(cr, a.x1, a.y1 + 0.5, a.r, a.r / 2.0);
            cairo_set_source_rgb(cr, 0.02, 0.03, 0.06);
            cairo_fill(cr);
            // Inner far wall catching the light.
            cairo_save(cr);
            ellipsePath(cr, a.x1, a.y1 + 0.5, a.r, a.r / 2.0);
            cairo_clip(cr);
            ellipsePath(cr, a.x1, a.y1 + a.r * 0.35, a.r, a.r / 2.0);
            cairo_set_source_rgb(cr, 0.16, 0.18, 0.24);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            cairo_rectangle(cr, a.x1 - a.r - 2, a.y1 - a.r, 2 * a.r + 4, 2 * a.r);
            cairo_fill(cr);
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            cairo_restore(cr);
            break;
        }
        case 13: {
            pad(c, ctr.x, ctr.y, rad, rgb(0xd8402f), rgb(0xffd0a0));
            for (int i = 1; i <= 3; ++i) {
                ellipsePath(cr, ctr.x, ctr.y, rad * i / 4, rad * i / 8);
                cairo_set_source_rgba(cr, 1, 0.85, 0.5, 0.8);
                cairo_set_line_width(cr, 1.5);
                cairo_stroke(cr);
            }
            if (a.p3 != 0) arrowOnFloor(cr, ctr.x, ctr.y, a.p3 - 8, rad * 0.7, Colour{1, 1, 1, 0.85});
            break;
        }
        case 43: {
            pad(c, ctr.x, ctr.y, rad, rgb(0x5a6478), rgb(0xd9e2f2));
            for (int i = 0; i < 6; ++i) {
                const double an = i * kPi / 3;
                cairo_move_to(cr, ctr.x, ctr.y);
                cairo_line_to(cr, ctr.x + std::cos(an) * rad * 0.85, ctr.y + std::sin(an) * rad * 0.42);
                cairo_line_to(cr, ctr.x + std::cos(an + 0.5) * rad * 0.85, ctr.y + std::sin(an + 0.5) * rad * 0.42);
                cairo_close_path(cr);
                cairo_set_source_rgba(cr, 0.1, 0.12, 0.16, 0.8);
                cairo_fill(cr);
            }
            if (a.p3 != 0) arrowOnFloor(cr, ctr.x, ctr.y, a.p3 - 8, rad * 0.7, Colour{0.25, 0.94, 1, 0.9});
            break;
        }
        case 25: case 37: {
            const Colour base = a.kind == 25 ? rgb(0x6a3ac8) : rgb(0xe07a20);
            pad(c, ctr.x, ctr.y, rad, base, rgb(0xd8c8ff));
            cairo_set_line_width(cr, 2);
            for (int i = 0; i < 3; ++i) {
                cairo_new_path(cr);
                cairo_save(cr);
                cairo_translate(cr, ctr.x, ctr.y);
                cairo_scale(cr, rad * (0.3 + 0.2 * i), rad * (0.15 + 0.1 * i));
                cairo_arc(cr, 0, 0, 1, i * 2.1, i * 2.1 + 3.6);
                cairo_restore(cr);
                cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
                cairo_stroke(cr);
            }
            // The exit.
            ellipsePath(cr, a.x2, a.y2, 14, 7);
            cairo_set_source_rgba(cr, base.r, base.g, base.b, 0.5);
            cairo_fill_preserve(cr);
            cairo_set_source_rgba(cr, 0.85, 0.8, 1, 0.9);
            cairo_stroke(cr);
            break;
        }
        case 26: {
            // The pipe mouth and the pipe's far end.
            ellipsePath(cr, a.x1, a.y1, a.r + 7, (a.r + 7) / 2.0);
            c.setColour(rgb(0x8a93a6));
            cairo_fill(cr);
            ellipsePath(cr, a.x1, a.y1 - 1, a.r + 7, (a.r + 7) / 2.0);
            c.setColour(rgb(0xd9e2f2));
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
            ellipsePath(cr, a.x1, a.y1, a.r + 1, (a.r + 1) / 2.0);
            cairo_set_source_rgb(cr, 0.02, 0.02, 0.05);
            cairo_fill(cr);
            ellipsePath(cr, a.x2, a.y2 + 4, 16, 9);
            c.setColour(rgb(0x3b4254));
            cairo_fill(cr);
            ellipsePath(cr, a.x2, a.y2, 16, 8);
            c.setColour(rgb(0x8a93a6));
            cairo_fill(cr);
            ellipsePath(cr, a.x2, a.y2, 10, 5);
            cairo_set_source_rgb(cr, 0.05, 0.05, 0.08);
            cairo_fill(cr);
            break;
        }
        case 27: {
            pad(c, ctr.x, ctr.y, rad, rgb(0x3a2a20), rgb(0xff9a2e));
            for (int i = 0; i < 8; i += 2) {
                const double an = i * kPi / 4;
                cairo_move_to(cr, ctr.x, ctr.y);
                cairo_arc(cr, ctr.x, ctr.y, 1, an, an);
                cairo_line_to(cr, ctr.x + std::cos(an) * rad * 0.9, ctr.y + std::sin(an) * rad * 0.45);
                cairo_line_to(cr, ctr.x + std::cos(an + 0.78) * rad * 0.9, ctr.y + std::sin(an + 0.78) * rad * 0.45);
                cairo_close_path(cr);
                cairo_set_source_rgba(cr, 1, 0.6, 0.1, 0.85);
                cairo_fill(cr);
            }
            ellipsePath(cr, ctr.x, ctr.y, rad * 0.3, rad * 0.15);
            cairo_set_source_rgb(cr, 0.1, 0.05, 0.02);
            cairo_fill(cr);
            break;
        }
        case 12: {
            ellipsePath(cr, ctr.x, ctr.y, rad + 6, (rad + 6) / 2);
            c.setColour(rgb(0x4a3a36));
            cairo_fill(cr);
            ellipsePath(cr, ctr.x, ctr.y + 1, rad * 0.8, rad * 0.4);
            cairo_pattern_t* p = cairo_pattern_create_radial(ctr.x, ctr.y, 0, ctr.x, ctr.y, rad * 0.8);
            cairo_pattern_add_color_stop_rgb(p, 0, 1, 0.85, 0.3);
            cairo_pattern_add_color_stop_rgb(p, 1, 0.7, 0.15, 0.05);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
            break;
        }
        case 34: {
            fillPoly(c, poly, rgb(0xffd34a));
            cairo_save(cr);
            path(cr, poly);
            cairo_clip(cr);
            cairo_set_source_rgba(cr, 0.1, 0.1, 0.1, 0.85);
            cairo_set_line_width(cr, 5);
            for (double d = -400; d < 400; d += 14) {
                cairo_move_to(cr, ctr.x + d - 40, ctr.y - 40);
                cairo_line_to(cr, ctr.x + d + 40, ctr.y + 40);
            }
            cairo_stroke(cr);
            cairo_restore(cr);
            strokePoly(c, poly, rgb(0xfff4c0), 2);
            break;
        }
        case 35: {
            pad(c, ctr.x, ctr.y, rad, rgb(0xc89a20), rgb(0xfff0a0));
            cairo_new_path(cr);
            for (int i = 0; i < 10; ++i) {
                const double an = -kPi / 2 + i * kPi / 5;
                const double rr = (i % 2 ? 0.35 : 0.8) * rad;
                const double px = ctr.x + std::cos(an) * rr, py = ctr.y + std::sin(an) * rr * 0.5;
                if (i == 0) cairo_move_to(cr, px, py); else cairo_line_to(cr, px, py);
            }
            cairo_close_path(cr);
            cairo_set_source_rgb(cr, 1, 0.95, 0.6);
            cairo_fill(cr);
            break;
        }
        case 38: case 40: {
            const Colour base = a.kind == 38 ? rgb(0x2fc05a) : rgb(0xd83a3a);
            pad(c, ctr.x, ctr.y, rad, rgb(0x3b4254), rgb(0xd9e2f2));
            ellipsePath(cr, ctr.x, ctr.y - 2, rad * 0.6, rad * 0.3);
            c.setColour(base);
            cairo_fill(cr);
            ellipsePath(cr, ctr.x - rad * 0.15, ctr.y - 3, rad * 0.2, rad * 0.08);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
            cairo_fill(cr);
            break;
        }
        case 29: {
            if (a.comment != "cannon") break;
            pad(c, ctr.x, ctr.y, rad, rgb(0x2a2f3c), rgb(0xff9a2e));
            ellipsePath(cr, ctr.x, ctr.y, rad * 0.5, rad * 0.25);
            cairo_set_source_rgb(cr, 0.05, 0.05, 0.07);
            cairo_fill(cr);
            break;
        }
        default: break;
    }
}

// A wall as a solid of the given height standing on its ground outline.
void drawWallSolid(Canvas& c, const std::vector<Point>& poly, double height, bool bumper,
                   const Colour& accent) {
    cairo_t* cr = c.cr();
    const Colour top = bumper ? accent : rgb(0x8a93a6);
    const Colour edge = bumper ? lighter(accent, 0.5) : rgb(0xd9e2f2);
    const Colour face = rgb(0x3b4254);
    // Shadow on the floor.
    path(cr, poly, 3, 3);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    // Side faces, back ones first.
    const Point ctr = centreOf(poly);
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < poly.size(); ++i) {
            const Point a = poly[i], b = poly[(i + 1) % poly.size()];
            const double mx = (a.x + b.x) / 2 - ctr.x, my = (a.y + b.y) / 2 - ctr.y;
            const bool front = my > 0.01 || (std::abs(my) <= 0.01 && mx == 0);
            if (front != (pass == 1)) continue;
            cairo_new_path(cr);
            cairo_move_to(cr, a.x, a.y);
            cairo_line_to(cr, b.x, b.y);
            cairo_line_to(cr, b.x, b.y - height);
            cairo_line_to(cr, a.x, a.y - height);
            cairo_close_path(cr);
            const double lit = mx < 0 ? 0.12 : 0.0;
            c.verticalGradient(std::min(a.y, b.y) - height, std::max(a.y, b.y),
                               lighter(face, 0.15 + lit), darker(face, 0.25));
            cairo_fill(cr);
        }
    }
    path(cr, poly, 0, -height);
    c.setColour(top);
    cairo_fill_preserve(cr);
    c.setColour(edge);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

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
        if (a.kind == 0 || a.kind == 45) continue;
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
        if (a.kind != 24 || hintStyle(src, n) == "none") continue;
        const auto poly = areaOutline(a);
        if (!poly.empty()) strokePoly(c, poly, darker(a.p3 == 1 ? rgb(0x4fc02a) : rgb(0x1f6fd1), 0.5), 5);
    }
    std::vector<int> walls;
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == 0 || hintStyle(src, n) == "none") continue;
        if (isWall(a.kind)) walls.push_back(n); else drawGroundArea(c, src, n, accent);
    }
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind == 0 || isWall(a.kind) || hintStyle(src, n) == "none") continue;
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
        const bool bumper = a.kind == 1 || a.kind == 3;
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
        if (a.kind == 5 && a.r >= 1) art.cupLip = cutOut(a, a.x2, a.y2);
        if (a.kind == 26 && a.r >= 1) art.pipeFront = cutOut(a, a.p1, a.p2);
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
        if (a.kind == 0) continue;
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
        if (a.kind == 25 || a.kind == 26 || a.kind == 37) {
            cairo_move_to(cr, ctr.x, ctr.y);
            cairo_line_to(cr, a.x2, a.y2);
            cairo_set_source_rgba(cr, r, g, b, 0.7);
            cairo_stroke(cr);
        }
        if ((a.kind == 24 || a.kind == 45) && (a.p1 || a.p2)) {
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
