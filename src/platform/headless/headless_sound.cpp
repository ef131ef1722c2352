#include "platform/headless/headless_sound.h"

namespace orbigolf::platform {

void HeadlessSound::attach(TDXSound& mixer) {
    mixer.setOutput(this);
    mixer.setListener([calls = calls_](SoundCall call, const std::string& tag, int value) {
        calls->push_back(RecordedSoundCall{call, tag, value});
    });
}

void HeadlessSound::open(TDXSound&, const PcmFormat& format) {
    if (refuse_) throw SoundError("No sound device");
    format_ = format;
    open_ = true;
}

}  // namespace orbigolf::platform
