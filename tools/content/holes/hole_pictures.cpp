#include "holes/hole_pictures.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <numbers>

#include "finish.h"
#include "game/area_kinds.h"
#include "media/wave.h"
#include "sound_recipes.h"
#include "sources.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

// Frames drawn one by one (t runs 0..1 over the animation), keyed, side by side.
media::Bitmap animation(int w, int h, int frames, const std::function<void(Canvas&, double, int)>& draw) {
    std::vector<media::Bitmap> out;
    for (int f = 0; f < frames; ++f) {
        Canvas c(w, h);
        c.clear();
        draw(c, frames > 1 ? static_cast<double>(f) / (frames - 1) : 0.0, f);
        out.push_back(finishCanvas(c));
    }
    return tileFrames(out, frames);
}

void glowDot(cairo_t* cr, double x, double y, double r, const Colour& c, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.35, c.r, c.g, c.b, alpha * 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Fixed pseudo-random numbers for particle layouts.
double jitter(int i, int k) {
    uint32_t h = static_cast<uint32_t>(i * 7919 + k * 104729 + 17);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h % 10000) / 10000.0;
}

// A rising column of fire and smoke (added to the screen, so black is nothing).
media::Bitmap plume(const Colour& tint) {
    return animation(110, 160, 10, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        const double fade = t < 0.2 ? t / 0.2 : 1 - (t - 0.2) / 0.8;
        for (int i = 0; i < 26; ++i) {
            const double life = std::fmod(jitter(i, 1) + t * 1.3, 1.0);
            const double y = 150 - life * 140 * (0.6 + 0.4 * jitter(i, 2));
            const double x = 55 + (jitter(i, 3) - 0.5) * (12 + life * 60);
            const double r = 6 + life * 18;
            const Colour col = mix(Colour{1, 0.95, 0.6, 1}, tint, life);
            glowDot(cr, x, y, r, col, 0.85 * fade * (1 - life * 0.7));
        }
    });
}

media::Bitmap splash(const Colour& water) {
    return animation(32, 32, 8, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        for (int i = 0; i < 10; ++i) {
            const double an = kPi + (i + 0.5) * kPi / 10;
            const double d = 4 + t * 12 * (0.6 + 0.4 * jitter(i, 5));
            const double x = 16 + std::cos(an) * d, y = 26 + std::sin(an) * d * 1.3 + t * t * 10;
            glowDot(cr, x, y, 3.5 * (1 - t * 0.5), lighter(water, 0.5), 1 - t * 0.8);
        }
        cairo_set_line_width(cr, 1.5);
        cairo_save(cr);
        cairo_translate(cr, 16, 27);
        cairo_scale(cr, 4 + t * 11, (4 + t * 11) / 2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 0.8, 0.9, 1, 1 - t);
        cairo_stroke(cr);
    });
}

media::Bitmap flash(int size, const Colour& col, int rays) {
    return animation(size, size, 8, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        const double m = size / 2.0;
        const double fade = 1 - t;
        glowDot(cr, m, m, m * (0.4 + 0.6 * t), col, fade);
        cairo_set_line_width(cr, 2);
        for (int i = 0; i < rays; ++i) {
            const double an = i * 2 * kPi / rays + jitter(i, 9);
            const double r0 = m * (0.15 + 0.5 * t), r1 = m * (0.45 + 0.5 * t);
            cairo_move_to(cr, m + std::cos(an) * r0, m + std::sin(an) * r0);
            cairo_line_to(cr, m + std::cos(an) * r1, m + std::sin(an) * r1);
            cairo_set_source_rgba(cr, 1, 1, 0.9, fade);
            cairo_stroke(cr);
        }
    });
}

media::Bitmap sparkle() {
    return animation(16, 16, 4, [&](Canvas& c, double t, int f) {
        cairo_t* cr = c.cr();
        const double s = f % 2 ? 3 : 6;
        (void)t;
        glowDot(cr, 8, 8, s, Colour{0.7, 0.85, 1, 1}, 1);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.9);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, 8 - s, 8.5);
        cairo_line_to(cr, 8 + s, 8.5);
        cairo_move_to(cr, 8.5, 8 - s);
        cairo_line_to(cr, 8.5, 8 + s);
        cairo_stroke(cr);
    });
}

media::Bitmap bonusBurst(FontFaces& fonts) {
    return animation(160, 124, 10, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        const double fade = 1 - t;
        cairo_set_line_width(cr, 4 * fade + 1);
        cairo_save(cr);
        cairo_translate(cr, 80, 70);
        cairo_scale(cr, 20 + 55 * t, (20 + 55 * t) / 2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_set_source_rgba(cr, 1, 0.85, 0.3, fade);
        cairo_stroke(cr);
        for (int i = 0; i < 12; ++i) {
            const double an = i * kPi / 6;
            const double d = 10 + 60 * t;
            glowDot(cr, 80 + std::cos(an) * d, 70 + std::sin(an) * d * 0.5 - 30 * t, 5, Colour{1, 0.8, 0.2, 1}, fade);
        }
        fonts.use(cr, FontStyle::SansBold, 26);
        cairo_text_extents_t e;
        cairo_text_extents(cr, "+1", &e);
        cairo_move_to(cr, 80 - e.width / 2 - e.x_bearing, 50 - 30 * t);
        cairo_set_source_rgba(cr, 1, 0.95, 0.6, fade);
        cairo_show_text(cr, "+1");
    });
}

media::Bitmap dust() {
    return animation(32, 32, 6, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        for (int i = 0; i < 5; ++i) {
            const double x = 16 + (jitter(i, 11) - 0.5) * 18 * (0.3 + t);
            const double y = 22 - t * 10 - jitter(i, 12) * 6;
            glowDot(cr, x, y, 4 + 6 * t, Colour{0.69, 0.77, 0.79, 1}, 0.9 * (1 - t));
        }
    });
}

media::Bitmap glowBlob() {
    return animation(64, 64, 8, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        for (int i = 0; i < 6; ++i) {
            const double an = i * kPi / 3 + t * 2 * kPi / 6;
            const double x = 32 + std::cos(an) * 9, y = 34 + std::sin(an) * 6 - 4 * std::sin(t * 2 * kPi + i);
            cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, 16);
            cairo_pattern_add_color_stop_rgba(p, 0, 0.5, 0.5, 0.52, 0.35);
            cairo_pattern_add_color_stop_rgba(p, 1, 0.5, 0.5, 0.52, 0);
            cairo_set_source(cr, p);
            cairo_arc(cr, x, y, 16, 0, 2 * kPi);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
    });
}

media::Bitmap bonusStar() {
    return animation(40, 40, 8, [&](Canvas& c, double, int f) {
        cairo_t* cr = c.cr();
        const double squash = std::abs(std::cos(f * kPi / 8));
        glowDot(cr, 20, 20, 18, Colour{1, 0.8, 0.2, 1}, 0.6);
        cairo_new_path(cr);
        for (int i = 0; i < 10; ++i) {
            const double an = -kPi / 2 + i * kPi / 5;
            const double rr = i % 2 ? 5 : 12;
            const double px = 20 + std::cos(an) * rr * (0.25 + 0.75 * squash), py = 20 + std::sin(an) * rr;
            if (i == 0) cairo_move_to(cr, px, py); else cairo_line_to(cr, px, py);
        }
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 1, 0.9, 0.35);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.45, 0.25, 0.0);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    });
}

media::Bitmap beacon(const Colour& accent) {
    return animation(24, 40, 8, [&](Canvas& c, double, int f) {
        cairo_t* cr = c.cr();
        cairo_set_source_rgb(cr, 0.23, 0.26, 0.33);
        cairo_rectangle(cr, 10, 14, 4, 24);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.85, 0.89, 0.95);
        cairo_rectangle(cr, 10, 14, 1.5, 24);
        cairo_fill(cr);
        const double on = f < 4 ? 1.0 - f * 0.2 : 0.2;
        glowDot(cr, 12, 10, 10, accent, on);
        cairo_arc(cr, 12, 10, 3.5, 0, 2 * kPi);
        cairo_set_source_rgb(cr, accent.r * 0.5 + on * 0.5, accent.g * 0.5 + on * 0.5, accent.b * 0.5 + on * 0.5);
        cairo_fill(cr);
    });
}

media::Bitmap springBounce() {
    return animation(36, 28, 6, [&](Canvas& c, double t, int) {
        cairo_t* cr = c.cr();
        const double h = 4 + 14 * std::sin(t * kPi);
        cairo_set_line_width(cr, 2);
        cairo_set_source_rgb(cr, 0.85, 0.89, 0.95);
        for (int i = 0; i < 4; ++i) {
            const double y = 24 - i * h / 4;
            cairo_save(cr);
            cairo_translate(cr, 18, y);
            cairo_scale(cr, 10, 3);
            cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
            cairo_restore(cr);
            cairo_stroke(cr);
        }
        cairo_save(cr);
        cairo_translate(cr, 18, 24 - h);
        cairo_scale(cr, 13, 4);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0.85, 0.25, 0.18);
        cairo_fill(cr);
    });
}

media::Bitmap fanSpin() {
    return animation(44, 28, 4, [&](Canvas& c, double, int f) {
        cairo_t* cr = c.cr();
        for (int i = 0; i < 3; ++i) {
            const double an = i * 2 * kPi / 3 + f * kPi / 6;
            cairo_move_to(cr, 22, 14);
            cairo_line_to(cr, 22 + std::cos(an) * 18, 14 + std::sin(an) * 9);
            cairo_line_to(cr, 22 + std::cos(an + 0.6) * 18, 14 + std::sin(an + 0.6) * 9);
            cairo_close_path(cr);
            cairo_set_source_rgba(cr, 0.75, 0.95, 1, 0.85);
            cairo_fill(cr);
        }
        for (int i = 0; i < 4; ++i) {
            const double x = 8 + i * 9, y = 8 - f * 2 + i % 2 * 3;
            cairo_set_source_rgba(cr, 0.25, 0.94, 1, 0.8);
            cairo_rectangle(cr, x, y, 1, 4);
            cairo_fill(cr);
        }
    });
}

// A radar dish on a mast, sweeping round.
media::Bitmap radar(const Colour& accent) {
    return animation(64, 64, 8, [&](Canvas& c, double, int f) {
        cairo_t* cr = c.cr();
        cairo_set_source_rgb(cr, 0.23, 0.26, 0.33);
        cairo_rectangle(cr, 29, 30, 6, 32);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0.54, 0.58, 0.65);
        cairo_rectangle(cr, 29, 30, 2, 32);
        cairo_fill(cr);
        const double turn = std::cos(f * kPi / 4);
        cairo_save(cr);
        cairo_translate(cr, 32, 24);
        cairo_scale(cr, 2 + 20 * std::abs(turn), 14);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_set_source_rgb(cr, 0.85, 0.89, 0.95);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.35, 0.4, 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        glowDot(cr, 32 + 10 * turn, 24, 5, accent, f % 2 ? 1.0 : 0.5);
    });
}

// The animation a hole asks for at positions 8..11 ([pictures] 8=dust ...).
media::Bitmap namedAnimation(const std::string& name, const Colour& accent, const std::string& where, int& w,
                             int& h) {
    if (name == "dust") { w = h = 32; return dust(); }
    if (name == "glow") { w = h = 64; return glowBlob(); }
    if (name == "bonusstar") { w = h = 40; return bonusStar(); }
    if (name == "beacon") { w = 24; h = 40; return beacon(accent); }
    if (name == "radar") { w = h = 64; return radar(accent); }
    throw SourceError(where + ": unknown animation " + name + " (dust, glow, bonusstar, beacon, radar)");
}

void addItem(media::PictureListFile& list, const std::string& name, const media::Bitmap& b,
             int pw = 0, int ph = 0, bool keyed = true) {
    media::PictureListItem& item = list.items.emplace_back();
    item.name = name;
    item.patternWidth = pw;
    item.patternHeight = ph;
    item.transparent = keyed;
    item.transparentColor = 0;
    storePicture(item, b);
}

std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return s;
}

// The sounds of the hole: [sounds] 0=..., 1=... with "name copies recipe settings", else a
// quiet hum and a switch click.
media::SoundListFile holeSounds(const HoleSource& src, const std::filesystem::path& sources) {
    media::SoundListFile list;
    list.objectName = "bgsounds";
    std::vector<std::string> lines = {"hum 1 hum base=55 length=4 peak=-21 looped=1",
                                      "switch 2 knock tone=1900 decay=0.02 noise=0.3 length=0.12 seed=40 peak=-6"};
    if (const SourceSection* s = src.section("sounds")) {
        for (int i = 0; i < 16; ++i) {
            const auto v = s->get(std::to_string(i));
            if (!v) break;
            if (static_cast<size_t>(i) < lines.size()) lines[static_cast<size_t>(i)] = *v;
            else lines.push_back(*v);
        }
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string where = src.where + " [sounds] " + std::to_string(i);
        const auto words = splitWords(lines[i]);
        if (words.size() < 3) throw SourceError(where + ": expected \"name copies recipe settings\"");
        const Params params(words, 3, where);
        media::SoundListItem& item = list.items.emplace_back();
        item.name = words[0];
        try {
            item.maxPlayingCount = std::stoi(words[1]);
        } catch (const std::exception&) {
            throw SourceError(where + ": copies must be a whole number");
        }
        item.looped = params.number("looped", 0) != 0;
        try {
            item.setWave(media::encodeWave16Mono(kSampleRate, synthesise(words[2], params, sources, where)));
        } catch (const std::invalid_argument& e) {
            throw SourceError(where + ": " + e.what());
        }
    }
    return list;
}

}  // namespace

media::Bitmap drawHoleCard(const HoleSource& src, const media::Bitmap& course, FontFaces& fonts) {
    constexpr int W = 440, H = 330;
    Canvas c(W, H);
    cairo_t* cr = c.cr();
    const Colour accent = src.colour("accent", 0xff9a2e);
    c.fill(colourFromRgb(0x070b1e));
    c.roundedRect(4, 4, W - 8, H - 8, 14);
    c.setColour(colourFromRgb(snapToDisplayGrid(0x1a2240)));
    cairo_fill_preserve(cr);
    c.setColour(colourFromRgb(snapToDisplayGrid(0x3ff0ff)));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    fonts.use(cr, FontStyle::SansBold, 22);
    const std::string title = upper(src.title());
    cairo_text_extents_t e;
    cairo_text_extents(cr, title.c_str(), &e);
    cairo_move_to(cr, 20 - e.x_bearing, 38);
    c.setColour(colourFromRgb(snapToDisplayGrid(0x3ff0ff)));
    cairo_show_text(cr, title.c_str());
    const std::string par = "PAR " + std::to_string(src.par);
    cairo_text_extents(cr, par.c_str(), &e);
    cairo_move_to(cr, W - 20 - e.width - e.x_bearing, 38);
    c.setColour(accent);
    cairo_show_text(cr, par.c_str());

    // The whole hole, scaled into the frame below the title.
    const double boxX = 20, boxY = 52, boxW = W - 40, boxH = H - 72;
    const double scale = std::min(boxW / course.width, boxH / course.height);
    const double ox = boxX + (boxW - course.width * scale) / 2, oy = boxY + (boxH - course.height * scale) / 2;
    Canvas full(course.width, course.height);
    for (int y = 0; y < course.height; ++y)
        for (int x = 0; x < course.width; ++x) full.setArgb(x, y, 0xFF000000u | course.pixel(x, y));
    full.markDirty();
    cairo_save(cr);
    cairo_rectangle(cr, ox, oy, course.width * scale, course.height * scale);
    cairo_clip(cr);
    cairo_translate(cr, ox, oy);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, full.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, ox, oy, course.width * scale, course.height * scale);
    c.setColour(withAlpha(colourFromRgb(0x3ff0ff), 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);

    // Tee and cup marks.
    const double tx = ox + src.teeX * scale, ty = oy + src.teeY * scale;
    cairo_arc(cr, tx, ty, 6, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    fonts.use(cr, FontStyle::SansBold, 10);
    cairo_move_to(cr, tx - 3.5, ty + 3.5);
    cairo_set_source_rgb(cr, 0.1, 0.13, 0.25);
    cairo_show_text(cr, "T");
    for (int n = 1; n <= kMaxAreas; ++n) {
        const arearec& a = src.areas[n];
        if (a.kind != area::kCup) continue;
        const double cx = ox + a.x1 * scale, cy = oy + a.y1 * scale;
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.95);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx, cy - 18);
        cairo_stroke(cr);
        cairo_move_to(cr, cx, cy - 18);
        cairo_line_to(cr, cx + 11, cy - 14);
        cairo_line_to(cr, cx, cy - 10);
        cairo_close_path(cr);
        c.setColour(accent);
        cairo_fill(cr);
        cairo_arc(cr, cx, cy, 2.5, 0, 2 * kPi);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_fill(cr);
    }
    FinishOptions plain;
    plain.keyed = false;
    return finishCanvas(c, plain);
}

BuiltHole buildHole(const HoleSource& src, int width, int height, FontFaces& fonts,
                    const std::filesystem::path& sources) {
    BuiltHole b;
    b.art = drawCourse(src, width, height);
    b.card = drawHoleCard(src, b.art.course, fonts);
    const Colour accent = src.colour("accent", 0xff9a2e);
    Colour water = colourFromRgb(0x1f6fd1);
    for (int n = 1; n <= kMaxAreas; ++n)
        if (src.areas[n].kind == area::kWater && src.areas[n].p3 == 1)
            water = colourFromRgb(0x6fee35);

    media::PictureListFile& list = b.pictures;
    list.objectName = "course";
    addItem(list, "course", b.art.course, 0, 0, false);
    addItem(list, "foreground", b.art.foreground, 24, 24);
    addItem(list, "cuplip", b.art.cupLip);
    addItem(list, "plume", plume(Colour{1, 0.45, 0.1, 1}), 110, 160);
    addItem(list, "splash", splash(water), 32, 32);
    addItem(list, "cannonflash", flash(64, Colour{1, 0.6, 0.15, 1}, 10), 64, 64);
    addItem(list, "sparkle", sparkle(), 16, 16);
    addItem(list, "bonusburst", bonusBurst(fonts), 160, 124);
    const char* defaults[4] = {"dust", "glow", "bonusstar", "beacon"};
    const SourceSection* chosen = src.section("pictures");
    for (int i = 8; i <= 11; ++i) {
        const std::string name = chosen ? chosen->text(std::to_string(i), defaults[i - 8]) : defaults[i - 8];
        int w = 0, h = 0;
        const media::Bitmap pic = namedAnimation(name, accent, src.where + " [pictures]", w, h);
        addItem(list, name, pic, w, h);
    }
    addItem(list, "holecard", b.card, 0, 0, false);
    addItem(list, "teleport", flash(40, Colour{0.6, 0.4, 1, 1}, 6), 40, 40);
    addItem(list, "impact19", flash(60, Colour{1, 0.8, 0.3, 1}, 8), 60, 60);
    addItem(list, "impact109", flash(60, Colour{0.3, 0.9, 1, 1}, 8), 60, 60);
    addItem(list, "impact0", flash(60, Colour{1, 1, 1, 1}, 8), 60, 60);
    addItem(list, "pipefront", b.art.pipeFront);
    addItem(list, "spring", springBounce(), 36, 28);
    addItem(list, "fan", fanSpin(), 44, 28);
    b.sounds = holeSounds(src, sources);
    return b;
}

}  // namespace orbigolf::content
