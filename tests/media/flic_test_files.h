#pragma once
// Small FLIC files written chunk by chunk for the player tests, and a clock they control.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "media/flic_chunks.h"
#include "test_bytes.h"
#include "scratch_dir.h"

namespace orbigolf::media::test {

struct FlicChunk {
    uint16_t type = 0;
    Bytes data;
};

struct FlicFileBuilder {
    uint16_t magic = kFlicMagicFlc;
    int width = 8;
    int height = 4;
    uint16_t speed = 40;
    int frameCountField = -1;  // the header's frame count; -1: the number of frames added
    std::vector<Bytes> frames;  // each a whole frame (header included)

    // A frame of the given chunks; `sizeDelta` is added to the stored frame size.
    FlicFileBuilder& frame(const std::vector<FlicChunk>& chunks, int sizeDelta = 0, uint16_t type = kFlicFrameType) {
        ByteBuilder body;
        for (const FlicChunk& c : chunks) body.u32(uint32_t(c.data.size() + 6)).u16(c.type).raw(c.data);
        ByteBuilder f;
        f.u32(uint32_t(int64_t(body.bytes.size()) + 16 + sizeDelta)).u16(type).u16(uint16_t(chunks.size())).zeros(8);
        f.raw(body.bytes);
        frames.push_back(f.bytes);
        return *this;
    }
    FlicFileBuilder& raw(const Bytes& bytes) {
        frames.push_back(bytes);
        return *this;
    }

    Bytes bytes() const {
        ByteBuilder b;
        size_t total = 128;
        for (const Bytes& f : frames) total += f.size();
        const int count = frameCountField >= 0 ? frameCountField : int(frames.size());
        b.u32(uint32_t(total)).u16(magic).u16(uint16_t(count)).u16(uint16_t(width)).u16(uint16_t(height));
        b.u16(8).u16(0).u32(speed).zeros(128 - 20);
        for (const Bytes& f : frames) b.raw(f);
        return b.bytes;
    }

    std::string write(const std::string& name) const {
        const auto path = (processScratchDir() / name).string();
        const Bytes b = bytes();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return path;
    }
};

// Chunk data helpers.
inline FlicChunk literalChunk(const std::vector<uint8_t>& pixels) { return {kFlicLiteral, pixels}; }
// One packet setting `count` entries from `first`.
inline FlicChunk colourChunk(uint16_t type, int first, const std::vector<platform::Rgb>& colours) {
    ByteBuilder b;
    b.u16(1).u8(uint32_t(first)).u8(uint32_t(colours.size() & 255));
    for (const platform::Rgb& c : colours) b.u8(c.r).u8(c.g).u8(c.b);
    return {type, b.bytes};
}

struct TestClock {
    uint64_t now = 10000;
    auto fn() {
        return [this] { return now; };
    }
};

}  // namespace orbigolf::media::test
