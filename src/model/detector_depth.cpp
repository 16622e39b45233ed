#include "detector_depth.h"

#include "checked_arithmetic.h"
#include "numeric_ops.h"
#include "parse_number.h"

namespace morvane {
namespace {

constexpr Extended kShallowestDetector = 150;

Extended atLeastShallowest(Extended depth)
{
    return maximum(kShallowestDetector, static_cast<Extended>(roundToFive(depth)));
}

}  // namespace

std::int64_t roundToFive(Extended value)
{
    // Quotient toward zero, remainder with the sign of the dividend:
    // -7 gives -1 and -2, 7 gives 1 and 2.
    const std::int64_t whole = roundToInteger(value);
    const std::int64_t fives = whole / 5;
    return whole % 5 >= 3 ? 5 * fives + 5 : 5 * fives;
}

Extended shallowDetectorDepth(double rootZone)
{
    return atLeastShallowest(checkedDivide(rootZone, 3));
}

Extended deepDetectorDepth(double rootZone)
{
    return atLeastShallowest(checkedDivide(checkedMultiply(rootZone, 2), 3));
}

double detectorDepthFromText(const std::string& text)
{
    return static_cast<double>(parseNumber(text));
}

}  // namespace morvane
