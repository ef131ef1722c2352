#include <SDL.h>

#include <stdexcept>
#include <string>

#include "platform/shared_library.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_library.h"

namespace orbigolf::platform {
namespace {

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card ALSA writes its own lines ("ALSA lib ...") to standard error for
// every device SDL tries. The failure reaches the player once, through SoundError; ALSA's
// own messages are turned off in the library SDL opens (the same one, once loaded), when
// it is installed at all.
void quietenAlsa() {
    static bool done = false;
    if (done) return;
    done = true;
    static SharedLibraries libraries;
    try {
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        reinterpret_cast<SetHandler>(libraries.function("libasound.so.2", "snd_lib_error_set_handler"))(
            &ignoreAlsaMessage);
    } catch (const std::runtime_error&) {
        // No ALSA: SDL uses another driver or none.
    }
}

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
        quietenAlsa();
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
