#include "png_file.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <vector>

#include "media/file_read.h"

namespace orbigolf::assets {

void writePng(const std::string& fileName, const media::Bitmap& picture) {
    std::vector<uint8_t> rgb(picture.pixels.size() * 3);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        rgb[3 * i] = media::redOf(picture.pixels[i]);
        rgb[3 * i + 1] = media::greenOf(picture.pixels[i]);
        rgb[3 * i + 2] = media::blueOf(picture.pixels[i]);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.width);
    image.height = png_uint_32(picture.height);
    image.format = PNG_FORMAT_RGB;
    // Written beside the target and renamed, so a failure leaves no half file.
    const std::string tmp = fileName + ".tmp";
    errno = 0;
    bool ok = picture.width > 0 && picture.height > 0 &&
              png_image_write_to_file(&image, tmp.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    std::string reason = errno != 0 ? std::generic_category().message(errno) : image.message;
    png_image_free(&image);
    if (ok && std::rename(tmp.c_str(), fileName.c_str()) != 0) {
        ok = false;
        reason = std::generic_category().message(errno);
    }
    if (!ok) {
        std::remove(tmp.c_str());
        throw media::FileError("Cannot create file " + fileName, reason);
    }
}

}  // namespace orbigolf::assets
