// Wave files made by other programs: odd chunks, pad bytes present or missing, sizes that lie.

#include <gtest/gtest.h>

#include <filesystem>

#include "corpus_test_support.h"
#include "media/file_read.h"
#include "media/wave.h"

namespace orbigolf::media {
namespace {

using test::corpusDir;
using test::corpusFile;

TEST(CorpusWav, PlayableFilesGiveTheirSamples) {
    ORBIGOLF_REQUIRE_CORPUS("wav");
    struct Expect {
        const char* file;
        uint32_t rate;
        uint16_t bits;
        uint16_t channels;
        uint32_t frames;
    };
    const Expect expected[] = {
        {"allegro-pas/intro.wav", 11025, 8, 1, 36711},    // odd data, no pad byte at the end
        {"allegro-pas/bomb.wav", 8000, 8, 1, 6778},
        {"go-audio/listinfo.wav", 44100, 16, 1, 88200},   // LIST before data
        {"go-audio/8bit.wav", 44100, 8, 1, 88200},
        {"hound/pcmwaveformat-16bit-44100Hz-mono-extra.wav", 44100, 16, 1, 4},
        {"hound/waveformatex-8bit-11025Hz-mono.wav", 11025, 8, 1, 4},  // RIFF size far too large
        {"hound/pop.wav", 44100, 16, 1, 100},             // extensible with PCM inside
        {"scipy/test-8000Hz-le-2ch-1byteu.wav", 8000, 8, 2, 800},
        {"sdl2/ds_loose_skin_mute.wav", 44100, 16, 2, 31752},
        {"small/wav.wav", 44100, 16, 1, 0},               // empty data
    };
    for (const auto& e : expected) {
        const Wave w = decodePlayableWave(readFileBytes(corpusFile(std::string("wav/") + e.file)));
        EXPECT_EQ(w.format.samplesPerSec, e.rate) << e.file;
        EXPECT_EQ(w.format.bitsPerSample, e.bits) << e.file;
        EXPECT_EQ(w.format.channels, e.channels) << e.file;
        EXPECT_EQ(w.frames(), e.frames) << e.file;
    }
}

TEST(CorpusWav, OddChunksAreFollowedThroughTheirPadBytes) {
    ORBIGOLF_REQUIRE_CORPUS("wav/go-audio");
    // Samples found after odd-length chunks (the 24-bit ones decode but do not play).
    EXPECT_EQ(decodeWave(readFileBytes(corpusFile("wav/go-audio/misaligned-chunk.wav"))).frames(), 564480u);
    EXPECT_EQ(decodeWave(readFileBytes(corpusFile("wav/go-audio/listChunkInHeader.wav"))).frames(), 15318u);
    EXPECT_EQ(decodeWave(readFileBytes(corpusFile("wav/go-audio/bwf.wav"))).frames(), 7287u);
}

TEST(CorpusWav, UnplayableAndDamagedFilesAreRefused) {
    ORBIGOLF_REQUIRE_CORPUS("wav");
    for (const char* name : {"scipy/test-44100Hz-be-1ch-4bytes.wav", "scipy/test-44100Hz-le-1ch-4bytes-rf64.wav",
                             "scipy/test-8000Hz-le-1ch-1byte-ulaw.wav", "scipy/test-44100Hz-2ch-32bit-float-le.wav",
                             "scipy/test-8000Hz-le-3ch-5S-24bit.wav", "hound/waveformatextensible-ieeefloat-44100Hz-mono.wav",
                             "sdl2/sample.wav", "scipy/test-44100Hz-le-1ch-4bytes-incomplete-chunk.wav"}) {
        EXPECT_THROW(decodePlayableWave(readFileBytes(corpusFile(std::string("wav/") + name))), MediaError) << name;
    }
    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir() / "wav")) {
        if (!entry.is_regular_file() || entry.path().extension() != ".wav") continue;
        ++files;
        try {
            const Wave w = decodeWave(readFileBytes(entry.path().string()));
            EXPECT_LE(w.samples.size(), std::filesystem::file_size(entry.path())) << entry.path();
        } catch (const MediaError& e) {
            EXPECT_EQ(std::string(e.what()), kWaveIsInvalid) << entry.path();
        }
    }
    EXPECT_GT(files, 50u);
}

}  // namespace
}  // namespace orbigolf::media
