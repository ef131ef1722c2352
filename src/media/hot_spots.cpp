#include "media/hot_spots.h"

#include <algorithm>
#include <cstring>

namespace orbigolf::media {

namespace {

SpotRect normalised(const std::vector<int32_t>& p) {
    if (p.size() < 4) return {};
    return {std::min(p[0], p[2]), std::min(p[1], p[3]), std::max(p[0], p[2]), std::max(p[1], p[3])};
}

// Little-endian reads over a span; running past its end is a damaged property.
class Cursor {
public:
    explicit Cursor(ByteView data) : data_(data) {}
    size_t left() const { return data_.size() - pos_; }
    uint8_t u8() {
        need(1);
        return data_[pos_++];
    }
    int32_t i32() {
        need(4);
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | data_[pos_ + size_t(i)];
        pos_ += 4;
        return static_cast<int32_t>(v);
    }
    std::string text(size_t n) {
        need(n);
        std::string s(reinterpret_cast<const char*>(data_.data() + pos_), n);
        pos_ += n;
        return s;
    }
    void skip(size_t n) {
        need(n);
        pos_ += n;
    }

private:
    void need(size_t n) const {
        if (n > left()) throw MediaError(kInvalidStreamFormat);
    }
    ByteView data_;
    size_t pos_ = 0;
};

void put32(Bytes& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

// The smallest spot record: shape, Id, Enabled, hint length and an empty polygon.
constexpr size_t kMinSpotRecord = 1 + 4 + 1 + 4 + 4;

TSpot readSpot(Cursor& c, bool withShape) {
    TSpot s;
    if (withShape) {
        const uint8_t shape = c.u8();
        if (shape > 2) throw MediaError(kInvalidStreamFormat);
        s.Shape = static_cast<SpotShape>(shape);
    }
    s.Id = c.i32();
    s.Enabled = c.u8() != 0;
    const int32_t hintLength = c.i32();
    if (hintLength < 0) throw MediaError(kInvalidStreamFormat);
    s.Hint = c.text(static_cast<size_t>(hintLength));
    if (s.Shape == SpotShape::Polygon) {
        const int32_t m = c.i32();
        if (m < 0 || static_cast<size_t>(m) > c.left() / 8) throw MediaError(kInvalidStreamFormat);
        s.Points.reserve(static_cast<size_t>(m) * 2);
        for (int32_t i = 0; i < 2 * m; ++i) s.Points.push_back(c.i32());
    } else {
        for (int i = 0; i < 4; ++i) s.Points.push_back(c.i32());
    }
    return s;
}

}  // namespace

TSpot TSpot::rectangle(SpotRect r) {
    TSpot s;
    s.Shape = SpotShape::Rectangle;
    s.Points = {r.left, r.top, r.right, r.bottom};
    return s;
}

TSpot TSpot::ellipse(SpotRect bounds) {
    TSpot s = rectangle(bounds);
    s.Shape = SpotShape::Ellipse;
    return s;
}

TSpot TSpot::polygon(const std::vector<SpotPoint>& vertices) {
    TSpot s;
    for (const SpotPoint& p : vertices) {
        s.Points.push_back(p.x);
        s.Points.push_back(p.y);
    }
    return s;
}

bool TSpot::contains(int32_t x, int32_t y) const {
    switch (Shape) {
    case SpotShape::Rectangle:
        return Points.size() >= 4 && Points[0] <= x && x < Points[2] && Points[1] <= y && y < Points[3];
    case SpotShape::Ellipse: {
        const SpotRect b = normalised(Points);
        if (b.empty()) return false;
        const double rx = (double(b.right) - b.left) / 2, ry = (double(b.bottom) - b.top) / 2;
        const double dx = (x + 0.5 - b.left - rx) / rx, dy = (y + 0.5 - b.top - ry) / ry;
        return dx * dx + dy * dy < 1.0;
    }
    case SpotShape::Polygon: {
        const size_t n = Points.size() / 2;
        if (n < 3) return false;
        const double px = x + 0.5, py = y + 0.5;
        bool inside = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const double xi = Points[2 * i], yi = Points[2 * i + 1];
            const double xj = Points[2 * j], yj = Points[2 * j + 1];
            if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    }
    }
    return false;
}

SpotRect TSpot::bounds() const {
    switch (Shape) {
    case SpotShape::Rectangle:
        if (Points.size() < 4 || Points[2] <= Points[0] || Points[3] <= Points[1]) return {};
        return {Points[0], Points[1], Points[2], Points[3]};
    case SpotShape::Ellipse:
        return normalised(Points);
    case SpotShape::Polygon: {
        if (Points.size() / 2 < 3) return {};
        SpotRect b{Points[0], Points[1], Points[0], Points[1]};
        for (size_t i = 0; i + 1 < Points.size(); i += 2) {
            b.left = std::min(b.left, Points[i]);
            b.right = std::max(b.right, Points[i]);
            b.top = std::min(b.top, Points[i + 1]);
            b.bottom = std::max(b.bottom, Points[i + 1]);
        }
        return b.empty() ? SpotRect{} : b;
    }
    }
    return {};
}

int THotSpots::SpotAt(int32_t x, int32_t y) const {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].Enabled && items[i].contains(x, y)) return static_cast<int>(i);
    }
    return -1;
}

std::vector<TSpot> readSpots(ByteView data) {
    Cursor c(data);
    const int32_t first = c.i32();
    const bool current = first == 0;
    const int32_t n = current ? c.i32() : first;
    // Each record takes at least its fixed fields, so a count the data cannot hold is damage
    // and never turns into a huge allocation.
    if (n < 0 || static_cast<size_t>(n) > c.left() / (kMinSpotRecord - (current ? 0 : 1)))
        throw MediaError(kInvalidStreamFormat);
    std::vector<TSpot> spots;
    spots.reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) spots.push_back(readSpot(c, current));
    return spots;
}

void applyMaskItems(ByteView data, std::vector<TSpot>& spots) {
    Cursor c(data);
    const int32_t recordSize = c.i32();
    const int32_t k = c.i32();
    if (recordSize < 0 || k < 0 || static_cast<size_t>(k) > c.left() / 4) throw MediaError(kInvalidStreamFormat);
    const size_t offsetBytes = std::min<size_t>(static_cast<size_t>(recordSize), 16);
    for (int32_t i = 0; i < k; ++i) {
        const int32_t index = c.i32();
        if (index < 0) continue;  // an item that ends right after its index
        MaskItem item;
        item.state = c.u8() & (kMaskHot | kMaskDown);
        int32_t offsets[4] = {0, 0, 0, 0};
        for (size_t b = 0; b < offsetBytes / 4; ++b) offsets[b] = c.i32();
        c.skip(offsetBytes % 4);
        if (static_cast<size_t>(recordSize) > 16) c.skip(static_cast<size_t>(recordSize) - 16);
        item.hot = {offsets[0], offsets[1]};
        item.down = {offsets[2], offsets[3]};
        if (static_cast<size_t>(index) >= spots.size()) continue;
        TSpot& spot = spots[static_cast<size_t>(index)];
        if (item.state == 0) {
            spot.maskItem.reset();
        } else {
            spot.maskItem = item;
        }
    }
}

Bytes writeSpots(const std::vector<TSpot>& spots) {
    Bytes out;
    put32(out, 0);
    put32(out, static_cast<int32_t>(spots.size()));
    for (const TSpot& s : spots) {
        out.push_back(static_cast<uint8_t>(s.Shape));
        put32(out, s.Id);
        out.push_back(s.Enabled ? 1 : 0);
        put32(out, static_cast<int32_t>(s.Hint.size()));
        out.insert(out.end(), s.Hint.begin(), s.Hint.end());
        if (s.Shape == SpotShape::Polygon) {
            put32(out, static_cast<int32_t>(s.Points.size() / 2));
            for (size_t i = 0; i + 1 < s.Points.size(); i += 2) {
                put32(out, s.Points[i]);
                put32(out, s.Points[i + 1]);
            }
        } else {
            for (size_t i = 0; i < 4; ++i) put32(out, i < s.Points.size() ? s.Points[i] : 0);
        }
    }
    return out;
}

Bytes writeMaskItems(const std::vector<TSpot>& spots) {
    Bytes out;
    put32(out, 16);
    int32_t k = 0;
    for (const TSpot& s : spots) k += s.maskItem ? 1 : 0;
    put32(out, k);
    for (size_t i = 0; i < spots.size(); ++i) {
        if (!spots[i].maskItem) continue;
        const MaskItem& m = *spots[i].maskItem;
        put32(out, static_cast<int32_t>(i));
        out.push_back(m.state);
        for (int32_t v : {m.hot.x, m.hot.y, m.down.x, m.down.y}) put32(out, v);
    }
    return out;
}

}  // namespace orbigolf::media
