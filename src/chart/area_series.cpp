#include "area_series.h"

#include "chart_axis.h"
#include "pen_painter.h"

#include <algorithm>

namespace morvane {

TAreaSeries::TAreaSeries(QObject* owner) : TChartSeries(owner)
{
    for (TChartObject* part : std::initializer_list<TChartObject*>{&areaBrush_, &areaLinesPen_,
                                                                    &linePen_})
        part->OnChange = [this] { Changed(); };
}

bool TAreaSeries::YExtent(double& minimum, double& maximum) const
{
    if (!TChartSeries::YExtent(minimum, maximum))
        return false;
    if (useYOrigin_) {
        minimum = std::min(minimum, yOrigin_);
        maximum = std::max(maximum, yOrigin_);
    }
    return true;
}

void TAreaSeries::DrawSegment(QPainter& painter, int index, QPoint top0, QPoint top1, int base0,
                              int base1) const
{
    const TColor pointColor = PointColor(index);
    const TColor fill =
        (areaColor_ != clDefault && !ColorEachPoint()) ? areaColor_ : pointColor;
    const QPolygon polygon({QPoint(top0.x(), base0), top0, top1, QPoint(top1.x(), base1)});
    const bool rectangle = top0.y() == top1.y() && base0 == base1;

    if (drawArea_ && areaBrush_.Style() != bsClear && fill != clNone) {
        if (rectangle) {
            // Both corners included, like the outline drawn over it.
            painter.fillRect(QRect(QPoint(std::min(top0.x(), top1.x()), std::min(top0.y(), base0)),
                                   QPoint(std::max(top0.x(), top1.x()), std::max(top0.y(), base0))),
                             ToQColor(fill));
        } else {
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(fill));
            painter.drawPolygon(polygon);
            painter.restore();
        }
    }
    if (drawArea_)
        DrawPenPolygonOutline(painter, areaLinesPen_, polygon, pointColor);
    DrawPenLine(painter, linePen_, top0, top1, pointColor);
}

void TAreaSeries::Draw(QPainter& painter, const TChartRect& plot) const
{
    const TChartAxis* horizontal = GetHorizAxis();
    const TChartAxis* vertical = GetVertAxis();
    if (Count() == 0 || !horizontal || !vertical)
        return;

    const std::vector<double>& xs = XValues();
    const double atLeft = horizontal->CalcPosPoint(plot.Left);
    const double atRight = horizontal->CalcPosPoint(plot.Right);
    const double low = std::min(atLeft, atRight);
    const double high = std::max(atLeft, atRight);
    const auto firstIt = std::lower_bound(xs.begin(), xs.end(), low);
    if (firstIt == xs.end())
        return;
    const int first = static_cast<int>(firstIt - xs.begin());
    const auto lastIt = std::lower_bound(firstIt, xs.end(), high);
    const int last = lastIt == xs.end() ? Count() - 1 : static_cast<int>(lastIt - xs.begin());

    const int axisEnd = vertical->Layout().Scale.EndPixel;
    auto base = [&](int) { return useYOrigin_ ? vertical->CalcPosValue(yOrigin_) : axisEnd; };
    auto top = [&](int i) {
        return QPoint(horizontal->CalcPosValue(xs[static_cast<std::size_t>(i)]),
                      vertical->CalcPosValue(YValues()[static_cast<std::size_t>(i)]));
    };

    for (int i = std::max(first, 1); i <= last; ++i) {
        const QPoint previous = top(i - 1);
        const QPoint current = top(i);
        if (current == previous || PointColor(i) == clNone)
            continue;
        DrawSegment(painter, i, previous, current, base(i - 1), base(i));
    }
}

}  // namespace morvane
