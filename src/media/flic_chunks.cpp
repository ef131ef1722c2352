#include "media/flic_chunks.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace orbigolf::media {

namespace {

// Reads little-endian values from one chunk's data; reading past its end is damage.
class ChunkReader {
public:
    ChunkReader(std::span<const uint8_t> data, const char* kind) : data_(data), kind_(kind) {}

    uint8_t u8() {
        need(1);
        return data_[pos_++];
    }
    int8_t s8() { return static_cast<int8_t>(u8()); }
    uint16_t u16() {
        need(2);
        const uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    const uint8_t* bytes(size_t n) {
        need(n);
        const uint8_t* p = data_.data() + pos_;
        pos_ += n;
        return p;
    }
    bool atEnd() const { return pos_ >= data_.size(); }

    [[noreturn]] void damaged(const std::string& what) const {
        throw FlicDamage(std::string(kind_) + " chunk: " + what);
    }

private:
    void need(size_t n) const {
        if (data_.size() - pos_ < n) damaged("data ends early");
    }

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    const char* kind_;
};

// Where a run of `n` pixels starting at `offset` lies in the frame buffer; damage when it
// would leave it.
uint8_t* runAt(const FlicFrameBuffer& frame, ChunkReader& in, size_t offset, size_t n) {
    if (offset > frame.pixels.size() || frame.pixels.size() - offset < n) in.damaged("a run leaves the frame");
    return frame.pixels.data() + offset;
}

size_t rowOffset(const FlicFrameBuffer& frame, int row) { return static_cast<size_t>(row) * size_t(frame.width); }

}  // namespace

bool decodeFlicColor(std::span<const uint8_t> data, FlicPalette& palette, bool sixBit) {
    ChunkReader in(data, sixBit ? "64-level colour" : "256-level colour");
    const unsigned packets = in.u16();
    unsigned index = 0;
    for (unsigned p = 0; p < packets; ++p) {
        index = (index + in.u8()) & 255u;
        unsigned count = in.u8();
        if (count == 0) count = 256;
        const uint8_t* rgb = in.bytes(size_t(count) * 3);
        for (unsigned i = 0; i < count; ++i) {
            platform::Rgb c{rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]};
            // Components above 63 are not 64-level values; the multiplication wraps as
            // a byte would.
            if (sixBit) c = {uint8_t(c.r * 4), uint8_t(c.g * 4), uint8_t(c.b * 4)};
            palette[index] = c;
            index = (index + 1) & 255u;
        }
    }
    return true;
}

void decodeFlicDeltaFli(std::span<const uint8_t> data, const FlicFrameBuffer& frame) {
    ChunkReader in(data, "line delta");
    const int first = in.u16();
    const int rows = in.u16();
    if (first + rows > frame.height) in.damaged("rows beyond the frame");
    for (int r = 0; r < rows; ++r) {
        const size_t row = rowOffset(frame, first + r);
        size_t x = 0;
        const unsigned packets = in.u8();
        for (unsigned p = 0; p < packets; ++p) {
            x += in.u8();
            const int size = in.s8();
            if (size > 0) {
                const uint8_t* src = in.bytes(size_t(size));
                std::memcpy(runAt(frame, in, row + x, size_t(size)), src, size_t(size));
                x += size_t(size);
            } else if (size < 0) {
                const uint8_t value = in.u8();
                std::memset(runAt(frame, in, row + x, size_t(-size)), value, size_t(-size));
                x += size_t(-size);
            }
        }
    }
}

void decodeFlicDeltaFlc(std::span<const uint8_t> data, const FlicFrameBuffer& frame) {
    ChunkReader in(data, "word delta");
    const unsigned entries = in.u16();
    int row = 0;
    for (unsigned e = 0; e < entries; ++e) {
        unsigned packets = 0;
        for (;;) {
            const uint16_t word = in.u16();
            const unsigned top = word & 0xC000u;
            if (top == 0xC000u) {
                row += 65536 - int(word);  // a negative count of rows to skip
                if (row >= frame.height) in.damaged("rows beyond the frame");
            } else if (top == 0x8000u) {
                // The last pixel of a row of odd width, which word packets cannot reach.
                if (row >= frame.height) in.damaged("rows beyond the frame");
                *runAt(frame, in, rowOffset(frame, row) + size_t(frame.width) - 1, 1) = uint8_t(word);
            } else if (top == 0) {
                packets = word;
                break;
            }
            // Only the second bit set: undefined, skipped.
        }
        if (row >= frame.height) in.damaged("rows beyond the frame");
        const size_t start = rowOffset(frame, row);
        size_t x = 0;
        for (unsigned p = 0; p < packets; ++p) {
            x += in.u8();
            const int count = in.s8();
            if (count > 0) {
                const size_t n = size_t(count) * 2;
                const uint8_t* src = in.bytes(n);
                std::memcpy(runAt(frame, in, start + x, n), src, n);
                x += n;
            } else if (count < 0) {
                const size_t n = size_t(-count);
                const uint8_t lo = in.u8();
                const uint8_t hi = in.u8();
                uint8_t* dst = runAt(frame, in, start + x, n * 2);
                for (size_t i = 0; i < n; ++i) {
                    dst[2 * i] = lo;
                    dst[2 * i + 1] = hi;
                }
                x += n * 2;
            }
        }
        ++row;
    }
}

void decodeFlicByteRun(std::span<const uint8_t> data, const FlicFrameBuffer& frame) {
    ChunkReader in(data, "byte run");
    for (int y = 0; y < frame.height; ++y) {
        const size_t row = rowOffset(frame, y);
        in.u8();  // packet count: too small for wide rows, so rows are filled by width
        size_t x = 0;
        while (x < size_t(frame.width)) {
            const int count = in.s8();
            if (count < 0) {
                const size_t n = size_t(-count);
                std::memcpy(runAt(frame, in, row + x, n), in.bytes(n), n);
                x += n;
            } else {
                const uint8_t value = in.u8();
                std::memset(runAt(frame, in, row + x, size_t(count)), value, size_t(count));
                x += size_t(count);
            }
        }
    }
}

void decodeFlicLiteral(std::span<const uint8_t> data, const FlicFrameBuffer& frame) {
    ChunkReader in(data, "literal");
    const size_t n = frame.pixels.size();
    std::memcpy(frame.pixels.data(), in.bytes(n), n);
}

void decodeFlicBlack(const FlicFrameBuffer& frame) { std::fill(frame.pixels.begin(), frame.pixels.end(), 0); }

bool decodeFlicChunk(uint16_t type, std::span<const uint8_t> data, const FlicFrameBuffer& frame,
                     FlicPalette& palette) {
    switch (type) {
        case kFlicColor256: return decodeFlicColor(data, palette, false);
        case kFlicColor64: return decodeFlicColor(data, palette, true);
        case kFlicDeltaFli: decodeFlicDeltaFli(data, frame); break;
        case kFlicDeltaFlc: decodeFlicDeltaFlc(data, frame); break;
        case kFlicByteRun: decodeFlicByteRun(data, frame); break;
        case kFlicBlack: decodeFlicBlack(frame); break;
        case kFlicLiteral: decodeFlicLiteral(data, frame); break;
        default: break;
    }
    return false;
}

}  // namespace orbigolf::media
