#pragma once
// Where the game's data files are when no folder is given: beside the program (the build
// folder, or a game unpacked into one folder), else in the installation's share folder.

#include <filesystem>

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

}  // namespace orbigolf::frontend
