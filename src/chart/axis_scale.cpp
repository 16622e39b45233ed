#include "axis_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace morvane {

namespace {

constexpr double minLabelStep = 1e-12;
constexpr int maxLabelCount = 10000;

// The value written with 15 significant digits, for telling two label
// values apart.
std::string generalText(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace

long double roundHalfEven(long double x)
{
    if (!std::isfinite(x))
        return x;
    const long double floor = std::floor(x);
    const long double fraction = x - floor;  // exact
    if (fraction > 0.5L)
        return floor + 1;
    if (fraction < 0.5L)
        return floor;
    return std::fmod(floor, 2.0L) == 0 ? floor : floor + 1;
}

void AxisScale::setRange(double low, double high)
{
    minimum = low;
    maximum = high;
    range = high - low;
    rangeIsZero = range == 0;
    map = AxisMap(minimum, maximum, startPixel, endPixel, horizontal != inverted);
}

void AxisScale::setPixelEnds(int start, int end)
{
    startPixel = start;
    endPixel = end;
    axisSize = end - start;
    centerPixel = (start + end) / 2;
    setRange(minimum, maximum);
}

int axisPixelEnd(int edge, int size, double percent)
{
    return edge + static_cast<int>(roundHalfEven(static_cast<long double>(size) * percent / 100));
}

double nextLabelStep(double step)
{
    if (step >= 10)
        return 10 * nextLabelStep(step / 10);
    if (step < 1)
        return nextLabelStep(step * 10) / 10;
    if (step < 2)
        return 2;
    if (step < 5)
        return 5;
    return 10;
}

double labelStep(double range, int axisSize, int labelSize, int labelsSeparation)
{
    long double maxLabels = 1;
    if (labelSize > 0) {
        long double room = labelSize;
        if (labelsSeparation > 0)
            room += roundHalfEven(static_cast<long double>(labelSize) * labelsSeparation / 100);
        maxLabels = roundHalfEven(axisSize / room);
    }
    if (maxLabels < 1)
        return minLabelStep;

    double step = std::fabs(range) >= 1 ? 1 : minLabelStep;
    if (labelsSeparation >= 0) {
        for (;;) {
            const long double count = roundHalfEven(static_cast<long double>(range) / step);
            const bool tooMany = std::fabs(count) >= 2147483647.0L || count > maxLabels;
            // The second test guards against a step that floating-point
            // wobble fails to grow, which would loop for ever.
            const double next = nextLabelStep(step);
            if (!tooMany || !(next > step) || !std::isfinite(next))
                break;
            step = next;
        }
    }
    return std::max(step, minLabelStep);
}

std::vector<double> axisLabelValues(double minimum, double maximum, double step,
                                    bool roundFirstLabel)
{
    std::vector<double> values;
    const double range = maximum - minimum;
    if (!(step > 0) || std::fabs(range / step) >= maxLabelCount)
        return values;

    double value = maximum;
    if (roundFirstLabel && generalText(minimum) != generalText(maximum))
        value = static_cast<double>(std::trunc(static_cast<long double>(maximum) / step) * step);
    while (value > maximum)
        value -= step;

    if (range == 0 || std::fabs(range) < 1e-10 || generalText(value) == generalText(value - step)) {
        values.push_back(value);
        return values;
    }
    // A relative tolerance, so that a label on a negative minimum is kept
    // just like one on a positive minimum.
    const double lowest = minimum - 1e-12 * std::max(1.0, std::fabs(minimum));
    while (value >= lowest && values.size() <= maxLabelCount) {
        values.push_back(value);
        value -= step;
    }
    return values;
}

std::vector<int> minorTickPositions(const std::vector<int>& ticks, int count, int startPixel,
                                    int endPixel)
{
    std::vector<int> positions;
    if (ticks.size() < 2 || count < 1)
        return positions;
    const int low = std::min(startPixel, endPixel);
    const int high = std::max(startPixel, endPixel);
    auto keep = [&](long double position) {
        const long double rounded = roundHalfEven(position);
        if (rounded > low && rounded < high)
            positions.push_back(static_cast<int>(rounded));
    };
    const long double spacing = static_cast<long double>(ticks[1] - ticks[0]) / (count + 1);
    for (int i = 1; i <= count; ++i) {
        keep(ticks.front() - roundHalfEven(spacing * i));
        keep(ticks.back() + roundHalfEven(spacing * i));
    }
    for (std::size_t k = 1; k < ticks.size(); ++k) {
        const long double gap = ticks[k] - ticks[k - 1];
        for (int j = 1; j <= count; ++j)
            keep(ticks[k] - roundHalfEven(j * gap / (count + 1)));
    }
    return positions;
}

}  // namespace morvane
