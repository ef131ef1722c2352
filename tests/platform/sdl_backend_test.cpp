// The SDL back end against SDL's dummy video and audio drivers, so no screen or sound
// card is needed: key mapping, a window that shows frames, and the audio thread pulling
// the mixer.

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "platform/display.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/vk.h"

namespace orbigolf::platform {
namespace {

// Chooses the dummy drivers before any test starts SDL.
const bool dummyDrivers = [] {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    return true;
}();

int key(SDL_Keycode k, SDL_Scancode s = SDL_SCANCODE_UNKNOWN, Uint16 mod = KMOD_NONE) {
    return virtualKeyFromSdl(k, s, mod);
}

TEST(SdlKeys, MapToWindowsVirtualKeys) {
    EXPECT_EQ(key(SDLK_a), 'A');
    EXPECT_EQ(key(SDLK_z), 'Z');
    EXPECT_EQ(key(SDLK_0), '0');
    EXPECT_EQ(key(SDLK_9), '9');
    EXPECT_EQ(key(SDLK_F1), 112);
    EXPECT_EQ(key(SDLK_F5), 116);
    EXPECT_EQ(key(SDLK_F12), 123);
    EXPECT_EQ(key(SDLK_RETURN), 13);
    EXPECT_EQ(key(SDLK_ESCAPE), 27);
    EXPECT_EQ(key(SDLK_SPACE), 32);
    EXPECT_EQ(key(SDLK_PAGEUP), 33);
    EXPECT_EQ(key(SDLK_END), 35);
    EXPECT_EQ(key(SDLK_HOME), 36);
    EXPECT_EQ(key(SDLK_LEFT), 37);
    EXPECT_EQ(key(SDLK_UP), 38);
    EXPECT_EQ(key(SDLK_RIGHT), 39);
    EXPECT_EQ(key(SDLK_DOWN), 40);
    EXPECT_EQ(key(SDLK_LSHIFT), vk::VK_SHIFT);
    EXPECT_EQ(key(SDLK_RCTRL), vk::VK_CONTROL);
    EXPECT_EQ(key(SDLK_LALT), vk::VK_MENU);
    EXPECT_EQ(key(SDLK_UNKNOWN), 0);
}

TEST(SdlKeys, KeypadFollowsNumLock) {
    EXPECT_EQ(key(SDLK_KP_8, SDL_SCANCODE_KP_8, KMOD_NUM), vk::VK_NUMPAD0 + 8);
    EXPECT_EQ(key(SDLK_KP_8, SDL_SCANCODE_KP_8, KMOD_NONE), vk::VK_UP);
    EXPECT_EQ(key(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), vk::VK_RETURN);
}

TEST(SdlKeys, ShiftState) {
    EXPECT_EQ(shiftStateFromSdl(KMOD_LSHIFT | KMOD_RCTRL, SDL_BUTTON_LMASK), ssShift | ssCtrl | ssLeft);
    EXPECT_EQ(shiftStateFromSdl(KMOD_LALT, SDL_BUTTON_RMASK | SDL_BUTTON_MMASK), ssAlt | ssRight | ssMiddle);
}

TEST(SdlWindow, ShowsFramesAndTakesCursorCommands) {
    WindowOptions options;
    options.fullscreen = false;
    auto window = createSdlWindow(options);
    Display display(window.get());
    display.setMode(640, 480);
    display.initialize();
    display.fill(Display::nativePixel(0, 128, 255));
    display.flip();
    window->setCursorVisible(false);
    EXPECT_FALSE(window->cursorVisible());
    window->setCursorPos(100, 50);
    EXPECT_EQ(window->cursorX(), 100);
    InputEvent e;
    while (window->pollEvent(e)) {
    }
    window->setFullscreen(true);
    display.flip();
    display.finalize();
}

TEST(SdlAudio, DeviceCallbackPullsTheMixer) {
    TDXSound mixer;
    auto output = createSdlAudioOutput();
    mixer.setOutput(output.get());
    mixer.initialize();
    std::vector<uint8_t> data(22050 * 2, 0);
    SoundBuffer b = mixer.createBuffer(PcmFormat{1, 22050, 16}, data);
    b.play(true);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (b.position() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_GT(b.position(), 0);
    mixer.finalize();
}

}  // namespace
}  // namespace orbigolf::platform
