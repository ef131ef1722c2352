#pragma once
// Where the running program's own file is.

#include <filesystem>

namespace orbigolf::platform {

// The folder of the running program's file, with symbolic links resolved where the system
// tells (so that a link in a bin folder leads to the installation it belongs to); else the
// folder of argv[0].
std::filesystem::path programFolder(const char* argv0);

}  // namespace orbigolf::platform
