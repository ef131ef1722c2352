#include <SDL.h>

#include <stdexcept>
#include <string>

#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_library.h"

namespace orbigolf::platform {
namespace {

class SdlAudioOutput : public AudioOutput {
public:
    ~SdlAudioOutput() override { close(); }

    void open(TDXSound& mixer, const PcmFormat& format) override {
        close();
        try {
            sdl::api();
        } catch (const std::runtime_error& e) {
            throw SoundError(std::string("Cannot start the sound system: ") + e.what());
        }
        if (sdl::api().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            throw SoundError(std::string("Cannot start the sound system: ") +
                             sdl::api().SDL_GetError());
        }
        mixer_ = &mixer;
        channels_ = format.channels;
        SDL_AudioSpec want{};
        want.freq = format.samplesPerSec;
        want.format = AUDIO_S16SYS;
        want.channels = static_cast<Uint8>(format.channels);
        // About 23 ms at 22050 Hz: short enough that sounds start with the stroke.
        want.samples = 512;
        want.callback = &SdlAudioOutput::callback;
        want.userdata = this;
        SDL_AudioSpec have{};
        // No changes allowed: SDL converts to whatever the hardware plays.
        device_ = sdl::api().SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        if (device_ == 0) {
            const std::string error = sdl::api().SDL_GetError();
            sdl::api().SDL_QuitSubSystem(SDL_INIT_AUDIO);
            throw SoundError("Cannot open the sound device: " + error);
        }
        sdl::api().SDL_PauseAudioDevice(device_, 0);
    }

    void close() override {
        if (device_ == 0) return;
        sdl::api().SDL_CloseAudioDevice(device_);
        device_ = 0;
        sdl::api().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

private:
    static void callback(void* userdata, Uint8* stream, int len) {
        auto* self = static_cast<SdlAudioOutput*>(userdata);
        const int frames = len / (2 * self->channels_);
        self->mixer_->mix(reinterpret_cast<int16_t*>(stream), frames);
    }

    SDL_AudioDeviceID device_ = 0;
    TDXSound* mixer_ = nullptr;
    int channels_ = 1;
};

}  // namespace

std::unique_ptr<AudioOutput> createSdlAudioOutput() { return std::make_unique<SdlAudioOutput>(); }

}  // namespace orbigolf::platform
