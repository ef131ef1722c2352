#include "solution_replay.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <vector>

#include "game/geometry.h"
#include "pull_offsets.h"
#include "sim_run.h"

namespace orbigolf::sim {

namespace {

// The launch pad's screen choice for a screen size; nothing when the game has none.
std::optional<std::string> screenControl(int w, int h) {
    if (w == 640 && h == 480) return "screen640";
    if (w == 800 && h == 600) return "screen800";
    if (w == 1024 && h == 768) return "screen1024";
    if (w == 512 && h == 384) return "screen512";
    return std::nullopt;
}

// The launch pad's stroke limit entry ("9", "8", "7", "6") for a limit text.
std::optional<int> strokeLimitIndex(const std::string& text) {
    const char* const limits[] = {"9", "8", "7", "6"};
    for (int i = 0; i < 4; ++i)
        if (text == limits[i]) return i;
    return std::nullopt;
}

// Ticks of the club's swing, the last of which strikes: the swing starts `left` pixels
// behind the ball and moves `step`, step + 2, ... pixels a tick.
int swingTicks(int32_t left, int32_t step) {
    int n = 0;
    do {
        left -= step;
        step += 2;
        ++n;
    } while (left > 0 && n < 1000);
    return n;
}

std::string line(const char* name, int32_t x, int32_t y) {
    std::ostringstream out;
    out << name << ' ' << x << ' ' << y;
    return out.str();
}

ReplayText fail(std::string why) { return ReplayText{{}, std::move(why)}; }

}  // namespace

ReplayText solutionReplay(const Options& base, const SolveResult& solution) {
    if (!solution.solved) return fail("there is no solution to write");
    const auto screen = screenControl(base.screenWidth, base.screenHeight);
    if (!screen)
        return fail("the game has no " + std::to_string(base.screenWidth) + "x" + std::to_string(base.screenHeight) +
                    " screen");
    const auto limit = strokeLimitIndex(base.rules.strokelimit);
    if (!limit) return fail("the game has no stroke limit of " + base.rules.strokelimit);
    if (!base.balls.empty()) return fail("balls placed with --ball cannot be placed in the game");

    Options o = base;
    o.putts.clear();
    for (const SolvedPutt& p : solution.putts) o.putts.push_back(Putt{1, p.heading, p.speedSteps / 40.0, p.tick});

    std::ostringstream f;
    const std::string hole = o.holeName.value_or(std::filesystem::path(o.holeFile).stem().string());
    f << "orbigolf-replay 1\n";
    f << "# " << hole << " holed in " << solution.strokes << " by orbigolf-sim --solve\n";
    f << "seed " << o.seed << '\n';
    f << "control " << *screen << " 1\n";
    f << "control " << (o.sound ? "soundon" : "soundoff") << " 1\n";
    f << "control training " << (o.rules.training ? 1 : 0) << '\n';
    f << "control players 0\n";
    f << "control pull1 1\n";
    f << "control startplayer " << static_cast<int>(o.rules.startplayer) << '\n';
    f << "control nextplayer " << static_cast<int>(o.rules.nextplayer) << '\n';
    f << "control whencollide " << (o.rules.collide ? 1 : 0) << '\n';
    f << "control strokelimit " << *limit << '\n';
    f << "control plus1 " << (o.rules.plus1 ? 1 : 0) << '\n';
    f << "control minus1 " << (o.rules.minus1 ? 1 : 0) << '\n';
    f << "hole " << hole << '\n';
    f << "fps " << tickFps(o) << '\n';

    // Play the solution headlessly, noting the mouse events that make each putt.
    const CoursePictures pictures = loadCoursePictures(o);
    GameState s;
    SilentEffects fx;
    setUpHole(s, o, pictures);
    const int32_t cx = o.screenWidth / 2, cy = o.screenHeight / 2;
    const PullOffsets pulls(cx, cy);
    std::map<int64_t, std::vector<std::string>> events;
    // The hole card goes with a click; the pointer is parked at the centre.
    events[1] = {line("mousemove", cx, cy), line("click", cx, cy)};

    int64_t end = 0;
    size_t next = 0;
    const int64_t lastTick = o.putts.empty() ? 0 : o.putts.back().tick + 4000;
    for (int64_t t = 0; t <= lastTick; ++t) {
        if (t > 0) {
            runTick(s, o, pictures, t, fx);
            const playerrec& b = s.playerRecs[1];
            if (next == o.putts.size() && b.holed && !b.inPlay) {
                end = t;
                break;
            }
        }
        if (next >= solution.putts.size() || t != solution.putts[next].tick - kPuttLead) continue;
        const SolvedPutt& putt = solution.putts[next++];
        const playerrec& b = s.playerRecs[1];
        if (b.moving || s.anyMoving) return fail("the ball is still moving at tick " + std::to_string(t));
        const int32_t bx = static_cast<int32_t>(roundWide(b.x) - s.scrollX);
        const int32_t by = static_cast<int32_t>(roundWide(b.y) - s.scrollY);
        if (bx < 4 || by < 4 || bx >= o.screenWidth - 4 || by >= o.screenHeight - 4)
            return fail("the ball is not on the screen at tick " + std::to_string(t));
        const auto offset = pulls.offset(putt.heading, putt.speedSteps);
        if (!offset) return fail("no pointer position aims heading " + std::to_string(putt.heading));
        const int32_t px = cx + offset->first, py = cy + offset->second;
        // The gauge shows half the pull, and the swing starts that far behind the ball.
        const int n = swingTicks(roundInt(std::min(putt.speedSteps / 2.0, 90.0)), s.swingStep);
        // The swing runs in the n ticks before the putt's own, the last one striking.
        const int64_t release = putt.tick - n;
        if (release < t + 2) return fail("the club's swing takes too long");
        events[t + 1].push_back(line("mousemove", bx, by));
        events[t + 1].push_back(line("mousedown left", bx, by));
        events[t + 1].push_back(line("mousemove", px, py));
        events[release].push_back(line("mouseup left", px, py));
        events[release].push_back(line("mousemove", cx, cy));
    }
    if (end == 0) return fail("the solution does not hole out when replayed");
    for (const auto& [tick, lines] : events) {
        f << "tick " << tick << '\n';
        for (const std::string& l : lines) f << l << '\n';
    }
    f << "end " << end << '\n';
    return ReplayText{f.str(), {}};
}

}  // namespace orbigolf::sim
