#include "holes/scenery_art.h"

#include <algorithm>
#include <cmath>

#include "holes/art_helpers.h"

namespace orbigolf::content {

using namespace art;

// --- space ------------------------------------------------------------------------

namespace {

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

}  // namespace

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

}  // namespace orbigolf::content
