#include "frontend/whole_screen.h"
#include "frontend/intro.h"

#include <filesystem>

#include "platform/ascii_case.h"
#include "platform/movie/movie.h"

namespace orbigolf::frontend {

namespace {
// The pause between the black screen and the logo movie.
constexpr int kActivationWaitMs = 1500;

bool isMovie(const std::string& fileName, const char* name) {
    return !fileName.empty() &&
           platform::sameIgnoringCase(std::filesystem::path(fileName).filename().string(), name);
}
}  // namespace

Tintro::Tintro(FormHost& host)
    : host_(host), display_(&host.window()), MediaPlayer1(host, display_) {
    MediaPlayer1.OnNotify = [this] { MediaPlayer1Notify(); };
    MediaPlayer1.setSound(&sound_);
}

Tintro::~Tintro() {
    MediaPlayer1.Close();
    if (sound_.initialized()) sound_.finalize();
    if (display_.initialized()) display_.finalize();
}

void Tintro::show() {
    FormShow();
    FormActivate();
}

void Tintro::hide() {
    MediaPlayer1.Close();
    if (sound_.initialized()) sound_.finalize();
    if (display_.initialized()) display_.finalize();
    // A run ended from outside (the program quitting) still gives the cursor back.
    showCursor();
}

void Tintro::handleEvent(const platform::InputEvent& event) {
    using Type = platform::InputEvent::Type;
    switch (event.type) {
        case Type::KeyDown:
            FormKeyDown(event.key, event.shift);
            break;
        case Type::MouseDown:
            FormMouseDown(event.button, event.shift, event.x, event.y);
            break;
        case Type::MouseMove:
            FormMouseMove(event.shift, event.x, event.y);
            break;
        // Closing the window ends the intro like a key, so the program can go on to quit.
        case Type::Close:
            endIntro();
            break;
        default:
            break;
    }
}

void Tintro::FormShow() {
    modalDone_ = false;
    width_ = host_.screenWidth();
    height_ = host_.screenHeight();
    coverWholeScreen(display_, host_);
    paintBlack();

    if (!sound_.initialized() && host_.audio() != nullptr) {
        sound_.setOutput(host_.audio());
        try {
            sound_.initialize();
        } catch (const platform::SoundError& e) {
            // No sound device: the movies play silently.
            host_.soundUnavailable(e.what());
        }
    }

    MediaPlayer1.Notify = false;
    MediaPlayer1.FileName = host_.dataPath(kLogoMovieName);
    if (!openMovie()) return;
    MediaPlayer1.Notify = true;
    placePlayer();
}

void Tintro::FormActivate() {
    host_.busyWait(kActivationWaitMs);
    MediaPlayer1.Play();
    host_.window().setCursorPos(width_, height_);
    hideCursor();
}

void Tintro::FormKeyDown(int, platform::ShiftState) {
    endIntro();
}

void Tintro::FormMouseDown(platform::MouseButton, platform::ShiftState, int, int) {
    endIntro();
}

void Tintro::FormMouseMove(platform::ShiftState, int x, int y) {
    if (modalDone_) return;
    // A pointer already in the corner stays put: a window system may report the parked
    // pointer one pixel inside the screen, and moving it again would only bring another
    // move.
    if (x >= width_ - 1 && y >= height_ - 1) return;
    host_.window().setCursorPos(width_, height_);
}

void Tintro::MediaPlayer1Notify() {
    if (isMovie(MediaPlayer1.FileName, kIntroMovieName)) {
        endIntro();
    } else if (isMovie(MediaPlayer1.FileName, kLogoMovieName)) {
        MediaPlayer1.Notify = false;
        MediaPlayer1.FileName = host_.dataPath(kIntroMovieName);
        if (!openMovie()) return;
        MediaPlayer1.Notify = true;
        placePlayer();
        MediaPlayer1.Play();
    }
}

void Tintro::placePlayer() {
    const platform::Rect source = MediaPlayer1.sourceRect();
    const int w = source.w;
    const int h = source.h;
    MediaPlayer1.DisplayRect = platform::Rect{width_ / 2 - w / 2, height_ / 2 - h / 2, w, h};
}

bool Tintro::openMovie() {
    try {
        MediaPlayer1.Open();
        return true;
    } catch (const platform::MovieError& e) {
        host_.showError(e.what());
        // Whatever the previous movie left on the screen goes.
        paintBlack();
        return false;
    }
}

void Tintro::paintBlack() {
    if (!display_.ready()) return;
    display_.fill(0);
    display_.flip();
}

void Tintro::endIntro() {
    if (modalDone_) return;
    MediaPlayer1.FileName.clear();
    MediaPlayer1.Notify = false;
    MediaPlayer1.Stop();
    modalDone_ = true;
    showCursor();
}

void Tintro::hideCursor() {
    if (cursorHidden_) return;
    host_.window().setCursorVisible(false);
    cursorHidden_ = true;
}

void Tintro::showCursor() {
    if (!cursorHidden_) return;
    host_.window().setCursorVisible(true);
    cursorHidden_ = false;
}

}  // namespace orbigolf::frontend
