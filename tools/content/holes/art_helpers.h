#pragma once
// Small drawing and geometry helpers shared by the hole pictures.

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "canvas.h"
#include "game/area_kinds.h"
#include "holes/hole_source.h"
#include "sources.h"

namespace orbigolf::content::art {

inline constexpr double kPi = std::numbers::pi;

// Deterministic noise 0..1 for a pixel and a channel.
inline double hashNoise(int x, int y, uint32_t seed) {
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

inline uint32_t stemSeed(const std::string& s) {
    uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

inline Colour rgb(uint32_t v, double a = 1) { return colourFromRgb(snapToDisplayGrid(v), a); }

inline void path(cairo_t* cr, const std::vector<Point>& pts, double dx = 0, double dy = 0) {
    cairo_new_path(cr);
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i == 0)
            cairo_move_to(cr, pts[i].x + dx, pts[i].y + dy);
        else
            cairo_line_to(cr, pts[i].x + dx, pts[i].y + dy);
    }
    cairo_close_path(cr);
}

inline void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_close_path(cr);
}

inline bool insidePolygon(const std::vector<Point>& poly, double x, double y) {
    bool in = false;
    for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const Point& a = poly[i];
        const Point& b = poly[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

inline Point centreOf(const std::vector<Point>& pts) {
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

inline bool isWall(int kind) {
    return kind == area::kWallBent19 || kind == area::kWall64 || kind == area::kWallBent109 ||
           kind == area::kWall0 || kind == area::kWall32 || kind == area::kWall96;
}
inline bool isSegment(const arearec& a) { return a.r < 1 && a.x3 == 0 && a.x4 == 0; }

// Downhill direction of a slope or ramp kind, in turn units; -1 for other kinds.
inline int downhill(int kind) {
    switch (kind) {
        case area::kRampDownLeft:
            return 96;
        case area::kRampUpRight:
            return 0;
        case area::kRampUpDown:
            return 32;
        case area::kRampDownRight:
            return 128;
        case area::kSlope1:
            return 0;
        case area::kSlope19:
            return 19;
        case area::kSlope64:
            return 64;
        case area::kSlope109:
            return 109;
        case area::kSlope128:
            return 128;
        case area::kSlope147:
            return 147;
        case area::kSlope192:
            return 192;
        case area::kSlope237:
            return 237;
        default: return -1;
    }
}

inline double turnRad(double t) { return t * 2 * kPi / 256; }

inline std::string hintStyle(const HoleSource& src, int n) {
    const SourceSection* h = src.areaHints(n);
    return h ? h->text("style", "") : "";
}

inline void fillPoly(Canvas& c, const std::vector<Point>& poly, const Colour& col) {
    path(c.cr(), poly);
    c.setColour(col);
    cairo_fill(c.cr());
}

inline void strokePoly(Canvas& c, const std::vector<Point>& poly, const Colour& col, double width) {
    path(c.cr(), poly);
    c.setColour(col);
    cairo_set_line_width(c.cr(), width);
    cairo_set_line_join(c.cr(), CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(c.cr());
}

}  // namespace orbigolf::content::art
