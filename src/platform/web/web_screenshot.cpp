// The browser build has no PNG library, and its screenshots are read back by tests, not
// kept: they are written uncompressed (the image data in stored deflate blocks), which
// any PNG reader reads as it reads a compressed one.

#include <algorithm>
#include <array>

#include "platform/screenshot.h"

namespace orbigolf::platform {
namespace {

uint32_t crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void putBig32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void putChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& data) {
    putBig32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32(out.data() + typeAt, out.size() - typeAt));
}

// A zlib stream of stored blocks (at most 65 535 bytes each) and its Adler-32 checksum.
std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(raw.size() - at, 65535);
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<uint8_t>(n));
        out.push_back(static_cast<uint8_t>(n >> 8));
        out.push_back(static_cast<uint8_t>(~n));
        out.push_back(static_cast<uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putBig32(out, b << 16 | a);
    return out;
}

}  // namespace

std::vector<uint8_t> encodePng(const Surface& surface) {
    if (surface.empty()) throw ScreenshotError("Cannot save an empty picture");
    const std::vector<uint8_t> rgb = toRgb24(surface);
    const size_t rowBytes = static_cast<size_t>(surface.width()) * 3;
    std::vector<uint8_t> raw;
    raw.reserve(rgb.size() + static_cast<size_t>(surface.height()));
    for (size_t y = 0; y < static_cast<size_t>(surface.height()); ++y) {
        raw.push_back(0);  // no filter
        raw.insert(raw.end(), rgb.begin() + static_cast<std::ptrdiff_t>(y * rowBytes),
                   rgb.begin() + static_cast<std::ptrdiff_t>((y + 1) * rowBytes));
    }
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    putBig32(header, static_cast<uint32_t>(surface.width()));
    putBig32(header, static_cast<uint32_t>(surface.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter, no interlace
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace orbigolf::platform
