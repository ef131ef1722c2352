// The FLIC player: frame timing with injected time, seeking, the end of the animation,
// resynchronisation, painting positions and the refusal of damaged files.

#include <gtest/gtest.h>

#include <algorithm>

#include "flic_test_files.h"
#include "media/flic_player.h"
#include "platform/frames.h"

namespace orbigolf::media::test {
namespace {

using State = TFliPlayerTimer::PlayState;

// An 8 x 4 FLC whose frame k is filled with index k (a palette in frame 1).
FlicFileBuilder countingFile(int frames, uint16_t speed = 40) {
    FlicFileBuilder b;
    b.speed = speed;
    for (int k = 1; k <= frames; ++k) {
        std::vector<FlicChunk> chunks;
        if (k == 1) chunks.push_back(colourChunk(kFlicColor256, 0, {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}));
        chunks.push_back(literalChunk(std::vector<uint8_t>(32, uint8_t(k))));
        b.frame(chunks);
    }
    return b;
}

struct Player {
    TestClock clock;
    TFliPlayerTimer p{clock.fn()};
    std::vector<int> nextFrames;
    std::vector<int> ends;

    explicit Player(const std::string& file) {
        p.setFileName(file);
        p.OnFliNextFrame = [this](TFliPlayerTimer&, uint16_t n) { nextFrames.push_back(n); };
        p.OnFliEnd = [this](TFliPlayerTimer&, uint16_t n) { ends.push_back(n); };
    }
    int shownValue() const { return p.picture().indexes[0]; }
    void advance(uint64_t ms) {
        clock.now += ms;
        p.Tick();
    }
};

TEST(FlicPlayer, FrameDelayComesFromTheMagic) {
    FlicFileBuilder fli = countingFile(2, 5);
    fli.magic = kFlicMagicFli;
    Player a(fli.write("speed.fli"));
    a.p.Play();
    EXPECT_EQ(a.p.delay(), 71);  // 5/70 s
    Player b(countingFile(2, 40).write("speed.flc"));
    b.p.Play();
    EXPECT_EQ(b.p.delay(), 40);
    // SpeedOverride replaces the delay at every frame, for either kind.
    for (Player* pl : {&a, &b}) {
        pl->p.SpeedOverride = 100;
        pl->p.Tick();  // frame 1 is due at once
        EXPECT_EQ(pl->p.shownFrame(), 1);
        pl->advance(99);
        EXPECT_EQ(pl->p.shownFrame(), 1);
        pl->advance(1);
        EXPECT_EQ(pl->p.shownFrame(), 2);
    }
}

TEST(FlicPlayer, TickShowsOneFrameAndDecodesTheNextAhead) {
    Player pl(countingFile(5).write("tick.flc"));
    pl.p.Play();
    EXPECT_EQ(pl.p.playState(), State::Playing);
    EXPECT_TRUE(pl.p.timer().enabled());
    pl.p.Tick();
    EXPECT_EQ(pl.p.shownFrame(), 1);
    EXPECT_EQ(pl.shownValue(), 1);
    EXPECT_EQ(pl.p.decodedFrame(), 2);  // decoded ahead, waiting
    EXPECT_TRUE(pl.p.frameWaiting());
    EXPECT_EQ(pl.p.paintedFrame(), 1);
    pl.advance(39);
    EXPECT_EQ(pl.p.shownFrame(), 1);
    pl.advance(1);
    EXPECT_EQ(pl.p.shownFrame(), 2);
    EXPECT_EQ(pl.shownValue(), 2);
    // Falling behind: one frame per tick, none skipped, due times keep their spacing.
    const int64_t due = pl.p.nextDue();
    pl.advance(200);
    EXPECT_EQ(pl.p.shownFrame(), 3);
    EXPECT_EQ(pl.p.nextDue(), due + 40);
    pl.p.Tick();
    EXPECT_EQ(pl.p.shownFrame(), 4);
    EXPECT_EQ(pl.nextFrames, (std::vector<int>{1, 2, 3, 4}));
}

TEST(FlicPlayer, TheTimerDrivesTheTicksAtItsInterval) {
    Player pl(countingFile(3).write("timer.flc"));
    pl.p.setTimerInterval(3);
    pl.p.Play();
    pl.clock.now += 2;
    EXPECT_FALSE(pl.p.timer().idle());
    pl.clock.now += 1;
    EXPECT_TRUE(pl.p.timer().idle());
    EXPECT_EQ(pl.p.shownFrame(), 1);
    pl.p.Stop();
    EXPECT_FALSE(pl.p.timer().enabled());
}

TEST(FlicPlayer, LoopingAndTheEnd) {
    Player looped(countingFile(3).write("loop.flc"));
    looped.p.Play();
    for (int i = 0; i < 4; ++i) looped.advance(40);
    EXPECT_EQ(looped.p.shownFrame(), 1);  // after 3 comes 1 again, decoded from the start
    EXPECT_EQ(looped.shownValue(), 1);
    EXPECT_TRUE(looped.ends.empty());

    Player once(countingFile(3).write("once.flc"));
    once.p.Loop = false;
    once.p.Play();
    for (int i = 0; i < 6; ++i) once.advance(40);
    EXPECT_EQ(once.ends, (std::vector<int>{4}));
    EXPECT_EQ(once.p.playState(), State::Stopped);
    EXPECT_EQ(once.shownValue(), 3);  // the last frame stays in the picture
    EXPECT_TRUE(once.p.frameShown());
}

TEST(FlicPlayer, GotoFrameDecodesAtOnce) {
    Player pl(countingFile(6).write("goto.flc"));
    pl.p.Play();
    EXPECT_TRUE(pl.p.GotoFrame(5));
    EXPECT_EQ(pl.p.shownFrame(), 5);
    EXPECT_EQ(pl.p.paintedFrame(), 5);
    EXPECT_EQ(pl.shownValue(), 5);
    EXPECT_TRUE(pl.p.GotoFrame(1));  // rewinds
    EXPECT_EQ(pl.shownValue(), 1);
    EXPECT_TRUE(pl.p.GotoFrame(3));
    EXPECT_TRUE(pl.p.GotoFrame(2));  // backwards: wraps round through the file
    EXPECT_EQ(pl.shownValue(), 2);
    EXPECT_FALSE(pl.p.GotoFrame(7));
    EXPECT_FALSE(pl.p.GotoFrame(0));
    EXPECT_EQ(pl.shownValue(), 2);
    // Seeking wraps even when the player does not loop.
    pl.p.Loop = false;
    EXPECT_TRUE(pl.p.GotoFrame(6));
    EXPECT_TRUE(pl.p.GotoFrame(1));
    EXPECT_TRUE(pl.ends.empty());
    // The launch pad's transition: frames 1..30 in a row, no waiting.
    Player flip(countingFile(30).write("flip.flc"));
    flip.p.Play();
    for (int n = 1; n <= 30; ++n) EXPECT_TRUE(flip.p.GotoFrame(n));
    EXPECT_EQ(flip.shownValue(), 30);
}

TEST(FlicPlayer, OneFrameAnimations) {
    // Rewinding to frame 1 reads it even though the frame count already says 1.
    Player pl(countingFile(1).write("single.flc"));
    EXPECT_TRUE(pl.p.ShowFrame(1));
    EXPECT_EQ(pl.shownValue(), 1);
    EXPECT_EQ(pl.p.picture().palette[1], (platform::Rgb{255, 0, 0}));
    pl.p.Play();
    for (int i = 0; i < 3; ++i) pl.advance(40);
    EXPECT_EQ(pl.p.shownFrame(), 1);
    EXPECT_EQ(pl.shownValue(), 1);
}

TEST(FlicPlayer, DamageFoundWhilePlayingStopsTheTick) {
    FlicFileBuilder b = countingFile(2);
    b.frame({literalChunk(std::vector<uint8_t>(3, 9))});  // 3 of 32 pixels
    Player pl(b.write("late.flc"));
    pl.p.Play();
    pl.p.Tick();  // shows 1, decodes 2
    std::string message;
    try {
        pl.advance(40);  // shows 2, then frame 3 is damaged
    } catch (const MediaError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("frame 3"), std::string::npos) << message;
    EXPECT_EQ(pl.p.playState(), State::Stopped);
    EXPECT_FALSE(pl.p.timer().enabled());
    EXPECT_EQ(pl.shownValue(), 2);  // the last good frame stays in the picture
}

TEST(FlicPlayer, ShowFrameOnlyWhenStopped) {
    Player pl(countingFile(4).write("show.flc"));
    EXPECT_TRUE(pl.p.ShowFrame(3));
    EXPECT_EQ(pl.p.playState(), State::Stopped);
    EXPECT_EQ(pl.shownValue(), 3);
    pl.p.Play();
    pl.p.Tick();
    EXPECT_FALSE(pl.p.ShowFrame(2));
    EXPECT_EQ(pl.p.shownFrame(), 1);
    EXPECT_EQ(pl.p.playState(), State::Playing);
}

TEST(FlicPlayer, PauseKeepsTheFrameAndDecodesAhead) {
    Player pl(countingFile(4).write("pause.flc"));
    pl.p.Play();
    pl.p.Tick();
    pl.p.Pause();
    EXPECT_EQ(pl.p.playState(), State::Paused);
    pl.advance(500);
    EXPECT_EQ(pl.p.shownFrame(), 1);
    EXPECT_EQ(pl.p.decodedFrame(), 2);
    pl.p.Resume();
    EXPECT_EQ(pl.p.nextDue(), int64_t(pl.clock.now));
    pl.p.Tick();
    EXPECT_EQ(pl.p.shownFrame(), 2);
    // Resume when not paused plays from the start.
    pl.p.Resume();
    EXPECT_EQ(pl.p.shownFrame(), 0);
    EXPECT_EQ(pl.p.decodedFrame(), 0);
}

TEST(FlicPlayer, FileNameChangeStops) {
    Player pl(countingFile(2).write("name.flc"));
    pl.p.Play();
    pl.p.setFileName(pl.p.FileName());
    EXPECT_EQ(pl.p.playState(), State::Playing);
    pl.p.setFileName(pl.p.FileName() + ".other");
    EXPECT_EQ(pl.p.playState(), State::Stopped);
}

TEST(FlicPlayer, MissingFileWritesTheMessageOnTheControl) {
    platform::Surface screen(300, 40);
    screen.fill(platform::toRgb565(10, 20, 30));
    Player pl("/nonexistent/interface_loop.flc");
    pl.p.setSurface(&screen);
    pl.p.setBounds(10, 5, 280, 30);
    pl.p.Play();
    EXPECT_EQ(pl.p.playState(), State::Stopped);
    EXPECT_EQ(pl.p.errorMessage(), kFlicFileDoesNotExist);
    // Black text on a white box from (15, 10), one character cell each 6 pixels.
    const std::string text = kFlicFileDoesNotExist;
    EXPECT_EQ(screen.pixel(15, 10), 0xFFFF);
    EXPECT_EQ(screen.pixel(14, 10), platform::toRgb565(10, 20, 30));
    int ink = 0;
    for (int y = 10; y < 19; ++y)
        for (int x = 15; x < 15 + 6 * int(text.size()); ++x) ink += screen.pixel(x, y) == 0;
    EXPECT_GT(ink, 100);
    EXPECT_EQ(screen.pixel(15 + 6 * int(text.size()), 10), platform::toRgb565(10, 20, 30));
}

TEST(FlicPlayer, PrefixChunksAndSizeDifferencesAreSkipped) {
    FlicFileBuilder b = countingFile(0);
    ByteBuilder prefix;
    prefix.u32(22).u16(kFlicPrefixType).u16(0).zeros(14);
    b.raw(prefix.bytes);
    b.frame({literalChunk(std::vector<uint8_t>(32, 1))}, 4);
    b.raw({9, 9, 9, 9});  // counted in the first frame's size, read by no chunk
    b.frame({literalChunk(std::vector<uint8_t>(32, 2))});
    b.frameCountField = 2;
    Player pl(b.write("prefix.flc"));
    pl.p.Play();
    EXPECT_TRUE(pl.p.GotoFrame(1));
    EXPECT_EQ(pl.shownValue(), 1);
    EXPECT_TRUE(pl.p.GotoFrame(2));
    EXPECT_EQ(pl.shownValue(), 2);
}

TEST(FlicPlayer, ResynchronisesOnAFrameOfTheWrongType) {
    FlicFileBuilder b = countingFile(1);
    b.frame({literalChunk(std::vector<uint8_t>(32, 7))}, 0, 0x1234);  // not a frame
    b.raw({1, 2, 3});                                                  // odd junk
    b.frame({literalChunk(std::vector<uint8_t>(32, 2))});
    b.frameCountField = 2;
    const std::string file = b.write("resync.flc");
    Player pl(file);
    pl.p.Play();
    EXPECT_TRUE(pl.p.GotoFrame(2));
    EXPECT_EQ(pl.shownValue(), 2);
    EXPECT_EQ(pl.p.playState(), State::Playing);

    // A player paused from outside (here by the frame event, between showing a frame and
    // decoding the next) stays paused after the scan.
    Player paused(file);
    paused.p.OnFliNextFrame = [&](TFliPlayerTimer& p, uint16_t) { p.Pause(); };
    paused.p.Play();
    paused.p.Tick();  // shows 1, pauses, decodes frame 2 through the scan
    EXPECT_EQ(paused.p.decodedFrame(), 2);
    EXPECT_EQ(paused.p.playState(), State::Paused);

    // No frame after the bad one: the player stops.
    FlicFileBuilder lost = countingFile(1);
    lost.frame({literalChunk(std::vector<uint8_t>(32, 7))}, 0, 0x1234);
    lost.frameCountField = 2;
    Player end(lost.write("lost.flc"));
    end.p.Play();
    EXPECT_FALSE(end.p.GotoFrame(2));
    EXPECT_EQ(end.p.playState(), State::Stopped);
    EXPECT_NE(end.p.errorMessage(), "");
}

TEST(FlicPlayer, PaintingPositions) {
    platform::Surface screen(40, 20);
    Player pl(countingFile(1).write("paint.flc"));
    pl.p.setSurface(&screen);
    pl.p.setBounds(2, 3, 20, 10);
    pl.p.Play();
    pl.p.Tick();
    const platform::Pixel565 red = platform::toRgb565(255, 0, 0);
    auto covered = [&] {
        platform::Rect r{99, 99, 0, 0};
        int x1 = -1, y1 = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (screen.pixel(x, y) == red) {
                    r.x = std::min(r.x, x);
                    r.y = std::min(r.y, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        r.w = x1 - r.x + 1;
        r.h = y1 - r.y + 1;
        return r;
    };
    EXPECT_EQ(covered(), (platform::Rect{2, 3, 8, 4}));  // FliLeft
    pl.p.setFliPos(TFliPos::FliRight);
    EXPECT_EQ(covered(), (platform::Rect{14, 3, 8, 4}));
    pl.p.setFliPos(TFliPos::FliCentre);
    EXPECT_EQ(covered(), (platform::Rect{8, 6, 8, 4}));  // (20-8) div 2, (10-4) div 2
    pl.p.setStretch(true);
    pl.p.Paint();
    EXPECT_EQ(covered(), (platform::Rect{2, 3, 20, 10}));
    // A control smaller than the animation: clipped to the control, centred by div.
    pl.p.setStretch(false);
    screen.fill(0);
    pl.p.setBounds(0, 0, 3, 3);
    pl.p.Paint();
    EXPECT_EQ(covered(), (platform::Rect{0, 0, 3, 3}));
    // AutoSize takes the animation's size at the next start.
    pl.p.AutoSize = true;
    pl.p.Play();
    EXPECT_EQ(pl.p.Width(), 8);
    EXPECT_EQ(pl.p.Height(), 4);
}

TEST(FlicPlayer, PaletteChunks) {
    FlicPalette pal{};
    ByteBuilder c64;
    c64.u16(1).u8(0).u8(1).u8(63).u8(32).u8(0);
    decodeFlicColor(c64.bytes, pal, true);
    EXPECT_EQ(pal[0], (platform::Rgb{252, 128, 0}));
    // The skip wraps at 256; a count of 0 means 256 entries.
    ByteBuilder wrap;
    wrap.u16(2).u8(250).u8(10);
    for (int i = 0; i < 10; ++i) wrap.u8(uint32_t(i)).u8(1).u8(2);
    wrap.u8(0).u8(1).u8(77).u8(78).u8(79);
    decodeFlicColor(wrap.bytes, pal, false);
    EXPECT_EQ(pal[250], (platform::Rgb{0, 1, 2}));
    EXPECT_EQ(pal[3], (platform::Rgb{9, 1, 2}));
    EXPECT_EQ(pal[4], (platform::Rgb{77, 78, 79}));
    ByteBuilder all;
    all.u16(1).u8(0).u8(0);
    for (int i = 0; i < 256; ++i) all.u8(uint32_t(i)).u8(0).u8(0);
    decodeFlicColor(all.bytes, pal, false);
    EXPECT_EQ(pal[255].r, 255);
}

TEST(FlicPlayer, DeltaAndRunChunks) {
    std::vector<uint8_t> px(6 * 4, 0);
    const FlicFrameBuffer frame{px, 6, 4};
    // Byte run: a repeat of 4, then a copy of 2 literal bytes; row 2..4 a run of 6.
    ByteBuilder brun;
    brun.u8(2).u8(4).u8(7).u8(0xFE).u8(1).u8(2);
    for (int r = 1; r < 4; ++r) brun.u8(1).u8(6).u8(uint32_t(r));
    decodeFlicByteRun(brun.bytes, frame);
    EXPECT_EQ(std::vector<uint8_t>(px.begin(), px.begin() + 6), (std::vector<uint8_t>{7, 7, 7, 7, 1, 2}));
    EXPECT_EQ(px[23], 3);
    // Byte line delta: rows 1..2; skip 2, copy 2; skip 1, repeat 9 twice.
    ByteBuilder lc;
    lc.u16(1).u16(2).u8(2).u8(2).u8(2).u8(50).u8(51).u8(0).u8(0xFE).u8(9).u8(0);
    decodeFlicDeltaFli(lc.bytes, frame);
    EXPECT_EQ(std::vector<uint8_t>(px.begin() + 6, px.begin() + 12), (std::vector<uint8_t>{1, 1, 50, 51, 9, 9}));
    EXPECT_EQ(std::vector<uint8_t>(px.begin() + 12, px.begin() + 18), (std::vector<uint8_t>(6, 2)));
    // Word delta: skip 2 rows, one packet copying a word at x 2; then the next row with a
    // repeated word pair; an undefined 0x4000 word is passed over.
    ByteBuilder dw;
    dw.u16(2).u16(0xFFFE).u16(1).u8(2).u8(1).u8(60).u8(61);
    dw.u16(0x4000).u16(1).u8(0).u8(0xFD).u8(5).u8(6);
    decodeFlicDeltaFlc(dw.bytes, frame);
    EXPECT_EQ(std::vector<uint8_t>(px.begin() + 12, px.begin() + 18), (std::vector<uint8_t>{2, 2, 60, 61, 2, 2}));
    EXPECT_EQ(std::vector<uint8_t>(px.begin() + 18, px.end()), (std::vector<uint8_t>{5, 6, 5, 6, 5, 6}));
    // A packet count above 255 (a 640-pixel row of single-word changes).
    std::vector<uint8_t> wide(640, 0);
    ByteBuilder many;
    many.u16(1).u16(300);
    for (int i = 0; i < 300; ++i) many.u8(0).u8(1).u8(uint32_t(i & 255)).u8(1);
    decodeFlicDeltaFlc(many.bytes, FlicFrameBuffer{wide, 640, 1});
    EXPECT_EQ(wide[2 * 299], 299 & 255);
    EXPECT_EQ(wide[2 * 299 + 1], 1);
    // The last-pixel word of odd widths.
    std::vector<uint8_t> odd(5 * 2, 0);
    ByteBuilder last;
    last.u16(1).u16(0x8000 | 42).u16(0);
    decodeFlicDeltaFlc(last.bytes, FlicFrameBuffer{odd, 5, 2});
    EXPECT_EQ(odd[4], 42);
    decodeFlicBlack(frame);
    EXPECT_EQ(px, std::vector<uint8_t>(24, 0));
}

TEST(FlicPlayer, DamagedChunksNeverLeaveTheirBuffers) {
    std::vector<uint8_t> px(6 * 4, 0);
    const FlicFrameBuffer frame{px, 6, 4};
    auto damaged = [](auto f) {
        try {
            f();
        } catch (const FlicDamage& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    ByteBuilder longRun;  // a repeat of 30 in a 24-pixel frame
    longRun.u8(1).u8(30).u8(1);
    EXPECT_NE(damaged([&] { decodeFlicByteRun(longRun.bytes, frame); }), "");
    ByteBuilder shortRun;  // the data ends before the rows are filled
    shortRun.u8(1).u8(3).u8(1);
    EXPECT_NE(damaged([&] { decodeFlicByteRun(shortRun.bytes, frame); }), "");
    ByteBuilder rows;  // rows 3..5 of 4
    rows.u16(3).u16(2).u8(0).u8(0);
    EXPECT_NE(damaged([&] { decodeFlicDeltaFli(rows.bytes, frame); }), "");
    ByteBuilder skipFar;  // a skip beyond the last pixel
    skipFar.u16(3).u16(1).u8(1).u8(200).u8(1).u8(5);
    EXPECT_NE(damaged([&] { decodeFlicDeltaFli(skipFar.bytes, frame); }), "");
    ByteBuilder rowSkip;  // skips 100 rows
    rowSkip.u16(1).u16(uint32_t(65536 - 100)).u16(0);
    EXPECT_NE(damaged([&] { decodeFlicDeltaFlc(rowSkip.bytes, frame); }), "");
    ByteBuilder entries;  // more row entries than rows
    entries.u16(9);
    for (int i = 0; i < 9; ++i) entries.u16(0);
    EXPECT_NE(damaged([&] { decodeFlicDeltaFlc(entries.bytes, frame); }), "");
    ByteBuilder wordRun;  // 20 words from x 0 of the last row
    wordRun.u16(1).u16(0xFFFD).u16(1).u8(0).u8(0xEC).u8(1).u8(1);
    EXPECT_NE(damaged([&] { decodeFlicDeltaFlc(wordRun.bytes, frame); }), "");
    EXPECT_NE(damaged([&] { decodeFlicLiteral(Bytes(23, 0), frame); }), "");
    FlicPalette pal{};
    ByteBuilder colours;  // 5 colours promised, 1 given
    colours.u16(1).u8(0).u8(5).u8(1).u8(2).u8(3);
    EXPECT_NE(damaged([&] { decodeFlicColor(colours.bytes, pal, false); }), "");
}

TEST(FlicPlayer, DamagedFilesStopWithAMessage) {
    auto playAll = [](const FlicFileBuilder& b, const std::string& name) {
        Player pl(b.write(name));
        std::string message;
        try {
            pl.p.Play();
            for (int n = 1; n <= pl.p.frameCount() && pl.p.playState() != State::Stopped; ++n) pl.p.GotoFrame(n);
        } catch (const MediaError& e) {
            message = e.what();
        }
        EXPECT_EQ(pl.p.playState(), State::Stopped) << name;
        EXPECT_EQ(message, pl.p.errorMessage()) << name;
        return message;
    };
    FlicFileBuilder bigChunk = countingFile(1);
    ByteBuilder f;  // a chunk that claims 1 MB
    f.u32(16 + 6).u16(kFlicFrameType).u16(1).zeros(8).u32(1 << 20).u16(kFlicLiteral);
    bigChunk.raw(f.bytes).frameCountField = 2;
    EXPECT_NE(playAll(bigChunk, "bigchunk.flc").find("FLIC is invalid"), std::string::npos);

    FlicFileBuilder tooFew = countingFile(2);
    tooFew.frameCountField = 3;  // the file ends before frame 3
    EXPECT_NE(playAll(tooFew, "toofew.flc").find("frame 3"), std::string::npos);

    FlicFileBuilder huge = countingFile(1);
    huge.width = 8000;
    huge.height = 8000;
    EXPECT_NE(playAll(huge, "huge.flc").find("too large"), std::string::npos);

    FlicFileBuilder empty = countingFile(1);
    empty.height = 0;
    EXPECT_NE(playAll(empty, "empty.flc"), "");

    FlicFileBuilder run = countingFile(1);
    ByteBuilder brun;
    brun.u8(1).u8(127).u8(1);
    run.frame({{kFlicByteRun, brun.bytes}});
    EXPECT_NE(playAll(run, "run.flc").find("byte run"), std::string::npos);

    EXPECT_NE(playAll(FlicFileBuilder{}.raw({}), "noframes.flc"), "");

    // A header cut short.
    const std::string shortFile = countingFile(1).write("short.flc");
    std::filesystem::resize_file(shortFile, 60);
    Player cut(shortFile);
    EXPECT_NE(errorOf([&] { cut.p.Play(); }).find("header"), std::string::npos);
    EXPECT_EQ(cut.p.playState(), State::Stopped);
}

}  // namespace
}  // namespace orbigolf::media::test
