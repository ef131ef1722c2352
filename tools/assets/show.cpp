// `show` in builds with SDL: the viewer in a window, sounds through the SDL audio device.

#include <cstdio>

#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/sdl/sdl_backend.h"
#include "show.h"
#include "viewer.h"

namespace orbigolf::assets {

int showAssetFile(const AssetFile& file, const std::string& fileName, bool windowed) {
    platform::WindowOptions options;
    options.fullscreen = !windowed;
    options.title = "orbigolf-assets";
    std::unique_ptr<platform::Window> window = platform::createSdlWindow(options);

    // Sound is optional: a machine without an audio device still shows pictures.
    // The output outlives the mixer, which closes it when it goes.
    std::unique_ptr<platform::AudioOutput> audio = platform::createSdlAudioOutput();
    platform::TDXSound sound;
    sound.setOutput(audio.get());
    try {
        sound.initialize();
    } catch (const platform::SoundError& e) {
        std::fprintf(stderr, "no sound: %s\n", e.what());
    }

    platform::Display display(window.get());
    display.setMode(AssetViewer::kWidth, AssetViewer::kHeight);
    display.initialize();

    AssetViewer viewer(file, fileName, &sound);
    auto redraw = [&] {
        window->setTitle(viewer.title());
        viewer.draw(display);
    };
    platform::EventLoop loop(*window);
    loop.pushHandler([&](const platform::InputEvent& e) {
        if (e.type == platform::InputEvent::Type::ToggleFullscreen) window->setFullscreen(!window->fullscreen());
        viewer.handle(e);
        redraw();
    });
    // Redraw now and then so that sound bars follow the playing state.
    platform::TDXTimer timer([&] { return window->nowMs(); });
    timer.setInterval(100);
    timer.OnTimer = redraw;
    timer.setEnabled(true);
    loop.addTimer(&timer);
    redraw();
    loop.runUntil([&] { return viewer.done(); });
    loop.removeTimer(&timer);

    display.finalize();
    sound.finalize();
    return 0;
}

}  // namespace orbigolf::assets
