#pragma once
// Extended arithmetic that raises the floating-point failures instead of
// producing an infinity or a not-a-number, as the model's operations must:
//   checkedDivide(1, 0)   throws EZeroDivide  ("Floating point division by zero")
//   checkedDivide(0, 0)   throws EInvalidOp   ("Invalid floating point operation")
//   checkedMultiply(1e4000L, 1e4000L) throws EOverflow ("Floating point overflow")
//   storeAsDouble(1e400L) throws EOverflow: the value is beyond the double range
// Results too small for their format become subnormal or zero without a failure.

#include "extended.h"

namespace morvane {

Extended checkedAdd(Extended a, Extended b);
Extended checkedSubtract(Extended a, Extended b);
Extended checkedMultiply(Extended a, Extended b);
Extended checkedDivide(Extended dividend, Extended divisor);

// Rounds to the nearest double, as when a value is held in a double field.
double storeAsDouble(Extended value);

}  // namespace morvane
