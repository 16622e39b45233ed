#include "numeric_ops.h"

#include <cmath>

#include "failures.h"

namespace morvane {
namespace {

constexpr double kTwoTo63 = 0x1p63;

void requireOrdered(Extended a, Extended b)
{
    if (isNotANumber(a) || isNotANumber(b)) throw EInvalidOp();
}

}  // namespace

std::int64_t roundToInteger(Extended value)
{
    const Extended rounded = roundToIntegral(value);
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63)) throw EInvalidOp();
    return static_cast<std::int64_t>(rounded);
}

Extended maximum(Extended a, Extended b)
{
    requireOrdered(a, b);
    return b >= a ? b : a;
}

}  // namespace morvane
