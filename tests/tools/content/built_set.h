#pragma once
// The content set the build generated from the project's sources (the test program
// depends on it, so it is current), and scratch folders for the tests' own files.

#include <filesystem>

namespace orbigolf::content::test {

std::filesystem::path sourcesDir();
const std::filesystem::path& builtSet();
// A fresh folder under the system's temporary folder, removed at the end of the run.
std::filesystem::path scratchDir(const char* name);

}  // namespace orbigolf::content::test
