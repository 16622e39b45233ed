#pragma once
// Scaling by powers of ten, built from a table of the extended values nearest
// to 10^0..10^31, 10^32..10^480 (steps of 32) and 10^512..10^4608 (steps of 512).

#include "extended.h"

namespace morvane {

namespace power_of_ten_table {
#include "power_of_ten_table.inc"
}  // namespace power_of_ten_table

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
Extended scaleByPowerOfTenInSteps(Extended x, int n);

// The same. Below 10^32 the scaling is the one step by the first table,
// done here inline: nearly every number text and every format scales by
// so little, and on the x87 unit a call passes the value through memory.
inline Extended scaleByPowerOfTen(Extended x, int n)
{
    using power_of_ten_table::kPowersOfTenSmall;
    if (n == 0) return x;
    if (n > 0 && n < 32) return x * kPowersOfTenSmall[n];
    if (n < 0 && n > -32) return x / kPowersOfTenSmall[-n];
    return scaleByPowerOfTenInSteps(x, n);
}

}  // namespace morvane
