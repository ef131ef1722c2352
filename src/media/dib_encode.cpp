// DIB and BMP writing: 24-bit, 16-bit (5-6-5 bit fields) and 8-bit bottom-up rows with a
// 40-byte info header.

#include <stdexcept>

#include "media/dib.h"
#include "platform/byte_order.h"

namespace orbigolf::media {

using platform::putU16;
using platform::putU32;

namespace {
constexpr uint32_t kBitFields = 3;

void checkSize(int32_t width, int32_t height) {
    if (width < 0 || height < 0 || width > kMaxDibSide || height > kMaxDibSide) {
        throw std::invalid_argument("bitmap size out of range");
    }
}

// Checks the bitmap's size and pixel count; the bytes of one stored row (padded to four).
size_t checkedRowBytes(const Bitmap& bitmap, size_t bytesPerPixel) {
    checkSize(bitmap.width, bitmap.height);
    if (bitmap.pixels.size() != size_t(bitmap.width) * size_t(bitmap.height)) {
        throw std::invalid_argument("bitmap pixel count does not match its size");
    }
    return (size_t(bitmap.width) * bytesPerPixel + 3) / 4 * 4;
}

Bytes infoHeader(int32_t width, int32_t height, uint16_t bpp, uint32_t imageSize, uint32_t colours,
                 uint32_t compression = 0) {
    Bytes out;
    putU32(out, 40);
    putU32(out, uint32_t(width));
    putU32(out, uint32_t(height));
    putU16(out, 1);
    putU16(out, bpp);
    putU32(out, compression);  // 0 plain rows, 3 plain rows with colour masks
    putU32(out, imageSize);
    putU32(out, 2835);  // 72 dots per inch
    putU32(out, 2835);
    putU32(out, colours);
    putU32(out, 0);
    return out;
}
}  // namespace

Bytes encodeDib24(const Bitmap& bitmap) {
    const size_t rowBytes = checkedRowBytes(bitmap, 3);
    Bytes out = infoHeader(bitmap.width, bitmap.height, 24,
                           uint32_t(rowBytes * size_t(bitmap.height)), 0);
    out.reserve(out.size() + rowBytes * size_t(bitmap.height));
    for (int32_t y = bitmap.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int32_t x = 0; x < bitmap.width; ++x) {
            const Rgb c = bitmap.pixel(x, y);
            out.push_back(blueOf(c));
            out.push_back(greenOf(c));
            out.push_back(redOf(c));
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

Bytes encodeDib565(const Bitmap& bitmap) {
    const size_t rowBytes = checkedRowBytes(bitmap, 2);
    Bytes out = infoHeader(bitmap.width, bitmap.height, 16,
                           uint32_t(rowBytes * size_t(bitmap.height)), 0, kBitFields);
    putU32(out, 0xF800);  // red, green, blue masks
    putU32(out, 0x07E0);
    putU32(out, 0x001F);
    out.reserve(out.size() + rowBytes * size_t(bitmap.height));
    for (int32_t y = bitmap.height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int32_t x = 0; x < bitmap.width; ++x) {
            const Rgb c = bitmap.pixel(x, y);
            putU16(out, platform::toRgb565(redOf(c), greenOf(c), blueOf(c)));
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

Bytes encodeDib8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                 const std::vector<uint8_t>& indices) {
    checkSize(width, height);
    if (palette.empty() || palette.size() > 256) {
        throw std::invalid_argument("an 8-bit palette holds 1 to 256 colours");
    }
    if (indices.size() != size_t(width) * size_t(height)) {
        throw std::invalid_argument("index count does not match the bitmap size");
    }
    const size_t rowBytes = (size_t(width) + 3) / 4 * 4;
    Bytes out = infoHeader(width, height, 8, uint32_t(rowBytes * size_t(height)),
                           uint32_t(palette.size()));
    for (Rgb c : palette) {
        out.push_back(blueOf(c));
        out.push_back(greenOf(c));
        out.push_back(redOf(c));
        out.push_back(0);
    }
    for (int32_t y = height - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t i = indices[size_t(y) * size_t(width) + size_t(x)];
            if (i >= palette.size()) throw std::invalid_argument("index outside the palette");
            out.push_back(i);
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

Bytes bmpFromDib(ByteView dib) {
    auto u16 = [&](size_t at) { return platform::u16At(dib, at); };
    auto u32 = [&](size_t at) { return platform::u32At(dib, at); };
    if (dib.size() < 12) throw std::invalid_argument("not a DIB");
    const uint32_t headerSize = u32(0);
    if (headerSize < 12 || headerSize > dib.size() || (headerSize != 12 && headerSize < 40)) {
        throw std::invalid_argument("not a DIB");
    }
    // The rows start after the header, the masks of a 40-byte bit-field header and the
    // colour table.
    const uint32_t bpp = headerSize == 12 ? u16(10) : u16(14);
    const uint32_t compression = headerSize == 12 ? 0 : u32(16);
    uint64_t colours = headerSize == 12 ? 0 : u32(32);
    if (colours == 0 && bpp <= 8) colours = uint64_t{1} << bpp;
    uint64_t offset = headerSize + colours * (headerSize == 12 ? 3 : 4);
    if (headerSize == 40 && compression == 3) offset += 12;
    if (headerSize == 40 && compression == 6) offset += 16;
    if (offset > dib.size()) throw std::invalid_argument("DIB colour table runs past its data");
    Bytes out{'B', 'M'};
    putU32(out, uint32_t(14 + dib.size()));
    putU32(out, 0);
    putU32(out, uint32_t(14 + offset));
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

Bytes encodeBmp24(const Bitmap& bitmap) { return bmpFromDib(encodeDib24(bitmap)); }

Bytes encodeBmp8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                 const std::vector<uint8_t>& indices) {
    return bmpFromDib(encodeDib8(width, height, palette, indices));
}

}  // namespace orbigolf::media
