// Any bytes as a FLIC file: the player plays it (every frame in turn, then ticks with time
// moving on, painting stretched and unstretched) and either shows frames or stops with a
// message; it never reads or writes outside its buffers.

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "media/flic_player.h"

using namespace orbigolf;

namespace {

// About forty frames of 320 x 200.
constexpr int64_t kPixelsPerInput = int64_t{320} * 200 * 40;

// The player reads its file while it plays, so the bytes become one: a file in memory,
// made once, that no input writes to disk and nothing leaves behind.
const std::string& fileHolding(const uint8_t* data, size_t size) {
    static const int fd = ::memfd_create("orbigolf_flic_fuzz", MFD_CLOEXEC);
    static const std::string path = "/proc/self/fd/" + std::to_string(fd);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != ssize_t(size)) __builtin_trap();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& file = fileHolding(data, size);
    uint64_t now = 0;
    platform::Surface screen(64, 48);
    media::TFliPlayerTimer player([&now] { return now; });
    player.setSurface(&screen);
    player.setBounds(3, 2, 50, 40);
    player.setFliPos(media::TFliPos::FliCentre);
    player.setFileName(file);
    try {
        player.Play();
        // Each frame shown copies the whole picture. A header may claim 16 million pixels
        // for a file of a few bytes; stepping through 40 frames of that finds nothing a small
        // picture would not, so big pictures get fewer steps and every input costs about the
        // same.
        const int64_t pixels = int64_t{player.animationWidth()} * player.animationHeight();
        const int steps = int(std::clamp<int64_t>(kPixelsPerInput / std::max<int64_t>(pixels, 1), 2, 40));
        const int frames = std::min(player.frameCount(), steps);
        for (int n = 1; n <= frames && player.playState() != media::TFliPlayerTimer::PlayState::Stopped; ++n)
            player.GotoFrame(n);
        player.setStretch(true);
        player.Loop = (size & 1) != 0;
        const int ticks = std::min(60, steps + steps / 2);
        for (int i = 0; i < ticks && player.playState() != media::TFliPlayerTimer::PlayState::Stopped; ++i) {
            now += 20;
            player.Tick();
        }
    } catch (const media::MediaError& e) {
        if (player.playState() != media::TFliPlayerTimer::PlayState::Stopped) __builtin_trap();
        if (player.errorMessage() != e.what()) __builtin_trap();
    }
    return 0;
}
