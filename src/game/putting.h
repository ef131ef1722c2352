#pragma once
// Putting with the mouse: the pull putt (press on the ball, pull back, release) and the
// push putt (click, aim sideways, click, take the club back, click, swing forward). The
// mouse handlers change the phase; the tick step aims, swings, draws the aim marker, the
// club with its shadow and the gauge, and strikes the ball.

#include "game/effects.h"
#include "game/game_pictures.h"
#include "game/state.h"
#include "platform/display.h"
#include "platform/events.h"

namespace orbigolf {

// The anchor goes to the centre of the screen and the system pointer is moved there.
void parkCursor(GameState& s, int screenW, int screenH, Effects& fx);

// Whether the mouse is near the current player's ball (within 24 pixels).
bool mouseNearBall(const GameState& s);

void puttMouseMove(GameState& s, int x, int y);
void puttMouseDown(GameState& s, platform::MouseButton button, int screenW, int screenH, Effects& fx);
void puttMouseUp(GameState& s, platform::MouseButton button, int screenW, int screenH, Effects& fx);

// The tick step: runs every tick whatever the screen mode.
void puttingStep(GameState& s, Effects& fx, platform::Display& d, const GamePictures& p);

}  // namespace orbigolf
