// The intro's movies in the browser: the build transcodes each AVI into a WebM file beside
// the page, and the page plays it in a <video> element over the canvas. The movie's frames
// as the player sees them are black, and it ends when the video ends; the video plays its
// own sound. A movie the page cannot play fails to open, as a missing one does.

#include <emscripten.h>

#include <filesystem>

#include "platform/movie/movie.h"

// clang-format off
// Opens `url` in the page's movie element; 1 once the browser knows its size, 0 when it
// cannot play it (no file, no decoder) or does not answer within a few seconds.
EM_ASYNC_JS(int, orbigolf_movie_open, (const char* url, int* width, int* height, double* seconds), {
    const address = UTF8ToString(url);
    if (Module.orbigolfMovie) Module.orbigolfMovie.remove();
    const video = document.createElement('video');
    video.id = 'movie';
    video.preload = 'auto';
    video.playsInline = true;
    video.style.cssText = 'position:fixed;pointer-events:none;display:none;background:#000;z-index:1';
    document.body.appendChild(video);
    Module.orbigolfMovie = video;
    const known = await new Promise((resolve) => {
        const timer = setTimeout(() => resolve(false), 5000);
        video.addEventListener('loadedmetadata', () => { clearTimeout(timer); resolve(true); }, {once: true});
        video.addEventListener('error', () => { clearTimeout(timer); resolve(false); }, {once: true});
        video.src = address;
    });
    if (!known || !video.videoWidth) {
        video.remove();
        Module.orbigolfMovie = null;
        return 0;
    }
    HEAP32[width >> 2] = video.videoWidth;
    HEAP32[height >> 2] = video.videoHeight;
    HEAPF64[seconds >> 3] = isFinite(video.duration) ? video.duration : 0;
    return 1;
});

// Starts the movie over the canvas, its size scaled as the canvas is; muted when the
// browser allows no sound yet.
EM_JS(void, orbigolf_movie_play, (), {
    const video = Module.orbigolfMovie;
    if (!video) return;
    const canvas = document.getElementById('canvas');
    const box = canvas.getBoundingClientRect();
    const scale = canvas.width ? box.width / canvas.width : 1;
    const w = video.videoWidth * scale, h = video.videoHeight * scale;
    video.style.left = (box.left + (box.width - w) / 2) + 'px';
    video.style.top = (box.top + (box.height - h) / 2) + 'px';
    video.style.width = w + 'px';
    video.style.height = h + 'px';
    video.style.display = 'block';
    video.dataset.state = 'playing';
    video.addEventListener('ended', () => { video.dataset.state = 'ended'; }, {once: true});
    video.addEventListener('error', () => { video.dataset.state = 'ended'; }, {once: true});
    video.play().catch(() => {
        video.muted = true;
        video.play().catch(() => { video.dataset.state = 'ended'; });
    });
});

EM_JS(int, orbigolf_movie_ended, (), {
    const video = Module.orbigolfMovie;
    return !video || video.dataset.state === 'ended' ? 1 : 0;
});

EM_JS(void, orbigolf_movie_rewind, (), {
    const video = Module.orbigolfMovie;
    if (video) { video.pause(); video.currentTime = 0; video.dataset.state = ""; }
});

EM_JS(void, orbigolf_movie_close, (), {
    if (Module.orbigolfMovie) { Module.orbigolfMovie.pause(); Module.orbigolfMovie.remove(); }
    Module.orbigolfMovie = null;
});
// clang-format on

namespace orbigolf::platform {

struct Movie::Impl {
    MovieInfo info;
    int64_t decoded = 0;
    bool started = false;

    ~Impl() { orbigolf_movie_close(); }
};

Movie::Movie(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Movie::Movie(Movie&&) noexcept = default;
Movie& Movie::operator=(Movie&&) noexcept = default;
Movie::~Movie() = default;

Movie Movie::open(const std::string& fileName) {
    // The page's movies lie beside it under the name of the AVI with ".webm".
    const std::string url = std::filesystem::path(fileName).stem().string() + ".webm";
    int width = 0, height = 0;
    double seconds = 0;
    if (!orbigolf_movie_open(url.c_str(), &width, &height, &seconds))
        throw MovieError("Cannot open movie " + fileName + ": the browser cannot play " + url);
    auto impl = std::make_unique<Impl>();
    impl->info.width = width;
    impl->info.height = height;
    impl->info.framesPerSecond = 15;
    impl->info.frameCount = static_cast<int64_t>(seconds * 15);
    impl->info.codec = "vp8";
    return Movie(std::move(impl));
}

Movie Movie::fromBytes(std::vector<uint8_t>, const std::string& name) {
    throw MovieError("Cannot open movie " + name + ": the browser plays movies from files only");
}

const MovieInfo& Movie::info() const { return impl_->info; }

bool Movie::nextFrame(Surface& target) {
    if (!impl_->started) {
        impl_->started = true;
        orbigolf_movie_play();
    } else if (orbigolf_movie_ended()) {
        return false;
    }
    if (target.width() != impl_->info.width || target.height() != impl_->info.height)
        target = Surface(impl_->info.width, impl_->info.height);
    ++impl_->decoded;
    return true;
}

int64_t Movie::framesDecoded() const { return impl_->decoded; }

void Movie::rewind() {
    orbigolf_movie_rewind();
    impl_->started = false;
    impl_->decoded = 0;
}

std::vector<int16_t> Movie::soundTrack() { return {}; }

}  // namespace orbigolf::platform
