#pragma once
// The view: which part of the course picture is on screen. Each step changes only the
// view variables of the state; moveView runs them in the game's order.

#include "game/state.h"

namespace orbigolf {

// Glides a quarter of the way to the current ball while `recentre` is set, and stops
// the glide once it has arrived or cannot get closer.
void glideToBall(GameState& s, int screenW, int screenH);
// Keeps the followed ball at least 128 pixels inside the screen.
void followPlay(GameState& s, int screenW, int screenH);
// Scrolling by hand: mouse at a screen edge or arrow keys, with speeds in eighths of a
// pixel scaled by `substeps`.
void freeScroll(GameState& s, int screenW, int screenH);
// Keeps the view on the course picture; a picture narrower or lower than the screen is
// centred. Returns true when the picture does not cover the screen (the caller clears
// the back buffer first).
bool limitView(GameState& s, int screenW, int screenH);

// The whole view step of a tick; returns what limitView returns.
bool moveView(GameState& s, int screenW, int screenH);

}  // namespace orbigolf
