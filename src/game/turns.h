#pragma once
// Whose turn it is and which hole comes next.

#include <string>

#include "game/effects.h"
#include "game/rules.h"
#include "game/screen_size.h"
#include "game/state.h"

namespace orbigolf {

// Names of the first holes of a game.
inline const std::string kTrainingHole = "training1";
inline const std::string kFirstCourseHole = "course1hole1";

// At the end of a stroke: the repeat turn of a bonus stroke, or the stroke limit
// and the next player by the `nextplayer` rule. Either way the cursor is parked at
// the centre of the screen, which becomes the putting anchor.
void EndOfStroke(GameState& s, const Rules& rules, ScreenSize screen, Effects& fx);

// At hole set-up: who starts the hole by the `startplayer` rule; only that
// player's ball comes into play.
void ChooseStartPlayer(GameState& s, const Rules& rules);

// Once per tick: when the between-holes screen has faded, moves on to the next
// hole's name and returns true; the caller then sets up that hole.
bool BetweenHolesStep(GameState& s);

// The first hole of a game: the training hole or the first hole of the course.
void FirstHole(GameState& s, const Rules& rules, int courseIndex);

// The stroke limit read from its text; a text that is not a number sets no limit.
int strokeLimitOf(const Rules& rules);

}  // namespace orbigolf
