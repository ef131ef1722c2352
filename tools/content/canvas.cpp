#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace orbigolf::content {

Colour colourFromRgb(uint32_t rgb, double alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0,
            alpha};
}

Colour mix(const Colour& a, const Colour& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Colour withAlpha(const Colour& c, double alpha) { return {c.r, c.g, c.b, alpha}; }
Colour lighter(const Colour& c, double amount) {
    return mix(c, Colour{1, 1, 1, c.a}, amount);
}
Colour darker(const Colour& c, double amount) { return mix(c, Colour{0, 0, 0, c.a}, amount); }

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a drawing surface");
    }
    cr_ = cairo_create(surface_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

uint32_t Canvas::argb(int x, int y) const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    return *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
}

void Canvas::setArgb(int x, int y, uint32_t argb) {
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    *reinterpret_cast<uint32_t*>(data + y * stride + x * 4) = argb;
}

void Canvas::markDirty() { cairo_surface_mark_dirty(surface_); }

void Canvas::setColour(const Colour& c) const { cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a); }

void Canvas::clear() const {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::fill(const Colour& c) const {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    setColour(c);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::roundedRect(double x, double y, double w, double h, double radius) const {
    const double r = std::min({radius, w / 2, h / 2});
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -pi / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, pi / 2);
    cairo_arc(cr_, x + r, y + h - r, r, pi / 2, pi);
    cairo_arc(cr_, x + r, y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr_);
}

void Canvas::verticalGradient(double y0, double y1, const Colour& top,
                              const Colour& bottom) const {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr_, p);
    cairo_pattern_destroy(p);
}

void Canvas::paintCanvas(const Canvas& other, double x, double y, double alpha) const {
    cairo_surface_flush(other.surface_);
    cairo_save(cr_);
    cairo_set_source_surface(cr_, other.surface_, x, y);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

namespace {

// One horizontal or vertical box-blur pass over the four premultiplied channels.
void boxPass(std::vector<uint32_t>& px, int w, int h, int radius, bool horizontal) {
    const int len = horizontal ? w : h;
    const int lines = horizontal ? h : w;
    std::vector<uint32_t> line(static_cast<size_t>(len));
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> uint32_t& {
            return horizontal ? px[static_cast<size_t>(l) * w + i]
                              : px[static_cast<size_t>(i) * w + l];
        };
        for (int i = 0; i < len; ++i) line[static_cast<size_t>(i)] = at(i);
        for (int i = 0; i < len; ++i) {
            uint32_t sum[4] = {0, 0, 0, 0};
            for (int k = -radius; k <= radius; ++k) {
                const int j = i + k;
                if (j < 0 || j >= len) continue;
                const uint32_t v = line[static_cast<size_t>(j)];
                for (int c = 0; c < 4; ++c) sum[c] += (v >> (8 * c)) & 0xFF;
            }
            const uint32_t n = static_cast<uint32_t>(2 * radius + 1);
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c) out |= ((sum[c] + n / 2) / n) << (8 * c);
            at(i) = out;
        }
    }
}

}  // namespace

void Canvas::blur(int radius) {
    if (radius <= 0) return;
    cairo_surface_flush(surface_);
    std::vector<uint32_t> px(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) px[static_cast<size_t>(y) * width_ + x] = argb(x, y);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(px, width_, height_, radius, true);
        boxPass(px, width_, height_, radius, false);
    }
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) setArgb(x, y, px[static_cast<size_t>(y) * width_ + x]);
    markDirty();
}

}  // namespace orbigolf::content
