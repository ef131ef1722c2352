#pragma once
// The state changes of starting a game and of setting up a hole. Loading the
// hole's files and the loading screen belong to the game screen, which calls these.

#include <string>

#include "game/rules.h"
#include "game/state.h"

namespace orbigolf {

struct PlayerChoice {
    std::string name;
    bool pullPutt = true;
    bool easyTarget = false;
};

// Scores, names and putting methods of all four records, and the game-wide
// counters, as a new game starts.
void resetForNewGame(GameState& s, int numPlayers, const PlayerChoice (&choices)[kMaxPlayers]);

// Per-hole resets of the balls, particles, putting and view, after the hole file
// has been read.
void resetForNewHole(GameState& s);

// Empties all sprite slots and fills the fixed slots of the named hole.
void placeFixedSprites(GameState& s);

// Every state step of hole set-up after the files are loaded: resets, start
// player, sprites and the hole start card.
void setUpHoleState(GameState& s, const Rules& rules);

}  // namespace orbigolf
