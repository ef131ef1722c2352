// Whole game ticks at 1024 x 768: the simulation, the drawing, the putting step, the
// scenery and the heads-up display of the game screen on the Demo Course's first hole,
// with putts struck through the mouse handlers as a player would. The finished picture
// is not presented, so the figure compares with memcpy_backbuffer_1024x768.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "game/geometry.h"
#include "game/tmain.h"
#include "platform/headless/headless_window.h"

namespace orbigolf::bench {
namespace {

using platform::InputEvent;
using platform::MouseButton;

std::string dataFolder() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = 0;
    return std::filesystem::path(buf).parent_path().string();
}

// A window that shows nothing: presenting is not part of the measured tick.
class NoPresentWindow final : public platform::HeadlessWindow {
public:
    void present(const platform::Surface&) override {}
};

void mouse(TMain& g, InputEvent::Type type, int x, int y) { g.handleEvent(InputEvent::mouse(type, MouseButton::Left, x, y)); }

// Press on the ball, pull 100 pixels in a direction that turns with every putt, release.
void strike(TMain& g, int n) {
    GameState& s = g.state();
    const playerrec& b = s.playerRecs[s.curPlayer];
    const int bx = roundInt(b.x) - s.scrollX, by = roundInt(b.y) - s.scrollY;
    mouse(g, InputEvent::Type::MouseMove, bx, by);
    mouse(g, InputEvent::Type::MouseDown, bx, by);
    mouse(g, InputEvent::Type::MouseMove, s.dropX, s.dropY);
    const int32_t a = (n * 37) & 255;
    const int x = s.dropX + roundInt(turnCos(a) * 100), y = s.dropY + roundInt(turnSin(a) * 100);
    mouse(g, InputEvent::Type::MouseMove, x, y);
    g.runTick(60);
    mouse(g, InputEvent::Type::MouseUp, x, y);
    mouse(g, InputEvent::Type::Click, x, y);
}

// A new game at 1024 x 768 with unlimited strokes, its hole card dismissed; nullptr when
// the Demo Course cannot be loaded from the program folder.
std::unique_ptr<TMain> startGame(platform::Window& window) {
    LaunchPadControls controls;
    controls.set("screen1024", "1");
    controls.strokelimit = 0;
    auto game = std::make_unique<TMain>(window, nullptr, dataFolder(), controls, 1);
    game->FormCreate();
    game->show();
    if (game->closed() || game->display().width() != 1024) return nullptr;
    game->FormKeyDown(32);  // dismiss the hole card
    return game;
}

void tick_1024x768(benchmark::State& state) {
    NoPresentWindow window;
    std::unique_ptr<TMain> game = startGame(window);
    if (!game) {
        state.SkipWithError("the Demo Course did not load from the program folder");
        return;
    }
    int putts = 0, games = 1;
    for (auto _ : state) {
        GameState& s = game->state();
        if (s.gameOver) {
            // The course is finished: play it again, outside the measured time.
            state.PauseTiming();
            game = startGame(window);
            ++games;
            state.ResumeTiming();
            if (!game) {
                state.SkipWithError("the Demo Course did not load again");
                return;
            }
            continue;
        }
        if (s.screenMode == ScreenMode::Play && !s.anyMoving && s.puttPhase == PuttPhase::Idle &&
            !s.recentre)
            strike(*game, ++putts);
        if (s.screenMode != ScreenMode::Play) game->FormKeyDown(32);
        game->runTick(60);
        if (game->closed()) {
            state.SkipWithError("the game closed");
            return;
        }
    }
    state.counters["putts"] = putts;
    state.counters["games"] = games;
}
BENCHMARK(tick_1024x768)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbigolf::bench
