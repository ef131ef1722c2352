// The sounds of the built set, read back from the list files: count, format, level,
// clean starts and ends, and a seamless music loop.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "built_set.h"
#include "media/sound_list_file.h"
#include "sound_recipes.h"
#include "synth.h"

namespace orbigolf::content::test {
namespace {

std::vector<int16_t> samplesOf(const media::SoundListItem& item) {
    const media::Wave& w = item.wave;
    std::vector<int16_t> s(w.samples.size() / 2);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>(w.samples[2 * i] | (w.samples[2 * i + 1] << 8));
    return s;
}

int peakOf(const std::vector<int16_t>& s) {
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

void expectPlayable(const media::SoundListItem& item) {
    SCOPED_TRACE(item.name);
    const media::WaveFormat& f = item.wave.format;
    EXPECT_EQ(f.formatTag, media::kWaveFormatPcm);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.samplesPerSec, 22050u);
    EXPECT_EQ(f.bitsPerSample, 16);
    EXPECT_GT(item.wave.frames(), 500u);
    // Peaks at about -3 dB (a few quiet fillers lower), never clipping.
    const int peak = peakOf(samplesOf(item));
    EXPECT_LE(peak, 23300);
    EXPECT_GE(peak, 3000);
}

// A sound that does not loop starts and ends at silence (no click).
void expectCleanEnds(const media::SoundListItem& item) {
    const auto s = samplesOf(item);
    ASSERT_FALSE(s.empty());
    EXPECT_LE(std::abs(s.front()), 64) << item.name;
    EXPECT_LE(std::abs(s.back()), 64) << item.name;
}

TEST(ContentSounds, GameListHoldsTwentyEightPlayableSounds) {
    const auto list = media::loadSoundListFile((builtSet() / "sound.dxw").string());
    ASSERT_EQ(list.items.size(), 28u);
    for (const auto& item : list.items) {
        expectPlayable(item);
        EXPECT_GE(item.maxPlayingCount, 1) << item.name;
        EXPECT_LE(item.maxPlayingCount, 4) << item.name;
        if (item.name != "loading_loop") expectCleanEnds(item);
    }
    // Sounds for distinct events are distinct recordings.
    for (size_t a = 0; a < list.items.size(); ++a)
        for (size_t b = a + 1; b < list.items.size(); ++b)
            EXPECT_NE(list.items[a].wave.samples, list.items[b].wave.samples)
                << list.items[a].name << " and " << list.items[b].name;
}

// The jump across the loop point is no larger than the jumps inside the sound.
void expectSeamlessLoop(const std::vector<int16_t>& s, const std::string& name) {
    int largest = 0;
    for (size_t i = 1; i < s.size(); ++i) largest = std::max(largest, std::abs(s[i] - s[i - 1]));
    EXPECT_LE(std::abs(s.front() - s.back()), largest) << name;
}

TEST(ContentSounds, LoadingLoopRepeatsWithoutASeam) {
    const auto list = media::loadSoundListFile((builtSet() / "sound.dxw").string());
    expectSeamlessLoop(samplesOf(list.items[6]), "loading loop");
}

TEST(ContentSounds, MenuListHoldsMusicClickSpareAndFlip) {
    const auto list = media::loadSoundListFile((builtSet() / "menu.dxw").string());
    ASSERT_EQ(list.items.size(), 4u);
    for (const auto& item : list.items) expectPlayable(item);
    const auto music = samplesOf(list.items[0]);
    EXPECT_GE(music.size(), 20u * 22050u);
    expectSeamlessLoop(music, "menu music");
    for (size_t i = 1; i < 4; ++i) expectCleanEnds(list.items[i]);
}

TEST(ContentSounds, SamplesPeakAtTheAskedLevelAndFadeAtTheEnds) {
    Signal s(2000, 0.0);
    for (size_t i = 0; i < s.size(); ++i) s[i] = 0.5 * std::sin(static_cast<double>(i) * 0.3);
    const auto out = toSamples(s, -3, 2, 15);
    EXPECT_NEAR(peakOf(out), 23197, 2);  // 32767 at -3 dB
    EXPECT_EQ(out.front(), 0);
    EXPECT_EQ(out.back(), 0);
    EXPECT_EQ(peakOf(toSamples(Signal(100, 0.0), -3, 2, 15)), 0);  // silence stays silent
}

TEST(ContentSounds, NoiseIsTheSameForTheSameSeed) {
    Noise a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const double x = a.next();
        EXPECT_EQ(x, b.next());
        EXPECT_GE(x, -1.0);
        EXPECT_LT(x, 1.0);
        differs |= x != c.next();
    }
    EXPECT_TRUE(differs);
}

TEST(ContentSounds, RecipeListsMustRunWithoutGapsAndNameKnownRecipes) {
    const auto dir = scratchDir("recipes");
    auto write = [&](const char* text) {
        const auto f = dir / "list.txt";
        FILE* out = std::fopen(f.string().c_str(), "w");
        std::fputs(text, out);
        std::fclose(out);
        return f;
    };
    EXPECT_THROW(buildSoundList(write("1 late 1 knock\n"), sourcesDir()), SourceError);
    EXPECT_THROW(buildSoundList(write("0 odd 1 whistle\n"), sourcesDir()), SourceError);
    EXPECT_THROW(buildSoundList(write("0 bad 1 knock tone=high\n"), sourcesDir()), SourceError);
    const auto ok = buildSoundList(write("# a comment\n0 tick 2 knock length=0.05\n"), sourcesDir());
    ASSERT_EQ(ok.size(), 1u);
    EXPECT_EQ(ok[0].maxPlayingCount, 2);
    EXPECT_EQ(ok[0].samples.size(), static_cast<size_t>(samplesFor(0.05)));
}

}  // namespace
}  // namespace orbigolf::content::test
