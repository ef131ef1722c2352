#pragma once
// The clickable areas of a hot-spot image: spots (rectangle, ellipse inscribed in its
// bounds, or polygon filled by the even-odd rule) in picture pixels, each with an optional
// mask item telling where in the mask picture its highlight comes from.
//
// The spots are stored with their form in two binary properties, "HotSpots.Spots" and
// "HotSpots.MaskItems"; readSpots/applyMaskItems read both stored formats (the current one,
// whose first value is 0, and the older one without shape bytes, whose spots are all
// polygons), writeSpots/writeMaskItems write the current one. Every count and length is
// checked against the data: a damaged property throws MediaError("Invalid stream format").

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/media_error.h"

namespace orbigolf::media {

struct SpotPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const SpotPoint&, const SpotPoint&) = default;
};

// Half-open box: left <= x < right, top <= y < bottom.
struct SpotRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const SpotRect&, const SpotRect&) = default;
};

enum class SpotShape : uint8_t { Polygon = 0, Rectangle = 1, Ellipse = 2 };

// Mask item flags.
inline constexpr uint8_t kMaskHot = 1;
inline constexpr uint8_t kMaskDown = 2;

struct MaskItem {
    uint8_t state = 0;  // kMaskHot | kMaskDown
    SpotPoint hot;      // where the hot highlight starts in the mask picture
    SpotPoint down;     // the same for the pressed state
    friend bool operator==(const MaskItem&, const MaskItem&) = default;
};

struct TSpot {
    SpotShape Shape = SpotShape::Polygon;
    // Rectangle and ellipse: left, top, right, bottom; polygon: x, y of each vertex.
    std::vector<int32_t> Points;
    int32_t Id = 0;
    bool Enabled = true;
    std::string Hint;
    std::optional<MaskItem> maskItem;

    static TSpot rectangle(SpotRect r);
    static TSpot ellipse(SpotRect bounds);
    static TSpot polygon(const std::vector<SpotPoint>& vertices);

    // Whether picture pixel (x, y) lies in the spot. Rectangles test the half-open box;
    // ellipses and polygons test the pixel's centre, as a region filled with them covers
    // exactly the pixels whose centres are inside.
    bool contains(int32_t x, int32_t y) const;
    // The smallest box holding every pixel the spot contains (empty when it holds none).
    SpotRect bounds() const;

    friend bool operator==(const TSpot&, const TSpot&) = default;
};

class THotSpots {
public:
    std::vector<TSpot> items;

    int count() const { return static_cast<int>(items.size()); }
    // The first enabled spot in list order that contains the point, or -1.
    int SpotAt(int32_t x, int32_t y) const;
};

// "HotSpots.Spots": the spots of either stored format.
std::vector<TSpot> readSpots(ByteView data);
// "HotSpots.MaskItems": sets or removes the mask items of the spots. Items for a spot
// index beyond the list are read and dropped; an item whose kept flags are 0 removes the
// spot's mask item.
void applyMaskItems(ByteView data, std::vector<TSpot>& spots);

Bytes writeSpots(const std::vector<TSpot>& spots);
// Record size 16; only spots that have a mask item are written.
Bytes writeMaskItems(const std::vector<TSpot>& spots);

}  // namespace orbigolf::media
