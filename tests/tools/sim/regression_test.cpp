// The regression suite: small holes under tests/tools/sim/regression that
// together reach every area kind, collisions, the stroke limit, one to four
// players and every pass count. Each is played as `orbigolf-sim HOLE ARGS
// --trace` would play it, and two things are compared exactly with what is
// committed beside it:
//   NAME.expected  the trace, keeping only the lines in which a ball changed
//                  since the tick before (the rest repeat), for review;
//   NAME.state     a fingerprint of the whole game state after every tick and
//                  of every sound played, so that changes the trace cannot
//                  show (messages, particles, sprite slots, areas switched,
//                  tints) are caught too.
// ORBIGOLF_UPDATE_GOLDENS=1 rewrites both when a change is on purpose; review
// the diff before committing it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "game/effects.h"
#include "game/state_fields.h"
#include "sim_options.h"
#include "sim_run.h"

namespace orbigolf::sim {
namespace {

namespace fs = std::filesystem;

const fs::path kDir = ORBIGOLF_REGRESSION_DIR;

bool updating() {
    const char* v = std::getenv("ORBIGOLF_UPDATE_GOLDENS");
    return v != nullptr && std::strcmp(v, "0") != 0 && *v != '\0';
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> words(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// Drops the lines that repeat the previous line of the same player but for the tick.
std::string changedLines(const std::string& trace) {
    std::map<std::string, std::string> last;
    std::string out;
    std::istringstream in(trace);
    for (std::string line; std::getline(in, line);) {
        const std::size_t tickEnd = line.find(",\"player\":");
        const std::size_t playerEnd = line.find(',', tickEnd + 1);
        const std::string player = line.substr(tickEnd, playerEnd - tickEnd);
        const std::string rest = line.substr(playerEnd);
        if (line.find("\"final\":true") == std::string::npos && last[player] == rest) continue;
        last[player] = rest;
        out += line + '\n';
    }
    return out;
}

// FNV-1a over every field of the game state, in declaration order.
class Fingerprint {
public:
    template <typename T>
    void add(const T& v) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        for (unsigned char b : bytes) mix(b);
    }
    void add(const std::string& s) {
        add(s.size());
        for (char c : s) mix(static_cast<unsigned char>(c));
    }
    uint64_t value() const { return hash_; }

    template <typename Record>
    void add(const Record& r, const fields::Field<Record>& f) {
        fields::visitField(r, f, [&](const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, fields::FlagValue>) {
                add(v.raw);
            } else {
                add(v);
            }
        });
    }

    void addState(const GameState& s) {
        for (const playerrec& b : s.playerRecs)
            for (const auto& f : fields::kPlayer) add(b, f);
        for (const arearec& a : s.areas) add(a.enabled);
        for (const spriterec& t : s.sprites) {
            add(t.x), add(t.y), add(t.image), add(t.tick), add(t.keep), add(t.blend), add(t.pulse);
        }
        for (const particlerec& q : s.particles) {
            add(q.bounces), add(q.x), add(q.y), add(q.z), add(q.lastX), add(q.lastY), add(q.lastZ);
            add(q.heading), add(q.speed), add(q.climb), add(q.active), add(q.colour), add(q.shadow), add(q.dot);
        }
        for (const char* name :
             {"screenMode", "gameOver",   "holeName",   "nextHole",       "holeNum",    "holePar",
              "coursePar",  "curPlayer",  "firstHoled", "bestHole",       "bonusTaken", "passTurn",
              "cupX",       "cupY",       "anyMoving",  "dropX",          "dropY",      "recentre",
              "message",    "messagePos", "bigMessage", "bigMessageFade", "nextEffect"})
            add(s, fields::gameField(name));
    }

private:
    void mix(unsigned char b) {
        hash_ ^= b;
        hash_ *= 1099511628211ull;
    }
    uint64_t hash_ = 14695981039346656037ull;
};

class SoundLog final : public Effects {
public:
    explicit SoundLog(Fingerprint& print) : print_(print) {}
    void playSound(int n) override { print_.add(n), ++count; }
    void playBackgroundSound(int n) override { print_.add(-1 - n), ++count; }
    void parkCursor() override { print_.add(-100); }
    int count = 0;

private:
    Fingerprint& print_;
};

std::string stateFingerprint(const Options& o) {
    Fingerprint print;
    SoundLog sounds(print);
    GameState s;
    const CoursePictures pictures = loadCoursePictures(o);
    setUpHole(s, o, pictures);
    print.addState(s);
    for (int64_t tick = 1; tick <= o.ticks; ++tick) {
        runTick(s, o, pictures, tick, sounds);
        print.addState(s);
    }
    char line[96];
    std::snprintf(line, sizeof line, "fnv1a64 %016llx sounds %d\n", static_cast<unsigned long long>(print.value()),
                  sounds.count);
    return line;
}

void compareOrUpdate(const fs::path& path, const std::string& actual) {
    if (updating()) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    ASSERT_TRUE(fs::exists(path)) << path << " is missing; run with ORBIGOLF_UPDATE_GOLDENS=1 to write it";
    const std::string expected = readText(path);
    if (expected == actual) return;
    // Name the first line that differs rather than printing megabytes.
    std::istringstream e(expected), a(actual);
    std::string el, al;
    for (int line = 1;; ++line) {
        const bool more = static_cast<bool>(std::getline(e, el)) | static_cast<bool>(std::getline(a, al));
        if (!more) break;
        if (el != al) {
            ADD_FAILURE() << path.filename() << " differs at line " << line << "\nexpected: " << el
                          << "\nactual:   " << al;
            return;
        }
        el.clear(), al.clear();
    }
    ADD_FAILURE() << path.filename() << " differs";
}

class Regression : public ::testing::TestWithParam<std::string> {};

TEST_P(Regression, TraceAndStateMatchTheCommittedOnes) {
    const std::string name = GetParam();
    std::vector<std::string> args = words(readText(kDir / (name + ".args")));
    args.insert(args.begin(), (kDir / (name + ".hole")).string());
    args.push_back("--trace");
    const ParseResult parsed = parseOptions(args);
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;

    std::ostringstream out, err;
    ASSERT_EQ(run(*parsed.options, out, err), 0);
    EXPECT_EQ(err.str(), "");
    compareOrUpdate(kDir / (name + ".expected"), changedLines(out.str()));
    compareOrUpdate(kDir / (name + ".state"), stateFingerprint(*parsed.options));
}

INSTANTIATE_TEST_SUITE_P(Holes, Regression,
                         ::testing::Values("walls", "ramps", "hazards", "launchers", "transport", "turns", "single",
                                           "pair"));

TEST(RegressionSuite, EveryHoleInTheFolderIsPlayed) {
    int holes = 0;
    for (const auto& entry : fs::directory_iterator(kDir)) holes += entry.path().extension() == ".hole";
    EXPECT_EQ(holes, 8);
}

}  // namespace
}  // namespace orbigolf::sim
