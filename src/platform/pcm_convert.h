#pragma once
// Decoding of PCM sample data and conversion between sample formats, used when a sound
// buffer is made: samples become 16-bit signed, then the channel count and the rate are
// changed to the mixer's primary format (stereo to mono averages the two channels; rates
// change by linear interpolation).

#include <cstdint>
#include <span>
#include <vector>

#include "platform/sound.h"

namespace orbigolf::platform {

// Interleaved 16-bit samples.
struct PcmSamples {
    int channels = 1;
    int samplesPerSec = 22050;
    std::vector<int16_t> samples;

    int64_t frames() const { return channels > 0 ? static_cast<int64_t>(samples.size()) / channels : 0; }
};

// The longest sound the mixer takes, in frames after conversion (about 50 minutes at
// 22050 Hz); longer data is refused rather than filling memory.
inline constexpr int64_t kMaxSoundFrames = int64_t{1} << 26;

// Data in a format mixerPlays accepts; throws SoundError("Unsupported sound format")
// otherwise, or when the data is longer than kMaxSoundFrames.
PcmSamples decodePcm(const PcmFormat& format, std::span<const uint8_t> data);

PcmSamples convertPcm(const PcmSamples& in, const PcmFormat& to);

}  // namespace orbigolf::platform
