#include "platform/pcm_convert.h"

#include "platform/byte_order.h"

namespace orbigolf::platform {

PcmSamples decodePcm(const PcmFormat& format, std::span<const uint8_t> data) {
    if (!mixerPlays(format)) throw SoundError("Unsupported sound format");
    PcmSamples out;
    out.channels = format.channels;
    out.samplesPerSec = format.samplesPerSec;
    const size_t block = static_cast<size_t>(format.blockAlign());
    const size_t frames = data.size() / block;
    if (static_cast<int64_t>(frames) > kMaxSoundFrames) throw SoundError("Sound is too long");
    const size_t count = frames * static_cast<size_t>(format.channels);
    out.samples.resize(count);
    if (format.bitsPerSample == 8) {
        for (size_t i = 0; i < count; ++i) out.samples[i] = static_cast<int16_t>((data[i] - 128) * 256);
    } else {
        for (size_t i = 0; i < count; ++i) {
            out.samples[i] = static_cast<int16_t>(static_cast<uint16_t>(u16At(data, 2 * i)));
        }
    }
    return out;
}

PcmSamples convertPcm(const PcmSamples& in, const PcmFormat& to) {
    const int64_t inFrames = in.frames();
    // Channels first, at the source rate.
    std::vector<int16_t> mixed;
    const std::vector<int16_t>* chan = &in.samples;
    if (in.channels != to.channels) {
        mixed.resize(static_cast<size_t>(inFrames * to.channels));
        for (int64_t f = 0; f < inFrames; ++f) {
            if (to.channels == 1) {
                const int32_t l = in.samples[static_cast<size_t>(2 * f)];
                const int32_t r = in.samples[static_cast<size_t>(2 * f + 1)];
                mixed[static_cast<size_t>(f)] = static_cast<int16_t>((l + r) >> 1);
            } else {
                mixed[static_cast<size_t>(2 * f)] = in.samples[static_cast<size_t>(f)];
                mixed[static_cast<size_t>(2 * f + 1)] = in.samples[static_cast<size_t>(f)];
            }
        }
        chan = &mixed;
    }

    PcmSamples out;
    out.channels = to.channels;
    out.samplesPerSec = to.samplesPerSec;
    const int64_t src = in.samplesPerSec;
    const int64_t dst = to.samplesPerSec;
    if (src == dst || inFrames == 0) {
        out.samples = chan == &mixed ? std::move(mixed) : in.samples;
        return out;
    }
    const int64_t outFrames = (inFrames * dst + src - 1) / src;
    if (outFrames > kMaxSoundFrames) throw SoundError("Sound is too long");
    const int ch = to.channels;
    out.samples.resize(static_cast<size_t>(outFrames * ch));
    const auto& s = *chan;
    for (int64_t i = 0; i < outFrames; ++i) {
        const int64_t p = i * src;
        const int64_t idx = p / dst;
        const int64_t frac = p % dst;
        const int64_t next = idx + 1 < inFrames ? idx + 1 : idx;
        for (int c = 0; c < ch; ++c) {
            const int64_t a = s[static_cast<size_t>(idx * ch + c)];
            const int64_t b = s[static_cast<size_t>(next * ch + c)];
            out.samples[static_cast<size_t>(i * ch + c)] = static_cast<int16_t>(a + (b - a) * frac / dst);
        }
    }
    return out;
}

}  // namespace orbigolf::platform
