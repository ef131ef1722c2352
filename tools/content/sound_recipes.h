#pragma once
// Sound lists from recipe files: each line names a list position, the item's name, how
// many copies may play at once and the recipe with its settings, for example
//     3 cup_drop 2 notes notes=84,79,76,72 step=0.05 wave=bell decay=0.35
// Recipes: knock, noise, sweep, notes, boom, hum, music.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sources.h"
#include "synth.h"

namespace orbigolf::content {

struct SoundItem {
    int index = 0;
    std::string name;
    int maxPlayingCount = 0;
    bool looped = false;
    std::vector<int16_t> samples;
};

// The recipe's samples (mono, 16-bit, at kSampleRate).
std::vector<int16_t> synthesise(const std::string& recipe, const Params& params,
                                const std::filesystem::path& sources, const std::string& where);

// Reads the whole list; positions must run 0, 1, 2, ... without gaps.
std::vector<SoundItem> buildSoundList(const std::filesystem::path& recipes,
                                      const std::filesystem::path& sources);

}  // namespace orbigolf::content
