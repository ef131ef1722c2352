#pragma once
// SDL, opened when the first window or sound device is made rather than when the program
// starts (see platform/shared_library.h). The functions are looked up in the library whose
// major version matches the headers this was compiled against.

#include <SDL.h>

namespace orbigolf::platform::sdl {

// Every SDL function the back end calls.
#define ORBIGOLF_SDL_FUNCTIONS(X) \
    X(SDL_CloseAudioDevice) \
    X(SDL_CreateRenderer) \
    X(SDL_CreateTexture) \
    X(SDL_CreateWindow) \
    X(SDL_DestroyRenderer) \
    X(SDL_DestroyTexture) \
    X(SDL_DestroyWindow) \
    X(SDL_GetDesktopDisplayMode) \
    X(SDL_GetDisplayBounds) \
    X(SDL_GetDisplayUsableBounds) \
    X(SDL_GetError) \
    X(SDL_GetGlobalMouseState) \
    X(SDL_GetModState) \
    X(SDL_GetMouseState) \
    X(SDL_GetRendererOutputSize) \
    X(SDL_GetTicks64) \
    X(SDL_GetWindowDisplayIndex) \
    X(SDL_GetWindowPosition) \
    X(SDL_GetWindowSize) \
    X(SDL_InitSubSystem) \
    X(SDL_OpenAudioDevice) \
    X(SDL_PauseAudioDevice) \
    X(SDL_PollEvent) \
    X(SDL_QuitSubSystem) \
    X(SDL_RenderClear) \
    X(SDL_RenderCopy) \
    X(SDL_RenderPresent) \
    X(SDL_RenderSetVSync) \
    X(SDL_SetRenderDrawColor) \
    X(SDL_SetTextureScaleMode) \
    X(SDL_SetWindowFullscreen) \
    X(SDL_SetWindowPosition) \
    X(SDL_SetWindowSize) \
    X(SDL_SetWindowTitle) \
    X(SDL_ShowCursor) \
    X(SDL_ShowSimpleMessageBox) \
    X(SDL_UpdateTexture) \
    X(SDL_WaitEventTimeout) \
    X(SDL_WarpMouseInWindow)

// The looked-up functions, each under its own name.
struct Functions {
#define ORBIGOLF_SDL_POINTER(name) decltype(&::name) name = nullptr;
    ORBIGOLF_SDL_FUNCTIONS(ORBIGOLF_SDL_POINTER)
#undef ORBIGOLF_SDL_POINTER
};

// Opens SDL on the first call and returns its functions; every later call returns the same
// table. When the library or a function is missing it throws std::runtime_error saying which
// (the next call tries again).
const Functions& api();

}  // namespace orbigolf::platform::sdl
