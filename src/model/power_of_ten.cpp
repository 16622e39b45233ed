#include "power_of_ten.h"

#include <cstdlib>
#include <limits>

namespace morvane {
namespace {
#include "power_of_ten_table.inc"

constexpr int kScaleLimit = 5120;
}  // namespace

Extended tablePowerOfTen(int exponent)
{
    if (exponent < 32) return kPowersOfTenSmall[exponent];
    if (exponent < 512) return kPowersOfTenMedium[exponent / 32];
    return kPowersOfTenLarge[exponent / 512];
}

Extended scaleByPowerOfTen(Extended x, int n)
{
    if (n == 0) return x;
    if (n >= kScaleLimit) return std::numeric_limits<Extended>::infinity();
    if (n <= -kScaleLimit) return 0;

    const int m = std::abs(n);
    const Extended steps[3] = {
        kPowersOfTenSmall[m % 32],
        kPowersOfTenMedium[(m / 32) % 16],
        kPowersOfTenLarge[m / 512],
    };
    // The first step is always taken, even when it multiplies by 1.
    Extended result = n > 0 ? x * steps[0] : x / steps[0];
    for (int i = 1; i < 3; ++i) {
        const bool skipped = (i == 1) ? (m / 32) % 16 == 0 : m / 512 == 0;
        if (skipped) continue;
        result = n > 0 ? result * steps[i] : result / steps[i];
    }
    return result;
}

}  // namespace morvane
