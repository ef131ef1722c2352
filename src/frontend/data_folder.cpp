#include "frontend/data_folder.h"

#include <system_error>
#include <vector>

#include "media/file_lookup.h"

namespace orbigolf::frontend {
namespace {

std::vector<std::filesystem::path> dataFolderCandidates(
    const std::filesystem::path& programFolder) {
    return {programFolder, (programFolder / ".." / "share" / "orbigolf").lexically_normal()};
}

}  // namespace

bool holdsGameData(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_regular_file(media::resolveFileName((folder / kDataMarker).string()),
                                            ec);
}

std::filesystem::path findDataFolder(const std::filesystem::path& programFolder) {
    for (const auto& folder : dataFolderCandidates(programFolder))
        if (holdsGameData(folder)) return folder;
    return programFolder;
}

}  // namespace orbigolf::frontend
