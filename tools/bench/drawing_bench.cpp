// Our drawing of the game's typical frame work into a 1024 x 768 RGB565 back buffer.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/blit.h"
#include "scenes.h"

namespace orbigolf::bench {
namespace {

using platform::BlendMode;
using platform::Picture;
using platform::Rect;
using platform::Surface;

Surface backBuffer() {
    Surface s(kScreenW, kScreenH);
    const auto bg = backgroundPixels();
    std::memcpy(s.pixels().data(), bg.data(), bg.size() * sizeof(platform::Pixel565));
    return s;
}

void memcpy_backbuffer_1024x768(benchmark::State& state) {
    std::vector<platform::Pixel565> src = backgroundPixels();
    std::vector<platform::Pixel565> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(platform::Pixel565));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(src.size() * 2));
}
BENCHMARK(memcpy_backbuffer_1024x768);

void course_copy_1024x768(benchmark::State& state) {
    const Picture course = coursePicture();
    Surface dst = backBuffer();
    for (auto _ : state) {
        platform::drawFrame(dst, course, 0, -300, -200);
        benchmark::DoNotOptimize(dst.pixels().data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kScreenW) * kScreenH * 2);
}
BENCHMARK(course_copy_1024x768);

void keyed_panel_280x100(benchmark::State& state) {
    const Picture panel = panelPicture();
    Surface dst = backBuffer();
    for (auto _ : state) {
        platform::drawFrame(dst, panel, 0, 10, 10);
        benchmark::DoNotOptimize(dst.pixels().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(keyed_panel_280x100);

void drawSprites(benchmark::State& state, bool subtractive) {
    const Picture sprite = spritePicture();
    const auto places = spritePlacements();
    Surface dst = backBuffer();
    for (auto _ : state) {
        for (int i = 0; i < kSprites; ++i) {
            const Rect r{places[static_cast<size_t>(i)].x, places[static_cast<size_t>(i)].y, 64, 64};
            const bool first = i < kSprites / 2;
            const BlendMode mode = subtractive ? BlendMode::Subtract : (first ? BlendMode::Add : BlendMode::Alpha);
            platform::drawFrameBlended(dst, sprite, 0, r, mode, first ? 255 : 128);
        }
        benchmark::DoNotOptimize(dst.pixels().data());
        benchmark::ClobberMemory();
    }
}

void blended_sprites_50x64(benchmark::State& state) { drawSprites(state, false); }
BENCHMARK(blended_sprites_50x64);

void subtractive_sprites_50x64(benchmark::State& state) { drawSprites(state, true); }
BENCHMARK(subtractive_sprites_50x64);

}  // namespace
}  // namespace orbigolf::bench
