#pragma once
// A Cairo drawing surface (ARGB32, premultiplied) with the few shape helpers every
// piece of interface art shares. Pictures are drawn here and turned into stored
// bitmaps by finish.h.

#include <cairo.h>

#include <cstdint>

namespace orbigolf::content {

// A colour with straight (not premultiplied) components 0..1.
struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
};

// "#rrggbb" packed as 0xRRGGBB.
Colour colourFromRgb(uint32_t rgb, double alpha = 1.0);
Colour mix(const Colour& a, const Colour& b, double t);
Colour withAlpha(const Colour& c, double alpha);
Colour lighter(const Colour& c, double amount);  // towards white
Colour darker(const Colour& c, double amount);   // towards black

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }

    // Premultiplied 0xAARRGGBB of one pixel (flushes pending drawing first).
    uint32_t argb(int x, int y) const;
    void setArgb(int x, int y, uint32_t argb);
    // Call after writing pixels directly so Cairo sees them.
    void markDirty();

    void setColour(const Colour& c) const;
    void clear() const;  // everything transparent
    void fill(const Colour& c) const;

    void roundedRect(double x, double y, double w, double h, double radius) const;
    // A vertical gradient from top to bottom colour as the current source.
    void verticalGradient(double y0, double y1, const Colour& top, const Colour& bottom) const;

    // Copies another canvas at (x, y) with the given opacity.
    void paintCanvas(const Canvas& other, double x, double y, double alpha = 1.0) const;

    // Blurs the alpha-carrying pixels with a box blur run three times (close to Gaussian);
    // used for glows and soft shadows.
    void blur(int radius);

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

}  // namespace orbigolf::content
