#pragma once
// A review sheet of every picture of a content set (read back from its files): each
// item with its name and size, its frames in a grid, every frame with its index; then
// every sound as its waveform.

#include <filesystem>
#include <string>

namespace orbigolf::content {

// Only items whose title contains `filter` (all when empty), frames enlarged `zoom` times.
void drawContactSheet(const std::filesystem::path& contentDir, const std::filesystem::path& png,
                      const std::string& filter = {}, int zoom = 1);

}  // namespace orbigolf::content
