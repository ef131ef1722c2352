#include "frontend/widgets/form_font.h"

#include "frontend/widgets/form_font_data.h"
#include "frontend/widgets/paint.h"

namespace orbigolf::widgets {

int fontLineHeight() { return fontdata::kAscent + fontdata::kDescent; }

int charWidth(unsigned char c) { return fontdata::kGlyphs[c].advance; }

int textWidth(const std::string& text) {
    int w = 0;
    for (const char ch : text) w += charWidth(static_cast<unsigned char>(ch));
    return w;
}

void drawText(platform::Surface& target, int x, int y, const std::string& text, uint32_t colour,
              const platform::Rect& clip) {
    const platform::Rect area = intersect(clip, {0, 0, target.width(), target.height()});
    if (area.empty()) return;
    const platform::Pixel565 ink = pixelOf(colour);
    const int baseline = y + fontdata::kAscent;
    int penX = x;
    for (const char ch : text) {
        const fontdata::Glyph& g = fontdata::kGlyphs[static_cast<unsigned char>(ch)];
        const int gx = penX + g.left, gy = baseline - g.top;
        const int pitch = (g.width + 7) / 8;
        if (gx < area.x + area.w && gx + g.width > area.x && gy < area.y + area.h && gy + g.height > area.y) {
            for (int row = 0; row < g.height; ++row) {
                const int py = gy + row;
                if (py < area.y || py >= area.y + area.h) continue;
                const uint8_t* bits = fontdata::kBits + g.offset + static_cast<size_t>(row) * static_cast<size_t>(pitch);
                platform::Pixel565* line = target.row(py);
                for (int col = 0; col < g.width; ++col) {
                    const int px = gx + col;
                    if (px < area.x || px >= area.x + area.w) continue;
                    if (bits[col >> 3] & (0x80 >> (col & 7))) line[px] = ink;
                }
            }
        }
        penX += g.advance;
    }
}

}  // namespace orbigolf::widgets
