#pragma once
// Mock game screens drawn from a built content set with the display layer's own drawing
// (keyed, additive, alpha and subtractive frames), placing every picture and text where
// the game places it: the panel with scores and a message, a ball with its shadow, club,
// aim marker and gauge, a labelled ball, a big message, the pointer, the minimised panel
// with a skin, and the score card filled in. For reviewing how the pieces fit together.

#include <filesystem>

namespace orbigolf::content {

void drawPreview(const std::filesystem::path& contentDir, const std::filesystem::path& png);

}  // namespace orbigolf::content
