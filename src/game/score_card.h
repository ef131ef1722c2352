#pragma once
// The score card page: every player's strokes hole by hole with the pars, the winner or
// leader by the scoring rule and, for one player, the score against par and a rank title.

#include <string>

#include "game/game_pictures.h"
#include "game/rules.h"
#include "game/state.h"
#include "platform/display.h"

namespace orbigolf {

// The rank title of a one-player game finished `scoreToPar` strokes from par.
const char* rankTitle(int32_t scoreToPar);

// The summary line: "WINNER - " or "LEADER - ", the best players' names, and for one
// player the score to par (and, once the game is over, the title).
std::string scoreCardSummary(const GameState& s, ScoringRule scoring);

// The card's summary is also the text of the message line, so that it can be repeated
// after the card is closed.
void updateScoreCardSummary(GameState& s, ScoringRule scoring);

// Draws the card page over a black screen; the summary is the first 39 characters of
// `message`.
void drawScoreCard(platform::Display& d, const GameState& s, const GamePictures& p, ScoringRule scoring);

// Both, as the page step of a tick in score card mode does.
void DrawScoreCard(platform::Display& d, GameState& s, const GamePictures& p, ScoringRule scoring);

}  // namespace orbigolf
