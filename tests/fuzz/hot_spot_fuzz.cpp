// Any bytes as the two stored properties of a hot-spot image (the first two bytes give the
// length of the spot list, the rest are the mask items), then the image driven over them:
// every spot is hovered, pressed and lit. Reading fails only with MediaError; nothing reads
// or writes outside the pictures.

#include <cstddef>
#include <cstdint>

#include "media/hot_image.h"

using namespace orbigolf::media;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t spotBytes = std::min<size_t>(size - 2, data[0] | (data[1] << 8));
    const ByteView spotsData(data + 2, spotBytes);
    const ByteView maskData(data + 2 + spotBytes, size - 2 - spotBytes);
    THotImage im;
    try {
        im.HotSpots.items = readSpots(spotsData);
        applyMaskItems(maskData, im.HotSpots.items);
    } catch (const MediaError&) {
        return 0;
    }
    if (im.HotSpots.count() > 64) return 0;  // keep each run short
    im.Width = 40;
    im.Height = 30;
    im.Center = true;
    im.Picture = makeBitmap(32, 24, 1);
    im.MaskPicture = makeBitmap(16, 16, 2);
    for (int i = 0; i < im.HotSpots.count(); ++i) {
        im.ShowSpotState(i, SpotState::Hot);
        im.ShowSpotState(i, SpotState::Down);
    }
    for (int y = 0; y < 30; y += 3)
        for (int x = 0; x < 40; x += 3) im.mouseMove({x, y}, (x + y) % 2 == 0);
    im.mouseDown({20, 15});
    im.mouseUp({20, 15});
    orbigolf::platform::Surface screen(48, 40);
    im.paint(screen, 2, 2);
    // What was read is written back unchanged, mask items included.
    std::vector<TSpot> again = readSpots(writeSpots(im.HotSpots.items));
    applyMaskItems(writeMaskItems(im.HotSpots.items), again);
    if (again != im.HotSpots.items) __builtin_trap();
    return 0;
}
