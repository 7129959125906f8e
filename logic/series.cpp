#include "logic/series.h"

#include <algorithm>
#include <string>

#include "logic/conversions.h"
#include "logic/values.h"

namespace ritmolis {
namespace {

// A decimal number: mantissa × 10^exponent.
struct Decimal {
    long long mantissa;
    int exponent;
};

// The double nearest to a decimal number, read as the form reads any number.
double ValueOf(Decimal d) { return ParseLenient(std::to_string(d.mantissa) + 'e' + std::to_string(d.exponent)); }

// The candidates around a value whose leading digit is a unit of 10^(unit +
// digits - 1): the decade's own values (0 to its size - 1) and the first value
// of the decade above (its size). The last value of the decade below is never
// one: the decade's first value is the power of ten of the value's leading
// digit, and the value is not below it, since its 17 printed digits begin at
// that power and no double below that power's nearest double prints so.
Decimal Candidate(const Series& series, int unit, std::size_t index) {
    if (index == series.values.size()) return {series.values.front(), unit + 1};
    return {series.values[index], unit};
}

}  // namespace

double Nearest(const Series& series, double value) {
    if (!Positive(value)) return 0;
    const int unit = DecimalExponent(value) - series.digits + 1;
    // The two candidates that enclose it: the largest not above it and the one after.
    std::size_t upper = 1;
    while (upper < series.values.size() && ValueOf(Candidate(series, unit, upper)) <= value) ++upper;
    const Decimal low = Candidate(series, unit, upper - 1);
    const Decimal high = Candidate(series, unit, upper);
    // The ratio closer to 1 belongs to the candidate nearer on the number line:
    // above the midpoint the higher one, at the midpoint (a tie) or below it
    // the lower. The midpoint is exact in decimal, like the candidates.
    const int exponent = std::min(low.exponent, high.exponent);
    const auto scaled = [exponent](Decimal d) { return d.exponent > exponent ? d.mantissa * 10 : d.mantissa; };
    const Decimal midpoint{(scaled(low) + scaled(high)) * 5, exponent - 1};
    const double nearest = ValueOf(value > ValueOf(midpoint) ? high : low);
    return Positive(nearest) ? nearest : 0;
}

}  // namespace ritmolis
