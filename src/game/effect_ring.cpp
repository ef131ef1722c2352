#include "game/effect_ring.h"

#include <cmath>

#include "game/geometry.h"

namespace orbigolf {

void addEffect(GameState& s, int64_t x, int64_t y, int32_t image, int32_t blend) {
    if (!s.sprites.inRange(s.nextEffect) || s.nextEffect > kEffectSlots) s.nextEffect = 1;
    spriterec& slot = s.sprites[s.nextEffect];
    slot.x = wrapInt(x);
    slot.y = wrapInt(y);
    slot.image = image;
    slot.keep = 0;
    slot.blend = blend;
    s.nextEffect = s.nextEffect >= kEffectSlots ? 1 : s.nextEffect + 1;
}

namespace {

// Dust that flies off the ball in every direction; the ball's height is kept.
void dustBurst(GameState& s, const playerrec& ball) {
    for (int i = 1; i <= kMaxParticles; ++i) {
        particlerec& q = s.particles[i];
        q.x = ball.x;
        q.y = ball.y;
        q.heading = s.random(256);
        q.speed = s.random(13) / 3.0;
        q.climb = s.random(13) / 3.0;
        q.bounces = 3;
        q.colour = rgbColour(175, 196, 201);
        q.shadow = 0;
        q.dot = 0;
        q.active = 1;
    }
}

}  // namespace

void stuckBallDustBurst(GameState& s, const playerrec& ball) { dustBurst(s, ball); }

void wallDustBurst(GameState& s, const playerrec& ball) { dustBurst(s, ball); }

void sandSprayBurst(GameState& s, playerrec& ball) {
    const bool slime = s.holeName == "course4hole4";
    for (int i = 1; i <= kMaxParticles; ++i) {
        particlerec& q = s.particles[i];
        q.x = ball.x;
        q.y = ball.y + 6;
        q.z = 0;
        q.heading = wrapInt(int64_t{ball.heading} + s.random(100) - 50);
        q.speed = s.random(250) / 100.0 + ball.speed + 3;
        q.climb = s.random(150) / 100.0 + 2;
        q.bounces = 1;
        q.colour = slime ? rgbColour(111, 238, 53) : rgbColour(255, 244, 214);
        q.shadow = slime ? 0 : 1;
        q.dot = slime ? 0 : 1;
        q.active = 1;
        if (slime) ball.speed -= 0.025;
    }
}

void landingDustBurst(GameState& s, const playerrec& ball) {
    for (int i = 28; i <= kMaxParticles; ++i) {
        particlerec& q = s.particles[i];
        q.x = ball.x;
        q.y = ball.y + 6;
        q.z = 0;
        q.heading = s.random(360);
        q.speed = 2.95;
        q.climb = 0.75;
        q.bounces = 1;
        q.colour = rgbColour(111, 238, 53);
        q.shadow = 0;
        q.active = 1;
    }
}

void waterSplashBurst(GameState& s, const playerrec& ball, bool green) {
    const bool fallsIn = std::abs(ball.climb) > 1;
    for (int i = 1; i <= kMaxParticles; ++i) {
        particlerec& q = s.particles[i];
        q.x = ball.x;
        q.y = ball.y + 6;
        q.z = 0;
        if (fallsIn) {
            q.heading = wrapInt(s.random(256) + int64_t{ball.heading});
            q.speed = s.random(250) / 100.0 + 2;
            q.climb = s.random(150) / 100.0 + ball.climb + 5;
        } else {
            q.heading = wrapInt(s.random(40) + int64_t{ball.heading} - 20);
            q.speed = s.random(250) / 100.0 + ball.speed + 2;
            q.climb = s.random(150) / 100.0 + 3;
        }
        q.bounces = 1;
        q.colour = green ? rgbColour(111, 238, 53) : rgbColour(97, 164, 253);
        q.shadow = 0;
        q.dot = 0;
        q.active = 1;
    }
}

void blastBurst(GameState& s, const playerrec& ball) {
    for (int i = 1; i <= kMaxParticles; ++i) {
        particlerec& q = s.particles[i];
        q.x = ball.x;
        q.y = ball.y;
        q.heading = s.random(256);
        q.speed = s.random(6) + 2;
        q.climb = s.random(6) + 2;
        q.bounces = 2;
        q.colour = rgbColour(100, 206, 69);
        q.shadow = 0;
        q.dot = 0;
        q.active = 1;
    }
}

void roughGroundBurst(GameState& s, const playerrec& ball) {
    const int k = s.random(23);
    for (int i = k + 1; i <= k + 6; ++i) {
        particlerec& q = s.particles[i];
        q.x = ball.x;
        q.y = ball.y;
        q.heading = s.random(256);
        q.speed = s.random(8) / 3.0;
        q.climb = s.random(8) / 3.0;
        q.bounces = 1;
        q.colour = rgbColour(175, 196, 201);
        q.shadow = 0;
        q.dot = 0;
        q.active = 1;
    }
}

}  // namespace orbigolf
