#pragma once
// The sound device: a software mixer with any number of sound buffers.
//
// TDXSound owns the primary format (22050 Hz, 16-bit, mono unless changed) and mixes
// every playing buffer into it when the output pulls with mix(); the SDL audio callback
// pulls from its own thread, tests pull directly. A SoundBuffer is a handle to one
// playable voice; its samples are converted to the primary format once, when it is made
// (and again if the primary format changes). Copies made with duplicate() share the
// samples and play independently.
//
// Nothing waits for a sound: play, stop and volume only change the voice's state under a
// lock that mix() holds for one pull at most.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>

namespace orbigolf::platform {

// A PCM sample format: 8-bit unsigned or 16-bit signed little-endian, interleaved.
struct PcmFormat {
    int channels = 1;
    int samplesPerSec = 22050;
    int bitsPerSample = 16;

    int blockAlign() const { return channels * (bitsPerSample / 8); }
    friend bool operator==(const PcmFormat&, const PcmFormat&) = default;
};

// Raised for a format the mixer cannot play and when the sound output cannot be opened.
class SoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether the mixer plays sound data in this format: 8-bit unsigned or 16-bit signed,
// 1 or 2 channels, 100 to 1000000 Hz. Readers of sound files refuse anything else up front,
// so that a sound fails when it is loaded rather than when it is first played.
inline constexpr int kMixerMinRate = 100;  // samples a second
inline constexpr int kMixerMaxRate = 1000000;
constexpr bool mixerPlays(const PcmFormat& f) {
    return (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.samplesPerSec >= kMixerMinRate &&
           f.samplesPerSec <= kMixerMaxRate;
}

// Volume limits, in hundredths of a decibel.
inline constexpr int kVolumeMax = 0;
inline constexpr int kVolumeMin = -10000;  // silence

// Linear gain for a volume in hundredths of a decibel (clamped to kVolumeMin..kVolumeMax;
// kVolumeMin is exactly 0).
double volumeToGain(int hundredthsDb);

namespace detail {
struct MixerCore;
struct Voice;
}  // namespace detail

// What a sound output reports to a listener (the headless back end records them).
enum class SoundCall { Play, PlayLooped, Stop, Volume };
using SoundListener = std::function<void(SoundCall, const std::string& tag, int value)>;

class SoundBuffer {
public:
    SoundBuffer() = default;  // no sound: every operation does nothing

    bool valid() const { return voice_ != nullptr; }

    // Starts from the beginning (restarting when already playing).
    void play(bool looped = false);
    void stop();
    bool playing() const;
    bool looped() const;

    // Hundredths of a decibel, clamped to -10000..0.
    void setVolume(int hundredthsDb);
    int volume() const;

    // A new voice sharing this one's samples, stopped, at this one's volume.
    SoundBuffer duplicate() const;

    // Length in frames of the primary format.
    int64_t length() const;
    // Position of the next frame to mix, in frames of the primary format.
    int64_t position() const;

    // A name carried into listener reports (the sound list item's name).
    void setTag(std::string tag);
    const std::string& tag() const;

private:
    friend class TDXSound;
    SoundBuffer(std::shared_ptr<detail::MixerCore> core, std::shared_ptr<detail::Voice> voice);

    std::shared_ptr<detail::MixerCore> core_;
    std::shared_ptr<detail::Voice> voice_;
};

// Where the mixed sound goes: the SDL audio device, or nothing in headless runs.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Starts pulling `mixer` in `format`; throws SoundError when the device cannot be
    // opened.
    virtual void open(class TDXSound& mixer, const PcmFormat& format) = 0;
    virtual void close() = 0;
};

class TDXSound {
public:
    static constexpr PcmFormat kDefaultFormat{1, 22050, 16};

    TDXSound();
    ~TDXSound();
    TDXSound(const TDXSound&) = delete;
    TDXSound& operator=(const TDXSound&) = delete;

    // The output that initialize() opens; none means mixing only on request (tests).
    // The output must outlive the device or be replaced before it goes.
    void setOutput(AudioOutput* output) { output_ = output; }

    // Opens the output and runs OnInitialize. A failure to open is reported as
    // SoundError and leaves the device uninitialised.
    void initialize();
    // Runs OnFinalize, closes the output and stops every voice.
    void finalize();
    bool initialized() const { return initialized_; }

    std::function<void()> OnInitialize;
    std::function<void()> OnFinalize;

    // Sets the primary format (1 or 2 channels, 8 or 16 bits, 1000..192000 Hz); every
    // buffer is converted to it. When the device is open it is reopened in the new format.
    // The mix itself is always 16-bit; an 8-bit primary format only records the request.
    void setPrimaryFormat(const PcmFormat& format);
    PcmFormat primaryFormat() const;

    // A buffer holding `data` in `format` (one mixerPlays accepts), converted to the primary
    // format. A trailing partial frame is ignored. Throws SoundError for any other format.
    SoundBuffer createBuffer(const PcmFormat& format, std::span<const uint8_t> data);

    // Mixes the next `frames` frames of every playing voice into `out` (frames x primary
    // channels samples). Voices that reach their end stop; looped ones wrap.
    void mix(int16_t* out, int frames);

    // Number of voices currently playing.
    int playingCount() const;

    void setListener(SoundListener listener);

private:
    std::shared_ptr<detail::MixerCore> core_;
    AudioOutput* output_ = nullptr;
    bool initialized_ = false;
};

}  // namespace orbigolf::platform
