#include "menu_pages.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "finish.h"
#include "page_common.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

const Colour kTurf = colourFromRgb(0x2fa84f);
const Colour kBallWhite = colourFromRgb(0xf4f7fc);

void arrow(cairo_t* cr, double x0, double y0, double x1, double y1, double head) {
    const double a = std::atan2(y1 - y0, x1 - x0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x1 - head * std::cos(a - 0.5), y1 - head * std::sin(a - 0.5));
    cairo_line_to(cr, x1 - head * std::cos(a + 0.5), y1 - head * std::sin(a + 0.5));
    cairo_close_path(cr);
    cairo_fill(cr);
}

void floorPatch(const Canvas& c, double cx, double cy, double rx, double ry) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    c.verticalGradient(cy - ry, cy + ry, lighter(kTurf, 0.15), darker(kTurf, 0.2));
    cairo_fill_preserve(cr);
    c.setColour(colourFromRgb(0xd9e2f2));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void ball(const Canvas& c, double x, double y) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x + 2, y + 4);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, 6, 0, 2 * kPi);
    cairo_restore(cr);
    c.setColour(Colour{0, 0, 0, 0.35});
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - 2, y - 2, 0.5, x, y, 6);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, kBallWhite.r * 0.6, kBallWhite.g * 0.62, kBallWhite.b * 0.7);
    cairo_arc(cr, x, y, 6, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void marker(const Canvas& c, const Palette& t, double x, double y) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.5);
    cairo_arc(cr, 0, 0, 10, 0, 2 * kPi);
    cairo_restore(cr);
    c.setColour(t["target"]);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void club(const Canvas& c, const Palette& t, double headX, double headY, double lean) {
    cairo_t* cr = c.cr();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, headX, headY - 3);
    cairo_line_to(cr, headX + lean, headY - 48);
    c.setColour(t["club_head"]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, headX + lean * 0.75, headY - 36);
    cairo_line_to(cr, headX + lean, headY - 48);
    c.setColour(t["club_grip"]);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    c.roundedRect(headX - 3, headY - 9, 6, 12, 1.5);
    c.setColour(lighter(t["club_head"], 0.2));
    cairo_fill_preserve(cr);
    c.setColour(t["club_accent"]);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void pointer(const Canvas& c, const Palette& t, double x, double y) {
    cairo_t* cr = c.cr();
    const double pts[][2] = {{0, 0}, {0, 15}, {4, 11.5}, {6.5, 17.5}, {9, 16.5}, {6.6, 10.6}, {11, 10.6}};
    cairo_move_to(cr, x, y);
    for (const auto& p : pts) cairo_line_to(cr, x + p[0], y + p[1]);
    cairo_close_path(cr);
    c.setColour(t["pointer"]);
    cairo_fill_preserve(cr);
    c.setColour(t["pointer_edge"]);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
}

// A mouse seen from above; the left button lit when held.
void mouse(const Canvas& c, const Palette& t, double x, double y, bool held) {
    cairo_t* cr = c.cr();
    c.roundedRect(x, y, 20, 30, 9);
    c.verticalGradient(y, y + 30, colourFromRgb(0xe8eef8), colourFromRgb(0x9aa6bc));
    cairo_fill_preserve(cr);
    c.setColour(colourFromRgb(0x3b4254));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 10, y);
    cairo_line_to(cr, x + 10, y + 11);
    cairo_move_to(cr, x + 1, y + 11);
    cairo_line_to(cr, x + 19, y + 11);
    cairo_stroke(cr);
    if (held) {
        cairo_move_to(cr, x + 9.4, y + 10.4);
        cairo_line_to(cr, x + 9.4, y + 1);
        cairo_arc_negative(cr, x + 9.4, y + 9.4, 8.4, -kPi / 2, -kPi);
        cairo_line_to(cr, x + 1, y + 10.4);
        cairo_close_path(cr);
        c.setColour(t["accent"]);
        cairo_fill(cr);
    }
}

// A small power gauge, filled to the fraction given.
void miniGauge(const Canvas& c, const Palette& t, double x, double y, double w, double fill) {
    cairo_t* cr = c.cr();
    c.roundedRect(x, y, w, 7, 2);
    c.setColour(t["gauge_back"]);
    cairo_fill_preserve(cr);
    c.setColour(t["rim"]);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + w, 0);
    const Colour lo = t["gauge_low"], mid = t["gauge_mid"], hi = t["gauge_high"];
    cairo_pattern_add_color_stop_rgb(g, 0, lo.r, lo.g, lo.b);
    cairo_pattern_add_color_stop_rgb(g, 0.55, mid.r, mid.g, mid.b);
    cairo_pattern_add_color_stop_rgb(g, 1, hi.r, hi.g, hi.b);
    cairo_rectangle(cr, x + 1, y + 1, (w - 2) * fill, 5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void speedLines(const Canvas& c, const Palette& t, double x, double y, bool vertical) {
    cairo_t* cr = c.cr();
    c.setColour(t["text_light"]);
    cairo_set_line_width(cr, 1.2);
    for (int k = 0; k < 3; ++k) {
        if (vertical) {
            cairo_move_to(cr, x + 5 * k, y);
            cairo_line_to(cr, x + 5 * k, y + 8);
        } else {
            cairo_move_to(cr, x, y + 4 * k);
            cairo_line_to(cr, x + 10, y + 4 * k);
        }
    }
    cairo_stroke(cr);
}

void drawStepPicture(const Canvas& c, const Palette& t, const std::string& kind, double x,
                     double y, double w, double h) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    c.roundedRect(x, y, w, h, 6);
    c.setColour(colourFromRgb(0x070b1e, 0.85));
    cairo_fill_preserve(cr);
    c.setColour(withAlpha(t["window_edge"], 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.roundedRect(x, y, w, h, 6);
    cairo_clip(cr);
    // The scene on the left, the mouse and its movement on the right.
    const double sceneW = w - 44;
    const double cx = x + sceneW * 0.5 + 4, cy = y + h * 0.64;
    floorPatch(c, cx, cy, sceneW * 0.46, h * 0.2);
    const double mx = x + w - 34, my = y + 36;
    auto orange = [&] {
        c.setColour(t["accent"]);
        cairo_set_line_width(cr, 2.2);
    };
    if (kind == "press" || kind == "click") {
        ball(c, cx, cy);
        pointer(c, t, cx - 1, cy - 2);
        mouse(c, t, mx, my, true);
        if (kind == "click") {
            c.setColour(t["accent_light"]);
            cairo_set_line_width(cr, 1.4);
            for (int k = 0; k < 5; ++k) {
                const double a = -kPi / 2 + (k - 2) * 0.45;
                cairo_move_to(cr, mx + 6 + 9 * std::cos(a), my + 5 + 9 * std::sin(a));
                cairo_line_to(cr, mx + 6 + 14 * std::cos(a), my + 5 + 14 * std::sin(a));
            }
            cairo_stroke(cr);
        } else {
            c.setColour(withAlpha(t["accent_light"], 0.8));
            cairo_set_line_width(cr, 1.2);
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1, 0.5);
            cairo_arc(cr, 0, 0, 13, 0, 2 * kPi);
            cairo_restore(cr);
            cairo_stroke(cr);
        }
    } else if (kind == "pull") {
        const double bx = cx + 8, by = cy - 3;
        marker(c, t, bx + 38, by - 5);
        club(c, t, bx - 16, by + 3, -6);
        ball(c, bx, by);
        const double dash[] = {3, 3};
        cairo_set_dash(cr, dash, 2, 0);
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, bx - 40, by + 13);
        c.setColour(t["text_light"]);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        pointer(c, t, bx - 42, by + 11);
        miniGauge(c, t, cx - 26, y + 14, 52, 0.6);
        mouse(c, t, mx, my, true);
        orange();
        arrow(cr, mx + 4, my + 40, mx - 8, my + 58, 6);
    } else if (kind == "release") {
        club(c, t, cx - 22, cy + 2, -4);
        ball(c, cx + 14, cy - 3);
        speedLines(c, t, cx - 6, cy - 8, false);
        orange();
        arrow(cr, cx + 24, cy - 5, cx + 44, cy - 11, 7);
        mouse(c, t, mx, my, false);
        orange();
        arrow(cr, mx + 6, my - 6, mx + 6, my - 22, 6);
    } else if (kind == "aim") {
        ball(c, cx - 8, cy);
        marker(c, t, cx + 30, cy - 8);
        c.setColour(withAlpha(t["target"], 0.6));
        cairo_set_line_width(cr, 1.2);
        cairo_arc(cr, cx - 8, cy, 38, -1.0, 0.4);
        cairo_stroke(cr);
        mouse(c, t, mx, my, false);
        orange();
        arrow(cr, mx + 10, my + 42, mx - 6, my + 42, 6);
        arrow(cr, mx + 10, my + 42, mx + 26, my + 42, 6);
    } else if (kind == "backswing") {
        ball(c, cx + 14, cy);
        club(c, t, cx - 16, cy + 2, -10);
        orange();
        arrow(cr, cx - 2, cy + 14, cx - 26, cy + 16, 6);
        mouse(c, t, mx, my, false);
        orange();
        arrow(cr, mx + 10, my + 36, mx + 10, my + 58, 6);
    } else if (kind == "swing") {
        club(c, t, cx - 4, cy + 2, 6);
        ball(c, cx + 20, cy - 3);
        orange();
        arrow(cr, cx + 30, cy - 5, cx + 48, cy - 11, 7);
        mouse(c, t, mx, my, false);
        orange();
        arrow(cr, mx + 10, my - 4, mx + 10, my - 26, 6);
        speedLines(c, t, mx + 3, my + 36, true);
    } else {
        throw SourceError("unknown help picture \"" + kind + "\"");
    }
    cairo_restore(cr);
}

}  // namespace

media::Bitmap buildLoadingPicture(const ArtContext& art) {
    const auto file = art.sources / "pages" / "loading.txt";
    const auto text = readPageText(file);
    Canvas c(kLoadingWidth, kLoadingHeight);
    cairo_t* cr = c.cr();
    drawSpaceBackdrop(c, 17u);
    // A large planet rising from the bottom edge, lit from the upper left.
    cairo_pattern_t* g = cairo_pattern_create_radial(120, 210, 20, 210, 330, 240);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.35, 0.85, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0.6, 0.07, 0.31, 0.42);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.05, 0.14);
    cairo_arc(cr, 210, 360, 200, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // An orbit ring with the ball on it.
    cairo_save(cr);
    cairo_translate(cr, 210, 120);
    cairo_scale(cr, 1, 0.22);
    cairo_arc(cr, 0, 0, 175, 0, 2 * kPi);
    cairo_restore(cr);
    c.setColour(withAlpha(art.theme["accent"], 0.7));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    ball(c, 370, 128);
    drawGlowTitle(c, art.fonts, 54, pageValue(text, "title", file), kLoadingWidth / 2.0, 92,
                  art.theme["big_fill"], art.theme["big_glow"]);
    drawTextLine(c, art.fonts, FontStyle::SansBold, 15, pageValue(text, "caption", file),
                 kLoadingWidth / 2.0, 168, Align::Centre, art.theme["text"]);
    c.roundedRect(1, 1, kLoadingWidth - 2, kLoadingHeight - 2, 8);
    c.setColour(art.theme["rim"]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    FinishOptions o;
    o.keyed = false;
    return finishCanvas(c, o);
}

media::Bitmap buildHelpPage(const ArtContext& art, const std::string& pageFile) {
    const Palette& t = art.theme;
    const auto file = art.sources / "pages" / pageFile;
    const auto text = readPageText(file);
    std::vector<std::pair<std::string, std::string>> steps;
    for (const auto& [k, v] : text) {
        if (k != "step") continue;
        const auto space = v.find(' ');
        if (space == std::string::npos) throw SourceError(file.string() + ": a step needs words");
        steps.emplace_back(v.substr(0, space), v.substr(space + 1));
    }
    if (steps.empty() || steps.size() > 4) throw SourceError(file.string() + ": 1 to 4 steps");

    Canvas c(kHelpWidth, kHelpHeight);
    drawSpaceBackdrop(c, 5u);
    drawPagePanel(c, t, 8, 8, kHelpWidth - 16, kHelpHeight - 16);
    drawGlowTitle(c, art.fonts, 34, pageValue(text, "title", file), kHelpWidth / 2.0, 52,
                  t["big_fill"], t["big_glow"]);
    drawWrapped(c, art.fonts, FontStyle::Sans, 13, pageValue(text, "intro", file), 40, 80,
                kHelpWidth - 80, 16, Align::Centre, t["text_light"]);

    const double gap = 12, left = 26;
    const double colW = (kHelpWidth - 2 * left - gap * static_cast<double>(steps.size() - 1)) /
                        static_cast<double>(steps.size());
    for (size_t i = 0; i < steps.size(); ++i) {
        const double x = left + static_cast<double>(i) * (colW + gap);
        drawStepPicture(c, t, steps[i].first, x, 104, colW, 118);
        // Step number in an orange disc.
        cairo_t* cr = c.cr();
        cairo_arc(cr, x + 14, 118, 10, 0, 2 * kPi);
        c.setColour(t["accent"]);
        cairo_fill(cr);
        drawTextLine(c, art.fonts, FontStyle::SansBold, 13, std::to_string(i + 1), x + 14, 123,
                     Align::Centre, t["glass_dark"]);
        drawWrapped(c, art.fonts, FontStyle::Sans, 12, steps[i].second, x + 2, 240, colW - 4,
                    14, Align::Left, t["text_light"]);
    }

    // Keys, in two columns.
    const auto keysFile = art.sources / "pages" / "help_keys.txt";
    std::vector<std::pair<std::string, std::string>> keys;
    for (const std::string& line : readSourceLines(keysFile)) {
        if (line.empty()) continue;
        const auto bar = line.find('|');
        if (bar == std::string::npos) throw SourceError(keysFile.string() + ": expected key|words");
        keys.emplace_back(line.substr(0, bar), line.substr(bar + 1));
    }
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 30, 314.5);
    cairo_line_to(cr, kHelpWidth - 30, 314.5);
    c.setColour(withAlpha(t["rim_light"], 0.4));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const size_t perColumn = (keys.size() + 1) / 2;
    for (size_t i = 0; i < keys.size(); ++i) {
        const double x = i < perColumn ? 40 : kHelpWidth / 2.0 + 20;
        const double y = 333 + 14.0 * static_cast<double>(i % perColumn);
        drawTextLine(c, art.fonts, FontStyle::SansBold, 11, keys[i].first, x + 70, y,
                     Align::Right, t["accent"]);
        drawTextLine(c, art.fonts, FontStyle::Sans, 11, keys[i].second, x + 80, y, Align::Left,
                     t["text_light"]);
    }
    drawTextLine(c, art.fonts, FontStyle::SansBold, 11, "PRESS A KEY OR CLICK TO PLAY ON",
                 kHelpWidth / 2.0, kHelpHeight - 22, Align::Centre, t["text"]);
    FinishOptions o;
    o.keyed = false;
    return finishCanvas(c, o);
}

}  // namespace orbigolf::content
