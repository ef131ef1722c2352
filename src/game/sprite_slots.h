#pragma once
// How the animation of each sprite slot runs on from tick to tick.

#include "game/state.h"

namespace orbigolf {

// A slot whose x and y are both 0 is empty.
inline bool spriteEmpty(const spriterec& slot) { return slot.x == 0 && slot.y == 0; }

// Advances one slot's animation by `substeps`; an animation that has shown all
// `frames` frames (or passed tick 254) ends: the slot is emptied unless it
// loops (`keep`), and its tick starts again at 0.
void advanceSpriteSlot(spriterec& slot, int32_t substeps, int32_t frames);

// A blinking slot's fade counter runs on by 20 a tick and restarts at 4 past
// 1000, so the picture shows while the counter runs 4..254 and hides otherwise.
void stepPulse(spriterec& slot);

}  // namespace orbigolf
