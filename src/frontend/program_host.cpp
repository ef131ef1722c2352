#include "frontend/program_host.h"

#include <iostream>

#include "frontend/replay.h"
#include "media/file_lookup.h"

namespace orbigolf::frontend {

ProgramHost::ProgramHost(platform::Window& window, platform::AudioOutput* audio, std::string dataDir, int screenWidth,
                         int screenHeight)
    : window_(window), audio_(audio), dataDir_(std::move(dataDir)), screenWidth_(screenWidth),
      screenHeight_(screenHeight) {}

std::string ProgramHost::dataPath(const std::string& name) {
    return media::resolveFileName(dataDir_.empty() ? name : dataDir_ + "/" + name);
}

void ProgramHost::showError(const std::string& message) {
    errors_.push_back(message);
    window_.showError(message);
}

void ProgramHost::messageBox(const std::string& text, const std::string& caption) {
    errors_.push_back(caption + ": " + text);
    window_.showMessage(caption, text);
}

void ProgramHost::soundUnavailable(const std::string& why) {
    if (audio_ != nullptr) std::cerr << why << " (playing without sound)\n";
    audio_ = nullptr;
}

bool ProgramHost::admit(const platform::InputEvent& event) {
    if (event.type == platform::InputEvent::Type::Close) {
        closing_ = true;
        return true;
    }
    return replay::programEventLine(event).has_value();
}

}  // namespace orbigolf::frontend
