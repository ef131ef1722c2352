// One whole drawing step of a game tick at 1024 x 768: the view, the course, 30 effect
// sprites and two fixed ones, 33 particles, four moving balls and the heads-up display
// with the real interface pictures (gui.dxg and menu.dxg from the program folder), on
// the first Demo Course hole when the program folder holds it.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "game/ball_picture.h"
#include "game/camera.h"
#include "game/hud.h"
#include "game/scene_drawing.h"
#include "media/image_list.h"
#include "scenes.h"

namespace orbigolf::bench {
namespace {

std::filesystem::path programFolder() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    buf[n] = 0;
    return std::filesystem::path(buf).parent_path();
}

media::PictureListItem itemFrom(int w, int h, int pw, int ph, bool keyed, auto colour) {
    media::Bitmap b = media::makeBitmap(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.pixel(x, y) = colour(x, y);
    media::PictureListItem item;
    item.patternWidth = pw;
    item.patternHeight = ph;
    item.transparent = keyed;
    item.transparentColor = 0;
    item.setDib(b);
    return item;
}

// A 1600 x 1200 course with its foreground cells, a cup lip and an explosion of
// eight 48 x 48 frames.
void buildCourse(TDXImageList& course) {
    course.clear();
    course.add(itemFrom(1600, 1200, 0, 0, false, [](int x, int y) {
        return media::makeRgb(static_cast<uint8_t>(x * 7 + y), static_cast<uint8_t>(60 + (x ^ y) % 90), 40);
    }));
    course.add(itemFrom(1584, 1200, 24, 24, true, [](int x, int y) {
        return (y % 240 < 12 && x % 300 < 200) ? media::makeRgb(150, 150, 170) : media::Rgb{0};
    }));
    course.add(itemFrom(18, 6, 0, 0, true, [](int, int) { return media::makeRgb(90, 90, 90); }));
    course.add(itemFrom(384, 48, 48, 48, true, [](int x, int y) {
        const int dx = x % 48 - 24, dy = y - 24;
        return dx * dx + dy * dy < 400 ? media::makeRgb(240, static_cast<uint8_t>(100 + x % 48), 30) : media::Rgb{0};
    }));
}

struct DrawStepScene {
    TDXImageList gui, menu, course;
    GamePictures pictures;
    GameState s;
    Rules rules;
    bool loaded = false;

    DrawStepScene() {
        const auto dir = programFolder();
        try {
            gui.loadFromFile((dir / "gui.dxg").string());
            menu.loadFromFile((dir / "menu.dxg").string());
        } catch (...) {
            return;
        }
        // The first Demo Course hole when the content set has it, else a made-up hole.
        try {
            course.loadFromFile((dir / "course1hole1.dxg").string());
        } catch (...) {
            course.clear();
        }
        if (course.count() < 4 || course.item(0).patternWidth() < kScreenW || course.item(0).patternHeight() < kScreenH)
            buildCourse(course);
        pictures = GamePictures{&gui, &menu, &course};
        s.numPlayers = 4;
        s.curPlayer = 1;
        s.substeps = 1;
        s.holePar = 3;
        s.messagePos = -1;
        s.courseWidth = course.item(0).patternWidth();
        s.courseHeight = course.item(0).patternHeight();
        s.scrollX = 300;
        s.scrollY = 200;
        s.anyMoving = 1;
        for (int p = 1; p <= 4; ++p) {
            playerrec& b = s.playerRecs[p];
            b.name = "Player " + std::to_string(p);
            b.inPlay = 1;
            b.moving = 1;
            b.ballRows = 15;
            b.x = 600 + 60 * p;
            b.y = 500 + 25 * p;
            b.z = p == 2 ? 12 : 0;
            b.spin = static_cast<uint8_t>(33 * p);
            b.rollU = 3 * p;
            b.rollV = p;
            b.tint = 60;
        }
        // The effects a busy moment of play leaves in the ring: wall impacts, dust,
        // splashes, teleport flashes and a few eruption plumes.
        const bool demoHole = course.count() > 16;
        constexpr int kEffects[] = {14, 8, 15, 4, 16, 13, 3};
        for (int i = 1; i <= 30; ++i) {
            spriterec& sp = s.sprites[i];
            sp.x = 320 + (i * 97) % 1000;
            sp.y = 220 + (i * 53) % 700;
            sp.image = demoHole ? kEffects[i % 7] : 3;
            sp.tick = (i * 5) % 32;
            sp.blend = i % 3 == 0 ? 180 : (i % 3 == 1 ? -120 : 0);
        }
        s.sprites[40] = spriterec{800, 600, 2, 0, 1, 0, 0};
        s.sprites[41] = spriterec{850, 640, 3, 0, 1, 0, 100};
        for (int i = 1; i <= 33; ++i) {
            particlerec& q = s.particles[i];
            q.active = 1;
            q.x = 500 + 17 * i;
            q.y = 400 + 11 * i;
            q.z = i % 10;
            q.lastX = q.x - 3;
            q.lastY = q.y - 2;
            q.lastZ = q.z + 1;
            q.colour = 0x40A0F0;
            q.shadow = i % 2;
            q.dot = i % 3 == 0;
        }
        loaded = true;
    }
};

void draw_step_1024x768(benchmark::State& state) {
    static DrawStepScene scene;
    if (!scene.loaded) {
        state.SkipWithError("gui.dxg and menu.dxg are not in the program folder");
        return;
    }
    platform::Display display;
    display.setMode(kScreenW, kScreenH);
    display.initialize();
    GameState& s = scene.s;
    for (auto _ : state) {
        moveView(s, display.width(), display.height());
        drawCoursePicture(display, s, scene.pictures);
        for (int i = kMaxSprites; i >= 1; --i)
            if (!(s.sprites[i].x == 0 && s.sprites[i].y == 0)) drawSpriteSlot(display, s, scene.pictures, s.sprites[i]);
        for (const particlerec& q : s.particles)
            if (q.active) drawParticle(display, s, q);
        for (int p = 1; p <= 4; ++p) drawBall(display, s, scene.pictures, p);
        drawHud(display, s, scene.pictures, scene.rules, hudStep(s, scene.rules, display.width(), display.height()));
        benchmark::DoNotOptimize(display.backBuffer().pixels().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(draw_step_1024x768);

}  // namespace
}  // namespace orbigolf::bench
