#include "logic/calculator.h"

#include <cmath>
#include <initializer_list>

#include "logic/conversions.h"
#include "logic/errors.h"

namespace ritmolis {
namespace {

double Read(const FormState& form, Field field) { return ParseLenient(form.Text(field)); }

// The fault check of one step of a formula: the step faults when its result is
// not a finite number or when one of its inputs was infinite. A zero divisor
// makes it a division by zero; otherwise a NaN result is an invalid operation
// and an infinite one an overflow. The kind is decided from the values, not
// from the floating-point status flags, which the optimiser does not keep.
double Checked(double result, std::initializer_list<double> inputs, double divisor = 1) {
    bool finite = std::isfinite(result);
    for (const double input : inputs) finite = finite && std::isfinite(input);
    if (finite) return result;
    if (divisor == 0) RaiseArithmeticFault(FaultKind::DivisionByZero);
    RaiseArithmeticFault(std::isnan(result) ? FaultKind::InvalidOperation : FaultKind::Overflow);
}

void WriteRounded(FormState& form, Field field, int places) {
    form.SetText(field, RoundToPlaces(form.Text(field), places));
}

}  // namespace

void FindT(FormState& form) {
    const double r1 = Read(form, Field::R1);
    const double r2 = Read(form, Field::R2);
    const double c = Read(form, Field::C);
    const double x = Checked(AstableT1(r1, r2, c), {r1, r2, c});
    form.SetText(Field::t1, FormatNumber(x));

    // Read again: the fields are the only state, and the write above ran the check.
    const double r2_again = Read(form, Field::R2);
    const double c_again = Read(form, Field::C);
    const double y = Checked(AstableT2(r2_again, c_again), {r2_again, c_again});
    form.SetText(Field::t2, FormatNumber(y));

    WriteRounded(form, Field::t1, 2);
    WriteRounded(form, Field::t2, 2);
}

void FindR1R2(FormState& form) {
    if (!(Read(form, Field::t1) > Read(form, Field::t2))) {
        form.ShowMessage(kT1NotGreaterMessage);
        return;
    }
    const double c = Read(form, Field::C);
    const double b = Read(form, Field::t2);
    const double r2_divisor = (c / kScale) * kAstableFactor;
    const double r2 = Checked(b / r2_divisor, {b, c}, r2_divisor);
    form.SetText(Field::R2, FormatNumber(r2));

    const double c_again = Read(form, Field::C);
    const std::string r2_text = form.Text(Field::R2);
    const double a = Read(form, Field::t1);
    const double e_divisor = c_again / kScale;
    const double e = Checked((a / kAstableFactor) / e_divisor, {a, c_again}, e_divisor);
    // R1 uses R2 as its text shows it, not the value computed above.
    const double r1 = Checked(e - ParseStrict(r2_text), {e});
    form.SetText(Field::R1, FormatNumber(r1));

    WriteRounded(form, Field::R1, 3);
    WriteRounded(form, Field::R2, 3);
}

void sk_Click(FormState& form) {
    if (form.Option1Selected(0)) {
        FindT(form);
    } else {
        FindR1R2(form);
    }
}

void CheckInputs(FormState& form) {
    const bool find_t = form.Option1Selected(0);
    const double c = Read(form, Field::C);
    const double a = Read(form, find_t ? Field::R1 : Field::t1);
    const double b = Read(form, find_t ? Field::R2 : Field::t2);
    form.SetSkEnabled(c > 0 && a > 0 && b > 0);
}

}  // namespace ritmolis
