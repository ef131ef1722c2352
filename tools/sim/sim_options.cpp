#include "sim_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace orbigolf::sim {

const char* const kUsage =
    "usage: orbigolf-sim HOLEFILE [--players N] [--seed S] [--substeps 1|2|4]\n"
    "       [--course-size WxH] [--hole-name NAME] [--ball P:X:Y]... [--putt P:HEADING:SPEED[@TICK]]...\n"
    "       [--collide] [--plus1] [--minus1] [--training] [--strokelimit N]\n"
    "       [--nextplayer sequential|farthest] [--startplayer lifo|fifo|random]\n"
    "       [--sound] [--ticks N] [--trace]\n";

namespace {

std::optional<int64_t> toInt(std::string_view text, int64_t lo, int64_t hi) {
    if (text.empty()) return std::nullopt;
    const std::string s(text);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (errno != 0 || end != s.c_str() + s.size() || v < lo || v > hi) return std::nullopt;
    if (s.front() == ' ' || s.front() == '\t') return std::nullopt;
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

ParseResult fail(std::string message) {
    ParseResult r;
    r.error = std::move(message);
    return r;
}

}  // namespace

ParseResult parseOptions(const std::vector<std::string>& args) {
    Options o;
    bool haveFile = false;
    std::vector<std::string> ballTexts;
    std::vector<std::string> puttTexts;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            ParseResult r;
            r.help = true;
            return r;
        }
        if (a == "--collide") { o.rules.collide = true; continue; }
        if (a == "--plus1") { o.rules.plus1 = true; continue; }
        if (a == "--minus1") { o.rules.minus1 = true; continue; }
        if (a == "--training") { o.rules.training = true; continue; }
        if (a == "--sound") { o.sound = true; continue; }
        if (a == "--trace") { o.trace = true; continue; }
        if (a.rfind("--", 0) == 0) {
            const auto v = value();
            if (!v) return fail("orbigolf-sim: option " + a + " needs a value");
            if (a == "--players") {
                const auto n = toInt(*v, 1, 4);
                if (!n) return fail("orbigolf-sim: --players takes 1 to 4, not '" + *v + "'");
                o.players = static_cast<int>(*n);
            } else if (a == "--seed") {
                const auto n = toUnsigned(*v);
                if (!n) return fail("orbigolf-sim: --seed takes an unsigned 64-bit number, not '" + *v + "'");
                o.seed = *n;
            } else if (a == "--substeps") {
                const auto n = toInt(*v, 1, 4);
                if (!n || *n == 3) return fail("orbigolf-sim: --substeps takes 1, 2 or 4, not '" + *v + "'");
                o.substeps = static_cast<int>(*n);
            } else if (a == "--course-size") {
                const auto parts = split(*v, 'x');
                const auto w = parts.size() == 2 ? toInt(parts[0], 1, 1000000) : std::nullopt;
                const auto h = parts.size() == 2 ? toInt(parts[1], 1, 1000000) : std::nullopt;
                if (!w || !h) return fail("orbigolf-sim: --course-size takes WxH, not '" + *v + "'");
                o.courseWidth = static_cast<int32_t>(*w);
                o.courseHeight = static_cast<int32_t>(*h);
            } else if (a == "--hole-name") {
                o.holeName = *v;
            } else if (a == "--ball") {
                ballTexts.push_back(*v);
            } else if (a == "--putt") {
                puttTexts.push_back(*v);
            } else if (a == "--strokelimit") {
                if (!toInt(*v, INT32_MIN, INT32_MAX)) {
                    return fail("orbigolf-sim: --strokelimit takes a whole number, not '" + *v + "'");
                }
                o.rules.strokelimit = *v;
            } else if (a == "--nextplayer") {
                if (*v == "sequential") o.rules.nextplayer = NextPlayerRule::Sequential;
                else if (*v == "farthest") o.rules.nextplayer = NextPlayerRule::FarthestFromHole;
                else return fail("orbigolf-sim: --nextplayer takes sequential or farthest, not '" + *v + "'");
            } else if (a == "--startplayer") {
                if (*v == "lifo") o.rules.startplayer = StartPlayerRule::Lifo;
                else if (*v == "fifo") o.rules.startplayer = StartPlayerRule::Fifo;
                else if (*v == "random") o.rules.startplayer = StartPlayerRule::Random;
                else return fail("orbigolf-sim: --startplayer takes lifo, fifo or random, not '" + *v + "'");
            } else if (a == "--ticks") {
                const auto n = toInt(*v, 0, INT64_MAX);
                if (!n) return fail("orbigolf-sim: --ticks takes a whole number of 0 or more, not '" + *v + "'");
                o.ticks = *n;
            } else {
                return fail("orbigolf-sim: unknown option " + a);
            }
            continue;
        }
        if (haveFile) return fail("orbigolf-sim: more than one hole file given ('" + a + "')");
        o.holeFile = a;
        haveFile = true;
    }
    if (!haveFile) return fail("orbigolf-sim: no hole file given (see --help)");

    // Player numbers are checked against the final --players, wherever it stands.
    for (const std::string& text : ballTexts) {
        const auto parts = split(text, ':');
        const auto p = parts.size() == 3 ? toInt(parts[0], 1, o.players) : std::nullopt;
        const auto x = parts.size() == 3 ? toReal(parts[1]) : std::nullopt;
        const auto y = parts.size() == 3 ? toReal(parts[2]) : std::nullopt;
        if (!p || !x || !y) return fail("orbigolf-sim: --ball takes P:X:Y with P a player in the game, not '" + text + "'");
        o.balls.push_back({static_cast<int>(*p), *x, *y});
    }
    for (const std::string& text : puttTexts) {
        std::string_view body = text;
        std::optional<int64_t> tick = 1;
        if (const std::size_t at = body.find('@'); at != std::string_view::npos) {
            tick = toInt(body.substr(at + 1), 1, INT64_MAX);
            body = body.substr(0, at);
        }
        const auto parts = split(body, ':');
        const auto p = parts.size() == 3 ? toInt(parts[0], 1, o.players) : std::nullopt;
        const auto h = parts.size() == 3 ? toInt(parts[1], INT32_MIN, INT32_MAX) : std::nullopt;
        const auto v = parts.size() == 3 ? toReal(parts[2]) : std::nullopt;
        if (!p || !h || !v || !tick) {
            return fail("orbigolf-sim: --putt takes P:HEADING:SPEED[@TICK] with P a player in the game, not '" + text + "'");
        }
        o.putts.push_back({static_cast<int>(*p), static_cast<int32_t>(*h), *v, *tick});
    }

    ParseResult r;
    r.options = std::move(o);
    return r;
}

}  // namespace orbigolf::sim
