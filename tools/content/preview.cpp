#include "preview.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "character_sets.h"
#include "content_set.h"
#include "media/image_list.h"
#include "platform/blit.h"
#include "platform/screenshot.h"
#include "putting_art.h"

namespace orbigolf::content {

namespace {

namespace fs = std::filesystem;
using platform::BlendMode;
using platform::Rect;
using platform::Surface;

constexpr int kW = 640, kH = 480;

platform::Pixel565 rgb565(uint32_t rgb) {
    return platform::toRgb565(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                              static_cast<uint8_t>(rgb));
}

void fillRect(Surface& s, int x, int y, int w, int h, uint32_t rgb) {
    platform::fillBlended(s, Rect{x, y, w, h}, rgb565(rgb), 255);
}

// Text as the game draws it: character k (from 1) at x + advance * k.
void smallText(Surface& s, const TPictureCollectionItem& font, const std::string& text, int x, int y) {
    for (size_t i = 0; i < text.size(); ++i)
        platform::drawFrame(s, font.picture(), labelGlyphIndex(static_cast<unsigned char>(text[i])),
                            x + font.patternWidth() * static_cast<int>(i + 1), y);
}

void numberText(Surface& s, const TPictureCollectionItem& font, const std::string& text, int x, int y) {
    const std::string glyphs = kNumberGlyphs;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto g = glyphs.find(text[i]);
        if (g == std::string::npos) continue;
        platform::drawFrame(s, font.picture(), static_cast<int>(g),
                            x + (font.patternWidth() + 1) * static_cast<int>(i + 1), y);
    }
}

void bigText(Surface& s, const TPictureCollectionItem& font, const std::string& text, int x, int y,
             int alpha) {
    for (size_t i = 0; i < text.size(); ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        const int pattern = c >= kBigFirst && c <= kBigLast ? c - kBigFirst : 0;
        const Rect r{x + font.patternWidth() * static_cast<int>(i + 1), y, font.patternWidth(),
                     font.patternHeight()};
        platform::drawFrameBlended(s, font.picture(), pattern, r, BlendMode::Alpha, alpha);
    }
}

// A course-like backdrop: space, a green floor with a faint grid and a metal wall.
void drawCourse(Surface& s) {
    s.fill(rgb565(0x0a1028));
    for (int i = 0; i < 120; ++i) {
        const int x = (i * 97) % kW, y = (i * 61 + i * i) % kH;
        s.setPixel(x, y, rgb565(i % 3 ? 0x8090c0 : 0xffffff));
    }
    fillRect(s, 60, 150, 520, 270, 0x2fa84f);
    for (int x = 60; x < 580; x += 24) fillRect(s, x, 150, 1, 270, 0x36b658);
    for (int y = 150; y < 420; y += 12) fillRect(s, 60, y, 520, 1, 0x36b658);
    fillRect(s, 60, 138, 520, 12, 0x3b4254);
    fillRect(s, 60, 136, 520, 3, 0xd9e2f2);
    fillRect(s, 60, 420, 520, 12, 0x3b4254);
    fillRect(s, 60, 418, 520, 3, 0xd9e2f2);
}

// The ball's round mask, as the ball drawing uses it.
bool inBallMask(int row, int col) {
    static const int first[16] = {16, 6, 4, 3, 2, 2, 1, 1, 1, 1, 2, 2, 3, 4, 6, 16};
    const int f = first[row];
    return col >= f && col <= 15 - f;
}

void drawBall(Surface& s, const TDXImageList& gui, int player, int x, int y) {
    platform::drawFrameBlended(s, gui.item(17).picture(), 0, Rect{x - 4, y - 6, 16, 16},
                               BlendMode::Subtract, 128);
    const TPictureCollectionItem& tex = gui.item(10 + player);
    for (int j = 0; j < 16; ++j)
        for (int i = 0; i < 16; ++i)
            if (inBallMask(j, i)) {
                const uint32_t c = tex.pixel(i, j);  // 0x00BBGGRR
                s.setPixel(x - 8 + i, y - 8 + j,
                           platform::toRgb565(static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8),
                                              static_cast<uint8_t>(c >> 16)));
            }
    platform::drawFrameBlended(s, gui.item(15).picture(), 0, Rect{x - 8, y - 8, 16, 16},
                               BlendMode::Subtract, 128);
}

void drawAiming(Surface& s, const TDXImageList& gui, int bx, int by, int heading, double speed) {
    const double a = heading * 2 * std::numbers::pi / 256;
    const int pose = (((128 - heading) % 256 + 256) % 256) / 8;
    const int mx = static_cast<int>(std::nearbyint(bx + std::cos(a) * 75));
    const int my = static_cast<int>(std::nearbyint(by + std::sin(a) * 75));
    const auto& marker = gui.item(6);
    platform::drawFrameBlended(s, marker.picture(), 1,
                               Rect{mx - 16, my - 13, marker.patternWidth(), marker.patternHeight()},
                               BlendMode::Add, 192);
    const int cx = static_cast<int>(std::nearbyint(bx - std::cos(a) * speed)) - 47;
    const int cy = static_cast<int>(std::nearbyint(by - std::sin(a) * speed)) - 125;
    platform::drawFrameBlended(s, gui.item(9).picture(), pose, Rect{cx, cy, 96, 142},
                               BlendMode::Subtract, 255);
    platform::drawFrame(s, gui.item(10).picture(), pose, cx, cy);
    platform::drawFrame(s, gui.item(5).picture(), static_cast<int>(std::nearbyint(speed / 3)),
                        mx - 47, my - 56);
}

void drawPanel(Surface& s, const TDXImageList& gui) {
    const auto& small = gui.item(7);
    const auto& numbers = gui.item(8);
    platform::drawFrame(s, gui.item(1).picture(), 0, 4, 4);
    platform::drawFrame(s, gui.item(4).picture(), 0, 193, 49);
    platform::drawFrame(s, gui.item(3).picture(), 2, 17 + 22 * 2, 76);
    const std::string message = "PUSH PUTT METHOD            ";
    smallText(s, small, message.substr(0, 28), 116, 31);
    numberText(s, numbers, "3", 161, 48);
    numberText(s, numbers, "12", 113, 48);
    numberText(s, numbers, "o0", 19, 27);
    numberText(s, numbers, "-2", 64, 27);
    numberText(s, numbers, "o5", 19, 48);
    numberText(s, numbers, "o12", 64, 48);
}

void drawLabel(Surface& s, const TDXImageList& gui, const std::string& label, int bx, int by) {
    platform::drawFrame(s, gui.item(18).picture(), 0, bx - 52, by - 40);
    smallText(s, gui.item(7), label, bx - 3 * static_cast<int>(label.size()), by - 35);
}

Surface gameScreen(const TDXImageList& gui, const TDXImageList& menu) {
    Surface s(kW, kH);
    drawCourse(s);
    drawBall(s, gui, 2, 200, 260);
    drawLabel(s, gui, "2. PLAYER 2 (14)", 200, 260);
    drawBall(s, gui, 1, 330, 330);
    drawAiming(s, gui, 330, 330, 150, 40);
    drawBall(s, gui, 3, 470, 250);
    drawAiming(s, gui, 470, 250, 40, 12);
    drawPanel(s, gui);
    const std::string big = "BIRDIE";
    const int len = static_cast<int>(big.size());
    bigText(s, menu.item(0), big, (kW - 23 * len) / 2, kH / 2 - 30, 3 * 255 / 4);
    platform::drawFrame(s, gui.item(0).picture(), 0, 560, 200);
    return s;
}

Surface minimisedScreen(const TDXImageList& gui, const TDXImageList& menu) {
    Surface s(kW, kH);
    drawCourse(s);
    platform::drawFrame(s, gui.item(2).picture(), 0, 4, 4);
    smallText(s, gui.item(7), "1. PLAYER ONE (7)    ", 80, 9);
    numberText(s, gui.item(8), "4", 221, 9);
    numberText(s, gui.item(8), "11", 201, 9);
    drawBall(s, gui, 1, 320, 300);
    drawLabel(s, gui, "1. PLAYER ONE (7)", 320, 300);
    bigText(s, menu.item(0), "PRESS ENTER TO CONFIRM EXIT", (kW - 23 * 27) / 2, kH / 2 - 30, 150);
    return s;
}

Surface cardScreen(const TDXImageList& menu) {
    Surface s(kW, kH);
    const auto& card = menu.item(4);
    const auto& font = menu.item(5);
    const int cx = (kW - card.width()) / 2, cy = (kH - card.height()) / 2;
    platform::drawFrame(s, card.picture(), 0, cx, cy);
    const int pars[3] = {3, 4, 2};
    const int strokes[4][3] = {{2, 4, 2}, {3, 5, 3}, {4, 4, 10}, {3, 3, 2}};
    const char* names[4] = {"PLAYER 1", "ANNIKA Å", "ZED", "SKYWALKERRRRRR"};
    for (int h = 0; h < 4; ++h) {
        const int y = cy + 175 + 36 * h;
        smallText(s, font, names[h], cx + 28, y);
        int total = 0;
        for (int f = 0; f < 3; ++f) {
            total += strokes[h][f];
            smallText(s, font, std::to_string(strokes[h][f]), cx + 167 + 39 * f, y);
            smallText(s, font, std::to_string(pars[f]), cx + 169 + 39 * f, cy + 146);
        }
        smallText(s, font, std::to_string(total), cx + (total >= 10 ? 526 : 534), y);
        smallText(s, font, std::to_string(h == 3 ? 2 : 0), cx + 572, y);
    }
    smallText(s, font, "9", cx + 536, cy + 146);
    smallText(s, font, std::string("WINNER - PLAYER 1 SCORE 1 UNDER - RANK SPACE CADET").substr(0, 39),
              cx + 154, cy + 319);
    return s;
}

void paste(Surface& dst, const Surface& src, int x, int y) {
    for (int j = 0; j < src.height(); ++j)
        for (int i = 0; i < src.width(); ++i) dst.setPixel(x + i, y + j, src.pixel(i, j));
}

}  // namespace

void drawPreview(const fs::path& contentDir, const fs::path& png) {
    TDXImageList gui, menu;
    gui.loadFromFile((contentDir / "gui.dxg").string());
    menu.loadFromFile((contentDir / "menu.dxg").string());
    Surface sheet(2 * kW, 2 * kH);
    paste(sheet, gameScreen(gui, menu), 0, 0);
    paste(sheet, cardScreen(menu), kW, kH);
    // The game screen with the first skin and the minimised panel with the second (or the
    // first again), applied as the game applies them.
    std::vector<fs::path> skins;
    if (fs::is_directory(contentDir / "skins"))
        for (const auto& entry : fs::directory_iterator(contentDir / "skins")) skins.push_back(entry.path());
    std::sort(skins.begin(), skins.end());
    auto applySkin = [&](const fs::path& dir) {
        for (const SkinFile& f : skinFiles())
            if (fs::exists(dir / f.fileName))
                gui.item(f.guiIndex).loadPictureFromFile((dir / f.fileName).string());
    };
    if (!skins.empty()) applySkin(skins.front());
    paste(sheet, gameScreen(gui, menu), kW, 0);
    if (skins.size() > 1) applySkin(skins[1]);
    paste(sheet, minimisedScreen(gui, menu), 0, kH);
    platform::savePng(sheet, png.string());
}

}  // namespace orbigolf::content
