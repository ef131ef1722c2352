#include "ball_art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "finish.h"
#include "sources.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

struct Rgbf {
    double r, g, b;
};

Rgbf toRgbf(const Colour& c) { return {c.r, c.g, c.b}; }
Rgbf lerp(const Rgbf& a, const Rgbf& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Nearest 5-6-5 colour, so the texture shows exactly as stored.
media::Rgb quantise(const Rgbf& c) {
    auto level = [](double v, int bits) {
        return nearestLevel(static_cast<uint8_t>(std::clamp(std::nearbyint(v * 255), 0.0, 255.0)),
                            bits);
    };
    return media::makeRgb(widenLevel(level(c.r, 5), 5), widenLevel(level(c.g, 6), 6),
                          widenLevel(level(c.b, 5), 5));
}

// Deterministic hash noise.
double hash01(uint32_t x, uint32_t y, uint32_t seed) {
    uint32_t h = x * 374761393u + y * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFF) / 65535.0;
}

// Smooth noise that repeats every 16 pixels in both directions (lattice of `cells`).
double tiledNoise(double x, double y, int cells, uint32_t seed) {
    const double s = cells / 16.0;
    const double fx = x * s, fy = y * s;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    auto v = [&](int i, int j) {
        const auto wi = static_cast<uint32_t>(((i % cells) + cells) % cells);
        const auto wj = static_cast<uint32_t>(((j % cells) + cells) % cells);
        return hash01(wi, wj, seed);
    };
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = v(x0, y0) + (v(x0 + 1, y0) - v(x0, y0)) * sx;
    const double b = v(x0, y0 + 1) + (v(x0 + 1, y0 + 1) - v(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
}

double fractal(double x, double y, uint32_t seed) {
    return 0.6 * tiledNoise(x, y, 4, seed) + 0.3 * tiledNoise(x, y, 8, seed + 1) +
           0.1 * tiledNoise(x, y, 16, seed + 2);
}

// Distance on the 16 x 16 torus.
double wrapDist(double ax, double ay, double bx, double by) {
    double dx = std::fabs(ax - bx), dy = std::fabs(ay - by);
    dx = std::min(dx, 16 - dx);
    dy = std::min(dy, 16 - dy);
    return std::hypot(dx, dy);
}

Rgbf colourParam(const Params& p, const std::string& key, const std::string& where) {
    const std::string v = p.text(key, "");
    if (v.size() != 7 || v[0] != '#') throw SourceError(where + ": needs colour " + key + "=#rrggbb");
    return toRgbf(colourFromRgb(static_cast<uint32_t>(std::stoul(v.substr(1), nullptr, 16))));
}

Rgbf texel(const std::string& pattern, const Params& p, const std::string& where, int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    const auto seed = static_cast<uint32_t>(p.number("seed", 1));
    if (pattern == "dimples") {
        // Offset rows of dimples, four per row: tiles seamlessly.
        const Rgbf base = colourParam(p, "base", where), dim = colourParam(p, "dimple", where);
        double best = 99;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                best = std::min(best, wrapDist(px, py, c * 4 + (r % 2) * 2 + 1.5, r * 4 + 1.5));
        const double n = 0.08 * (fractal(px, py, seed) - 0.5);
        const Rgbf v = lerp(dim, base, std::clamp(best / 1.6, 0.0, 1.0));
        return {v.r + n, v.g + n, v.b + n};
    }
    if (pattern == "stripes") {
        const Rgbf a = colourParam(p, "a", where), b = colourParam(p, "b", where),
                   c = colourParam(p, "c", where);
        const double bands = p.number("bands", 2);
        const double w = std::sin((py / 16.0) * 2 * kPi * bands);
        return w > 0.55 ? c : lerp(a, b, (w + 1) / 1.55);
    }
    if (pattern == "planet") {
        const Rgbf sea = colourParam(p, "sea", where), land = colourParam(p, "land", where),
                   ice = colourParam(p, "ice", where);
        const double n = fractal(px, py, seed);
        const double lat = std::fabs(std::sin(py / 16.0 * kPi));  // poles at the wrap line
        if (lat < 0.2) return ice;
        return n > 0.52 ? lerp(land, lerp(land, ice, 0.3), (n - 0.52) * 4) : lerp(sea, land, std::max(0.0, n - 0.4));
    }
    if (pattern == "dots") {
        const Rgbf base = colourParam(p, "base", where), dot = colourParam(p, "dot", where);
        const int count = static_cast<int>(p.number("count", 6));
        double best = 99;
        for (int i = 0; i < count; ++i)
            best = std::min(best, wrapDist(px, py, 16 * hash01(i, 1, seed), 16 * hash01(i, 2, seed)));
        return lerp(dot, base, (best - 1.3) / 0.8);
    }
    if (pattern == "craters") {
        const Rgbf base = colourParam(p, "base", where), crater = colourParam(p, "crater", where),
                   rim = colourParam(p, "rim", where);
        Rgbf v = lerp(base, lerp(base, crater, 0.5), fractal(px, py, seed));
        for (int i = 0; i < 5; ++i) {
            const double r = 1.2 + 1.6 * hash01(i, 3, seed);
            const double cx = 16 * hash01(i, 1, seed), cy = 16 * hash01(i, 2, seed);
            const double d = wrapDist(px, py, cx, cy);
            if (d < r) v = crater;
            else if (d < r + 0.9 && py < cy) v = rim;
        }
        return v;
    }
    if (pattern == "swirl") {
        const Rgbf a = colourParam(p, "a", where), b = colourParam(p, "b", where),
                   star = colourParam(p, "star", where);
        const double n = fractal(px + 3 * std::sin(py / 16 * 2 * kPi), py, seed);
        if (hash01(static_cast<uint32_t>(x), static_cast<uint32_t>(y), seed + 7) > 0.93) return star;
        return lerp(a, b, (n - 0.35) * 2.2);
    }
    if (pattern == "rings") {
        const Rgbf a = colourParam(p, "a", where), b = colourParam(p, "b", where),
                   c = colourParam(p, "c", where);
        const double w = std::sin(py / 16.0 * 2 * kPi * 3) + 0.4 * std::sin(py / 16.0 * 2 * kPi * 5);
        return w > 0.8 ? c : lerp(b, a, (w + 1.4) / 2.2);
    }
    if (pattern == "number") {
        const Rgbf base = colourParam(p, "base", where), spot = colourParam(p, "spot", where),
                   ink = colourParam(p, "ink", where);
        const double d = std::hypot(px - 8, py - 8);
        // A small "8" inside a white spot.
        const double u = d < 5.2 ? 1 : 0;
        const double up = std::hypot(px - 8, py - 6.6), dn = std::hypot(px - 8, py - 9.6);
        const bool eight = (up > 0.7 && up < 1.9) || (dn > 0.8 && dn < 2.1);
        if (u > 0) return eight ? ink : spot;
        const double shine = 0.06 * (fractal(px, py, 4) - 0.5);
        return {base.r + shine, base.g + shine, base.b + shine};
    }
    if (pattern == "checker") {
        const Rgbf a = colourParam(p, "a", where), b = colourParam(p, "b", where);
        const int cell = 16 / static_cast<int>(p.number("cells", 4));
        return ((x / cell) + (y / cell)) % 2 ? b : a;
    }
    throw SourceError(where + ": unknown ball pattern \"" + pattern + "\"");
}

}  // namespace

std::vector<BallTexture> buildBallTextures(const std::filesystem::path& recipes) {
    std::vector<BallTexture> out;
    const auto lines = readSourceLines(recipes);
    for (size_t n = 0; n < lines.size(); ++n) {
        const auto words = splitWords(lines[n]);
        if (words.empty()) continue;
        const std::string where = recipes.string() + ":" + std::to_string(n + 1);
        if (words.size() < 2) throw SourceError(where + ": expected \"name pattern key=value...\"");
        const Params params(words, 2, where);
        BallTexture t{words[0], media::makeBitmap(kBallSize, kBallSize)};
        for (int y = 0; y < kBallSize; ++y)
            for (int x = 0; x < kBallSize; ++x)
                t.picture.pixel(x, y) = quantise(texel(words[1], params, where, x, y));
        out.push_back(std::move(t));
    }
    if (out.size() < 4) throw SourceError(recipes.string() + ": at least four balls are needed");
    return out;
}

namespace {

// The disc of this radius around the middle of the 16 x 16 square covers exactly the
// pixels of the ball drawing's round mask.
constexpr double kBallRadius = 6.9;

// A grey level per pixel, 0..1, into a 16 x 16 picture of that grey (times a colour).
template <typename F>
media::Bitmap greyPicture(F level, const Rgbf& tint) {
    media::Bitmap b = media::makeBitmap(kBallSize, kBallSize);
    for (int y = 0; y < kBallSize; ++y) {
        for (int x = 0; x < kBallSize; ++x) {
            const double v = std::clamp(level(x + 0.5, y + 0.5), 0.0, 1.0);
            b.pixel(x, y) = quantise({v * tint.r, v * tint.g, v * tint.b});
        }
    }
    return b;
}

}  // namespace

media::Bitmap buildBallShading() {
    return greyPicture(
        [](double x, double y) {
            if (std::hypot(x - 8, y - 8) > kBallRadius) return 0.0;
            const double fromLight = std::hypot(x - 5.2, y - 4.8) / 11.5;
            return std::pow(fromLight, 1.6) * 1.1;
        },
        {1, 1, 1});
}

media::Bitmap buildBallTint() {
    return greyPicture([](double x, double y) { return std::hypot(x - 8, y - 8) > kBallRadius ? 0.0 : 1.0; },
                       {0.62, 0.46, 0.16});
}

media::Bitmap buildBallShadow() {
    return greyPicture(
        [](double x, double y) {
            const double d = std::hypot((x - 8) / 7.5, (y - 8) / 4.5);
            return d >= 1 ? 0.0 : 0.85 * (1 - d * d);
        },
        {1, 1, 1});
}

}  // namespace orbigolf::content
