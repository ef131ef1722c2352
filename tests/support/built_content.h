#pragma once
// The content set the build makes beside the tests from the repository's own sources (the
// test programs that read it depend on it). A file missing from it is a fault of the build,
// so the tests that read it fail rather than skip.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace orbigolf::testing {

// ORBIGOLF_CONTENT_DIR in the environment points elsewhere.
inline std::filesystem::path builtContentDir() {
    const char* dir = std::getenv("ORBIGOLF_CONTENT_DIR");
    return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(ORBIGOLF_CONTENT_DIR);
}

// Use as ASSERT_TRUE(haveFiles(dir, {...})): names every file that is missing.
inline ::testing::AssertionResult haveFiles(const std::filesystem::path& dir,
                                            std::initializer_list<std::string> names) {
    std::string missing;
    for (const std::string& name : names) {
        if (!std::filesystem::is_regular_file(dir / name)) missing += " " + name;
    }
    if (missing.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "missing from " << dir << ":" << missing;
}

}  // namespace orbigolf::testing
