// orbigolf: the whole program (intro, launch pad, games, closing screen), or a replay of
// a recorded run or game.

#include <CLI/CLI.hpp>
#include <iostream>

#include "frontend/data_folder.h"
#include "frontend/program.h"
#include "platform/program_folder.h"

#ifdef ORBIGOLF_HAVE_SDL
#include "platform/sdl/sdl_backend.h"
#endif

int main(int argc, char** argv) {
    using orbigolf::frontend::ProgramOptions;
    ProgramOptions o;
    CLI::App app{"Orbigolf Demo: space mini-golf for one to four players. Without options the program starts "
                 "full screen with the intro movies and the launch pad.",
                 "orbigolf"};
    app.add_flag("--windowed", o.windowed, "Play in a window instead of full screen (Alt+Enter toggles)");
    std::string data;
    app.add_option("--data", data, "Read the data files from DIR instead of the program's folder or its installation's share/orbigolf")
        ->type_name("DIR")
        ->check(CLI::ExistingDirectory);
    app.add_flag("--skip-intro", o.skipIntro, "Start at the launch pad's menu without the intro movies");
    app.add_option("--settings", o.settings, "Keep the settings in FILE instead of the player's own settings file")
        ->type_name("FILE");
    auto* record = app.add_option("--record", o.record, "Write a replay of the whole run to FILE")->type_name("FILE");
    auto* replayOpt = app.add_option("--replay", o.replay, "Play back the replay FILE")->type_name("FILE");
    record->excludes(replayOpt);
    app.add_flag("--headless", o.headless, "With --replay: run as fast as possible, without window or sound")
        ->needs(replayOpt);
    app.add_option("--summary", o.summary, "Write the state at the end of the run (or replay) as JSON to OUT")
        ->type_name("OUT.json");
    app.add_option("--screenshot", o.screenshot, "With --replay: save the last picture as PNG to OUT")
        ->type_name("OUT.png")
        ->needs(replayOpt);
    app.add_option("--trace", o.trace, "Write one JSON line per game tick to OUT")->type_name("OUT.jsonl");
    app.add_option("--tick-times", o.tickTimes,
                   "With --replay: write how long the game ticks took, in blocks of 100 ticks, as JSON to OUT")
        ->type_name("OUT.json")
        ->needs(replayOpt);
    CLI11_PARSE(app, argc, argv);

    o.dataDir = data.empty()
                    ? orbigolf::frontend::findDataFolder(orbigolf::platform::programFolder(argc > 0 ? argv[0] : nullptr))
                          .string()
                    : data;
#ifdef ORBIGOLF_HAVE_SDL
    const orbigolf::frontend::WindowBackend backend{
        [](const orbigolf::platform::WindowOptions& wo) { return orbigolf::platform::createSdlWindow(wo); },
        [] { return orbigolf::platform::createSdlAudioOutput(); }};
    return orbigolf::frontend::runProgram(o, &backend, std::cerr);
#else
    return orbigolf::frontend::runProgram(o, nullptr, std::cerr);
#endif
}
