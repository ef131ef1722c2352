#pragma once
// Writes AVI movies with a period codec (MS Video 1 or Cinepak) and an optional 16-bit mono
// sound track, through FFmpeg's libraries, for the content builder. The output is the same
// byte for byte on every run: bit-exact encoding, no version strings, no dates.

#include <functional>
#include <string>
#include <vector>

#include "platform/movie/movie.h"
#include "platform/surface.h"

namespace orbigolf::platform {

struct MovieWriterOptions {
    int width = 320;
    int height = 240;
    int framesPerSecond = 15;
    int frameCount = 0;
    std::string codec = "msvideo1";  // or "cinepak"
    int keyFrameInterval = 15;
    std::vector<int16_t> sound;      // 22050 Hz mono; empty: no sound track
};

// Calls drawFrame(index, frame) for every frame (the frame is width x height, cleared to
// black first) and writes the movie. Throws MovieError naming the file on failure.
void writeMovie(const std::string& fileName, const MovieWriterOptions& options,
                const std::function<void(int index, Surface& frame)>& drawFrame);

}  // namespace orbigolf::platform
