#pragma once
// The browser back end: the page's canvas as the window, Web Audio as the sound output, the
// page's address as the program's options, and the browser's storage behind the settings
// folder. Only this folder includes emscripten; callers get the platform-neutral interfaces.
//
// The program runs as it does on the desktop, one nested event loop per modal form: waiting
// for an event or a timer gives the browser its turn (the build unwinds and resumes the
// program's stack), so the page stays live while a form runs.

#include <memory>
#include <optional>
#include <string>

#include "platform/sound.h"
#include "platform/window.h"

namespace orbigolf::platform::web {

// Where the page's content set is preloaded.
inline constexpr const char* kDataFolder = "/data";

// The canvas "#canvas" of the page, with its input.
std::unique_ptr<Window> createWindow(const WindowOptions& options);

// Web Audio, pulling the mixer; the browser lets it sound from the first click on.
std::unique_ptr<AudioOutput> createAudioOutput();

// The value of `name` in the page's address (index.html?name=value); nothing when absent.
std::optional<std::string> pageOption(const std::string& name);

// Restores the settings folder from the browser's storage, and from then on stores it back
// whenever a settings file in it changed.
void restoreSettingsFolder();

// Shows `text` in the page's <pre> element of that id ("summary", "ticktimes").
void publishText(const std::string& id, const std::string& text);
// Puts `bytes` in base64 into the page's hidden <pre> element of that id ("screenshot").
void publishBase64(const std::string& id, const std::string& bytes);

// Tells the page that the program ended.
void programEnded(int status);

}  // namespace orbigolf::platform::web
