#pragma once
// The intro movies: "vexlo.avi", the studio's logo (3 seconds), and "intro.avi", the game's
// intro (12 seconds: a ball launched through space onto a floating course, ending on the
// title), both 320 x 240 at 15 frames a second in MS Video 1 with a synthesised sound track.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "art_context.h"

namespace orbigolf::content {

inline constexpr int kMovieWidth = 320;
inline constexpr int kMovieHeight = 240;
inline constexpr int kMovieRate = 15;
inline constexpr int kLogoFrames = 45;
inline constexpr int kIntroFrames = 180;

std::vector<int16_t> logoSound();
std::vector<int16_t> introSound();

void writeLogoMovie(const ArtContext& art, const std::filesystem::path& file);
void writeIntroMovie(const ArtContext& art, const std::filesystem::path& file);

}  // namespace orbigolf::content
