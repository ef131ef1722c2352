#include "game/fonts.h"

#include <array>

#include "game/picture_numbers.h"

namespace orbigolf {
namespace {

constexpr int kBlankPattern = 30;

// The glyph order of the small and score-card fonts; the first occurrence of a
// character gives its pattern (the second '=' and space are never selected).
constexpr std::array<unsigned char, 67> kCharacterSet = {
    'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P', 'Q',
    'R', 'S', 'T', 'U', 'V', 'W', 'X', 'Y', 'Z', '"', 'a', 't', ' ', ' ', '0', '1', '2',
    '3', '4', '5', '6', '7', '8', '9', '<', '>', '=', '(', ')', '-', '`', '!', '_', '+',
    '\\', '/', '{', '}', '^', '&', '%', '.', '=', '$', '#', 197, 214, 196, '?', '*'};

constexpr std::array<int8_t, 256> makeSetTable() {
    std::array<int8_t, 256> t{};
    for (auto& v : t) v = -1;
    for (int i = 0; i < static_cast<int>(kCharacterSet.size()); ++i)
        if (t[kCharacterSet[static_cast<size_t>(i)]] < 0) t[kCharacterSet[static_cast<size_t>(i)]] = static_cast<int8_t>(i);
    for (auto& v : t)
        if (v < 0) v = kBlankPattern;
    return t;
}
constexpr std::array<int8_t, 256> kSetTable = makeSetTable();

}  // namespace

int setFontPattern(unsigned char c) { return kSetTable[c]; }

int numberFontPattern(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c == 'o') return 10;
    if (c == '-') return 11;
    return -1;
}

int bigFontPattern(unsigned char c) { return (c >= 32 && c <= 92) ? c - 32 : 0; }

void drawSetText(platform::Display& d, const platform::Picture* font, std::string_view text, int x, int y) {
    if (font == nullptr) return;
    const int w = font->frameWidth();
    for (size_t i = 0; i < text.size(); ++i)
        d.drawFrame(*font, setFontPattern(static_cast<unsigned char>(text[i])), x + w * static_cast<int>(i + 1), y);
}

void drawNumberFontText(platform::Display& d, const platform::Picture* font, std::string_view text, int x, int y) {
    if (font == nullptr) return;
    const int a = font->frameWidth() + 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const int pattern = numberFontPattern(static_cast<unsigned char>(text[i]));
        if (pattern >= 0) d.drawFrame(*font, pattern, x + a * static_cast<int>(i + 1), y);
    }
}

void drawBigFontText(platform::Display& d, const platform::Picture* font, std::string_view text, int x, int y,
                     int alpha) {
    if (font == nullptr) return;
    const int w = font->frameWidth();
    const int h = font->frameHeight();
    for (size_t i = 0; i < text.size(); ++i)
        d.drawFrameBlended(*font, bigFontPattern(static_cast<unsigned char>(text[i])),
                           platform::Rect{x + w * static_cast<int>(i + 1), y, w, h}, platform::BlendMode::Alpha,
                           alpha);
}

void DrawSmallText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y) {
    drawSetText(d, pictureOf(p.gui, gui::kSmallFont), text, x, y);
}

void DrawCardText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y) {
    drawSetText(d, pictureOf(p.menu, menu::kCardFont), text, x, y);
}

void DrawNumberText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y) {
    drawNumberFontText(d, pictureOf(p.gui, gui::kNumberFont), text, x, y);
}

void DrawBigText(platform::Display& d, const GamePictures& p, std::string_view text, int x, int y, int alpha) {
    drawBigFontText(d, pictureOf(p.menu, menu::kBigFont), text, x, y, alpha);
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247)) ch = static_cast<char>(c - 32);
    }
    return out;
}

}  // namespace orbigolf
