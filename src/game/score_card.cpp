#include "game/score_card.h"

#include <algorithm>

#include "game/fonts.h"
#include "game/picture_numbers.h"

namespace orbigolf {

const char* rankTitle(int32_t s) {
    if (s < -8) return "  RANK - MINIGOLF LEGEND";
    switch (s) {
        case -8: return "- RANK MINIGOLF LEGEND";
        case -7: return "- RANK SPACE ACE";
        case -6: return "- RANK HYPER-THRUSTER";
        case -5: return "- RANK BIG DIPPER";
        case -4: return "- RANK STARBUCK";
        case -3: return "- RANK SPACE COWBOY";
        case -2: return "- RANK MINI-BANG";
        case -1: return "- RANK SPACE CADET";
        case 0: return "- RANK EVEN STEVEN";
        default: break;
    }
    if (s <= 2) return "- RANK LITTLE DIPPER";
    if (s <= 4) return "- RANK GREENSKEEPER";
    if (s <= 6) return "- RANK WORMHOLE";
    if (s <= 8) return "- RANK ASTEROID";
    if (s <= 10) return "- RANK MOON CHEESE";
    if (s <= 12) return "- RANK RIMMED OUT";
    if (s <= 14) return "- RANK COMMANDER SHANK";
    if (s <= 16) return "- RANK ASTRO CADDY";
    if (s <= 18) return "- RANK COLOSSAL DIVOT";
    if (s == 19) return "- RANK COSMIC PUTTS";
    return "  RANK - COSMIC PUTTS";
}

std::string scoreCardSummary(const GameState& s, ScoringRule scoring) {
    const int players = std::min(s.numPlayers, kMaxPlayers);
    const bool byHoles = scoring == ScoringRule::MostHolesWon;
    auto value = [&](int h) { return byHoles ? s.playerRecs[h].holesWon : s.playerRecs[h].scoreToPar; };
    int32_t best = byHoles ? 0 : 500;
    for (int h = 1; h <= players; ++h)
        if (byHoles ? value(h) > best : value(h) < best) best = value(h);

    std::string text = s.gameOver ? "WINNER - " : "LEADER - ";
    for (int h = 1; h <= players; ++h)
        if (value(h) == best) text += upperCase(s.playerRecs[h].name) + " ";
    if (players == 1) {
        const int32_t score = s.playerRecs[1].scoreToPar;
        if (score == 0)
            text = "SCORE EVEN ";
        else if (score < 0)
            text += "SCORE " + std::to_string(-int64_t{score}) + " UNDER ";
        else
            text += "SCORE " + std::to_string(score) + " OVER ";
        if (s.gameOver) text += rankTitle(score);
    }
    return text;
}

void updateScoreCardSummary(GameState& s, ScoringRule scoring) { s.message = scoreCardSummary(s, scoring); }

void drawScoreCard(platform::Display& d, const GameState& s, const GamePictures& p, ScoringRule scoring) {
    d.fill(0);
    const platform::Picture* card = pictureOf(p.menu, menu::kScoreCard);
    const int cardW = card != nullptr ? card->frameWidth() : 0;
    const int cardH = card != nullptr ? card->frameHeight() : 0;
    const int cardX = (d.width() - cardW) / 2;
    const int cardY = (d.height() - cardH) / 2;
    if (card != nullptr) d.drawFrame(*card, 0, cardX, cardY);

    if (s.gameOver) DrawCardText(d, p, std::to_string(s.coursePar), cardX + (s.coursePar >= 10 ? 528 : 536), cardY + 146);
    const int players = std::min(s.numPlayers, kMaxPlayers);
    for (int h = 1; h <= players; ++h) {
        const playerrec& pl = s.playerRecs[h];
        const int y = cardY + 175 + 36 * (h - 1);
        DrawCardText(d, p, upperCase(pl.name.substr(0, 14)), cardX + 28, y);
        DrawCardText(d, p, std::to_string(pl.totalStrokes), cardX + (pl.totalStrokes >= 10 ? 526 : 534), y);
        for (int f = 1; f <= kMaxHoles; ++f) {
            if (pl.holeStrokes[f] != 0) DrawCardText(d, p, std::to_string(pl.holeStrokes[f]), cardX + 167 + 39 * (f - 1), y);
            if (s.pars[f] != 0) DrawCardText(d, p, std::to_string(s.pars[f]), cardX + 169 + 39 * (f - 1), cardY + 146);
        }
        if (scoring == ScoringRule::MostHolesWon && players > 1)
            DrawCardText(d, p, std::to_string(pl.holesWon), cardX + 572, y);
    }
    DrawCardText(d, p, std::string_view(s.message).substr(0, 39), cardX + 154, cardY + 319);
}

void DrawScoreCard(platform::Display& d, GameState& s, const GamePictures& p, ScoringRule scoring) {
    updateScoreCardSummary(s, scoring);
    drawScoreCard(d, s, p, scoring);
}

}  // namespace orbigolf
