#pragma once
// The program's forms (launch pad, intro, closing screen) as the program shows them:
// each draws into a display of its own that presents to the one window, takes the
// window's input events while it is the active form, and may own timers that the event
// loop ticks. Showing a form modally runs a nested event loop until the form ends its
// modal run (Tintro, Textro) or, for the main form, until the program ends.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/sound.h"
#include "platform/timer.h"
#include "platform/window.h"

namespace orbigolf::frontend {

// The application's title: the window's caption on every screen but the launch pad.
inline constexpr const char* kApplicationTitle = "Orbigolf Demo";

class Form;

// What a form needs from the running program.
class FormHost {
public:
    virtual ~FormHost() = default;
    virtual platform::Window& window() = 0;
    // The sound output, or null (headless runs, no sound device).
    virtual platform::AudioOutput* audio() = 0;
    // A sound device that cannot be opened: noted once, and the program goes on silently
    // (audio() is null from then on).
    virtual void soundUnavailable(const std::string& why) = 0;
    // The program's millisecond clock (the window's; virtual in headless replays).
    virtual uint64_t nowMs() = 0;
    // Waits `ms` milliseconds without delivering events or running timers (a busy wait
    // on the tick count); events that arrive meanwhile stay queued.
    virtual void busyWait(int ms) = 0;
    // The whole screen a full-screen form covers (640 x 480 in a window).
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;
    // Where a data file of this name lies (the program's folder or --data).
    virtual std::string dataPath(const std::string& name) = 0;
    // The standard error box.
    virtual void showError(const std::string& message) = 0;
    // A message box with its own caption and the exclamation icon.
    virtual void messageBox(const std::string& text, const std::string& caption) = 0;
    // Shows `form` modally: form.show(), then events and timers go to it until
    // form.modalDone(); then form.hide(). Nests.
    virtual void showModal(Form& form) = 0;
};

class Form {
public:
    virtual ~Form() = default;
    // Becomes visible (the show sequence and, for forms that have one, activation).
    virtual void show() = 0;
    // Leaves the screen after its modal run.
    virtual void hide() {}
    // An event from the event loop while this form is active.
    virtual void handleEvent(const platform::InputEvent& event) = 0;
    // Timers the event loop ticks while this form is active.
    virtual std::vector<platform::TDXTimer*> timers() { return {}; }
    // True once the form ended its modal run.
    virtual bool modalDone() const = 0;
};

}  // namespace orbigolf::frontend
