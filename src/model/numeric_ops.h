#pragma once
// The rounding and comparison operations the model relies on.

#include <cstdint>

#include "extended.h"

namespace morvane {

// The nearest 64-bit integer, ties to the even one:
//   2.5 -> 2, 3.5 -> 4, -2.5 -> -2, 166.5 -> 166, 167.5 -> 168.
// Throws EInvalidOp for a value outside the 64-bit range or a not-a-number.
std::int64_t roundToInteger(Extended value);

// b if b >= a, otherwise a (equal arguments give b). Throws EInvalidOp when
// either argument is a not-a-number.
Extended maximum(Extended a, Extended b);

}  // namespace morvane
