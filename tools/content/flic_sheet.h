#pragma once
// The animations of a built content set as review pictures: a few frames of each FLIC,
// decoded by the game's own player and halved, side by side.

#include <filesystem>
#include <string>
#include <vector>

#include "media/dib.h"

namespace orbigolf::content {

struct FlicSheetPicture {
    std::string title;
    media::Bitmap frames;  // frameWidth x frameHeight cells in one row
    int frameWidth = 0;
    int frameHeight = 0;
};

// Frames 1, then evenly spaced, then the last, of every "*.flc" in contentDir (sorted by
// name); none when there are none.
std::vector<FlicSheetPicture> flicSheetPictures(const std::filesystem::path& contentDir, int framesEach = 4);

}  // namespace orbigolf::content
