#pragma once
// The ball rules pass: balls sinking in water or fallen off the course are put
// back, balls in a pipe travel through it, balls in the cup sink and hole out,
// and the hole and the game end.

#include <array>
#include <string>

#include "game/effects.h"
#include "game/rules.h"
#include "game/state.h"

namespace orbigolf {

// Players 1..numPlayers from the back of the course (small rounded ground y) to
// the front; players on the same row keep their number order.
struct DepthOrder {
    std::array<int, kMaxPlayers> players{};
    int count = 0;
};
DepthOrder ballDepthOrder(const GameState& s);

// The result name of a hole played in `strokes` strokes on par `par`.
std::string scoreName(int32_t strokes, int32_t par);

// Steps A to D for the ball of one player, in that order.
void BallRulesPass(GameState& s, int player, const Rules& rules, Effects& fx);

// Drops a ball lost in water or off the course back near the drop point.
void RedropBall(GameState& s, int player, const Rules& rules, Effects& fx);

// Once the current player has used up par, the score to par follows every stroke.
void UpdateScoreToPar(GameState& s);

}  // namespace orbigolf
