#include "panel_art.h"

#include <cmath>
#include <numbers>
#include <string>

#include "finish.h"
#include "game/panel_layout.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;
using namespace layout;

// Panel-local position of a screen position.
constexpr double localX(int screenX) { return screenX - kPanelX; }
constexpr double localY(int screenY) { return screenY - kPanelY; }

// The glass body shared by both panels: gradient, fine sparkle, metal rim.
void drawGlassBody(const Canvas& c, const Palette& t, double w, double h, double radius) {
    cairo_t* cr = c.cr();
    c.roundedRect(1, 1, w - 2, h - 2, radius);
    c.verticalGradient(0, h, t["glass_light"], t["glass_dark"]);
    cairo_fill_preserve(cr);
    // A diagonal sheen across the upper left, as light on glass.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, w * 0.6, h);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.10);
    cairo_pattern_add_color_stop_rgba(sheen, 0.5, 1, 1, 1, 0.0);
    cairo_set_source(cr, sheen);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(sheen);
    c.setColour(t["rim"]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    c.roundedRect(2.5, 2.5, w - 5, h - 5, radius - 1.5);
    c.setColour(withAlpha(t["rim_light"], 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.roundedRect(0.5, 0.5, w - 1, h - 1, radius + 0.5);
    c.setColour(t["rim_dark"]);
    cairo_stroke(cr);
}

// A sunken box with a coloured edge (message window, number fields, score area).
void drawWell(const Canvas& c, double x0, double y0, double x1, double y1, const Colour& fill,
              const Colour& edge, double radius = 3) {
    cairo_t* cr = c.cr();
    c.roundedRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1, radius);
    c.setColour(fill);
    cairo_fill(cr);
    c.roundedRect(x0 + 0.5, y0 + 0.5, x1 - x0, y1 - y0, radius);
    c.setColour(withAlpha(edge, 0.85));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Inner shade along the top edge makes it read as sunken.
    cairo_move_to(cr, x0 + 2, y0 + 1.5);
    cairo_line_to(cr, x1 - 1, y0 + 1.5);
    c.setColour(Colour{0, 0, 0, 0.35});
    cairo_stroke(cr);
}

void drawCloseMark(const Canvas& c, const Palette& t) {
    cairo_t* cr = c.cr();
    const double x0 = localX(kCloseLeft) - 1, y0 = localY(kCloseTop) - 1;
    const double w = kCloseRight - kCloseLeft + 3, h = kCloseBottom - kCloseTop + 3;
    c.roundedRect(x0, y0, w, h, 2);
    c.verticalGradient(y0, y0 + h, t["accent"], t["accent_dark"]);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    c.setColour(t["text_light"]);
    cairo_move_to(cr, x0 + 2.5, y0 + 2.5);
    cairo_line_to(cr, x0 + w - 2.5, y0 + h - 2.5);
    cairo_move_to(cr, x0 + w - 2.5, y0 + 2.5);
    cairo_line_to(cr, x0 + 2.5, y0 + h - 2.5);
    cairo_stroke(cr);
}

// A small ringed planet, the game's emblem.
void drawEmblem(const Canvas& c, const Palette& t, double cx, double cy, double r) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    // Back half of the ring.
    cairo_save(cr);
    cairo_scale(cr, 1.0, 0.32);
    cairo_arc(cr, 0, 0, r * 1.75, kPi, 2 * kPi);
    cairo_restore(cr);
    c.setColour(t["accent"]);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(-r * 0.4, -r * 0.4, r * 0.1, 0, 0, r);
    const Colour a = t["text_light"], b = t["text"], d = t["glass_dark"];
    cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, b.r, b.g, b.b);
    cairo_pattern_add_color_stop_rgb(g, 1, d.r, d.g, d.b);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_scale(cr, 1.0, 0.32);
    cairo_arc(cr, 0, 0, r * 1.75, 0, kPi);
    cairo_restore(cr);
    c.setColour(t["accent_light"]);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void drawStars(const Canvas& c, const Palette& t, double x0, double y0, double x1, double y1,
               unsigned seed, int count) {
    cairo_t* cr = c.cr();
    unsigned s = seed;
    auto next = [&s] {
        s = s * 1103515245u + 12345u;
        return (s >> 8) & 0xFFFF;
    };
    for (int i = 0; i < count; ++i) {
        const double x = x0 + (x1 - x0) * next() / 65535.0;
        const double y = y0 + (y1 - y0) * next() / 65535.0;
        const double a = 0.35 + 0.5 * next() / 65535.0;
        c.setColour(withAlpha(t["text_light"], a));
        cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
        cairo_fill(cr);
    }
}

// Button icons, drawn centred in a 22 x 22 cell at (x, y).
void drawButtonIcon(const Canvas& c, int button, double x, double y, const Colour& ink) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x + 11, y + 11);
    c.setColour(ink);
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (button) {
        case 0:  // repeat the last message: a speech bubble with text lines
            c.roundedRect(-6.5, -5.5, 13, 9, 2.5);
            cairo_move_to(cr, -3, 3.5);
            cairo_line_to(cr, -4.5, 7);
            cairo_line_to(cr, 0, 3.5);
            cairo_stroke(cr);
            cairo_set_line_width(cr, 1.2);
            cairo_move_to(cr, -3.5, -2.5);
            cairo_line_to(cr, 3.5, -2.5);
            cairo_move_to(cr, -3.5, 0.5);
            cairo_line_to(cr, 1.5, 0.5);
            cairo_stroke(cr);
            break;
        case 1:  // switch pull / push: two opposite arrows
            cairo_move_to(cr, -3, 6);
            cairo_line_to(cr, -3, -5);
            cairo_move_to(cr, -6, -2);
            cairo_line_to(cr, -3, -6);
            cairo_line_to(cr, 0, -2);
            cairo_move_to(cr, 3, -6);
            cairo_line_to(cr, 3, 5);
            cairo_move_to(cr, 0, 2);
            cairo_line_to(cr, 3, 6);
            cairo_line_to(cr, 6, 2);
            cairo_stroke(cr);
            break;
        case 2:  // sound: a speaker and two waves
            cairo_move_to(cr, -7, -2.5);
            cairo_line_to(cr, -4, -2.5);
            cairo_line_to(cr, 0, -6);
            cairo_line_to(cr, 0, 6);
            cairo_line_to(cr, -4, 2.5);
            cairo_line_to(cr, -7, 2.5);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_set_line_width(cr, 1.4);
            cairo_arc(cr, 0, 0, 4, -0.8, 0.8);
            cairo_stroke(cr);
            cairo_arc(cr, 0, 0, 7, -0.8, 0.8);
            cairo_stroke(cr);
            break;
        case 3:  // help: a question mark
            cairo_arc(cr, 0, -2.5, 3.5, -kPi, 0.35 * kPi);
            cairo_line_to(cr, 0, 2.5);
            cairo_stroke(cr);
            cairo_arc(cr, 0, 6, 1.3, 0, 2 * kPi);
            cairo_fill(cr);
            break;
        default:  // centre the view on the ball: cross hairs around a ball
            cairo_arc(cr, 0, 0, 6, 0, 2 * kPi);
            cairo_stroke(cr);
            cairo_move_to(cr, 0, -9);
            cairo_line_to(cr, 0, -4);
            cairo_move_to(cr, 0, 9);
            cairo_line_to(cr, 0, 4);
            cairo_move_to(cr, -9, 0);
            cairo_line_to(cr, -4, 0);
            cairo_move_to(cr, 9, 0);
            cairo_line_to(cr, 4, 0);
            cairo_stroke(cr);
            cairo_arc(cr, 0, 0, 2, 0, 2 * kPi);
            cairo_fill(cr);
            break;
    }
    cairo_restore(cr);
}

void drawButton(const Canvas& c, const Palette& t, int button, double x, double y, bool down) {
    cairo_t* cr = c.cr();
    c.roundedRect(x + 0.5, y + 0.5, kButtonSize - 1, kButtonSize - 1, 4);
    if (down)
        c.verticalGradient(y, y + kButtonSize, darker(t["button"], 0.45), t["button"]);
    else
        c.verticalGradient(y, y + kButtonSize, t["button_light"], t["button"]);
    cairo_fill_preserve(cr);
    c.setColour(down ? t["pressed"] : t["rim_dark"]);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (!down) {  // a light top edge: raised
        cairo_move_to(cr, x + 4, y + 1.5);
        cairo_line_to(cr, x + kButtonSize - 4, y + 1.5);
        c.setColour(withAlpha(t["rim_light"], 0.7));
        cairo_stroke(cr);
    }
    const double shift = down ? 1 : 0;
    drawButtonIcon(c, button, x + shift, y + shift, down ? t["pressed"] : t["icon"]);
}

void drawCentredLabel(const Canvas& c, const PixelFont& font, const Palette& t,
                      const std::string& text, double centreX, int y) {
    const int x = static_cast<int>(std::nearbyint(centreX - font.textWidth(text) / 2.0));
    font.draw(c, text, x, y, t["label"], t["label"], t["text_shadow"]);
}

// The method plate of the panel and the push sign over it share their shape.
void drawPlate(const Canvas& c, const Palette& t, const PixelFont& font, double x, double y,
               bool push) {
    cairo_t* cr = c.cr();
    c.roundedRect(x + 0.5, y + 0.5, kSignWidth - 1, kSignHeight - 1, 4);
    if (push)
        c.verticalGradient(y, y + kSignHeight, t["accent_light"], t["accent"]);
    else
        c.setColour(t["window"]);
    cairo_fill_preserve(cr);
    c.setColour(push ? t["accent_dark"] : withAlpha(t["window_edge"], 0.85));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const std::string word = push ? "PUSH" : "PULL";
    const int tx = static_cast<int>(x) + (kSignWidth - font.textWidth(word)) / 2 + 1;
    const int ty = static_cast<int>(y) + (kSignHeight - 7) / 2 - 2;
    if (push)
        font.draw(c, word, tx, ty, t["accent_dark"], darker(t["accent_dark"], 0.3),
                  withAlpha(t["accent_light"], 0.0));
    else
        font.draw(c, word, tx, ty, t["text_light"], t["text"], t["text_shadow"]);
}

}  // namespace

media::Bitmap buildPointer(const ArtContext& art) {
    const Palette& t = art.theme;
    Canvas c(16, 22);
    cairo_t* cr = c.cr();
    const double pts[][2] = {{1, 1}, {1, 16.5}, {4.8, 13}, {7.6, 19.5}, {10.4, 18.3},
                             {7.7, 12}, {12.5, 12}};
    cairo_move_to(cr, pts[0][0], pts[0][1]);
    for (const auto& p : pts) cairo_line_to(cr, p[0], p[1]);
    cairo_close_path(cr);
    c.verticalGradient(0, 20, t["pointer"], mix(t["pointer"], t["pointer_glint"], 0.5));
    cairo_fill_preserve(cr);
    c.setColour(t["pointer_edge"]);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
    cairo_move_to(cr, 2.6, 4);
    cairo_line_to(cr, 2.6, 12);
    c.setColour(t["pointer_glint"]);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    FinishOptions o;
    o.alphaCutoff = 70;
    return finishCanvas(c, o);
}

media::Bitmap buildPanel(const ArtContext& art, const PixelFont& font) {
    const Palette& t = art.theme;
    Canvas c(kPanelWidth, kPanelHeight);
    cairo_t* cr = c.cr();
    drawGlassBody(c, t, kPanelWidth, kPanelHeight, 10);

    // Title strip.
    const double stripBottom = localY(kTitleBottom);
    c.roundedRect(3, 3, kPanelWidth - 6, stripBottom - 2, 7);
    c.verticalGradient(3, stripBottom, t["glass_dark"], t["glass"]);
    cairo_fill(cr);
    cairo_move_to(cr, 4, stripBottom + 1.5);
    cairo_line_to(cr, kPanelWidth - 4, stripBottom + 1.5);
    c.setColour(withAlpha(t["rim_light"], 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    drawEmblem(c, t, 14, 8.5, 4);
    font.draw(c, "ORBIGOLF", 26, 2, t["text_light"], t["text"], t["text_shadow"]);
    drawStars(c, t, 80, 4, localX(kCloseLeft) - 8, stripBottom - 2, 7u, 26);
    drawCloseMark(c, t);

    // Score area: four player wells.
    // The well reaches a little left of the clickable area, to leave room for the player
    // numbers before the scores.
    const double sx0 = localX(kScoreLeft - 6), sy0 = localY(kScoreTop - 3);
    const double sx1 = localX(kScoreRight + 3), sy1 = localY(kScoreBottom);
    drawWell(c, sx0, sy0, sx1, sy1, t["field"], t["accent_dark"], 4);
    cairo_set_line_width(cr, 1);
    c.setColour(withAlpha(t["accent_dark"], 0.8));
    cairo_move_to(cr, localX(62) + 0.5, sy0 + 3);
    cairo_line_to(cr, localX(62) + 0.5, sy1 - 2);
    cairo_move_to(cr, sx0 + 3, localY(46) + 0.5);
    cairo_line_to(cr, sx1 - 2, localY(46) + 0.5);
    cairo_stroke(cr);
    for (int p = 0; p < 4; ++p) {
        const std::string n(1, static_cast<char>('1' + p));
        font.draw(c, n, static_cast<int>(localX(kScoreTextX[p] - 2 + (p % 2))),
                  static_cast<int>(localY(kScoreTextY[p] + 2)), t["label"], t["label"],
                  t["text_shadow"]);
    }

    // Message window.
    const int msgRight = kMessageX + kSmallCellWidth * (kMessageChars + 1) + 2;
    drawWell(c, localX(kMessageX + 2), localY(kMessageY - 4), localX(msgRight),
             localY(kMessageY + 12), t["window"], t["window_edge"], 3);

    // Strokes and par fields with their labels, fitted to the small font the figures are
    // drawn in: strokes at 118 (113 from 10 on), par at 161, one advance to the first glyph.
    drawWell(c, localX(116), localY(45), localX(134), localY(60), t["field"], t["window_edge"]);
    drawWell(c, localX(163), localY(45), localX(180), localY(60), t["field"], t["accent"]);
    drawCentredLabel(c, font, t, "STROKES", localX(125), static_cast<int>(localY(66)));
    drawCentredLabel(c, font, t, "PAR", localX(171) + 1, static_cast<int>(localY(66)));

    // Putting method: the plate reads PULL; the push sign is drawn over it.
    drawPlate(c, t, font, localX(kSignX), localY(kSignY), false);
    drawCentredLabel(c, font, t, "PUTT", localX(kSignX + kSignWidth / 2), static_cast<int>(localY(66)));

    // Buttons.
    for (int k = 0; k < kButtons; ++k)
        drawButton(c, t, k, localX(kButtonX + kButtonSize * k), localY(kButtonY), false);

    // Emblem corner: a planet in a field of stars.
    drawStars(c, t, localX(200), localY(78), kPanelWidth - 8, kPanelHeight - 6, 11u, 22);
    drawEmblem(c, t, kPanelWidth - 40, localY(89), 8);
    font.draw(c, "F1 HELP", static_cast<int>(localX(143)), static_cast<int>(localY(80)),
              t["label"], t["label"], t["text_shadow"]);
    font.draw(c, "END CARD", static_cast<int>(localX(143)), static_cast<int>(localY(91)),
              t["label"], t["label"], t["text_shadow"]);
    return finishCanvas(c);
}

media::Bitmap buildPanelMinimised(const ArtContext& art, const PixelFont& font) {
    const Palette& t = art.theme;
    Canvas c(kPanelMinWidth, kPanelMinHeight);
    drawGlassBody(c, t, kPanelMinWidth, kPanelMinHeight, 8);
    drawEmblem(c, t, 12, 12, 4);
    font.draw(c, "ORBIGOLF", 22, static_cast<int>(localY(kMinMessageY)), t["text_light"],
              t["text"], t["text_shadow"]);
    // The message window holds all 21 letters of the line (the last one inked at 206..210)
    // and shares its right edge with the strokes field, whose one-digit count is drawn at
    // 212 (206 + one advance); a count of 10 or more starts at 207 and so shares the
    // window's last letter. Par (221) is drawn at 227.
    drawWell(c, localX(kMinMessageX + 3), localY(6), localX(211), localY(24), t["window"],
             t["window_edge"], 2);
    drawWell(c, localX(211), localY(6), localX(223), localY(24), t["field"], t["window_edge"], 2);
    drawWell(c, localX(225), localY(6), localX(238), localY(24), t["field"], t["accent"], 2);
    drawCloseMark(c, t);
    return finishCanvas(c);
}

media::Bitmap buildPressedButtons(const ArtContext& art) {
    Canvas c(kButtonSize * kButtons, kButtonSize);
    for (int k = 0; k < kButtons; ++k) drawButton(c, art.theme, k, kButtonSize * k, 0, true);
    return finishCanvas(c);
}

media::Bitmap buildPushPuttSign(const ArtContext& art, const PixelFont& font) {
    Canvas c(kSignWidth, kSignHeight);
    drawPlate(c, art.theme, font, 0, 0, true);
    return finishCanvas(c);
}

media::Bitmap buildNameBox(const ArtContext& art) {
    const Palette& t = art.theme;
    Canvas c(kNameBoxWidth, kNameBoxHeight);
    cairo_t* cr = c.cr();
    const double h = 16;
    c.roundedRect(1, 1, kNameBoxWidth - 2, h - 1, 6);
    // The tip points down at the ball.
    cairo_move_to(cr, kNameBoxTipX + 0.5 - 5, h);
    cairo_line_to(cr, kNameBoxTipX + 0.5, kNameBoxHeight - 1);
    cairo_line_to(cr, kNameBoxTipX + 0.5 + 5, h);
    cairo_close_path(cr);
    c.verticalGradient(0, kNameBoxHeight, lighter(t["namebox"], 0.12), t["namebox"]);
    cairo_fill(cr);
    c.roundedRect(1.5, 1.5, kNameBoxWidth - 3, h - 2, 5.5);
    c.setColour(withAlpha(t["namebox_edge"], 0.9));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_move_to(cr, kNameBoxTipX + 0.5 - 4.5, h);
    cairo_line_to(cr, kNameBoxTipX + 0.5, kNameBoxHeight - 1.5);
    cairo_line_to(cr, kNameBoxTipX + 0.5 + 4.5, h);
    cairo_stroke(cr);
    FinishOptions o;
    o.alphaCutoff = 60;
    return finishCanvas(c, o);
}

}  // namespace orbigolf::content
