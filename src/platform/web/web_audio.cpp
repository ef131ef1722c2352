#include <emscripten.h>

#include <cstdint>
#include <vector>

#include "platform/web/web_backend.h"

namespace orbigolf::platform::web {
namespace {

// The mixer that the page's sound pulls, and where it mixes into.
TDXSound* g_mixer = nullptr;
int g_channels = 1;
std::vector<int16_t> g_block;

}  // namespace
}  // namespace orbigolf::platform::web

// Called by the page's sound processor for each block it plays: the mixed samples, or
// silence when nothing is open.
extern "C" EMSCRIPTEN_KEEPALIVE int16_t* orbigolf_mix(int frames) {
    using namespace orbigolf::platform::web;
    g_block.assign(static_cast<size_t>(frames < 0 ? 0 : frames) * static_cast<size_t>(g_channels), 0);
    if (g_mixer != nullptr && frames > 0) g_mixer->mix(g_block.data(), frames);
    return g_block.data();
}

// clang-format off
EM_JS(int, orbigolf_open_sound, (int rate, int channels), {
    const AudioContextClass = window.AudioContext || window.webkitAudioContext;
    if (!AudioContextClass) return 0;
    try {
        if (Module.orbigolfSound) Module.orbigolfSound.close();
        const context = new AudioContextClass({sampleRate: rate});
        const node = context.createScriptProcessor(2048, 0, channels);
        node.onaudioprocess = (event) => {
            const output = event.outputBuffer;
            const frames = output.length;
            const at = Module._orbigolf_mix(frames) >> 1;
            for (let c = 0; c < channels; ++c) {
                const data = output.getChannelData(c);
                for (let i = 0; i < frames; ++i) data[i] = HEAP16[at + i * channels + c] / 32768;
            }
        };
        node.connect(context.destination);
        Module.orbigolfSound = context;
        Module.startSound = () => { if (context.state !== 'running') context.resume().catch(() => {}); };
        return 1;
    } catch (e) {
        return 0;
    }
});

EM_JS(void, orbigolf_close_sound, (), {
    if (Module.orbigolfSound) Module.orbigolfSound.close().catch(() => {});
    Module.orbigolfSound = null;
});
// clang-format on

namespace orbigolf::platform::web {
namespace {

class WebAudioOutput : public AudioOutput {
public:
    ~WebAudioOutput() override { close(); }

    void open(TDXSound& mixer, const PcmFormat& format) override {
        close();
        if (!orbigolf_open_sound(format.samplesPerSec, format.channels))
            throw SoundError("Cannot open the sound device: this browser has no Web Audio at this rate");
        g_mixer = &mixer;
        g_channels = format.channels;
        open_ = true;
    }

    void close() override {
        if (!open_) return;
        open_ = false;
        g_mixer = nullptr;
        orbigolf_close_sound();
    }

private:
    bool open_ = false;
};

}  // namespace

std::unique_ptr<AudioOutput> createAudioOutput() { return std::make_unique<WebAudioOutput>(); }

}  // namespace orbigolf::platform::web
