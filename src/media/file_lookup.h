#pragma once
// Data sets made on Windows come in any letter case ("Gui.DXG", "Skins\\Blue\\PANEL.bmp"),
// while the game asks for the names it knows. When the exact path is missing, each of its
// components is matched without regard to (ASCII) letter case.

#include <string>

namespace orbigolf::media {

// The path as it exists on disk: `path` itself when it exists or when no component-by-
// component match is found (so that the caller's error names what it asked for).
std::string resolveFileName(const std::string& path);

}  // namespace orbigolf::media
