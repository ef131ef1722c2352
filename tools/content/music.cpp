#include "music.h"

#include <cmath>
#include <numbers>
#include <string>

#include "sources.h"
#include "synth.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

struct Score {
    int stepSamples = 7350;  // one arpeggio step
    int stepsPerBar = 8;
    std::vector<std::vector<int>> chords;  // per bar: bass note, then pad notes
    std::vector<int> arpeggio;             // indices into the pad notes, one per step
    int arpOctave = 12;
};

Score readScore(const std::filesystem::path& file) {
    Score s;
    const auto lines = readSourceLines(file);
    for (size_t n = 0; n < lines.size(); ++n) {
        const auto w = splitWords(lines[n]);
        if (w.empty()) continue;
        const std::string where = file.string() + ":" + std::to_string(n + 1);
        std::vector<int> values;
        for (size_t i = 1; i < w.size(); ++i) {
            try {
                values.push_back(std::stoi(w[i]));
            } catch (const std::exception&) {
                throw SourceError(where + ": \"" + w[i] + "\" is not a whole number");
            }
        }
        if (w[0] == "step" && values.size() == 1) s.stepSamples = values[0];
        else if (w[0] == "steps_per_bar" && values.size() == 1) s.stepsPerBar = values[0];
        else if (w[0] == "arp_octave" && values.size() == 1) s.arpOctave = values[0];
        else if (w[0] == "chord" && values.size() >= 3) s.chords.push_back(values);
        else if (w[0] == "arp" && !values.empty()) s.arpeggio = values;
        else throw SourceError(where + ": unknown or incomplete line");
    }
    if (s.chords.empty() || s.arpeggio.empty() || s.stepSamples <= 0 || s.stepsPerBar <= 0)
        throw SourceError(file.string() + ": a score needs chords, an arpeggio and a step");
    return s;
}

// Adds a voice into the circular buffer: f(t) for t from the start, for `length` seconds.
template <typename Voice>
void addCircular(Signal& loop, int start, double length, Voice voice) {
    const int n = static_cast<int>(loop.size());
    const int count = samplesFor(length);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        loop[static_cast<size_t>((start + i) % n)] += voice(t);
    }
}

}  // namespace

std::vector<int16_t> composeMusic(const std::filesystem::path& scoreFile, double peakDb) {
    const Score score = readScore(scoreFile);
    const int barSamples = score.stepSamples * score.stepsPerBar;
    const int bars = static_cast<int>(score.chords.size());
    Signal loop(static_cast<size_t>(barSamples * bars), 0.0);
    const double bar = static_cast<double>(barSamples) / kSampleRate;
    const double step = static_cast<double>(score.stepSamples) / kSampleRate;

    for (int b = 0; b < bars; ++b) {
        const auto& chord = score.chords[static_cast<size_t>(b)];
        const int start = b * barSamples;
        // Pads: three slightly detuned saws per note through a gentle low-pass, swelling in
        // and fading out across the next bar.
        for (size_t k = 1; k < chord.size(); ++k) {
            const double f = midiHz(chord[k]);
            OnePole lp1(700), lp2(900);
            double ph[3] = {0.13 * static_cast<double>(k), 0.41, 0.77};
            const double detune[3] = {0.9965, 1.0, 1.0035};
            addCircular(loop, start, bar + 1.6, [&](double t) {
                double v = 0;
                for (int d = 0; d < 3; ++d) {
                    ph[d] += f * detune[d] / kSampleRate;
                    v += waveValue(Wave::Saw, ph[d]);
                }
                const double swell = t < 0.9 ? t / 0.9 : (t < bar ? 1.0 : std::exp(-(t - bar) / 0.45));
                return 0.05 * lp2.lowpass(lp1.lowpass(v)) * swell;
            });
        }
        // Bass: a round sine on the chord's root.
        const double fb = midiHz(chord[0]);
        double bph = 0;
        addCircular(loop, start, bar + 0.5, [&](double t) {
            bph += fb / kSampleRate;
            const double env = t < 0.05 ? t / 0.05 : (t < bar - 0.2 ? 1.0 : std::exp(-(t - bar + 0.2) / 0.2));
            return 0.16 * (std::sin(2 * kPi * bph) + 0.15 * std::sin(4 * kPi * bph)) * env;
        });
        // Arpeggio: bell-like plucks, one per step.
        for (int sIdx = 0; sIdx < score.stepsPerBar; ++sIdx) {
            const int which = score.arpeggio[static_cast<size_t>(sIdx) % score.arpeggio.size()];
            const auto pad = static_cast<size_t>(1 + which % static_cast<int>(chord.size() - 1));
            const double f = midiHz(chord[pad] + score.arpOctave);
            double aph = 0;
            addCircular(loop, start + sIdx * score.stepSamples, 1.2, [&](double t) {
                aph += f / kSampleRate;
                return 0.11 * (std::sin(2 * kPi * aph) + 0.25 * std::sin(4 * kPi * aph)) *
                       attackDecay(t, 0.004, 0.28);
            });
        }
    }
    // A soft echo of everything, three steps late, running around the loop twice so the
    // echo of the end reaches the start.
    const int delay = score.stepSamples * 3;
    const int n = static_cast<int>(loop.size());
    Signal wet(loop.size(), 0.0);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            const int j = ((i - delay) % n + n) % n;
            wet[static_cast<size_t>(i)] = 0.3 * (loop[static_cast<size_t>(j)] + wet[static_cast<size_t>(j)]);
        }
    }
    OnePole soften(3500);
    for (int i = 0; i < n; ++i) loop[static_cast<size_t>(i)] += soften.lowpass(wet[static_cast<size_t>(i)]);
    (void)step;
    return toLoopSamples(loop, peakDb);
}

}  // namespace orbigolf::content
