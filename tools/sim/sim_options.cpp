#include "sim_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "command_line.h"

namespace orbigolf::sim {

namespace {

const char* const kUsage =
    "usage: orbigolf-sim HOLEFILE [--players N] [--seed S] [--substeps 1|2|4]\n"
    "       [--course-size WxH] [--screen WxH] [--fps F] [--hole-name NAME] [--ball P:X:Y]... [--putt P:HEADING:SPEED[@TICK]]...\n"
    "       [--collide] [--plus1] [--minus1] [--training] [--strokelimit N]\n"
    "       [--nextplayer sequential|farthest] [--startplayer lifo|fifo|random]\n"
    "       [--sound] [--ticks N] [--trace]\n"
    "       orbigolf-sim HOLEFILE --solve [--max-strokes N] [--replay OUT] [options as above]\n";

// Numbers are read in decimal only, whole words, no blanks in front.
std::optional<int64_t> toInt(std::string_view text, int64_t lo, int64_t hi) {
    if (text.empty() || text.front() == ' ' || text.front() == '\t') return std::nullopt;
    const std::string s(text);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || end != s.c_str() + s.size() || v < lo || v > hi) return std::nullopt;
    return v;
}

std::optional<uint64_t> toUnsigned(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const std::string s(text);
    char* end = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(s.c_str(), &end, 10);
    if (errno != 0 || end != s.c_str() + s.size()) return std::nullopt;
    return v;
}

std::optional<double> toReal(std::string_view text) {
    if (text.empty() || text.front() == ' ' || text.front() == '\t') return std::nullopt;
    const std::string s(text);
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s.c_str(), &end);
    if (errno != 0 || end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::vector<std::string_view> split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::optional<std::pair<int32_t, int32_t>> toSize(std::string_view text) {
    const auto parts = split(text, 'x');
    if (parts.size() != 2) return std::nullopt;
    const auto w = toInt(parts[0], 1, 1000000);
    const auto h = toInt(parts[1], 1, 1000000);
    if (!w || !h) return std::nullopt;
    return std::pair{static_cast<int32_t>(*w), static_cast<int32_t>(*h)};
}

// P:X:Y and P:HEADING:SPEED[@TICK]; the player number is checked against --players later,
// wherever that stands on the command line.
std::optional<BallPlacement> toBall(std::string_view text, int players) {
    const auto parts = split(text, ':');
    if (parts.size() != 3) return std::nullopt;
    const auto p = toInt(parts[0], 1, players);
    const auto x = toReal(parts[1]);
    const auto y = toReal(parts[2]);
    if (!p || !x || !y) return std::nullopt;
    return BallPlacement{static_cast<int>(*p), *x, *y};
}

std::optional<Putt> toPutt(std::string_view text, int players) {
    std::optional<int64_t> tick = 1;
    if (const std::size_t at = text.find('@'); at != std::string_view::npos) {
        tick = toInt(text.substr(at + 1), 1, INT64_MAX);
        text = text.substr(0, at);
    }
    const auto parts = split(text, ':');
    if (parts.size() != 3 || !tick) return std::nullopt;
    const auto p = toInt(parts[0], 1, players);
    const auto h = toInt(parts[1], INT32_MIN, INT32_MAX);
    const auto v = toReal(parts[2]);
    if (!p || !h || !v) return std::nullopt;
    return Putt{static_cast<int>(*p), static_cast<int32_t>(*h), *v, *tick};
}

// An option whose text `parse` turns into the value `store` receives; the text is checked
// first, so that a bad one is reported as "--name: takes <takes>, not '<text>'".
template <typename Parse, typename Store>
CLI::Option* addValue(CLI::App& app, const std::string& name, const std::string& typeName, const std::string& takes,
                      const std::string& description, Parse parse, Store store) {
    return app
        .add_option_function<std::string>(name, [parse, store](const std::string& text) { store(*parse(text)); },
                                          description)
        ->type_name(typeName)
        ->check(cli::takes(takes, [parse](const std::string& text) { return parse(text).has_value(); }));
}

// Every option of orbigolf-sim. Ball and putt texts wait for the final player count.
void declareOptions(CLI::App& app, Options& o, std::vector<std::string>& balls, std::vector<std::string>& putts) {
    app.add_option("HOLEFILE", o.holeFile, "hole file to play (a missing one plays the default hole)")
        ->required()
        ->type_name("");
    addValue(app, "--players", "N", "1 to 4", "number of players (1)", [](const std::string& t) { return toInt(t, 1, 4); },
             [&o](int64_t n) { o.players = static_cast<int>(n); });
    addValue(app, "--seed", "S", "an unsigned 64-bit number", "seed of the random generator (1)", toUnsigned,
             [&o](uint64_t n) { o.seed = n; });
    addValue(app, "--substeps", "1|2|4", "1, 2 or 4", "motion passes per tick (1)",
             [](const std::string& t) {
                 const auto n = toInt(t, 1, 4);
                 return n && *n != 3 ? n : std::nullopt;
             },
             [&o](int64_t n) { o.substeps = static_cast<int>(n); });
    addValue(app, "--course-size", "WxH", "WxH", "course size in pixels (1600x1200)", toSize,
             [&o](std::pair<int32_t, int32_t> size) {
                 o.courseWidth = size.first;
                 o.courseHeight = size.second;
                 o.courseSizeGiven = true;
             });
    addValue(app, "--screen", "WxH", "WxH of at least 64x64", "screen size in pixels (640x480)",
             [](const std::string& t) {
                 const auto size = toSize(t);
                 return size && size->first >= 64 && size->second >= 64 && size->first <= 8192 && size->second <= 8192
                            ? size
                            : std::nullopt;
             },
             [&o](std::pair<int32_t, int32_t> size) {
                 o.screenWidth = size.first;
                 o.screenHeight = size.second;
             });
    addValue(app, "--fps", "F", "1 to 1000", "measured frame rate of every tick (60, or the one that keeps --substeps)",
             [](const std::string& t) { return toInt(t, 1, 1000); }, [&o](int64_t n) { o.fps = static_cast<int>(n); });
    app.add_option_function<std::string>("--hole-name", [&o](const std::string& name) { o.holeName = name; },
                                          "hole name (the hole file's name without its extension)")
        ->type_name("NAME");
    app.add_option("--ball", balls, "places player P's ball at (X, Y) after hole set-up")
        ->type_name("P:X:Y")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(cli::takes("P:X:Y", [](const std::string& t) { return toBall(t, 4).has_value(); }));
    app.add_option("--putt", putts, "player P strokes at HEADING (256 to a turn) with SPEED at TICK (1)")
        ->type_name("P:HEADING:SPEED[@TICK]")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(cli::takes("P:HEADING:SPEED[@TICK]", [](const std::string& t) { return toPutt(t, 4).has_value(); }));
    app.add_flag_callback("--collide", [&o] { o.rules.collide = true; }, "balls collide");
    app.add_flag_callback("--plus1", [&o] { o.rules.plus1 = true; }, "a bonus stroke on collision");
    app.add_flag_callback("--minus1", [&o] { o.rules.minus1 = true; }, "a penalty stroke for water and falling off");
    app.add_flag_callback("--training", [&o] { o.rules.training = true; }, "training game");
    addValue(app, "--strokelimit", "N", "a whole number", "stroke limit (9)",
             [](const std::string& t) { return toInt(t, INT32_MIN, INT32_MAX).has_value() ? std::optional(t) : std::nullopt; },
             [&o](const std::string& t) { o.rules.strokelimit = t; });
    addValue(app, "--nextplayer", "sequential|farthest", "sequential or farthest", "who plays next (sequential)",
             [](const std::string& t) -> std::optional<NextPlayerRule> {
                 if (t == "sequential") return NextPlayerRule::Sequential;
                 if (t == "farthest") return NextPlayerRule::FarthestFromHole;
                 return std::nullopt;
             },
             [&o](NextPlayerRule r) { o.rules.nextplayer = r; });
    addValue(app, "--startplayer", "lifo|fifo|random", "lifo, fifo or random", "who starts a hole (lifo)",
             [](const std::string& t) -> std::optional<StartPlayerRule> {
                 if (t == "lifo") return StartPlayerRule::Lifo;
                 if (t == "fifo") return StartPlayerRule::Fifo;
                 if (t == "random") return StartPlayerRule::Random;
                 return std::nullopt;
             },
             [&o](StartPlayerRule r) { o.rules.startplayer = r; });
    app.add_flag_callback("--sound", [&o] { o.sound = true; }, "sound switched on, as the rules see it (nothing is heard)");
    addValue(app, "--ticks", "N", "a whole number of 0 or more", "ticks to play (2000)",
             [](const std::string& t) { return toInt(t, 0, INT64_MAX); }, [&o](int64_t n) { o.ticks = n; });
    app.add_flag_callback("--trace", [&o] { o.trace = true; }, "one line per player after every tick");
    app.add_flag_callback("--solve", [&o] { o.solve = true; },
                          "search putts that hole the ball (one player) and print them as one JSON line");
    addValue(app, "--max-strokes", "N", "1 to 9", "with --solve: putts the search may use (4)",
             [](const std::string& t) { return toInt(t, 1, 9); }, [&o](int64_t n) { o.maxStrokes = static_cast<int>(n); });
    app.add_option_function<std::string>("--replay", [&o](const std::string& file) { o.replayFile = file; },
                                          "with --solve: also write the solution as a game replay of pull putts")
        ->type_name("OUT");
}

}  // namespace

std::optional<int> parseCommandLine(int argc, const char* const* argv, Options& options, std::ostream& out,
                                    std::ostream& err) {
    cli::CommandLine cl("orbigolf-sim", "Plays one hole headlessly and prints the balls as JSON lines.", kUsage);
    Options o;
    std::vector<std::string> balls;
    std::vector<std::string> putts;
    declareOptions(cl.app(), o, balls, putts);
    if (const auto status = cl.parse(argc, argv, out, err)) return status;

    for (const std::string& text : balls) {
        const auto ball = toBall(text, o.players);
        if (!ball) return cl.fail("--ball: player " + text.substr(0, text.find(':')) + " is not in the game", err);
        o.balls.push_back(*ball);
    }
    for (const std::string& text : putts) {
        const auto putt = toPutt(text, o.players);
        if (!putt) return cl.fail("--putt: player " + text.substr(0, text.find(':')) + " is not in the game", err);
        o.putts.push_back(*putt);
    }
    if (o.solve && o.players != 1) return cl.fail("--solve plays one player", err);
    if (o.replayFile && !o.solve) return cl.fail("--replay writes a solution: it needs --solve", err);
    options = std::move(o);
    return std::nullopt;
}

ParseResult parseOptions(const std::vector<std::string>& args) {
    std::vector<const char*> argv{"orbigolf-sim"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    Options o;
    std::ostringstream out, err;
    ParseResult r;
    if (const auto status = parseCommandLine(int(argv.size()), argv.data(), o, out, err)) {
        r.help = *status == 0;
        r.error = err.str();
        if (!r.error.empty() && r.error.back() == '\n') r.error.pop_back();
        return r;
    }
    r.options = std::move(o);
    return r;
}

}  // namespace orbigolf::sim
