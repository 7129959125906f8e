// The calculator's errors. The logic raises them and never catches them: an
// error leaves the running handler at once, and the window tells the user.
// Each error's what() is the Lithuanian text shown to the user.
#pragma once

#include <stdexcept>

namespace ritmolis {

// What went wrong in a step of a formula.
enum class FaultKind { DivisionByZero, Overflow, InvalidOperation };

// Base of the calculator's own errors.
class CalculatorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A step of a formula whose result is not a finite number.
class ArithmeticFault : public CalculatorError {
public:
    explicit ArithmeticFault(FaultKind kind);
    [[nodiscard]] FaultKind kind() const noexcept { return kind_; }

private:
    FaultKind kind_;
};

// A text that had to be a number and is not one.
class ConversionError : public CalculatorError {
public:
    ConversionError();
};

// The text the user sees for each kind of fault.
[[nodiscard]] const char* FaultText(FaultKind kind) noexcept;
inline constexpr const char* kConversionErrorText = "Netinkamas skaičius";
// What the user sees of an error that is not the calculator's own: memory
// that ran out, or anything else a library raised (whose own text is English
// and meant for programmers).
inline constexpr const char* kOutOfMemoryText = "Trūksta atminties";
inline constexpr const char* kUnexpectedErrorText = "Netikėta programos klaida";

// Raises the arithmetic fault of the given kind; never returns.
[[noreturn]] void RaiseArithmeticFault(FaultKind kind);

}  // namespace ritmolis
