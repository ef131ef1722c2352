#pragma once
// The intro's movie player control: opens an AVI file, plays it at its own frame rate
// into a rectangle of a display, plays its sound track alongside, and reports the end of
// playback. Frames are paced by the program clock through a timer that the event loop
// ticks, and the sound track starts with the first frame, so picture and sound stay
// together as long as the clock and the sound device run at the same speed.
//
// Notification works as with a media device: `Notify` is read when Play() is called, and
// only a play started with it on calls OnNotify when it reaches the end. Stop() and
// Close() drop a pending notification.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "frontend/form.h"
#include "platform/display.h"
#include "platform/frames.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/timer.h"

namespace orbigolf::platform {
class Movie;
}

namespace orbigolf::frontend {

class TMediaPlayer {
public:
    // Draws into `display` and reads the clock of `host`; both must outlive the player.
    TMediaPlayer(FormHost& host, platform::Display& display);
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    // Where the sound track plays; null or a device that is not initialised: silently.
    void setSound(platform::TDXSound* sound) { sound_ = sound; }

    std::string FileName;
    bool Notify = false;
    std::function<void()> OnNotify;
    // Where the picture goes on the display: drawn from the top-left corner at the movie's
    // own size, clipped to the rectangle and the display. The rest of the display is black.
    platform::Rect DisplayRect;

    // Opens FileName, closing what was open. A movie that cannot be played throws
    // platform::MovieError with the reason and leaves the player closed. A sound track that
    // cannot be read is reported through the host's error box and the picture plays silently.
    void Open();
    // Stops and lets go of the movie.
    void Close();
    // Plays from the current frame to the end; the sound track plays along when the play
    // starts at the first frame. Does nothing when no movie is open or the movie has
    // already ended (there is no automatic rewind).
    void Play();
    // Stops at the current frame; the sound track stops too.
    void Stop();

    bool isOpen() const { return movie_ != nullptr; }
    bool playing() const { return playing_; }
    // The open movie's own rectangle (0, 0, width, height); empty when nothing is open.
    platform::Rect sourceRect() const;
    // Frames drawn since the movie was opened.
    int64_t framesShown() const { return shown_; }

    // The pacing timer; the form that holds the player hands it to the event loop.
    platform::TDXTimer& timer() { return timer_; }

private:
    void tick();
    void showFrame();
    void reachEnd();
    uint64_t frameTimeMs(int64_t frame) const;

    FormHost& host_;
    platform::Display& display_;
    platform::TDXSound* sound_ = nullptr;
    platform::TDXTimer timer_;

    std::unique_ptr<platform::Movie> movie_;
    platform::SoundBuffer track_;
    platform::Surface frame_;
    double framesPerSecond_ = 15;
    int64_t shown_ = 0;
    bool ended_ = false;
    bool playing_ = false;
    bool notifyOnEnd_ = false;
    uint64_t startMs_ = 0;  // clock time of frame 0 for the current play
};

}  // namespace orbigolf::frontend
