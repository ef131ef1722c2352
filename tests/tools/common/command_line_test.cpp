// Every tool as a user meets it: --help on standard output with status 0, an unknown option
// named on standard error with status 2, values checked before anything is done.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"

namespace orbigolf::cli {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out, err;
};

class Tools : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orbigolf_tools_" + std::to_string(getpid()) + "_" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string slurp(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // The tool run in the scratch folder, with a time limit so that a hang fails the test.
    Result run(const std::string& tool, const std::string& args) const {
        const fs::path out = dir_ / "stdout.txt", err = dir_ / "stderr.txt";
        const std::string cmd = "cd '" + dir_.string() + "' && timeout 60 '" ORBIGOLF_TOOL_DIR "/" + tool + "' " + args +
                                " >'" + out.string() + "' 2>'" + err.string() + "'";
        const int raw = std::system(cmd.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(out);
        r.err = slurp(err);
        fs::remove(out);
        fs::remove(err);
        return r;
    }

    // What the scratch folder holds besides the captured output.
    std::vector<std::string> madeFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        return names;
    }

    fs::path dir_;
};

TEST_F(Tools, HelpGoesToStandardOutputWithStatusZero) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"orbigolf-sim", {"--putt P:HEADING:SPEED[@TICK]", "--substeps 1|2|4", "--trace"}},
        {"orbigolf-assets", {"info", "png", "export", "show"}},
        {"orbigolf-content", {"--sources DIR", "sheet", "preview"}},
    };
    for (const auto& [tool, mentions] : cases) {
        for (const char* flag : {"--help", "-h"}) {
            const Result r = run(tool, flag);
            EXPECT_EQ(r.status, 0) << tool << " " << flag;
            EXPECT_EQ(r.err, "") << tool;
            EXPECT_NE(r.out.find("usage: " + tool + " "), std::string::npos) << r.out;
            for (const std::string& m : mentions) EXPECT_NE(r.out.find(m), std::string::npos) << tool << " lacks " << m;
        }
    }
    // Help wins over missing arguments, and commands have their own.
    EXPECT_EQ(run("orbigolf-sim", "--players 9 --help").status, 0);
    const Result info = run("orbigolf-assets", "info --help");
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(info.out.find("usage: orbigolf-assets info FILE [--json]"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("--json"), std::string::npos);
    EXPECT_NE(run("orbigolf-content", "sheet --help").out.find("FILTER"), std::string::npos);
    // Nothing is built or written.
    EXPECT_EQ(madeFiles(), std::vector<std::string>{});
}

TEST_F(Tools, UnknownOptionsAreNamedOnStandardErrorWithStatusTwo) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"orbigolf-sim", "x.hole --bogus"},
        {"orbigolf-sim", "x.hole --bogus 5"},
        {"orbigolf-sim", "--bogus"},
        {"orbigolf-assets", "info x.dxg --bogus"},
        {"orbigolf-assets", "--bogus info x.dxg"},
        {"orbigolf-content", "--bogus"},
        {"orbigolf-content", "out --bogus"},
        {"orbigolf-content", "preview . x.png --bogus"},
    };
    for (const auto& [tool, args] : cases) {
        const Result r = run(tool, args);
        EXPECT_EQ(r.status, 2) << tool << " " << args;
        EXPECT_EQ(r.out, "") << tool << " " << args;
        EXPECT_EQ(r.err, tool + ": unknown option --bogus (see --help)\n") << tool << " " << args;
    }
    EXPECT_EQ(madeFiles(), std::vector<std::string>{});
}

TEST_F(Tools, ValuesAndArgumentsAreCheckedBeforeAnythingIsDone) {
    struct Case {
        std::string tool, args, error;
    };
    const std::vector<Case> cases = {
        {"orbigolf-sim", "", "HOLEFILE is required"},
        {"orbigolf-sim", "a.hole b.hole", "unexpected argument 'b.hole'"},
        {"orbigolf-sim", "a.hole --players 5", "--players: takes 1 to 4, not '5'"},
        {"orbigolf-sim", "a.hole --players 010x", "--players: takes 1 to 4, not '010x'"},
        {"orbigolf-sim", "a.hole --ball 3:1:1 --players 2", "--ball: player 3 is not in the game"},
        {"orbigolf-assets", "", "A subcommand is required"},
        {"orbigolf-assets", "frobnicate", "unexpected argument 'frobnicate'"},
        {"orbigolf-assets", "png x.dxg", "OUT.png is required"},
        {"orbigolf-content", "", "OUTDIR is required"},
        {"orbigolf-content", "out more", "unexpected argument 'more'"},
        {"orbigolf-content", "--sources /no/such/folder out", "--sources: Directory does not exist: /no/such/folder"},
        {"orbigolf-content", "sheet /no/such/folder s.png", "CONTENTDIR: Directory does not exist: /no/such/folder"},
        {"orbigolf-content", "sheet . s.png all 0", "ZOOM: Value 0 not in range 1 to 16"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.tool, c.args);
        EXPECT_EQ(r.status, 2) << c.tool << " " << c.args;
        EXPECT_EQ(r.out, "") << c.tool << " " << c.args;
        EXPECT_EQ(r.err, c.tool + ": " + c.error + " (see --help)\n") << c.tool << " " << c.args;
    }
    EXPECT_EQ(madeFiles(), std::vector<std::string>{});
}

TEST(CommandLine, OptionsGivenTwiceKeepTheLastAndNegativeNumbersAreValues) {
    CommandLine cl("tool", "A tool.", "usage: tool [--n N]\n");
    int n = 0;
    cl.app().add_option("--n", n);
    std::ostringstream out, err;
    const char* argv[] = {"tool", "--n", "1", "--n", "-2"};
    EXPECT_EQ(cl.parse(5, argv, out, err), std::nullopt) << err.str();
    EXPECT_EQ(n, -2);
}

}  // namespace
}  // namespace orbigolf::cli
