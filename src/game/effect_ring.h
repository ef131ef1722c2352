#pragma once
// The effect ring (sprite slots 1..30) and the particle bursts that areas and
// ball events set off. Particles are moved and drawn with the scene.

#include <cstdint>

#include "game/state.h"

namespace orbigolf {

// Writes sprite slot `nextEffect` (tick and pulse kept) and moves the ring on.
void addEffect(GameState& s, int64_t x, int64_t y, int32_t image, int32_t blend);

// Colour values hold blue, green, red from the high to the low byte.
constexpr int32_t rgbColour(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

void stuckBallDustBurst(GameState& s, const playerrec& ball);
void wallDustBurst(GameState& s, const playerrec& ball);
// Lowers the ball's speed on the hole whose spray is green slime.
void sandSprayBurst(GameState& s, playerrec& ball);
void landingDustBurst(GameState& s, const playerrec& ball);
void waterSplashBurst(GameState& s, const playerrec& ball, bool green);
void blastBurst(GameState& s, const playerrec& ball);
void roughGroundBurst(GameState& s, const playerrec& ball);

}  // namespace orbigolf
