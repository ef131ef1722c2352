#pragma once
// The command line every tool shares, on CLI11: each tool declares its options in one place
// (a function that fills the CLI::App) and gets the same behaviour:
//
//   --help / -h    the tool's usage (its synopsis, then every option and argument with its
//                  description) on standard output, exit status 0;
//   bad input      one line "<tool>: <what is wrong> (see --help)" on standard error, exit
//                  status 2; an option the tool does not know is "unknown option <name>";
//   repeats        an option given twice keeps the last value (options that collect, such
//                  as a list of putts, keep every value).

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace orbigolf::cli {

class CommandLine {
public:
    // `usage`: the synopsis lines shown first by --help ("usage: tool ARGS...\n").
    CommandLine(std::string tool, const std::string& description, std::string usage);

    CLI::App& app() { return app_; }

    // A subcommand with its own synopsis for its --help.
    CLI::App* addSubcommand(const std::string& name, const std::string& description, std::string usage);

    // Parses the arguments. Returns the exit status when the program is to stop at once (0
    // after --help, 2 after an error, both reported), nothing when it is to go on.
    std::optional<int> parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

    // For a tool's own checks after parsing: reports the error as parse does, returns 2.
    int fail(const std::string& what, std::ostream& err) const;

    const std::string& tool() const { return tool_; }

private:
    class Formatter;
    std::string tool_;
    std::shared_ptr<Formatter> formatter_;
    CLI::App app_;
};

// A check of an option's text: `ok(text)` decides; the error says "takes <takes>, not '<text>'".
CLI::Validator takes(const std::string& takes, std::function<bool(const std::string&)> ok);

}  // namespace orbigolf::cli
