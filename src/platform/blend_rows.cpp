#include "platform/blend_rows.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/blit.h"

// Each kernel is built twice on x86-64, for AVX2 and for the baseline, and the loader
// picks the one the processor runs: the blends then work on 16 pixels per instruction.
#if defined(__x86_64__) && defined(__GNUC__) && defined(__ELF__)
#define ORBIGOLF_KERNEL __attribute__((target_clones("avx2", "default")))
#if defined(__clang__)
#define ORBIGOLF_COPY_KERNEL ORBIGOLF_KERNEL
#else
#define ORBIGOLF_COPY_KERNEL __attribute__((target_clones("avx512f", "avx2", "default")))
#endif
#else
#define ORBIGOLF_KERNEL
#define ORBIGOLF_COPY_KERNEL
#endif
#define ORBIGOLF_INLINE inline __attribute__((always_inline))

namespace orbigolf::platform {
namespace {

// 16 pixels in 16-bit lanes. Every intermediate value of the blends fits in 16 bits
// (a channel times a strength is at most 63 * 255), so the lanes never overflow. Clang
// refuses 32-byte vectors in code built for the baseline, so there the blocks are 8
// pixels wide.
#if defined(__clang__)
using Vec = uint16_t __attribute__((vector_size(16)));
constexpr int kLanes = 8;
#else
using Vec = uint16_t __attribute__((vector_size(32)));
constexpr int kLanes = 16;
#endif

ORBIGOLF_INLINE Vec load(const Pixel565* p) {
    Vec v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
ORBIGOLF_INLINE void store(Pixel565* p, const Vec& v) { std::memcpy(p, &v, sizeof v); }
// Plain copies move 32 pixels a step, in one instruction where the processor has
// 64-byte registers.
#if defined(__clang__)
using Wide = Vec;
#else
using Wide = uint16_t __attribute__((vector_size(64)));
#endif
constexpr int kCopyLanes = static_cast<int>(sizeof(Wide) / sizeof(uint16_t));
ORBIGOLF_INLINE Wide loadWide(const Pixel565* p) {
    Wide v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
ORBIGOLF_INLINE void storeWide(Pixel565* p, const Wide& v) { std::memcpy(p, &v, sizeof v); }
ORBIGOLF_INLINE Vec splat(unsigned x) { return Vec{} + static_cast<uint16_t>(x); }

// The same arithmetic works on one pixel (unsigned) and on 16 (Vec).
template <class T>
ORBIGOLF_INLINE T red(T p) {
    return p >> 11;
}
template <class T>
ORBIGOLF_INLINE T green(T p) {
    return (p >> 5) & 63u;
}
template <class T>
ORBIGOLF_INLINE T blue(T p) {
    return p & 31u;
}
template <class T>
ORBIGOLF_INLINE T pack(T r, T g, T b) {
    return (r << 11) | (g << 5) | b;
}
template <class T>
ORBIGOLF_INLINE T minOf(T a, T b) {
    return a < b ? a : b;
}
template <class T>
ORBIGOLF_INLINE T subFloor(T a, T b) {
    return a > b ? a - b : a - a;
}
template <class T>
ORBIGOLF_INLINE T div255v(T v) {
    return (v + 128u + ((v + 128u) >> 8)) >> 8;
}

struct Add {
    template <class T>
    static ORBIGOLF_INLINE T apply(T s, T d, T k, T) {
        return pack<T>(minOf<T>(red(d) + div255v<T>(red(s) * k), T{} + 31u),
                       minOf<T>(green(d) + div255v<T>(green(s) * k), T{} + 63u),
                       minOf<T>(blue(d) + div255v<T>(blue(s) * k), T{} + 31u));
    }
    template <class T>
    static ORBIGOLF_INLINE T full(T s, T d) {
        return pack<T>(minOf<T>(red(d) + red(s), T{} + 31u), minOf<T>(green(d) + green(s), T{} + 63u),
                       minOf<T>(blue(d) + blue(s), T{} + 31u));
    }
};

struct Alpha {
    template <class T>
    static ORBIGOLF_INLINE T apply(T s, T d, T k, T j) {
        return pack<T>(div255v<T>(red(s) * k + red(d) * j), div255v<T>(green(s) * k + green(d) * j),
                       div255v<T>(blue(s) * k + blue(d) * j));
    }
    template <class T>
    static ORBIGOLF_INLINE T full(T s, T) {
        return s;
    }
};

struct Subtract {
    template <class T>
    static ORBIGOLF_INLINE T apply(T s, T d, T k, T) {
        return pack<T>(subFloor<T>(red(d), div255v<T>(red(s) * k)), subFloor<T>(green(d), div255v<T>(green(s) * k)),
                       subFloor<T>(blue(d), div255v<T>(blue(s) * k)));
    }
    template <class T>
    static ORBIGOLF_INLINE T full(T s, T d) {
        return pack<T>(subFloor<T>(red(d), red(s)), subFloor<T>(green(d), green(s)), subFloor<T>(blue(d), blue(s)));
    }
};

template <class Mode, bool Keyed, bool Full>
ORBIGOLF_INLINE void rowLoop(Pixel565* d, const Pixel565* s, int n, unsigned k, Pixel565 key) {
    int i = 0;
    const Vec kv = splat(k), jv = splat(255u - k), keyv = splat(key);
    for (; i + kLanes <= n; i += kLanes) {
        const Vec sv = load(s + i);
        const Vec dv = load(d + i);
        Vec out;
        if constexpr (Full) {
            out = Mode::template full<Vec>(sv, dv);
        } else {
            out = Mode::template apply<Vec>(sv, dv, kv, jv);
        }
        if constexpr (Keyed) {
            const Vec m = (Vec)(sv == keyv);
            out = (out & ~m) | (dv & m);
        }
        store(d + i, out);
    }
    for (; i < n; ++i) {
        const unsigned sp = s[i];
        const unsigned dp = d[i];
        unsigned out;
        if constexpr (Full) {
            out = Mode::template full<unsigned>(sp, dp);
        } else {
            out = Mode::template apply<unsigned>(sp, dp, k, 255u - k);
        }
        if constexpr (Keyed) out = sp == key ? dp : out;
        d[i] = static_cast<Pixel565>(out);
    }
}

template <class Mode>
ORBIGOLF_INLINE void modeRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    if (k >= 255) {
        if (keyed) {
            rowLoop<Mode, true, true>(d, s, n, k, key);
        } else {
            rowLoop<Mode, false, true>(d, s, n, k, key);
        }
    } else if (keyed) {
        rowLoop<Mode, true, false>(d, s, n, k, key);
    } else {
        rowLoop<Mode, false, false>(d, s, n, k, key);
    }
}

}  // namespace

ORBIGOLF_KERNEL void keyedCopyRow(Pixel565* d, const Pixel565* s, int n, Pixel565 key) {
    int i = 0;
    const Vec keyv = splat(key);
    for (; i + kLanes <= n; i += kLanes) {
        const Vec sv = load(s + i);
        const Vec m = (Vec)(sv == keyv);
        store(d + i, (sv & ~m) | (load(d + i) & m));
    }
    for (; i < n; ++i) {
        const Pixel565 sp = s[i];
        if (sp != key) d[i] = sp;
    }
}

ORBIGOLF_COPY_KERNEL void copyRuns(Pixel565* d, const Pixel565* s, const KeyRuns::Run* runs, size_t count,
                                   int from, int to) {
    for (size_t r = 0; r < count; ++r) {
        const int a = std::max(runs[r].x, from);
        const int b = std::min(runs[r].x + runs[r].length, to);
        const int n = b - a;
        if (n <= 0) continue;
        Pixel565* out = d + (a - from);
        const Pixel565* in = s + a;
        if (n < kCopyLanes) {
            for (int i = 0; i < n; ++i) out[i] = in[i];
            continue;
        }
        // A first block, then whole blocks from the first destination address on a block
        // boundary (stores that straddle cache lines cost twice), then one last block
        // ending at the run's end. Blocks may overlap; they write the same pixels again.
        for (int i = 0; i + kCopyLanes <= n; i += kCopyLanes) storeWide(out + i, loadWide(in + i));
        storeWide(out + n - kCopyLanes, loadWide(in + n - kCopyLanes));
    }
}

ORBIGOLF_KERNEL void addRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    modeRow<Add>(d, s, n, k, keyed, key);
}

ORBIGOLF_KERNEL void alphaRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    if (k >= 255 && !keyed) {
        std::memcpy(d, s, static_cast<size_t>(n) * sizeof(Pixel565));
        return;
    }
    modeRow<Alpha>(d, s, n, k, keyed, key);
}

ORBIGOLF_KERNEL void subtractRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    modeRow<Subtract>(d, s, n, k, keyed, key);
}

ORBIGOLF_KERNEL void alphaFillRow(Pixel565* d, int n, Pixel565 colour, unsigned k) {
    int i = 0;
    const Vec cv = splat(colour), kv = splat(k), jv = splat(255u - k);
    for (; i + kLanes <= n; i += kLanes) store(d + i, Alpha::apply<Vec>(cv, load(d + i), kv, jv));
    for (; i < n; ++i) d[i] = static_cast<Pixel565>(Alpha::apply<unsigned>(colour, d[i], k, 255u - k));
}

}  // namespace orbigolf::platform
