#pragma once
// The picture list and sound list of one hole, built from its source.

#include <filesystem>

#include "font_faces.h"
#include "holes/course_art.h"
#include "holes/hole_source.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"

namespace orbigolf::content {

// Picture list positions a hole provides.
enum HolePicture : int {
    kCoursePicture = 0,
    kForeground = 1,
    kCupLip = 2,
    kPlume = 3,        // eruption and blast
    kSplash = 4,       // water
    kCannonFlash = 5,
    kSparkle = 6,
    kBonusBurst = 7,
    kDust = 8,         // rough ground, and a fixed sprite on one hole
    kGlow = 9,         // glow (added) or smoke (subtracted)
    kBonusStar = 10,
    kBeacon = 11,
    kHoleCard = 12,
    kTeleportFlash = 13,
    kImpact19 = 14,
    kImpact109 = 15,
    kImpact0 = 16,
    kPipeFront = 17,
    kSpringBounce = 18,
    kFanSpin = 19,
    kHolePictureCount = 20
};

struct BuiltHole {
    media::PictureListFile pictures;
    media::SoundListFile sounds;
    CourseArt art;
    media::Bitmap card;
};

BuiltHole buildHole(const HoleSource& src, int width, int height, FontFaces& fonts,
                    const std::filesystem::path& sources);

// The hole card: name, par and a picture of the whole hole with the tee and cup marked.
media::Bitmap drawHoleCard(const HoleSource& src, const media::Bitmap& course, FontFaces& fonts);

}  // namespace orbigolf::content
