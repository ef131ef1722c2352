#include "platform/movie/ffmpeg_library.h"

#include <stdexcept>
#include <string>

#include "platform/movie/movie.h"
#include "platform/shared_library.h"

namespace orbigolf::platform::ffmpeg {

namespace {

// The file names the libraries are installed under: the major version of the headers.
std::string sonameOf(const char* library) {
    const std::string name = library;
    int major = 0;
    if (name == "avutil") major = LIBAVUTIL_VERSION_MAJOR;
    if (name == "swresample") major = LIBSWRESAMPLE_VERSION_MAJOR;
    if (name == "swscale") major = LIBSWSCALE_VERSION_MAJOR;
    if (name == "avcodec") major = LIBAVCODEC_VERSION_MAJOR;
    if (name == "avformat") major = LIBAVFORMAT_VERSION_MAJOR;
    return "lib" + name + ".so." + std::to_string(major);
}

Functions load() {
    SharedLibraries libraries;
    Functions f;
#define ORBIGOLF_FFMPEG_LOOK_UP(library, name) \
    f.name = reinterpret_cast<decltype(&::name)>(libraries.function(sonameOf(#library), #name));
    ORBIGOLF_FFMPEG_FUNCTIONS(ORBIGOLF_FFMPEG_LOOK_UP)
#undef ORBIGOLF_FFMPEG_LOOK_UP
    return f;
}

}  // namespace

const Functions& functions() {
    try {
        return loadedOnce<Functions, &load>();
    } catch (const std::runtime_error& e) {
        throw MovieError(std::string("the movie libraries cannot be used: ") + e.what());
    }
}

}  // namespace orbigolf::platform::ffmpeg
