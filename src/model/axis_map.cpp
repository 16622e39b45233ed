#include "axis_map.h"

#include <algorithm>

namespace morvane {

AxisMap::AxisMap(double minimum, double maximum, int startPixel, int endPixel,
                 bool countsFromStart)
    : minimum_(minimum),
      startPixel_(startPixel),
      endPixel_(endPixel),
      countsFromStart_(countsFromStart)
{
    const double range = maximum - minimum;
    rangeIsZero_ = range == 0;
    if (!rangeIsZero_)
        pixelsPerUnit_ = Extended(endPixel - startPixel) / Extended(range);
}

int AxisMap::pixelOf(double value) const
{
    if (rangeIsZero_)
        return centrePixel();
    const auto distance = static_cast<double>((Extended(value) - minimum_) * pixelsPerUnit_);
    const Extended pixel = countsFromStart_ ? Extended(startPixel_) + distance
                                            : Extended(endPixel_) - distance;
    if (isNotANumber(pixel))
        return centrePixel();
    return roundToPixel(pixel);
}

int AxisMap::lengthOf(double value) const
{
    if (!(value > 0) || rangeIsZero_)
        return 0;
    const auto length = static_cast<double>(Extended(value) * pixelsPerUnit_);
    return roundToPixel(length);
}

double AxisMap::valueAt(int pixel) const
{
    if (rangeIsZero_ || pixelsPerUnit_ == 0)
        return minimum_;
    const int distance = countsFromStart_ ? pixel - startPixel_ : endPixel_ - pixel;
    return static_cast<double>(Extended(minimum_) + Extended(distance) / pixelsPerUnit_);
}

int roundToPixel(Extended x)
{
    if (isNotANumber(x))
        return 0;
    const Extended limit = kMaxPixelMagnitude;
    return static_cast<int>(static_cast<std::int64_t>(
        std::clamp(roundToIntegral(x), Extended(-limit), limit)));
}

}  // namespace morvane
