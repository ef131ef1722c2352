#pragma once
// Windows bitmaps: device-independent bitmaps (DIB: info header, masks, colour table,
// pixel rows, no file header) and BMP files ("BM" file header + DIB).
//
// Decoding accepts what Windows reads: 12-byte core headers and 40/52/56/108/124-byte info
// headers, bottom-up and top-down rows, 1/4/8/16/24/32 bits per pixel, bit fields and RLE4 /
// RLE8. Every size and offset is checked against the data; width and height are capped at
// kMaxDibSide and the pixel count at kMaxDibPixels, so a lying header can neither read
// outside the data nor make a huge allocation. A damaged DIB throws MediaError("DIB is
// invalid"); a damaged BMP file throws MediaError with a message naming what is wrong.
//
// Encoding writes bottom-up 24-bit or 8-bit (palettised) DIBs with a 40-byte header.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "media/media_error.h"
#include "platform/surface.h"

namespace orbigolf::media {

inline constexpr int32_t kMaxDibSide = 16384;
inline constexpr int64_t kMaxDibPixels = int64_t{1} << 25;  // 32 Mpixels

// The most pixels a run-length picture with `dataBytes` bytes of compressed rows may claim.
// An encoded run covers at most 255 pixels with 2 bytes, so real pictures stay far below
// 256 per byte; skips can cover more, but only a small picture may consist of little else.
constexpr int64_t maxRlePixels(size_t dataBytes) {
    constexpr int64_t kSmallPicture = int64_t{256} * 256;
    const int64_t byData = static_cast<int64_t>(dataBytes) * 256;
    return byData > kSmallPicture ? byData : kSmallPicture;
}

// What the headers say (for inspection; the pixels are already decoded).
struct DibHeader {
    uint32_t headerSize = 0;  // 12, 40, 52, 56, 108 or 124
    int32_t width = 0;
    int32_t height = 0;  // as stored: negative for top-down rows
    uint16_t planes = 1;
    uint16_t bitsPerPixel = 0;
    uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields, 6 alpha bit fields
    uint32_t imageSize = 0;
    int32_t xPelsPerMeter = 0;
    int32_t yPelsPerMeter = 0;
    uint32_t colorsUsed = 0;
    uint32_t colorsImportant = 0;
    std::array<uint32_t, 4> masks{};  // red, green, blue, alpha (bit fields only)
    bool topDown = false;
    // BMP files only:
    uint32_t fileSize = 0;    // as stored in the file header
    uint32_t dataOffset = 0;  // offset of the pixel rows from the start of the file
};

// 0x00RRGGBB (note: list-file colours are 0x00BBGGRR; see rgbFromColorRef).
using Rgb = uint32_t;

inline constexpr Rgb makeRgb(uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}
inline constexpr uint8_t redOf(Rgb c) { return static_cast<uint8_t>(c >> 16); }
inline constexpr uint8_t greenOf(Rgb c) { return static_cast<uint8_t>(c >> 8); }
inline constexpr uint8_t blueOf(Rgb c) { return static_cast<uint8_t>(c); }
// Windows colour value 0x00BBGGRR <-> Rgb.
inline constexpr Rgb rgbFromColorRef(uint32_t bgr) {
    return makeRgb(static_cast<uint8_t>(bgr), static_cast<uint8_t>(bgr >> 8),
                   static_cast<uint8_t>(bgr >> 16));
}
inline constexpr uint32_t colorRefFromRgb(Rgb c) {
    return (uint32_t{blueOf(c)} << 16) | (uint32_t{greenOf(c)} << 8) | redOf(c);
}

// A decoded picture: rows top to bottom, pixels left to right. Empty when width or height
// is 0. The palette is kept for palettised sources (and for the 8-bit encoder).
struct Bitmap {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<Rgb> pixels;
    uint16_t bitsPerPixel = 0;  // of the source (0 for an empty picture)
    std::vector<Rgb> palette;
    DibHeader header;

    bool empty() const { return width == 0 || height == 0; }
    Rgb pixel(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    Rgb& pixel(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

Bitmap makeBitmap(int32_t width, int32_t height, Rgb fill = 0);

// A packed DIB (header first). Empty data gives an empty Bitmap.
Bitmap decodeDib(ByteView dib);
// A BMP file ("BM" header). Throws MediaError with a clear message on damage.
Bitmap decodeBmp(ByteView file);
// The same pictures decoded straight into the display's 16-bit pixels (each colour as
// platform::toRgb565 converts it), with the same checks and errors, for callers that only
// draw them: no 32-bit copy of the picture is made.
platform::Surface decodeDibSurface(ByteView dib);
platform::Surface decodeBmpSurface(ByteView file);
// A BMP file from disk; a file that cannot be read gives "Cannot open file <name>".
Bitmap loadBmpFile(const std::string& fileName);
// Reads the headers only (for inspection); the same checks as decodeBmp/decodeDib.
DibHeader readBmpHeader(ByteView file);
DibHeader readDibHeader(ByteView dib);

// 24 bits per pixel, bottom-up rows, 40-byte header.
Bytes encodeDib24(const Bitmap& bitmap);
Bytes encodeBmp24(const Bitmap& bitmap);
// 16 bits per pixel as 5-6-5 bit fields, bottom-up rows, 40-byte header and three masks:
// each colour as platform::toRgb565 converts it, so a picture the display shows in 16-bit
// colour loses nothing and loads without conversion.
Bytes encodeDib565(const Bitmap& bitmap);
// 8 bits per pixel: palette (at most 256 colours) and one index per pixel, rows top to
// bottom. Throws std::invalid_argument on an index outside the palette or a size mismatch.
Bytes encodeDib8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                 const std::vector<uint8_t>& indices);
Bytes encodeBmp8(int32_t width, int32_t height, const std::vector<Rgb>& palette,
                 const std::vector<uint8_t>& indices);
// Wraps a packed DIB into a BMP file (adds the 14-byte file header).
Bytes bmpFromDib(ByteView dib);

}  // namespace orbigolf::media
