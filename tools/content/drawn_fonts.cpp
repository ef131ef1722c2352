#include "drawn_fonts.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "character_sets.h"
#include "finish.h"

namespace orbigolf::content {

namespace {

// Segments a..g of a digit: which are lit for 0..9.
constexpr unsigned kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// One bevelled bar between two points (horizontal or vertical), t thick.
void segmentPath(cairo_t* cr, double x0, double y0, double x1, double y1, double t) {
    const double h = t / 2;
    if (y0 == y1) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x0 + h, y0 - h);
        cairo_line_to(cr, x1 - h, y1 - h);
        cairo_line_to(cr, x1, y1);
        cairo_line_to(cr, x1 - h, y1 + h);
        cairo_line_to(cr, x0 + h, y0 + h);
    } else {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x0 + h, y0 + h);
        cairo_line_to(cr, x1 + h, y1 - h);
        cairo_line_to(cr, x1, y1);
        cairo_line_to(cr, x1 - h, y1 - h);
        cairo_line_to(cr, x0 - h, y0 + h);
    }
    cairo_close_path(cr);
}

void drawDigit(const Canvas& c, double ox, unsigned lit, const Colour& on, const Colour& onLight,
               const Colour& ghost) {
    cairo_t* cr = c.cr();
    const double l = ox + 1.6, r = ox + 6.4, t = 1.5, m = 7.0, b = 12.5, w = 2.1;
    const double seg[7][4] = {{l, t, r, t}, {r, t, r, m}, {r, m, r, b}, {l, b, r, b},
                              {l, m, l, b}, {l, t, l, m}, {l, m, r, m}};
    for (int s = 0; s < 7; ++s) {
        const bool on_ = (lit >> s) & 1U;
        segmentPath(cr, seg[s][0], seg[s][1], seg[s][2], seg[s][3], w);
        if (on_)
            c.verticalGradient(0, kNumberCellHeight, onLight, on);
        else
            c.setColour(ghost);
        cairo_fill(cr);
    }
}

}  // namespace

media::Bitmap buildNumberFont(const ArtContext& art) {
    const std::string glyphs = kNumberGlyphs;
    Canvas c(kNumberCellWidth * static_cast<int>(glyphs.size()), kNumberCellHeight);
    const Colour on = art.theme["accent"];
    const Colour onLight = art.theme["accent_light"];
    const Colour ghost = mix(art.theme["field"], art.theme["accent_dark"], 0.2);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const double ox = static_cast<double>(i) * kNumberCellWidth;
        const char g = glyphs[i];
        if (g >= '0' && g <= '9') {
            drawDigit(c, ox, kSegments[g - '0'], on, onLight, ghost);
        } else if (g == '-') {
            drawDigit(c, ox, 0x40, on, onLight, ghost);
        } else {  // the sign of a score of zero or more: a plus
            cairo_t* cr = c.cr();
            segmentPath(cr, ox + 0.8, 7.0, ox + 7.2, 7.0, 2.0);
            segmentPath(cr, ox + 4.0, 2.8, ox + 4.0, 11.2, 2.0);
            c.verticalGradient(0, kNumberCellHeight, onLight, on);
            cairo_fill(cr);
        }
    }
    FinishOptions o;
    o.matte = art.theme["field"];
    o.alphaCutoff = 40;
    return finishCanvas(c, o);
}

namespace {

// Draws one character centred in a cell, squeezed sideways when wider than maxInk and
// lifted when it would reach below maxBottom (the underscore).
void drawCentredGlyph(cairo_t* cr, const std::string& text, double cellX, double cellW,
                      double baseline, double maxInk, double maxBottom) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    const double bottom = baseline + e.y_bearing + e.height;
    if (bottom > maxBottom) baseline -= bottom - maxBottom;
    const double scale = e.width > maxInk ? maxInk / e.width : 1.0;
    cairo_save(cr);
    cairo_translate(cr, cellX + cellW / 2, baseline);
    cairo_scale(cr, scale, 1.0);
    cairo_move_to(cr, -(e.x_bearing + e.width / 2), 0);
    cairo_text_path(cr, text.c_str());
    cairo_restore(cr);
}

}  // namespace

media::Bitmap buildBigFont(const ArtContext& art) {
    const int count = kBigLast - kBigFirst + 1;
    const int w = kBigCellWidth * count;
    Canvas glow(w, kBigCellHeight);
    Canvas face(w, kBigCellHeight);
    art.fonts.use(glow.cr(), FontStyle::SansBold, 26);
    art.fonts.use(face.cr(), FontStyle::SansBold, 26);
    const Colour fill = art.theme["big_fill"];
    const Colour glowColour = art.theme["big_glow"];
    for (int code = kBigFirst + 1; code <= kBigLast; ++code) {
        const std::string text(1, static_cast<char>(code));
        const double x = (code - kBigFirst) * kBigCellWidth;
        drawCentredGlyph(glow.cr(), text, x, kBigCellWidth, 25, 17, kBigCellHeight - 5);
        glow.setColour(glowColour);
        cairo_set_line_width(glow.cr(), 2.0);
        cairo_set_line_join(glow.cr(), CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(glow.cr());
        cairo_fill(glow.cr());
        drawCentredGlyph(face.cr(), text, x, kBigCellWidth, 25, 17, kBigCellHeight - 5);
        face.verticalGradient(5, 27, fill, mix(fill, glowColour, 0.45));
        cairo_fill_preserve(face.cr());
        face.setColour(darker(glowColour, 0.55));
        cairo_set_line_width(face.cr(), 1.0);
        cairo_stroke(face.cr());
    }
    glow.blur(1);
    Canvas out(w, kBigCellHeight);
    out.paintCanvas(glow, 0, 0, 0.85);
    out.paintCanvas(face, 0, 0, 1.0);
    // Words are drawn cell by cell: the glow fades out before a cell's edge so that
    // neighbouring letters do not show a seam where one cell's glow is cut off.
    for (int y = 0; y < kBigCellHeight; ++y) {
        for (int x = 0; x < w; ++x) {
            const int cx = x % kBigCellWidth;
            const int d = std::min({cx, kBigCellWidth - 1 - cx, y, kBigCellHeight - 1 - y});
            if (d >= 3) continue;
            const double keep = d / 3.0;
            const uint32_t p = out.argb(x, y);
            uint32_t q = 0;
            for (int c = 0; c < 32; c += 8)
                q |= static_cast<uint32_t>(std::nearbyint(((p >> c) & 0xFF) * keep)) << c;
            out.setArgb(x, y, q);
        }
    }
    out.markDirty();
    FinishOptions o;
    o.alphaCutoff = 6;
    return finishCanvas(out, o);
}

media::Bitmap buildCardFont(const ArtContext& art) {
    const auto& set = labelCharacterSet();
    Canvas c(kCardCellWidth * static_cast<int>(set.size()), kCardCellHeight);
    art.fonts.use(c.cr(), FontStyle::SansBold, 11, true);
    for (size_t i = 0; i < set.size(); ++i) {
        const int code = set[i];
        if (code == kBlankGlyph || code == ' ') continue;
        // The accented capitals are Latin-1 codes; Cairo takes UTF-8.
        std::string text;
        if (code < 128) {
            text = std::string(1, static_cast<char>(code));
        } else {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
        drawCentredGlyph(c.cr(), text, static_cast<double>(i) * kCardCellWidth, kCardCellWidth,
                         11, 7, kCardCellHeight - 0.5);
    }
    c.setColour(art.theme["card_text"]);
    cairo_fill(c.cr());
    FinishOptions o;
    o.matte = art.theme["card_cell"];
    o.alphaCutoff = 30;
    o.dither = false;
    return finishCanvas(c, o);
}

}  // namespace orbigolf::content
