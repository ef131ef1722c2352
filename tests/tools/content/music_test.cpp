// The menu music from a score: its length follows the score, and the circular rendering
// makes the end run into the start.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "built_set.h"
#include "music.h"
#include "sources.h"

namespace orbigolf::content::test {
namespace {

std::filesystem::path writeScore(const char* text) {
    static const auto dir = scratchDir("music");
    const auto f = dir / "score.txt";
    FILE* out = std::fopen(f.string().c_str(), "w");
    std::fputs(text, out);
    std::fclose(out);
    return f;
}

TEST(Music, LengthIsBarsTimesStepsTimesStep) {
    const auto s = composeMusic(writeScore("step 1000\nsteps_per_bar 4\nchord 45 57 60 64\n"
                                           "chord 41 57 60 65\narp 0 1 2 1\n"),
                                -3);
    EXPECT_EQ(s.size(), 2u * 4u * 1000u);
}

TEST(Music, NotesRingingPastTheEndContinueAtTheStart) {
    // One short bar: every pad swells for longer than the loop, so without wrapping the
    // start would be silent and the end loud.
    const auto s = composeMusic(writeScore("step 2000\nsteps_per_bar 4\nchord 45 57 60 64\narp 0\n"), -3);
    int startPeak = 0, largestStep = 0;
    for (size_t i = 0; i < 200; ++i) startPeak = std::max(startPeak, std::abs(static_cast<int>(s[i])));
    for (size_t i = 1; i < s.size(); ++i)
        largestStep = std::max(largestStep, std::abs(s[i] - s[i - 1]));
    EXPECT_GT(startPeak, 1000);
    EXPECT_LE(std::abs(s.front() - s.back()), largestStep);
}

TEST(Music, ScoresNeedChordsAndAnArpeggio) {
    EXPECT_THROW(composeMusic(writeScore("step 1000\narp 0 1\n"), -3), SourceError);
    EXPECT_THROW(composeMusic(writeScore("chord 45 57 60\n"), -3), SourceError);
    EXPECT_THROW(composeMusic(writeScore("chord 45 57 sixty\narp 0\n"), -3), SourceError);
    EXPECT_THROW(composeMusic(writeScore("tempo 90\nchord 45 57 60\narp 0\n"), -3), SourceError);
}

}  // namespace
}  // namespace orbigolf::content::test
