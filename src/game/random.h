#pragma once
// The game's one pseudo-random generator: SplitMix64, so that a seed and the same
// inputs replay the same game.

#include <cstdint>

namespace orbigolf {

class Random {
public:
    explicit Random(uint64_t seed = 0) : state_(seed) {}

    void seed(uint64_t s) { state_ = s; }
    uint64_t state() const { return state_; }

    uint64_t next() {
        state_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A uniform whole number 0..n-1 (0 when n <= 0).
    int32_t operator()(int32_t n) {
        const uint64_t u = next() >> 32;
        if (n <= 0) return 0;
        return static_cast<int32_t>((u * static_cast<uint64_t>(n)) >> 32);
    }

private:
    uint64_t state_;
};

}  // namespace orbigolf
