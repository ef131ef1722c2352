#pragma once
// The launch pad's rule controls as the game reads them while it runs. The front
// end keeps one of these up to date from its controls; tests and tools fill it in.

#include <string>

namespace orbigolf {

enum class StartPlayerRule { Lifo = 0, Fifo = 1, Random = 2 };
enum class NextPlayerRule { Sequential = 0, FarthestFromHole = 1 };
enum class ScoringRule { LowestScore = 0, MostHolesWon = 1 };

struct Rules {
    bool collide = false;   // `whencollide`: any choice after "Never" means "When Touching"
    bool plus1 = false;     // bonus stroke on collision
    bool minus1 = false;    // penalty stroke for water and falling off
    bool training = false;  // training game
    std::string strokelimit = "9";
    NextPlayerRule nextplayer = NextPlayerRule::Sequential;
    StartPlayerRule startplayer = StartPlayerRule::Lifo;
    ScoringRule scoring = ScoringRule::LowestScore;
};

}  // namespace orbigolf
