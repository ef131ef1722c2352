#include "built_set.h"

#include <unistd.h>

#include <string>
#include <vector>


namespace orbigolf::content::test {

namespace {

namespace fs = std::filesystem;

// Removes the folders made during the run when the program ends.
struct Cleanup {
    std::vector<fs::path> dirs;
    ~Cleanup() {
        std::error_code ec;
        for (const auto& d : dirs) fs::remove_all(d, ec);
    }
};
Cleanup cleanup;

}  // namespace

fs::path sourcesDir() { return ORBIGOLF_CONTENT_SOURCES; }

fs::path scratchDir(const char* name) {
    const fs::path dir = fs::temp_directory_path() /
                         ("orbigolf-content-" + std::string(name) + "-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    cleanup.dirs.push_back(dir);
    return dir;
}

const fs::path& builtSet() {
    static const fs::path dir = ORBIGOLF_BUILT_CONTENT;
    return dir;
}

}  // namespace orbigolf::content::test
