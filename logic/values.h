// How the companion and the design write the values they show beside the
// form: read as the form reads (ParseLenient), written as the form writes
// (FormatNumber, RoundToPlaces). A value that is not a positive, finite number
// shows as kNoValue, so nothing shows NaN, infinity or a negative part.
//
// Only decimal digits decide: no logarithm, whose last bit the WebAssembly
// build's library may round otherwise, so that both builds show the same.
// It computes no circuit; the formulas are in calculator.h and cycle.h.
#pragma once

#include <string>
#include <string_view>

namespace ritmolis {

// What a value that does not exist shows.
inline constexpr const char* kNoValue = "nėra";

// Whether a value is a positive, finite number.
[[nodiscard]] bool Positive(double value);

// The power of ten of the leading digit of a positive, finite value, from its
// decimal digits (printed to 17 significant digits, enough to tell any double
// from a power of ten).
[[nodiscard]] int DecimalExponent(double value);

// A field's value as the form writes it, or kNoValue.
[[nodiscard]] std::string Shown(double value);

// A measured value to four significant digits, rounded as the form rounds
// (halves away from zero on the digits shown), or kNoValue.
[[nodiscard]] std::string Significant(double value);

// A shown value with its unit after a space ("1.443 kΩ"); kNoValue and an empty
// value stay as they are.
[[nodiscard]] std::string WithUnit(const std::string& value, std::string_view unit);

// A range as "low – high" (an en dash with a space each side), each end to four
// significant digits; kNoValue when either end is not a positive, finite number.
[[nodiscard]] std::string RangeText(double low, double high);

}  // namespace ritmolis
