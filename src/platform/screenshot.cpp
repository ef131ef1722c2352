#include "platform/screenshot.h"

#include <png.h>

namespace orbigolf::platform {

std::vector<uint8_t> encodePng(const Surface& surface) {
    if (surface.empty()) throw ScreenshotError("Cannot save an empty picture");
    const std::vector<uint8_t> rgb = toRgb24(surface);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.width());
    image.height = static_cast<png_uint_32>(surface.height());
    image.format = PNG_FORMAT_RGB;
    const png_int_32 stride = static_cast<png_int_32>(surface.width()) * 3;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), stride, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw ScreenshotError("PNG encoding failed: " + message);
    }
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), stride, nullptr)) {
        const std::string message = image.message;
        png_image_free(&image);
        throw ScreenshotError("PNG encoding failed: " + message);
    }
    out.resize(size);
    return out;
}

std::vector<uint8_t> readPngRgb(const std::string& path, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<uint8_t> rgb;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return rgb;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        rgb.clear();
        return rgb;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return rgb;
}

}  // namespace orbigolf::platform
