#include "media/wave.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/byte_order.h"
#include "platform/pcm_convert.h"

namespace orbigolf::media {

using platform::putU16;
using platform::putU32;
using platform::u16At;
using platform::u32At;

namespace {
[[noreturn]] void invalid() { throw MediaError(kWaveIsInvalid); }

bool looksLikeChunkId(ByteView b, size_t at) {
    if (b.size() < 4 || at > b.size() - 4) return false;
    for (size_t i = 0; i < 4; ++i) {
        if (b[at + i] < 0x20 || b[at + i] > 0x7E) return false;
    }
    return true;
}

// The tail of the PCM sub-format identifier of an extensible format record.
constexpr uint8_t kPcmGuidTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                      0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
}  // namespace

bool WaveFormat::isPlayablePcm() const {
    bool pcm = formatTag == kWaveFormatPcm;
    if (formatTag == kWaveFormatExtensible && record.size() >= 40 && u16At(record, 16) >= 22) {
        pcm = u16At(record, 24) == kWaveFormatPcm &&
              std::memcmp(record.data() + 26, kPcmGuidTail, sizeof kPcmGuidTail) == 0 &&
              u16At(record, 18) == bitsPerSample;
    }
    const int rate = samplesPerSec > INT32_MAX ? 0 : int(samplesPerSec);
    return pcm && blockAlign == channels * bitsPerSample / 8 &&
           platform::mixerPlays({channels, rate, bitsPerSample});
}

uint32_t Wave::frames() const {
    return format.blockAlign == 0 ? 0 : uint32_t(samples.size() / format.blockAlign);
}

WaveFormat pcmFormat(uint32_t rate, uint16_t bits, uint16_t channels) {
    WaveFormat f;
    f.formatTag = kWaveFormatPcm;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = uint16_t(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

Wave decodeWave(ByteView riff) {
    if (riff.size() < 12 || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
        std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
        invalid();
    }
    // The RIFF size is not trusted: files in use claim more or fewer bytes than they hold.
    // The chunks are scanned to the end of the data instead.
    Wave w;
    bool haveFormat = false;
    bool haveData = false;
    size_t pos = 12;
    while (riff.size() - pos >= 8) {
        const uint32_t length = u32At(riff, pos + 4);
        const size_t bodyAt = pos + 8;
        const size_t body = std::min<size_t>(length, riff.size() - bodyAt);
        if (!haveFormat && std::memcmp(riff.data() + pos, "fmt ", 4) == 0) {
            if (body < 14) invalid();
            WaveFormat& f = w.format;
            f.record.assign(riff.begin() + std::ptrdiff_t(bodyAt), riff.begin() + std::ptrdiff_t(bodyAt + body));
            f.formatTag = uint16_t(u16At(riff, bodyAt));
            f.channels = uint16_t(u16At(riff, bodyAt + 2));
            f.samplesPerSec = u32At(riff, bodyAt + 4);
            f.avgBytesPerSec = u32At(riff, bodyAt + 8);
            f.blockAlign = uint16_t(u16At(riff, bodyAt + 12));
            f.bitsPerSample = body >= 16 ? uint16_t(u16At(riff, bodyAt + 14)) : 0;
            haveFormat = true;
        } else if (!haveData && std::memcmp(riff.data() + pos, "data", 4) == 0) {
            w.samples.assign(riff.begin() + std::ptrdiff_t(bodyAt), riff.begin() + std::ptrdiff_t(bodyAt + body));
            haveData = true;
        }
        if (body < length) break;  // the chunk runs past the end of the data
        size_t next = bodyAt + body;
        // An odd-length chunk is followed by a pad byte. Some writers leave it out, so it is
        // skipped only when a chunk header follows it (or when neither position holds one).
        if ((length & 1) != 0 && next < riff.size()) {
            if (looksLikeChunkId(riff, next + 1) || !looksLikeChunkId(riff, next)) ++next;
        }
        pos = next;
    }
    if (!haveFormat) invalid();
    if (w.format.blockAlign > 0) {
        w.samples.resize(w.samples.size() / w.format.blockAlign * w.format.blockAlign);
    }
    return w;
}

Wave decodePlayableWave(ByteView riff) {
    Wave w = decodeWave(riff);
    if (!w.format.isPlayablePcm() || w.frames() > platform::kMaxSoundFrames) invalid();
    return w;
}

Bytes encodeWave(const Wave& wave) {
    Bytes fmt = wave.format.record;
    if (fmt.empty()) {
        const WaveFormat& f = wave.format;
        putU16(fmt, f.formatTag);
        putU16(fmt, f.channels);
        putU32(fmt, f.samplesPerSec);
        putU32(fmt, f.avgBytesPerSec);
        putU16(fmt, f.blockAlign);
        putU16(fmt, f.bitsPerSample);
    }
    auto padded = [](size_t n) { return n + (n & 1); };
    Bytes out{'R', 'I', 'F', 'F'};
    putU32(out, uint32_t(4 + 8 + padded(fmt.size()) + 8 + padded(wave.samples.size())));
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putU32(out, uint32_t(fmt.size()));
    out.insert(out.end(), fmt.begin(), fmt.end());
    if (fmt.size() & 1) out.push_back(0);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    putU32(out, uint32_t(wave.samples.size()));
    out.insert(out.end(), wave.samples.begin(), wave.samples.end());
    if (wave.samples.size() & 1) out.push_back(0);
    return out;
}

Bytes encodeWave16Mono(uint32_t rate, const std::vector<int16_t>& samples) {
    Wave w;
    w.format = pcmFormat(rate, 16, 1);
    for (int16_t s : samples) putU16(w.samples, uint16_t(s));
    return encodeWave(w);
}

}  // namespace orbigolf::media
