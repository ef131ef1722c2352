#include "game/particles.h"

#include <cmath>

#include "game/hit_tests.h"
#include "game/area_kinds.h"
#include "game/geometry.h"

namespace orbigolf {

namespace {

// The wall angle a particle glances off for each wall-strip kind; particles
// ignore the arrival-dependent angles that balls use.
bool particleWallAngle(int32_t kind, int32_t& angle) {
    switch (kind) {
        case area::kWallBent19: angle = 19; return true;
        case area::kWall64: angle = 64; return true;
        case area::kWallBent109: angle = 109; return true;
        case area::kWall0: angle = 0; return true;
        case area::kWall32: angle = 32; return true;
        case area::kWall96: angle = 96; return true;
        default: return false;
    }
}

void glanceOffWalls(const GameState& s, particlerec& q) {
    const int32_t px = roundInt(q.x);
    const int32_t py = roundInt(q.y);
    for (int round = 0; round <= s.substeps; ++round) {
        for (const arearec& a : s.areas) {
            int32_t angle = 0;
            if (!a.enabled || !isWallStrip(a) || !particleWallAngle(a.kind, angle)) continue;
            if (insideWallStrip(px, py, a)) q.heading = wrapInt(-int64_t{q.heading} - 2 * angle);
        }
    }
}

}  // namespace

void moveParticle(const GameState& s, particlerec& q) {
    q.lastX = q.x;
    q.lastY = q.y;
    q.lastZ = q.z;
    q.x += turnCos(q.heading) * q.speed;
    q.y += turnSin(q.heading) * q.speed / 2;
    q.speed -= 0.012 / (5 - s.substeps);
    if (q.speed < 0) q.speed = 0;
    q.z += q.climb;
    if (q.z < 0) {
        q.climb *= -0.75;
        q.z = 0;
        q.bounces -= 1;
    }
    q.climb -= 0.5;
    if ((q.z == 0 && std::abs(q.climb) < 0.5) || q.bounces < 1) {
        q.active = 0;
        q.climb = 0;
        q.z = 0;
        q.x = 0;
        q.y = 0;
        return;
    }
    glanceOffWalls(s, q);
}

}  // namespace orbigolf
