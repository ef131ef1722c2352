// orbigolf in the browser: the whole program on the page's canvas, or a replay played
// headlessly whose summary the page shows. The page's address gives the options:
//   index.html                         the intro movies, then the launch pad
//   index.html?skipintro=1             straight to the launch pad's menu
//   index.html?replay=FILE&summary=1   plays FILE (beside the page) and shows the summary

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "frontend/program.h"
#include "platform/web/web_backend.h"

namespace {

namespace web = orbigolf::platform::web;

bool optionOn(const char* name) {
    const std::optional<std::string> v = web::pageOption(name);
    return v && (v->empty() || *v == "1" || *v == "true");
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int run() {
    using orbigolf::frontend::ProgramOptions;
    ProgramOptions o;
    o.dataDir = web::kDataFolder;
    o.windowed = true;
    o.skipIntro = optionOn("skipintro");
    // The page fetched the replay into the file system before the program started.
    if (const std::optional<std::string> replay = web::pageOption("replay")) {
        o.replay = "/replay/" + std::filesystem::path(*replay).filename().string();
        o.headless = true;
        if (optionOn("summary")) o.summary = "/replay/summary.json";
        const int status = orbigolf::frontend::runProgram(o, nullptr, std::cerr);
        if (o.summary) {
            // The file's very bytes, as the native program writes them.
            web::publishSummary(status == 0 ? readText(*o.summary)
                                            : "{\"error\":\"the replay did not play; see the console\"}\n");
        }
        return status;
    }

    web::restoreSettingsFolder();
    const orbigolf::frontend::WindowBackend backend{
        [](const orbigolf::platform::WindowOptions& wo) { return web::createWindow(wo); },
        [] { return web::createAudioOutput(); }};
    return orbigolf::frontend::runProgram(o, &backend, std::cerr);
}

}  // namespace

int main() {
    const int status = run();
    web::programEnded(status);
    return status;
}
