#pragma once
// Sound synthesis building blocks: oscillators, seeded noise, envelopes and filters on
// signals of doubles at the game's rate, and the last step to 16-bit samples.

#include <cstdint>
#include <string>
#include <vector>

namespace orbigolf::content {

inline constexpr int kSampleRate = 22050;
using Signal = std::vector<double>;

inline int samplesFor(double seconds) { return static_cast<int>(seconds * kSampleRate + 0.5); }

// White noise in -1..1 from a fixed seed (SplitMix64), so every build sounds the same.
class Noise {
public:
    explicit Noise(uint64_t seed) : state_(seed) {}
    double next();
    double uniform() { return 0.5 * (next() + 1); }  // 0..1

private:
    uint64_t state_;
};

enum class Wave { Sine, Triangle, Square, Saw, Bell };
Wave waveFromName(const std::string& name);
// One cycle value at phase 0..1 (the bell adds two inharmonic partials).
double waveValue(Wave w, double phase);

// Filters (state kept inside; process in order).
class OnePole {
public:
    explicit OnePole(double cutoffHz) { setCutoff(cutoffHz); }
    void setCutoff(double cutoffHz);
    double lowpass(double x);
    double highpass(double x) { return x - lowpass(x); }

private:
    double a_ = 0, y_ = 0;
};

// Resonant band-pass (constant peak gain), centre and Q may change per sample.
class BandPass {
public:
    double process(double x, double centreHz, double q);

private:
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Attack, then exponential decay with the time constant given.
double attackDecay(double t, double attack, double decay);

// Scales the signal so its peak is at the given level (dB below full scale), fades the
// ends (milliseconds) and rounds to 16 bits.
std::vector<int16_t> toSamples(const Signal& s, double peakDb, double fadeInMs, double fadeOutMs);
// The same without fades, for loops whose ends already meet.
std::vector<int16_t> toLoopSamples(const Signal& s, double peakDb);

}  // namespace orbigolf::content
