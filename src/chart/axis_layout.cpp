// How an axis takes room from the plot rectangle and measures its labels.

#include "chart_axis.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace morvane {

namespace {

// Moves the edge of `rect` on the axis's side toward the plot by `amount`
// and returns the new edge.
int takeRoom(ChartRect& rect, AxisPlace place, int amount)
{
    switch (place) {
    case AxisPlace::Left:
        return rect.left += amount;
    case AxisPlace::Right:
        return rect.right -= amount;
    case AxisPlace::Top:
        return rect.top += amount;
    default:
        return rect.bottom -= amount;
    }
}

// The first (or last) label value as measured: Trunc(value / step) x step
// when labels are rounded.
double measuredLabelValue(double value, double step, bool roundFirstLabel)
{
    if (!roundFirstLabel || !(step > 0))
        return value;
    return static_cast<double>(std::trunc(static_cast<long double>(value) / step) * step);
}

}  // namespace

double ChartAxis::labelStep(const AxisScale& scale) const
{
    int labelSize = 0;
    if (horizontal())
        labelSize = std::max(labelsFont_.textWidth(labelText(scale.minimum)),
                             labelsFont_.textWidth(labelText(scale.maximum)));
    else
        labelSize = labelsFont_.textHeight();
    return morvane::labelStep(scale.range, scale.axisSize, labelSize, labelsSeparation_);
}

int ChartAxis::widestLabelWidth(const AxisScale& scale) const
{
    const double step = labelStep(scale);
    const double first = measuredLabelValue(scale.minimum, step, roundFirstLabel_);
    const double last = measuredLabelValue(scale.maximum, step, roundFirstLabel_);
    return std::max(labelsFont_.textWidth(labelText(first)),
                    labelsFont_.textWidth(labelText(last))) +
           labelsFont_.textWidth(u" "_s);
}

int ChartAxis::labelExtent(const AxisScale& scale) const
{
    if (labelsSize_ != 0)
        return labelsSize_;
    return horizontal() ? labelsFont_.textHeight() : widestLabelWidth(scale);
}

int ChartAxis::tickRoom() const
{
    int room = 0;
    if (axisPen_.isVisible())
        room += axisPen_.width() + 1;
    if (ticks_.isVisible())
        room += tickLength_;
    if (minorTicks_.isVisible())
        room = std::max(room, minorTickLength_);
    return room;
}

ChartRect ChartAxis::reduceRect(const ChartRect& rect, const AxisScale& scale,
                                AxisColumns& columns) const
{
    ChartRect reduced = rect;
    const int start = takeRoom(reduced, place_, 0);
    int titleEdge = start;
    if (title_.shows()) {
        int room = titleSize_;
        if (room == 0) {
            const ChartFont& font = title_.font();
            const int angle = ((title_.angle() % 360) + 360) % 360;
            const bool acrossAxis = horizontal() ? (angle == 0 || angle == 180)
                                                 : (angle == 90 || angle == 270);
            room = acrossAxis ? font.textHeight() : font.textWidth(title_.caption());
        }
        titleEdge = takeRoom(reduced, place_, room);
    }
    int labelEdge = titleEdge;
    if (labels_)
        labelEdge = takeRoom(reduced, place_, labelExtent(scale));
    takeRoom(reduced, place_, tickRoom());

    const int across = horizontal() ? rect.height() : rect.width();
    const int shift = static_cast<int>(
        roundHalfEven(static_cast<long double>(across) * positionPercent_ / 100));
    const bool towardLarger = place_ == AxisPlace::Left || place_ == AxisPlace::Top;
    columns.titleEdge = titleEdge + (towardLarger ? shift : -shift);
    columns.labelEdge = labelEdge + (towardLarger ? shift : -shift);
    return reduced;
}

}  // namespace morvane
