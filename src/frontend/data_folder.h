#pragma once
// Where the game's data files are, and whether a folder holds them.
//
// With no folder given, the data lie beside the program (the build folder, or a game
// unpacked into one folder), else in the installation's share folder. A folder that lacks
// the launch pad's picture menu, or every one of the data files, would only give a screen
// with nothing to press: the program refuses it at once with one message instead.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orbigolf::frontend {

// The file whose presence marks a folder as holding the game's data: the game screen
// cannot start without it.
inline constexpr const char* kDataMarker = "gui.dxg";

// Whether `folder` holds the game's data (the marker file, in any letter case).
bool holdsGameData(const std::filesystem::path& folder);

// The first folder holding the game's data of, in order, the program's own folder and
// <prefix>/share/orbigolf for a program in <prefix>/bin; the program's own folder when
// neither does, so that what reports the missing data names the folder tried first.
std::filesystem::path findDataFolder(const std::filesystem::path& programFolder);

// The data files the launch pad and a game read at start, in the order they are listed.
const std::vector<std::string>& startDataFiles();

// The message that refuses `folder`, or nothing when the program can start from it. Names
// are matched without regard to letter case, as the data files are looked up.
std::optional<std::string> missingGameData(const std::string& folder);

}  // namespace orbigolf::frontend
