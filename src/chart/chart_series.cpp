#include "chart_series.h"

#include "chart.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace morvane {

ChartSeries::ChartSeries(QObject* owner) : QObject(owner) {}

ChartSeries::~ChartSeries()
{
    if (parentChart_)
        parentChart_->removeSeries(this);
}

int ChartSeries::addPoint(double x, double y, QColor color)
{
    // The points are kept sorted by X; a NaN has no place in that order.
    if (std::isnan(x))
        throw ChartException("Series X value must be a number");
    const auto place = std::upper_bound(xValues_.begin(), xValues_.end(), x);
    const auto index = std::distance(xValues_.begin(), place);
    xValues_.insert(place, x);
    yValues_.insert(yValues_.begin() + index, y);
    if (color != QColor() && colors_.empty())
        colors_.assign(xValues_.size() - 1, QColor());
    if (!colors_.empty())
        colors_.insert(colors_.begin() + index, color);
    changed();
    return static_cast<int>(index);
}

QColor ChartSeries::pointColor(int index) const
{
    if (!colors_.empty()) {
        const QColor own = colors_.at(static_cast<std::size_t>(index));
        if (own != QColor())
            return own;
    }
    return seriesColor_;
}

ChartAxis* ChartSeries::horizontalAxis() const
{
    return parentChart_ ? &parentChart_->bottomAxis() : nullptr;
}

ChartAxis* ChartSeries::verticalAxis() const
{
    return parentChart_ ? &parentChart_->leftAxis() : nullptr;
}

bool ChartSeries::usesAxis(const ChartAxis& axis) const
{
    return parentChart_ && (&axis == horizontalAxis() || &axis == verticalAxis());
}

}  // namespace morvane
