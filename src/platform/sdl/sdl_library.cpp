#include "platform/sdl/sdl_library.h"

#include <string>

#include "platform/shared_library.h"

namespace orbigolf::platform::sdl {

namespace {

// The file name the library is installed under, from the major version of the headers.
std::string soname() {
    return "libSDL2-" + std::to_string(SDL_MAJOR_VERSION) + ".0.so.0";
}

Functions load() {
    SharedLibraries libraries;
    Functions f;
#define ORBIGOLF_SDL_LOOK_UP(name) \
    f.name = reinterpret_cast<decltype(&::name)>(libraries.function(soname(), #name));
    ORBIGOLF_SDL_FUNCTIONS(ORBIGOLF_SDL_LOOK_UP)
#undef ORBIGOLF_SDL_LOOK_UP
    return f;
}

}  // namespace

const Functions& api() {
    return loadedOnce<Functions, &load>();
}

}  // namespace orbigolf::platform::sdl
