#pragma once
// Access to the shared corpus of files made by others; tests skip when it is absent.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace orbigolf::media::test {

inline std::filesystem::path corpusDir() {
    if (const char* env = std::getenv("ORBIGOLF_CORPUS")) return env;
    return ORBIGOLF_CORPUS_DIR;
}

inline std::string corpusFile(const std::string& relative) { return (corpusDir() / relative).string(); }

#define ORBIGOLF_REQUIRE_CORPUS(sub)                                                         \
    do {                                                                                     \
        if (!std::filesystem::is_directory(::orbigolf::media::test::corpusDir() / (sub))) { \
            GTEST_SKIP() << "corpus folder " << (sub) << " not present";                   \
        }                                                                                    \
    } while (0)

}  // namespace orbigolf::media::test
