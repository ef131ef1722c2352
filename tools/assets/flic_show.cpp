// `show` for animations in builds with SDL: the player in a window the animation's size,
// paced by its own timer from the event loop, so it runs at the file's speed.

#include <algorithm>

#include "flic_command.h"
#include "media/flic_player.h"
#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/vk.h"

namespace orbigolf::assets {

int showFlicFile(const std::string& fileName, bool windowed) {
    platform::WindowOptions options;
    options.fullscreen = !windowed;
    options.title = "orbigolf-assets";
    std::unique_ptr<platform::Window> window = platform::createSdlWindow(options);
    platform::Window* w = window.get();
    media::TFliPlayerTimer player([w] { return w->nowMs(); });
    player.setFileName(fileName);
    // The window takes the animation's size (at least 320 x 200), the picture centred in it.
    const FlicSummary s = summariseFlic(fileName);
    platform::Display display(window.get());
    display.setMode(std::max(s.width, 320), std::max(s.height, 200));
    display.initialize();
    display.fill(0);
    player.setSurface(&display.backBuffer());
    player.setBounds(0, 0, display.width(), display.height());
    player.setFliPos(media::TFliPos::FliCentre);
    player.OnFliNextFrame = [&](media::TFliPlayerTimer&, uint16_t n) {
        window->setTitle(fileName + "  frame " + std::to_string(n) + " of " + std::to_string(s.frames) + "  (" +
                         std::to_string(s.delayMs) + " ms a frame)");
    };
    bool done = false;
    platform::EventLoop loop(*window);
    loop.pushHandler([&](const platform::InputEvent& e) {
        if (e.type == platform::InputEvent::Type::Close) done = true;
        if (e.type == platform::InputEvent::Type::ToggleFullscreen) window->setFullscreen(!window->fullscreen());
        if (e.type != platform::InputEvent::Type::KeyDown) return;
        if (e.key == platform::vk::VK_ESCAPE || e.key == 'Q') done = true;
        if (e.key == platform::vk::VK_SPACE) {
            if (player.playState() == media::TFliPlayerTimer::PlayState::Playing)
                player.Pause();
            else
                player.Resume();
        }
    });
    // Present whenever the player painted a new frame.
    int presented = -1;
    platform::TDXTimer presenter([w] { return w->nowMs(); });
    presenter.setInterval(5);
    presenter.OnTimer = [&] {
        if (player.paintedFrame() != presented) {
            presented = player.paintedFrame();
            display.flip();
        }
    };
    presenter.setEnabled(true);
    loop.addTimer(&player.timer());
    loop.addTimer(&presenter);
    player.Play();
    loop.runUntil([&] { return done; });
    loop.removeTimer(&presenter);
    loop.removeTimer(&player.timer());
    player.Stop();
    display.finalize();
    return 0;
}

}  // namespace orbigolf::assets
