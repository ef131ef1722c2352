#pragma once
// The picture of one ball: shadow, a 16 x 16 surface rebuilt every tick from the
// player's texture (rotated by `spin`, scrolled by `rollU`/`rollV`, bulged through a
// remap table), shading, tint, the course foreground around it and the cup lip or pipe
// front over a ball that has gone in. Drawing only; the tick clears the tint.

#include <array>
#include <cstdint>

#include "game/game_pictures.h"
#include "game/state.h"
#include "platform/display.h"

namespace orbigolf {

// Which of the 256 ball pixels (16 * row + column) are inside the round mask.
const std::array<bool, 256>& ballMask();
// The texel remap that bulges the middle of the texture.
const std::array<uint8_t, 256>& ballRemap();

// The ball of `player`, when it is in play and higher than -30.
// What the ball picture shows of a ball: the fields the drawing reads, taken at the
// moment the ball is drawn (the ball rules pass may change them later in the tick).
struct BallLook {
    double x = 0, y = 0, z = 0;
    double rollU = 0, rollV = 0;
    uint8_t spin = 0;
    uint8_t ballRows = 0;
    int32_t tint = 0;
    int32_t cupArea = 0;
    Boolean inPlay = 0, holed = 0, sunk = 0, piped = 0;
};
BallLook lookOf(const playerrec& b);

// The ball of `player` as `look` shows it; the rest (view, cup and pipe areas, course
// size) is read from the state.
void drawBall(platform::Display& d, const GameState& s, const GamePictures& p, int player, const BallLook& look);
// The ball of `player` as it is now.
void drawBall(platform::Display& d, const GameState& s, const GamePictures& p, int player);

}  // namespace orbigolf
