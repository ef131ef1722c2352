#include "launch_backdrop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <tuple>
#include <vector>

#include "canvas.h"

namespace orbigolf::content {

namespace {

constexpr int W = kBackdropWidth;
constexpr int H = kBackdropHeight;
constexpr double kTau = 2 * std::numbers::pi;

struct SplitMix {
    uint64_t state;
    uint64_t next() {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
};

struct Rgbf {
    float r = 0, g = 0, b = 0;
};
Rgbf hex(uint32_t c) { return {float((c >> 16) & 255), float((c >> 8) & 255), float(c & 255)}; }
Rgbf operator+(Rgbf a, Rgbf b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Rgbf operator*(Rgbf a, float k) { return {a.r * k, a.g * k, a.b * k}; }
Rgbf mixf(Rgbf a, Rgbf b, float t) { return a * (1 - t) + b * t; }

// Value noise on an integer lattice (hashed corners, smooth interpolation), summed over
// octaves: soft cloudy fields for the nebula.
double latticeValue(int x, int y, uint64_t seed) {
    SplitMix h{seed ^ (uint64_t(uint32_t(x)) * 0x9E3779B1ull) ^ (uint64_t(uint32_t(y)) << 32)};
    h.next();
    return h.uniform();
}
// One octave: the hashed corner values of the lattice cells the picture covers, made once.
struct Lattice {
    int columns = 0;
    std::vector<double> values;

    Lattice(double fx, double fy, uint64_t seed) : columns(int(W * fx) + 2) {
        const int rows = int(H * fy) + 2;
        values.resize(size_t(columns) * size_t(rows));
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < columns; ++x) values[size_t(y) * size_t(columns) + size_t(x)] = latticeValue(x, y, seed);
    }
    double at(int x, int y) const { return values[size_t(y) * size_t(columns) + size_t(x)]; }
    double noise(double x, double y) const {
        const int x0 = int(x), y0 = int(y);
        const double fx = x - x0, fy = y - y0;
        const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
        const double a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
        return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
    }
};

std::vector<float> cloudField(double scale, int octaves, uint64_t seed) {
    std::vector<Lattice> lattices;
    std::vector<double> freqs, amps;
    double amp = 0.5, norm = 0, freq = 1.0 / scale;
    for (int o = 0; o < octaves; ++o) {
        lattices.emplace_back(freq, freq * 1.25, seed + uint64_t(o) * 7919);
        freqs.push_back(freq);
        amps.push_back(amp);
        norm += amp;
        amp *= 0.5;
        freq *= 2.03;
    }
    std::vector<float> f(size_t(W) * H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            double sum = 0;
            for (size_t o = 0; o < lattices.size(); ++o)
                sum += amps[o] * lattices[o].noise(x * freqs[o], y * freqs[o] * 1.25);
            f[size_t(y) * W + x] = float(sum / norm);
        }
    }
    return f;
}

float smoothstep(float a, float b, float v) {
    const float t = std::clamp((v - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// How much the backdrop is calmed down around the panel frame, 0 (calm) .. 1 (full).
float liveliness(int x, int y) {
    const float dx = std::max({0.0f, float(kPanelLeft - 24 - x), float(x - (kPanelLeft + kPanelWidth + 24))});
    const float dy = std::max({0.0f, float(kPanelTop - 24 - y), float(y - (kPanelTop + kPanelHeight + 24))});
    return 0.35f + 0.65f * smoothstep(0, 40, std::sqrt(dx * dx + dy * dy));
}

struct Star {
    float x, y, brightness, phase;
    int rate;  // twinkles per loop
    Rgbf colour;
};

class SpaceRenderer {
public:
    SpaceRenderer() {
        density_ = cloudField(150, 5, 11);
        hue_ = cloudField(260, 3, 23);
        phase_ = cloudField(120, 3, 37);
        calm_.resize(size_t(W) * H);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) calm_[size_t(y) * W + x] = liveliness(x, y);
        for (int i = 0; i < 1024; ++i) sine_[size_t(i)] = float(std::sin(kTau * i / 1024));
        SplitMix rng{0x5EED0F5A11ull};
        while (stars_.size() < 420) {
            Star s;
            s.x = float(rng.uniform() * W);
            s.y = float(rng.uniform() * H);
            const double u = rng.uniform();
            s.brightness = float(40 + 215 * u * u * u);
            s.phase = float(rng.uniform());
            s.rate = 1 + int(rng.next() % 3);
            s.colour = mixf(hex(0xffffff), hex(0xa8c8ff), float(rng.uniform()));
            if (liveliness(int(s.x), int(s.y)) < 0.9f) continue;  // none behind the panels
            stars_.push_back(s);
        }
        preparePlanet();
    }

    // The space behind everything at loop frame f (0-based), as 8-bit RGB floats.
    std::vector<Rgbf> frame(int f) const {
        std::vector<Rgbf> px(size_t(W) * H);
        const Rgbf top = hex(0x070b1e), bottom = hex(0x111a3a);
        const Rgbf violet = hex(0x4b2a7a), teal = hex(0x12506a), glow = hex(0x9a7ad8);
        const float t = float(f) / kBackdropFrames;
        for (int y = 0; y < H; ++y) {
            const Rgbf base = mixf(top, bottom, float(y) / H);
            for (int x = 0; x < W; ++x) {
                const size_t i = size_t(y) * W + x;
                // Wisps brighten and fade in slow waves that run through the cloud.
                const float wave = sine_[size_t(int((t + phase_[i] * 3) * 1024) & 1023)];
                const float d = smoothstep(0.42f, 0.85f, density_[i]) * (0.78f + 0.22f * wave) * calm_[i];
                const Rgbf cloud = mixf(violet, teal, smoothstep(0.35f, 0.65f, hue_[i]));
                px[i] = base + cloud * (1.5f * d) + glow * (0.35f * d * d * d);
            }
        }
        drawStars(px, t);
        drawPlanet(px, t);
        return px;
    }

private:
    void drawStars(std::vector<Rgbf>& px, float t) const {
        auto add = [&](int x, int y, Rgbf c) {
            if (x < 0 || y < 0 || x >= W || y >= H) return;
            px[size_t(y) * W + x] = px[size_t(y) * W + x] + c;
        };
        for (const Star& s : stars_) {
            const float tw = sine_[size_t(int((t * s.rate + s.phase) * 1024) & 1023)];
            const float b = s.brightness * (0.7f + 0.3f * tw) / 255;
            const int x = int(s.x), y = int(s.y);
            add(x, y, s.colour * b);
            if (s.brightness > 120) {
                const Rgbf arm = s.colour * (b * 0.35f);
                add(x - 1, y, arm);
                add(x + 1, y, arm);
                add(x, y - 1, arm);
                add(x, y + 1, arm);
            }
            if (s.brightness > 200) {
                const Rgbf arm = s.colour * (b * 0.12f);
                add(x - 2, y, arm);
                add(x + 2, y, arm);
                add(x, y - 2, arm);
                add(x, y + 2, arm);
            }
        }
    }

    // A banded gas giant turning a quarter turn per loop; its markings repeat four times
    // round it, so the loop closes without a seam. What does not turn is worked out once.
    struct PlanetPixel {
        size_t index;
        float cover, haze;
        double lonBase, latTerm, spotLat;
        float shade;
        Rgbf rim;
    };

    void preparePlanet() {
        const double cx = 574, cy = 420, r = 80;
        const double lx = -0.62, ly = -0.48, lz = 0.62;
        const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
        for (int y = int(cy - r - 2); y <= int(cy + r + 2); ++y) {
            if (y < 0 || y >= H) continue;
            for (int x = int(cx - r - 2); x <= int(cx + r + 2); ++x) {
                if (x < 0 || x >= W) continue;
                const double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
                const double rr = dx * dx + dy * dy;
                const double dist = std::sqrt(rr) * r;
                PlanetPixel p{size_t(y) * W + size_t(x), float(std::clamp(r - dist + 0.5, 0.0, 1.0)), 0, 0, 0, 0, 0, {}};
                // A thin haze round the lit limb.
                p.haze = float(0.35 * std::clamp(1 - (dist - r) / 6, 0.0, 1.0) * (dist > r - 1 ? 1 : 0) *
                               std::max(0.0, -(dx * lx + dy * ly) / ll));
                if (p.cover <= 0 && p.haze <= 0) continue;
                const double z = std::sqrt(std::max(0.0, 1 - rr));
                const double lat = std::asin(std::clamp(-dy, -1.0, 1.0));
                p.lonBase = std::atan2(dx, z);
                p.latTerm = lat * 11 + 0.9 * std::sin(lat * 3);
                p.spotLat = std::exp(-std::pow((lat + 0.32) / 0.09, 2));
                const double lit = std::max(0.0, (dx * lx + dy * ly + z * lz) / ll);
                p.shade = float(0.05 + 0.95 * std::pow(lit, 0.8));
                p.rim = hex(0x9fd0ff) * float(0.25 * std::pow(1 - z, 3) * lit);
                planet_.push_back(p);
            }
        }
    }

    void drawPlanet(std::vector<Rgbf>& px, float t) const {
        const double turn = kTau / 4 * t;
        const Rgbf light = hex(0xe8c08a), mid = hex(0xc07a44), dark = hex(0x7c3f26), storm = hex(0xf4dcb0);
        const Rgbf haze = hex(0x6fa8d8);
        for (const PlanetPixel& p : planet_) {
            Rgbf& out = px[p.index];
            out = out + haze * p.haze;
            if (p.cover <= 0) continue;
            const double lon = p.lonBase + turn;
            const double bands = std::sin(p.latTerm + 0.45 * std::sin(lon * 4));
            Rgbf c = bands > 0 ? mixf(mid, light, float(bands)) : mixf(mid, dark, float(-bands));
            const double c4 = std::max(0.0, std::cos(4 * lon));
            const double c12 = (c4 * c4) * (c4 * c4) * (c4 * c4);
            c = mixf(c, storm, float(std::min(1.0, p.spotLat * c12 * c12)));
            out = mixf(out, c * p.shade + p.rim, p.cover);
        }
    }

    std::vector<PlanetPixel> planet_;
    std::vector<float> density_, hue_, phase_, calm_;
    std::array<float, 1024> sine_{};
    std::vector<Star> stars_;
};

// Premultiplied ARGB of a canvas, read once.
std::vector<uint32_t> pixelsOf(const Canvas& c) {
    cairo_surface_flush(c.surface());
    const unsigned char* data = cairo_image_surface_get_data(c.surface());
    const int stride = cairo_image_surface_get_stride(c.surface());
    std::vector<uint32_t> out(size_t(c.width()) * size_t(c.height()));
    for (int y = 0; y < c.height(); ++y)
        std::memcpy(out.data() + size_t(y) * size_t(c.width()), data + size_t(y) * size_t(stride), size_t(c.width()) * 4);
    return out;
}

// The frame the panels sit in: dark glass with a cyan rim and orange corner marks.
void drawPanelFrame(const Canvas& c) {
    cairo_t* cr = c.cr();
    const double x = kPanelLeft - 10, y = kPanelTop - 10, w = kPanelWidth + 20, h = kPanelHeight + 20;
    // Glow behind the rim.
    Canvas glow(W, H);
    glow.roundedRect(x, y, w, h, 9);
    glow.setColour(colourFromRgb(0x3ff0ff, 0.55));
    cairo_set_line_width(glow.cr(), 4);
    cairo_stroke(glow.cr());
    glow.blur(5);
    c.paintCanvas(glow, 0, 0, 0.9);
    c.roundedRect(x, y, w, h, 9);
    c.verticalGradient(y, y + h, colourFromRgb(0x1a2240, 0.92), colourFromRgb(0x10162e, 0.95));
    cairo_fill_preserve(cr);
    c.setColour(colourFromRgb(0x3ff0ff, 0.9));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The panel's own place, a shade darker.
    cairo_rectangle(cr, kPanelLeft - 1, kPanelTop - 1, kPanelWidth + 2, kPanelHeight + 2);
    c.setColour(colourFromRgb(0x0a0f24));
    cairo_fill_preserve(cr);
    c.setColour(colourFromRgb(0x2b8fa8, 0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Orange corner marks.
    c.setColour(colourFromRgb(0xff9a2e));
    cairo_set_line_width(cr, 2.5);
    const double m = 3, l = 16;
    for (int corner = 0; corner < 4; ++corner) {
        const double cx = corner % 2 ? x + w - m : x + m, cy = corner / 2 ? y + h - m : y + m;
        const double sx = corner % 2 ? -1 : 1, sy = corner / 2 ? -1 : 1;
        cairo_move_to(cr, cx + sx * l, cy);
        cairo_line_to(cr, cx, cy);
        cairo_line_to(cr, cx, cy + sy * l);
    }
    cairo_stroke(cr);
    // Small tick marks along the top and bottom rims.
    c.setColour(colourFromRgb(0x3ff0ff, 0.6));
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < 8; ++i) {
        const double tx = std::floor(x + w * i / 8) + 0.5;
        cairo_move_to(cr, tx, y + 2);
        cairo_line_to(cr, tx, y + 6);
        cairo_move_to(cr, tx, y + h - 2);
        cairo_line_to(cr, tx, y + h - 6);
    }
    cairo_stroke(cr);
}

void drawTitle(const Canvas& c, FontFaces& fonts) {
    const char* title = "ORBIGOLF";
    Canvas text(W, H);
    cairo_t* tr = text.cr();
    fonts.use(tr, FontStyle::SansBold, 76);
    cairo_text_extents_t e;
    cairo_text_extents(tr, title, &e);
    const double x = (W - e.width) / 2 - e.x_bearing, base = 124;
    Canvas glow(W, H);
    fonts.use(glow.cr(), FontStyle::SansBold, 76);
    cairo_move_to(glow.cr(), x, base);
    cairo_text_path(glow.cr(), title);
    glow.setColour(colourFromRgb(0x3ff0ff, 0.8));
    cairo_set_line_width(glow.cr(), 6);
    cairo_stroke_preserve(glow.cr());
    cairo_fill(glow.cr());
    glow.blur(9);
    c.paintCanvas(glow, 0, 0, 0.75);
    cairo_t* cr = c.cr();
    fonts.use(cr, FontStyle::SansBold, 76);
    cairo_move_to(cr, x, base);
    cairo_text_path(cr, title);
    c.verticalGradient(base - 58, base, colourFromRgb(0xf2feff), colourFromRgb(0x3fc8e8));
    cairo_fill_preserve(cr);
    c.setColour(colourFromRgb(0x0c3a52));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The edition, small and spaced, under the title.
    fonts.use(cr, FontStyle::SansBold, 15);
    const char* edition = "D E M O";
    cairo_text_extents(cr, edition, &e);
    cairo_move_to(cr, (W - e.width) / 2 - e.x_bearing, 150);
    c.setColour(colourFromRgb(0xff9a2e));
    cairo_show_text(cr, edition);
}

// Lays a premultiplied overlay over space.
void compose(std::vector<Rgbf>& px, const std::vector<uint32_t>& over) {
    for (size_t i = 0; i < px.size(); ++i) {
        const uint32_t o = over[i];
        const float a = float(o >> 24) / 255;
        if (a == 0) continue;
        px[i] = px[i] * (1 - a) + Rgbf{float((o >> 16) & 255), float((o >> 8) & 255), float(o & 255)};
    }
}

// --- one palette for every frame: median cut over the colours in use ---

struct Bin {
    int r, g, b;  // 8-bit centre of a 5-6-5 cell
    double count;
};

int to565(const Rgbf& c, float dither) {
    const int r = std::clamp(int(c.r + dither * 8), 0, 255) >> 3;
    const int g = std::clamp(int(c.g + dither * 4), 0, 255) >> 2;
    const int b = std::clamp(int(c.b + dither * 8), 0, 255) >> 3;
    return (r << 11) | (g << 5) | b;
}

media::FlicPalette medianCut(const std::vector<double>& histogram) {
    std::vector<Bin> bins;
    for (int v = 0; v < 65536; ++v) {
        if (histogram[size_t(v)] == 0) continue;
        bins.push_back({((v >> 11) << 3) + 4, (((v >> 5) & 63) << 2) + 2, ((v & 31) << 3) + 4, histogram[size_t(v)]});
    }
    struct Box {
        size_t from, to;  // bins[from..to)
    };
    std::vector<Box> boxes{{0, bins.size()}};
    auto extent = [&](const Box& b, int axis) {
        int lo = 255, hi = 0;
        for (size_t i = b.from; i < b.to; ++i) {
            const int v = axis == 0 ? bins[i].r : axis == 1 ? bins[i].g : bins[i].b;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        return hi - lo;
    };
    auto weight = [&](const Box& b) {
        double w = 0;
        for (size_t i = b.from; i < b.to; ++i) w += std::sqrt(bins[i].count);  // rare colours count more
        return w;
    };
    while (boxes.size() < 256) {
        size_t best = boxes.size();
        double bestScore = 0;
        for (size_t k = 0; k < boxes.size(); ++k) {
            if (boxes[k].to - boxes[k].from < 2) continue;
            const int e = std::max({extent(boxes[k], 0), extent(boxes[k], 1), extent(boxes[k], 2)});
            const double score = weight(boxes[k]) * e;
            if (score > bestScore) {
                bestScore = score;
                best = k;
            }
        }
        if (best == boxes.size()) break;
        Box b = boxes[best];
        const int er = extent(b, 0), eg = extent(b, 1), eb = extent(b, 2);
        const int axis = er >= eg && er >= eb ? 0 : eg >= eb ? 1 : 2;
        auto key = [axis](const Bin& v) { return axis == 0 ? v.r : axis == 1 ? v.g : v.b; };
        std::sort(bins.begin() + std::ptrdiff_t(b.from), bins.begin() + std::ptrdiff_t(b.to),
                  [&](const Bin& p, const Bin& q) {
                      return key(p) != key(q) ? key(p) < key(q) : (p.r * 65536 + p.g * 256 + p.b) < (q.r * 65536 + q.g * 256 + q.b);
                  });
        const double half = weight(b) / 2;
        double acc = 0;
        size_t cut = b.from + 1;
        for (size_t i = b.from; i < b.to - 1; ++i) {
            acc += std::sqrt(bins[i].count);
            cut = i + 1;
            if (acc >= half) break;
        }
        boxes[best] = {b.from, cut};
        boxes.push_back({cut, b.to});
    }
    std::vector<platform::Rgb> colours;
    for (const Box& b : boxes) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (size_t i = b.from; i < b.to; ++i) {
            r += bins[i].r * bins[i].count;
            g += bins[i].g * bins[i].count;
            bl += bins[i].b * bins[i].count;
            n += bins[i].count;
        }
        colours.push_back({uint8_t(std::nearbyint(r / n)), uint8_t(std::nearbyint(g / n)), uint8_t(std::nearbyint(bl / n))});
    }
    // Darkest first, so that index 0 is the black of space.
    std::sort(colours.begin(), colours.end(), [](const platform::Rgb& a, const platform::Rgb& b) {
        const int la = a.r * 3 + a.g * 6 + a.b, lb = b.r * 3 + b.g * 6 + b.b;
        return la != lb ? la < lb : std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
    });
    media::FlicPalette palette{};
    for (size_t i = 0; i < colours.size(); ++i) palette[i] = colours[i];
    return palette;
}

class Quantiser {
public:
    explicit Quantiser(const media::FlicPalette& palette) : lut_(65536) {
        for (int v = 0; v < 65536; ++v) {
            const int r = ((v >> 11) << 3) + 4, g = (((v >> 5) & 63) << 2) + 2, b = ((v & 31) << 3) + 4;
            int best = 0, bestD = 1 << 30;
            for (int i = 0; i < 256; ++i) {
                const int dr = r - palette[size_t(i)].r, dg = g - palette[size_t(i)].g, db = b - palette[size_t(i)].b;
                const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            lut_[size_t(v)] = uint8_t(best);
        }
    }
    // Ordered dither (4 x 4), fixed to the screen so still areas stay still.
    std::vector<uint8_t> map(const std::vector<Rgbf>& px) const {
        static constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
        std::vector<uint8_t> out(px.size());
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const float d = (bayer[y & 3][x & 3] + 0.5f) / 16 - 0.5f;
                out[size_t(y) * W + x] = lut_[size_t(to565(px[size_t(y) * W + x], d))];
            }
        return out;
    }

private:
    std::vector<uint8_t> lut_;
};

}  // namespace

LaunchAnimations buildLaunchAnimations(const ArtContext& art) {
    const SpaceRenderer space;
    Canvas frameArt(W, H), titleArt(W, H);
    drawPanelFrame(frameArt);
    drawTitle(titleArt, art.fonts);
    const std::vector<uint32_t> panelFrame = pixelsOf(frameArt);
    const std::vector<uint32_t> title = pixelsOf(titleArt);

    std::vector<std::vector<Rgbf>> loop, flip;
    for (int f = 0; f < kBackdropFrames; ++f) {
        std::vector<Rgbf> px = space.frame(f);
        compose(px, title);
        if (f < kFlipFrames) {
            // The flip: the panel frame turns once about its upright centre line.
            std::vector<Rgbf> turned = px;
            const double s = std::cos(std::numbers::pi * f / (kFlipFrames - 1));
            Canvas swing(W, H);
            cairo_t* cr = swing.cr();
            const double cx = kPanelLeft + kPanelWidth / 2.0;
            cairo_save(cr);
            cairo_translate(cr, cx, 0);
            cairo_scale(cr, std::max(std::abs(s), 0.02), 1);
            cairo_translate(cr, -cx, 0);
            cairo_set_source_surface(cr, frameArt.surface(), 0, 0);
            cairo_paint_with_alpha(cr, s < 0 ? 0.85 : 1.0);
            cairo_restore(cr);
            if (std::abs(s) < 0.35) {
                // Edge on, the rim catches the light.
                const double a = 1 - std::abs(s) / 0.35;
                swing.setColour(colourFromRgb(0xbff8ff, a));
                cairo_rectangle(cr, cx - 1.5, kPanelTop - 14, 3, kPanelHeight + 28);
                cairo_fill(cr);
            }
            compose(turned, pixelsOf(swing));
            flip.push_back(std::move(turned));
        }
        compose(px, panelFrame);
        loop.push_back(std::move(px));
    }
    // Frame 1 of the flip is the backdrop's frame 1 exactly.
    flip[0] = loop[0];

    std::vector<double> histogram(65536, 0);
    for (const auto* set : {&loop, &flip})
        for (size_t k = 0; k < set->size(); k += 3)
            for (const Rgbf& p : (*set)[k]) histogram[size_t(to565(p, 0))] += 1;
    const media::FlicPalette palette = medianCut(histogram);
    const Quantiser q(palette);

    LaunchAnimations out;
    for (FlicMovie* m : {&out.loop, &out.flip}) {
        m->width = W;
        m->height = H;
        m->palette = palette;
    }
    out.loop.speed = kBackdropSpeedMs;
    out.flip.speed = kFlipSpeedMs;
    for (const auto& px : loop) out.loop.frames.push_back(q.map(px));
    for (const auto& px : flip) out.flip.frames.push_back(q.map(px));
    return out;
}

}  // namespace orbigolf::content
