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

void ChartSeries::setParentChart(Chart* chart)
{
    if (chart)
        chart->addSeries(this);
    else if (parentChart_)
        parentChart_->removeSeries(this);
}

int ChartSeries::addPoint(double x, double y, const QString& label, QColor color)
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
    if (!label.isEmpty() && labels_.empty())
        labels_.assign(xValues_.size() - 1, QString());
    if (!labels_.empty())
        labels_.insert(labels_.begin() + index, label);
    changed();
    return static_cast<int>(index);
}

void ChartSeries::clear()
{
    if (xValues_.empty())
        return;
    xValues_.clear();
    yValues_.clear();
    colors_.clear();
    labels_.clear();
    changed();
}

QString ChartSeries::label(int index) const
{
    return labels_.empty() ? QString() : labels_.at(static_cast<std::size_t>(index));
}

QColor ChartSeries::pointColor(int index) const
{
    if (!colors_.empty()) {
        const QColor own = colors_.at(static_cast<std::size_t>(index));
        if (own != QColor())
            return own;
    }
    if (colorEachPoint_)
        return colours::seriesPalette[static_cast<std::size_t>(index) % colours::seriesPalette.size()];
    return seriesColor_;
}

ChartAxis* ChartSeries::horizontalAxis() const
{
    if (!parentChart_)
        return nullptr;
    return horizAxis_ == HorizontalAxisSide::Top ? &parentChart_->topAxis() : &parentChart_->bottomAxis();
}

ChartAxis* ChartSeries::verticalAxis() const
{
    if (!parentChart_)
        return nullptr;
    return vertAxis_ == VerticalAxisSide::Right ? &parentChart_->rightAxis() : &parentChart_->leftAxis();
}

bool ChartSeries::usesAxis(const ChartAxis& axis) const
{
    if (!parentChart_)
        return false;
    const bool both = horizAxis_ == HorizontalAxisSide::Both || vertAxis_ == VerticalAxisSide::Both;
    if (&axis == horizontalAxis() || &axis == verticalAxis())
        return true;
    if (!both)
        return false;
    return (horizAxis_ == HorizontalAxisSide::Both && &axis == &parentChart_->topAxis()) ||
           (vertAxis_ == VerticalAxisSide::Both && &axis == &parentChart_->rightAxis());
}

int ChartSeries::xPixelOf(double value) const
{
    const ChartAxis* axis = horizontalAxis();
    return axis ? axis->pixelOf(value) : 0;
}

int ChartSeries::yPixelOf(double value) const
{
    const ChartAxis* axis = verticalAxis();
    return axis ? axis->pixelOf(value) : 0;
}

bool ChartSeries::xExtent(double& minimum, double& maximum) const
{
    if (xValues_.empty())
        return false;
    minimum = xValues_.front();
    maximum = xValues_.back();
    return true;
}

bool ChartSeries::yExtent(double& minimum, double& maximum) const
{
    if (yValues_.empty())
        return false;
    const auto [low, high] = std::minmax_element(yValues_.begin(), yValues_.end());
    minimum = *low;
    maximum = *high;
    return true;
}

}  // namespace morvane
