// The game screen draws the course behind everything only where the last frame drew over it
// when nothing scrolled. Every frame of a whole game must be the same as when the course is
// drawn in full each tick.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game_screen_support.h"

namespace orbigolf::testing {
namespace {

// Keeps a fingerprint of every frame shown instead of the frame.
class FingerprintWindow final : public platform::HeadlessWindow {
public:
    void present(const platform::Surface& backBuffer) override {
        uint64_t h = 1469598103934665603ull;
        for (platform::Pixel565 p : backBuffer.pixels()) h = (h ^ p) * 1099511628211ull;
        prints.push_back(h);
    }
    std::vector<uint64_t> prints;
};

std::vector<uint64_t> framesOf(const std::string& replayFile, bool redrawInFull) {
    const std::vector<replay::Line> lines = replay::parseFile(replayFile);
    replay::StartValues start = replay::startValues(lines);
    FingerprintWindow window;
    TMain game(window, nullptr, ORBIGOLF_CONTENT_DIR, start.controls, start.seed);
    game.FormCreate();
    game.show();
    // Without row bookkeeping every drawing of the course is a full one.
    if (redrawInFull) game.display().backBuffer().setTrackWrites(false);
    replay::play(lines, game, start.controls);
    return std::move(window.prints);
}

TEST(Redraw, EveryFrameOfAWholeGameMatchesDrawingTheCourseInFull) {
    const std::string file = std::string(ORBIGOLF_REPLAY_DIR) + "/demo_course_one_player.replay";
    const std::vector<uint64_t> reused = framesOf(file, false);
    const std::vector<uint64_t> full = framesOf(file, true);
    ASSERT_GT(full.size(), 2000u);
    ASSERT_EQ(reused.size(), full.size());
    for (size_t i = 0; i < full.size(); ++i) ASSERT_EQ(reused[i], full[i]) << "frame " << i;
}

}  // namespace
}  // namespace orbigolf::testing
