#pragma once
// RIFF/WAVE sounds: "RIFF", size, "WAVE", then chunks (id, length, data). The "fmt " chunk
// holds the wave format record, kept as stored; "data" holds the samples; other chunks are
// skipped by their length.
//
// Decoding never reads outside the bytes it is given: a size field that runs past the end
// (RIFF size, data length) is cut to what is there, a chunk header that cannot be read whole
// ends the scan, and the pad byte after an odd-length chunk is skipped when present (a file
// that ends right after an odd chunk, or one written without pad bytes, still reads).
// Faults throw MediaError("Wave is invalid").
//
// The encoder writes canonical PCM files: "fmt " (16 bytes) then "data", with pad byte.

#include <cstdint>
#include <string>

#include "media/media_error.h"

namespace orbigolf::media {

inline constexpr uint16_t kWaveFormatPcm = 1;
inline constexpr uint16_t kWaveFormatExtensible = 0xFFFE;

struct WaveFormat {
    uint16_t formatTag = kWaveFormatPcm;
    uint16_t channels = 1;
    uint32_t samplesPerSec = 22050;
    uint32_t avgBytesPerSec = 44100;
    uint16_t blockAlign = 2;
    uint16_t bitsPerSample = 16;
    Bytes record;  // the "fmt " chunk as stored (empty for a format built in code)

    // PCM (plain, or extensible with the PCM sub-format) with consistent block alignment,
    // in a format the mixer plays (platform::mixerPlays).
    bool isPlayablePcm() const;
};

struct Wave {
    WaveFormat format;
    Bytes samples;  // the "data" chunk (cut to whole blocks for playable PCM)

    // Sample frames (one sample per channel): samples.size() / blockAlign.
    uint32_t frames() const;
    bool empty() const { return samples.empty(); }
};

WaveFormat pcmFormat(uint32_t rate, uint16_t bits, uint16_t channels);

// A RIFF file in memory: "RIFF"/"WAVE" and a "fmt " chunk are required.
Wave decodeWave(ByteView riff);
// decodeWave plus isPlayablePcm() and a length the mixer takes (platform::kMaxSoundFrames);
// "Wave is invalid" otherwise.
Wave decodePlayableWave(ByteView riff);

// "fmt " with the stored record (or a 16-byte PCM record when none) and "data".
Bytes encodeWave(const Wave& wave);
// 16-bit mono PCM.
Bytes encodeWave16Mono(uint32_t rate, const std::vector<int16_t>& samples);

}  // namespace orbigolf::media
