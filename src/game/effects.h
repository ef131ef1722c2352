#pragma once
// The narrow outlet through which the rules reach sound and the mouse cursor.
// The game screen plays real sounds; tests and tools record or drop them.

#include "game/state.h"

namespace orbigolf {

class Effects {
public:
    virtual ~Effects() = default;
    // Item n of the game's `sounds` list, from its start.
    virtual void playSound(int n) = 0;
    // Item n of the hole's `bgsounds` list.
    virtual void playBackgroundSound(int n) = 0;
    // Park the mouse cursor at the centre of the display surface.
    virtual void parkCursor() = 0;
    // The volume of item n of `sounds`, in hundredths of a decibel, for sounds whose
    // loudness follows their distance; outlets without sound ignore it.
    virtual void setSoundVolume(int /*n*/, int /*hundredthsDb*/) {}
};

// An outlet that does nothing, for callers that want no side effects.
class SilentEffects final : public Effects {
public:
    void playSound(int) override {}
    void playBackgroundSound(int) override {}
    void parkCursor() override {}
};

// Game sound n plays only while sound effects are on.
inline void playGameSound(const GameState& s, Effects& fx, int n) {
    if (s.soundOn) fx.playSound(n);
}

inline void playHoleSound(const GameState& s, Effects& fx, int n) {
    if (s.soundOn) fx.playBackgroundSound(n);
}

}  // namespace orbigolf
