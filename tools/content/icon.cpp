#include "icon.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <string>

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kUnits = 256;  // the icon is laid out on a 256-unit square

struct Rng {
    uint64_t state;
    double uniform() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return double((z ^ (z >> 31)) >> 11) * (1.0 / 9007199254740992.0);
    }
};

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void radial(cairo_t* cr, double fx, double fy, double cx, double cy, double r, const Colour& inner,
            const Colour& outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

// The tile's outline: a rounded square with a small margin, as desktop icons sit.
void tilePath(const Canvas& c) {
    c.roundedRect(10, 10, kUnits - 20, kUnits - 20, 44);
}

// Deep space with two nebula wisps, blurred on a canvas of their own.
void drawSpace(Canvas& c, double scale) {
    cairo_t* cr = c.cr();
    tilePath(c);
    c.verticalGradient(10, kUnits - 10, colourFromRgb(0x111a3a), colourFromRgb(0x070b1e));
    cairo_fill(cr);

    Canvas wisps(c.width(), c.height());
    cairo_t* w = wisps.cr();
    cairo_scale(w, scale, scale);
    wisps.setColour(colourFromRgb(0x4b2a7a, 0.75));
    ellipse(w, 70, 70, 70, 30);
    cairo_fill(w);
    wisps.setColour(colourFromRgb(0x12506a, 0.7));
    ellipse(w, 190, 110, 60, 24);
    cairo_fill(w);
    wisps.blur(std::max(1, int(std::lround(14 * scale))));

    cairo_save(cr);
    tilePath(c);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    c.paintCanvas(wisps, 0, 0, 0.8);
    cairo_restore(cr);
}

// Stars in device pixels so that each stays at least one pixel wide at the small size;
// fewer and relatively bigger when the icon is small.
void drawStars(Canvas& c, double scale) {
    cairo_t* cr = c.cr();
    const int count = c.width() >= 128 ? 46 : 12;
    Rng rng{0x0B16'07F5'7A25ull};
    cairo_save(cr);
    tilePath(c);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    for (int i = 0; i < count; ++i) {
        const double x = (22 + rng.uniform() * 212) * scale;
        const double y = (20 + rng.uniform() * 116) * scale;
        const double size = rng.uniform();
        const double r = std::max(0.6, (0.8 + 1.6 * size * size) * scale);
        const Colour colour = mix(colourFromRgb(0xffffff), colourFromRgb(0xa8c8ff), rng.uniform());
        c.setColour(withAlpha(colour, 0.55 + 0.45 * size));
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// A distant ringed planet in the upper left.
void drawPlanet(const Canvas& c) {
    cairo_t* cr = c.cr();
    radial(cr, 56, 48, 62, 54, 20, colourFromRgb(0xffc27a), colourFromRgb(0xb0561c));
    cairo_arc(cr, 62, 54, 16, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 62, 54);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 28, 6);
    cairo_arc(cr, 0, 0, 1, 0.1, kPi - 0.1);  // the near half of the ring, in front
    cairo_restore(cr);
    cairo_set_line_width(cr, 2.5);
    c.setColour(colourFromRgb(0xffe2b8, 0.9));
    cairo_stroke(cr);
}

constexpr double kGreenX = 128, kGreenY = 176, kGreenRx = 104, kGreenRy = 48, kEdge = 14;

// The floating platform: a metal edge, its bright top rim, and the green lit from the
// top left with fine grass noise and a faint grid where the icon is big enough for them.
void drawGreen(const Canvas& c, bool detailed) {
    cairo_t* cr = c.cr();
    // The front face: the rim's lower half pushed down by the edge height.
    ellipse(cr, kGreenX, kGreenY + kEdge, kGreenRx + 4, kGreenRy + 4);
    c.verticalGradient(kGreenY, kGreenY + kGreenRy + kEdge + 4, colourFromRgb(0x8a93a6),
                       colourFromRgb(0x3b4254));
    cairo_fill(cr);
    ellipse(cr, kGreenX, kGreenY, kGreenRx + 4, kGreenRy + 4);
    c.setColour(colourFromRgb(0xd9e2f2));
    cairo_fill(cr);

    ellipse(cr, kGreenX, kGreenY, kGreenRx, kGreenRy);
    radial(cr, 80, 150, 110, 170, 130, lighter(colourFromRgb(0x2fa84f), 0.2),
           darker(colourFromRgb(0x2fa84f), 0.3));
    cairo_fill_preserve(cr);
    if (!detailed) {
        cairo_new_path(cr);
        return;
    }
    cairo_save(cr);
    cairo_clip(cr);
    cairo_set_line_width(cr, 1);
    c.setColour(colourFromRgb(0xffffff, 0.07));
    for (double x = kGreenX - 120; x <= kGreenX + 120; x += 16) {
        cairo_move_to(cr, x, kGreenY - kGreenRy);
        cairo_line_to(cr, x, kGreenY + kGreenRy);
    }
    for (double y = kGreenY - kGreenRy; y <= kGreenY + kGreenRy; y += 8) {
        cairo_move_to(cr, kGreenX - kGreenRx, y);
        cairo_line_to(cr, kGreenX + kGreenRx, y);
    }
    cairo_stroke(cr);
    Rng rng{0x6A55'0F1E'1Dull};
    for (int i = 0; i < 900; ++i) {
        const double x = kGreenX - kGreenRx + rng.uniform() * 2 * kGreenRx;
        const double y = kGreenY - kGreenRy + rng.uniform() * 2 * kGreenRy;
        c.setColour(rng.uniform() < 0.5 ? colourFromRgb(0xffffff, 0.08)
                                        : colourFromRgb(0x000000, 0.1));
        cairo_rectangle(cr, x, y, 1, 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

constexpr double kCupX = 176, kCupY = 184;

// The cup with its light rim, and the flag standing in it.
void drawCupAndFlag(const Canvas& c) {
    cairo_t* cr = c.cr();
    ellipse(cr, kCupX, kCupY, 17, 8.5);
    c.setColour(colourFromRgb(0xd9e2f2));
    cairo_fill(cr);
    ellipse(cr, kCupX, kCupY + 0.8, 14.5, 6.8);
    c.setColour(colourFromRgb(0x05080f));
    cairo_fill(cr);

    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4);
    c.setColour(colourFromRgb(0x3b4254));
    cairo_move_to(cr, kCupX + 1, kCupY + 2);
    cairo_line_to(cr, kCupX + 1, 76);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.5);
    c.setColour(colourFromRgb(0xd9e2f2));
    cairo_move_to(cr, kCupX, kCupY + 1);
    cairo_line_to(cr, kCupX, 76);
    cairo_stroke(cr);

    cairo_move_to(cr, kCupX + 1, 76);
    cairo_curve_to(cr, kCupX + 16, 70, kCupX + 26, 86, kCupX + 44, 82);
    cairo_line_to(cr, kCupX + 44, 84);
    cairo_curve_to(cr, kCupX + 28, 92, kCupX + 16, 104, kCupX + 1, 106);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(kCupX, 0, kCupX + 44, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.604, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.42, 0.08);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
    cairo_fill(cr);
}

constexpr double kBallX = 92, kBallY = 164, kBallR = 21;

// The ball rolling towards the cup: a cyan trail behind it, a soft shadow on the green,
// a dark outline against the floor and the space, shading from the upper left.
void drawBall(const Canvas& c) {
    cairo_t* cr = c.cr();
    cairo_pattern_t* trail = cairo_pattern_create_linear(kBallX - 70, 0, kBallX, 0);
    cairo_pattern_add_color_stop_rgba(trail, 0, 0.247, 0.941, 1.0, 0.0);
    cairo_pattern_add_color_stop_rgba(trail, 1, 0.247, 0.941, 1.0, 0.55);
    cairo_set_source(cr, trail);
    cairo_pattern_destroy(trail);
    cairo_move_to(cr, kBallX - 70, kBallY + 10);
    cairo_line_to(cr, kBallX, kBallY - kBallR * 0.8);
    cairo_line_to(cr, kBallX, kBallY + kBallR * 0.8);
    cairo_close_path(cr);
    cairo_fill(cr);

    ellipse(cr, kBallX + 8, kBallY + kBallR - 2, kBallR * 1.05, kBallR * 0.42);
    c.setColour(colourFromRgb(0x000000, 0.35));
    cairo_fill(cr);

    cairo_arc(cr, kBallX, kBallY, kBallR + 2.5, 0, 2 * kPi);
    c.setColour(colourFromRgb(0x070b1e, 0.85));
    cairo_fill(cr);
    cairo_arc(cr, kBallX, kBallY, kBallR, 0, 2 * kPi);
    radial(cr, kBallX - 8, kBallY - 9, kBallX, kBallY, kBallR * 1.15, colourFromRgb(0xffffff),
           colourFromRgb(0x8fa0bd));
    cairo_fill(cr);
}

}  // namespace

const std::vector<int>& iconSizes() {
    static const std::vector<int> sizes{48, 256};
    return sizes;
}

std::unique_ptr<Canvas> drawIcon(int size) {
    if (size < 16 || size > 1024)
        throw std::invalid_argument("icon size out of range: " + std::to_string(size));
    auto canvas = std::make_unique<Canvas>(size, size);
    const double scale = size / kUnits;
    cairo_t* cr = canvas->cr();
    canvas->clear();
    cairo_scale(cr, scale, scale);
    drawSpace(*canvas, scale);
    drawStars(*canvas, scale);
    drawPlanet(*canvas);
    drawGreen(*canvas, size >= 128);
    drawCupAndFlag(*canvas);
    drawBall(*canvas);
    cairo_surface_flush(canvas->surface());
    return canvas;
}

void writeIcons(const std::filesystem::path& outDir) {
    for (int size : iconSizes()) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = outDir / "hicolor" / name / "apps";
        std::filesystem::create_directories(folder);
        const std::filesystem::path file = folder / "orbigolf.png";
        const auto icon = drawIcon(size);
        const cairo_status_t status =
            cairo_surface_write_to_png(icon->surface(), file.string().c_str());
        if (status != CAIRO_STATUS_SUCCESS)
            throw std::runtime_error("Cannot write file " + file.string() + ": " +
                                     cairo_status_to_string(status));
    }
}

}  // namespace orbigolf::content
