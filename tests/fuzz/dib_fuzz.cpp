// Any bytes as a packed DIB and as a BMP file: each decodes to a picture whose pixel count
// matches its size, or fails with a MediaError.

#include <cstddef>
#include <cstdint>

#include "media/dib.h"

using namespace orbigolf::media;

namespace {
void check(const Bitmap& b) {
    if (b.pixels.size() != size_t(b.width) * size_t(b.height)) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteView bytes(data, size);
    try {
        check(decodeDib(bytes));
    } catch (const MediaError&) {
    }
    try {
        check(decodeBmp(bytes));
    } catch (const MediaError&) {
    }
    return 0;
}
