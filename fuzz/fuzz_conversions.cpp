// libFuzzer target for the conversions between text and numbers. For any bytes:
// ParseLenient never fails; ParseStrict gives a finite number or raises the
// conversion error and agrees with ParseLenient on what it accepts. For the
// number read, and for the double the first eight bytes spell: FormatNumber
// writes a text that both parses read as one finite value which formats to the
// same text, and RoundToPlaces to 2 and 3 places shows at most that many
// decimals, no trailing zero, never "-0", within half a unit of the last place.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "logic/conversions.h"
#include "logic/errors.h"

namespace {

using ritmolis::FormatNumber;
using ritmolis::ParseLenient;
using ritmolis::ParseStrict;
using ritmolis::RoundToPlaces;

void Require(bool ok, const char* what, const std::string& text) {
    if (ok) return;
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

void CheckNumber(double x) {
    const std::string text = FormatNumber(x);
    const double shown = ParseStrict(text);
    Require(FormatNumber(shown) == text, "formatting the value read back changes the text", text);
    Require(ParseLenient(text) == shown, "the two parses disagree on a formatted number", text);
    Require(text != "-0", "minus zero shown", text);
    for (const int places : {2, 3}) {
        const std::string rounded = RoundToPlaces(text, places);
        const double value = ParseStrict(rounded);
        const auto point = rounded.find('.');
        const auto exponent = rounded.find('e');
        if (exponent != std::string::npos) {
            Require(std::abs(value) >= 1e15, "a rounded value in exponent form is not a large whole number", rounded);
        } else if (point != std::string::npos) {
            Require(rounded.size() - point - 1 <= static_cast<std::size_t>(places), "too many decimals", rounded);
            Require(rounded.back() != '0', "a trailing zero", rounded);
        }
        Require(rounded != "-0", "minus zero rounded", rounded);
        const double half_unit = 0.5 * std::pow(10.0, -places);
        Require(std::abs(value - x) <= half_unit + (std::abs(x) + std::abs(value)) * 5.2e-15,
                "rounded too far from the value", std::string(text).append(" -> ").append(rounded));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double lenient = ParseLenient(text);
    try {
        const double strict = ParseStrict(text);
        Require(std::isfinite(strict), "ParseStrict gave a number out of range", text);
        Require(strict == lenient, "ParseStrict and ParseLenient disagree", text);
    } catch (const ritmolis::ConversionError&) {  // NOLINT(bugprone-empty-catch)
        // Not one whole number: the one error ParseStrict may raise, and no fault.
    }
    if (std::isfinite(lenient)) CheckNumber(lenient);
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) CheckNumber(x);
    }
    return 0;
}
