// The desktop icon: a shape on a transparent ground that reads at each installed size, and
// the files a desktop's icon theme expects.

#include <gtest/gtest.h>

#include <cairo.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "icon.h"

namespace orbigolf::content::test {
namespace {

namespace fs = std::filesystem;

struct Pixel {
    int a, r, g, b;  // straight (not premultiplied) components
};

Pixel pixelAt(const Canvas& c, double unitX, double unitY) {
    const int x = int(unitX * c.width() / 256), y = int(unitY * c.height() / 256);
    const uint32_t v = c.argb(x, y);
    const int a = int(v >> 24);
    auto straight = [a](uint32_t channel) { return a == 0 ? 0 : int(channel * 255 / uint32_t(a)); };
    return {a, straight((v >> 16) & 255), straight((v >> 8) & 255), straight(v & 255)};
}

TEST(Icon, ReadsAtEverySize) {
    for (int size : iconSizes()) {
        SCOPED_TRACE(size);
        const auto icon = drawIcon(size);
        ASSERT_EQ(icon->width(), size);
        ASSERT_EQ(icon->height(), size);
        // Transparent outside the rounded tile, opaque inside it.
        for (const auto& [x, y] :
             {std::pair{0.0, 0.0}, {255.0, 0.0}, {0.0, 255.0}, {255.0, 255.0}, {14.0, 14.0}})
            EXPECT_EQ(pixelAt(*icon, x, y).a, 0) << x << "," << y;
        EXPECT_EQ(pixelAt(*icon, 128, 30).a, 255);
        // Dark space above, a green floor, a light ball on it.
        const Pixel space = pixelAt(*icon, 128, 24);
        EXPECT_LT(space.r + space.g + space.b, 3 * 90);
        const Pixel floor = pixelAt(*icon, 140, 205);
        EXPECT_GT(floor.g, floor.r + 40);
        EXPECT_GT(floor.g, floor.b + 20);
        const Pixel ball = pixelAt(*icon, 90, 162);
        EXPECT_GT(std::min({ball.r, ball.g, ball.b}), 170);
    }
}

TEST(Icon, WritesTheIconThemesFiles) {
    const fs::path dir =
        fs::temp_directory_path() / ("orbigolf_icon_test_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    writeIcons(dir);
    for (int size : iconSizes()) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const fs::path file = dir / "hicolor" / name / "apps" / "orbigolf.png";
        cairo_surface_t* png = cairo_image_surface_create_from_png(file.string().c_str());
        EXPECT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << file;
        EXPECT_EQ(cairo_image_surface_get_width(png), size);
        EXPECT_EQ(cairo_image_surface_get_height(png), size);
        EXPECT_EQ(cairo_image_surface_get_format(png), CAIRO_FORMAT_ARGB32)
            << "the icon keeps its transparency";
        cairo_surface_destroy(png);
    }
    // A file where a folder must go is reported, not written around.
    const fs::path blocked = dir / "blocked";
    std::ofstream(blocked) << "x";
    EXPECT_ANY_THROW(writeIcons(blocked));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace orbigolf::content::test
