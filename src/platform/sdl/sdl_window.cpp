#include <SDL.h>

#include <iostream>
#include <stdexcept>
#include <string>

#include "platform/screen_layout.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_library.h"
#include "platform/vk.h"

namespace orbigolf::platform {
namespace {

class SdlWindow : public Window {
public:
    explicit SdlWindow(const WindowOptions& options) : fullscreen_(options.fullscreen) {
        try {
            sdl::api();
        } catch (const std::runtime_error& e) {
            throw DisplayError(std::string("Cannot start the display: ") + e.what());
        }
        if (sdl::api().SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            throw DisplayError(std::string("Cannot start the display: ") +
                               sdl::api().SDL_GetError());
        }
        const Uint32 flags = static_cast<Uint32>(SDL_WINDOW_RESIZABLE) |
                             (fullscreen_ ? static_cast<Uint32>(SDL_WINDOW_FULLSCREEN_DESKTOP) : 0u);
        window_ =
            sdl::api().SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                        SDL_WINDOWPOS_CENTERED, modeWidth_, modeHeight_, flags);
        if (!window_) {
            const std::string error = sdl::api().SDL_GetError();
            sdl::api().SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
            throw DisplayError("Cannot open the window: " + error);
        }
        createRenderer();
    }

    ~SdlWindow() override {
        if (texture_) sdl::api().SDL_DestroyTexture(texture_);
        if (renderer_) sdl::api().SDL_DestroyRenderer(renderer_);
        sdl::api().SDL_DestroyWindow(window_);
        sdl::api().SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    }

    // --- Presenter ---

    void beginMode(int width, int height) override {
        if (!makeTexture(width, height)) {
            throw DisplayError("Display mode " + std::to_string(width) + "x" +
                               std::to_string(height) +
                               " is not supported: " + sdl::api().SDL_GetError());
        }
        modeWidth_ = width;
        modeHeight_ = height;
        if (!fullscreen_) fitWindowToMode();
        sdl::api().SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        sdl::api().SDL_RenderClear(renderer_);
        sdl::api().SDL_RenderPresent(renderer_);
    }

    void endMode() override {}

    void present(const Surface& backBuffer) override {
        if (backBuffer.empty()) return;
        if ((backBuffer.width() != textureWidth_ || backBuffer.height() != textureHeight_) &&
            !makeTexture(backBuffer.width(), backBuffer.height())) {
            return;
        }
        // Several displays (one per form) share the window; the one shown last sets the
        // mode that mouse positions are mapped to.
        modeWidth_ = backBuffer.width();
        modeHeight_ = backBuffer.height();
        sdl::api().SDL_UpdateTexture(texture_, nullptr, backBuffer.pixels().data(),
                                     backBuffer.width() * 2);
        const Rect placed = placement();
        sdl::api().SDL_SetTextureScaleMode(
            texture_, placed.w >= textureWidth_ && placed.w % textureWidth_ == 0
                          ? SDL_ScaleModeNearest
                          : SDL_ScaleModeLinear);
        sdl::api().SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        sdl::api().SDL_RenderClear(renderer_);
        const SDL_Rect dest{placed.x, placed.y, placed.w, placed.h};
        sdl::api().SDL_RenderCopy(renderer_, texture_, nullptr, &dest);
        sdl::api().SDL_RenderPresent(renderer_);
    }

    void setVsync(bool on) override {
        if (on == vsync_) return;
        vsync_ = on;
        sdl::api().SDL_RenderSetVSync(renderer_, on ? 1 : 0);
    }

    // --- EventSource ---

    bool pollEvent(InputEvent& out) override {
        SDL_Event e;
        while (sdl::api().SDL_PollEvent(&e)) {
            if (translate(e, out)) return true;
        }
        return false;
    }

    void waitEvent(int timeoutMs) override { sdl::api().SDL_WaitEventTimeout(nullptr, timeoutMs); }

    uint64_t nowMs() override { return sdl::api().SDL_GetTicks64(); }

    // --- Window ---

    void setCursorVisible(bool visible) override {
        cursorVisible_ = visible;
        sdl::api().SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
    bool cursorVisible() const override { return cursorVisible_; }

    void setCursorPos(int x, int y) override {
        const ModePoint p = modeToWindow(x, y, placement(), modeWidth_, modeHeight_);
        int ww = 0, wh = 0, ow = 0, oh = 0;
        sdl::api().SDL_GetWindowSize(window_, &ww, &wh);
        sdl::api().SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        // Placement is in output pixels; warping takes window points.
        const int wx = ow > 0 ? static_cast<int>(static_cast<int64_t>(p.x) * ww / ow) : p.x;
        const int wy = oh > 0 ? static_cast<int>(static_cast<int64_t>(p.y) * wh / oh) : p.y;
        sdl::api().SDL_WarpMouseInWindow(window_, wx, wy);
        cursorX_ = x;
        cursorY_ = y;
    }
    int cursorX() const override { return cursorX_; }
    int cursorY() const override { return cursorY_; }

    void setFullscreen(bool on) override {
        if (on == fullscreen_) return;
        if (sdl::api().SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) !=
            0)
            return;
        fullscreen_ = on;
        if (!on) fitWindowToMode();
    }

    void setTitle(const std::string& title) override {
        sdl::api().SDL_SetWindowTitle(window_, title.c_str());
    }

    void showError(const std::string& message) override {
        std::cerr << message << '\n';
        // Full screen windows can hide the box; leave full screen while it shows.
        const bool wasFullscreen = fullscreen_;
        if (wasFullscreen) setFullscreen(false);
        sdl::api().SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", message.c_str(),
                                            window_);
        if (wasFullscreen) setFullscreen(true);
    }

    void showMessage(const std::string& caption, const std::string& text) override {
        std::cerr << caption << ": " << text << '\n';
        const bool wasFullscreen = fullscreen_;
        if (wasFullscreen) setFullscreen(false);
        sdl::api().SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption.c_str(), text.c_str(),
                                            window_);
        if (wasFullscreen) setFullscreen(true);
    }

    void screenSize(int& width, int& height) const override {
        width = 640;
        height = 480;
        SDL_DisplayMode mode;
        if (fullscreen_ && sdl::api().SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w >= 640 &&
            mode.h >= 480) {
            width = mode.w;
            height = mode.h;
        }
    }

private:
    void createRenderer() {
        renderer_ = sdl::api().SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        if (!renderer_)
            renderer_ = sdl::api().SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) {
            const std::string error = sdl::api().SDL_GetError();
            sdl::api().SDL_DestroyWindow(window_);
            sdl::api().SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
            throw DisplayError("Cannot draw in the window: " + error);
        }
    }

    bool makeTexture(int width, int height) {
        SDL_Texture* t = sdl::api().SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565,
                                                      SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!t) return false;
        if (texture_) sdl::api().SDL_DestroyTexture(texture_);
        texture_ = t;
        textureWidth_ = width;
        textureHeight_ = height;
        return true;
    }

    // A window the mode's size times the largest whole factor that leaves room on the
    // desktop.
    void fitWindowToMode() {
        SDL_Rect usable{0, 0, modeWidth_, modeHeight_};
        sdl::api().SDL_GetDisplayUsableBounds(sdl::api().SDL_GetWindowDisplayIndex(window_),
                                              &usable);
        int factor = 1;
        while (modeWidth_ * (factor + 1) <= usable.w && modeHeight_ * (factor + 1) <= usable.h && factor < 8) {
            ++factor;
        }
        sdl::api().SDL_SetWindowSize(window_, modeWidth_ * factor, modeHeight_ * factor);
        sdl::api().SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }

    Rect placement() const {
        int ow = 0, oh = 0;
        sdl::api().SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        return fitMode(ow, oh, modeWidth_, modeHeight_);
    }

    ModePoint toMode(int wx, int wy) const {
        int ww = 0, wh = 0, ow = 0, oh = 0;
        sdl::api().SDL_GetWindowSize(window_, &ww, &wh);
        sdl::api().SDL_GetRendererOutputSize(renderer_, &ow, &oh);
        const int px = ww > 0 ? static_cast<int>(static_cast<int64_t>(wx) * ow / ww) : wx;
        const int py = wh > 0 ? static_cast<int>(static_cast<int64_t>(wy) * oh / wh) : wy;
        return windowToMode(px, py, placement(), modeWidth_, modeHeight_);
    }

    static MouseButton buttonOf(Uint8 b) {
        if (b == SDL_BUTTON_RIGHT) return MouseButton::Right;
        if (b == SDL_BUTTON_MIDDLE) return MouseButton::Middle;
        return MouseButton::Left;
    }

    bool translate(const SDL_Event& e, InputEvent& out) {
        switch (e.type) {
            case SDL_QUIT: out = InputEvent::close(); return true;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                    out = InputEvent::close();
                    return true;
                }
                return false;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                const Uint16 mod = e.key.keysym.mod;
                if (e.type == SDL_KEYDOWN && (mod & KMOD_ALT) &&
                    (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER)) {
                    if (!e.key.repeat) setFullscreen(!fullscreen_);
                    swallowEnterUp_ = true;
                    return false;
                }
                const int key = virtualKeyFromSdl(e.key.keysym.sym, e.key.keysym.scancode, mod);
                if (key == 0) return false;
                if (e.type == SDL_KEYUP && key == vk::VK_RETURN && swallowEnterUp_) {
                    swallowEnterUp_ = false;
                    return false;
                }
                const ShiftState shift =
                    shiftStateFromSdl(mod, sdl::api().SDL_GetMouseState(nullptr, nullptr));
                out = e.type == SDL_KEYDOWN ? InputEvent::keyDown(key, shift) : InputEvent::keyUp(key, shift);
                return true;
            }
            case SDL_TEXTINPUT: out = InputEvent::keyPress(e.text.text); return true;
            case SDL_MOUSEMOTION: {
                const ModePoint p = toMode(e.motion.x, e.motion.y);
                cursorX_ = p.x;
                cursorY_ = p.y;
                out = InputEvent::mouse(
                    InputEvent::Type::MouseMove, MouseButton::Left, p.x, p.y,
                    shiftStateFromSdl(sdl::api().SDL_GetModState(), e.motion.state));
                return true;
            }
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT &&
                    e.button.button != SDL_BUTTON_MIDDLE) {
                    return false;
                }
                const ModePoint p = toMode(e.button.x, e.button.y);
                cursorX_ = p.x;
                cursorY_ = p.y;
                const bool down = e.type == SDL_MOUSEBUTTONDOWN;
                // Every second press of a run of quick presses is a double click, as on
                // Windows.
                const int clicks = down && e.button.clicks >= 2 && e.button.clicks % 2 == 0 ? 2 : 1;
                out = InputEvent::mouse(
                    down ? InputEvent::Type::MouseDown : InputEvent::Type::MouseUp,
                    buttonOf(e.button.button), p.x, p.y,
                    shiftStateFromSdl(sdl::api().SDL_GetModState(),
                                      sdl::api().SDL_GetMouseState(nullptr, nullptr)),
                    clicks);
                return true;
            }
            default: return false;
        }
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    int modeWidth_ = 640;
    int modeHeight_ = 480;
    bool fullscreen_ = true;
    bool vsync_ = false;
    bool cursorVisible_ = true;
    bool swallowEnterUp_ = false;
    int cursorX_ = 0;
    int cursorY_ = 0;
};

}  // namespace

std::unique_ptr<Window> createSdlWindow(const WindowOptions& options) {
    return std::make_unique<SdlWindow>(options);
}

}  // namespace orbigolf::platform
