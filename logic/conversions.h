// The conversions between a field's text and a number, and the rounding of a
// result for display. They do not depend on the user's locale: a number may be
// typed with '.' or ',' as its decimal mark, and is always written with '.'.
//
// The grammar read: optional blanks (space, tab), an optional sign, digits with
// an optional decimal mark ('.' or ','), and an optional exponent ('e' or 'E',
// an optional sign, digits) that counts only when digits follow it. At least one
// digit must stand before the exponent. Words such as "inf" or "nan" and
// hexadecimal forms are not numbers.
#pragma once

#include <string>
#include <string_view>

namespace ritmolis {

// Reads the number at the start of `text` and ignores whatever follows it.
// Text that does not begin with a number reads as 0. A number beyond the range
// of a double reads as infinite with its sign; one too small reads as 0.
// Never throws, for any bytes.
[[nodiscard]] double ParseLenient(std::string_view text) noexcept;

// Reads a text that must be one whole number, blanks around it allowed, within
// the range of a double. Anything else raises ConversionError.
[[nodiscard]] double ParseStrict(std::string_view text);

// The text that shows `value` in a field: at most 15 significant digits, '.' as
// the decimal mark, no trailing zeros, whole numbers without a decimal part,
// and exponent form ("1e+15", "1.5e-05") only for very large or small values.
// Zero shows as "0", never "-0". The text always reads back, with either parse,
// as a finite number that formats to the same text. An infinite or NaN value
// raises ArithmeticFault (the calculation never passes one).
[[nodiscard]] std::string FormatNumber(double value);

// A finite value in scientific form with `digits` significant digits
// ("1.2345e+03"), correctly rounded, with '.' as its decimal mark.
[[nodiscard]] std::string Scientific(double value, int digits);

// Rounds the number `text` shows to `places` decimal places, ties away from
// zero, deciding on the decimal digits of the text rather than on its binary
// value ("1.385" gives "1.39"). The result is in FormatNumber's form. A text
// that is not a number raises ConversionError, as in ParseStrict.
[[nodiscard]] std::string RoundToPlaces(std::string_view text, int places);

}  // namespace ritmolis
