#include "game/hole_file.h"

#include "game/area_kinds.h"
#include "game/geometry.h"
#include "game/ini_file.h"

namespace orbigolf {

namespace {

bool tooCloseToOtherBalls(const GameState& s, int p, double x, double y) {
    const int32_t cx = roundInt(x);
    const int32_t cy = roundInt(y);
    for (int other = 1; other <= kMaxPlayers; ++other) {
        if (other == p) continue;
        const playerrec& o = s.playerRecs[other];
        if (groundDist(cx, cy, roundInt(o.x), roundInt(o.y)) < 18) return true;
    }
    return false;
}

// Scatters the ball of player p around the tee on an ellipse of radius 4..31,
// away from every other record's stored position (also of players not in the game).
void placeBall(GameState& s, const IniFile& ini, int p) {
    double x = 0;
    double y = 0;
    for (int attempt = 1; attempt <= kTeeScatterAttempts; ++attempt) {
        const int32_t teeX = ini.integer("ball", "x", 320);
        const int32_t teeY = ini.integer("ball", "y", 240);
        const int32_t a = s.random(256);
        const int32_t d = s.random(28) + 4;
        x = teeX + turnCos(a) * d;
        y = teeY + turnSin(a) * d / 2;
        if (!tooCloseToOtherBalls(s, p, x, y)) break;
    }
    s.playerRecs[p].x = x;
    s.playerRecs[p].y = y;
}

void readArea(const IniFile& ini, int n, arearec& a) {
    const std::string section = "area" + std::to_string(n);
    if (!ini.hasKeys(section)) {
        a = arearec{};
        return;
    }
    a.kind = ini.integer(section, "kind", 0);
    a.x1 = ini.integer(section, "x1", 0);
    a.y1 = ini.integer(section, "y1", 0);
    a.r = ini.integer(section, "r", 0);
    a.x2 = ini.integer(section, "x2", 0);
    a.y2 = ini.integer(section, "y2", 0);
    a.x3 = ini.integer(section, "x3", 0);
    a.y3 = ini.integer(section, "y3", 0);
    a.x4 = ini.integer(section, "x4", 0);
    a.y4 = ini.integer(section, "y4", 0);
    a.p1 = ini.integer(section, "p1", 0);
    a.p2 = ini.integer(section, "p2", 0);
    a.p3 = ini.integer(section, "p3", 0);
    a.p4 = ini.integer(section, "p4", 0);
    a.p5 = ini.integer(section, "p5", 0);
    a.p6 = ini.integer(section, "p6", 0);
    a.enabled = ini.flag(section, "enabled") ? 1 : 0;
    a.comment = ini.text(section, "comment");
}

}  // namespace

std::optional<std::string> ReadHoleFile(GameState& s, const std::string& path) {
    std::string whyNot;
    readHole(s, IniFile::load(path, &whyNot));
    if (whyNot.empty()) return std::nullopt;
    return whyNot;
}

void readHole(GameState& s, const IniFile& ini) {
    for (int p = 1; p <= s.numPlayers && p <= kMaxPlayers; ++p) placeBall(s, ini, p);

    s.holePar = ini.integer("course", "par", 3);
    if (s.pars.inRange(s.holeNum)) s.pars[s.holeNum] = s.holePar;
    s.coursePar = wrapInt(int64_t{s.coursePar} + s.holePar);

    for (int n = 1; n <= kMaxAreas; ++n) {
        arearec& a = s.areas[n];
        readArea(ini, n, a);
        if (a.kind == area::kCup) {
            s.cupX = a.x1;
            s.cupY = a.y1;
            s.nextHole = a.comment;
        }
    }
}

}  // namespace orbigolf
