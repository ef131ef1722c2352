#pragma once
// The launch pad's picture menu: four spots over its 421 x 165 picture (start game, start
// training, setup, exit), each lit from the same place of the mask picture.

#include <vector>

#include "media/hot_spots.h"

namespace orbigolf::frontend {

inline constexpr int kMenuSpotStartGame = 0;
inline constexpr int kMenuSpotStartTraining = 1;
inline constexpr int kMenuSpotSetup = 2;
inline constexpr int kMenuSpotExit = 3;

// All enabled, empty hints, Id 1..4, a hot-only mask item at each spot's top-left corner.
std::vector<media::TSpot> launchPadMenuSpots();

}  // namespace orbigolf::frontend
