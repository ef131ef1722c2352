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

void stepPulse(spriterec& slot) {
    if (slot.pulse <= 0) return;
    slot.pulse += 20;
    if (slot.pulse > 1000) slot.pulse = 4;
}

}  // namespace orbigolf
