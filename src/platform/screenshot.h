#pragma once
// PNG screenshots of a surface: 8-bit RGB, each RGB565 channel expanded exactly
// (r8 = r5 << 3 | r5 >> 2, g8 = g6 << 2 | g6 >> 4, b8 = b5 << 3 | b5 >> 2).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace orbigolf::platform {

class ScreenshotError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The surface as 8-bit RGB triples, row by row.
std::vector<uint8_t> toRgb24(const Surface& surface);

// The PNG file's bytes; throws ScreenshotError for an empty surface or when encoding
// fails.
std::vector<uint8_t> encodePng(const Surface& surface);
// Writes the PNG file (replacing it); throws ScreenshotError("Cannot create file %s").
void savePng(const Surface& surface, const std::string& path);
// Reads a PNG file back as 8-bit RGB triples with its size (golden pictures compare
// with it); empty when the file cannot be read.
std::vector<uint8_t> readPngRgb(const std::string& path, int& width, int& height);

}  // namespace orbigolf::platform
