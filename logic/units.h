// The two consistent sets of units that the form's bare numbers may mean, and
// the user's choice between them: R in kΩ with C in µF gives t in s and f in Hz;
// R in kΩ with C in nF gives t in ms and f in kHz. The choice changes no
// number: only the units that captions, column headers and the drawings'
// labels write beside the numbers, and the thresholds of a real 555's limits
// (limits.h), which are stated in hertz and nanofarads.
//
// It holds no caption of a particular panel: each panel's unit-bearing texts
// stand beside its other texts (companion.h, design.h), taken from here.
#pragma once

#include <array>
#include <cstddef>

namespace ritmolis {

enum class Units { Microfarad, Nanofarad };

struct UnitSet {
    const char* key;          // the choice's name where it travels as text (a page's radio button): "uF", "nF"
    const char* caption;      // what the choice says
    const char* capacitance;  // "µF", "nF"
    const char* time;         // "s", "ms"
    const char* frequency;    // "Hz", "kHz"
    double hertz;             // one unit of f in hertz
    double nanofarads;        // one unit of C in nanofarads
};

// R is in kΩ in both sets.
inline constexpr const char* kResistanceUnit = "kΩ";

// In the order of Units.
inline constexpr std::array<UnitSet, 2> kUnitSets{{
    {"uF", "R kΩ ir C µF: t sekundėmis, f hercais (Hz)", "µF", "s", "Hz", 1, 1000},
    {"nF", "R kΩ ir C nF: t milisekundėmis, f kilohercais (kHz)", "nF", "ms", "kHz", 1000, 1},
}};

[[nodiscard]] constexpr const UnitSet& UnitsOf(Units units) { return kUnitSets[static_cast<std::size_t>(units)]; }

}  // namespace ritmolis
