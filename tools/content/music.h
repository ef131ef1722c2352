#pragma once
// The menu music: a calm loop of pads, a bass and an echoing arpeggio, composed from a
// score file (content/music/*.txt) and rendered onto a circular buffer, so every note's
// tail that runs past the end continues at the start and the loop has no seam.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace orbigolf::content {

std::vector<int16_t> composeMusic(const std::filesystem::path& score, double peakDb);

}  // namespace orbigolf::content
