#pragma once
// A fixed-size array indexed from 1, so that game code reads playerRecs[curPlayer]
// and areas[n] exactly as the rules describe them. Out-of-range indexes are caught
// by an assertion in checked builds.

#include <array>
#include <cassert>
#include <cstddef>

namespace orbigolf {

template <typename T, int N>
class OneBased {
public:
    static constexpr int first = 1;
    static constexpr int last = N;

    T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    static constexpr bool inRange(int i) { return i >= 1 && i <= N; }
    static constexpr int size() { return N; }

    void fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::array<T, N> items_{};
};

}  // namespace orbigolf
