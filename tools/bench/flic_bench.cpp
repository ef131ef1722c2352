// The launch pad's backdrop: decoding one delta frame of "interface_loop.flc" and painting it
// into a 640 x 480 back buffer, as the FLIC player does for every frame it shows.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "media/flic_player.h"

namespace {

// The content set lies beside the program.
std::string contentFile(const char* name) {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ((ec ? std::filesystem::path(".") : exe.parent_path()) / name).string();
}

void flic_frame_640x480(benchmark::State& state) {
    orbigolf::platform::Surface backBuffer(640, 480);
    orbigolf::media::TFliPlayerTimer player([] { return uint64_t{0}; });
    player.setSurface(&backBuffer);
    player.setBounds(0, 0, 640, 480);
    player.setFliPos(orbigolf::media::TFliPos::FliCentre);
    player.setFileName(contentFile("interface_loop.flc"));
    player.Play();
    if (player.playState() == orbigolf::media::TFliPlayerTimer::PlayState::Stopped || !player.GotoFrame(1)) {
        state.SkipWithError("interface_loop.flc is missing beside the program");
        return;
    }
    int next = 2;
    for (auto _ : state) {
        if (next > player.frameCount()) {
            // Frame 1 is a whole picture, not a delta: set it up outside the timing.
            state.PauseTiming();
            player.GotoFrame(1);
            next = 2;
            state.ResumeTiming();
        }
        player.GotoFrame(next++);
        benchmark::DoNotOptimize(backBuffer.pixels().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(flic_frame_640x480);

}  // namespace
