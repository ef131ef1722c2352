#include "media/wave.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "media/file_read.h"

namespace orbigolf::media {

namespace {
[[noreturn]] void invalid() { throw MediaError(kWaveIsInvalid); }

uint32_t u16At(ByteView b, size_t at) { return b[at] | (uint32_t{b[at + 1]} << 8); }
uint32_t u32At(ByteView b, size_t at) { return u16At(b, at) | (u16At(b, at + 2) << 16); }

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

void put16(Bytes& out, uint32_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put32(Bytes& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
}  // namespace

bool WaveFormat::isPlayablePcm() const {
    bool pcm = formatTag == kWaveFormatPcm;
    if (formatTag == kWaveFormatExtensible && record.size() >= 40 && u16At(record, 16) >= 22) {
        pcm = u16At(record, 24) == kWaveFormatPcm &&
              std::memcmp(record.data() + 26, kPcmGuidTail, sizeof kPcmGuidTail) == 0 &&
              u16At(record, 18) == bitsPerSample;
    }
    return pcm && (bitsPerSample == 8 || bitsPerSample == 16) && (channels == 1 || channels == 2) &&
           blockAlign == channels * bitsPerSample / 8 && samplesPerSec >= 1 &&
           samplesPerSec <= 1000000;
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
    if (!w.format.isPlayablePcm()) invalid();
    return w;
}

Wave loadWaveFile(const std::string& fileName) { return decodeWave(readFileBytes(fileName)); }

Bytes encodeWave(const Wave& wave) {
    Bytes fmt = wave.format.record;
    if (fmt.empty()) {
        const WaveFormat& f = wave.format;
        put16(fmt, f.formatTag);
        put16(fmt, f.channels);
        put32(fmt, f.samplesPerSec);
        put32(fmt, f.avgBytesPerSec);
        put16(fmt, f.blockAlign);
        put16(fmt, f.bitsPerSample);
    }
    auto padded = [](size_t n) { return n + (n & 1); };
    Bytes out{'R', 'I', 'F', 'F'};
    put32(out, uint32_t(4 + 8 + padded(fmt.size()) + 8 + padded(wave.samples.size())));
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, uint32_t(fmt.size()));
    out.insert(out.end(), fmt.begin(), fmt.end());
    if (fmt.size() & 1) out.push_back(0);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, uint32_t(wave.samples.size()));
    out.insert(out.end(), wave.samples.begin(), wave.samples.end());
    if (wave.samples.size() & 1) out.push_back(0);
    return out;
}

Bytes encodeWave16Mono(uint32_t rate, const std::vector<int16_t>& samples) {
    Wave w;
    w.format = pcmFormat(rate, 16, 1);
    for (int16_t s : samples) put16(w.samples, uint16_t(s));
    return encodeWave(w);
}

}  // namespace orbigolf::media
