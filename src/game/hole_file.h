#pragma once
// Reading a hole definition file into the game state: ball start positions (the
// tee scatter), par, the 99 areas, the cup and the next hole's name.

#include <optional>
#include <string>

#include "game/state.h"

namespace orbigolf {

// Tries this many candidate positions per ball before keeping the last one, so
// that a tee crowded by the other records' positions cannot stall hole set-up.
constexpr int kTeeScatterAttempts = 1000;

// Reads the file at `path`. A missing or unreadable file is not an error: every
// key then takes its default, and the reason is returned for whoever wants to
// tell the player. Relies on numPlayers (1..4) and holeNum (1..9).
std::optional<std::string> ReadHoleFile(GameState& s, const std::string& path);

// The same from an already parsed file.
class IniFile;
void readHole(GameState& s, const IniFile& ini);

}  // namespace orbigolf
