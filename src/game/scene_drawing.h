#pragma once
// Drawing of the scene under the balls: the course picture, the sprite slots and the
// debris particles. These only put pixels on the display; the tick moves everything.

#include "game/game_pictures.h"
#include "game/state.h"
#include "platform/display.h"

namespace orbigolf {

// Course picture 0 at the view; a course smaller than the screen is drawn on black.
void drawCoursePicture(platform::Display& d, const GameState& s, const GamePictures& p);

// One sprite slot by its drawing mode: plain, subtractive (blend < 0), additive
// (blend > 0) and the blinking pulse. An empty slot or a picture number outside the
// hole's list draws nothing.
void drawSpriteSlot(platform::Display& d, const GameState& s, const GamePictures& p, const spriterec& slot);

// Alpha strength of a pulsing slot (rising to full and falling again while the counter
// runs 1..254); 0 when nothing is drawn.
int pulseStrength(int32_t pulse);

// One active particle: its ground shadow (a streak or a dot) and itself (a streak from
// the last position or a dot).
void drawParticle(platform::Display& d, const GameState& s, const particlerec& particle);

}  // namespace orbigolf
