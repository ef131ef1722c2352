#include "front_screens.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "finish.h"
#include "page_common.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

struct Pt {
    double x, y;
};

// The four areas of the menu, in picture pixels; the launch pad's spots have these shapes.
constexpr double kRoundLeft = 115, kRoundTop = 69, kRoundRight = 182, kRoundBottom = 136;
const std::vector<Pt> kTraining = {{173, 71}, {187, 88}, {288, 88}, {292, 79}, {284, 72}, {191, 69}};
const std::vector<Pt> kSetup = {{187, 91}, {189, 109}, {259, 109}, {278, 99}, {286, 91}};
const std::vector<Pt> kExit = {{176, 131}, {183, 122}, {187, 113}, {259, 111}, {236, 121}, {205, 128}, {187, 131}};

void polygonPath(cairo_t* cr, const std::vector<Pt>& pts) {
    cairo_new_path(cr);
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i == 0) cairo_move_to(cr, pts[i].x, pts[i].y);
        else cairo_line_to(cr, pts[i].x, pts[i].y);
    }
    cairo_close_path(cr);
}

void lamp(const Canvas& c, double x, double y, bool lit) {
    cairo_t* cr = c.cr();
    if (lit) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, 9);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.75, 0.35, 0.9);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.6, 0.18, 0.0);
        cairo_set_source(cr, glow);
        cairo_arc(cr, x, y, 9, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    cairo_arc(cr, x, y, 3.6, 0, 2 * kPi);
    c.setColour(colourFromRgb(0x2a2f3c));
    cairo_fill_preserve(cr);
    cairo_pattern_t* face = cairo_pattern_create_radial(x - 1, y - 1, 0.3, x, y, 3.2);
    if (lit) {
        cairo_pattern_add_color_stop_rgb(face, 0, 1.0, 0.97, 0.85);
        cairo_pattern_add_color_stop_rgb(face, 1, 1.0, 0.60, 0.18);
    } else {
        cairo_pattern_add_color_stop_rgb(face, 0, 0.55, 0.36, 0.26);
        cairo_pattern_add_color_stop_rgb(face, 1, 0.27, 0.15, 0.10);
    }
    cairo_set_source(cr, face);
    cairo_arc(cr, x, y, 2.8, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    cairo_new_path(cr);
}

// One of the stacked plates: a bevelled metal plate with its lamp and caption.
void plate(const Canvas& c, FontFaces& fonts, const Palette& t, const std::vector<Pt>& shape, Pt lampAt,
           const char* caption, double textX, double baseline, bool lit) {
    cairo_t* cr = c.cr();
    polygonPath(cr, shape);
    const double top = lampAt.y - 10, bottom = lampAt.y + 10;
    c.verticalGradient(top, bottom, lit ? colourFromRgb(0x2c4a8c) : colourFromRgb(0xa9b6cb),
                       lit ? colourFromRgb(0x172a5a) : colourFromRgb(0x7f8ca4));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    c.setColour(lit ? colourFromRgb(0xff9a2e) : colourFromRgb(0x3b4254));
    cairo_stroke(cr);
    lamp(c, lampAt.x, lampAt.y, lit);
    drawTextLine(c, fonts, FontStyle::SansBold, 8.5, caption, textX, baseline, Align::Left,
                 lit ? t["text"] : colourFromRgb(0x1a2240));
}

}  // namespace

IndexedPicture buildHotSpotMenu(const ArtContext& art, bool lit) {
    Canvas c(kMenuPictureWidth, kMenuPictureHeight);
    cairo_t* cr = c.cr();
    // The light panel, a brushed band across it and a darker well behind the controls.
    c.verticalGradient(0, kMenuPictureHeight, colourFromRgb(0xdfe6ee), colourFromRgb(0xb9c4d2));
    cairo_paint(cr);
    for (int y = 0; y < kMenuPictureHeight; y += 2) {
        cairo_rectangle(cr, 0, y, kMenuPictureWidth, 1);
        c.setColour(colourFromRgb(0xffffff, 0.05 + 0.04 * ((y * 7) % 3)));
        cairo_fill(cr);
    }
    c.roundedRect(34, 24, 353, 115, 10);
    c.setColour(colourFromRgb(0x8a93a6, 0.35));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    c.setColour(colourFromRgb(0x3b4254, 0.6));
    cairo_stroke(cr);

    // Title across the top of the visible part.
    drawTextLine(c, art.fonts, FontStyle::SansBold, 21, "ORBIGOLF", 46, 53, Align::Left, colourFromRgb(0x1a2240));
    drawTextLine(c, art.fonts, FontStyle::Sans, 9, "LAUNCH PAD", 48, 64, Align::Left, colourFromRgb(0x3b4254));
    // A small ringed planet with an orbiting ball on the left.
    {
        const double px = 70, py = 104;
        // The ring's far half passes behind the planet, its near half in front.
        auto ring = [&](double from, double to) {
            cairo_save(cr);
            cairo_translate(cr, px, py);
            cairo_scale(cr, 1, 0.28);
            cairo_new_path(cr);
            cairo_arc(cr, 0, 0, 32, from, to);
            cairo_restore(cr);
            cairo_set_line_width(cr, 3);
            c.setColour(colourFromRgb(0x3ff0ff, 0.8));
            cairo_stroke(cr);
        };
        ring(kPi, 2 * kPi);
        cairo_pattern_t* body = cairo_pattern_create_radial(px - 9, py - 9, 2, px, py, 24);
        cairo_pattern_add_color_stop_rgb(body, 0, 0.55, 0.45, 0.85);
        cairo_pattern_add_color_stop_rgb(body, 1, 0.18, 0.12, 0.40);
        cairo_arc(cr, px, py, 20, 0, 2 * kPi);
        cairo_set_source(cr, body);
        cairo_fill(cr);
        cairo_pattern_destroy(body);
        ring(0, kPi);
        cairo_arc(cr, px + 27, py - 20, 4, 0, 2 * kPi);
        c.setColour(colourFromRgb(0xffffff));
        cairo_fill(cr);
    }
    // Orange accent line under the title, leading to the controls.
    cairo_move_to(cr, 46, 68.5);
    cairo_line_to(cr, 382, 68.5);
    c.setColour(colourFromRgb(0xff9a2e, 0.7));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // The round start-game button.
    const double cx = (kRoundLeft + kRoundRight) / 2, cy = (kRoundTop + kRoundBottom) / 2;
    const double r = (kRoundRight - kRoundLeft) / 2;
    if (lit) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r - 4, cx, cy, r + 2);
        cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.6, 0.18, 0.0);
        cairo_pattern_add_color_stop_rgba(glow, 0.7, 1.0, 0.6, 0.18, 0.8);
        cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.6, 0.18, 0.0);
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        cairo_set_source(cr, glow);
        cairo_fill(cr);
        cairo_pattern_destroy(glow);
    }
    cairo_arc(cr, cx, cy, r - 2.5, 0, 2 * kPi);
    c.setColour(colourFromRgb(0x8a93a6));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r - 2.5, kPi, 1.5 * kPi);
    c.setColour(colourFromRgb(0xd9e2f2));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_pattern_t* face = cairo_pattern_create_radial(cx - 8, cy - 10, 3, cx, cy, r - 6);
    if (lit) {
        cairo_pattern_add_color_stop_rgb(face, 0, 0.25, 0.45, 0.85);
        cairo_pattern_add_color_stop_rgb(face, 1, 0.08, 0.14, 0.34);
    } else {
        cairo_pattern_add_color_stop_rgb(face, 0, 0.20, 0.26, 0.42);
        cairo_pattern_add_color_stop_rgb(face, 1, 0.07, 0.09, 0.20);
    }
    cairo_arc(cr, cx, cy, r - 6, 0, 2 * kPi);
    cairo_set_source(cr, face);
    cairo_fill(cr);
    cairo_pattern_destroy(face);
    const Colour caption = lit ? colourFromRgb(0xffb25a) : art.theme["text"];
    drawTextLine(c, art.fonts, FontStyle::SansBold, 12, "START", cx, cy - 1, Align::Centre, caption);
    drawTextLine(c, art.fonts, FontStyle::SansBold, 12, "GAME", cx, cy + 13, Align::Centre, caption);
    lamp(c, cx, cy - 19, lit);

    plate(c, art.fonts, art.theme, kTraining, {190, 79}, "START TRAINING", 198, 82.5, lit);
    plate(c, art.fonts, art.theme, kSetup, {198, 100}, "SETUP", 206, 103.5, lit);
    plate(c, art.fonts, art.theme, kExit, {192, 121}, "EXIT", 199, 124.5, lit);

    FinishOptions o;
    o.keyed = false;
    return quantise(finishCanvas(c, o));
}

IndexedPicture buildClosingPicture(const ArtContext& art) {
    Canvas c(640, 480);
    cairo_t* cr = c.cr();
    drawSpaceBackdrop(c, 7);
    // A big planet rising from the lower right, and a floating green platform with a flag.
    cairo_pattern_t* planet = cairo_pattern_create_radial(470, 420, 20, 520, 520, 260);
    cairo_pattern_add_color_stop_rgb(planet, 0, 0.30, 0.55, 0.75);
    cairo_pattern_add_color_stop_rgb(planet, 0.7, 0.12, 0.25, 0.45);
    cairo_pattern_add_color_stop_rgb(planet, 1, 0.05, 0.08, 0.20);
    cairo_arc(cr, 540, 560, 250, 0, 2 * kPi);
    cairo_set_source(cr, planet);
    cairo_fill(cr);
    cairo_pattern_destroy(planet);

    auto platform = [&](double x, double y, double w) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 0, 30, w, 0, kPi);
        cairo_restore(cr);
        c.setColour(colourFromRgb(0x3b4254));
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1, 0.42);
        cairo_arc(cr, 0, 0, w, 0, 2 * kPi);
        cairo_restore(cr);
        c.verticalGradient(y - w * 0.42, y + w * 0.42, colourFromRgb(0x45c068), colourFromRgb(0x1f7a3a));
        cairo_fill_preserve(cr);
        c.setColour(colourFromRgb(0xd9e2f2));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    };
    platform(190, 350, 130);
    platform(430, 250, 70);
    // The cup and flag on the big platform, a ball with its trail.
    cairo_save(cr);
    cairo_translate(cr, 230, 360);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, 9, 0, 2 * kPi);
    cairo_restore(cr);
    c.setColour(colourFromRgb(0x0b1020));
    cairo_fill(cr);
    cairo_move_to(cr, 236, 358);
    cairo_line_to(cr, 236, 300);
    c.setColour(colourFromRgb(0xd9e2f2));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, 237, 300);
    cairo_line_to(cr, 262, 308);
    cairo_line_to(cr, 237, 316);
    c.setColour(colourFromRgb(0xff9a2e));
    cairo_fill(cr);
    cairo_move_to(cr, 430, 240);
    cairo_curve_to(cr, 380, 150, 300, 200, 262, 338);
    c.setColour(colourFromRgb(0x3ff0ff, 0.5));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_arc(cr, 262, 340, 6, 0, 2 * kPi);
    c.setColour(colourFromRgb(0xffffff));
    cairo_fill(cr);

    drawGlowTitle(c, art.fonts, 64, "ORBIGOLF", 320, 110, colourFromRgb(0xffffff), colourFromRgb(0xff9a2e));
    drawTextLine(c, art.fonts, FontStyle::SansBold, 20, "THANKS FOR PLAYING THE DEMO", 320, 150, Align::Centre,
                 art.theme["text"]);
    drawWrapped(c, art.fonts, FontStyle::Sans, 15,
                "The full game takes you to many more floating courses on worlds of their own, "
                "with new hazards, pipes, cannons and teleports.",
                60, 190, 330, 20, Align::Left, colourFromRgb(0xd9e2f2));
    drawTextLine(c, art.fonts, FontStyle::Sans, 12, "Press any key", 620, 468, Align::Right, colourFromRgb(0x9fb4d8));
    FinishOptions o;
    o.keyed = false;
    return quantise(finishCanvas(c, o));
}

}  // namespace orbigolf::content
