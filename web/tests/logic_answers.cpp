// Prints the logic's answers to a fixed set of generated inputs, one line per
// input: what the conversions give for a text, what a click on "Skaičiuoti"
// writes into a form, in either mode, with the companion it then shows in
// either units and with each of C's tolerances (and now and then its
// drawings, as SVG), and the design for a target f and D in either units.
// Built natively and for
// WebAssembly from the same source, the two outputs must be equal byte for
// byte (scripts/web-check compares them).
//
// Usage: logic_answers [COUNT]   (COUNT generated texts and as many forms; 2000 by default)
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "logic/companion.h"
#include "logic/design.h"
#include "logic/drawing.h"
#include "logic/calculator.h"
#include "logic/conversions.h"
#include "logic/errors.h"
#include "logic/tests/fake_form.h"

namespace ritmolis {
namespace {

// Texts that the generator would rarely hit.
const std::vector<std::string> kSpecial = {
    "", "0", "-0", "1", "1000", "4,7", "4.7", "12abc", " 1e3", "\t7 ", "+.5", "5.", "1e", "1e+", "e5", ".", "-",
    "inf", "nan", "infinity", "0x10", "pasirink C talpą", "1.385", "2.675", "1.015", "0.125", "9.995", "99.9999",
    "1e308", "-1e308", "1e309", "1e999", "-1e999", "1e-300", "1e-400", "5e-324", "2.2250738585072014e-308",
    "1.79769313486231e+308", "1.7976931348623157e308", "4.9406564584124654e-324", "1e22", "1e23", "1e-22",
    "1e-23", "123456789012345678901234567890", "0.1e+1", "1,2,3", std::string(400, '9'),
    "0." + std::string(400, '0') + "1", "1" + std::string(400, '0') + "e-400", "57.7200577200577", "1.386E-06",
};

// The hexadecimal bits of a double: equal texts mean equal values, -0 and NaNs included.
std::string Bits(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::string out(16, '0');
    for (int i = 15, shift = 0; i >= 0; --i, shift += 4) out[static_cast<std::size_t>(i)] = "0123456789abcdef"[(bits >> shift) & 15];
    return out;
}

// One text made of a sign, digits, a decimal mark, an exponent and a tail,
// each drawn or left out.
std::string GeneratedText(std::mt19937_64& random) {
    const auto draw = [&random](std::uint64_t n) { return random() % n; };
    switch (draw(4)) {
    case 0: {  // any double, through the program's own format
        const double x = std::bit_cast<double>(random());
        return std::isfinite(x) ? FormatNumber(x) : "1e999";
    }
    case 1:  // a double of an everyday size
        return FormatNumber(static_cast<double>(random() % 100'000'000) / static_cast<double>(1 + draw(100'000)));
    default: {
        std::string text;
        if (draw(8) == 0) text += ' ';
        if (draw(4) == 0) text += draw(2) != 0 ? '-' : '+';
        for (auto n = draw(20); n > 0; --n) text += static_cast<char>('0' + draw(10));
        if (draw(2) == 0) text += draw(2) != 0 ? '.' : ',';
        for (auto n = draw(20); n > 0; --n) text += static_cast<char>('0' + draw(10));
        if (draw(3) == 0) {
            text += draw(2) != 0 ? 'e' : 'E';
            text += std::to_string(static_cast<int>(draw(700)) - 350);
        }
        if (draw(6) == 0) text += "x5";
        return text;
    }
    }
}

// The text an answer shows, or the error it raised.
template <class Answer>
std::string Shown(Answer answer) {
    try {
        return answer();
    } catch (const CalculatorError& error) {
        return error.what();
    }
}

void Target(const std::string& f, const std::string& D, Units units) {
    std::cout << "design " << UnitsOf(units).key << " [" << f << "] [" << D << "] -> "
              << DesignLine(DesignForTarget(f, D, units)) << '\n';
}

void Conversions(const std::string& text) {
    std::cout << "text " << text.size() << ':' << text << " | lenient " << Bits(ParseLenient(text))
              << " | strict " << Shown([&] { return Bits(ParseStrict(text)); })
              << " | format " << Shown([&] { return FormatNumber(ParseLenient(text)); })
              << " | round2 " << Shown([&] { return RoundToPlaces(text, 2); })
              << " | round3 " << Shown([&] { return RoundToPlaces(text, 3); }) << '\n';
}

void Click(bool find_t, const std::array<std::string, 5>& fields, const CompanionSettings& settings, bool drawings) {
    testing::FakeForm form;
    form.find_t = find_t;
    form.fields = fields;
    std::string error;
    try {
        sk_Click(form);
    } catch (const CalculatorError& raised) {
        error = raised.what();
    }
    std::cout << "click " << (find_t ? 0 : 1);
    for (const auto& field : fields) std::cout << " [" << field << ']';
    std::cout << " -> " << form.Log() << " | " << error << '\n';
    if (!error.empty()) return;  // the front ends show the companion only after a click that raised no error
    const Companion companion = DescribeCalculation(form, settings);
    std::cout << "companion " << settings.c_tolerance << ' ' << CompanionLine(companion) << '\n';
    if (drawings) std::cout << Svg(Schematic(companion)) << '\n' << Svg(TimingDiagram(companion)) << '\n';
}

}  // namespace
}  // namespace ritmolis

int main(int argc, char* argv[]) try {
    using namespace ritmolis;
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 2000;
    std::mt19937_64 random(555);  // the engine's output is fixed by the standard, unlike its distributions
    std::vector<std::string> texts = kSpecial;
    for (long i = 0; i < count; ++i) texts.push_back(GeneratedText(random));
    for (const auto& text : texts) Conversions(text);

    // Forms: mostly values of an everyday size, some of any size.
    const auto pick = [&] {
        const std::string& text = texts[random() % texts.size()];
        return random() % 4 == 0 ? text : FormatNumber(static_cast<double>(random() % 100'000) / 100);
    };
    const auto settings = [](long i) {
        return CompanionSettings{i % 2 == 0 ? Units::Microfarad : Units::Nanofarad,
                                 static_cast<double>(kCTolerances.at(static_cast<std::size_t>(i % 3)))};
    };
    for (long i = 0; i < count; ++i) {
        const std::array<std::string, 5> fields{pick(), pick(), pick(), pick(), pick()};
        Click(true, fields, settings(i), i % 100 == 0);
        Click(false, fields, settings(i), i % 100 == 1);
    }

    // Targets: the special texts against everyday ones, then generated ones,
    // with duty cycles around and between 50 and 100 %.
    const auto duty = [&] { return FormatNumber(static_cast<double>(random() % 12'000) / 100); };
    // Each drawn before the call: the order in which a call's arguments are
    // evaluated differs between compilers.
    for (const auto& text : kSpecial) {
        const std::string D = duty();
        Target(text, D, Units::Microfarad);
        const std::string f = pick();
        Target(f, text, Units::Nanofarad);
    }
    for (long i = 0; i < count / 4; ++i) {
        const std::string f = pick();
        const std::string D = random() % 4 == 0 ? pick() : duty();
        Target(f, D, settings(i).units);
    }
} catch (const std::exception& error) {
    std::cerr << "logic_answers: " << error.what() << '\n';
    return 1;
}
