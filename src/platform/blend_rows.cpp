#include "platform/blend_rows.h"

#include <cstring>

#include "platform/blit.h"

namespace orbigolf::platform {
namespace {

constexpr unsigned red(unsigned p) { return p >> 11; }
constexpr unsigned green(unsigned p) { return (p >> 5) & 63u; }
constexpr unsigned blue(unsigned p) { return p & 31u; }
constexpr Pixel565 pack(unsigned r, unsigned g, unsigned b) { return static_cast<Pixel565>((r << 11) | (g << 5) | b); }
constexpr unsigned minu(unsigned a, unsigned b) { return a < b ? a : b; }
// a - b floored at 0.
constexpr unsigned subFloor(unsigned a, unsigned b) { return a > b ? a - b : 0u; }

struct Add {
    static Pixel565 apply(unsigned s, unsigned d, unsigned k) {
        return pack(minu(31u, red(d) + div255(red(s) * k)), minu(63u, green(d) + div255(green(s) * k)),
                    minu(31u, blue(d) + div255(blue(s) * k)));
    }
    static Pixel565 full(unsigned s, unsigned d) {
        return pack(minu(31u, red(d) + red(s)), minu(63u, green(d) + green(s)), minu(31u, blue(d) + blue(s)));
    }
};

struct Alpha {
    static Pixel565 apply(unsigned s, unsigned d, unsigned k) {
        const unsigned j = 255u - k;
        return pack(div255(red(s) * k + red(d) * j), div255(green(s) * k + green(d) * j),
                    div255(blue(s) * k + blue(d) * j));
    }
    static Pixel565 full(unsigned s, unsigned) { return static_cast<Pixel565>(s); }
};

struct Subtract {
    static Pixel565 apply(unsigned s, unsigned d, unsigned k) {
        return pack(subFloor(red(d), div255(red(s) * k)), subFloor(green(d), div255(green(s) * k)),
                    subFloor(blue(d), div255(blue(s) * k)));
    }
    static Pixel565 full(unsigned s, unsigned d) {
        return pack(subFloor(red(d), red(s)), subFloor(green(d), green(s)), subFloor(blue(d), blue(s)));
    }
};

template <class Mode, bool Keyed, bool Full>
void rowLoop(Pixel565* __restrict d, const Pixel565* __restrict s, int n, unsigned k, Pixel565 key) {
    for (int i = 0; i < n; ++i) {
        const unsigned sp = s[i];
        const unsigned dp = d[i];
        Pixel565 out;
        if constexpr (Full) {
            out = Mode::full(sp, dp);
        } else {
            out = Mode::apply(sp, dp, k);
        }
        if constexpr (Keyed) out = sp == key ? static_cast<Pixel565>(dp) : out;
        d[i] = out;
    }
}

template <class Mode>
void modeRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
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

void keyedCopyRow(Pixel565* __restrict d, const Pixel565* __restrict s, int n, Pixel565 key) {
    for (int i = 0; i < n; ++i) {
        const Pixel565 sp = s[i];
        d[i] = sp == key ? d[i] : sp;
    }
}

void addRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    modeRow<Add>(d, s, n, k, keyed, key);
}

void alphaRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    if (k >= 255 && !keyed) {
        std::memcpy(d, s, static_cast<size_t>(n) * sizeof(Pixel565));
        return;
    }
    modeRow<Alpha>(d, s, n, k, keyed, key);
}

void subtractRow(Pixel565* d, const Pixel565* s, int n, unsigned k, bool keyed, Pixel565 key) {
    modeRow<Subtract>(d, s, n, k, keyed, key);
}

void alphaFillRow(Pixel565* d, int n, Pixel565 colour, unsigned k) {
    const unsigned j = 255u - k;
    const unsigned r = red(colour) * k;
    const unsigned g = green(colour) * k;
    const unsigned b = blue(colour) * k;
    for (int i = 0; i < n; ++i) {
        const unsigned dp = d[i];
        d[i] = pack(div255(r + red(dp) * j), div255(g + green(dp) * j), div255(b + blue(dp) * j));
    }
}

}  // namespace orbigolf::platform
