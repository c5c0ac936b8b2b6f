#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// A fixed-size array indexed from 1, the way puzzle data, letter boxes and
// hint counters are numbered throughout the game. An index outside 1..N is a
// programming error and throws std::out_of_range.
template <typename T, std::size_t N> class OneBasedArray {
public:
    T &operator()(std::int16_t index) { return items_.at(slot(index)); }
    const T &operator()(std::int16_t index) const { return items_.at(slot(index)); }

    static constexpr std::int16_t size() { return static_cast<std::int16_t>(N); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const OneBasedArray &) const = default;

private:
    // A negative index wraps to a huge value, so at() rejects it too.
    static std::size_t slot(std::int16_t index) { return static_cast<std::size_t>(index) - 1; }

    std::array<T, N> items_{};
};
