#include "logic/companion.h"

#include "logic/calculator.h"
#include "logic/conversions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>

namespace ritmolis {
namespace {

// The series of IEC 60063 as whole numbers: E12 and E24 with two digits
// (10 is 1.0), E96 with three (100 is 1.00).
constexpr std::uint16_t kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::uint16_t kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                  33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::uint16_t kE96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
static_assert(std::size(kE12) == 12 && std::size(kE24) == 24 && std::size(kE96) == 96);

struct Series {
    const char* name;
    std::span<const std::uint16_t> values;
    int digits;  // of each value: the first one is 10^(digits - 1)
};
constexpr Series kSeries[] = {{"E12", kE12, 2}, {"E24", kE24, 2}, {"E96", kE96, 3}};

// A decimal number: mantissa × 10^exponent.
struct Decimal {
    long long mantissa;
    int exponent;
};

// The double nearest to a decimal number, read as the form reads any number.
double ValueOf(Decimal d) { return ParseLenient(std::to_string(d.mantissa) + 'e' + std::to_string(d.exponent)); }

// The power of ten of the leading digit of a positive, finite value, from its
// decimal digits (printed to 17 significant digits, enough to tell any double
// from a power of ten), not from a logarithm, whose last bit the WebAssembly
// build's library may round otherwise.
int DecimalExponent(double value) {
    const std::string text = Scientific(value, 17);
    const char* e = text.c_str() + text.find('e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), text.c_str() + text.size(), exponent);
    return exponent;
}

bool Positive(double value) { return value > 0 && std::isfinite(value); }

// A measured value to four significant digits, rounded as the form rounds.
std::string Significant(double value) {
    if (!Positive(value)) return kNoValue;
    constexpr int kDigits = 4;
    return RoundToPlaces(FormatNumber(value), kDigits - 1 - DecimalExponent(value));
}

// A field's value as the schematic and the panel show it.
std::string Shown(double value) { return Positive(value) ? FormatNumber(value) : kNoValue; }

// How far `got` is from `wanted`, in per cent to two places, with its sign.
std::string Deviation(double got, double wanted) {
    const double deviation = (got - wanted) / wanted * 100;
    if (!Positive(got) || !Positive(wanted) || !std::isfinite(deviation)) return kNoValue;
    std::string text = RoundToPlaces(FormatNumber(deviation), 2);
    return text == "0" || text.front() == '-' ? text : '+' + text;
}

// The candidates around a value whose leading digit is a unit of 10^(unit +
// digits - 1): the last value of the decade below (0), the decade's own values
// (1 to its size) and the first value of the decade above.
Decimal Candidate(const Series& series, int unit, std::size_t index) {
    if (index == 0) return {series.values.back(), unit - 1};
    if (index > series.values.size()) return {series.values.front(), unit + 1};
    return {series.values[index - 1], unit};
}

// The standard value nearest to `value` as a number, or 0 when there is none.
double Nearest(const Series& series, double value) {
    if (!Positive(value)) return 0;
    const int unit = DecimalExponent(value) - series.digits + 1;
    // The two candidates that enclose it: the largest not above it and the one after.
    std::size_t upper = 1;
    while (upper <= series.values.size() && ValueOf(Candidate(series, unit, upper)) <= value) ++upper;
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

}  // namespace

Companion DescribeCalculation(const FormState& form) {
    const auto read = [&form](Field field) { return ParseLenient(form.Text(field)); };
    Companion out;
    out.find_r = !form.Option1Selected(0);
    const double t1 = read(Field::t1);
    const double t2 = read(Field::t2);
    if (out.find_r && !(t1 > t2)) return out;  // FindR1R2 stopped at its message
    out.calculated = true;
    const double c = read(Field::C);
    const double r1 = read(Field::R1);
    const double r2 = read(Field::R2);
    out.R1 = Shown(r1);
    out.R2 = Shown(r2);
    out.C = Shown(c);
    out.t1 = Shown(t1);
    out.t2 = Shown(t2);
    if (Positive(t1) && Positive(t2)) {
        out.high = t1;
        out.low = t2;
        out.f = Significant(1 / (t1 + t2));
        out.D = Significant(t1 / (t1 + t2) * 100);
    } else {
        out.f = out.D = kNoValue;
    }
    if (!out.find_r) return out;
    for (const Series& series : kSeries) {
        const double r1_standard = Nearest(series, r1);
        const double r2_standard = Nearest(series, r2);
        // Without R1 there is no t1; without R2 neither time.
        const double t1_standard = r1_standard > 0 && r2_standard > 0 ? AstableT1(r1_standard, r2_standard, c) : 0;
        const double t2_standard = r2_standard > 0 ? AstableT2(r2_standard, c) : 0;
        out.rows.push_back({series.name, Shown(r1_standard), Shown(r2_standard), Significant(t1_standard),
                            Significant(t2_standard), Deviation(t1_standard, t1), Deviation(t2_standard, t2)});
    }
    return out;
}

std::string CompanionLine(const Companion& companion) {
    if (!companion.calculated) return "nothing";
    std::string line = "R1=" + companion.R1 + " R2=" + companion.R2 + " C=" + companion.C + " t1=" + companion.t1 +
                       " t2=" + companion.t2 + " f=" + companion.f + " D=" + companion.D;
    for (const StandardRow& row : companion.rows) {
        line += std::string(" | ") + row.series + ' ' + CellsLine(row);
    }
    return line;
}

std::string CellsLine(const StandardRow& row) {
    std::string line;
    for (const auto cell : kStandardCells) line += (line.empty() ? "" : " ") + row.*cell;
    return line;
}

}  // namespace ritmolis
