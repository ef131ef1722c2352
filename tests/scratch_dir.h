#pragma once
// Tests write files only into folders of their own: a ScratchDir is a new folder with a
// unique name under the system's temporary folder, removed with everything in it when the
// ScratchDir goes. Tests that run side by side (ctest -j) or twice at once never share one.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace orbigolf {

class ScratchDir {
public:
    explicit ScratchDir(const std::string& what = "test") {
        std::string name = (std::filesystem::temp_directory_path() / ("orbigolf-" + what + "-XXXXXX")).string();
        if (!::mkdtemp(name.data())) throw std::runtime_error("cannot make a scratch folder for " + what);
        path_ = name;
    }
    ~ScratchDir() {
        // A forked child that exits normally must not take its parent's folder with it.
        if (::getpid() != owner_) return;
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
    pid_t owner_ = ::getpid();
};

// One folder for the whole test program, for helpers that write files by name; it goes
// when the program ends.
inline const std::filesystem::path& processScratchDir() {
    static const ScratchDir dir("tests");
    return dir.path();
}

}  // namespace orbigolf
