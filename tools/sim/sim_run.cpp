#include "sim_run.h"

#include <cstdio>
#include <filesystem>

#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/stroke.h"
#include "game/tick.h"
#include "json_line.h"

namespace orbigolf::sim {

namespace {

void strike(GameState& s, const Putt& putt, Effects& fx) {
    s.curPlayer = putt.player;
    playerrec& b = s.playerRecs[putt.player];
    b.inPlay = 1;
    b.heading = putt.heading;
    b.speed = putt.speed;
    commonStrokeSteps(s, true, fx);
}

}  // namespace

std::optional<std::string> setUpHole(GameState& s, const Options& o) {
    s.random.seed(o.seed);
    s.soundOn = o.sound ? 1 : 0;
    s.courseWidth = o.courseWidth;
    s.courseHeight = o.courseHeight;

    PlayerChoice choices[kMaxPlayers];
    resetForNewGame(s, o.players, choices);
    s.substeps = o.substeps;
    s.holeName = o.holeName.value_or(std::filesystem::path(o.holeFile).stem().string());

    const std::optional<std::string> unread = ReadHoleFile(s, o.holeFile);
    setUpHoleState(s, o.rules);

    for (const BallPlacement& ball : o.balls) {
        playerrec& b = s.playerRecs[ball.player];
        b.x = ball.x;
        b.y = ball.y;
        b.inPlay = 1;
    }
    return unread;
}

void runTick(GameState& s, const Options& o, int64_t tick, Effects& fx) {
    for (const Putt& putt : o.putts) {
        if (putt.tick == tick) strike(s, putt, fx);
    }
    // Without a picture list every picture counts as one frame.
    HeadlessStage stage;
    simulationTick(s, o.rules, fx, stage);
}

void writeBallLine(std::ostream& out, const GameState& s, int64_t tick, int player, bool final) {
    const playerrec& b = s.playerRecs[player];
    tools::Json line = {{"tick", tick},
                        {"player", player},
                        {"x", b.x},
                        {"y", b.y},
                        {"z", b.z},
                        {"heading", b.heading},
                        {"speed", b.speed},
                        {"climb", b.climb},
                        {"moving", b.moving != 0},
                        {"airborne", b.airborne != 0},
                        {"holed", b.holed != 0},
                        {"piped", b.piped != 0},
                        {"sunk", b.sunk != 0},
                        {"inPlay", b.inPlay != 0},
                        {"strokes", b.strokes},
                        {"totalStrokes", b.totalStrokes},
                        {"curPlayer", s.curPlayer}};
    if (final) line["final"] = true;
    out << tools::jsonLine(line) << '\n';
}

int run(const Options& o, std::ostream& out, std::ostream& err) {
    GameState s;
    SilentEffects fx;
    if (const auto unread = setUpHole(s, o)) {
        err << "orbigolf-sim: playing the default hole: " << *unread << '\n';
    }
    for (int64_t tick = 1; tick <= o.ticks; ++tick) {
        runTick(s, o, tick, fx);
        if (o.trace) {
            for (int p = 1; p <= s.numPlayers; ++p) writeBallLine(out, s, tick, p, false);
        }
    }
    for (int p = 1; p <= s.numPlayers; ++p) writeBallLine(out, s, o.ticks, p, true);
    out.flush();
    return 0;
}

}  // namespace orbigolf::sim
