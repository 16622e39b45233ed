#pragma once
// The small integer and comparison operations the model relies on.

#include <cstdint>

#include "extended.h"

namespace morvane {

// The nearest 64-bit integer, ties to the even one:
//   2.5 -> 2, 3.5 -> 4, -2.5 -> -2, 166.5 -> 166, 167.5 -> 168.
// Throws EInvalidOp for a value outside the 64-bit range or a not-a-number.
std::int64_t roundToInteger(Extended value);

struct QuotientRemainder {
    std::int64_t quotient;
    std::int64_t remainder;
};

// Quotient rounded toward zero, remainder with the sign of the dividend:
//   -7 / 5 -> quotient -1, remainder -2;  7 / 5 -> 1, 2.
// Throws EDivByZero ("Division by zero") for divisor 0 and EIntOverflow for
// the one quotient beyond the 64-bit range (the most negative value by -1).
QuotientRemainder truncatingDivision(std::int64_t dividend, std::int64_t divisor);

// a if a > b, otherwise b (equal arguments give b). Throws EInvalidOp when
// either argument is a not-a-number.
double maximum(double a, double b);
// b if b >= a, otherwise a (equal arguments give b). Throws EInvalidOp when
// either argument is a not-a-number.
Extended maximum(Extended a, Extended b);

}  // namespace morvane
