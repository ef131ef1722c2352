// The same work by SDL2's own blitter, on RGB565 surfaces: the panel colour-keyed with
// RLE acceleration, the sprites colour-keyed with the ADD blend mode and with the BLEND
// mode at alpha modulation 128.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <stdexcept>

#include "scenes.h"

namespace orbigolf::bench {
namespace {

struct SdlSurface {
    SDL_Surface* s;

    SdlSurface(int w, int h)
        : s(SDL_CreateRGBSurfaceWithFormat(0, w, h, 16, SDL_PIXELFORMAT_RGB565)) {
        if (!s) throw std::runtime_error(SDL_GetError());
    }
    ~SdlSurface() { SDL_FreeSurface(s); }
    SdlSurface(const SdlSurface&) = delete;
    SdlSurface& operator=(const SdlSurface&) = delete;

    void load(const platform::Pixel565* pixels, int w, int h) {
        for (int y = 0; y < h; ++y) {
            std::memcpy(static_cast<uint8_t*>(s->pixels) + static_cast<ptrdiff_t>(y) * s->pitch,
                        pixels + static_cast<ptrdiff_t>(y) * w, static_cast<size_t>(w) * 2);
        }
    }
};

void loadPicture(SdlSurface& out, const platform::Picture& p) {
    out.load(p.surface.pixels().data(), p.surface.width(), p.surface.height());
    SDL_SetColorKey(out.s, SDL_TRUE, p.surface.colorKey());
    SDL_SetSurfaceRLE(out.s, 1);
}

void loadBackBuffer(SdlSurface& out) {
    const auto bg = backgroundPixels();
    out.load(bg.data(), kScreenW, kScreenH);
}

void sdl_keyed_panel_280x100(benchmark::State& state) {
    SdlSurface back(kScreenW, kScreenH);
    loadBackBuffer(back);
    SdlSurface panel(280, 100);
    loadPicture(panel, panelPicture());
    for (auto _ : state) {
        SDL_Rect dst{10, 10, 280, 100};
        SDL_BlitSurface(panel.s, nullptr, back.s, &dst);
        benchmark::DoNotOptimize(back.s->pixels);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(sdl_keyed_panel_280x100);

void sdl_blended_sprites_50x64(benchmark::State& state) {
    SdlSurface back(kScreenW, kScreenH);
    loadBackBuffer(back);
    const platform::Picture sprite = spritePicture();
    // One surface per blend mode, so no blit mapping is rebuilt inside the loop.
    SdlSurface added(64, 64);
    loadPicture(added, sprite);
    SDL_SetSurfaceBlendMode(added.s, SDL_BLENDMODE_ADD);
    SdlSurface mixed(64, 64);
    loadPicture(mixed, sprite);
    SDL_SetSurfaceBlendMode(mixed.s, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(mixed.s, 128);
    const auto places = spritePlacements();
    for (auto _ : state) {
        for (int i = 0; i < kSprites; ++i) {
            SDL_Rect dst{places[static_cast<size_t>(i)].x, places[static_cast<size_t>(i)].y, 64, 64};
            SDL_BlitSurface(i < kSprites / 2 ? added.s : mixed.s, nullptr, back.s, &dst);
        }
        benchmark::DoNotOptimize(back.s->pixels);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(sdl_blended_sprites_50x64);

}  // namespace
}  // namespace orbigolf::bench
