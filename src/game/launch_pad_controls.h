#pragma once
// The launch pad's controls as the game screen reads them: the chosen options, the rule
// choices and the four per-player entries. They start as the form's defaults; the launch
// pad fills them from its controls, and a version 1 replay sets them by name.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/rules.h"

namespace orbigolf {

struct LaunchPadControls {
    // Resolution radio buttons (one group); the 512 x 384 one is hidden on the form.
    bool screen640 = true, screen800 = false, screen1024 = false, screen512 = false;
    bool fastwrite = true;
    int frameskip = 0;  // "60fps", "30fps", "15fps", "none"
    bool soundon = true, soundoff = false;  // one radio group
    bool bgsounds = true;
    std::string skin = "[default interface]";
    bool training = false;
    int course = 0;   // "Demo Course"
    int players = 0;  // "1 Player" .. "4 Player"
    std::array<std::string, 4> player{"Player 1", "Player 2", "Player 3", "Player 4"};
    std::array<bool, 4> pull{true, true, true, true};
    std::array<bool, 4> easy{false, false, false, false};
    // Ball pictures as file names relative to the data folder; empty keeps the form's
    // own ball picture.
    std::array<std::string, 4> image{};
    int startplayer = 0;  // LIFO, FIFO, Random
    int nextplayer = 0;   // Sequential, Farthest Away from Hole
    int whencollide = 0;  // Never, When Touching
    int scoring = 0;      // Lowest Score, Most Holes Won
    int strokelimit = 0;  // "9", "8", "7", "6"
    bool plus1 = false, minus1 = false;

    // The text of the selected stroke limit entry.
    std::string strokeLimitText() const;
    // The rule choices as the rules engine reads them.
    Rules rules() const;

    // Every control name the game reads, in a fixed order.
    static const std::vector<std::string>& names();
    // Sets a control from its text form (index, 0/1, text or file name). Returns why the
    // value is refused, or nothing when it was taken. Checking a radio button unchecks
    // the others of its group, as on the form.
    std::optional<std::string> set(std::string_view name, std::string_view value);
    // The text form of a control's value; nothing for an unknown name.
    std::optional<std::string> get(std::string_view name) const;
};

}  // namespace orbigolf
