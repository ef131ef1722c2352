// `show` for movies in builds with SDL: the movie at its own size in the middle of the
// window, its frames timed from the window's clock and its sound through the mixer. It
// plays again from the start when it ends; Escape or Q closes.

#include <algorithm>
#include <cstdio>

#include "avi_command.h"
#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/timer.h"
#include "platform/vk.h"

namespace orbigolf::assets {

int showAviFile(const std::string& fileName, bool windowed) {
    platform::Movie movie = platform::Movie::open(fileName);
    const platform::MovieInfo info = movie.info();
    platform::WindowOptions options;
    options.fullscreen = !windowed;
    options.title = "orbigolf-assets";
    std::unique_ptr<platform::Window> window = platform::createSdlWindow(options);
    platform::Window* w = window.get();

    std::unique_ptr<platform::AudioOutput> audio = platform::createSdlAudioOutput();
    platform::TDXSound sound;
    sound.setOutput(audio.get());
    platform::SoundBuffer track;
    try {
        sound.initialize();
        const std::vector<int16_t> samples = movie.soundTrack();
        if (!samples.empty())
            track = sound.createBuffer(platform::PcmFormat{1, platform::kMovieSoundRate, 16},
                                       {reinterpret_cast<const uint8_t*>(samples.data()), samples.size() * 2});
    } catch (const platform::SoundError& e) {
        std::fprintf(stderr, "no sound: %s\n", e.what());
    }

    platform::Display display(window.get());
    display.setMode(std::max(info.width, 320), std::max(info.height, 240));
    display.initialize();
    const int left = display.width() / 2 - info.width / 2, top = display.height() / 2 - info.height / 2;

    bool done = false;
    platform::EventLoop loop(*window);
    loop.pushHandler([&](const platform::InputEvent& e) {
        if (e.type == platform::InputEvent::Type::Close) done = true;
        if (e.type == platform::InputEvent::Type::ToggleFullscreen) window->setFullscreen(!window->fullscreen());
        if (e.type == platform::InputEvent::Type::KeyDown && (e.key == platform::vk::VK_ESCAPE || e.key == 'Q'))
            done = true;
    });
    platform::Surface frame;
    int64_t start = static_cast<int64_t>(w->nowMs());
    track.play();
    platform::TDXTimer ticker([w] { return w->nowMs(); });
    ticker.setInterval(5);
    ticker.OnTimer = [&] {
        const auto due = static_cast<int64_t>(double(static_cast<int64_t>(w->nowMs()) - start) * info.framesPerSecond / 1000.0) + 1;
        bool drawn = false;
        while (movie.framesDecoded() < due) {
            if (!movie.nextFrame(frame)) {
                movie.rewind();
                start = static_cast<int64_t>(w->nowMs());
                track.play();
                return;
            }
            drawn = true;
        }
        if (!drawn) return;
        display.fill(0);
        for (int y = 0; y < frame.height(); ++y)
            std::copy_n(frame.row(y), frame.width(), display.backBuffer().row(top + y) + left);
        w->setTitle(fileName + "  frame " + std::to_string(movie.framesDecoded()) + " of " +
                    std::to_string(info.frameCount));
        display.flip();
    };
    ticker.setEnabled(true);
    loop.addTimer(&ticker);
    loop.runUntil([&] { return done; });
    loop.removeTimer(&ticker);
    track.stop();
    display.finalize();
    sound.finalize();
    return 0;
}

}  // namespace orbigolf::assets
