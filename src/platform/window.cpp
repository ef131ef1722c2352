#include "platform/window.h"

#include <chrono>
#include <string_view>
#include <thread>

namespace orbigolf::platform {

WindowOptions windowOptionsFromArgs(std::span<char* const> args) {
    WindowOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] && std::string_view(args[i]) == "--windowed") options.fullscreen = false;
    }
    return options;
}

void EventSource::pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms < 0 ? 0 : ms)); }

}  // namespace orbigolf::platform
