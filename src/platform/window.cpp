#include "platform/window.h"

#include <string_view>

namespace orbigolf::platform {

WindowOptions windowOptionsFromArgs(std::span<char* const> args) {
    WindowOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] && std::string_view(args[i]) == "--windowed") options.fullscreen = false;
    }
    return options;
}

}  // namespace orbigolf::platform
