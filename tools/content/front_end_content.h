#pragma once
// The front end's part of the content set: the hot-spot menu picture and its lit twin, the
// closing picture, and the two intro movies; and what the contact sheet shows of them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "art_context.h"
#include "media/dib.h"

namespace orbigolf::content {

inline constexpr const char* kMenuPictureFile = "mainmenu.bmp";
inline constexpr const char* kMenuMaskFile = "mainmenu_lit.bmp";
inline constexpr const char* kClosingPictureFile = "extro.bmp";
inline constexpr const char* kLogoMovieFile = "vexlo.avi";
inline constexpr const char* kIntroMovieFile = "intro.avi";

void buildFrontEndContent(const ArtContext& art, const std::filesystem::path& outDir);

struct ReviewPicture {
    std::string title;
    media::Bitmap bitmap;
    int frameWidth = 0;  // 0: one frame
    int frameHeight = 0;
};
struct ReviewSound {
    std::string title;
    std::vector<int16_t> samples;
};

// The pictures (movies as one frame a second) and the movies' sound tracks of a built set.
std::vector<ReviewPicture> frontEndReviewPictures(const std::filesystem::path& contentDir);
std::vector<ReviewSound> frontEndReviewSounds(const std::filesystem::path& contentDir);

}  // namespace orbigolf::content
