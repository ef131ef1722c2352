#include "pixel_font.h"

#include "character_sets.h"
#include "finish.h"

namespace orbigolf::content {

PixelFont PixelFont::load(const std::filesystem::path& file) {
    PixelFont font;
    const auto lines = readSourceLines(file);
    size_t n = 0;
    auto where = [&](size_t line) { return file.string() + ":" + std::to_string(line + 1); };
    while (n < lines.size()) {
        const auto words = splitWords(lines[n]);
        if (words.empty()) {
            ++n;
            continue;
        }
        if (words.size() != 2 || words[0] != "glyph")
            throw SourceError(where(n) + ": expected \"glyph <code>\"");
        const int code = std::stoi(words[1]);
        const size_t start = n + 1;
        size_t end = start;
        while (end < lines.size() && !lines[end].empty() && lines[end].rfind("glyph", 0) != 0)
            ++end;
        const size_t rows = end - start;
        if (rows != 7 && rows != 9)
            throw SourceError(where(n) + ": a glyph has 7 or 9 rows, this one has " +
                              std::to_string(rows));
        std::array<std::string, kPixelGlyphRows> g;
        g.fill(std::string(kPixelGlyphWidth, '.'));
        for (size_t r = 0; r < rows; ++r) {
            const std::string& row = lines[start + r];
            if (row.size() != kPixelGlyphWidth || row.find_first_not_of("X.") != std::string::npos)
                throw SourceError(where(start + r) + ": a glyph row is 5 of \"X\" or \".\"");
            g[kPixelGlyphRows - rows + r] = row;
        }
        if (!font.glyphs_.emplace(code, g).second)
            throw SourceError(where(n) + ": glyph " + words[1] + " is drawn twice");
        n = end;
    }
    return font;
}

bool PixelFont::ink(int code, int row, int column) const {
    if (row < 0 || row >= kPixelGlyphRows || column < 0 || column >= kPixelGlyphWidth) return false;
    auto it = glyphs_.find(code);
    return it != glyphs_.end() && it->second[static_cast<size_t>(row)][static_cast<size_t>(column)] == 'X';
}

void PixelFont::draw(const Canvas& canvas, const std::string& text, int x, int y,
                     const Colour& light, const Colour& ink, const Colour& shadow) const {
    cairo_t* cr = canvas.cr();
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t k = 0; k < text.size(); ++k) {
            const int code = static_cast<unsigned char>(text[k]);
            if (!has(code)) continue;
            const int gx = x + static_cast<int>(k) * kSmallCellWidth;
            for (int r = 0; r < kPixelGlyphRows; ++r) {
                for (int c = 0; c < kPixelGlyphWidth; ++c) {
                    if (!this->ink(code, r, c)) continue;
                    if (pass == 0) {
                        canvas.setColour(shadow);
                        cairo_rectangle(cr, gx + c + 1, y + r + 1, 1, 1);
                    } else {
                        canvas.setColour(mix(light, ink, std::max(0, r - 2) / 6.0));
                        cairo_rectangle(cr, gx + c, y + r, 1, 1);
                    }
                    cairo_fill(cr);
                }
            }
        }
    }
}

media::Bitmap buildSmallFont(const PixelFont& font, const Palette& theme) {
    const auto& set = labelCharacterSet();
    Canvas canvas(kSmallCellWidth * static_cast<int>(set.size()), kSmallCellHeight);
    for (size_t i = 0; i < set.size(); ++i) {
        if (set[i] == kBlankGlyph) continue;
        if (!font.has(set[i]))
            throw SourceError("the small font has no glyph for character code " +
                              std::to_string(set[i]));
        const std::string one(1, static_cast<char>(set[i]));
        font.draw(canvas, one, static_cast<int>(i) * kSmallCellWidth, 0, theme["text_light"],
                  theme["text"], theme["text_shadow"]);
    }
    FinishOptions crisp;
    crisp.dither = false;
    return finishCanvas(canvas, crisp);
}

}  // namespace orbigolf::content
