#include "putting_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "finish.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

struct Vec3 {
    double x, y, z;  // ground plane x, y (true depth) and height
};

// Screen position inside a club pattern of a point relative to the club head.
struct Point {
    double x, y;
};
Point project(const Vec3& v) { return {kClubHeadX + v.x, kClubHeadY + v.y / 2 - v.z}; }

// The club's frame for a pose: travel direction g and the face direction n, both on the
// true (unsquashed) ground.
struct ClubFrame {
    double gx, gy, nx, ny;
};

ClubFrame frameFor(int pose) {
    const double a = clubPoseHeading(pose) * 2 * kPi / 256;
    // Screen direction (cos, sin) lies on the squashed floor; on the true ground the
    // depth component is twice as long.
    double gx = std::cos(a), gy = 2 * std::sin(a);
    const double len = std::hypot(gx, gy);
    gx /= len;
    gy /= len;
    return {gx, gy, -gy, gx};
}

Vec3 at(const ClubFrame& f, double along, double across, double z) {
    return {f.gx * along + f.nx * across, f.gy * along + f.ny * across, z};
}

constexpr double kHeadHalfLength = 11;
constexpr double kHeadHalfDepth = 3.5;
constexpr double kHeadHeight = 6;
constexpr double kShaftHeight = 106;

Vec3 shaftTop(const ClubFrame& f) { return at(f, -16, 4, kShaftHeight); }
Vec3 shaftBase(const ClubFrame& f) { return at(f, -0.5, 4, kHeadHeight); }

void polygon(cairo_t* cr, const std::array<Vec3, 4>& q) {
    for (size_t i = 0; i < q.size(); ++i) {
        const Point p = project(q[i]);
        if (i == 0)
            cairo_move_to(cr, p.x, p.y);
        else
            cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

void drawClubPose(const Canvas& c, const Palette& t, int pose, double ox, double oy) {
    cairo_t* cr = c.cr();
    const ClubFrame f = frameFor(pose);
    cairo_save(cr);
    cairo_translate(cr, ox, oy);

    // Shaft first (the head covers its foot), then the grip.
    const Point base = project(shaftBase(f));
    const Point top = project(shaftTop(f));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, base.x, base.y);
    cairo_line_to(cr, top.x, top.y);
    c.setColour(darker(t["club_head"], 0.55));
    cairo_set_line_width(cr, 3.4);
    cairo_stroke_preserve(cr);
    c.setColour(t["club_head"]);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    const Point gripStart = {top.x + (base.x - top.x) * 0.3, top.y + (base.y - top.y) * 0.3};
    cairo_move_to(cr, gripStart.x, gripStart.y);
    cairo_line_to(cr, top.x, top.y);
    c.setColour(t["club_grip"]);
    cairo_set_line_width(cr, 4.6);
    cairo_stroke(cr);
    const Point band = {top.x + (base.x - top.x) * 0.27, top.y + (base.y - top.y) * 0.27};
    cairo_arc(cr, band.x, band.y, 2.4, 0, 2 * kPi);
    c.setColour(t["club_band"]);
    cairo_fill(cr);

    // Head: a block lying across the travel direction, lit from the upper left.
    const double L = kHeadHalfLength, D = kHeadHalfDepth, H = kHeadHeight;
    const Vec3 light = {-0.5, -0.55, 0.67};
    const Colour metal = t["club_head"];
    struct Side {
        double along, across;  // outward normal on the ground, in the club frame
    };
    const Side sides[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const Side& s : sides) {
        const Vec3 n = at(f, s.along, s.across, 0);
        if (n.y <= 0) continue;  // faces away from the viewer
        std::array<Vec3, 4> q;
        if (s.along != 0) {
            const double a = s.along * D;
            q = {at(f, a, -L, 0), at(f, a, L, 0), at(f, a, L, H), at(f, a, -L, H)};
        } else {
            const double b = s.across * L;
            q = {at(f, -D, b, 0), at(f, D, b, 0), at(f, D, b, H), at(f, -D, b, H)};
        }
        const double lit = std::max(0.0, n.x * light.x + n.y * light.y);
        polygon(cr, q);
        c.setColour(mix(darker(metal, 0.6), metal, 0.25 + 0.75 * lit));
        cairo_fill_preserve(cr);
        c.setColour(darker(metal, 0.7));
        cairo_set_line_width(cr, 0.6);
        cairo_stroke(cr);
    }
    const std::array<Vec3, 4> topFace = {at(f, -D, -L, H), at(f, D, -L, H), at(f, D, L, H),
                                         at(f, -D, L, H)};
    polygon(cr, topFace);
    c.setColour(lighter(metal, 0.35));
    cairo_fill_preserve(cr);
    c.setColour(darker(metal, 0.5));
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
    // An accent stripe along the top marks the face.
    const Point s0 = project(at(f, D * 0.35, -L * 0.8, H));
    const Point s1 = project(at(f, D * 0.35, L * 0.8, H));
    cairo_move_to(cr, s0.x, s0.y);
    cairo_line_to(cr, s1.x, s1.y);
    c.setColour(t["club_accent"]);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Where the shadow of a point falls on the ground: the light is high and to the left, so
// every pose's shadow stays inside its 96 x 142 cell.
Point shadowOf(const Vec3& v) {
    return project({v.x + 0.21 * v.z, v.y + 0.04 * v.z, 0});
}

void drawShadowPose(const Canvas& c, int pose, double ox, double oy) {
    cairo_t* cr = c.cr();
    const ClubFrame f = frameFor(pose);
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    const Colour shade{0.42, 0.42, 0.36, 1};
    c.setColour(shade);
    const Point b = shadowOf(shaftBase(f));
    const Point tp = shadowOf(shaftTop(f));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, b.x, b.y);
    cairo_line_to(cr, tp.x, tp.y);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const double L = kHeadHalfLength + 1, D = kHeadHalfDepth + 1;
    const std::array<Vec3, 4> foot = {at(f, -D, -L, 3), at(f, D, -L, 3), at(f, D, L, 3),
                                      at(f, -D, L, 3)};
    for (size_t i = 0; i < foot.size(); ++i) {
        const Point p = shadowOf(foot[i]);
        if (i == 0)
            cairo_move_to(cr, p.x, p.y);
        else
            cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace

double clubPoseHeading(int pose) { return 128.0 - 8.0 * pose - 3.5; }

media::Bitmap buildGauge(const ArtContext& art, const PixelFont& font) {
    const Palette& t = art.theme;
    Canvas c(kGaugeWidth * kGaugePatterns, kGaugeHeight);
    cairo_t* cr = c.cr();
    const double bx = 5, by = 12, bw = kGaugeWidth - 10, bh = 13;
    for (int i = 0; i < kGaugePatterns; ++i) {
        const double ox = static_cast<double>(i) * kGaugeWidth;
        const double frac = i / 30.0;
        // Frame and track.
        c.roundedRect(ox + bx - 2, by - 2, bw + 4, bh + 4, 5);
        c.setColour(t["rim_dark"]);
        cairo_fill(cr);
        c.roundedRect(ox + bx - 1.5, by - 1.5, bw + 3, bh + 3, 4.5);
        c.setColour(t["rim"]);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        c.roundedRect(ox + bx, by, bw, bh, 3);
        c.setColour(t["gauge_back"]);
        cairo_fill(cr);
        // The fill: green to yellow to red along the whole bar, shown up to the strength.
        if (i > 0) {
            cairo_save(cr);
            c.roundedRect(ox + bx, by, bw * frac, bh, 3);
            cairo_clip(cr);
            cairo_pattern_t* g = cairo_pattern_create_linear(ox + bx, 0, ox + bx + bw, 0);
            const Colour lo = t["gauge_low"], mid = t["gauge_mid"], hi = t["gauge_high"];
            cairo_pattern_add_color_stop_rgb(g, 0, lo.r, lo.g, lo.b);
            cairo_pattern_add_color_stop_rgb(g, 0.55, mid.r, mid.g, mid.b);
            cairo_pattern_add_color_stop_rgb(g, 1, hi.r, hi.g, hi.b);
            cairo_set_source(cr, g);
            cairo_paint(cr);
            cairo_pattern_destroy(g);
            // Glassy highlight on the upper half.
            cairo_rectangle(cr, ox + bx, by + 1, bw, bh * 0.35);
            c.setColour(Colour{1, 1, 1, 0.35});
            cairo_fill(cr);
            cairo_restore(cr);
        }
        // Ticks every tenth.
        for (int k = 1; k < 10; ++k) {
            const double x = std::floor(ox + bx + bw * k / 10.0) + 0.5;
            cairo_move_to(cr, x, by + bh - (k == 5 ? 6 : 3));
            cairo_line_to(cr, x, by + bh);
            c.setColour(withAlpha(t["gauge_back"], 0.8));
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        }
        // Label and strength in percent.
        font.draw(c, "POWER", static_cast<int>(ox) + 4, 0, t["text_light"], t["text"],
                  t["text_shadow"]);
        const std::string pct =
            std::to_string(static_cast<int>(std::nearbyint(100.0 * frac))) + "%";
        font.draw(c, pct, static_cast<int>(ox) + kGaugeWidth - 4 - font.textWidth(pct), 0,
                  t["accent_light"], t["accent"], t["text_shadow"]);
        // A tip pointing down at the aim marker.
        const double cx = ox + kGaugeWidth / 2.0;
        cairo_move_to(cr, cx - 5, by + bh + 3);
        cairo_line_to(cr, cx + 5, by + bh + 3);
        cairo_line_to(cr, cx, kGaugeHeight - 2);
        cairo_close_path(cr);
        c.setColour(t["accent"]);
        cairo_fill_preserve(cr);
        c.setColour(t["accent_dark"]);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    FinishOptions o;
    o.alphaCutoff = 50;
    return finishCanvas(c, o);
}

media::Bitmap buildAimMarker(const ArtContext& art) {
    const Palette& t = art.theme;
    Canvas glow(kMarkerWidth * kMarkerPatterns, kMarkerHeight);
    Canvas sharp(kMarkerWidth * kMarkerPatterns, kMarkerHeight);
    for (int f = 0; f < kMarkerPatterns; ++f) {
        const double cx = f * kMarkerWidth + 16, cy = 13;
        for (Canvas* c : {&glow, &sharp}) {
            cairo_t* cr = c->cr();
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1.0, 0.5);  // on the squashed floor
            cairo_arc(cr, 0, 0, 12.5, 0, 2 * kPi);
            c->setColour(t["target"]);
            cairo_set_line_width(cr, c == &glow ? 3.0 : 1.4);
            cairo_stroke(cr);
            // Four ticks turning a quarter of their spacing per pattern.
            for (int k = 0; k < 4; ++k) {
                const double a = (k + f / 4.0) * kPi / 2;
                cairo_move_to(cr, std::cos(a) * 6.5, std::sin(a) * 6.5);
                cairo_line_to(cr, std::cos(a) * 14.5, std::sin(a) * 14.5);
            }
            c->setColour(t["target_core"]);
            cairo_set_line_width(cr, 2.0);
            cairo_stroke(cr);
            cairo_restore(cr);
            // The centre pulses.
            const double r = 1.6 + 0.6 * std::sin(f * kPi / 2);
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1.0, 0.6);
            cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
            cairo_restore(cr);
            c->setColour(t["target_core"]);
            cairo_fill(cr);
        }
    }
    glow.blur(1);
    Canvas out(kMarkerWidth * kMarkerPatterns, kMarkerHeight);
    out.paintCanvas(glow, 0, 0, 0.9);
    out.paintCanvas(sharp, 0, 0, 1.0);
    FinishOptions o;
    o.keyed = false;  // drawn additively: black adds nothing
    return finishCanvas(out, o);
}

media::Bitmap buildClub(const ArtContext& art) {
    Canvas c(kClubWidth * 8, kClubHeight * 4);
    for (int p = 0; p < kClubPoses; ++p)
        drawClubPose(c, art.theme, p, (p % 8) * kClubWidth, (p / 8) * kClubHeight);
    FinishOptions o;
    o.alphaCutoff = 60;
    return finishCanvas(c, o);
}

media::Bitmap buildClubShadow(const ArtContext&) {
    Canvas c(kClubWidth * 8, kClubHeight * 4);
    for (int p = 0; p < kClubPoses; ++p) {
        // Each pose on its own canvas so the soft edge does not bleed into a neighbour.
        Canvas one(kClubWidth, kClubHeight);
        drawShadowPose(one, p, 0, 0);
        one.blur(1);
        c.paintCanvas(one, (p % 8) * kClubWidth, (p / 8) * kClubHeight);
    }
    FinishOptions o;
    o.keyed = false;  // drawn subtractively: black takes nothing away
    return finishCanvas(c, o);
}

}  // namespace orbigolf::content
