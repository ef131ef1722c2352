#include "movies.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "page_common.h"
#include "platform/movie/movie_writer.h"
#include "synth.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double smooth(double v) {
    v = clamp01(v);
    return v * v * (3 - 2 * v);
}
double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// Cairo's picture into the movie frame: straight 5-6-5, no dither (noise compresses badly).
void toFrame(const Canvas& c, platform::Surface& frame) {
    cairo_surface_flush(c.surface());
    for (int y = 0; y < frame.height(); ++y) {
        platform::Pixel565* row = frame.row(y);
        for (int x = 0; x < frame.width(); ++x) {
            const uint32_t p = c.argb(x, y);
            row[x] = platform::toRgb565(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
        }
    }
}

void addAt(Signal& s, double start, double seconds, const std::function<double(double)>& f) {
    const auto from = static_cast<size_t>(std::max(0.0, start) * kSampleRate);
    const auto n = static_cast<size_t>(seconds * kSampleRate);
    for (size_t i = 0; i < n && from + i < s.size(); ++i) s[from + i] += f(static_cast<double>(i) / kSampleRate);
}

void bell(Signal& s, double start, int note, double level, double decay) {
    const double f = midiHz(note);
    addAt(s, start, decay * 5, [=](double t) {
        return level * waveValue(Wave::Bell, f * t) * attackDecay(t, 0.004, decay);
    });
}

void whoosh(Signal& s, double start, double seconds, double fromHz, double toHz, double level, uint64_t seed) {
    Noise noise(seed);
    BandPass bp;
    addAt(s, start, seconds, [&, fromHz, toHz, seconds, level](double t) {
        const double k = t / seconds;
        const double env = std::sin(kPi * k);
        return level * env * bp.process(noise.next(), fromHz * std::pow(toHz / fromHz, k), 3.0);
    });
}

void knock(Signal& s, double start, double level, uint64_t seed) {
    Noise noise(seed);
    OnePole lp(900);
    double ph = 0;
    addAt(s, start, 0.3, [&, level](double t) {
        ph += (90 - 60 * t) / kSampleRate;
        return level * (0.6 * std::sin(2 * kPi * ph) + 0.5 * lp.lowpass(noise.next())) * attackDecay(t, 0.002, 0.06);
    });
}

void drawBall(cairo_t* cr, double x, double y, double r) {
    if (r <= 0.2) return;
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.55, 0.62, 0.75);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

}  // namespace

std::vector<int16_t> logoSound() {
    Signal s(static_cast<size_t>(kLogoFrames * kSampleRate / kMovieRate), 0.0);
    whoosh(s, 0.0, 1.3, 300, 3200, 0.8, 11);
    for (int note : {57, 64, 69, 73}) bell(s, 1.2, note, 0.16, 0.55);
    bell(s, 1.2, 81, 0.06, 0.3);
    return toSamples(s, -3.0, 5, 120);
}

std::vector<int16_t> introSound() {
    Signal s(static_cast<size_t>(kIntroFrames * kSampleRate / kMovieRate), 0.0);
    // Music: a chord every two seconds, pads under a bell arpeggio in eighths.
    const int chords[6][4] = {{45, 57, 60, 64}, {41, 57, 60, 65}, {48, 55, 60, 64},
                              {43, 55, 59, 62}, {45, 57, 60, 64}, {45, 57, 61, 64}};
    for (int c = 0; c < 6; ++c) {
        const double start = 2.0 * c;
        const double fb = midiHz(chords[c][0]);
        addAt(s, start, 2.3, [=](double t) {
            const double env = std::min(1.0, t / 0.05) * (t < 2.0 ? 1.0 : std::exp(-(t - 2.0) / 0.1));
            return 0.14 * std::sin(2 * kPi * fb * t) * env;
        });
        for (int k = 1; k < 4; ++k) {
            const double f = midiHz(chords[c][k]);
            OnePole lp(800);
            addAt(s, start, 2.6, [=, &lp](double t) {
                const double swell = t < 0.6 ? t / 0.6 : (t < 2.0 ? 1.0 : std::exp(-(t - 2.0) / 0.25));
                return 0.04 * lp.lowpass(waveValue(Wave::Saw, f * t) + waveValue(Wave::Saw, f * 1.004 * t)) * swell;
            });
        }
        const int order[8] = {1, 2, 3, 2, 1, 3, 2, 3};
        if (c >= 4) continue;  // the title gets the plain chord
        for (int step = 0; step < 8; ++step) bell(s, start + 0.25 * step, chords[c][order[step]] + 12, 0.07, 0.25);
    }
    // Effects: the launch, the flight, the bounce, the cup and the title.
    knock(s, 1.0, 0.7, 21);
    whoosh(s, 1.0, 4.0, 1800, 400, 0.35, 22);
    knock(s, 5.2, 0.4, 23);
    for (int note : {84, 79, 76, 72}) bell(s, 7.6 + 0.06 * (84 - note) / 4, note, 0.12, 0.4);
    whoosh(s, 8.0, 1.8, 200, 6000, 0.25, 24);
    for (int note : {69, 76, 81, 85}) bell(s, 9.6, note, 0.09, 0.9);
    return toSamples(s, -3.0, 10, 400);
}

void writeLogoMovie(const ArtContext& art, const std::filesystem::path& file) {
    platform::MovieWriterOptions o;
    o.width = kMovieWidth;
    o.height = kMovieHeight;
    o.framesPerSecond = kMovieRate;
    o.frameCount = kLogoFrames;
    o.sound = logoSound();
    // The V drawn by a comet: down from the upper left to the bottom, up to the upper right.
    const double vx[3] = {110, 160, 210}, vy[3] = {50, 140, 50};
    auto along = [&](double k, double& x, double& y) {
        k = clamp01(k);
        const int seg = k < 0.5 ? 0 : 1;
        const double u = k < 0.5 ? k * 2 : (k - 0.5) * 2;
        x = vx[seg] + (vx[seg + 1] - vx[seg]) * u;
        y = vy[seg] + (vy[seg + 1] - vy[seg]) * u;
    };
    platform::writeMovie(file.string(), o, [&](int index, platform::Surface& frame) {
        const double t = static_cast<double>(index) / kMovieRate;
        Canvas c(kMovieWidth, kMovieHeight);
        cairo_t* cr = c.cr();
        c.fill(colourFromRgb(0x000000));
        const double drawn = smooth(t / 1.2);
        // The trail so far, then the comet's head.
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        for (int pass = 0; pass < 2; ++pass) {
            cairo_new_path(cr);
            const int steps = 40;
            for (int i = 0; i <= steps; ++i) {
                double x, y;
                along(drawn * i / steps, x, y);
                if (i == 0) cairo_move_to(cr, x, y);
                else cairo_line_to(cr, x, y);
            }
            cairo_set_line_width(cr, pass == 0 ? 14 : 6);
            c.setColour(pass == 0 ? colourFromRgb(0x12506a) : colourFromRgb(0x3ff0ff));
            cairo_stroke(cr);
        }
        if (t < 1.4) {
            double x, y;
            along(drawn, x, y);
            cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, 16);
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 1);
            cairo_pattern_add_color_stop_rgba(g, 1, 0.25, 0.94, 1, 0);
            cairo_arc(cr, x, y, 16, 0, 2 * kPi);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
        const double word = smooth((t - 1.1) / 0.6);
        if (word > 0) {
            drawTextLine(c, art.fonts, FontStyle::SansBold, 40, "VEXLO", 160, 195, Align::Centre,
                         colourFromRgb(0xffffff, word));
            drawTextLine(c, art.fonts, FontStyle::Sans, 12, "I N T E R A C T I V E", 160, 216, Align::Centre,
                         colourFromRgb(0xff9a2e, word));
        }
        const double fade = smooth((t - 2.4) / 0.5);
        if (fade > 0) {
            cairo_rectangle(cr, 0, 0, kMovieWidth, kMovieHeight);
            c.setColour(colourFromRgb(0x000000, fade));
            cairo_fill(cr);
        }
        toFrame(c, frame);
    });
}

void writeIntroMovie(const ArtContext& art, const std::filesystem::path& file) {
    platform::MovieWriterOptions o;
    o.width = kMovieWidth;
    o.height = kMovieHeight;
    o.framesPerSecond = kMovieRate;
    o.frameCount = kIntroFrames;
    o.sound = introSound();
    Canvas space(kMovieWidth, kMovieHeight);
    drawSpaceBackdrop(space, 3);

    constexpr double kPlatformX = 205, kPlatformY = 172;
    const double launchX = 42, launchY = 196;
    const double landX = 168, landY = 170, cupX = 238, cupY = 168;
    auto ballAt = [&](double t, double& x, double& y, double& r) {
        if (t < 1.0) {
            x = launchX, y = launchY - 6, r = 6;
        } else if (t < 5.2) {
            const double k = (t - 1.0) / 4.2;
            const double ax = launchX, ay = launchY - 6, cx = 120, cy = -60, bx = landX, by = landY - 5;
            x = (1 - k) * (1 - k) * ax + 2 * (1 - k) * k * cx + k * k * bx;
            y = (1 - k) * (1 - k) * ay + 2 * (1 - k) * k * cy + k * k * by;
            r = 6 - 2.2 * std::sin(kPi * k);
        } else if (t < 5.8) {
            const double k = (t - 5.2) / 0.6;
            x = landX + 8 * k, y = landY - 5 - 12 * std::sin(kPi * k), r = 5;
        } else if (t < 7.6) {
            const double k = smooth((t - 5.8) / 1.8);
            x = landX + 8 + (cupX - landX - 8) * (1 - (1 - k) * (1 - k)), y = landY - 5 + (cupY - landY) * k, r = 5;
        } else {
            x = cupX, y = cupY - 2, r = 5 * (1 - clamp01((t - 7.6) / 0.3));
        }
    };

    platform::writeMovie(file.string(), o, [&](int index, platform::Surface& frame) {
        const double t = static_cast<double>(index) / kMovieRate;
        Canvas c(kMovieWidth, kMovieHeight);
        cairo_t* cr = c.cr();
        c.paintCanvas(space, 0, 0);

        // The launch ring on the left, flashing when the ball leaves.
        cairo_save(cr);
        cairo_translate(cr, launchX, launchY);
        cairo_scale(cr, 1, 0.4);
        cairo_arc(cr, 0, 0, 16, 0, 2 * kPi);
        cairo_restore(cr);
        c.setColour(colourFromRgb(0x8a93a6));
        cairo_fill(cr);
        const double flash = t >= 1.0 ? std::exp(-(t - 1.0) / 0.15) : 0.0;
        if (flash > 0.02) {
            cairo_arc(cr, launchX, launchY - 6, 8 + 30 * (1 - flash), 0, 2 * kPi);
            c.setColour(colourFromRgb(0xffd27a, flash));
            cairo_fill(cr);
        }

        // The floating course approaching: a green platform with a metal rim and the cup.
        const double scale = 0.2 + 0.8 * smooth((t - 1.5) / 3.5);
        cairo_save(cr);
        cairo_translate(cr, kPlatformX, kPlatformY);
        cairo_scale(cr, scale, scale);
        cairo_save(cr);
        cairo_scale(cr, 1, 0.4);
        cairo_arc(cr, 0, 22, 90, 0, kPi);
        cairo_restore(cr);
        c.setColour(colourFromRgb(0x3b4254));
        cairo_fill(cr);
        cairo_save(cr);
        cairo_scale(cr, 1, 0.4);
        cairo_arc(cr, 0, 0, 90, 0, 2 * kPi);
        cairo_restore(cr);
        c.setColour(colourFromRgb(0x2fa84f));
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 3);
        c.setColour(colourFromRgb(0xd9e2f2));
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, (cupX - kPlatformX), (cupY - kPlatformY));
        cairo_scale(cr, 1, 0.5);
        cairo_arc(cr, 0, 0, 7, 0, 2 * kPi);
        cairo_restore(cr);
        c.setColour(colourFromRgb(0x0b1020));
        cairo_fill(cr);
        cairo_move_to(cr, cupX - kPlatformX + 4, cupY - kPlatformY);
        cairo_line_to(cr, cupX - kPlatformX + 4, cupY - kPlatformY - 40);
        cairo_set_line_width(cr, 2);
        c.setColour(colourFromRgb(0xd9e2f2));
        cairo_stroke(cr);
        cairo_move_to(cr, cupX - kPlatformX + 5, cupY - kPlatformY - 40);
        cairo_line_to(cr, cupX - kPlatformX + 24, cupY - kPlatformY - 34);
        cairo_line_to(cr, cupX - kPlatformX + 5, cupY - kPlatformY - 28);
        c.setColour(colourFromRgb(0xff9a2e));
        cairo_fill(cr);
        cairo_restore(cr);

        // The ball, its trail while it flies, and the light when it drops in.
        if (t > 1.0 && t < 5.6) {
            for (int k = 1; k <= 8; ++k) {
                double x, y, r;
                ballAt(t - 0.06 * k, x, y, r);
                cairo_arc(cr, x, y, r * (1 - k / 10.0), 0, 2 * kPi);
                c.setColour(colourFromRgb(0x3ff0ff, 0.35 * (1 - k / 9.0)));
                cairo_fill(cr);
            }
        }
        double bx, by, br;
        ballAt(t, bx, by, br);
        drawBall(cr, bx, by, br);
        if (t >= 7.6 && t < 8.8) {
            const double k = (t - 7.6) / 1.2;
            cairo_save(cr);
            cairo_translate(cr, cupX, cupY);
            cairo_scale(cr, 1, 0.5);
            cairo_arc(cr, 0, 0, 8 + 70 * k, 0, 2 * kPi);
            cairo_restore(cr);
            cairo_set_line_width(cr, 4);
            c.setColour(colourFromRgb(0xffd27a, 1 - k));
            cairo_stroke(cr);
        }

        // The title.
        const double title = smooth((t - 8.6) / 1.0);
        if (title > 0) {
            cairo_rectangle(cr, 0, 0, kMovieWidth, kMovieHeight);
            c.setColour(colourFromRgb(0x070b1e, 0.45 * title));
            cairo_fill(cr);
            const double z = 0.4 + 0.6 * title;
            drawGlowTitle(c, art.fonts, 46 * z, "ORBIGOLF", 160, 90 + 16 * z, colourFromRgb(0xffffff, title),
                          colourFromRgb(0xff9a2e, title));
            const double demo = smooth((t - 9.6) / 0.6);
            if (demo > 0)
                drawTextLine(c, art.fonts, FontStyle::SansBold, 16, "D E M O", 160, 130, Align::Centre,
                             colourFromRgb(0x3ff0ff, demo));
        }
        toFrame(c, frame);
    });
}

}  // namespace orbigolf::content
