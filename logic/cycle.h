// The frequency and the duty cycle of the astable's two times, and how far
// they may land from the design once the parts are off by their tolerances.
// Numbers only, in the units of the form (f in Hz with times in seconds, in
// kHz with milliseconds); how they are shown is in values.h.
//
// The spread counts the parts alone: resistors and the capacitor at either end
// of their tolerances, with the form's formulas (calculator.h). The 555's own
// timing error, its drift with temperature and supply, are not in it.
#pragma once

#include <array>

namespace ritmolis {

// f = 1 / (t1 + t2) and D = t1 / (t1 + t2) in per cent.
struct Cycle {
    double f = 0;
    double D = 0;
};
[[nodiscard]] Cycle CycleOf(double t1, double t2);

// The cycle of the circuit R1, R2 (kΩ), C by the form's formulas (calculator.h).
[[nodiscard]] Cycle CycleOfCircuit(double r1, double r2, double c);

// The extremes of f and D over the parts' tolerances.
struct Spread {
    double f_low = 0, f_high = 0;
    double D_low = 0, D_high = 0;
};

// R1 and R2 (kΩ) within ± r_tolerance per cent of their values, C within
// ± c_tolerance per cent. f = 1 / (0.693 · (R1 + 2·R2) · C / 1000) falls as any
// part grows, so its extremes are all parts high and all parts low. D = (R1 +
// R2) / (R1 + 2·R2) grows with R1 and falls with R2 and does not depend on C,
// so its extremes are R1 low with R2 high and R1 high with R2 low.
[[nodiscard]] Spread AstableSpread(double r1, double r2, double c, double r_tolerance, double c_tolerance);

// The capacitor's tolerances the user may choose, in per cent, and the one
// chosen until then: the widest, that of the electrolytic capacitors that the
// list's values of microfarads usually are, so that the range shown is never
// narrower than what the commonest parts give (film and ceramic C0G parts,
// which the values of nanofarads usually are, take 5 or 10).
inline constexpr std::array<int, 3> kCTolerances{5, 10, 20};
inline constexpr int kDefaultCTolerance = 20;
inline constexpr std::array<const char*, 3> kCToleranceTexts{"±5 %", "±10 %", "±20 %"};
inline constexpr const char* kCToleranceCaption = "C tolerancija";

}  // namespace ritmolis
