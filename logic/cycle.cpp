#include "logic/cycle.h"

#include "logic/calculator.h"

namespace ritmolis {

Cycle CycleOf(double t1, double t2) { return {1 / (t1 + t2), t1 / (t1 + t2) * 100}; }

Cycle CycleOfCircuit(double r1, double r2, double c) { return CycleOf(AstableT1(r1, r2, c), AstableT2(r2, c)); }

Spread AstableSpread(double r1, double r2, double c, double r_tolerance, double c_tolerance) {
    const double r_low = 1 - r_tolerance / 100;
    const double r_high = 1 + r_tolerance / 100;
    const double c_low = 1 - c_tolerance / 100;
    const double c_high = 1 + c_tolerance / 100;
    return {CycleOfCircuit(r1 * r_high, r2 * r_high, c * c_high).f, CycleOfCircuit(r1 * r_low, r2 * r_low, c * c_low).f,
            CycleOfCircuit(r1 * r_low, r2 * r_high, c).D, CycleOfCircuit(r1 * r_high, r2 * r_low, c).D};
}

}  // namespace ritmolis
