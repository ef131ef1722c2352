// PNG screenshots read back with libpng: size, format and the exact channel expansion.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/screenshot.h"
#include "test_pictures.h"
#include "scratch_dir.h"

namespace orbigolf::platform {
namespace {

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

Decoded decode(const std::vector<uint8_t>& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    EXPECT_NE(png_image_begin_read_from_memory(&image, png.data(), png.size()), 0) << image.message;
    // The file itself holds 8-bit RGB without alpha.
    EXPECT_EQ(image.format, static_cast<png_uint_32>(PNG_FORMAT_RGB));
    image.format = PNG_FORMAT_RGB;
    Decoded out;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    EXPECT_NE(png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr), 0) << image.message;
    return out;
}

TEST(Screenshot, RoundTripExpandsEveryChannelExactly) {
    // Every red and blue level and every green level appear somewhere.
    const Picture p = testing::makePicture(64, 3, [](int x, int y) {
        const auto v = static_cast<unsigned>(x);
        return y == 0 ? testing::px(v & 31, 0, 31 - (v & 31)) : y == 1 ? testing::px(0, v, 0) : Pixel565{0xFFFF};
    });
    const Decoded d = decode(encodePng(p.surface));
    ASSERT_EQ(d.width, 64);
    ASSERT_EQ(d.height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Pixel565 v = p.surface.pixel(x, y);
            const size_t i = static_cast<size_t>((y * 64 + x) * 3);
            const unsigned r = testing::r5(v), g = testing::g6(v), b = testing::b5(v);
            ASSERT_EQ(d.rgb[i], (r << 3) | (r >> 2));
            ASSERT_EQ(d.rgb[i + 1], (g << 2) | (g >> 4));
            ASSERT_EQ(d.rgb[i + 2], (b << 3) | (b >> 2));
        }
    }
    EXPECT_EQ(d.rgb[static_cast<size_t>((2 * 64) * 3)], 255);
}

TEST(Screenshot, SavesAFileAndReportsFailures) {
    const Picture p = testing::solidPicture(5, 4, toRgb565(200, 100, 50));
    const auto path = processScratchDir() / "shot.png";
    savePng(p.surface, path.string());
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    const Decoded d = decode(bytes);
    EXPECT_EQ(d.width, 5);
    EXPECT_EQ(d.height, 4);

    EXPECT_THROW(savePng(p.surface, "/nonexistent-folder/shot.png"), ScreenshotError);
    EXPECT_THROW(encodePng(Surface()), ScreenshotError);
}

}  // namespace
}  // namespace orbigolf::platform
