#include "game/sprite_slots.h"

namespace orbigolf {

void advanceSpriteSlot(spriterec& slot, int32_t substeps, int32_t frames) {
    slot.tick += substeps;
    if (int64_t{slot.tick} >= 4 * int64_t{frames} || slot.tick > 254) {
        if (!slot.keep) {
            slot.x = 0;
            slot.y = 0;
            slot.image = 0;
            slot.keep = 0;
            slot.blend = 0;
            slot.pulse = 0;
        }
        slot.tick = 0;
    }
}

void advanceSpriteSlots(GameState& s, const std::function<int32_t(int32_t image)>& framesOf) {
    for (int i = kMaxSprites; i >= 1; --i) {
        spriterec& slot = s.sprites[i];
        if (spriteEmpty(slot)) continue;
        advanceSpriteSlot(slot, s.substeps, framesOf(slot.image));
    }
}

}  // namespace orbigolf
