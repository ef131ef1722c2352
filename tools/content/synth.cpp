#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace orbigolf::content {

namespace {
constexpr double kPi = std::numbers::pi;
}

double Noise::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / static_cast<double>(uint64_t{1} << 52) - 1.0;
}

Wave waveFromName(const std::string& name) {
    if (name == "sine") return Wave::Sine;
    if (name == "triangle") return Wave::Triangle;
    if (name == "square") return Wave::Square;
    if (name == "saw") return Wave::Saw;
    if (name == "bell") return Wave::Bell;
    throw std::invalid_argument("unknown wave \"" + name + "\"");
}

double waveValue(Wave w, double phase) {
    phase -= std::floor(phase);
    switch (w) {
        case Wave::Sine:
            return std::sin(2 * kPi * phase);
        case Wave::Triangle:
            return 1 - 4 * std::fabs(phase - 0.5);
        case Wave::Square:
            // Slightly rounded edges keep it from sounding harsh at 22 kHz.
            return std::tanh(4 * std::sin(2 * kPi * phase));
        case Wave::Saw:
            return 2 * phase - 1;
        case Wave::Bell:
            return 0.7 * std::sin(2 * kPi * phase) + 0.2 * std::sin(2 * kPi * phase * 2.76) +
                   0.1 * std::sin(2 * kPi * phase * 5.4);
    }
    return 0;
}

void OnePole::setCutoff(double cutoffHz) {
    a_ = 1 - std::exp(-2 * kPi * std::clamp(cutoffHz, 1.0, kSampleRate / 2.0) / kSampleRate);
}

double OnePole::lowpass(double x) {
    y_ += a_ * (x - y_);
    return y_;
}

double BandPass::process(double x, double centreHz, double q) {
    const double w = 2 * kPi * std::clamp(centreHz, 10.0, kSampleRate * 0.45) / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    const double b0 = alpha / a0, b2 = -alpha / a0;
    const double a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
    const double y = b0 * x + b2 * x2_ - a1 * y1_ - a2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

double attackDecay(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (attack > 0 && t < attack) return t / attack;
    return std::exp(-(t - attack) / std::max(decay, 1e-4));
}

namespace {

std::vector<int16_t> scaleToPeak(const Signal& s, double peakDb) {
    double peak = 0;
    for (double v : s) peak = std::max(peak, std::fabs(v));
    const double gain = peak > 0 ? std::pow(10.0, peakDb / 20) / peak : 0;
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i)
        out[i] = static_cast<int16_t>(std::clamp(std::nearbyint(s[i] * gain * 32767), -32767.0, 32767.0));
    return out;
}

}  // namespace

std::vector<int16_t> toSamples(const Signal& s, double peakDb, double fadeInMs, double fadeOutMs) {
    Signal f = s;
    const size_t in = std::min(f.size(), static_cast<size_t>(samplesFor(fadeInMs / 1000)));
    const size_t out = std::min(f.size(), static_cast<size_t>(samplesFor(fadeOutMs / 1000)));
    for (size_t i = 0; i < in; ++i) f[i] *= static_cast<double>(i) / static_cast<double>(in);
    for (size_t i = 0; i < out; ++i)
        f[f.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
    return scaleToPeak(f, peakDb);
}

std::vector<int16_t> toLoopSamples(const Signal& s, double peakDb) { return scaleToPeak(s, peakDb); }

}  // namespace orbigolf::content
