// orbigolf in the browser: the whole program on the page's canvas, or a replay played
// headlessly whose summary the page shows. The page's address gives the options:
//   index.html                         the intro movies, then the launch pad
//   index.html?skipintro=1             straight to the launch pad's menu
//   index.html?replay=FILE&summary=1   plays FILE (beside the page) and shows the summary
//   ...&ticktimes=1                    and how long its ticks took (--tick-times)
//   ...&screenshot=1                   and its last picture, a PNG file in base64
//   ...&repeat=N                       plays it N times (1..10) and shows the last run's:
//                                      the browser optimises the program while it runs

#include <algorithm>
#include <charconv>
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

// A whole number from the page's address within [low, high]; `low` when absent or not one.
int optionNumber(const char* name, int low, int high) {
    const std::optional<std::string> v = web::pageOption(name);
    int n = low;
    if (!v || std::from_chars(v->data(), v->data() + v->size(), n).ptr != v->data() + v->size()) return low;
    return std::clamp(n, low, high);
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
        if (optionOn("ticktimes")) o.tickTimes = "/replay/tick_times.json";
        if (optionOn("screenshot")) o.screenshot = "/replay/last.png";
        const int runs = optionNumber("repeat", 1, 10);
        int status = 0;
        for (int run = 0; run < runs && status == 0; ++run) status = orbigolf::frontend::runProgram(o, nullptr, std::cerr);
        const std::string failed = "{\"error\":\"the replay did not play; see the console\"}\n";
        // The files' very bytes, as the native program writes them.
        if (o.tickTimes) web::publishText("ticktimes", status == 0 ? readText(*o.tickTimes) : failed);
        if (o.screenshot && status == 0) web::publishBase64("screenshot", readText(*o.screenshot));
        if (o.summary) web::publishText("summary", status == 0 ? readText(*o.summary) : failed);
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
