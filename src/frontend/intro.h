#pragma once
// The intro form: a black full-screen form that plays the maker's logo movie and then the
// game's intro movie, each at its own size in the middle of the screen, with the mouse
// cursor hidden and parked in the bottom-right corner. The end of the intro movie, any
// key or any mouse button ends its modal run.
//
// A movie that cannot be opened is reported in the error box and nothing plays; the
// screen stays black until a key or a mouse button ends the intro.

#include <string>
#include <vector>

#include "frontend/form.h"
#include "frontend/movie_player.h"
#include "platform/display.h"
#include "platform/sound.h"

namespace orbigolf::frontend {

inline constexpr const char* kLogoMovieName = "vexlo.avi";
inline constexpr const char* kIntroMovieName = "intro.avi";

class Tintro : public Form {
public:
    explicit Tintro(FormHost& host);
    ~Tintro() override;
    Tintro(const Tintro&) = delete;
    Tintro& operator=(const Tintro&) = delete;

    static constexpr const char* Caption = "intro";

    // --- Form ---
    // FormShow, then FormActivate (which waits 1.5 s and starts the logo movie).
    void show() override;
    // Stops and closes the movie, leaves the display mode and the sound device.
    void hide() override;
    void handleEvent(const platform::InputEvent& event) override;
    std::vector<platform::TDXTimer*> timers() override { return {&MediaPlayer1.timer()}; }
    bool modalDone() const override { return modalDone_; }

    // --- handlers ---
    void FormShow();
    void FormActivate();
    void FormKeyDown(int key, platform::ShiftState shift);
    void FormMouseDown(platform::MouseButton button, platform::ShiftState shift, int x, int y);
    void FormMouseMove(platform::ShiftState shift, int x, int y);
    void MediaPlayer1Notify();

    // The form's size while shown (the whole screen).
    int width() const { return width_; }
    int height() const { return height_; }
    platform::Display& display() { return display_; }
    platform::TDXSound& sound() { return sound_; }

private:
    // Sizes the player to the open movie and centres it on the form.
    void placePlayer();
    // Opens MediaPlayer1.FileName; a failure goes to the error box and leaves the screen
    // black. Returns whether the movie is open.
    bool openMovie();
    void paintBlack();
    // Stops everything and ends the modal run (once).
    void endIntro();
    void hideCursor();
    void showCursor();

    FormHost& host_;
    platform::Display display_;
    platform::TDXSound sound_;
    int width_ = 0;
    int height_ = 0;
    bool modalDone_ = false;
    bool cursorHidden_ = false;

public:
    // Declared after the display it draws into.
    TMediaPlayer MediaPlayer1;
};

}  // namespace orbigolf::frontend
