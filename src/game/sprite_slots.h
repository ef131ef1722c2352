#pragma once
// How the animation of each sprite slot runs on from tick to tick.

#include <functional>

#include "game/state.h"

namespace orbigolf {

// A slot whose x and y are both 0 is empty.
inline bool spriteEmpty(const spriterec& slot) { return slot.x == 0 && slot.y == 0; }

// Advances one slot's animation by `substeps`; an animation that has shown all
// `frames` frames (or passed tick 254) ends: the slot is emptied unless it
// loops (`keep`), and its tick starts again at 0.
void advanceSpriteSlot(spriterec& slot, int32_t substeps, int32_t frames);

// Advances every non-empty slot, from slot 50 down to slot 1. `framesOf` gives
// the frame count of a picture of the hole's list.
void advanceSpriteSlots(GameState& s, const std::function<int32_t(int32_t image)>& framesOf);

}  // namespace orbigolf
