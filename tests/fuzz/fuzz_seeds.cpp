// Writes the seed corpora of the fuzz targets, made with our own writer and encoders:
//   orbigolf_fuzz_seeds OUTDIR   ->  OUTDIR/component_stream, OUTDIR/dib, OUTDIR/wave, OUTDIR/flic

#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "media/component_stream.h"
#include "media/picture_list_file.h"
#include "media/sound_list_file.h"
#include "platform/byte_order.h"

using namespace orbigolf::media;
using orbigolf::platform::putU16;
using orbigolf::platform::putU32;
namespace fs = std::filesystem;

namespace {

Bytes infoHeader(int32_t w, int32_t h, uint16_t bpp, uint32_t compression, uint32_t colours) {
    Bytes b;
    putU32(b, 40);
    putU32(b, uint32_t(w));
    putU32(b, uint32_t(h));
    putU16(b, 1);
    putU16(b, bpp);
    putU32(b, compression);
    for (int i = 0; i < 3; ++i) putU32(b, 0);
    putU32(b, colours);
    putU32(b, 0);
    return b;
}

Bitmap picture(int w, int h) {
    Bitmap b = makeBitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) b.pixel(x, y) = makeRgb(uint8_t(x * 30), uint8_t(y * 60), uint8_t(x + y));
    }
    return b;
}

std::vector<Bytes> dibSeeds() {
    std::vector<Bytes> seeds;
    seeds.push_back(encodeDib24(picture(5, 3)));
    seeds.push_back(encodeDib8(3, 2, {0xFF0000, 0x00FF00, 0x0000FF}, {0, 1, 2, 2, 1, 0}));
    // RLE8 with a run, an absolute run, a delta and the two end codes.
    Bytes rle8 = infoHeader(4, 3, 8, 1, 2);
    putU32(rle8, 0);
    putU32(rle8, 0xFFFFFF);
    for (uint8_t v : {3, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 2, 1, 1, 2, 1, 0, 1}) rle8.push_back(v);
    seeds.push_back(rle8);
    Bytes rle4 = infoHeader(6, 1, 4, 2, 2);
    putU32(rle4, 0xFF0000);
    putU32(rle4, 0x0000FF);
    for (uint8_t v : {3, 0x01, 0, 3, 0x10, 0x10, 0, 1}) rle4.push_back(v);
    seeds.push_back(rle4);
    // 16-bit bit fields, top-down.
    Bytes fields = infoHeader(2, -1, 16, 3, 0);
    for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) putU32(fields, m);
    putU16(fields, 0x07E0);
    putU16(fields, 0x8410);
    seeds.push_back(fields);
    // 12-byte core header, 1 bit.
    Bytes core;
    putU32(core, 12);
    putU16(core, 9);
    putU16(core, 1);
    putU16(core, 1);
    putU16(core, 1);
    for (uint8_t v : {0, 0, 0, 255, 255, 255, 0x80, 0x80, 0, 0}) core.push_back(v);
    seeds.push_back(core);
    // The same pictures as BMP files.
    const size_t n = seeds.size();
    for (size_t i = 0; i < n; ++i) seeds.push_back(bmpFromDib(seeds[i]));
    return seeds;
}

std::vector<Bytes> waveSeeds() {
    std::vector<Bytes> seeds;
    seeds.push_back(encodeWave16Mono(22050, {0, 1000, -1000, 32767}));
    Wave stereo8;
    stereo8.format = pcmFormat(11025, 8, 2);
    stereo8.samples = {128, 128, 0, 255, 7};
    seeds.push_back(encodeWave(stereo8));
    // An odd LIST chunk with its pad byte before the data.
    Bytes list = encodeWave16Mono(8000, {5, 6});
    const Bytes chunk{'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    list.insert(list.begin() + 36, chunk.begin(), chunk.end());
    seeds.push_back(list);
    return seeds;
}

std::vector<Bytes> streamSeeds() {
    std::vector<Bytes> seeds;
    PictureListFile pictures;
    PictureListItem& a = pictures.items.emplace_back();
    a.name = "cells";
    a.patternWidth = 2;
    a.patternHeight = 2;
    a.transparentColor = 0xFF00FF;
    a.setDib(picture(4, 2));
    PictureListItem& b = pictures.items.emplace_back();
    b.name = "file";
    b.transparent = false;
    b.setBmpFile(encodeBmp8(2, 1, {0, 0xFFFFFF}, {0, 1}));
    pictures.colorTable = Bytes(1024, 0);
    seeds.push_back(writePictureList(pictures));

    SoundListFile sounds;
    SoundListItem& s = sounds.items.emplace_back();
    s.name = "click";
    s.maxPlayingCount = 2;
    s.setWave(encodeWave16Mono(22050, {1, 2, 3}));
    SoundListItem& l = sounds.items.emplace_back();
    l.name = "loop";
    l.looped = true;
    seeds.push_back(writeSoundList(sounds));

    // Every value tag once.
    StreamObject o;
    o.header.className = "TThing";
    auto add = [&](ValueTag tag, auto&& fill) {
        StreamValue v;
        v.tag = tag;
        fill(v);
        o.properties.emplace_back("P" + std::to_string(int(tag)), v);
    };
    const auto none = [](StreamValue&) {};
    for (ValueTag t : {ValueTag::Null, ValueTag::False, ValueTag::True, ValueTag::Nil}) add(t, none);
    for (ValueTag t : {ValueTag::Int8, ValueTag::Int16, ValueTag::Int32, ValueTag::Int64, ValueTag::Currency}) {
        add(t, [](StreamValue& v) { v.integer = 100; });
    }
    add(ValueTag::Extended, none);
    add(ValueTag::Single, [](StreamValue& v) { v.real = 1.5; });
    add(ValueTag::Date, [](StreamValue& v) { v.real = 2.5; });
    add(ValueTag::String, [](StreamValue& v) { v.text = "s"; });
    add(ValueTag::LString, [](StreamValue& v) { v.text = "long"; });
    add(ValueTag::Utf8String, [](StreamValue& v) { v.text = "utf8"; });
    add(ValueTag::Ident, [](StreamValue& v) { v.text = "clRed"; });
    add(ValueTag::WString, [](StreamValue& v) { v.wide = u"w"; });
    add(ValueTag::Binary, [](StreamValue& v) { v.bytes = {1, 2}; });
    add(ValueTag::Set, [](StreamValue& v) { v.names = {"a", "b"}; });
    add(ValueTag::List, [](StreamValue& v) { v.list.resize(2); v.list[0].tag = v.list[1].tag = ValueTag::True; });
    add(ValueTag::Collection, [](StreamValue& v) {
        CollectionItem item;
        StreamValue order;
        order.tag = ValueTag::Int8;
        item.order = order;
        v.items.push_back(item);
    });
    ComponentWriter w;
    w.writeSignature();
    w.writeObject(o);
    seeds.push_back(w.take());
    return seeds;
}

void writeAll(const fs::path& dir, const std::vector<Bytes>& seeds) {
    fs::create_directories(dir);
    for (size_t i = 0; i < seeds.size(); ++i) writeFileBytes((dir / ("seed-" + std::to_string(i))).string(), seeds[i]);
}

}  // namespace

// Small animations: a header and frames of the given (type, data) chunks.
Bytes flicFile(uint16_t magic, int w, int h, const std::vector<std::vector<std::pair<uint16_t, Bytes>>>& frames) {
    Bytes body;
    for (const auto& chunks : frames) {
        Bytes f;
        for (const auto& [type, data] : chunks) {
            putU32(f, uint32_t(data.size() + 6));
            putU16(f, type);
            f.insert(f.end(), data.begin(), data.end());
        }
        putU32(body, uint32_t(f.size() + 16));
        putU16(body, 0xF1FA);
        putU16(body, uint32_t(chunks.size()));
        body.resize(body.size() + 8, 0);
        body.insert(body.end(), f.begin(), f.end());
    }
    Bytes b;
    putU32(b, uint32_t(128 + body.size()));
    putU16(b, magic);
    putU16(b, uint32_t(frames.size()));
    putU16(b, uint32_t(w));
    putU16(b, uint32_t(h));
    putU16(b, 8);
    putU16(b, 0);
    putU32(b, 40);
    b.resize(128, 0);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

std::vector<Bytes> flicSeeds() {
    Bytes colours;  // two packets: 3 entries at 0, 2 entries after a skip of 10
    putU16(colours, 2);
    for (uint8_t v : {0, 3, 0, 0, 0, 63, 0, 0, 0, 63, 10, 2, 20, 30, 40, 50, 60, 1}) colours.push_back(v);
    Bytes brun;  // 8 x 4: a run, a literal pair, a run per row
    for (int y = 0; y < 4; ++y)
        for (int v : {3, 4, y, 0xFE, 1, 2, 2, 13}) brun.push_back(uint8_t(v));
    Bytes lc;  // rows 1..2: skip 2, copy 2; skip 1, repeat 3 times
    for (uint8_t v : {1, 0, 2, 0, 2, 2, 2, 7, 8, 1, 0xFD, 9, 0}) lc.push_back(v);
    Bytes ss2;  // skip a row, one copy packet, an odd-width last pixel word, a repeat
    for (uint8_t v : {2, 0, 0xFF, 0xFF, 1, 0, 2, 1, 5, 6, 7, 0x80, 1, 0, 0, 0xFE, 3, 4}) ss2.push_back(v);
    Bytes literal(8 * 4);
    for (size_t i = 0; i < literal.size(); ++i) literal[i] = uint8_t(i * 7);
    std::vector<Bytes> seeds;
    seeds.push_back(flicFile(0xAF12, 8, 4, {{{4, colours}, {15, brun}}, {{7, ss2}}, {{13, {}}}, {{16, literal}}}));
    seeds.push_back(flicFile(0xAF11, 8, 4, {{{11, colours}, {15, brun}}, {{12, lc}}, {{12, lc}, {18, {1, 2}}}}));
    seeds.push_back(flicFile(0xAF12, 7, 3, {{{16, Bytes(21, 5)}}, {{7, ss2}}}));
    return seeds;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orbigolf_fuzz_seeds OUTDIR\n");
        return 2;
    }
    try {
        const fs::path out(argv[1]);
        writeAll(out / "component_stream", streamSeeds());
        writeAll(out / "dib", dibSeeds());
        writeAll(out / "wave", waveSeeds());
        writeAll(out / "flic", flicSeeds());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
