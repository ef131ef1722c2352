#include "command_line.h"

#include <map>
#include <vector>

namespace orbigolf::cli {

// The tool's own synopsis in place of the one CLI11 would make up.
class CommandLine::Formatter : public CLI::Formatter {
public:
    std::map<const CLI::App*, std::string> usages;

    std::string make_usage(const CLI::App* app, std::string name) const override {
        const auto it = usages.find(app);
        return it != usages.end() ? it->second : CLI::Formatter::make_usage(app, std::move(name));
    }
};

CommandLine::CommandLine(std::string tool, const std::string& description, std::string usage)
    : tool_(std::move(tool)), formatter_(std::make_shared<Formatter>()), app_(description, tool_) {
    formatter_->usages[&app_] = std::move(usage);
    app_.formatter(formatter_);
    // Unknown arguments are left for parse() to name: CLI11's own message lists them all
    // without saying which are options.
    app_.allow_extras();
    app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

CLI::App* CommandLine::addSubcommand(const std::string& name, const std::string& description, std::string usage) {
    CLI::App* sub = app_.add_subcommand(name, description);
    sub->formatter(formatter_);
    sub->allow_extras();
    formatter_->usages[sub] = std::move(usage);
    return sub;
}

namespace {

bool looksLikeOption(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    // A negative number is a value.
    const char c = arg[1];
    return !((c >= '0' && c <= '9') || c == '.');
}

bool asksForHelp(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") return false;
        if (arg == "--help" || arg == "-h") return true;
    }
    return false;
}

}  // namespace

std::optional<int> CommandLine::parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    std::optional<std::string> error;
    try {
        app_.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app_.help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        out << app_.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ParseError& e) {
        // CLI11 checks values before it looks at --help; help still wins.
        if (asksForHelp(argc, argv)) {
            out << app_.help();
            return 0;
        }
        error = e.what();
    }
    // What CLI11 could not place (allow_extras) is named first: it is often the cause of the
    // error too (a value taken for an argument, an argument taken for a missing command).
    const std::vector<std::string> rest = app_.remaining(true);
    for (const std::string& arg : rest) {
        if (looksLikeOption(arg)) return fail("unknown option " + arg, err);
    }
    if (!rest.empty()) return fail("unexpected argument '" + rest.front() + "'", err);
    if (error) return fail(*error, err);
    return std::nullopt;
}

int CommandLine::fail(const std::string& what, std::ostream& err) const {
    err << tool_ << ": " << what << " (see --help)\n";
    err.flush();
    return 2;
}

CLI::Validator takes(const std::string& takes, std::function<bool(const std::string&)> ok) {
    return CLI::Validator(
        [takes, ok = std::move(ok)](std::string& text) {
            return ok(text) ? std::string() : "takes " + takes + ", not '" + text + "'";
        },
        "");
}

}  // namespace orbigolf::cli
