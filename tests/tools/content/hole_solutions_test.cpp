// Every hole of the set is proven playable: its solution (putts found by the solver) is
// replayed with the simulation and holes the ball in par or fewer, on exactly the hole
// file the builder makes today.

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <fstream>
#include <sstream>

#include "built_set.h"
#include "holes/course_art.h"
#include "holes/hole_build.h"
#include "holes/hole_source.h"
#include "sim_options.h"
#include "sim_run.h"

namespace orbigolf::content::test {
namespace {

namespace fs = std::filesystem;

// The checksum the POSIX cksum command prints (CRC-32, length appended, complemented).
uint32_t posixCksum(const std::string& bytes) {
    uint32_t table[256];
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : c << 1;
        table[i] = c;
    }
    uint32_t crc = 0;
    auto feed = [&](uint8_t b) { crc = (crc << 8) ^ table[((crc >> 24) ^ b) & 0xFF]; };
    for (unsigned char b : bytes) feed(b);
    for (uint64_t n = bytes.size(); n != 0; n >>= 8) feed(static_cast<uint8_t>(n & 0xFF));
    return ~crc;
}

TEST(HoleSolutions, ChecksumMatchesThePosixCommand) {
    EXPECT_EQ(posixCksum(""), 4294967295u);
    EXPECT_EQ(posixCksum("abc\n"), 1112837078u);  // printf 'abc\n' | cksum
}

struct Solution {
    std::vector<std::string> putts;
    int strokes = 0;
    std::string seed, size;
    uint32_t cksum = 0;
};

// The text after "key": up to the next comma or closing brace outside quotes.
std::string field(const std::string& line, const std::string& key) {
    const std::string tag = "\"" + key + "\":";
    const size_t at = line.find(tag);
    if (at == std::string::npos) return "";
    size_t i = at + tag.size();
    size_t depth = 0;
    bool quoted = false;
    const size_t start = i;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '[') ++depth;
        if (c == ']') --depth;
        if (depth == 0 && (c == ',' || c == '}')) break;
    }
    std::string v = line.substr(start, i - start);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    return v;
}

// A whole-number field; a failure when it is missing or not a number.
unsigned long numberField(const std::string& line, const std::string& key) {
    const std::string v = field(line, key);
    unsigned long n = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (v.empty() || error != std::errc() || end != v.data() + v.size())
        ADD_FAILURE() << "\"" << key << "\" is not a whole number in " << line;
    return n;
}

Solution readSolution(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    Solution s;
    if (field(line, "solved") != "true" || line.empty() || line.back() != '}') {
        ADD_FAILURE() << file << ": not a solution line: " << line;
        return s;
    }
    s.strokes = static_cast<int>(numberField(line, "strokes"));
    s.seed = field(line, "seed");
    s.size = field(line, "courseSize");
    s.cksum = static_cast<uint32_t>(numberField(line, "holeCksum"));
    const std::string list = field(line, "putts");  // ["1:H:S@T",...]
    for (size_t i = list.find('"'); i != std::string::npos; i = list.find('"', i)) {
        const size_t end = list.find('"', i + 1);
        if (end == std::string::npos) break;
        s.putts.push_back(list.substr(i + 1, end - i - 1));
        i = end + 1;
    }
    return s;
}

TEST(HoleSolutions, EverySolutionHolesOutInParOrBetterOnTheHoleAsBuiltToday) {
    const fs::path dir = scratchDir("solutions");
    for (const std::string& name : setHoleNames()) {
        SCOPED_TRACE(name);
        const HoleSource src = loadHoleSource(sourcesDir() / "holes" / (name + ".hole"));
        const std::string text = holeFileText(src);
        const Solution sol = readSolution(sourcesDir() / "holes" / (name + ".solution"));
        ASSERT_FALSE(sol.putts.empty());
        EXPECT_EQ(sol.cksum, posixCksum(text)) << "the hole changed: run scripts/solve-holes " << name;
        const auto [w, h] = courseSize(src);
        EXPECT_EQ(sol.size, std::to_string(w) + "x" + std::to_string(h));

        const fs::path file = dir / (name + ".hole");
        std::ofstream(file, std::ios::binary) << text;
        std::vector<std::string> args = {file.string(), "--seed", sol.seed, "--course-size", sol.size};
        for (const std::string& p : sol.putts) {
            args.push_back("--putt");
            args.push_back(p);
        }
        const sim::ParseResult parsed = sim::parseOptions(args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        GameState s;
        SilentEffects fx;
        sim::setUpHole(s, *parsed.options);
        const int64_t last = parsed.options->putts.back().tick;
        for (int64_t t = 1; t <= last + 4000 && !(s.playerRecs[1].holed && !s.playerRecs[1].inPlay); ++t)
            sim::runTick(s, *parsed.options, t, fx);
        EXPECT_TRUE(s.playerRecs[1].holed && !s.playerRecs[1].inPlay) << "the solution no longer holes out";
        EXPECT_EQ(s.playerRecs[1].strokes, sol.strokes);
        EXPECT_LE(s.playerRecs[1].strokes, src.par);
        EXPECT_NE(s.bigMessage, "OVER STROKE LIMIT");
    }
}

TEST(HoleSolutions, EveryPuttFromTheTeeComesToRestOrHolesOut) {
    // A fan of putts, soft to hard, all round: no hole may keep a ball moving for ever.
    const fs::path dir = scratchDir("rest");
    for (const std::string& name : setHoleNames()) {
        SCOPED_TRACE(name);
        const HoleSource src = loadHoleSource(sourcesDir() / "holes" / (name + ".hole"));
        const fs::path file = dir / (name + ".hole");
        std::ofstream(file, std::ios::binary) << holeFileText(src);
        const auto [w, h] = courseSize(src);
        for (int heading = 0; heading < 256; heading += 16) {
            for (const char* speed : {"0.6", "2.2", "4"}) {
                const sim::ParseResult parsed = sim::parseOptions(
                    {file.string(), "--course-size", std::to_string(w) + "x" + std::to_string(h), "--putt",
                     "1:" + std::to_string(heading) + ":" + speed});
                ASSERT_TRUE(parsed.options) << parsed.error;
                GameState s;
                SilentEffects fx;
                sim::setUpHole(s, *parsed.options);
                int64_t t = 1;
                for (; t <= 4000; ++t) {
                    sim::runTick(s, *parsed.options, t, fx);
                    if (!s.playerRecs[1].moving || !s.playerRecs[1].inPlay) break;
                }
                EXPECT_LE(t, 4000) << "heading " << heading << " speed " << speed << " still moving at ("
                                   << s.playerRecs[1].x << ", " << s.playerRecs[1].y << ")";
            }
        }
    }
}

}  // namespace
}  // namespace orbigolf::content::test
