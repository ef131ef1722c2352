#include "sim_run.h"

#include <cstdio>
#include <filesystem>

#include "game/hole_file.h"
#include "game/hole_setup.h"
#include "game/scenery.h"
#include "game/state_fields.h"
#include "json_line.h"
#include "media/image_list.h"

namespace orbigolf::sim {

namespace {

DirectStroke strokeOf(const Putt& putt) { return DirectStroke{putt.player, putt.heading, putt.speed}; }

}  // namespace

CoursePictures loadCoursePictures(const Options& o) {
    CoursePictures pictures;
    std::filesystem::path path(o.holeFile);
    path.replace_extension(".dxg");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return pictures;
    try {
        TDXImageList list;
        list.loadFromFile(path.string());
        pictures.counts = StoredFrameCounts(list);
        if (list.count() > 0) {
            pictures.width = list.item(0).picture().frameWidth();
            pictures.height = list.item(0).picture().frameHeight();
        }
        pictures.loaded = true;
    } catch (const std::exception&) {
        // A picture file that cannot be read leaves every picture one frame, as without one.
    }
    return pictures;
}

int tickFps(const Options& o) { return o.fps.value_or(steadyFps(o.substeps)); }

std::optional<std::string> setUpHole(GameState& s, const Options& o, const CoursePictures& pictures) {
    s.random.seed(o.seed);
    s.soundOn = o.sound ? 1 : 0;
    const bool fromPicture = pictures.loaded && pictures.width > 0 && !o.courseSizeGiven;
    s.courseWidth = fromPicture ? pictures.width : o.courseWidth;
    s.courseHeight = fromPicture ? pictures.height : o.courseHeight;

    PlayerChoice choices[kMaxPlayers];
    resetForNewGame(s, o.players, choices);
    s.substeps = o.substeps;
    s.holeName = o.holeName.value_or(std::filesystem::path(o.holeFile).stem().string());

    const std::optional<std::string> unread = ReadHoleFile(s, o.holeFile);
    setUpHoleState(s, o.rules);
    scatterMotes(s, o.screenWidth, o.screenHeight, s.courseHeight);
    // Where the game parks the pointer when a game starts and after every stroke.
    s.mouseX = s.dropX = o.screenWidth / 2;
    s.mouseY = s.dropY = o.screenHeight / 2;

    for (const BallPlacement& ball : o.balls) {
        playerrec& b = s.playerRecs[ball.player];
        b.x = ball.x;
        b.y = ball.y;
        b.inPlay = 1;
    }
    SilentEffects fx;
    for (const Putt& putt : o.putts) {
        if (putt.tick <= 1) strikeDirectly(s, strokeOf(putt), fx);
    }
    return unread;
}

void runTick(GameState& s, const Options& o, const CoursePictures& pictures, int64_t tick, Effects& fx) {
    TickInput in;
    in.screen = ScreenSize{o.screenWidth, o.screenHeight};
    in.fps = tickFps(o);
    in.frames = &pictures.frames();
    // The headless player has no next hole: it stays on its hole, as the game does
    // between holes until the result has faded.
    // Putts due together are struck in the order given.
    std::vector<DirectStroke> due;
    for (const Putt& putt : o.putts) {
        if (putt.tick == tick + 1) due.push_back(strokeOf(putt));
    }
    in.strokes = due;
    gameTick(s, o.rules, in, fx);
}

namespace {

using BallFields = const fields::Field<playerrec>*;
constexpr BallFields kBallLine[] = {
    &fields::playerField("x"),       &fields::playerField("y"),
    &fields::playerField("z"),       &fields::playerField("heading"),
    &fields::playerField("speed"),   &fields::playerField("climb"),
    &fields::playerField("moving"),  &fields::playerField("airborne"),
    &fields::playerField("holed"),   &fields::playerField("piped"),
    &fields::playerField("sunk"),    &fields::playerField("inPlay"),
    &fields::playerField("strokes"), &fields::playerField("totalStrokes"),
};

}  // namespace

void writeBallLine(std::ostream& out, const GameState& s, int64_t tick, int player, bool final) {
    tools::Json line = {{"tick", tick}, {"player", player}};
    for (const fields::Field<playerrec>* f : kBallLine)
        std::visit([&](const auto& v) { line[std::string(f->name)] = v; },
                   fields::plainValue(s.playerRecs[player], *f));
    line["curPlayer"] = s.curPlayer;
    if (final) line["final"] = true;
    out << tools::jsonLine(line) << '\n';
}

int run(const Options& o, std::ostream& out, std::ostream& err) {
    GameState s;
    SilentEffects fx;
    const CoursePictures pictures = loadCoursePictures(o);
    if (const auto unread = setUpHole(s, o, pictures)) {
        err << "orbigolf-sim: playing the default hole: " << *unread << '\n';
    }
    for (int64_t tick = 1; tick <= o.ticks; ++tick) {
        runTick(s, o, pictures, tick, fx);
        if (o.trace) {
            for (int p = 1; p <= s.numPlayers; ++p) writeBallLine(out, s, tick, p, false);
        }
    }
    for (int p = 1; p <= s.numPlayers; ++p) writeBallLine(out, s, o.ticks, p, true);
    out.flush();
    return 0;
}

}  // namespace orbigolf::sim
