// The score card's summary line and rank titles, and where the card puts its figures.

#include <gtest/gtest.h>

#include "drawing_test_support.h"
#include "game/score_card.h"

namespace orbigolf {
namespace {

GameState cardState(int players) {
    GameState s;
    s.numPlayers = players;
    s.curPlayer = 1;
    for (int p = 1; p <= 4; ++p) s.playerRecs[p].name = "Player " + std::to_string(p);
    return s;
}

TEST(ScoreCardSummary, OnePlayerScoresAndTitles) {
    GameState s = cardState(1);
    s.gameOver = 1;
    s.playerRecs[1].scoreToPar = -1;
    const std::string summary = scoreCardSummary(s, ScoringRule::LowestScore);
    EXPECT_EQ(summary, "WINNER - PLAYER 1 SCORE 1 UNDER - RANK SPACE CADET");
    EXPECT_EQ(summary.size(), 50u);
    EXPECT_EQ(summary.substr(0, 39), "WINNER - PLAYER 1 SCORE 1 UNDER - RANK ");

    s.playerRecs[1].scoreToPar = 0;
    EXPECT_EQ(scoreCardSummary(s, ScoringRule::LowestScore), "SCORE EVEN - RANK EVEN STEVEN");
    s.playerRecs[1].scoreToPar = 20;
    EXPECT_EQ(scoreCardSummary(s, ScoringRule::LowestScore), "WINNER - PLAYER 1 SCORE 20 OVER   RANK - COSMIC PUTTS");
    s.gameOver = 0;
    s.playerRecs[1].scoreToPar = 3;
    EXPECT_EQ(scoreCardSummary(s, ScoringRule::LowestScore), "LEADER - PLAYER 1 SCORE 3 OVER ");
}

TEST(ScoreCardSummary, TheNineteenTitles) {
    EXPECT_STREQ(rankTitle(-30), "  RANK - MINIGOLF LEGEND");
    EXPECT_STREQ(rankTitle(-8), "- RANK MINIGOLF LEGEND");
    EXPECT_STREQ(rankTitle(-7), "- RANK SPACE ACE");
    EXPECT_STREQ(rankTitle(-6), "- RANK HYPER-THRUSTER");
    EXPECT_STREQ(rankTitle(-5), "- RANK BIG DIPPER");
    EXPECT_STREQ(rankTitle(-4), "- RANK STARBUCK");
    EXPECT_STREQ(rankTitle(-3), "- RANK SPACE COWBOY");
    EXPECT_STREQ(rankTitle(-2), "- RANK MINI-BANG");
    EXPECT_STREQ(rankTitle(1), "- RANK LITTLE DIPPER");
    EXPECT_STREQ(rankTitle(2), "- RANK LITTLE DIPPER");
    EXPECT_STREQ(rankTitle(4), "- RANK GREENSKEEPER");
    EXPECT_STREQ(rankTitle(5), "- RANK WORMHOLE");
    EXPECT_STREQ(rankTitle(8), "- RANK ASTEROID");
    EXPECT_STREQ(rankTitle(9), "- RANK MOON CHEESE");
    EXPECT_STREQ(rankTitle(12), "- RANK RIMMED OUT");
    EXPECT_STREQ(rankTitle(13), "- RANK COMMANDER SHANK");
    EXPECT_STREQ(rankTitle(16), "- RANK ASTRO CADDY");
    EXPECT_STREQ(rankTitle(17), "- RANK COLOSSAL DIVOT");
    EXPECT_STREQ(rankTitle(19), "- RANK COSMIC PUTTS");
    EXPECT_STREQ(rankTitle(INT32_MAX), "  RANK - COSMIC PUTTS");
}

TEST(ScoreCardSummary, SeveralPlayersByEitherRule) {
    GameState s = cardState(3);
    s.gameOver = 1;
    s.playerRecs[1].scoreToPar = 2;
    s.playerRecs[2].scoreToPar = 1;
    s.playerRecs[3].scoreToPar = 1;
    s.playerRecs[3].name = "zoe";
    EXPECT_EQ(scoreCardSummary(s, ScoringRule::LowestScore), "WINNER - PLAYER 2 ZOE ");
    s.gameOver = 0;
    EXPECT_EQ(scoreCardSummary(s, ScoringRule::MostHolesWon), "LEADER - PLAYER 1 PLAYER 2 ZOE ");
    s.playerRecs[2].holesWon = 2;
    EXPECT_EQ(scoreCardSummary(s, ScoringRule::MostHolesWon), "LEADER - PLAYER 2 ");

    updateScoreCardSummary(s, ScoringRule::MostHolesWon);
    EXPECT_EQ(s.message, "LEADER - PLAYER 2 ");
}

TEST(ScoreCardDrawing, EmptyCellsAndTheTotalParOnlyAtTheEnd) {
    platform::Display d;
    testing::initDisplay(d, 800, 480);
    TDXImageList gui, menu;
    testing::fillList(menu, 6);
    testing::setItem(menu, 4, testing::solidItem(640, 400, media::makeRgb(0, 0, 64)));
    testing::setItem(menu, 5, testing::solidItem(4 * 67, 4, media::makeRgb(255, 255, 255), 4, 4));
    const GamePictures pics{&gui, &menu, nullptr};
    GameState s = cardState(1);
    s.pars[1] = 3;
    s.playerRecs[1].holeStrokes[1] = 4;
    s.playerRecs[1].holeStrokes[2] = 0;  // a hole played in 0 strokes stays empty
    s.coursePar = 9;
    DrawScoreCard(d, s, pics, ScoringRule::LowestScore);
    const int cardX = 80, cardY = 40;
    const platform::Pixel565 white = platform::toRgb565(255, 255, 255);
    EXPECT_EQ(testing::raw(d, cardX + 167 + 4, cardY + 175), white);       // hole 1 strokes
    EXPECT_NE(testing::raw(d, cardX + 167 + 39 + 4, cardY + 175), white);  // hole 2 empty
    EXPECT_EQ(testing::raw(d, cardX + 169 + 4, cardY + 146), white);       // par of hole 1
    EXPECT_NE(testing::raw(d, cardX + 536 + 4, cardY + 146), white);       // no total par yet
    EXPECT_EQ(testing::raw(d, 10, 10), 0);                                 // cleared around the card
    s.gameOver = 1;
    DrawScoreCard(d, s, pics, ScoringRule::LowestScore);
    EXPECT_EQ(testing::raw(d, cardX + 536 + 4, cardY + 146), white);
}

}  // namespace
}  // namespace orbigolf
