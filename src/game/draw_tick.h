#pragma once
// The drawing of one game tick: the state after gameTick plus what gameTick noted in its
// FrameRecord give the picture, the same on every machine. Nothing here changes the game
// state.

#include "game/effects.h"
#include "game/game_pictures.h"
#include "game/game_tick.h"
#include "game/rules.h"
#include "game/state.h"
#include "platform/display.h"

namespace orbigolf {

// Course, sprite slots, particles and balls (or the black left by the next hole's
// loading screen), putting aids, scenery, heads-up display and pointer. The page flip
// is the caller's.
void drawTick(const GameState& s, const Rules& rules, const FrameRecord& record, platform::Display& d,
              const GamePictures& p);

// A whole tick drawn headlessly, for callers without a game timer: gameTick at the frame
// rate that keeps `substeps`, on the display's screen, without a next hole to set up,
// then drawTick. Does nothing while the display is not ready.
void drawGameTick(GameState& s, const Rules& rules, Effects& fx, platform::Display& d, const GamePictures& p);

}  // namespace orbigolf
