#include "logic/conversions.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "logic/errors.h"

namespace ritmolis {
namespace {

// A number as written in decimal: value = ±digits × 10^exponent, where `digits`
// has neither leading nor trailing zeros (it is empty for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

struct Scanned {
    Decimal number;
    std::size_t end = 0;  // where reading stopped
    bool found = false;   // whether a number was read at all
};

// Far beyond any exponent a double can have, and far from overflowing.
constexpr long long kExponentCap = 1'000'000'000'000;

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    return pos;
}

// Reads the longest number of the grammar at the start of the text, after blanks.
Scanned ScanNumber(std::string_view text) {
    Scanned out;
    std::size_t pos = SkipBlanks(text, 0);
    Decimal& d = out.number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        d.negative = text[pos] == '-';
        ++pos;
    }
    bool any_digit = false;
    auto read_digits = [&](bool fraction) {
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            any_digit = true;
            if (fraction) --d.exponent;
            if (d.digits.empty() && text[pos] == '0') continue;  // a leading zero
            d.digits += text[pos];
        }
    };
    read_digits(false);
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        ++pos;
        read_digits(true);
    }
    if (!any_digit) return out;
    out.found = true;

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        bool negative_exponent = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            negative_exponent = text[p] == '-';
            ++p;
        }
        if (p < text.size() && IsDigit(text[p])) {
            long long e = 0;
            for (; p < text.size() && IsDigit(text[p]); ++p) e = std::min(e * 10 + (text[p] - '0'), kExponentCap);
            d.exponent += negative_exponent ? -e : e;
            pos = p;
        }
    }
    out.end = pos;

    const auto last = d.digits.find_last_not_of('0');
    d.exponent += static_cast<long long>(d.digits.size()) - static_cast<long long>(last + 1);
    d.digits.resize(last + 1);  // npos + 1 == 0 when there is no nonzero digit
    return out;
}

// The powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

double ToDouble(const Decimal& d) {
    double magnitude = 0;
    if (!d.digits.empty()) {
        // The power of ten of the leading digit, plus one.
        const long long scale = static_cast<long long>(d.digits.size()) + d.exponent;
        if (scale > 400) {
            magnitude = HUGE_VAL;
        } else if (d.digits.size() <= 15 && d.exponent >= -22 && d.exponent <= 22) {
            // Exact digits times an exact power of ten: one correctly rounded operation.
            double whole = 0;
            for (const char digit : d.digits) whole = whole * 10 + (digit - '0');
            const double power = kPowersOfTen[std::abs(d.exponent)];
            magnitude = d.exponent < 0 ? whole / power : whole * power;
        } else if (scale >= -400) {
            // Digits and an exponent, no decimal mark: strtod reads such a text
            // the same in every locale, correctly rounded. Beyond the range of
            // a double it gives HUGE_VAL, below the smallest subnormal 0.
            const std::string text = d.digits + 'e' + std::to_string(d.exponent);
            magnitude = std::strtod(text.c_str(), nullptr);
        }
    }
    return d.negative ? -magnitude : magnitude;
}

// The text as one whole number within the range of a double, blanks around it
// allowed; anything else raises ConversionError.
Decimal StrictDecimal(std::string_view text) {
    const Scanned s = ScanNumber(text);
    if (!s.found || SkipBlanks(text, s.end) != text.size() || !std::isfinite(ToDouble(s.number))) {
        throw ConversionError();
    }
    return s.number;
}

// Adds one unit in the last place to a string of decimal digits ("129" gives
// "130", "99" gives "100").
void Increment(std::string& digits) {
    const auto last = digits.find_last_not_of('9');
    const bool carry_out = last == std::string::npos;
    std::fill(digits.begin() + static_cast<std::ptrdiff_t>(carry_out ? 0 : last + 1), digits.end(), '0');
    if (carry_out) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[last];
    }
}

// printf's text of a finite double, "%.*g" or "%.*e" with the precision given,
// which printf writes correctly rounded from the double's exact value, with a
// point as its decimal mark: printf writes the mark of the program's locale
// (the desktop program takes the user's, a comma in Lithuanian). printf rather
// than std::to_chars: where the C library is small (in WebAssembly) to_chars
// with a precision brings some hundred kilobytes of tables with it; the two
// give the same texts.
std::string Printed(const char* format, int precision, double value) {
    char buffer[48];
    const int size = std::snprintf(buffer, sizeof buffer, format, precision, value);
    const std::string_view text(buffer, static_cast<std::size_t>(std::clamp(size, 0, static_cast<int>(sizeof buffer) - 1)));
    const std::string_view mark = std::localeconv()->decimal_point;
    const auto at = mark.empty() || mark == "." ? std::string_view::npos : text.find(mark);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, at)).append(".").append(text.substr(at + mark.size()));
}

// The largest value with 15 significant digits below the largest double. A
// value above it would round, in 15 digits, beyond the range of a double.
constexpr double kLargestShown = 1.79769313486231e308;

}  // namespace

double ParseLenient(std::string_view text) noexcept {
    try {
        const Scanned s = ScanNumber(text);
        return s.found ? ToDouble(s.number) : 0.0;
    } catch (...) {  // only running out of memory for a huge text can throw
        return 0.0;
    }
}

double ParseStrict(std::string_view text) { return ToDouble(StrictDecimal(text)); }

std::string FormatNumber(double value) {
    if (std::isnan(value)) RaiseArithmeticFault(FaultKind::InvalidOperation);
    if (std::isinf(value)) RaiseArithmeticFault(FaultKind::Overflow);
    if (value == 0) return "0";
    // Near the largest double, round toward zero so the text stays in range.
    value = std::clamp(value, -kLargestShown, kLargestShown);
    return Printed("%.*g", 15, value);
}

std::string Scientific(double value, int digits) { return Printed("%.*e", digits - 1, value); }

std::string RoundToPlaces(std::string_view text, int places) {
    Decimal d = StrictDecimal(text);
    const long long keep_exponent = -static_cast<long long>(places);
    if (d.exponent < keep_exponent) {
        const long long dropped = keep_exponent - d.exponent;
        const long long size = static_cast<long long>(d.digits.size());
        // The first dropped digit decides; beyond the digits it is a leading zero.
        const bool up = dropped <= size && d.digits[static_cast<std::size_t>(size - dropped)] >= '5';
        d.digits.resize(static_cast<std::size_t>(std::max(0LL, size - dropped)));
        d.exponent = keep_exponent;
        if (up) Increment(d.digits);
    }
    return FormatNumber(ToDouble(d));
}

}  // namespace ritmolis
