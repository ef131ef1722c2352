#pragma once
// Ball pictures: the 16 x 16 textures the balls roll with (from the recipes in
// content/textures/balls.txt) and the shading, tint and shadow laid over every ball.

#include <filesystem>
#include <string>
#include <vector>

#include "media/dib.h"

namespace orbigolf::content {

inline constexpr int kBallSize = 16;

struct BallTexture {
    std::string name;
    media::Bitmap picture;
};

std::vector<BallTexture> buildBallTextures(const std::filesystem::path& recipes);

// Drawn subtractively over the ball: darkest at the lower right rim, nothing at the
// highlight in the upper left.
media::Bitmap buildBallShading();
// Drawn subtractively with the strength of a tint area: a cold, dim cast.
media::Bitmap buildBallTint();
// Drawn subtractively and stretched under the ball.
media::Bitmap buildBallShadow();

}  // namespace orbigolf::content
