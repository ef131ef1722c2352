// What both PNG encoders share: the pixels as 8-bit RGB and the file writing.

#include <cstdio>
#include <memory>

#include "platform/screenshot.h"

namespace orbigolf::platform {
namespace {

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

std::vector<uint8_t> toRgb24(const Surface& surface) {
    std::vector<uint8_t> out;
    out.reserve(surface.pixels().size() * 3);
    for (Pixel565 p : surface.pixels()) {
        const Rgb c = fromRgb565(p);
        out.push_back(c.r);
        out.push_back(c.g);
        out.push_back(c.b);
    }
    return out;
}

void savePng(const Surface& surface, const std::string& path) {
    const std::vector<uint8_t> bytes = encodePng(surface);
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw ScreenshotError("Cannot create file " + path);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() || std::fflush(file.get()) != 0) {
        throw ScreenshotError("Cannot write file " + path);
    }
}

}  // namespace orbigolf::platform
