#include "game/state_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orbigolf {
namespace {

template <typename Record, std::size_t N>
void expectUniqueNames(const fields::Field<Record> (&table)[N]) {
    std::set<std::string_view> seen;
    for (const auto& f : table) EXPECT_TRUE(seen.insert(f.name).second) << f.name << " is listed twice";
}

TEST(StateFields, EveryNameIsListedOnce) {
    expectUniqueNames(fields::kPlayer);
    expectUniqueNames(fields::kGame);
}

TEST(StateFields, ValuesReadAsTheRecordsWriteThem) {
    GameState s;
    s.screenMode = ScreenMode::BetweenHoles;
    s.puttPhase = PuttPhase::BackswingSet;
    s.gameOver = 1;
    s.holeName = "course1hole2";
    s.pushPower = 12.5;
    s.flash = 200;
    EXPECT_EQ(fields::plainValue(s, fields::gameField("screenMode")), fields::Plain{int64_t{4}});
    EXPECT_EQ(fields::plainValue(s, fields::gameField("puttPhase")), fields::Plain{int64_t{3}});
    EXPECT_EQ(fields::plainValue(s, fields::gameField("gameOver")), fields::Plain{true});
    EXPECT_EQ(fields::plainValue(s, fields::gameField("exitAsked")), fields::Plain{false});
    EXPECT_EQ(fields::plainValue(s, fields::gameField("holeName")), fields::Plain{std::string("course1hole2")});
    EXPECT_EQ(fields::plainValue(s, fields::gameField("pushPower")), fields::Plain{12.5});
    EXPECT_EQ(fields::plainValue(s, fields::gameField("flash")), fields::Plain{int64_t{200}});

    playerrec& b = s.playerRecs[2];
    b.lastY = -3.25;
    b.ballRows = 15;
    b.sunk = 1;
    b.holeStrokes[2] = 6;
    EXPECT_EQ(fields::plainValue(b, fields::playerField("lastY")), fields::Plain{-3.25});
    EXPECT_EQ(fields::plainValue(b, fields::playerField("ballRows")), fields::Plain{int64_t{15}});
    EXPECT_EQ(fields::plainValue(b, fields::playerField("sunk")), fields::Plain{true});
    const std::vector<int32_t> strokes{0, 6, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(fields::plainValue(b, fields::playerField("holeStrokes")), fields::Plain{strokes});
}

}  // namespace
}  // namespace orbigolf
