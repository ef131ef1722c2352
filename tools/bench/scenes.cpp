#include "scenes.h"

#include <cstdint>

namespace orbigolf::bench {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

// A cheap deterministic pattern.
platform::Pixel565 noise(int x, int y) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<platform::Pixel565>(h >> 16);
}

platform::Pixel565 avoidKey(platform::Pixel565 p, platform::Pixel565 key) {
    return p == key ? static_cast<platform::Pixel565>(p ^ 1) : p;
}

}  // namespace

platform::Picture coursePicture() {
    platform::Picture p;
    p.surface = platform::Surface(1600, 1200);
    for (int y = 0; y < 1200; ++y) {
        for (int x = 0; x < 1600; ++x) p.surface.setPixel(x, y, noise(x, y));
    }
    p.surface.setTransparent(false);
    return p;
}

platform::Picture panelPicture() {
    platform::Picture p;
    p.surface = platform::Surface(280, 100);
    p.surface.setTransparent(true);
    p.surface.setTransparentColor(kMagenta);
    const platform::Pixel565 key = p.surface.colorKey();
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 280; ++x) {
            const int dx = x < 12 ? 12 - x : (x > 267 ? x - 267 : 0);
            const int dy = y < 12 ? 12 - y : (y > 87 ? y - 87 : 0);
            const bool corner = dx * dx + dy * dy > 144;
            const bool slot = (x % 56) > 40 && y > 60 && y < 90;  // button cut-outs
            p.surface.setPixel(x, y, corner || slot ? key : avoidKey(noise(x, y), key));
        }
    }
    return p;
}

platform::Picture spritePicture() {
    platform::Picture p;
    p.surface = platform::Surface(64, 64);
    p.surface.setTransparent(true);
    p.surface.setTransparentColor(kMagenta);
    const platform::Pixel565 key = p.surface.colorKey();
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int dx = x - 32;
            const int dy = y - 32;
            const bool inside = dx * dx + dy * dy < 30 * 30;
            p.surface.setPixel(x, y, inside ? avoidKey(noise(x + 7, y + 3), key) : key);
        }
    }
    return p;
}

std::vector<platform::Pixel565> backgroundPixels() {
    std::vector<platform::Pixel565> out(static_cast<size_t>(kScreenW) * kScreenH);
    for (int y = 0; y < kScreenH; ++y) {
        for (int x = 0; x < kScreenW; ++x) out[static_cast<size_t>(y) * kScreenW + x] = noise(x * 3, y * 5);
    }
    return out;
}

std::vector<SpritePlacement> spritePlacements() {
    std::vector<SpritePlacement> out;
    for (int i = 0; i < kSprites; ++i) {
        out.push_back(SpritePlacement{(i * 197) % (kScreenW + 32) - 32, (i * 131) % (kScreenH + 32) - 32});
    }
    return out;
}

}  // namespace orbigolf::bench
