#include "chart_axis.h"

#include <cmath>

namespace morvane {

namespace {

int defaultTitleAngle(AxisPlace place)
{
    switch (place) {
    case AxisPlace::Left:
        return 90;
    case AxisPlace::Right:
        return 270;
    default:
        return 0;
    }
}

// A value that is not a number or infinite would poison every pixel of the
// axis, so setters refuse it outright.
void requireFinite(double value, const char* property)
{
    if (!std::isfinite(value))
        throw ChartException(std::string("Axis ") + property + " must be a finite number");
}

}  // namespace

AxisTitle::AxisTitle(int angle) : angle_(angle)
{
    font_.onChange = [this] { changed(); };
}

ChartAxis::ChartAxis(AxisPlace place)
    : place_(place), title_(defaultTitleAngle(place))
{
    layout_.scale.horizontal = horizontal();
    connectParts();
}

void ChartAxis::connectParts()
{
    auto forward = [this] { changed(); };
    for (ChartObject* part : std::initializer_list<ChartObject*>{
             &labelsFont_, &axisPen_, &ticks_, &ticksInner_, &minorTicks_, &grid_, &minorGrid_,
             &title_})
        part->onChange = forward;
}

void ChartAxis::setAutomatic(bool value)
{
    if (automatic_ == value && automaticMinimum_ == value && automaticMaximum_ == value)
        return;
    automatic_ = automaticMinimum_ = automaticMaximum_ = value;
    changed();
}

void ChartAxis::setMinimum(double value)
{
    requireFinite(value, "Minimum Value");
    if (value > maximum_)
        throw ChartException("Axis Minimum Value must be <= Maximum");
    assign(minimum_, value);
}

void ChartAxis::setMaximum(double value)
{
    requireFinite(value, "Maximum Value");
    if (value < minimum_)
        throw ChartException("Axis Maximum Value must be >= Minimum");
    assign(maximum_, value);
}

void ChartAxis::setMinMax(double minimum, double maximum)
{
    requireFinite(minimum, "Minimum Value");
    requireFinite(maximum, "Maximum Value");
    if (minimum > maximum)
        throw ChartException("Axis Minimum Value must be <= Maximum");
    if (minimum == minimum_ && maximum == maximum_ && !automatic_ && !automaticMinimum_ &&
        !automaticMaximum_)
        return;
    minimum_ = minimum;
    maximum_ = maximum;
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    changed();
}

void ChartAxis::setIncrement(double value)
{
    requireFinite(value, "Increment");
    assign(increment_, value);
}

AxisScale ChartAxis::scaleOn(double minimum, double maximum, const ChartRect& plot) const
{
    AxisScale scale;
    scale.horizontal = horizontal();
    scale.inverted = inverted_;
    scale.setRange(minimum, maximum);
    if (horizontal())
        scale.setPixelEnds(axisPixelEnd(plot.left, plot.width(), startPosition_),
                           axisPixelEnd(plot.left, plot.width(), endPosition_));
    else
        scale.setPixelEnds(axisPixelEnd(plot.top, plot.height(), startPosition_),
                           axisPixelEnd(plot.top, plot.height(), endPosition_));
    return scale;
}

void ChartAxis::applyLayout(const AxisScale& scale, const AxisColumns& columns)
{
    layout_.scale = scale;
    layout_.labelEdge = columns.labelEdge;
    layout_.titleEdge = columns.titleEdge;
}

}  // namespace morvane
