#include "flic_encode.h"

#include <cstring>
#include <stdexcept>

namespace orbigolf::content {

namespace {

using media::Bytes;

void put8(Bytes& b, int v) { b.push_back(static_cast<uint8_t>(v)); }
void put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void set32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

struct Chunk {
    uint16_t type;
    Bytes data;
};

Chunk colourChunk(const media::FlicPalette& palette, bool sixBit) {
    Chunk c{sixBit ? media::kFlicColor64 : media::kFlicColor256, {}};
    put16(c.data, 1);
    put8(c.data, 0);
    put8(c.data, 0);  // 0: all 256 entries
    for (const platform::Rgb& e : palette) {
        const int shift = sixBit ? 2 : 0;
        put8(c.data, e.r >> shift);
        put8(c.data, e.g >> shift);
        put8(c.data, e.b >> shift);
    }
    return c;
}

Chunk byteRun(const std::vector<uint8_t>& px, int width, int height) {
    Chunk c{media::kFlicByteRun, {}};
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = px.data() + size_t(y) * size_t(width);
        const size_t countAt = c.data.size();
        put8(c.data, 0);
        int packets = 0;
        int x = 0;
        while (x < width) {
            int run = 1;
            while (x + run < width && run < 127 && row[x + run] == row[x]) ++run;
            if (run >= 3 || x + run == width) {
                put8(c.data, run);
                put8(c.data, row[x]);
                x += run;
            } else {
                int len = 0;
                while (x + len < width && len < 128) {
                    const int at = x + len;
                    if (len > 0 && at + 2 < width && row[at] == row[at + 1] && row[at] == row[at + 2]) break;
                    ++len;
                }
                put8(c.data, -len);
                c.data.insert(c.data.end(), row + x, row + x + len);
                x += len;
            }
            ++packets;
        }
        c.data[countAt] = uint8_t(packets > 255 ? 255 : packets);
    }
    return c;
}

// The packets of one row: skip byte, signed count byte (positive: that many units copied,
// negative: one unit repeated), in units of 1 byte (FLI) or 2 bytes (FLC). Returns the
// number of packets.
int rowPackets(const uint8_t* prev, const uint8_t* cur, int width, int unit, Bytes& out) {
    const int n = width / unit;
    auto same = [&](int i) { return std::memcmp(prev + i * unit, cur + i * unit, size_t(unit)) == 0; };
    auto equal = [&](int a, int b) { return std::memcmp(cur + a * unit, cur + b * unit, size_t(unit)) == 0; };
    auto runAt = [&](int i) {
        int r = 1;
        while (i + r < n && r < 128 && equal(i, i + r)) ++r;
        return r;
    };
    const int minRun = unit == 1 ? 3 : 2;
    const int maxSkipUnits = 255 / unit;
    int pos = 0;  // first unit after the previous packet
    int i = 0;
    int packets = 0;
    for (;;) {
        while (i < n && same(i)) ++i;
        if (i >= n) break;
        // A skip byte reaches 255 bytes; longer gaps are bridged with one copied unit.
        while (i - pos > maxSkipUnits) {
            const int at = pos + maxSkipUnits;
            put8(out, maxSkipUnits * unit);
            put8(out, 1);
            out.insert(out.end(), cur + at * unit, cur + (at + 1) * unit);
            pos = at + 1;
            ++packets;
        }
        put8(out, (i - pos) * unit);
        const int run = runAt(i);
        if (run >= minRun) {
            put8(out, -run);
            out.insert(out.end(), cur + i * unit, cur + (i + 1) * unit);
            i += run;
        } else {
            int len = 0;
            while (i + len < n && len < 127) {
                const int at = i + len;
                if (len > 0) {
                    if (runAt(at) >= minRun + 1) break;
                    if (same(at) && (at + 1 >= n || same(at + 1))) break;
                }
                ++len;
            }
            put8(out, len);
            out.insert(out.end(), cur + i * unit, cur + (i + len) * unit);
            i += len;
        }
        pos = i;
        ++packets;
    }
    return packets;
}

// Word line delta; empty data when the frames are equal.
Bytes wordDelta(const std::vector<uint8_t>& prev, const std::vector<uint8_t>& cur, int width, int height) {
    Bytes out;
    put16(out, 0);
    int lines = 0;
    int skipped = 0;
    for (int y = 0; y < height; ++y) {
        const size_t at = size_t(y) * size_t(width);
        if (std::memcmp(prev.data() + at, cur.data() + at, size_t(width)) == 0) {
            ++skipped;
            continue;
        }
        if (skipped > 0) put16(out, uint32_t(65536 - skipped));
        skipped = 0;
        const size_t countAt = out.size();
        put16(out, 0);
        const int packets = rowPackets(prev.data() + at, cur.data() + at, width, 2, out);
        out[countAt] = uint8_t(packets);
        out[countAt + 1] = uint8_t(packets >> 8);
        ++lines;
    }
    if (lines == 0) return {};
    out[0] = uint8_t(lines);
    out[1] = uint8_t(lines >> 8);
    return out;
}

// Byte line delta over the rows from the first changed to the last; empty when the frames
// are equal or a row needs more packets than its count byte holds.
Bytes byteDelta(const std::vector<uint8_t>& prev, const std::vector<uint8_t>& cur, int width, int height) {
    int first = -1, last = -1;
    for (int y = 0; y < height; ++y) {
        const size_t at = size_t(y) * size_t(width);
        if (std::memcmp(prev.data() + at, cur.data() + at, size_t(width)) != 0) {
            if (first < 0) first = y;
            last = y;
        }
    }
    if (first < 0) return {};
    Bytes out;
    put16(out, uint32_t(first));
    put16(out, uint32_t(last - first + 1));
    for (int y = first; y <= last; ++y) {
        const size_t at = size_t(y) * size_t(width);
        const size_t countAt = out.size();
        put8(out, 0);
        const int packets = rowPackets(prev.data() + at, cur.data() + at, width, 1, out);
        if (packets > 255) return {};
        out[countAt] = uint8_t(packets);
    }
    return out;
}

void putFrame(Bytes& file, const std::vector<Chunk>& chunks) {
    const size_t start = file.size();
    put32(file, 0);
    put16(file, media::kFlicFrameType);
    put16(file, uint32_t(chunks.size()));
    file.resize(file.size() + 8, 0);
    for (const Chunk& c : chunks) {
        const size_t padded = c.data.size() + (c.data.size() & 1);
        put32(file, uint32_t(padded + 6));
        put16(file, c.type);
        file.insert(file.end(), c.data.begin(), c.data.end());
        file.resize(file.size() + padded - c.data.size(), 0);
    }
    set32(file, start, uint32_t(file.size() - start));
}

// The chunks that turn `prev` into `cur`: the smaller of the delta and the byte run.
std::vector<Chunk> deltaChunks(const FlicMovie& m, const std::vector<uint8_t>& prev, const std::vector<uint8_t>& cur) {
    if (prev == cur) return {};
    Bytes delta = m.fli ? byteDelta(prev, cur, m.width, m.height) : wordDelta(prev, cur, m.width, m.height);
    Chunk run = byteRun(cur, m.width, m.height);
    if (!delta.empty() && delta.size() <= run.data.size())
        return {Chunk{m.fli ? media::kFlicDeltaFli : media::kFlicDeltaFlc, std::move(delta)}};
    return {std::move(run)};
}

}  // namespace

media::Bytes encodeFlic(const FlicMovie& m) {
    if (m.width <= 0 || m.height <= 0 || m.width > 65535 || m.height > 65535)
        throw std::invalid_argument("FLIC size out of range");
    if (!m.fli && m.width % 2 != 0) throw std::invalid_argument("FLC width must be even");
    if (m.frames.empty() || m.frames.size() > 65535) throw std::invalid_argument("FLIC frame count out of range");
    const size_t pixels = size_t(m.width) * size_t(m.height);
    for (const auto& f : m.frames)
        if (f.size() != pixels) throw std::invalid_argument("FLIC frame of the wrong size");

    Bytes file(128, 0);
    set32(file, 4, 0);
    file[4] = uint8_t(m.fli ? media::kFlicMagicFli : media::kFlicMagicFlc);
    file[5] = uint8_t((m.fli ? media::kFlicMagicFli : media::kFlicMagicFlc) >> 8);
    auto set16 = [&](size_t at, uint32_t v) {
        file[at] = uint8_t(v);
        file[at + 1] = uint8_t(v >> 8);
    };
    set16(6, uint32_t(m.frames.size()));
    set16(8, uint32_t(m.width));
    set16(10, uint32_t(m.height));
    set16(12, 8);
    if (m.fli) {
        set16(16, uint32_t(m.speed));
    } else {
        set16(14, 3);  // finished, looped
        set32(file, 16, uint32_t(m.speed));
        set16(38, 1);  // aspect 1:1
        set16(40, 1);
        set32(file, 80, 128);  // offset of frame 1
    }

    putFrame(file, {colourChunk(m.palette, m.fli), byteRun(m.frames[0], m.width, m.height)});
    if (!m.fli) set32(file, 84, uint32_t(file.size()));  // offset of frame 2
    for (size_t k = 1; k < m.frames.size(); ++k) putFrame(file, deltaChunks(m, m.frames[k - 1], m.frames[k]));
    putFrame(file, deltaChunks(m, m.frames.back(), m.frames.front()));  // the ring frame
    set32(file, 0, uint32_t(file.size()));
    return file;
}

}  // namespace orbigolf::content
