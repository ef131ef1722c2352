#include "frontend/data_folder.h"

#include <system_error>

#include "media/file_lookup.h"

namespace orbigolf::frontend {
namespace {

std::vector<std::filesystem::path> dataFolderCandidates(const std::filesystem::path& programFolder) {
    return {programFolder, (programFolder / ".." / "share" / "orbigolf").lexically_normal()};
}

// Without these the launch pad shows no menu to choose from.
bool isMenuPicture(const std::string& name) { return name == "mainmenu.bmp" || name == "mainmenu_lit.bmp"; }

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

}  // namespace

bool holdsGameData(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_regular_file(media::resolveFileName((folder / kDataMarker).string()), ec);
}

std::filesystem::path findDataFolder(const std::filesystem::path& programFolder) {
    for (const auto& folder : dataFolderCandidates(programFolder))
        if (holdsGameData(folder)) return folder;
    return programFolder;
}

const std::vector<std::string>& startDataFiles() {
    static const std::vector<std::string> files = {
        "mainmenu.bmp", "mainmenu_lit.bmp", "balltexture.bmp", "menu.dxw", "interface_loop.flc",
        "interface.flc", "menu.dxg", "gui.dxg", "sound.dxw"};
    return files;
}

std::optional<std::string> missingGameData(const std::string& folder) {
    const auto exists = [&folder](const std::string& name) {
        std::error_code ec;
        const std::string path = folder.empty() ? name : folder + "/" + name;
        return std::filesystem::is_regular_file(media::resolveFileName(path), ec);
    };
    std::vector<std::string> missing;
    bool menuMissing = false;
    for (const std::string& name : startDataFiles()) {
        if (exists(name)) continue;
        missing.push_back(name);
        menuMissing = menuMissing || isMenuPicture(name);
    }
    if (!menuMissing && missing.size() < startDataFiles().size()) return std::nullopt;
    return "the data folder \"" + folder + "\" does not hold the game's data: " + joined(missing) +
           (missing.size() == 1 ? " is" : " are") +
           " missing. Start the game from its own folder, or name that folder with --data.";
}

}  // namespace orbigolf::frontend
