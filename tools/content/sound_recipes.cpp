#include "sound_recipes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "music.h"

namespace orbigolf::content {

namespace {

constexpr double kPi = std::numbers::pi;

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

// A struck object: a damped tone (with an optional pitch drop and metallic partial) and
// a filtered noise click.
Signal knock(const Params& p) {
    const double length = p.number("length", 0.2), tone = p.number("tone", 800);
    const double decay = p.number("decay", 0.04), noiseMix = p.number("noise", 0.5);
    const double drop = p.number("drop", 0.3), ring = p.number("ring", 0);
    OnePole lp(p.number("cutoff", 4000));
    Noise n(static_cast<uint64_t>(p.number("seed", 1)));
    Signal s(static_cast<size_t>(samplesFor(length)));
    double phase = 0, phase2 = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = attackDecay(t, 0.0015, decay);
        const double f = tone * (1 + drop * std::exp(-t / 0.01));
        phase += f / kSampleRate;
        phase2 += f * 2.41 / kSampleRate;
        const double body = std::sin(2 * kPi * phase) + ring * std::sin(2 * kPi * phase2) *
                                                            std::exp(-t / (decay * 3));
        const double click = lp.lowpass(n.next()) * attackDecay(t, 0.0005, decay * 0.4);
        s[i] = (1 - noiseMix) * body * env + noiseMix * click * 2.5;
    }
    return s;
}

// Filtered noise with a swept band, optional crackle, wobble and bubbles.
Signal noise(const Params& p) {
    const double length = p.number("length", 0.5), attack = p.number("attack", 0.01);
    const double decay = p.number("decay", 0.2), hold = p.number("hold", 0);
    const double from = p.number("from", 1500), to = p.number("to", from);
    const double q = p.number("q", 0.8), crackle = p.number("crackle", 0);
    const double wobble = p.number("wobble", 0), bubbles = p.number("bubbles", 0);
    const double lowCut = p.number("lowcut", 0);
    Noise n(static_cast<uint64_t>(p.number("seed", 7)));
    BandPass bp;
    OnePole rumble(p.number("rumble", 0) > 0 ? 120 : 1);
    OnePole hp(lowCut > 0 ? lowCut : 1);
    OnePole crackleTone(p.number("crackletone", 2500));
    Signal s(static_cast<size_t>(samplesFor(length)));
    double bubblePhase = 0, bubbleFreq = 0, bubbleT = 1;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double k = t / length;
        const double centre = from * std::pow(to / from, k);
        double v = bp.process(n.next(), centre, q);
        // Crackle: sparse grains of noise, softened so they do not outshout the body.
        const double grain = crackle > 0 && n.uniform() < crackle * 0.004 ? n.next() * 8 : 0.0;
        if (crackle > 0) v += crackleTone.lowpass(grain) * std::exp(-k * 2);
        if (p.number("rumble", 0) > 0) v += p.number("rumble", 0) * 3 * rumble.lowpass(n.next());
        if (lowCut > 0) v = hp.highpass(v);
        if (wobble > 0) v *= 0.6 + 0.4 * std::sin(2 * kPi * wobble * t);
        if (bubbles > 0) {
            // Short rising sine chirps, started at random.
            if (bubbleT > 0.05 && n.uniform() < bubbles / kSampleRate) {
                bubbleT = 0;
                bubbleFreq = 500 + 900 * n.uniform();
            }
            if (bubbleT < 0.05) {
                bubblePhase += bubbleFreq * (1 + 8 * bubbleT) / kSampleRate;
                v += 0.5 * std::sin(2 * kPi * bubblePhase) * std::exp(-bubbleT / 0.015);
            }
            bubbleT += 1.0 / kSampleRate;
        }
        const double env = t < hold ? (attack > 0 ? std::min(1.0, t / attack) : 1.0)
                                    : attackDecay(t - hold + attack, attack, decay);
        s[i] = v * env;
    }
    return s;
}

// A pitched sweep (springs, whistles, buzzers).
Signal sweep(const Params& p) {
    const double length = p.number("length", 0.4), from = p.number("from", 200);
    const double to = p.number("to", 800), vibRate = p.number("vibrato", 0);
    const double vibDepth = p.number("depth", 0), decay = p.number("decay", 10);
    const double noiseMix = p.number("noise", 0), attack = p.number("attack", 0.005);
    const Wave w = waveFromName(p.text("wave", "sine"));
    Noise n(static_cast<uint64_t>(p.number("seed", 3)));
    OnePole lp(p.number("cutoff", 6000));
    Signal s(static_cast<size_t>(samplesFor(length)));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double k = t / length;
        const double f = from * std::pow(to / from, k) * (1 + vibDepth * std::sin(2 * kPi * vibRate * t));
        phase += f / kSampleRate;
        const double v = (1 - noiseMix) * waveValue(w, phase) + noiseMix * n.next();
        s[i] = lp.lowpass(v) * attackDecay(t, attack, decay);
    }
    return s;
}

// Notes one after another (or together when step is 0), each struck and decaying.
Signal notes(const Params& p) {
    const std::vector<double> list = p.numbers("notes");
    const double step = p.number("step", 0.08), decay = p.number("decay", 0.3);
    const double tail = p.number("tail", decay * 4), shimmer = p.number("shimmer", 0);
    const Wave w = waveFromName(p.text("wave", "bell"));
    const double length = step * static_cast<double>(list.size()) + tail;
    Signal s(static_cast<size_t>(samplesFor(length)));
    for (size_t k = 0; k < list.size(); ++k) {
        const double f = midiHz(list[k]);
        const auto start = static_cast<size_t>(samplesFor(step * static_cast<double>(k)));
        double phase = 0;
        for (size_t i = start; i < s.size(); ++i) {
            const double t = static_cast<double>(i - start) / kSampleRate;
            phase += f * (1 + shimmer * std::sin(2 * kPi * 7 * t)) / kSampleRate;
            s[i] += waveValue(w, phase) * attackDecay(t, 0.003, decay);
        }
    }
    return s;
}

// An explosion: a falling low tone under a burst of noise that darkens as it fades.
Signal boom(const Params& p) {
    const double length = p.number("length", 1.0), from = p.number("from", 110);
    const double to = p.number("to", 35), noiseMix = p.number("noise", 0.7);
    const double decay = p.number("decay", 0.3);
    Noise n(static_cast<uint64_t>(p.number("seed", 5)));
    OnePole lp(3000);
    Signal s(static_cast<size_t>(samplesFor(length)));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double k = t / length;
        phase += from * std::pow(to / from, k) / kSampleRate;
        lp.setCutoff(3000 * std::exp(-t / (decay * 0.8)) + 150);
        const double v = (1 - noiseMix) * std::sin(2 * kPi * phase) + noiseMix * 2 * lp.lowpass(n.next());
        s[i] = v * attackDecay(t, 0.002, decay);
    }
    return s;
}

// A steady hum whose partials all complete whole cycles over the length, so it loops
// without a seam.
Signal hum(const Params& p) {
    const double length = p.number("length", 4.0), base = p.number("base", 110);
    const int n = samplesFor(length);
    Signal s(static_cast<size_t>(n));
    const double cycles = std::nearbyint(base * length);
    const double partials[][3] = {{1, 1.0, 0}, {1.5, 0.35, 2}, {2, 0.4, 1}, {3, 0.15, 3}};
    for (int i = 0; i < n; ++i) {
        const double k = static_cast<double>(i) / n;  // 0..1 over the loop
        double v = 0;
        for (const auto& pt : partials) {
            const double c = std::nearbyint(cycles * pt[0]);
            const double beat = 1 + 0.3 * std::sin(2 * kPi * (pt[2] + 1) * k);
            v += pt[1] * beat * std::sin(2 * kPi * c * k);
        }
        s[static_cast<size_t>(i)] = v;
    }
    return s;
}

}  // namespace

std::vector<int16_t> synthesise(const std::string& recipe, const Params& params,
                                const std::filesystem::path& sources, const std::string& where) {
    const double peak = params.number("peak", -3);
    const double fadeIn = params.number("fadein", 2), fadeOut = params.number("fadeout", 15);
    if (recipe == "music") return composeMusic(sources / "music" / params.text("score", "menu_theme.txt"), peak);
    if (recipe == "hum") return toLoopSamples(hum(params), peak);
    Signal s;
    if (recipe == "knock") s = knock(params);
    else if (recipe == "noise") s = noise(params);
    else if (recipe == "sweep") s = sweep(params);
    else if (recipe == "notes") s = notes(params);
    else if (recipe == "boom") s = boom(params);
    else throw SourceError(where + ": unknown recipe \"" + recipe + "\"");
    // Optional soft saturation: makes noisy sounds denser before they are scaled to the peak.
    if (const double drive = params.number("drive", 0); drive > 0) {
        double top = 0;
        for (double v : s) top = std::max(top, std::fabs(v));
        if (top > 0)
            for (double& v : s) v = std::tanh(drive * v / top);
    }
    return toSamples(s, peak, fadeIn, fadeOut);
}

std::vector<SoundItem> buildSoundList(const std::filesystem::path& recipes,
                                      const std::filesystem::path& sources) {
    std::vector<SoundItem> items;
    const auto lines = readSourceLines(recipes);
    for (size_t n = 0; n < lines.size(); ++n) {
        const auto words = splitWords(lines[n]);
        if (words.empty()) continue;
        const std::string where = recipes.string() + ":" + std::to_string(n + 1);
        if (words.size() < 4) throw SourceError(where + ": expected \"index name max recipe ...\"");
        SoundItem item;
        try {
            item.index = std::stoi(words[0]);
            item.maxPlayingCount = std::stoi(words[2]);
        } catch (const std::exception&) {
            throw SourceError(where + ": index and max must be whole numbers");
        }
        if (item.index != static_cast<int>(items.size()))
            throw SourceError(where + ": expected position " + std::to_string(items.size()));
        item.name = words[1];
        const Params params(words, 4, where);
        item.looped = params.number("looped", 0) != 0;
        try {
            item.samples = synthesise(words[3], params, sources, where);
        } catch (const std::invalid_argument& e) {
            throw SourceError(where + ": " + e.what());
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace orbigolf::content
