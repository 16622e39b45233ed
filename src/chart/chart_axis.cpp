#include "chart_axis.h"


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

void ChartAxis::setMinMax(double minimum, double maximum)
{
    if (minimum == minimum_ && maximum == maximum_)
        return;
    minimum_ = minimum;
    maximum_ = maximum;
    changed();
}

AxisScale ChartAxis::scaleOn(const ChartRect& plot) const
{
    AxisScale scale;
    scale.horizontal = horizontal();
    scale.inverted = inverted_;
    scale.setRange(minimum_, maximum_);
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
