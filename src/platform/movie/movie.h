#pragma once
// AVI movies for the intro: opened, sized, decoded frame by frame into RGB565 surfaces at
// their own size, and their sound track converted to the mixer's format. The only code that
// talks to FFmpeg's libraries; everything else sees this interface.
//
// Only the AVI container is read (the period codecs: Cinepak, MS Video 1, MS RLE, Indeo and
// whatever else the libraries decode). A movie that cannot be played - missing, not an AVI,
// no picture stream, no decoder, no frames, an absurd size - fails to open with a
// MovieError whose message names the file and the reason.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace orbigolf::platform {

class MovieError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct MovieInfo {
    int width = 0;
    int height = 0;
    int64_t frameCount = 0;     // as the file's header gives it
    double framesPerSecond = 0;
    std::string codec;          // the decoder's short name ("cinepak", "msvideo1", ...)
    std::string fourcc;         // the stream's four-character code as stored
    bool hasSound = false;
    std::string soundCodec;
    int soundRate = 0;
    int soundChannels = 0;
};

inline constexpr int kMovieMaxSide = 4096;
inline constexpr int kMovieSoundRate = 22050;  // the mixer's format: 16-bit mono

class Movie {
public:
    // From a file, or from bytes in memory (`name` only labels messages).
    static Movie open(const std::string& fileName);
    static Movie fromBytes(std::vector<uint8_t> bytes, const std::string& name = "movie");

    Movie(Movie&&) noexcept;
    Movie& operator=(Movie&&) noexcept;
    ~Movie();

    const MovieInfo& info() const;

    // Decodes the next picture into `target`, which gets the movie's size. False at the end
    // of the movie; a frame the decoder rejects throws MovieError.
    bool nextFrame(Surface& target);
    // Frames handed out so far.
    int64_t framesDecoded() const;
    // Back to the first frame.
    void rewind();

    // The whole sound track at 22050 Hz, 16-bit, mono (empty when the movie has none).
    std::vector<int16_t> soundTrack();

private:
    struct Impl;
    explicit Movie(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace orbigolf::platform
