#pragma once
// The whole content set: what goes into which file, in which order, under which name.

#include <filesystem>
#include <string>
#include <vector>

namespace orbigolf::content {

// The ten interface pictures a skin may replace, with their file names, in the order the
// game applies them, and the interface list position each replaces.
struct SkinFile {
    const char* fileName;
    int guiIndex;
};
const std::vector<SkinFile>& skinFiles();

// Skins made from the palettes content/palettes/skin_<name>.txt.
std::vector<std::string> skinNames(const std::filesystem::path& sources);

// The file the launch pad's ball picture starts as (also one of the textures).
inline constexpr const char* kDefaultBallFile = "balltexture.bmp";

// Writes "menu.dxg", "gui.dxg", "sound.dxw", "menu.dxw", "interface_loop.flc",
// "interface.flc", the "textures" folder, the
// default ball picture and "skins/<name>/" into outDir (created when missing).
void buildContentSet(const std::filesystem::path& sources, const std::filesystem::path& outDir);

}  // namespace orbigolf::content
