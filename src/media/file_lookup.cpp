#include "media/file_lookup.h"

#include <filesystem>
#include <system_error>

#include "platform/ascii_case.h"

namespace orbigolf::media {

namespace fs = std::filesystem;

std::string resolveFileName(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec)) return path;
    const fs::path wanted(path);
    fs::path found = wanted.root_path();
    for (const fs::path& part : wanted.relative_path()) {
        const fs::path exact = found / part;
        if (fs::exists(exact, ec) || part == "." || part == "..") {
            found = exact;
            continue;
        }
        const fs::path dir = found.empty() ? fs::path(".") : found;
        bool matched = false;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (platform::sameIgnoringCase(name, part.string())) {
                found /= name;
                matched = true;
                break;
            }
        }
        if (!matched) return path;
    }
    return found.string();
}

}  // namespace orbigolf::media
