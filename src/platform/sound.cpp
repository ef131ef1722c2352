#include "platform/sound.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/pcm_convert.h"

namespace orbigolf::platform {

namespace detail {

struct Voice {
    std::shared_ptr<const PcmSamples> source;     // as given, decoded to 16 bits
    std::shared_ptr<const PcmSamples> converted;  // in the primary format
    int64_t position = 0;                         // in frames of the primary format
    bool playing = false;
    bool looped = false;
    int volume = kVolumeMax;
    int32_t gain = 32768;  // 1.0 in 1/32768
    std::string tag;
};

struct MixerCore {
    mutable std::mutex mutex;
    PcmFormat primary = TDXSound::kDefaultFormat;
    std::vector<std::weak_ptr<Voice>> voices;
    SoundListener listener;

    void report(SoundCall call, const std::string& tag, int value) {
        SoundListener copy;
        {
            std::lock_guard lock(mutex);
            copy = listener;
        }
        if (copy) copy(call, tag, value);
    }
};

}  // namespace detail

namespace {

constexpr int kMixChunk = 512;

int32_t gainFor(int volume) {
    return static_cast<int32_t>(std::nearbyint(volumeToGain(volume) * 32768.0));
}

}  // namespace

double volumeToGain(int hundredthsDb) {
    const int v = std::clamp(hundredthsDb, kVolumeMin, kVolumeMax);
    if (v == kVolumeMin) return 0.0;
    return std::pow(10.0, static_cast<double>(v) / 2000.0);
}

// ---- SoundBuffer ----

SoundBuffer::SoundBuffer(std::shared_ptr<detail::MixerCore> core, std::shared_ptr<detail::Voice> voice)
    : core_(std::move(core)), voice_(std::move(voice)) {}

void SoundBuffer::play(bool looped) {
    if (!voice_) return;
    std::string tag;
    {
        std::lock_guard lock(core_->mutex);
        voice_->position = 0;
        voice_->looped = looped;
        voice_->playing = voice_->converted->frames() > 0;
        tag = voice_->tag;
    }
    core_->report(looped ? SoundCall::PlayLooped : SoundCall::Play, tag, 0);
}

void SoundBuffer::stop() {
    if (!voice_) return;
    std::string tag;
    {
        std::lock_guard lock(core_->mutex);
        voice_->playing = false;
        voice_->position = 0;
        tag = voice_->tag;
    }
    core_->report(SoundCall::Stop, tag, 0);
}

bool SoundBuffer::playing() const {
    if (!voice_) return false;
    std::lock_guard lock(core_->mutex);
    return voice_->playing;
}

bool SoundBuffer::looped() const {
    if (!voice_) return false;
    std::lock_guard lock(core_->mutex);
    return voice_->looped;
}

void SoundBuffer::setVolume(int hundredthsDb) {
    if (!voice_) return;
    const int v = std::clamp(hundredthsDb, kVolumeMin, kVolumeMax);
    std::string tag;
    {
        std::lock_guard lock(core_->mutex);
        voice_->volume = v;
        voice_->gain = gainFor(v);
        tag = voice_->tag;
    }
    core_->report(SoundCall::Volume, tag, v);
}

int SoundBuffer::volume() const {
    if (!voice_) return kVolumeMax;
    std::lock_guard lock(core_->mutex);
    return voice_->volume;
}

SoundBuffer SoundBuffer::duplicate() const {
    if (!voice_) return SoundBuffer{};
    auto copy = std::make_shared<detail::Voice>();
    {
        std::lock_guard lock(core_->mutex);
        copy->source = voice_->source;
        copy->converted = voice_->converted;
        copy->volume = voice_->volume;
        copy->gain = voice_->gain;
        copy->tag = voice_->tag;
        core_->voices.push_back(copy);
    }
    return SoundBuffer(core_, copy);
}

int64_t SoundBuffer::length() const {
    if (!voice_) return 0;
    std::lock_guard lock(core_->mutex);
    return voice_->converted->frames();
}

int64_t SoundBuffer::position() const {
    if (!voice_) return 0;
    std::lock_guard lock(core_->mutex);
    return voice_->position;
}

void SoundBuffer::setTag(std::string tag) {
    if (!voice_) return;
    std::lock_guard lock(core_->mutex);
    voice_->tag = std::move(tag);
}

const std::string& SoundBuffer::tag() const {
    static const std::string none;
    if (!voice_) return none;
    // The tag changes only on the game thread, which is the caller here.
    return voice_->tag;
}

// ---- TDXSound ----

TDXSound::TDXSound() : core_(std::make_shared<detail::MixerCore>()) {}

TDXSound::~TDXSound() {
    if (initialized_ && output_) output_->close();
}

void TDXSound::initialize() {
    if (initialized_) return;
    if (output_) output_->open(*this, primaryFormat());
    initialized_ = true;
    if (OnInitialize) OnInitialize();
}

void TDXSound::finalize() {
    if (!initialized_) return;
    if (OnFinalize) OnFinalize();
    if (output_) output_->close();
    initialized_ = false;
    std::lock_guard lock(core_->mutex);
    for (auto& weak : core_->voices) {
        if (auto voice = weak.lock()) voice->playing = false;
    }
}

void TDXSound::setPrimaryFormat(const PcmFormat& format) {
    if (format.channels < 1 || format.channels > 2 || (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
        format.samplesPerSec < 1000 || format.samplesPerSec > 192000) {
        throw SoundError("Unsupported primary sound format");
    }
    if (format == primaryFormat()) return;
    const bool reopen = initialized_ && output_;
    if (reopen) output_->close();
    {
        std::lock_guard lock(core_->mutex);
        core_->primary = format;
        // Voices sharing samples keep sharing them after the conversion.
        std::vector<std::pair<const PcmSamples*, std::shared_ptr<const PcmSamples>>> done;
        for (auto& weak : core_->voices) {
            auto voice = weak.lock();
            if (!voice) continue;
            auto found = std::find_if(done.begin(), done.end(),
                                      [&](const auto& d) { return d.first == voice->source.get(); });
            if (found == done.end()) {
                done.emplace_back(voice->source.get(),
                                  std::make_shared<const PcmSamples>(convertPcm(*voice->source, format)));
                found = done.end() - 1;
            }
            const int64_t oldFrames = voice->converted->frames();
            voice->converted = found->second;
            const int64_t newFrames = voice->converted->frames();
            voice->position = oldFrames > 0 ? voice->position * newFrames / oldFrames : 0;
            if (voice->position >= newFrames) voice->position = 0;
        }
    }
    if (reopen) output_->open(*this, format);
}

PcmFormat TDXSound::primaryFormat() const {
    std::lock_guard lock(core_->mutex);
    return core_->primary;
}

SoundBuffer TDXSound::createBuffer(const PcmFormat& format, std::span<const uint8_t> data) {
    auto source = std::make_shared<const PcmSamples>(decodePcm(format, data));
    auto voice = std::make_shared<detail::Voice>();
    voice->source = source;
    const PcmFormat primary = primaryFormat();
    voice->converted = std::make_shared<const PcmSamples>(convertPcm(*source, primary));
    {
        std::lock_guard lock(core_->mutex);
        std::erase_if(core_->voices, [](const std::weak_ptr<detail::Voice>& w) { return w.expired(); });
        core_->voices.push_back(voice);
    }
    return SoundBuffer(core_, voice);
}

void TDXSound::mix(int16_t* out, int frames) {
    if (!out || frames <= 0) return;
    std::lock_guard lock(core_->mutex);
    const int channels = core_->primary.channels;
    std::erase_if(core_->voices, [](const std::weak_ptr<detail::Voice>& w) { return w.expired(); });

    int32_t acc[kMixChunk * 2];
    for (int done = 0; done < frames;) {
        const int chunk = std::min(kMixChunk, frames - done);
        const int samples = chunk * channels;
        std::fill(acc, acc + samples, 0);
        for (auto& weak : core_->voices) {
            auto voice = weak.lock();
            if (!voice || !voice->playing) continue;
            const auto& data = voice->converted->samples;
            const int64_t length = voice->converted->frames();
            const int32_t gain = voice->gain;
            if (length <= 0) {
                voice->playing = false;
                continue;
            }
            int filled = 0;
            while (filled < chunk && voice->playing) {
                const int64_t left = length - voice->position;
                const int n = static_cast<int>(std::min<int64_t>(left, chunk - filled));
                const int16_t* src = data.data() + voice->position * channels;
                int32_t* dst = acc + filled * channels;
                for (int i = 0; i < n * channels; ++i) dst[i] += (static_cast<int32_t>(src[i]) * gain) >> 15;
                filled += n;
                voice->position += n;
                if (voice->position >= length) {
                    voice->position = 0;
                    if (!voice->looped) voice->playing = false;
                }
            }
        }
        int16_t* dst = out + static_cast<size_t>(done) * static_cast<size_t>(channels);
        for (int i = 0; i < samples; ++i) dst[i] = static_cast<int16_t>(std::clamp(acc[i], -32768, 32767));
        done += chunk;
    }
}

int TDXSound::playingCount() const {
    std::lock_guard lock(core_->mutex);
    int count = 0;
    for (const auto& weak : core_->voices) {
        if (auto voice = weak.lock(); voice && voice->playing) ++count;
    }
    return count;
}

void TDXSound::setListener(SoundListener listener) {
    std::lock_guard lock(core_->mutex);
    core_->listener = std::move(listener);
}

}  // namespace orbigolf::platform
