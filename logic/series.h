// The standard series of IEC 60063 that resistors are sold in (E12, E24, E96),
// with the tolerance of the resistors sold in each, and the search for the
// standard value nearest to a result. The companion's table of standard parts
// and the design from a target both choose from here.
//
// The nearest standard value is the one whose ratio to the value is closest
// to 1, which is the nearer on the number line; a value exactly halfway takes
// the lower one. It decides on decimal digits, never on a logarithm.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace ritmolis {

struct Series {
    const char* name;                        // "E12", "E24", "E96"
    std::span<const std::uint16_t> values;   // one decade, as whole numbers
    int digits;                              // of each value: the first one is 10^(digits - 1)
    int tolerance;                           // of the resistors sold in it, in per cent
};

// One decade of each series as published: E12 and E24 with two digits (10 is
// 1.0), E96 with three (100 is 1.00).
inline constexpr std::array<std::uint16_t, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
inline constexpr std::array<std::uint16_t, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                                    33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
inline constexpr std::array<std::uint16_t, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

inline constexpr Series kSeriesE12{"E12", kE12, 2, 10};
inline constexpr Series kSeriesE24{"E24", kE24, 2, 5};
inline constexpr Series kSeriesE96{"E96", kE96, 3, 1};
inline constexpr std::array<Series, 3> kStandardSeries{kSeriesE12, kSeriesE24, kSeriesE96};

// The standard value of the series nearest to `value`, as the double nearest
// to it; 0 when there is none: `value` not a positive, finite number, or the
// nearest standard value beyond the range of numbers.
[[nodiscard]] double Nearest(const Series& series, double value);

}  // namespace ritmolis
