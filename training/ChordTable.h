// The thirteen chord types a chord question is drawn from.
#pragma once

#include <array>
#include <cstdint>

namespace velunka {

struct ChordType {
    const char* name;
    std::int32_t noteCount;
    // Semitones above the root, rising; only the first noteCount - 1 are used.
    std::array<std::uint8_t, 3> intervals;

    std::uint8_t Top() const { return intervals[static_cast<size_t>(noteCount - 2)]; }
};

inline constexpr std::array<ChordType, 13> kChordTypes{{
    {"major triad", 3, {4, 7, 0}},
    {"minor triad", 3, {3, 7, 0}},
    {"dominant seventh", 4, {4, 7, 10}},
    {"minor seventh", 4, {3, 7, 10}},
    {"major seventh", 4, {4, 7, 11}},
    {"diminished seventh", 4, {3, 6, 9}},
    {"half-diminished seventh", 4, {3, 6, 10}},
    {"augmented triad", 3, {4, 8, 0}},
    {"suspended fourth", 3, {5, 7, 0}},
    {"seventh with suspended fourth", 4, {5, 7, 10}},
    {"major sixth", 4, {4, 7, 9}},
    {"suspended second", 3, {2, 7, 0}},
    {"minor sixth", 4, {3, 7, 9}},
}};

}  // namespace velunka
