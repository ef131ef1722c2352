#include "frontend/movie_player.h"

#include <cmath>
#include <span>
#include <vector>

#include "platform/blit.h"
#include "platform/movie/movie.h"

namespace orbigolf::frontend {

namespace {
// How often the player looks whether the next frame is due; well below a frame's time at
// the frame rates movies use, so a frame is never late by more than this.
constexpr int kPollMs = 5;
}  // namespace

TMediaPlayer::TMediaPlayer(FormHost& host, platform::Display& display)
    : host_(host), display_(display), timer_([&host] { return host.nowMs(); }) {
    timer_.setInterval(kPollMs);
    timer_.OnTimer = [this] { tick(); };
}

TMediaPlayer::~TMediaPlayer() {
    Close();
}

void TMediaPlayer::Open() {
    Close();
    movie_ = std::make_unique<platform::Movie>(platform::Movie::open(FileName));
    const platform::MovieInfo& info = movie_->info();
    // The decoder always gives a rate; a zero or absurd one would stall or race the
    // picture, so such a movie plays at the rate its writers use by default.
    framesPerSecond_ = std::isfinite(info.framesPerSecond) && info.framesPerSecond >= 0.1 &&
                               info.framesPerSecond <= 1000
                           ? info.framesPerSecond
                           : 15.0;
    if (sound_ != nullptr && sound_->initialized() && info.hasSound) {
        try {
            const std::vector<int16_t> samples = movie_->soundTrack();
            if (!samples.empty()) {
                track_ = sound_->createBuffer(
                    platform::PcmFormat{1, platform::kMovieSoundRate, 16},
                    std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(samples.data()),
                                             samples.size() * 2));
                track_.setTag(FileName);
            }
        } catch (const std::exception& e) {
            // The picture is worth showing without its sound.
            host_.showError(e.what());
            track_ = {};
        }
    }
}

void TMediaPlayer::Close() {
    Stop();
    movie_.reset();
    track_ = {};
    frame_ = {};
    shown_ = 0;
    ended_ = false;
}

void TMediaPlayer::Play() {
    if (!movie_ || ended_) return;
    notifyOnEnd_ = Notify;
    playing_ = true;
    // The next frame is due now; the ones already shown lie before it on the clock.
    const uint64_t now = host_.nowMs();
    const uint64_t before = frameTimeMs(shown_);
    startMs_ = now >= before ? now - before : 0;
    if (shown_ == 0) track_.play();
    timer_.setEnabled(true);
    // Show the first frame at once rather than one poll later.
    tick();
}

void TMediaPlayer::Stop() {
    playing_ = false;
    notifyOnEnd_ = false;
    timer_.setEnabled(false);
    track_.stop();
}

platform::Rect TMediaPlayer::sourceRect() const {
    if (!movie_) return {};
    return platform::Rect{0, 0, movie_->info().width, movie_->info().height};
}

uint64_t TMediaPlayer::frameTimeMs(int64_t frame) const {
    return static_cast<uint64_t>(
        std::floor(static_cast<double>(frame) * 1000.0 / framesPerSecond_));
}

void TMediaPlayer::tick() {
    if (!playing_ || !movie_) return;
    const uint64_t now = host_.nowMs();
    const uint64_t elapsed = now >= startMs_ ? now - startMs_ : 0;
    // Frame k is due once k / fps seconds have passed since frame 0.
    const auto due =
        static_cast<int64_t>(std::floor(static_cast<double>(elapsed) * framesPerSecond_ / 1000.0)) +
        1;
    bool drawn = false;
    while (shown_ < due) {
        bool got = false;
        try {
            got = movie_->nextFrame(frame_);
        } catch (const platform::MovieError& e) {
            // A damaged frame ends the movie here rather than failing on every tick.
            host_.showError(e.what());
        }
        if (!got) {
            // The frame that is missing was due when the last one's time had passed.
            if (drawn) showFrame();
            reachEnd();
            return;
        }
        ++shown_;
        drawn = true;
    }
    if (drawn) showFrame();
}

void TMediaPlayer::showFrame() {
    if (!display_.ready() || frame_.empty()) return;
    display_.fill(0);
    frame_.setTransparent(false);
    const platform::Rect src{0, 0, std::min(frame_.width(), DisplayRect.w),
                             std::min(frame_.height(), DisplayRect.h)};
    platform::blit(display_.backBuffer(), frame_, src, DisplayRect.x, DisplayRect.y);
    display_.flip();
}

void TMediaPlayer::reachEnd() {
    ended_ = true;
    playing_ = false;
    timer_.setEnabled(false);
    track_.stop();
    const bool notify = notifyOnEnd_;
    notifyOnEnd_ = false;
    // The handler may open another movie in this player; nothing here runs after it.
    if (notify && OnNotify) OnNotify();
}

}  // namespace orbigolf::frontend
