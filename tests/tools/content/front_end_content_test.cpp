// The front end's generated pictures and movies: sizes and formats the forms expect, the
// menu's lit areas lying under the launch pad's spots, and movies that play to their
// frame count with their sound track.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "built_set.h"
#include "front_end_content.h"
#include "frontend/menu_spots.h"
#include "media/hot_image.h"
#include "movies.h"
#include "platform/movie/movie.h"

namespace orbigolf::content::test {
namespace {

int difference(media::Rgb a, media::Rgb b) {
    return std::abs(int(media::redOf(a)) - media::redOf(b)) + std::abs(int(media::greenOf(a)) - media::greenOf(b)) +
           std::abs(int(media::blueOf(a)) - media::blueOf(b));
}

TEST(FrontEndContent, MenuPicturesLightUpUnderEverySpot) {
    media::THotImage menu;
    menu.Picture = media::loadBmpFile((builtSet() / kMenuPictureFile).string());
    menu.MaskPicture = media::loadBmpFile((builtSet() / kMenuMaskFile).string());
    for (const media::Bitmap* b : {&menu.Picture, &menu.MaskPicture}) {
        EXPECT_EQ(b->width, 421);
        EXPECT_EQ(b->height, 165);
        EXPECT_EQ(b->bitsPerPixel, 8);
    }
    menu.Width = 421;
    menu.Height = 165;
    menu.HotSpots.items = frontend::launchPadMenuSpots();
    for (int spot = 0; spot < 4; ++spot) {
        const media::TSpot& s = menu.HotSpots.items[size_t(spot)];
        const media::SpotRect b = s.bounds();
        // Hovering the middle of the area makes it current and lights it.
        int px = -1, py = -1;
        for (int y = b.top; y < b.bottom && px < 0; ++y)
            for (int x = (b.left + b.right) / 2; x < b.right; ++x)
                if (menu.HotSpots.SpotAt(x, y) == spot && y >= (b.top + b.bottom) / 2) {
                    px = x;
                    py = y;
                    break;
                }
        ASSERT_GE(px, 0) << spot;
        menu.mouseMove({px, py}, false);
        ASSERT_EQ(menu.SpotIndex(), spot);
        ASSERT_FALSE(menu.overlay().empty()) << spot;
        // Inside the outline the lit picture differs clearly from the plain one.
        long changed = 0, inside = 0;
        for (int y = b.top; y < b.bottom; ++y)
            for (int x = b.left; x < b.right; ++x) {
                if (!s.contains(x, y)) continue;
                ++inside;
                if (difference(menu.Picture.pixel(x, y), menu.MaskPicture.pixel(x, y)) > 60) ++changed;
            }
        EXPECT_GT(changed * 2, inside) << "spot " << spot << " is not lit under its outline";
    }
}

TEST(FrontEndContent, ClosingPictureIsA256ColourScreen) {
    const media::Bitmap b = media::loadBmpFile((builtSet() / kClosingPictureFile).string());
    EXPECT_EQ(b.width, 640);
    EXPECT_EQ(b.height, 480);
    EXPECT_EQ(b.bitsPerPixel, 8);
    EXPECT_LE(b.palette.size(), 256u);
}

TEST(FrontEndContent, MoviesPlayToTheirFrameCountWithSound) {
    for (auto [name, frames] : {std::pair{kLogoMovieFile, kLogoFrames}, std::pair{kIntroMovieFile, kIntroFrames}}) {
        platform::Movie m = platform::Movie::open((builtSet() / name).string());
        EXPECT_EQ(m.info().width, kMovieWidth);
        EXPECT_EQ(m.info().height, kMovieHeight);
        EXPECT_EQ(m.info().codec, "msvideo1");
        EXPECT_EQ(m.info().frameCount, frames);
        platform::Surface s;
        int decoded = 0;
        while (m.nextFrame(s)) ++decoded;
        EXPECT_EQ(decoded, frames) << name;
        const std::vector<int16_t> sound = m.soundTrack();
        EXPECT_EQ(sound.size(), size_t(frames) * 22050 / kMovieRate) << name;
        int peak = 0;
        for (int16_t v : sound) peak = std::max(peak, std::abs(int(v)));
        EXPECT_GT(peak, 16000) << name;  // about -3 dBFS at the loudest
        EXPECT_LT(peak, 24000) << name;
    }
    EXPECT_LT(kIntroFrames / kMovieRate, 20);  // under twenty seconds
}

}  // namespace
}  // namespace orbigolf::content::test
