#pragma once
// Extended arithmetic that raises the floating-point failures instead of
// producing an infinity or a not-a-number, as the model's operations must:
//   checkedDivide(1, 0)   throws EZeroDivide  ("Floating point division by zero")
//   checkedDivide(0, 0)   throws EInvalidOp   ("Invalid floating point operation")
//   checkedMultiply(1e4000L, 1e4000L) throws EOverflow ("Floating point overflow")
//   storeAsDouble(1e400L) throws EOverflow: the value is beyond the double range
// Results too small for their format become subnormal or zero without a failure.
//
// The operations are inline: a finite result is returned at once, and only
// a result that is not finite goes to the out-of-line code that picks the
// failure. Every processor trap is masked (floating_point_environment.h),
// so computing the result first is safe whatever the operands.

#include <cmath>

#include "extended.h"

namespace morvane {

namespace checked_detail {

// Throw the failure for an operation of finite operands whose result is not
// finite: EInvalidOp for a not-a-number, EOverflow for an infinity.
[[noreturn]] void failOperation(Extended result);
// Throw the failure for a quotient that is not finite: EZeroDivide or
// EInvalidOp for a zero divisor, else as failOperation.
[[noreturn]] void failDivision(Extended dividend, Extended divisor, Extended result);
// Throw the failure for a value that does not fit a double: EInvalidOp for a
// not-a-number, EOverflow otherwise.
[[noreturn]] void failStore(Extended value);

}  // namespace checked_detail

inline Extended checkedAdd(Extended a, Extended b)
{
    const Extended result = a + b;
    if (!isFinite(result)) [[unlikely]] checked_detail::failOperation(result);
    return result;
}

inline Extended checkedSubtract(Extended a, Extended b)
{
    const Extended result = a - b;
    if (!isFinite(result)) [[unlikely]] checked_detail::failOperation(result);
    return result;
}

inline Extended checkedMultiply(Extended a, Extended b)
{
    const Extended result = a * b;
    if (!isFinite(result)) [[unlikely]] checked_detail::failOperation(result);
    return result;
}

// A zero divisor gives a result that is not finite, so it is examined only then.
inline Extended checkedDivide(Extended dividend, Extended divisor)
{
    const Extended result = dividend / divisor;
    if (!isFinite(result)) [[unlikely]] checked_detail::failDivision(dividend, divisor, result);
    return result;
}

// Rounds to the nearest double, as when a value is held in a double field.
inline double storeAsDouble(Extended value)
{
    const double stored = static_cast<double>(value);
    if (!std::isfinite(stored)) [[unlikely]] checked_detail::failStore(value);
    return stored;
}

}  // namespace morvane
