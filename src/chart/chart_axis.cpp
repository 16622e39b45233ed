#include "chart_axis.h"

#include <cmath>

namespace morvane {

namespace {

int DefaultTitleAngle(TAxisPlace place)
{
    switch (place) {
    case TAxisPlace::Left:
        return 90;
    case TAxisPlace::Right:
        return 270;
    default:
        return 0;
    }
}

// A value that is not a number or infinite would poison every pixel of the
// axis, so setters refuse it outright.
void RequireFinite(double value, const char* property)
{
    if (!std::isfinite(value))
        throw ChartException(std::string("Axis ") + property + " must be a finite number");
}

}  // namespace

TChartAxisTitle::TChartAxisTitle(int angle) : angle_(angle)
{
    font_.OnChange = [this] { Changed(); };
}

TChartAxis::TChartAxis(TAxisPlace place)
    : place_(place), title_(DefaultTitleAngle(place))
{
    layout_.Scale.Horizontal = Horizontal();
    ConnectParts();
}

void TChartAxis::ConnectParts()
{
    auto forward = [this] { Changed(); };
    for (TChartObject* part : std::initializer_list<TChartObject*>{
             &labelsFont_, &axisPen_, &ticks_, &ticksInner_, &minorTicks_, &grid_, &minorGrid_,
             &title_})
        part->OnChange = forward;
}

void TChartAxis::SetAutomatic(bool value)
{
    if (automatic_ == value && automaticMinimum_ == value && automaticMaximum_ == value)
        return;
    automatic_ = automaticMinimum_ = automaticMaximum_ = value;
    Changed();
}

void TChartAxis::SetMinimum(double value)
{
    RequireFinite(value, "Minimum Value");
    if (value > maximum_)
        throw ChartException("Axis Minimum Value must be <= Maximum");
    Assign(minimum_, value);
}

void TChartAxis::SetMaximum(double value)
{
    RequireFinite(value, "Maximum Value");
    if (value < minimum_)
        throw ChartException("Axis Maximum Value must be >= Minimum");
    Assign(maximum_, value);
}

void TChartAxis::SetMinMax(double minimum, double maximum)
{
    RequireFinite(minimum, "Minimum Value");
    RequireFinite(maximum, "Maximum Value");
    if (minimum > maximum)
        throw ChartException("Axis Minimum Value must be <= Maximum");
    if (minimum == minimum_ && maximum == maximum_ && !automatic_ && !automaticMinimum_ &&
        !automaticMaximum_)
        return;
    minimum_ = minimum;
    maximum_ = maximum;
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    Changed();
}

void TChartAxis::SetIncrement(double value)
{
    RequireFinite(value, "Increment");
    Assign(increment_, value);
}

void TChartAxis::SetStartPosition(double percent)
{
    RequireFinite(percent, "StartPosition");
    Assign(startPosition_, percent);
}

void TChartAxis::SetEndPosition(double percent)
{
    RequireFinite(percent, "EndPosition");
    Assign(endPosition_, percent);
}

void TChartAxis::SetPositionPercent(double percent)
{
    RequireFinite(percent, "PositionPercent");
    Assign(positionPercent_, percent);
}

void TChartAxis::ApplyRange(double minimum, double maximum)
{
    layout_.Scale.Inverted = inverted_;
    layout_.Scale.SetRange(minimum, maximum);
}

void TChartAxis::ApplyPixelEnds(const TChartRect& plot)
{
    if (Horizontal())
        layout_.Scale.SetPixelEnds(AxisPixelEnd(plot.Left, plot.Width(), startPosition_),
                                   AxisPixelEnd(plot.Left, plot.Width(), endPosition_));
    else
        layout_.Scale.SetPixelEnds(AxisPixelEnd(plot.Top, plot.Height(), startPosition_),
                                   AxisPixelEnd(plot.Top, plot.Height(), endPosition_));
}

}  // namespace morvane
