// The software mixer: format conversion of sound buffers, play, loop, stop, volume.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/headless/headless_sound.h"
#include "platform/sound.h"

namespace orbigolf::platform {
namespace {

std::vector<uint8_t> pcm16(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> out;
    for (int16_t s : samples) {
        out.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) & 0xFF));
        out.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) >> 8));
    }
    return out;
}

std::vector<int16_t> pull(TDXSound& mixer, int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames * mixer.primaryFormat().channels), -1);
    mixer.mix(out.data(), frames);
    return out;
}

constexpr PcmFormat mono16{1, 22050, 16};

TEST(Mixer, SilenceWhenNothingPlays) {
    TDXSound mixer;
    for (int16_t s : pull(mixer, 100)) EXPECT_EQ(s, 0);
}

TEST(Mixer, PlaysFromTheStartAndStopsAtTheEnd) {
    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(mono16, pcm16({100, 200, 300}));
    EXPECT_EQ(b.length(), 3);
    EXPECT_FALSE(b.playing());
    b.play();
    EXPECT_TRUE(b.playing());
    EXPECT_EQ(pull(mixer, 2), (std::vector<int16_t>{100, 200}));
    EXPECT_EQ(pull(mixer, 3), (std::vector<int16_t>{300, 0, 0}));
    EXPECT_FALSE(b.playing());
    // Playing again starts from the beginning, also when still playing.
    b.play();
    EXPECT_EQ(pull(mixer, 1), (std::vector<int16_t>{100}));
    b.play();
    EXPECT_EQ(pull(mixer, 1), (std::vector<int16_t>{100}));
}

TEST(Mixer, LoopedBufferWrapsUntilStopped) {
    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(mono16, pcm16({1, 2, 3}));
    b.play(true);
    EXPECT_TRUE(b.looped());
    EXPECT_EQ(pull(mixer, 7), (std::vector<int16_t>{1, 2, 3, 1, 2, 3, 1}));
    EXPECT_TRUE(b.playing());
    b.stop();
    EXPECT_FALSE(b.playing());
    EXPECT_EQ(pull(mixer, 2), (std::vector<int16_t>{0, 0}));
}

TEST(Mixer, LongPullsSpanSeveralChunks) {
    TDXSound mixer;
    std::vector<int16_t> ramp(3000);
    for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(i);
    SoundBuffer b = mixer.createBuffer(mono16, pcm16(ramp));
    b.play();
    const auto out = pull(mixer, 3100);
    for (size_t i = 0; i < 3000; ++i) ASSERT_EQ(out[i], static_cast<int16_t>(i));
    EXPECT_EQ(out[3050], 0);
}

TEST(Mixer, VoicesAddAndSaturate) {
    TDXSound mixer;
    SoundBuffer a = mixer.createBuffer(mono16, pcm16({20000, -20000, 5}));
    SoundBuffer b = a.duplicate();
    a.play();
    b.play();
    EXPECT_EQ(mixer.playingCount(), 2);
    EXPECT_EQ(pull(mixer, 3), (std::vector<int16_t>{32767, -32768, 10}));
}

TEST(Mixer, DuplicatesPlayIndependently) {
    TDXSound mixer;
    SoundBuffer a = mixer.createBuffer(mono16, pcm16({10, 20, 30, 40}));
    SoundBuffer b = a.duplicate();
    a.play();
    pull(mixer, 2);
    b.play();
    EXPECT_EQ(pull(mixer, 2), (std::vector<int16_t>{30 + 10, 40 + 20}));
    EXPECT_FALSE(a.playing());
    EXPECT_TRUE(b.playing());
}

TEST(Mixer, VolumeInHundredthsOfADecibel) {
    EXPECT_DOUBLE_EQ(volumeToGain(0), 1.0);
    EXPECT_NEAR(volumeToGain(-600), 0.501, 0.001);
    EXPECT_NEAR(volumeToGain(-2000), 0.1, 1e-12);
    EXPECT_EQ(volumeToGain(-10000), 0.0);
    EXPECT_EQ(volumeToGain(-20000), 0.0);
    EXPECT_DOUBLE_EQ(volumeToGain(500), 1.0);

    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(mono16, pcm16({10000, 10000}));
    b.setVolume(-2000);
    EXPECT_EQ(b.volume(), -2000);
    b.play();
    const auto out = pull(mixer, 1);
    EXPECT_NEAR(out[0], 1000, 1);
    b.setVolume(-10000);
    EXPECT_EQ(pull(mixer, 1)[0], 0);
    b.setVolume(-700);
    EXPECT_EQ(b.duplicate().volume(), -700);
    b.setVolume(300);
    EXPECT_EQ(b.volume(), 0);
}

TEST(MixerFormats, EightBitUnsignedBecomesSigned) {
    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(PcmFormat{1, 22050, 8}, std::vector<uint8_t>{128, 255, 0});
    b.play();
    EXPECT_EQ(pull(mixer, 3), (std::vector<int16_t>{0, 127 * 256, -128 * 256}));
}

TEST(MixerFormats, StereoIsAveragedToMono) {
    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(PcmFormat{2, 22050, 16}, pcm16({1000, 3000, -100, -300}));
    EXPECT_EQ(b.length(), 2);
    b.play();
    EXPECT_EQ(pull(mixer, 2), (std::vector<int16_t>{2000, -200}));
}

TEST(MixerFormats, RatesAreConvertedByInterpolation) {
    TDXSound mixer;
    // 11025 Hz: each sample spans two output frames, the second halfway to the next.
    SoundBuffer b = mixer.createBuffer(PcmFormat{1, 11025, 16}, pcm16({0, 1000, 2000}));
    EXPECT_EQ(b.length(), 6);
    b.play();
    EXPECT_EQ(pull(mixer, 6), (std::vector<int16_t>{0, 500, 1000, 1500, 2000, 2000}));
    // 44100 Hz: every other sample.
    SoundBuffer c = mixer.createBuffer(PcmFormat{1, 44100, 16}, pcm16({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(c.length(), 3);
    c.play();
    EXPECT_EQ(pull(mixer, 3), (std::vector<int16_t>{0, 2, 4}));
}

TEST(MixerFormats, TrailingPartialFrameIsIgnored) {
    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(PcmFormat{2, 22050, 16}, std::vector<uint8_t>(7, 0));
    EXPECT_EQ(b.length(), 1);
    SoundBuffer empty = mixer.createBuffer(mono16, {});
    empty.play();
    EXPECT_FALSE(empty.playing());
    empty.play(true);
    EXPECT_EQ(pull(mixer, 4), (std::vector<int16_t>{0, 0, 0, 0}));
}

TEST(MixerFormats, UnplayableFormatsAreRefused) {
    TDXSound mixer;
    const std::vector<uint8_t> data(16, 0);
    EXPECT_THROW(mixer.createBuffer(PcmFormat{0, 22050, 16}, data), SoundError);
    EXPECT_THROW(mixer.createBuffer(PcmFormat{3, 22050, 16}, data), SoundError);
    EXPECT_THROW(mixer.createBuffer(PcmFormat{1, 22050, 24}, data), SoundError);
    EXPECT_THROW(mixer.createBuffer(PcmFormat{1, 0, 16}, data), SoundError);
    EXPECT_THROW(mixer.createBuffer(PcmFormat{1, -5, 8}, data), SoundError);
    // Upsampling a long sound past the length limit.
    EXPECT_THROW(mixer.createBuffer(PcmFormat{1, 100, 8}, std::vector<uint8_t>(400000, 128)), SoundError);
}

TEST(MixerFormats, PrimaryFormatChangeConvertsExistingBuffers) {
    TDXSound mixer;
    SoundBuffer b = mixer.createBuffer(PcmFormat{1, 11025, 16}, pcm16({100, 100}));
    EXPECT_EQ(b.length(), 4);
    mixer.setPrimaryFormat(PcmFormat{2, 11025, 16});
    EXPECT_EQ(b.length(), 2);
    b.play();
    EXPECT_EQ(pull(mixer, 2), (std::vector<int16_t>{100, 100, 100, 100}));
    EXPECT_THROW(mixer.setPrimaryFormat(PcmFormat{1, 22050, 12}), SoundError);
}

TEST(MixerDevice, InitialiseOpensTheOutputAndReportsFailure) {
    TDXSound mixer;
    HeadlessSound output;
    output.attach(mixer);
    int initialised = 0;
    mixer.OnInitialize = [&] { ++initialised; };

    output.setRefuseOpen(true);
    EXPECT_THROW(mixer.initialize(), SoundError);
    EXPECT_FALSE(mixer.initialized());
    EXPECT_EQ(initialised, 0);

    output.setRefuseOpen(false);
    mixer.initialize();
    EXPECT_TRUE(mixer.initialized());
    EXPECT_TRUE(output.isOpen());
    EXPECT_EQ(output.openedFormat(), (PcmFormat{1, 22050, 16}));
    EXPECT_EQ(initialised, 1);

    SoundBuffer b = mixer.createBuffer(mono16, pcm16({1, 2}));
    b.play(true);
    mixer.finalize();
    EXPECT_FALSE(output.isOpen());
    EXPECT_FALSE(b.playing());
}

TEST(MixerDevice, CallsAreRecordedInOrder) {
    TDXSound mixer;
    HeadlessSound output;
    output.attach(mixer);
    SoundBuffer b = mixer.createBuffer(mono16, pcm16({1}));
    b.setTag("stroke");
    b.play();
    b.setVolume(-700);
    b.play(true);
    b.stop();
    const std::vector<RecordedSoundCall> expected{{SoundCall::Play, "stroke", 0},
                                                  {SoundCall::Volume, "stroke", -700},
                                                  {SoundCall::PlayLooped, "stroke", 0},
                                                  {SoundCall::Stop, "stroke", 0}};
    EXPECT_EQ(output.calls(), expected);
}

TEST(MixerDevice, ReleasedBuffersLeaveTheMix) {
    TDXSound mixer;
    {
        SoundBuffer b = mixer.createBuffer(mono16, pcm16({500, 500}));
        b.play(true);
        EXPECT_EQ(mixer.playingCount(), 1);
    }
    EXPECT_EQ(mixer.playingCount(), 0);
    EXPECT_EQ(pull(mixer, 1)[0], 0);
    SoundBuffer none;
    none.play();
    EXPECT_FALSE(none.playing());
    EXPECT_FALSE(none.duplicate().valid());
}

}  // namespace
}  // namespace orbigolf::platform
