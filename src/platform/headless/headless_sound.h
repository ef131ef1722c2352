#pragma once
// Sound without a sound card: an output that opens nothing (or refuses to, for testing
// the failure path) and a record of every play, stop and volume call, in order.

#include <memory>
#include <string>
#include <vector>

#include "platform/sound.h"

namespace orbigolf::platform {

struct RecordedSoundCall {
    SoundCall call = SoundCall::Play;
    std::string tag;
    int value = 0;

    friend bool operator==(const RecordedSoundCall&, const RecordedSoundCall&) = default;
};

class HeadlessSound : public AudioOutput {
public:
    // Becomes `mixer`'s output and records its calls; must outlive the mixer.
    void attach(TDXSound& mixer);

    void open(TDXSound& mixer, const PcmFormat& format) override;
    void close() override { open_ = false; }

    bool isOpen() const { return open_; }
    const PcmFormat& openedFormat() const { return format_; }
    void setRefuseOpen(bool refuse) { refuse_ = refuse; }

    const std::vector<RecordedSoundCall>& calls() const { return *calls_; }

private:
    bool open_ = false;
    bool refuse_ = false;
    PcmFormat format_;
    // Shared with the mixer's listener, which buffers may call after this object is gone.
    std::shared_ptr<std::vector<RecordedSoundCall>> calls_ = std::make_shared<std::vector<RecordedSoundCall>>();
};

}  // namespace orbigolf::platform
