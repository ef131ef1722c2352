#pragma once
// A test folder of its own for each test and a way to run orbigolf-assets in it, for the
// tests that check what the tool prints, writes and how it fails.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orbigolf::assets {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class AssetsToolRun : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("orbigolf_assets_" + std::string(test->test_suite_name()) + "_" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    // The tool with a time limit, so that a hang fails the test instead of blocking it.
    Result run(const std::string& args) const {
        const std::string out = path("stdout.txt");
        const std::string err = path("stderr.txt");
        const std::string cmd =
            "timeout 60 '" ORBIGOLF_ASSETS_EXE "' " + args + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(cmd.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(out);
        r.err = slurp(err);
        return r;
    }

    std::filesystem::path dir_;
};

}  // namespace orbigolf::assets
