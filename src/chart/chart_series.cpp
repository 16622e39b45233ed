#include "chart_series.h"

#include "chart.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace morvane {

TChartSeries::TChartSeries(QObject* owner) : QObject(owner) {}

TChartSeries::~TChartSeries()
{
    if (parentChart_)
        parentChart_->RemoveSeries(this);
}

void TChartSeries::SetParentChart(TChart* chart)
{
    if (chart)
        chart->AddSeries(this);
    else if (parentChart_)
        parentChart_->RemoveSeries(this);
}

int TChartSeries::AddXY(double x, double y, const QString& label, TColor color)
{
    // The points are kept sorted by X; a NaN has no place in that order.
    if (std::isnan(x))
        throw ChartException("Series X value must be a number");
    const auto place = std::upper_bound(xValues_.begin(), xValues_.end(), x);
    const auto index = std::distance(xValues_.begin(), place);
    xValues_.insert(place, x);
    yValues_.insert(yValues_.begin() + index, y);
    if (color != clDefault && colors_.empty())
        colors_.assign(xValues_.size() - 1, clDefault);
    if (!colors_.empty())
        colors_.insert(colors_.begin() + index, color);
    if (!label.isEmpty() && labels_.empty())
        labels_.assign(xValues_.size() - 1, QString());
    if (!labels_.empty())
        labels_.insert(labels_.begin() + index, label);
    Changed();
    return static_cast<int>(index);
}

void TChartSeries::Clear()
{
    if (xValues_.empty())
        return;
    xValues_.clear();
    yValues_.clear();
    colors_.clear();
    labels_.clear();
    Changed();
}

QString TChartSeries::Label(int index) const
{
    return labels_.empty() ? QString() : labels_.at(static_cast<std::size_t>(index));
}

TColor TChartSeries::PointColor(int index) const
{
    if (!colors_.empty()) {
        const TColor own = colors_.at(static_cast<std::size_t>(index));
        if (own != clDefault)
            return own;
    }
    if (colorEachPoint_)
        return DefaultSeriesPalette[static_cast<std::size_t>(index) % DefaultSeriesPalette.size()];
    return seriesColor_;
}

TChartAxis* TChartSeries::GetHorizAxis() const
{
    if (!parentChart_)
        return nullptr;
    return horizAxis_ == aTopAxis ? &parentChart_->TopAxis() : &parentChart_->BottomAxis();
}

TChartAxis* TChartSeries::GetVertAxis() const
{
    if (!parentChart_)
        return nullptr;
    return vertAxis_ == aRightAxis ? &parentChart_->RightAxis() : &parentChart_->LeftAxis();
}

bool TChartSeries::UsesAxis(const TChartAxis& axis) const
{
    if (!parentChart_)
        return false;
    const bool both = horizAxis_ == aBothHorizAxis || vertAxis_ == aBothVertAxis;
    if (&axis == GetHorizAxis() || &axis == GetVertAxis())
        return true;
    if (!both)
        return false;
    return (horizAxis_ == aBothHorizAxis && &axis == &parentChart_->TopAxis()) ||
           (vertAxis_ == aBothVertAxis && &axis == &parentChart_->RightAxis());
}

int TChartSeries::CalcXPosValue(double value) const
{
    const TChartAxis* axis = GetHorizAxis();
    return axis ? axis->CalcPosValue(value) : 0;
}

int TChartSeries::CalcYPosValue(double value) const
{
    const TChartAxis* axis = GetVertAxis();
    return axis ? axis->CalcPosValue(value) : 0;
}

bool TChartSeries::XExtent(double& minimum, double& maximum) const
{
    if (xValues_.empty())
        return false;
    minimum = xValues_.front();
    maximum = xValues_.back();
    return true;
}

bool TChartSeries::YExtent(double& minimum, double& maximum) const
{
    if (yValues_.empty())
        return false;
    const auto [low, high] = std::minmax_element(yValues_.begin(), yValues_.end());
    minimum = *low;
    maximum = *high;
    return true;
}

}  // namespace morvane
