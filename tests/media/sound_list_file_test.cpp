#include "media/sound_list_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "media/component_stream.h"
#include "test_bytes.h"

namespace orbigolf::media {
namespace {

using test::errorOf;

SoundListFile sampleList() {
    SoundListFile list;
    SoundListItem& a = list.items.emplace_back();
    a.name = "stroke";
    a.maxPlayingCount = 2;
    a.setWave(encodeWave16Mono(22050, {1, -1, 2, -2}));
    SoundListItem& b = list.items.emplace_back();
    b.name = "loop";
    b.looped = true;
    Wave stereo8;
    stereo8.format = pcmFormat(11025, 8, 2);
    stereo8.samples = {128, 128, 255, 0, 1};
    b.setWave(encodeWave(stereo8));
    list.items.emplace_back();  // no wave
    return list;
}

TEST(SoundListFile, WhatTheWriterWritesTheReaderReadsBackUnchanged) {
    const SoundListFile list = sampleList();
    const Bytes bytes = writeSoundList(list);
    const SoundListFile back = readSoundList(bytes);
    EXPECT_EQ(back.className, "TWaveCollectionComponent");
    EXPECT_EQ(back.items, list.items);
    EXPECT_EQ(back.items[0].wave.frames(), 4u);
    EXPECT_EQ(back.items[1].wave.format.channels, 2);
    EXPECT_EQ(back.items[1].wave.frames(), 2u);
    EXPECT_TRUE(back.items[2].wave.empty());
    EXPECT_EQ(writeSoundList(back), bytes);
}

TEST(SoundListFile, FailuresKeepTheItemsReadSoFar) {
    auto failing = [](const std::function<void(ComponentWriter&)>& bad) {
        ComponentWriter w;
        w.writeSignature();
        w.writeObjectHeader({0, std::nullopt, "TWaveCollectionComponent", ""});
        w.writePropertyName("List");
        w.beginCollection();
        w.beginItem();
        w.writePropertyName("Name");
        w.writeString("good");
        w.writeEndOfList();
        w.beginItem();
        bad(w);
        SoundListFile list;
        const std::string e = errorOf([&] { readSoundList(w.bytes(), list); });
        EXPECT_EQ(list.items.size(), 1u);
        return e;
    };
    EXPECT_EQ(failing([](ComponentWriter& w) { w.writePropertyName("Volume"); w.writeInteger(-700); }),
              kPropertyDoesNotExist);
    EXPECT_EQ(failing([](ComponentWriter& w) {
                  w.writePropertyName("Wave.WAVE");
                  w.writeBinary(Bytes{'R', 'I', 'F', 'X', 4, 0, 0, 0, 'W', 'A', 'V', 'E'});
              }),
              kWaveIsInvalid);
    EXPECT_EQ(failing([](ComponentWriter& w) { w.writePropertyName("Looped"); w.writeString("yes"); }),
              kInvalidStreamFormat);
    EXPECT_EQ(failing([](ComponentWriter&) {}), kInvalidStreamFormat);  // cut short
}

}  // namespace
}  // namespace orbigolf::media
