// The calculator's actions over the form state: the calculation behind the
// button "Skaičiuoti" and the check that enables it. They keep nothing between
// calls; everything they know is in the form's fields.
//
// Errors are raised, never caught here: an arithmetic fault (ArithmeticFault)
// or a strict conversion that fails (ConversionError) leaves the action at that
// step, and fields written before it keep their new text.
#pragma once

#include "logic/form_state.h"

namespace ritmolis {

// The astable factor of the 555 timer and the scale divisor of the formulas.
inline constexpr double kAstableFactor = 0.693;
inline constexpr double kScale = 1000;

// The two times of one period, as FindT computes them, before any check:
//   t1 = 0.693 · (R1 + R2) · C / 1000,  t2 = 0.693 · R2 · C / 1000.
[[nodiscard]] inline double AstableT1(double r1, double r2, double c) { return ((r2 + r1) * kAstableFactor) * c / kScale; }
[[nodiscard]] inline double AstableT2(double r2, double c) { return (r2 * kAstableFactor) * c / kScale; }

// The program's one message of its own.
inline constexpr const char* kT1NotGreaterMessage = "\"t1\" turi būti daugiau už \"t2\"";

// The times of one period from R1, R2 and C:
//   t1 = 0.693 · (R1 + R2) · C / 1000,  t2 = 0.693 · R2 · C / 1000.
// Writes t1, t2 in full, then each rounded to two places.
void FindT(FormState& form);

// The resistors from t1, t2 and C, when t1 > t2 (otherwise a message, and no
// field changes): R2 = t2 / ((C / 1000) · 0.693), R1 = t1 / 0.693 / (C / 1000) − R2,
// with R2 read back from its text. Writes R2, R1 in full, then R1 and R2
// rounded to three places.
void FindR1R2(FormState& form);

// The button "Skaičiuoti": FindT in mode "sužinoti T", FindR1R2 otherwise.
void sk_Click(FormState& form);

// Enables `sk` exactly when the three input fields of the selected mode hold
// positive numbers. Reads three fields and writes none.
void CheckInputs(FormState& form);

}  // namespace ritmolis
