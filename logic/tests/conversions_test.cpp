#include <bit>
#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "logic/conversions.h"
#include "logic/errors.h"

namespace ritmolis {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
using namespace std::string_literals;

// One text: what the lenient parse gives, and what the strict parse gives
// (nothing when it must raise the conversion error).
struct ParseCase {
    std::string text;
    double lenient;
    std::optional<double> strict;
};

TEST(Conversions, ParseTable) {
    const std::string many_zeros(1'000'000, '0');
    const ParseCase cases[] = {
        {"4,7", 4.7, 4.7},  // the Lithuanian decimal comma
        {"4.7", 4.7, 4.7},
        {" \t 7 ", 7, 7},
        {"+.5", 0.5, 0.5},
        {"5.", 5, 5},
        {"-1.5E3", -1500, -1500},
        {"1e-2", 0.01, 0.01},
        {"0.1e+1", 1, 1},
        {"12abc", 12, std::nullopt},
        {"5x", 5, std::nullopt},
        {"1,2,3", 1.2, std::nullopt},
        {"1e", 1, std::nullopt},  // an exponent counts only with digits
        {"1e+", 1, std::nullopt},
        {"1e+x", 1, std::nullopt},
        {"", 0, std::nullopt},
        {"pasirink C talpą", 0, std::nullopt},
        {"inf", 0, std::nullopt},
        {"nan", 0, std::nullopt},
        {"infinity", 0, std::nullopt},
        {"0x10", 0, std::nullopt},
        {".", 0, std::nullopt},
        {"-", 0, std::nullopt},
        {"e5", 0, std::nullopt},
        {"- 5", 0, std::nullopt},
        {"\xd9\xa1", 0, std::nullopt},  // a digit of another script
        {"\xff\xfe" "5", 0, std::nullopt},  // invalid UTF-8
        {"4.7\0" "9"s, 4.7, std::nullopt},  // a NUL byte ends the number
        {"1e309", kInf, std::nullopt},
        {"-1e309", -kInf, std::nullopt},
        {"1e99999999999999999999999", kInf, std::nullopt},
        {"1e-400", 0, 0},
        {"1e-99999999999999999999999", 0, 0},
        {"5e-324", 5e-324, 5e-324},
        {"1.79769313486231e+308", 1.79769313486231e308, 1.79769313486231e308},
        {"1" + many_zeros, kInf, std::nullopt},
        {"0." + many_zeros + "1", 0, 0},
        {"1" + many_zeros + "e-1000000", 1, 1},
        {many_zeros + "42", 42, 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(ParseLenient(c.text), c.lenient);
        if (c.strict) {
            EXPECT_EQ(ParseStrict(c.text), *c.strict);
        } else {
            EXPECT_THROW((void)ParseStrict(c.text), ConversionError);
        }
    }
}

TEST(Conversions, FormatTable) {
    const std::pair<double, const char*> cases[] = {
        {1.386, "1.386"},
        {1500, "1500"},
        {2.2, "2.2"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {-0.0, "0"},
        {-2.5, "-2.5"},
        {0.0001, "0.0001"},
        {1.5e-5, "1.5e-05"},
        {1e14, "100000000000000"},
        {1e15, "1e+15"},
        {5e-324, "4.94065645841247e-324"},
        // 15 digits rounded to nearest would show 1.79769313486232e+308, which
        // is beyond the range of a double and could not be read back.
        {std::numeric_limits<double>::max(), "1.79769313486231e+308"},
        {-std::numeric_limits<double>::max(), "-1.79769313486231e+308"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatNumber(value), text) << value;
    EXPECT_THROW((void)FormatNumber(kInf), ArithmeticFault);
    EXPECT_THROW((void)FormatNumber(std::nan("")), ArithmeticFault);
}

// Every finite double formats to a text that both parses read as the same
// finite value, and that value formats to the same text.
TEST(Conversions, FormatReadsBack) {
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 200'000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x)) continue;
        const std::string text = FormatNumber(x);
        const double y = ParseStrict(text);
        ASSERT_EQ(ParseLenient(text), y) << text;
        ASSERT_EQ(FormatNumber(y), text) << x;
        ASSERT_LE(std::abs(y - x), std::abs(x) * 5.2e-15 + 5e-324) << text;
    }
}

TEST(Conversions, RoundTable) {
    struct Case {
        const char* text;
        int places;
        const char* rounded;
    };
    const Case cases[] = {
        {"1.385", 2, "1.39"},  // ties away from zero, on the decimal digits
        {"0.125", 2, "0.13"},
        {"1.015", 2, "1.02"},  // the double nearest 1.015 lies below it
        {"1.0395", 2, "1.04"},
        {"2.0005", 3, "2.001"},
        {"-1.385", 2, "-1.39"},
        {"-0.004", 2, "0"},
        {"0.005", 2, "0.01"},
        {"0.0049999", 2, "0"},
        {"1.386E-06", 2, "0"},
        {"1.386e-06", 3, "0"},
        {"9.995", 2, "10"},
        {"99.9999", 3, "100"},
        {"57.7200577200577", 3, "57.72"},
        {"1.5", 2, "1.5"},
        {" 4,7 ", 2, "4.7"},
        {"1e+20", 2, "1e+20"},
        {"1.79769313486231e+308", 3, "1.79769313486231e+308"},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToPlaces(c.text, c.places), c.rounded) << c.text;
    for (const char* bad : {"", "abc", "12abc", "1e999", "inf"}) {
        EXPECT_THROW((void)RoundToPlaces(bad, 2), ConversionError) << bad;
    }
}

// Under a locale whose decimal mark is a comma, as the desktop program runs for
// a Lithuanian user, the conversions still write a point and read both. The
// test run provides the Lithuanian locale (logic/tests/CMakeLists.txt), by its
// name on Linux or on Windows.
TEST(Conversions, PointInACommaLocale) {
    ASSERT_TRUE(std::setlocale(LC_ALL, "lt_LT.UTF-8") || std::setlocale(LC_ALL, "Lithuanian"))
        << "no Lithuanian locale";
    const std::string mark = std::localeconv()->decimal_point;
    const std::pair<std::string, std::string> cases[] = {
        {FormatNumber(1.5), "1.5"},
        {FormatNumber(-0.000015), "-1.5e-05"},
        {FormatNumber(1e300 / 3), "3.33333333333333e+299"},
        {RoundToPlaces("1,385", 2), "1.39"},
        {Scientific(1234.5, 5), "1.2345e+03"},
        {FormatNumber(ParseLenient("4,7") + ParseStrict("0.3")), "5"},
    };
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(mark, ",") << "the Lithuanian locale has no decimal comma";
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

}  // namespace
}  // namespace ritmolis
