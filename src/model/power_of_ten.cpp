#include "power_of_ten.h"

#include <cstdlib>
#include <limits>

namespace morvane {
namespace {

using power_of_ten_table::kPowersOfTenLarge;
using power_of_ten_table::kPowersOfTenMedium;
using power_of_ten_table::kPowersOfTenSmall;

constexpr int kScaleLimit = 5120;

}  // namespace

Extended tablePowerOfTen(int exponent)
{
    if (exponent < 32) return kPowersOfTenSmall[exponent];
    if (exponent < 512) return kPowersOfTenMedium[exponent / 32];
    return kPowersOfTenLarge[exponent / 512];
}

Extended scaleByPowerOfTenInSteps(Extended x, int n)
{
    if (n == 0) return x;
    if (n >= kScaleLimit) return std::numeric_limits<Extended>::infinity();
    if (n <= -kScaleLimit) return 0;

    const int m = std::abs(n);
    // The first step is always taken, even when it multiplies by 1.
    const Extended small = kPowersOfTenSmall[m % 32];
    Extended result = n > 0 ? x * small : x / small;
    if (const int medium = (m / 32) % 16; medium != 0)
        result = n > 0 ? result * kPowersOfTenMedium[medium] : result / kPowersOfTenMedium[medium];
    if (const int large = m / 512; large != 0)
        result = n > 0 ? result * kPowersOfTenLarge[large] : result / kPowersOfTenLarge[large];
    return result;
}

}  // namespace morvane
