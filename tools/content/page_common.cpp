#include "page_common.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace orbigolf::content {

std::vector<std::pair<std::string, std::string>> readPageText(const std::filesystem::path& file) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const std::string& line : readSourceLines(file)) {
        const auto start = line.find_first_not_of(' ');
        if (start == std::string::npos) continue;
        const auto space = line.find(' ', start);
        if (space == std::string::npos) {
            out.emplace_back(line.substr(start), "");
            continue;
        }
        out.emplace_back(line.substr(start, space - start),
                         line.substr(line.find_first_not_of(' ', space)));
    }
    return out;
}

std::string pageValue(const std::vector<std::pair<std::string, std::string>>& text,
                      const std::string& key, const std::filesystem::path& file) {
    for (const auto& [k, v] : text)
        if (k == key) return v;
    throw SourceError(file.string() + ": no line \"" + key + "\"");
}

void drawSpaceBackdrop(const Canvas& c, unsigned seed) {
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    c.verticalGradient(0, h, colourFromRgb(0x111a3a), colourFromRgb(0x070b1e));
    cairo_paint(cr);
    unsigned s = seed;
    auto rnd = [&s] {
        s = s * 1664525u + 1013904223u;
        return ((s >> 8) & 0xFFFF) / 65535.0;
    };
    // Nebula wisps: soft blobs of violet and teal.
    Canvas wisps(c.width(), c.height());
    for (int i = 0; i < 14; ++i) {
        const double x = rnd() * w, y = rnd() * h, r = (0.08 + 0.18 * rnd()) * std::max(w, h);
        const Colour col = colourFromRgb(i % 2 ? 0x4b2a7a : 0x12506a);
        cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
        cairo_pattern_add_color_stop_rgba(g, 0, col.r, col.g, col.b, 0.35);
        cairo_pattern_add_color_stop_rgba(g, 1, col.r, col.g, col.b, 0);
        cairo_save(wisps.cr());
        cairo_translate(wisps.cr(), 0, 0);
        cairo_set_source(wisps.cr(), g);
        cairo_paint(wisps.cr());
        cairo_restore(wisps.cr());
        cairo_pattern_destroy(g);
    }
    c.paintCanvas(wisps, 0, 0, 1.0);
    const int stars = static_cast<int>(w * h / 900);
    for (int i = 0; i < stars; ++i) {
        const double x = std::floor(rnd() * w), y = std::floor(rnd() * h);
        const double b = rnd();
        const Colour col = mix(colourFromRgb(0xbfd8ff), colourFromRgb(0xffffff), rnd());
        c.setColour(withAlpha(col, 0.3 + 0.7 * b * b));
        if (b > 0.93) {
            cairo_arc(cr, x + 0.5, y + 0.5, 1.1, 0, 2 * std::numbers::pi);
        } else {
            cairo_rectangle(cr, x, y, 1, 1);
        }
        cairo_fill(cr);
    }
}

void drawPagePanel(const Canvas& c, const Palette& t, double x, double y, double w, double h) {
    cairo_t* cr = c.cr();
    c.roundedRect(x, y, w, h, 10);
    Colour top = t["glass_light"], bottom = t["glass_dark"];
    top.a = 0.82;
    bottom.a = 0.9;
    c.verticalGradient(y, y + h, top, bottom);
    cairo_fill_preserve(cr);
    c.setColour(t["rim"]);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    c.roundedRect(x + 2.5, y + 2.5, w - 5, h - 5, 8);
    c.setColour(withAlpha(t["rim_light"], 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

double drawTextLine(const Canvas& c, FontFaces& fonts, FontStyle style, double size,
                    const std::string& text, double x, double y, Align align,
                    const Colour& colour) {
    cairo_t* cr = c.cr();
    fonts.use(cr, style, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    double left = x;
    if (align == Align::Centre) left = x - e.x_advance / 2;
    if (align == Align::Right) left = x - e.x_advance;
    cairo_move_to(cr, left, y);
    c.setColour(colour);
    cairo_show_text(cr, text.c_str());
    cairo_new_path(cr);
    return e.x_advance;
}

void drawGlowTitle(const Canvas& c, FontFaces& fonts, double size, const std::string& text,
                   double centreX, double baseline, const Colour& fill, const Colour& glow) {
    Canvas halo(c.width(), c.height());
    cairo_t* hr = halo.cr();
    fonts.use(hr, FontStyle::SansBold, size);
    cairo_text_extents_t e;
    cairo_text_extents(hr, text.c_str(), &e);
    cairo_move_to(hr, centreX - e.x_advance / 2, baseline);
    cairo_text_path(hr, text.c_str());
    halo.setColour(glow);
    cairo_set_line_width(hr, size / 6);
    cairo_set_line_join(hr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(hr);
    cairo_fill(hr);
    halo.blur(static_cast<int>(size / 8) + 1);
    c.paintCanvas(halo, 0, 0, 0.9);
    cairo_t* cr = c.cr();
    fonts.use(cr, FontStyle::SansBold, size);
    cairo_move_to(cr, centreX - e.x_advance / 2, baseline);
    cairo_text_path(cr, text.c_str());
    c.verticalGradient(baseline - size * 0.75, baseline, fill, mix(fill, glow, 0.4));
    cairo_fill_preserve(cr);
    c.setColour(darker(glow, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

int drawWrapped(const Canvas& c, FontFaces& fonts, FontStyle style, double size,
                const std::string& text, double x, double y, double width, double lineHeight,
                Align align, const Colour& colour) {
    cairo_t* cr = c.cr();
    fonts.use(cr, style, size);
    std::istringstream in(text);
    std::string word, line;
    std::vector<std::string> lines;
    while (in >> word) {
        const std::string candidate = line.empty() ? word : line + " " + word;
        cairo_text_extents_t e;
        cairo_text_extents(cr, candidate.c_str(), &e);
        if (e.x_advance > width && !line.empty()) {
            lines.push_back(line);
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.empty()) lines.push_back(line);
    const double anchor = align == Align::Centre ? x + width / 2 : (align == Align::Right ? x + width : x);
    for (size_t i = 0; i < lines.size(); ++i)
        drawTextLine(c, fonts, style, size, lines[i], anchor, y + lineHeight * static_cast<double>(i),
                     align, colour);
    return static_cast<int>(lines.size());
}

}  // namespace orbigolf::content
