#pragma once
// Scaling by powers of ten, built from a table of the extended values nearest
// to 10^0..10^31, 10^32..10^480 (steps of 32) and 10^512..10^4608 (steps of 512).

#include "extended.h"

namespace morvane {

// The table entry nearest to 10^exponent, for exponent 0..31, 32*j (j <= 15)
// or 512*k (k <= 9). Exact up to 10^27.
Extended tablePowerOfTen(int exponent);

// x times 10^n. For n > 0 multiplies, for n < 0 divides, x by the table values
// 10^(|n| mod 32), then 10^(32 * ((|n| / 32) mod 16)), then 10^(512 * (|n| / 512)),
// skipping the latter two when their index is 0; each step rounds to nearest.
// n >= 5120 gives +infinity, n <= -5120 gives +0.
//   scaleByPowerOfTen(25, -1) == 2.5
//   scaleByPowerOfTen(1, 4999) == +infinity (overflow in the last step)
// The caller checks the result for infinity; this function never throws.
Extended scaleByPowerOfTen(Extended x, int n);

}  // namespace morvane
