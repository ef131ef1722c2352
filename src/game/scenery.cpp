#include "game/scenery.h"

#include <cstdlib>

#include "game/geometry.h"

namespace orbigolf {
namespace {

using platform::BlendMode;
using platform::Rect;

struct NamedScript {
    std::string_view hole;
    unsigned script;
};

constexpr NamedScript kHoles[] = {
    {"course1hole5", kDriftingMotes},  {"course3hole7", kDriftingMotes},   {"course4hole8", kDriftingMotes},
    {"course3hole9", kFallingMotes},   {"course1hole4", kThunderstorm},    {"course4hole4", kThunderstorm},
    {"course4hole6", kThunderstorm},   {"course4hole3", kRisingBubbles},   {"course2hole9", kThreeObstacles},
    {"course2hole5", kBlinkingObstacle}, {"course3hole6", kFourObstacles}, {"course2hole1", kFallingRocks},
};

struct Obstacle {
    unsigned script;
    int slot;
    int x, y;
    int image;
    int from, to;    // phase window, inclusive
    int from2, to2;  // a second window (empty when from2 > to2)
    int area;
};

constexpr Obstacle kObstacles[] = {
    {kThreeObstacles, 35, 511, 181, 9, 0, 127, 1, 0, 40},
    {kThreeObstacles, 36, 666, 618, 10, 129, 255, 1, 0, 41},
    {kThreeObstacles, 37, 171, 881, 11, 65, 191, 1, 0, 42},
    {kBlinkingObstacle, 40, 610, 267, 11, 0, 127, 1, 0, 53},
    {kFourObstacles, 35, 245, 189, 8, 0, 127, 1, 0, 72},
    {kFourObstacles, 36, 776, 189, 9, 129, 255, 1, 0, 73},
    {kFourObstacles, 37, 791, 536, 10, 65, 191, 1, 0, 74},
    {kFourObstacles, 38, 237, 528, 11, 0, 63, 193, 255, 71},
};

int32_t distanceToCurrentBall(const GameState& s, int x, int y) {
    if (!OneBased<playerrec, kMaxPlayers>::inRange(s.curPlayer)) return 0;
    const playerrec& b = s.playerRecs[s.curPlayer];
    return plainDist(roundInt(b.x), roundInt(b.y), x, y);
}

// The motion every mote script shares: parallax with the view (unless the view jumped),
// the script's own motion, the course's edge and the screen's sides.
template <typename Own>
void moveMote(GameState& s, starrec& m, int w, int h, Own ownMotion) {
    const int64_t dx = int64_t{s.sceneScrollX} - s.scrollX;
    const int64_t dy = int64_t{s.sceneScrollY} - s.scrollY;
    int32_t ownX = 0, ownY = 0;
    const bool moveX = std::llabs(dx) <= 32, moveY = std::llabs(dy) <= 32;
    ownMotion(moveX, moveY, ownX, ownY);
    if (moveX) m.x += static_cast<int32_t>((4 * dx) / 3) + ownX;
    if (moveY) m.y += static_cast<int32_t>((4 * dy) / 3) + ownY;
    if (s.courseHeight < h && int64_t{m.y} > int64_t{s.courseHeight} - s.scrollY - 8) m.y = -s.scrollY;
    if (s.courseWidth < w && int64_t{m.x} > int64_t{s.courseWidth} - s.scrollX - 8) m.x = -s.scrollX;
    if (m.x > w) m.x = 0;
    if (m.x < 0) m.x = w;
}

// Mote positions stay in a small range around the screen, so this arithmetic cannot
// overflow whatever the view does.
void driftingMotes(GameState& s, const FrameCounts& frames, int w, int h) {
    for (starrec& m : s.stars) {
        moveMote(s, m, w, h, [&](bool mx, bool my, int32_t& ox, int32_t& oy) {
            if (mx) ox = s.random(s.substeps + 1);
            if (my) oy = s.random(s.substeps + 1);
        });
        if (m.y < -32) m.y = h;
        if (m.y > h) {
            m.y = -s.random(32);
            m.x = s.random(w);
        }
        if (s.random(4) == 3) {
            m.frame += 1;
            if (m.frame >= frames.framesOf(m.image)) m.frame = 0;
        }
    }
}

void fallingMotes(GameState& s, const FrameCounts& frames, int w, int h) {
    for (int i = 1; i <= 10; ++i) {
        starrec& m = s.stars[i];
        moveMote(s, m, w, h, [&](bool mx, bool my, int32_t& ox, int32_t& oy) {
            if (mx) ox = s.random(s.substeps);
            if (my) oy = s.substeps;
        });
        if (m.y < -32) m.y = h;
        if (m.y > h) {
            m.y = -s.random(32);
            m.x = s.random(w);
            m.frame = s.random(64);
        }
        m.frame += s.substeps;
        if (m.frame / 4 >= frames.framesOf(m.image)) m.frame = 0;
    }
}

void rain(GameState& s, int w, int h) {
    for (starrec& m : s.stars) {
        const int32_t speed = 16 - m.image;
        moveMote(s, m, w, h, [&](bool, bool, int32_t& ox, int32_t& oy) {
            ox = -speed * s.substeps;
            oy = speed * s.substeps;
        });
        if (m.y < -32) m.y = h;
        if (m.y > h) {
            m.y = -s.random(32);
            m.x = s.random(w);
        }
    }
}

void risingBubbles(GameState& s, const FrameCounts& frames, int w, int h) {
    for (int i = 1; i <= 5; ++i) {
        starrec& m = s.stars[i];
        const int32_t speed = 8 - m.image;
        moveMote(s, m, w, h, [&](bool, bool, int32_t& ox, int32_t& oy) {
            ox = 4 * speed * s.substeps;
            oy = -2 * speed * s.substeps;
        });
        if (m.y > h) m.y = -90;
        if (m.y < -90) {
            m.x = s.random(w);
            m.y = s.random(h);
            m.frame = 0;
        }
        m.frame += s.substeps;
        if (m.frame / 4 >= frames.framesOf(m.image)) m.frame = 0;
    }
}

void fallingRocks(GameState& s, Effects& fx) {
    if (s.random(255) >= 2 * s.substeps) return;
    fx.setSoundVolume(20, distanceVolume(2, distanceToCurrentBall(s, 496, 817)));
    playGameSound(s, fx, 20);
    const int k = s.random(23);
    for (int i = k + 1; i <= k + 8; ++i) {
        particlerec& pt = s.particles[i];
        pt.bounces = 3;
        pt.x = 496;
        pt.y = 935;
        pt.z = 100 + s.random(8);
        pt.heading = 150 + s.random(32);
        pt.speed = s.random(12) / 3.0;
        pt.climb = 0;
        pt.active = 1;
        pt.colour = 0xC9C4AF;
        pt.shadow = 0;
        pt.dot = 0;
    }
}

}  // namespace

unsigned sceneryScriptsOf(std::string_view holeName) {
    unsigned scripts = 0;
    for (const NamedScript& n : kHoles)
        if (n.hole == holeName) scripts |= n.script;
    return scripts;
}

int distanceVolume(int factor, int32_t distance) {
    const int64_t v = -int64_t{factor} * distance;
    return v < kQuietestVolume ? kQuietestVolume : (v > 0 ? 0 : static_cast<int>(v));
}

void scatterMotes(GameState& s, int screenW, int screenH, int courseH) {
    for (starrec& m : s.stars) {
        m.x = s.random(screenW);
        m.y = s.random(screenH);
        m.image = 5 + s.random(3);
        if (courseH < screenH) m.y = s.random(courseH) + (screenH - courseH) / 2;
        m.frame = 0;
    }
}

void placeObstacles(GameState& s, unsigned scripts) {
    for (const Obstacle& o : kObstacles) {
        if (!(scripts & o.script)) continue;
        const bool open =
            (s.scenePhase >= o.from && s.scenePhase <= o.to) || (s.scenePhase >= o.from2 && s.scenePhase <= o.to2);
        spriterec& sp = s.sprites[o.slot];
        if (open) {
            sp.x = o.x;
            sp.y = o.y;
            sp.image = o.image;
            sp.keep = 1;
            sp.blend = 0;
            sp.pulse = 0;
        } else {
            sp.x = 0;
            sp.y = 0;
        }
        s.areas[o.area].enabled = open ? 1 : 0;
    }
}

SceneryFrame sceneryStep(GameState& s, Effects& fx, const FrameCounts& frames, int screenW, int screenH) {
    SceneryFrame frame;
    frame.scripts = sceneryScriptsOf(s.holeName);
    const unsigned scripts = frame.scripts;
    if (scripts == 0) return frame;
    if (scripts & kDriftingMotes) driftingMotes(s, frames, screenW, screenH);
    if (scripts & kFallingMotes) fallingMotes(s, frames, screenW, screenH);
    if (scripts & kThunderstorm) {
        if (s.random(1000) < s.substeps) {
            s.flash = static_cast<uint8_t>(128 + s.random(128));
            playGameSound(s, fx, 25);
        }
        if (s.flash > 0) {
            frame.flash = s.flash;
            s.flash = static_cast<uint8_t>(s.flash / (s.substeps + 1));
        }
        rain(s, screenW, screenH);
    }
    if (scripts & kRisingBubbles) risingBubbles(s, frames, screenW, screenH);
    if (scripts & (kDriftingMotes | kFallingMotes | kThunderstorm | kRisingBubbles)) {
        s.sceneScrollX = s.scrollX;
        s.sceneScrollY = s.scrollY;
    }
    if (scripts & (kThreeObstacles | kBlinkingObstacle | kFourObstacles)) {
        s.scenePhase += 2 * s.substeps;
        if (s.scenePhase > 255) s.scenePhase = 0;
        placeObstacles(s, scripts);
        if ((scripts & kBlinkingObstacle) && s.scenePhase == 0) {
            fx.setSoundVolume(20, distanceVolume(4, distanceToCurrentBall(s, 710, 367)));
            playGameSound(s, fx, 20);
        }
    }
    if (scripts & kFallingRocks) fallingRocks(s, fx);
    return frame;
}

void drawScenery(platform::Display& d, const GameState& s, const GamePictures& p, const SceneryFrame& frame) {
    auto draw = [&](const starrec& m, int pattern, int alpha) {
        const platform::Picture* pic = pictureOf(p.course, m.image);
        if (pic == nullptr) return;
        if (alpha == 0)
            d.drawFrame(*pic, pattern, m.x, m.y);
        else
            d.drawFrameBlended(*pic, pattern, Rect{m.x, m.y, pic->frameWidth(), pic->frameHeight()},
                               BlendMode::Alpha, alpha);
    };
    if (frame.scripts & kDriftingMotes)
        for (const starrec& m : s.stars) draw(m, m.frame, 255);
    if (frame.scripts & kFallingMotes)
        for (int i = 1; i <= 10; ++i) draw(s.stars[i], s.stars[i].frame / 4, 0);
    if (frame.scripts & kThunderstorm) {
        if (frame.flash > 0)
            d.fillBlended(Rect{0, 0, d.width(), d.height()}, platform::toRgb565(255, 255, 255), frame.flash);
        for (const starrec& m : s.stars) draw(m, 0, 128);
    }
    if (frame.scripts & kRisingBubbles)
        for (int i = 1; i <= 5; ++i) draw(s.stars[i], s.stars[i].frame / 4, 128);
}

}  // namespace orbigolf
