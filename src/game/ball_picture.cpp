#include "game/ball_picture.h"

#include <algorithm>

#include "game/geometry.h"
#include "game/picture_numbers.h"

namespace orbigolf {
namespace {

using platform::BlendMode;
using platform::Rect;

constexpr std::array<bool, 256> makeMask() {
    // Columns set per row, first..last (none for rows 0 and 15).
    constexpr int first[16] = {16, 6, 4, 3, 2, 2, 1, 1, 1, 1, 2, 2, 3, 4, 6, 16};
    constexpr int last[16] = {-1, 9, 11, 12, 13, 13, 14, 14, 14, 14, 13, 13, 12, 11, 9, -1};
    std::array<bool, 256> m{};
    for (int r = 0; r < 16; ++r)
        for (int c = 0; c < 16; ++c) m[static_cast<size_t>(16 * r + c)] = c >= first[r] && c <= last[r];
    return m;
}

constexpr std::array<uint8_t, 256> makeRemap() {
    // Rows 3..13 bulge; the other rows are the identity.
    constexpr uint8_t rows[11][16] = {
        {48, 49, 50, 51, 52, 53, 70, 71, 72, 73, 74, 59, 60, 61, 62, 63},
        {64, 65, 66, 67, 85, 86, 87, 87, 88, 89, 89, 91, 91, 77, 78, 79},
        {80, 81, 82, 83, 101, 102, 103, 103, 104, 105, 105, 106, 107, 93, 94, 95},
        {96, 97, 98, 100, 117, 118, 119, 119, 120, 121, 121, 122, 123, 108, 110, 111},
        {112, 113, 114, 116, 117, 118, 119, 119, 120, 121, 121, 122, 123, 124, 126, 127},
        {128, 129, 130, 132, 133, 134, 135, 135, 136, 137, 137, 138, 139, 140, 142, 143},
        {144, 145, 146, 148, 149, 150, 151, 151, 152, 153, 153, 154, 155, 156, 158, 159},
        {160, 161, 162, 164, 149, 150, 151, 151, 152, 153, 153, 154, 155, 172, 174, 175},
        {176, 177, 178, 179, 181, 166, 167, 167, 168, 169, 169, 170, 187, 189, 190, 191},
        {192, 193, 194, 195, 181, 182, 183, 183, 184, 185, 185, 187, 187, 205, 206, 207},
        {208, 209, 210, 211, 212, 213, 198, 199, 200, 201, 202, 219, 220, 221, 222, 223}};
    std::array<uint8_t, 256> t{};
    for (int k = 0; k < 256; ++k) t[static_cast<size_t>(k)] = static_cast<uint8_t>(k);
    for (int r = 3; r <= 13; ++r)
        for (int c = 0; c < 16; ++c) t[static_cast<size_t>(16 * r + c)] = rows[r - 3][c];
    return t;
}

constexpr std::array<bool, 256> kMask = makeMask();
constexpr std::array<uint8_t, 256> kRemap = makeRemap();

// A 16.16 texture coordinate's whole part, kept inside the texture: rounding can put
// it a hair outside at the rim.
inline int texelIndex(int64_t fixed) {
    const int64_t q = fixed / 65536;
    return static_cast<int>(std::clamp<int64_t>(q, 0, 15));
}

void drawSurface(platform::Display& d, const GamePictures& p, const BallLook& b, int player,
                 int64_t left, int64_t top) {
    const platform::Picture* texture = pictureOf(p.gui, gui::kBallTextures + player);
    if (texture == nullptr) return;
    // The 256 texels once per ball; a texture smaller than 16 x 16 reads black outside.
    std::array<platform::Pixel565, 256> texels{};
    for (int t = 0; t < 256; ++t) texels[static_cast<size_t>(t)] = texture->surface.pixel(t % 16, t / 16);

    const int32_t angle = -int32_t{b.spin};
    const double S = turnSin(angle), C = turnCos(angle);
    const int64_t stepU = roundWide(S * 65536.0), stepV = roundWide(C * 65536.0);
    const int64_t shift = 16 * roundWide(b.rollV) + roundWide(b.rollU);
    platform::Surface& buffer = d.backBuffer();
    const int rows = std::min<int>(b.ballRows, 15);
    for (int j = 0; j <= rows; ++j) {
        const int64_t y = top + j;
        if (y < 0 || y >= buffer.height()) continue;
        int64_t u = roundWide((-8.0 * S + 8.0 + (j - 8) * C) * 65536.0);
        int64_t v = roundWide((-8.0 * C + 8.0 - (j - 8) * S) * 65536.0);
        platform::Pixel565* row = buffer.row(static_cast<int>(y));
        for (int i = 0; i < 16; ++i, u += stepU, v += stepV) {
            if (!kMask[static_cast<size_t>(16 * j + i)]) continue;
            const int64_t x = left + i;
            if (x < 0 || x >= buffer.width()) continue;
            const int k = 16 * texelIndex(u) + texelIndex(v);
            const int t = static_cast<int>((int64_t{kRemap[static_cast<size_t>(k)]} - shift) & 255);
            row[x] = texels[static_cast<size_t>(t)];
        }
    }
}

void drawForeground(platform::Display& d, const GameState& s, const GamePictures& p, const BallLook& b) {
    const platform::Picture* fore = pictureOf(p.course, 1);
    if (fore == nullptr) return;
    const platform::Picture* course = pictureOf(p.course, 0);
    const int64_t pw = course != nullptr ? course->frameWidth() : s.courseWidth;
    const int64_t perRow = pw / 24;
    const int64_t col = roundWide(b.x + 0.5) / 24;
    const int64_t row = roundWide(b.y + 0.5) / 24;
    const int64_t n = perRow * row + col;
    const int frames = fore->frameCount();
    for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
            const int64_t frame = n + dr * perRow + dc;
            if (frame < 0 || frame >= frames) continue;
            d.drawFrame(*fore, static_cast<int>(frame), screenCoord(24 * (col + dc) - s.scrollX),
                        screenCoord(24 * (row + dr) - s.scrollY));
        }
}

}  // namespace

const std::array<bool, 256>& ballMask() { return kMask; }
const std::array<uint8_t, 256>& ballRemap() { return kRemap; }

BallLook lookOf(const playerrec& b) {
    return BallLook{b.x, b.y, b.z, b.rollU, b.rollV, b.spin, b.ballRows, b.tint, b.cupArea, b.inPlay, b.holed, b.sunk, b.piped};
}

void drawBall(platform::Display& d, const GameState& s, const GamePictures& p, int player) {
    if (!OneBased<playerrec, kMaxPlayers>::inRange(player)) return;
    drawBall(d, s, p, player, lookOf(s.playerRecs[player]));
}

void drawBall(platform::Display& d, const GameState& s, const GamePictures& p, int player, const BallLook& b) {
    if (!b.inPlay || !(b.z > -30)) return;
    const int64_t bx = roundWide(b.x) - s.scrollX;
    const int64_t gy = roundWide(b.y) - s.scrollY;
    const int64_t by = gy - roundWide(b.z);

    if (!b.holed && !b.sunk && !b.piped) {
        if (const platform::Picture* shadow = pictureOf(p.gui, gui::kBallShadow))
            d.drawFrameBlended(*shadow, 0,
                               Rect{screenCoord(bx - 4), screenCoord(gy - 6),
                                    screenCoord(16 + roundWide(b.z / 10.0)), 16},
                               BlendMode::Subtract, screenCoord(128 - roundWide(b.z / 3.0)));
    }
    drawSurface(d, p, b, player, bx - 8, by - 8);
    const Rect square{screenCoord(bx - 8), screenCoord(by - 8), 16, 16};
    if (!b.sunk) {
        if (const platform::Picture* shading = pictureOf(p.gui, gui::kBallShading))
            d.drawFrameBlended(*shading, 0, square, BlendMode::Subtract, 128);
        if (b.tint > 0)
            if (const platform::Picture* tint = pictureOf(p.gui, gui::kBallTint))
                d.drawFrameBlended(*tint, 0, square, BlendMode::Subtract, b.tint);
    }
    drawForeground(d, s, p, b);
    const bool knownArea = OneBased<arearec, kMaxAreas>::inRange(b.cupArea);
    if (b.holed && knownArea) {
        const arearec& cup = s.areas[b.cupArea];
        if (const platform::Picture* lip = pictureOf(p.course, 2))
            d.drawFrame(*lip, 0, screenCoord(int64_t{cup.x2} - s.scrollX), screenCoord(int64_t{cup.y2} - s.scrollY));
    }
    if (b.piped && knownArea) {
        const arearec& pipe = s.areas[b.cupArea];
        if (const platform::Picture* front = pictureOf(p.course, pipe.p3))
            d.drawFrame(*front, 0, screenCoord(int64_t{pipe.p1} - s.scrollX),
                        screenCoord(int64_t{pipe.p2} - s.scrollY));
    }
}

}  // namespace orbigolf
