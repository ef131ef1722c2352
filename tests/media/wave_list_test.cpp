#include "media/wave_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "test_bytes.h"
#include "scratch_dir.h"

namespace orbigolf {
namespace {

using media::test::errorOf;

media::SoundListItem sound(const std::string& name, int frames, int maxPlaying = 0, bool looped = false) {
    media::SoundListItem it;
    it.name = name;
    it.maxPlayingCount = maxPlaying;
    it.looped = looped;
    it.setWave(media::encodeWave16Mono(22050, std::vector<int16_t>(size_t(frames), 1000)));
    return it;
}

struct Mixer {
    platform::TDXSound device;
    Mixer() { device.initialize(); }
    void run(int frames) {
        std::vector<int16_t> out(size_t(frames) * 2);
        device.mix(out.data(), frames);
    }
};

TEST(TDXWaveList, AWaveLoadsExactlyWhenTheMixerCanPlayIt) {
    Mixer m;
    for (const uint32_t rate : {1u, 99u, 100u, 22050u, 1000000u, 1000001u}) {
        for (const uint16_t bits : {8, 16, 24}) {
            for (const uint16_t channels : {1, 2, 3}) {
                media::Wave w;
                w.format = media::pcmFormat(rate, bits, channels);
                w.samples.assign(size_t(w.format.blockAlign) * 4, 0);
                const media::Bytes riff = media::encodeWave(w);
                bool plays = true;
                try {
                    m.device.createBuffer({channels, int(rate), bits}, w.samples);
                } catch (const platform::SoundError&) {
                    plays = false;
                }
                media::SoundListItem item;
                const std::string error = errorOf([&] { item.setWave(riff); });
                EXPECT_EQ(error, plays ? "" : media::kWaveIsInvalid) << rate << " Hz " << bits << " bits " << channels;
            }
        }
    }
}

TEST(TDXWaveList, LimitOfTwoPlayedThreeTimesKeepsTwoCopies) {
    Mixer m;
    TDXWaveList list(&m.device);
    list.add(sound("stroke", 1000, 2));
    list.prepare();
    TWaveCollectionItem& it = list.item(0);

    it.play();
    m.run(100);
    it.play();  // the first is still playing: a second copy
    m.run(100);
    EXPECT_EQ(it.copyCount(), 2);
    const platform::SoundBuffer first = it.copy(0);
    const platform::SoundBuffer second = it.copy(1);
    EXPECT_EQ(first.position(), 200);
    EXPECT_EQ(second.position(), 100);

    it.play();  // limit reached: the oldest restarts and becomes the newest
    EXPECT_EQ(it.copyCount(), 2);
    EXPECT_EQ(first.position(), 0);
    EXPECT_TRUE(first.playing());
    EXPECT_EQ(second.position(), 100);
    EXPECT_EQ(it.copy(1).position(), 0);  // newest last
}

TEST(TDXWaveList, IdleCopiesAreReusedAndZeroMeansNoLimit) {
    Mixer m;
    TDXWaveList list(&m.device);
    list.add(sound("short", 50));
    list.prepare();
    TWaveCollectionItem& it = list.item(0);
    for (int i = 0; i < 5; ++i) it.play();
    EXPECT_EQ(it.copyCount(), 5);
    m.run(60);  // all finished
    EXPECT_FALSE(it.playing());
    it.play();
    it.play();
    EXPECT_EQ(it.copyCount(), 5);  // idle copies reused
    it.stop();
    EXPECT_FALSE(it.playing());
}

TEST(TDXWaveList, LoopedItemsRestartTheirOneBuffer) {
    Mixer m;
    TDXWaveList list(&m.device);
    list.add(sound("hum", 40, 0, true));
    list.prepare();
    TWaveCollectionItem& it = list.item(0);
    it.play();
    m.run(100);  // wraps
    EXPECT_TRUE(it.playing());
    it.play();
    EXPECT_EQ(it.copyCount(), 1);
    EXPECT_EQ(it.copy(0).position(), 0);
    EXPECT_TRUE(it.copy(0).looped());
    it.setLooped(false);  // changing the flag stops the item
    EXPECT_FALSE(it.playing());
}

TEST(TDXWaveList, VolumeReachesEveryCopy) {
    Mixer m;
    TDXWaveList list(&m.device);
    list.add(sound("menu", 500));
    list.prepare();
    TWaveCollectionItem& it = list.item(0);
    it.play();
    it.setVolume(-700);
    it.play();
    ASSERT_EQ(it.copyCount(), 2);
    EXPECT_EQ(it.copy(0).volume(), -700);
    EXPECT_EQ(it.copy(1).volume(), -700);
    it.setVolume(-20000);
    EXPECT_EQ(it.volume(), platform::kVolumeMin);
}

TEST(TDXWaveList, BuffersWaitForTheDevice) {
    platform::TDXSound device;  // not initialised
    media::SoundListFile file;
    file.items = {sound("a", 10), sound("b", 10, 3)};
    const std::string path = (processScratchDir() / "list.dxw").string();
    media::saveSoundListFile(path, file);

    TDXWaveList list(&device);
    list.loadFromFile(path);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1).maxPlayingCount(), 3);
    EXPECT_FALSE(list.item(0).prepared());
    list.item(0).play();  // nothing to play on yet
    EXPECT_EQ(device.playingCount(), 0);

    device.initialize();
    list.item(0).play();  // made on demand now
    EXPECT_TRUE(list.item(0).prepared());
    EXPECT_EQ(device.playingCount(), 1);
    list.loadFromFile(path);  // device ready: prepared at once
    EXPECT_TRUE(list.item(1).prepared());
    EXPECT_EQ(errorOf([&] { list.item(-1); }), "List index out of bounds (-1)");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace orbigolf
