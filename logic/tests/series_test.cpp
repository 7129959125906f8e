// The series against their definition in IEC 60063, and the nearest-value
// search against a search through every candidate.
#include <cmath>
#include <cstddef>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "logic/conversions.h"
#include "logic/series.h"

namespace ritmolis {
namespace {

// round(10^(i/n)) to `digits` significant digits, as a whole number (10^(i/n) · 10^(digits - 1)).
long Defined(std::size_t i, std::size_t n, int digits) {
    return std::lround(std::pow(10.0, static_cast<double>(i) / static_cast<double>(n) + digits - 1));
}

// E96 follows the formula to three digits exactly, so a wrong digit fails.
TEST(Series, E96IsTheFormula) {
    for (std::size_t i = 0; i < kE96.size(); ++i) EXPECT_EQ(kE96[i], Defined(i, kE96.size(), 3)) << "index " << i;
}

// E24 follows the formula to two digits but for these published values.
TEST(Series, E24IsTheFormulaButItsKnownExceptions) {
    const std::map<std::size_t, long> exceptions{{10, 27}, {11, 30}, {12, 33}, {13, 36},
                                                 {14, 39}, {15, 43}, {16, 47}, {22, 82}};
    for (std::size_t i = 0; i < kE24.size(); ++i) {
        const long formula = Defined(i, kE24.size(), 2);
        const auto exception = exceptions.find(i);
        EXPECT_EQ(kE24[i], exception == exceptions.end() ? formula : exception->second) << "index " << i;
        if (exception != exceptions.end()) {
            EXPECT_NE(formula, exception->second) << "index " << i;
        }
    }
}

TEST(Series, E12IsEveryOtherValueOfE24) {
    ASSERT_EQ(kE12.size() * 2, kE24.size());
    for (std::size_t i = 0; i < kE12.size(); ++i) EXPECT_EQ(kE12[i], kE24[2 * i]) << "index " << i;
}

// The nearest standard value by a search through the decade below, the
// value's own and the one above, on the number line (a tie to the lower).
double NearestBySearch(const Series& series, double value) {
    const int first = static_cast<int>(std::floor(std::log10(value))) - series.digits;
    double best = 0;
    for (int unit = first; unit <= first + 2; ++unit) {
        for (const std::uint16_t mantissa : series.values) {
            const double candidate = ParseLenient(std::to_string(mantissa) + 'e' + std::to_string(unit));
            if (best == 0 || std::abs(candidate - value) < std::abs(best - value)) best = candidate;
        }
    }
    return best;
}

// Random values of every size, and powers of ten with their neighbouring
// doubles, where a decade's edge could be missed.
TEST(Series, NearestIsTheNearestCandidate) {
    std::mt19937_64 random(60063);
    std::uniform_real_distribution<double> exponent(-290, 290);
    std::vector<double> values;
    values.reserve(3000 + 3 * 581);
    for (int i = 0; i < 3000; ++i) values.push_back(std::pow(10.0, exponent(random)));
    for (int power = -290; power <= 290; ++power) {
        const double ten = ParseLenient("1e" + std::to_string(power));
        values.insert(values.end(), {ten, std::nextafter(ten, 0.0), std::nextafter(ten, 1e300)});
    }
    for (const Series& series : kStandardSeries) {
        for (const double value : values) {
            EXPECT_EQ(Nearest(series, value), NearestBySearch(series, value)) << series.name << ' ' << Scientific(value, 17);
        }
    }
}

}  // namespace
}  // namespace ritmolis
