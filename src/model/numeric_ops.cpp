#include "numeric_ops.h"

#include <cmath>
#include <limits>

#include "failures.h"

namespace morvane {
namespace {

constexpr double kTwoTo63 = 0x1p63;

void requireOrdered(double a, double b)
{
    if (std::isnan(a) || std::isnan(b)) throw EInvalidOp();
}

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

QuotientRemainder truncatingDivision(std::int64_t dividend, std::int64_t divisor)
{
    if (divisor == 0) throw EDivByZero();
    if (divisor == -1 && dividend == std::numeric_limits<std::int64_t>::min())
        throw EIntOverflow();
    return {dividend / divisor, dividend % divisor};
}

double maximum(double a, double b)
{
    requireOrdered(a, b);
    return a > b ? a : b;
}

Extended maximum(Extended a, Extended b)
{
    requireOrdered(a, b);
    return b >= a ? b : a;
}

}  // namespace morvane
