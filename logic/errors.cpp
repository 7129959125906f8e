#include "logic/errors.h"

namespace ritmolis {

const char* FaultText(FaultKind kind) noexcept {
    switch (kind) {
    case FaultKind::DivisionByZero: return "Dalyba iš nulio";
    case FaultKind::Overflow: return "Perpildymas";
    case FaultKind::InvalidOperation: return "Neleistina operacija";
    }
    return "Neleistina operacija";
}

ArithmeticFault::ArithmeticFault(FaultKind kind) : CalculatorError(FaultText(kind)), kind_(kind) {}

ConversionError::ConversionError() : CalculatorError(kConversionErrorText) {}

void RaiseArithmeticFault(FaultKind kind) { throw ArithmeticFault(kind); }

}  // namespace ritmolis
