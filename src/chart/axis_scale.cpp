#include "axis_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace morvane {

namespace {

constexpr double MinLabelStep = 1e-12;
constexpr int MaxLabelCount = 10000;

int RoundToInt(long double x)
{
    const long double clamped =
        std::clamp(RoundHalfEven(x), static_cast<long double>(-MaxPixelMagnitude),
                   static_cast<long double>(MaxPixelMagnitude));
    return static_cast<int>(clamped);
}

// The value written with 15 significant digits, for telling two label
// values apart.
std::string GeneralText(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

}  // namespace

long double RoundHalfEven(long double x)
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

void TAxisScale::SetRange(double minimum, double maximum)
{
    Minimum = minimum;
    Maximum = maximum;
    Range = maximum - minimum;
    RangeIsZero = Range == 0;
    PixelsPerUnit = RangeIsZero ? 0.0L
                                : static_cast<long double>(AxisSize) / static_cast<long double>(Range);
}

void TAxisScale::SetPixelEnds(int start, int end)
{
    StartPixel = start;
    EndPixel = end;
    AxisSize = end - start;
    CenterPixel = (start + end) / 2;
    SetRange(Minimum, Maximum);
}

int TAxisScale::CalcPosValue(double value) const
{
    if (RangeIsZero)
        return CenterPixel;
    const auto distance =
        static_cast<double>((static_cast<long double>(value) - Minimum) * PixelsPerUnit);
    const bool fromStart = Horizontal != Inverted;
    const long double pixel = fromStart ? StartPixel + static_cast<long double>(distance)
                                        : EndPixel - static_cast<long double>(distance);
    if (std::isnan(pixel))
        return CenterPixel;
    return RoundToInt(pixel);
}

int TAxisScale::CalcSizeValue(double value) const
{
    if (!(value > 0) || RangeIsZero)
        return 0;
    const auto length = static_cast<double>(static_cast<long double>(value) * PixelsPerUnit);
    if (std::isnan(length))
        return 0;
    return RoundToInt(length);
}

double TAxisScale::CalcPosPoint(int pixel) const
{
    if (PixelsPerUnit == 0)
        return Minimum;
    const bool fromStart = Horizontal != Inverted;
    const long double distance = fromStart ? pixel - StartPixel : EndPixel - pixel;
    return static_cast<double>(Minimum + distance / PixelsPerUnit);
}

int AxisPixelEnd(int edge, int size, double percent)
{
    return edge + static_cast<int>(RoundHalfEven(static_cast<long double>(size) * percent / 100));
}

double NextLabelStep(double step)
{
    if (step >= 10)
        return 10 * NextLabelStep(step / 10);
    if (step < 1)
        return NextLabelStep(step * 10) / 10;
    if (step < 2)
        return 2;
    if (step < 5)
        return 5;
    return 10;
}

double CalcLabelStep(double range, int axisSize, int labelSize, int labelsSeparation,
                     double increment)
{
    long double maxLabels = 1;
    if (labelSize > 0) {
        long double room = labelSize;
        if (labelsSeparation > 0)
            room += RoundHalfEven(static_cast<long double>(labelSize) * labelsSeparation / 100);
        maxLabels = RoundHalfEven(axisSize / room);
    }
    if (maxLabels < 1)
        return MinLabelStep;

    double step = std::fabs(range) >= 1 ? 1 : MinLabelStep;
    if (increment > 0)
        step = increment;
    if (labelsSeparation >= 0) {
        for (;;) {
            const long double count = RoundHalfEven(static_cast<long double>(range) / step);
            const bool tooMany = std::fabs(count) >= 2147483647.0L || count > maxLabels;
            // The second test guards against a step that floating-point
            // wobble fails to grow, which would loop for ever.
            const double next = NextLabelStep(step);
            if (!tooMany || !(next > step) || !std::isfinite(next))
                break;
            step = next;
        }
    }
    return std::max(step, MinLabelStep);
}

std::vector<double> AxisLabelValues(double minimum, double maximum, double step,
                                    bool roundFirstLabel)
{
    std::vector<double> values;
    const double range = maximum - minimum;
    if (!(step > 0) || std::fabs(range / step) >= MaxLabelCount)
        return values;

    double value = maximum;
    if (roundFirstLabel && GeneralText(minimum) != GeneralText(maximum))
        value = static_cast<double>(std::trunc(static_cast<long double>(maximum) / step) * step);
    while (value > maximum)
        value -= step;

    if (range == 0 || std::fabs(range) < 1e-10 || GeneralText(value) == GeneralText(value - step)) {
        values.push_back(value);
        return values;
    }
    // A relative tolerance, so that a label on a negative minimum is kept
    // just like one on a positive minimum.
    const double lowest = minimum - 1e-12 * std::max(1.0, std::fabs(minimum));
    while (value >= lowest && values.size() <= MaxLabelCount) {
        values.push_back(value);
        value -= step;
    }
    return values;
}

std::vector<int> MinorTickPositions(const std::vector<int>& ticks, int count, int startPixel,
                                    int endPixel)
{
    std::vector<int> positions;
    if (ticks.size() < 2 || count < 1)
        return positions;
    const int low = std::min(startPixel, endPixel);
    const int high = std::max(startPixel, endPixel);
    auto keep = [&](long double position) {
        const long double rounded = RoundHalfEven(position);
        if (rounded > low && rounded < high)
            positions.push_back(static_cast<int>(rounded));
    };
    const long double spacing = static_cast<long double>(ticks[1] - ticks[0]) / (count + 1);
    for (int i = 1; i <= count; ++i) {
        keep(ticks.front() - RoundHalfEven(spacing * i));
        keep(ticks.back() + RoundHalfEven(spacing * i));
    }
    for (std::size_t k = 1; k < ticks.size(); ++k) {
        const long double gap = ticks[k] - ticks[k - 1];
        for (int j = 1; j <= count; ++j)
            keep(ticks[k] - RoundHalfEven(j * gap / (count + 1)));
    }
    return positions;
}

}  // namespace morvane
