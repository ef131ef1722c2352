// DIB and BMP decoding: header checks, colour tables and plain rows (RLE in dib_rle.cpp).

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "media/dib.h"
#include "media/dib_internal.h"
#include "platform/surface.h"

namespace orbigolf::media {

using namespace dib_detail;

namespace {

enum : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

// Where the parts of a DIB lie inside the buffer it was read from.
struct Layout {
    DibHeader header;
    size_t paletteAt = 0;    // first colour table entry
    size_t paletteBytes = 4; // per entry: 3 with the core header
    size_t paletteCount = 0; // entries stored after the header (and masks)
    size_t afterPalette = 0; // first byte after the stored colour table
};

// Reads and checks the header at `at`. listDib: the two header sizes a list's "TDIB" may use.
Layout parseHeader(ByteView b, size_t at, bool listDib) {
    Layout l;
    DibHeader& h = l.header;
    if (b.size() - at < 4) fault("the header is cut short");
    h.headerSize = u32At(b, at);
    const bool known = h.headerSize == 12 || h.headerSize == 40 ||
                       (!listDib && (h.headerSize == 52 || h.headerSize == 56 ||
                                     h.headerSize == 108 || h.headerSize == 124));
    if (!known) fault("unsupported header size");
    if (b.size() - at < h.headerSize) fault("the header is cut short");
    if (h.headerSize == 12) {
        h.width = int32_t(u16At(b, at + 4));
        h.height = int32_t(u16At(b, at + 6));
        h.planes = uint16_t(u16At(b, at + 8));
        h.bitsPerPixel = uint16_t(u16At(b, at + 10));
        l.paletteBytes = 3;
    } else {
        h.width = int32_t(u32At(b, at + 4));
        h.height = int32_t(u32At(b, at + 8));
        h.planes = uint16_t(u16At(b, at + 12));
        h.bitsPerPixel = uint16_t(u16At(b, at + 14));
        h.compression = u32At(b, at + 16);
        h.imageSize = u32At(b, at + 20);
        h.xPelsPerMeter = int32_t(u32At(b, at + 24));
        h.yPelsPerMeter = int32_t(u32At(b, at + 28));
        h.colorsUsed = u32At(b, at + 32);
        h.colorsImportant = u32At(b, at + 36);
    }
    size_t pos = at + h.headerSize;
    const bool fields = h.compression == kBitFields || h.compression == kAlphaBitFields;
    if (fields) {
        const size_t count = h.compression == kAlphaBitFields ? 4 : 3;
        if (h.headerSize >= 52) {
            // The masks are part of the larger headers.
            for (size_t i = 0; i < count && 40 + 4 * i + 4 <= h.headerSize; ++i) {
                h.masks[i] = u32At(b, at + 40 + 4 * i);
            }
        } else {
            if (b.size() - pos < 4 * count) fault("the colour masks are cut short");
            for (size_t i = 0; i < count; ++i) h.masks[i] = u32At(b, pos + 4 * i);
            pos += 4 * count;
        }
    }

    const uint16_t bpp = h.bitsPerPixel;
    switch (h.compression) {
        case kRgb: break;
        case kRle8: if (bpp != 8) fault("RLE8 needs 8 bits per pixel"); break;
        case kRle4: if (bpp != 4) fault("RLE4 needs 4 bits per pixel"); break;
        case kBitFields:
            if (bpp != 16 && bpp != 32) fault("bit fields need 16 or 32 bits per pixel");
            break;
        case kAlphaBitFields:
            if (listDib || (bpp != 16 && bpp != 32)) fault("unsupported compression");
            break;
        case 4:
        case 5: fault("unsupported compression (JPEG or PNG data)");
        default: fault("unsupported compression");
    }
    if (h.planes != 1) fault("the plane count is not 1");
    switch (h.bitsPerPixel) {
        case 1: case 4: case 8: case 24: break;
        case 16: case 32: if (h.headerSize != 12) break; [[fallthrough]];
        default: fault("unsupported bit count");
    }
    if (h.width < 0) fault("negative width");
    if (h.height == INT32_MIN) fault("bad height");
    h.topDown = h.height < 0;
    if (h.topDown && (h.compression == kRle8 || h.compression == kRle4)) {
        fault("compressed rows cannot be top-down");
    }
    const int64_t height = h.height < 0 ? -int64_t{h.height} : h.height;
    if (h.width > kMaxDibSide || height > kMaxDibSide ||
        int64_t{h.width} * height > kMaxDibPixels) {
        fault("the picture is too large");
    }

    // Colour table: the used-colour count, or all 2^bits colours of a palettised picture.
    uint64_t stored = h.colorsUsed;
    if (stored == 0 && bpp <= 8) stored = uint64_t{1} << bpp;
    if (stored > (b.size() - pos) / l.paletteBytes) {
        // A palette longer than the data is damage for palettised pictures; for the others
        // the table is only a display hint.
        if (bpp <= 8) fault("the colour table is cut short");
        stored = (b.size() - pos) / l.paletteBytes;
    }
    l.paletteAt = pos;
    l.paletteCount = size_t(stored);
    l.afterPalette = pos + size_t(stored) * l.paletteBytes;
    return l;
}

std::vector<Rgb> readPalette(ByteView b, const Layout& l) {
    const uint16_t bpp = l.header.bitsPerPixel;
    if (bpp > 8) return {};
    const size_t count = std::min<size_t>(l.paletteCount, size_t{1} << bpp);
    std::vector<Rgb> pal(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = l.paletteAt + i * l.paletteBytes;
        pal[i] = makeRgb(b[at + 2], b[at + 1], b[at]);
    }
    return pal;
}

// One channel of a bit-field pixel scaled to 8 bits (rounded).
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        max = m >> shift;
        // Only the contiguous low run of bits counts.
        const int bits = std::countr_one(max);
        max = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
    }
    uint8_t operator()(uint32_t px) const {
        if (max == 0) return 0;
        const uint64_t v = (px >> shift) & max;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

// The pixels of plain (uncompressed) rows into out, top-down. Pixel is Rgb or the display's
// 16-bit pixel; pal holds the colour table in that form and colour(r, g, b) makes the
// other colours.
template <typename Pixel, typename Colour>
void decodePlain(ByteView b, size_t at, const Layout& l, const std::vector<Pixel>& pal, Pixel* out,
                 int32_t w, int32_t hgt, Colour colour) {
    const DibHeader& h = l.header;
    const uint16_t bpp = h.bitsPerPixel;
    const uint64_t rowBytes = (uint64_t(w) * bpp + 31) / 32 * 4;
    const uint64_t lastRow = (uint64_t(w) * bpp + 7) / 8;
    // The last row may lack its padding bytes; everything else must be there.
    if (at > b.size() || rowBytes * uint64_t(hgt - 1) + lastRow > b.size() - at) {
        fault("the pixel data is cut short");
    }

    std::array<uint32_t, 4> masks = h.masks;
    if (h.compression == kRgb && bpp == 16) masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (h.compression == kRgb && bpp == 32) masks = {0xFF0000, 0x00FF00, 0x0000FF, 0};
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    auto indexed = [&](uint32_t i) { return i < pal.size() ? pal[i] : Pixel{0}; };
    const uint8_t* data = b.data();

    // Each depth has its own loop over the rows, so no pixel goes through the choice.
    auto rows = [&](auto pixelAt) {
        for (int32_t y = 0; y < hgt; ++y) {
            const int32_t srcRow = h.topDown ? y : hgt - 1 - y;
            const uint8_t* row = data + at + size_t(rowBytes) * size_t(srcRow);
            Pixel* dst = out + size_t(y) * size_t(w);
            for (int32_t x = 0; x < w; ++x) dst[x] = pixelAt(row, x);
        }
    };
    switch (bpp) {
        case 1:
            rows([&](const uint8_t* row, int32_t x) { return indexed((row[size_t(x) / 8] >> (7 - x % 8)) & 1); });
            break;
        case 4:
            rows([&](const uint8_t* row, int32_t x) { return indexed((row[size_t(x) / 2] >> (x % 2 ? 0 : 4)) & 0x0F); });
            break;
        case 8: rows([&](const uint8_t* row, int32_t x) { return indexed(row[x]); }); break;
        case 24:
            if constexpr (std::is_same_v<Pixel, platform::Pixel565> && std::endian::native == std::endian::little) {
                // Display pixels four bytes at a time: blue, green and red of one pixel (and
                // a byte of the next) shifted so that each channel keeps the bits toRgb565
                // keeps; a row's last pixel, whose fourth byte may lie past the data, alone.
                for (int32_t y = 0; y < hgt; ++y) {
                    const int32_t srcRow = h.topDown ? y : hgt - 1 - y;
                    const uint8_t* row = data + at + size_t(rowBytes) * size_t(srcRow);
                    Pixel* dst = out + size_t(y) * size_t(w);
                    int32_t x = 0;
                    for (; x + 1 < w; ++x) {
                        uint32_t v;
                        std::memcpy(&v, row + size_t(x) * 3, 4);
                        dst[x] = Pixel(((v >> 8) & 0xF800u) | ((v >> 5) & 0x07E0u) | ((v >> 3) & 0x001Fu));
                    }
                    if (x < w) dst[x] = colour(row[size_t(x) * 3 + 2], row[size_t(x) * 3 + 1], row[size_t(x) * 3]);
                }
                break;
            }
            rows([&](const uint8_t* row, int32_t x) {
                const uint8_t* p = row + size_t(x) * 3;
                return colour(p[2], p[1], p[0]);
            });
            break;
        case 16:
            if constexpr (std::is_same_v<Pixel, platform::Pixel565> &&
                          std::endian::native == std::endian::little) {
                // Rows already in the display's 5-6-5 form are copied as they stand.
                if (masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F) {
                    for (int32_t y = 0; y < hgt; ++y) {
                        const int32_t srcRow = h.topDown ? y : hgt - 1 - y;
                        std::memcpy(out + size_t(y) * size_t(w),
                                    data + at + size_t(rowBytes) * size_t(srcRow),
                                    size_t(w) * sizeof(Pixel));
                    }
                    break;
                }
            }
            rows([&](const uint8_t* row, int32_t x) {
                const uint32_t px = uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8;
                return colour(red(px), green(px), blue(px));
            });
            break;
        default:
            rows([&](const uint8_t* row, int32_t x) {
                const uint8_t* p = row + size_t(x) * 4;
                const uint32_t px = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
                return colour(red(px), green(px), blue(px));
            });
            break;
    }
}

// The checks before any pixel is decoded; false for an empty (0-pixel) picture.
bool checkPixels(ByteView b, const Layout& l, size_t pixelsAt) {
    const DibHeader& h = l.header;
    const int32_t height = h.height < 0 ? -h.height : h.height;
    if (h.width == 0 || height == 0) return false;
    if (h.compression == kRle8 || h.compression == kRle4) {
        const size_t available = pixelsAt <= b.size() ? b.size() - pixelsAt : 0;
        // A few bytes of RLE may legally cover a huge picture with skips; refuse pictures far
        // larger than their data could plausibly describe rather than allocate for them.
        if (int64_t{h.width} * height > maxRlePixels(available)) {
            fault("the picture is too large for its compressed data");
        }
    }
    return true;
}

// The pixels of the DIB described by l, whose rows start at pixelsAt, into out (width x
// height, top-down); see decodePlain for Pixel, pal and colour.
template <typename Pixel, typename Colour>
void decodeInto(ByteView b, const Layout& l, size_t pixelsAt, const std::vector<Pixel>& pal, Pixel* out,
                Colour colour) {
    const DibHeader& h = l.header;
    const int32_t height = h.height < 0 ? -h.height : h.height;
    if (h.compression == kRle8 || h.compression == kRle4) {
        decodeRle(b.subspan(pixelsAt <= b.size() ? pixelsAt : b.size()), h.compression == kRle8 ? 8 : 4,
                  h.width, height, pal, out);
        return;
    }
    decodePlain(b, pixelsAt, l, pal, out, h.width, height, colour);
}

// Pixels of the DIB described by l, whose rows start at pixelsAt.
Bitmap decodePixels(ByteView b, const Layout& l, size_t pixelsAt) {
    const DibHeader& h = l.header;
    Bitmap out;
    out.header = h;
    out.bitsPerPixel = h.bitsPerPixel;
    out.palette = readPalette(b, l);
    if (!checkPixels(b, l, pixelsAt)) return out;  // an empty picture
    out.width = h.width;
    out.height = h.height < 0 ? -h.height : h.height;
    out.pixels.resize(size_t(out.width) * size_t(out.height));
    decodeInto(b, l, pixelsAt, out.palette, out.pixels.data(),
               [](uint8_t r, uint8_t g, uint8_t bl) { return makeRgb(r, g, bl); });
    return out;
}

// The same pixels as decodePixels, converted to the display's form as it converts colours,
// without the 32-bit picture in between.
platform::Surface decodeSurface(ByteView b, const Layout& l, size_t pixelsAt) {
    if (!checkPixels(b, l, pixelsAt)) return {};
    const std::vector<Rgb> palette = readPalette(b, l);
    std::vector<platform::Pixel565> pal(palette.size());
    for (size_t i = 0; i < palette.size(); ++i) {
        pal[i] = platform::toRgb565(redOf(palette[i]), greenOf(palette[i]), blueOf(palette[i]));
    }
    const DibHeader& h = l.header;
    platform::Surface out(h.width, h.height < 0 ? -h.height : h.height);
    decodeInto(b, l, pixelsAt, pal, out.pixels().data(),
               [](uint8_t r, uint8_t g, uint8_t bl) { return platform::toRgb565(r, g, bl); });
    return out;
}

}  // namespace

DibHeader readDibHeader(ByteView dib) {
    try {
        return parseHeader(dib, 0, true).header;
    } catch (const DibFault&) {
        throw MediaError(kDibIsInvalid);
    }
}

Bitmap decodeDib(ByteView dib) {
    if (dib.empty()) return {};
    try {
        const Layout l = parseHeader(dib, 0, true);
        return decodePixels(dib, l, l.afterPalette);
    } catch (const DibFault&) {
        throw MediaError(kDibIsInvalid);
    }
}

platform::Surface decodeDibSurface(ByteView dib) {
    if (dib.empty()) return {};
    try {
        const Layout l = parseHeader(dib, 0, true);
        return decodeSurface(dib, l, l.afterPalette);
    } catch (const DibFault&) {
        throw MediaError(kDibIsInvalid);
    }
}

namespace {
constexpr size_t kFileHeader = 14;

Layout parseBmp(ByteView file) {
    if (file.size() < kFileHeader || file[0] != 'B' || file[1] != 'M') {
        fault("not a BMP file (no \"BM\" signature)");
    }
    Layout l = parseHeader(file, kFileHeader, false);
    l.header.fileSize = u32At(file, 2);
    l.header.dataOffset = u32At(file, 10);
    return l;
}

[[noreturn]] void bmpFault(const DibFault& f) { throw MediaError("Bitmap is invalid: " + f.reason); }

// Where the rows of a BMP file start; checked against the file.
size_t bmpPixelsAt(ByteView file, const Layout& l) {
    // The file header says where the rows start; 0 (written by some tools) means right
    // after the colour table.
    size_t pixelsAt = l.header.dataOffset;
    if (pixelsAt == 0) pixelsAt = l.afterPalette;
    if (pixelsAt < kFileHeader + l.header.headerSize || pixelsAt > file.size()) {
        fault("the pixel data offset lies outside the file");
    }
    return pixelsAt;
}

}  // namespace

DibHeader readBmpHeader(ByteView file) {
    try {
        return parseBmp(file).header;
    } catch (const DibFault& f) {
        bmpFault(f);
    }
}

Bitmap decodeBmp(ByteView file) {
    try {
        const Layout l = parseBmp(file);
        return decodePixels(file, l, bmpPixelsAt(file, l));
    } catch (const DibFault& f) {
        bmpFault(f);
    }
}

platform::Surface decodeBmpSurface(ByteView file) {
    try {
        const Layout l = parseBmp(file);
        return decodeSurface(file, l, bmpPixelsAt(file, l));
    } catch (const DibFault& f) {
        bmpFault(f);
    }
}

Bitmap loadBmpFile(const std::string& fileName) { return decodeBmp(readFileBytes(fileName)); }

Bitmap makeBitmap(int32_t width, int32_t height, Rgb fill) {
    Bitmap b;
    if (width <= 0 || height <= 0) return b;
    b.width = width;
    b.height = height;
    b.bitsPerPixel = 24;
    b.pixels.assign(size_t(width) * size_t(height), fill);
    return b;
}

}  // namespace orbigolf::media
