#pragma once
// Pixels as the display stores them: 16-bit RGB565 (red in the top 5 bits, green in
// the middle 6, blue in the low 5). A Surface is a tightly packed W x H block of such
// pixels plus the colour key of the picture it holds.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace orbigolf::platform {

using Pixel565 = uint16_t;

// An 8-bit-per-channel colour.
struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The display's pixel for a colour: each channel keeps its top bits, as a 16-bit
// display surface stores a 24-bit colour.
constexpr Pixel565 toRgb565(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Pixel565>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
constexpr Pixel565 toRgb565(Rgb c) { return toRgb565(c.r, c.g, c.b); }

// The exact expansion back to 8 bits: the top bits are repeated into the low ones, so
// that 0 stays 0 and the full channel becomes 255.
constexpr Rgb fromRgb565(Pixel565 p) {
    const unsigned r5 = (p >> 11) & 31u;
    const unsigned g6 = (p >> 5) & 63u;
    const unsigned b5 = p & 31u;
    return Rgb{static_cast<uint8_t>((r5 << 3) | (r5 >> 2)), static_cast<uint8_t>((g6 << 2) | (g6 >> 4)),
               static_cast<uint8_t>((b5 << 3) | (b5 >> 2))};
}

// Colours written as 0x00BBGGRR (the form in which picture lists store them).
constexpr Rgb rgbFromColorRef(uint32_t colorRef) {
    return Rgb{static_cast<uint8_t>(colorRef & 0xFFu), static_cast<uint8_t>((colorRef >> 8) & 0xFFu),
               static_cast<uint8_t>((colorRef >> 16) & 0xFFu)};
}
constexpr uint32_t colorRefFromRgb(Rgb c) {
    return static_cast<uint32_t>(c.r) | (static_cast<uint32_t>(c.g) << 8) | (static_cast<uint32_t>(c.b) << 16);
}

// The runs of pixels other than the colour key, row by row: what a keyed copy has to
// copy. Row y's runs are runs[rowStart[y]] .. runs[rowStart[y + 1] - 1].
struct KeyRuns {
    struct Run {
        int x = 0;
        int length = 0;
    };
    std::vector<size_t> rowStart;
    std::vector<Run> runs;
};

class Surface {
public:
    Surface() : id_(newId()) {}
    // A width x height surface of black pixels; negative sizes give an empty surface.
    Surface(int width, int height);
    // Copies and moves carry the pixels; a copy, and what a surface was moved from, get
    // ids of their own (see id()).
    Surface(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(const Surface& other);
    Surface& operator=(Surface&& other) noexcept;
    ~Surface() = default;

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    // Writable access. Write through the span or pointer before the surface is next drawn
    // from, and ask again for later writes: drawing keeps a summary of the pixels that
    // each writable access marks as out of date.
    std::span<Pixel565> pixels() {
        ++version_;
        markAllWritten();
        return pixels_;
    }
    std::span<const Pixel565> pixels() const { return pixels_; }
    Pixel565* row(int y) {
        ++version_;
        if (static_cast<size_t>(y) < written_.size()) written_[static_cast<size_t>(y)] = 1;
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    }
    const Pixel565* row(int y) const {
        return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
    }

    // Checked single-pixel access: outside the surface, pixel() gives 0 and setPixel()
    // does nothing.
    Pixel565 pixel(int x, int y) const;
    void setPixel(int x, int y, Pixel565 p);
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    void fill(Pixel565 p);

    // Colour key. transparentColor() is the colour as the picture list gave it
    // (0x00BBGGRR, kept unchanged, so it can be written back); colorKey() is the pixel
    // value the key matches on this surface.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on) { transparent_ = on; }
    uint32_t transparentColor() const { return transparentColor_; }
    Pixel565 colorKey() const { return colorKey_; }
    // Sets the key from a 0x00BBGGRR colour; only its low 24 bits make the key.
    void setTransparentColor(uint32_t colorRef);

    // The runs of non-key pixels for the current pixels and key, made when first needed.
    const KeyRuns& keyRuns() const;

    // What the pixels are: id() is this surface's own (no other surface, live or later,
    // gets it) and version() changes with every writable access, so the two together
    // name the current pixels.
    uint64_t id() const { return id_; }
    uint64_t version() const { return version_; }

    // Row bookkeeping, for a back buffer that is mostly redrawn from the same picture:
    // while on, every writable access marks the rows it hands out (all of them for
    // pixels() and fill()) until clearWritten(). Off unless turned on.
    void setTrackWrites(bool on);
    bool tracksWrites() const { return !written_.empty(); }
    bool rowWritten(int y) const { return written_.empty() || written_[static_cast<size_t>(y)] != 0; }
    void clearWritten();

private:
    static uint64_t newId();
    void markAllWritten();

    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel565> pixels_;
    bool transparent_ = true;
    uint32_t transparentColor_ = 0;
    Pixel565 colorKey_ = 0;

    uint64_t id_ = 0;
    uint64_t version_ = 0;
    std::vector<uint8_t> written_;  // per row, while writes are tracked
    mutable std::shared_ptr<const KeyRuns> runs_;
    mutable uint64_t runsVersion_ = 0;
    mutable Pixel565 runsKey_ = 0;
};

}  // namespace orbigolf::platform
