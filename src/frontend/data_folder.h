#pragma once
// Whether a folder holds the game's data. A folder that lacks the launch pad's picture
// menu, or every one of the data files, would only give a screen with nothing to press:
// the program refuses it at once with one message instead.

#include <optional>
#include <string>
#include <vector>

namespace orbigolf::frontend {

// The data files the launch pad and a game read at start, in the order they are listed.
const std::vector<std::string>& startDataFiles();

// The message that refuses `folder`, or nothing when the program can start from it. Names
// are matched without regard to letter case, as the data files are looked up.
std::optional<std::string> missingGameData(const std::string& folder);

}  // namespace orbigolf::frontend
