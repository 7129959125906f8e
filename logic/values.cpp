#include "logic/values.h"

#include <charconv>
#include <cmath>

#include "logic/conversions.h"

namespace ritmolis {

bool Positive(double value) { return value > 0 && std::isfinite(value); }

int DecimalExponent(double value) {
    const std::string text = Scientific(value, 17);
    const char* e = text.c_str() + text.find('e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), text.c_str() + text.size(), exponent);
    return exponent;
}

std::string Shown(double value) { return Positive(value) ? FormatNumber(value) : kNoValue; }

std::string Significant(double value) {
    if (!Positive(value)) return kNoValue;
    constexpr int kDigits = 4;
    return RoundToPlaces(FormatNumber(value), kDigits - 1 - DecimalExponent(value));
}

std::string WithUnit(const std::string& value, std::string_view unit) {
    if (value.empty() || value == kNoValue) return value;
    std::string out = value;
    out += ' ';
    out += unit;
    return out;
}

std::string RangeText(double low, double high) {
    if (!Positive(low) || !Positive(high)) return kNoValue;
    return Significant(low) + " – " + Significant(high);
}

}  // namespace ritmolis
