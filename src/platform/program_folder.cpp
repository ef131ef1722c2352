#include "platform/program_folder.h"

#include <system_error>

namespace orbigolf::platform {

std::filesystem::path programFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
    return exe.parent_path();
}

}  // namespace orbigolf::platform
