// The notes of a real 555's limits, at and across each limit, in both units.
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "logic/limits.h"
#include "logic/tests/table.h"

namespace ritmolis {
namespace {

constexpr Units kMicro = Units::Microfarad;
constexpr Units kNano = Units::Nanofarad;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct LimitCase {
    double r1, r2, c;  // kΩ, and C in the units
    Units units;
    const char* notes;  // each by its beginning up to the colon
};

TEST(Limits, CaseTable) {
    const LimitCase cases[] = {
        // Inside every limit: 1 kΩ, 3.5 MΩ, 1 nF and a frequency of 481 Hz.
        {1, 1, 1, kMicro, ""},
        {1, 3499, 0.001, kMicro, ""},
        {1, 1, 1000, kNano, ""},
        // R1 below 1 kΩ, down to a wire; a negative or infinite R1 is no part.
        {0.999, 10, 10, kMicro, "R1 < 1 kΩ"},
        {0.5, 10, 10, kMicro, "R1 < 1 kΩ"},
        {0, 10, 10, kMicro, "R1 < 1 kΩ"},
        {-0.5, 10, 10, kMicro, ""},
        {kInfinity, 10, 10, kMicro, ""},
        // R1 + R2 above 3.5 MΩ, even beyond the range of numbers.
        {1, 3499.001, 10, kMicro, "R1 + R2 > 3,5 MΩ"},
        {10000, 10000, 1, kMicro, "R1 + R2 > 3,5 MΩ"},
        {1.7e308, 1.7e308, 1, kMicro, "R1 + R2 > 3,5 MΩ"},
        // The frequency by the formulas: 481 Hz in microfarads is 481 kHz in
        // nanofarads; 96.2 kHz is inside.
        {1, 1, 1, kNano, "f > 100 kHz"},
        {10, 2.5, 1, kNano, ""},
        {10, 2.5, 0.001, kMicro, ""},
        {1, 1, 0.001, kMicro, "f > 100 kHz"},
        // C below 1 nF: 0.001 µF is 1 nF.
        {10, 10, 0.000999, kMicro, "C < 1 nF"},
        {10, 10, 0.999, kNano, "C < 1 nF"},
        {10, 10, 0, kNano, ""},
        // Everything at once.
        {0.1, 0.1, 0.5, kNano, "R1 < 1 kΩ | f > 100 kHz | C < 1 nF"},
    };
    for (const LimitCase& c : cases) {
        EXPECT_EQ(testing::NoteHeads(LimitNotes(c.r1, c.r2, c.c, c.units)), c.notes)
            << c.r1 << ' ' << c.r2 << ' ' << c.c << (c.units == kNano ? " nF" : " µF");
    }
}

}  // namespace
}  // namespace ritmolis
