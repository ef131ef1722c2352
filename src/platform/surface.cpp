#include "platform/surface.h"

#include <algorithm>
#include <atomic>

namespace orbigolf::platform {

uint64_t Surface::newId() {
    static std::atomic<uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

Surface::Surface(const Surface& o)
    : width_(o.width_), height_(o.height_), pixels_(o.pixels_), transparent_(o.transparent_),
      transparentColor_(o.transparentColor_), colorKey_(o.colorKey_), id_(newId()), version_(o.version_),
      written_(o.written_), runs_(o.runs_), runsVersion_(o.runsVersion_), runsKey_(o.runsKey_) {}

Surface::Surface(Surface&& o) noexcept
    : width_(o.width_), height_(o.height_), pixels_(std::move(o.pixels_)), transparent_(o.transparent_),
      transparentColor_(o.transparentColor_), colorKey_(o.colorKey_), id_(o.id_), version_(o.version_),
      written_(std::move(o.written_)), runs_(std::move(o.runs_)), runsVersion_(o.runsVersion_),
      runsKey_(o.runsKey_) {
    o.id_ = newId();
    o.width_ = o.height_ = 0;
    o.pixels_.clear();
    o.written_.clear();
}

Surface& Surface::operator=(const Surface& o) {
    if (this == &o) return *this;
    width_ = o.width_;
    height_ = o.height_;
    pixels_ = o.pixels_;  // reuses this surface's storage when it is large enough
    transparent_ = o.transparent_;
    transparentColor_ = o.transparentColor_;
    colorKey_ = o.colorKey_;
    id_ = newId();  // see the move assignment
    version_ = o.version_;
    written_ = o.written_;
    runs_ = o.runs_;
    runsVersion_ = o.runsVersion_;
    runsKey_ = o.runsKey_;
    return *this;
}

Surface& Surface::operator=(Surface&& o) noexcept {
    if (this == &o) return *this;
    width_ = o.width_;
    height_ = o.height_;
    pixels_ = std::move(o.pixels_);
    transparent_ = o.transparent_;
    transparentColor_ = o.transparentColor_;
    colorKey_ = o.colorKey_;
    // The pixels are new to this surface: a new id, so that nothing taken for its old
    // pixels is taken for these.
    id_ = newId();
    version_ = o.version_;
    written_ = std::move(o.written_);
    runs_ = std::move(o.runs_);
    runsVersion_ = o.runsVersion_;
    runsKey_ = o.runsKey_;
    o.id_ = newId();
    o.width_ = o.height_ = 0;
    o.pixels_.clear();
    o.written_.clear();
    return *this;
}

Surface::Surface(int width, int height) : id_(newId()) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
}

Pixel565 Surface::pixel(int x, int y) const {
    if (!contains(x, y)) return 0;
    return row(y)[x];
}

void Surface::setPixel(int x, int y, Pixel565 p) {
    if (!contains(x, y)) return;
    row(y)[x] = p;
}

void Surface::setTrackWrites(bool on) {
    if (!on) {
        written_.clear();
        written_.shrink_to_fit();
    } else if (written_.empty() && height_ > 0) {
        written_.assign(static_cast<size_t>(height_), 1);  // nothing is known of the rows yet
    }
}

void Surface::clearWritten() { std::fill(written_.begin(), written_.end(), uint8_t{0}); }

void Surface::markAllWritten() { std::fill(written_.begin(), written_.end(), uint8_t{1}); }

void Surface::fill(Pixel565 p) {
    ++version_;
    markAllWritten();
    std::fill(pixels_.begin(), pixels_.end(), p);
}

const KeyRuns& Surface::keyRuns() const {
    if (runs_ && runsVersion_ == version_ && runsKey_ == colorKey_) return *runs_;
    auto runs = std::make_shared<KeyRuns>();
    runs->rowStart.reserve(static_cast<size_t>(height_) + 1);
    for (int y = 0; y < height_; ++y) {
        runs->rowStart.push_back(runs->runs.size());
        const Pixel565* p = row(y);
        int x = 0;
        while (x < width_) {
            while (x < width_ && p[x] == colorKey_) ++x;
            const int start = x;
            while (x < width_ && p[x] != colorKey_) ++x;
            if (x > start) runs->runs.push_back(KeyRuns::Run{start, x - start});
        }
    }
    runs->rowStart.push_back(runs->runs.size());
    runs_ = std::move(runs);
    runsVersion_ = version_;
    runsKey_ = colorKey_;
    return *runs_;
}

void Surface::setTransparentColor(uint32_t colorRef) {
    transparentColor_ = colorRef;
    colorKey_ = toRgb565(rgbFromColorRef(colorRef));
}

}  // namespace orbigolf::platform
