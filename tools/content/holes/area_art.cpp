#include "holes/area_art.h"

#include <algorithm>
#include <cmath>

#include "game/area_kinds.h"
#include "holes/art_helpers.h"
#include "holes/course_art.h"
#include "holes/scenery_art.h"

namespace orbigolf::content {

using namespace art;

// --- areas -----------------------------------------------------------------------

namespace {

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



}  // namespace

// Areas lying flat on the floor.
void drawGroundArea(Canvas& c, const HoleSource& src, int n, const Colour& accent) {
    const arearec& a = src.areas[n];
    const std::vector<Point> poly = areaOutline(a);
    if (poly.empty()) return;
    cairo_t* cr = c.cr();
    const uint32_t seed = stemSeed(src.stem) + static_cast<uint32_t>(n) * 7919u;
    switch (a.kind) {
        case area::kSlope1:
        case area::kSlope19:
        case area::kSlope64:
        case area::kSlope109:
        case area::kSlope128:
        case area::kSlope147:
        case area::kSlope192:
        case area::kSlope237: {
            shadeAlong(cr, poly, downhill(a.kind), 0.22, 0.26);
            chevrons(cr, poly, downhill(a.kind), rgb(0x1d6b34), 0.55, 34);
            strokePoly(c, poly, withAlpha(rgb(0x1d6b34), 0.5), 1.5);
            break;
        }
        case area::kRampDownLeft:
        case area::kRampUpRight:
        case area::kRampUpDown:
        case area::kRampDownRight: {
            fillPoly(c, poly, rgb(0x7d8aa0));
            shadeAlong(cr, poly, downhill(a.kind), 0.45, 0.35);
            // Ribs across the ramp.
            chevrons(cr, poly, downhill(a.kind), rgb(0xffd34a), 0.8, 26);
            strokePoly(c, poly, rgb(0xd9e2f2), 2);
            break;
        }
        case area::kFunnel: {
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
        case area::kSand: {
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
        case area::kWater: {
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
        case area::kRoughGround: {
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
        case area::kTint: {
            path(cr, poly);
            cairo_set_source_rgba(cr, 0.29, 0.16, 0.48, 0.35);
            cairo_fill(cr);
            grains(cr, poly, rgb(0xc8b8ff), 0.004, seed, 1);
            break;
        }
        case area::kLedge: {
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

namespace {

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


}  // namespace

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
        case area::kCup: {
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
        case area::kSpring: {
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
        case area::kFan: {
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
        case area::kTeleport:
        case area::kLauncher: {
            const Colour base = a.kind == area::kTeleport ? rgb(0x6a3ac8) : rgb(0xe07a20);
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
        case area::kPipe: {
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
        case area::kBlast: {
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
        case area::kEruption: {
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
        case area::kKicker: {
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
        case area::kBonusPickUp: {
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
        case area::kSwitchOn:
        case area::kSwitchOff: {
            const Colour base = a.kind == area::kSwitchOn ? rgb(0x2fc05a) : rgb(0xd83a3a);
            pad(c, ctr.x, ctr.y, rad, rgb(0x3b4254), rgb(0xd9e2f2));
            ellipsePath(cr, ctr.x, ctr.y - 2, rad * 0.6, rad * 0.3);
            c.setColour(base);
            cairo_fill(cr);
            ellipsePath(cr, ctr.x - rad * 0.15, ctr.y - 3, rad * 0.2, rad * 0.08);
            cairo_set_source_rgba(cr, 1, 1, 1, 0.6);
            cairo_fill(cr);
            break;
        }
        case area::kCannonOrHidden: {
            if (a.comment != "cannon") break;
            pad(c, ctr.x, ctr.y, rad, rgb(0x2a2f3c), rgb(0xff9a2e));
            // The barrel points where a spring on the same spot throws the ball (else up).
            int aim = 192;
            for (int k = 1; k <= kMaxAreas; ++k) {
                const arearec& o = src.areas[k];
                if (o.kind == area::kSpring && o.x1 == a.x1 && o.y1 == a.y1 && o.p3 != 0)
                    aim = o.p3 - 8;
            }
            const double ux = std::cos(turnRad(aim)), uy = std::sin(turnRad(aim)) * 0.5;
            const double len = rad * 1.5;
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_width(cr, 12);
            cairo_set_source_rgb(cr, 0.1, 0.11, 0.14);
            cairo_move_to(cr, ctr.x, ctr.y - 6);
            cairo_line_to(cr, ctr.x + ux * len, ctr.y - 6 + uy * len - 10);
            cairo_stroke(cr);
            cairo_set_line_width(cr, 3);
            cairo_set_source_rgba(cr, 0.85, 0.89, 0.95, 0.7);
            cairo_move_to(cr, ctr.x - 2, ctr.y - 9);
            cairo_line_to(cr, ctr.x + ux * len - 2, ctr.y - 9 + uy * len - 10);
            cairo_stroke(cr);
            ellipsePath(cr, ctr.x + ux * len, ctr.y - 6 + uy * len - 10, 7, 5);
            cairo_set_source_rgb(cr, 1, 0.6, 0.18);
            cairo_fill(cr);
            ellipsePath(cr, ctr.x + ux * len, ctr.y - 6 + uy * len - 10, 4, 3);
            cairo_set_source_rgb(cr, 0.02, 0.02, 0.03);
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

}  // namespace orbigolf::content
