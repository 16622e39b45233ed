#include "area_series.h"

#include "chart_axis.h"
#include "pen_painter.h"

#include <algorithm>

namespace morvane {

AreaSeries::AreaSeries(QObject* owner) : ChartSeries(owner)
{
    for (ChartObject* part : std::initializer_list<ChartObject*>{&areaLinesPen_, &linePen_})
        part->onChange = [this] { changed(); };
}

void AreaSeries::drawSegment(QPainter& painter, int index, QPoint top0, QPoint top1, int base0,
                              int base1) const
{
    const QColor fill = pointColor(index);
    const QPolygon polygon({QPoint(top0.x(), base0), top0, top1, QPoint(top1.x(), base1)});
    const bool rectangle = top0.y() == top1.y() && base0 == base1;

    if (fill != colours::none) {
        if (rectangle) {
            // Both corners included, like the outline drawn over it.
            painter.fillRect(QRect(QPoint(std::min(top0.x(), top1.x()), std::min(top0.y(), base0)),
                                   QPoint(std::max(top0.x(), top1.x()), std::max(top0.y(), base0))),
                             fill);
        } else {
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawPolygon(polygon);
            painter.restore();
        }
    }
    drawPenPolygonOutline(painter, areaLinesPen_, polygon, fill);
    drawPenLine(painter, linePen_, top0, top1, fill);
}

void AreaSeries::draw(QPainter& painter, const ChartRect& plot) const
{
    const ChartAxis* horizontal = horizontalAxis();
    const ChartAxis* vertical = verticalAxis();
    if (count() == 0 || !horizontal || !vertical)
        return;

    const std::vector<double>& xs = xValues();
    const double atLeft = horizontal->valueAt(plot.left);
    const double atRight = horizontal->valueAt(plot.right);
    const double low = std::min(atLeft, atRight);
    const double high = std::max(atLeft, atRight);
    const auto firstIt = std::lower_bound(xs.begin(), xs.end(), low);
    if (firstIt == xs.end())
        return;
    const int first = static_cast<int>(firstIt - xs.begin());
    const auto lastIt = std::lower_bound(firstIt, xs.end(), high);
    const int last = lastIt == xs.end() ? count() - 1 : static_cast<int>(lastIt - xs.begin());

    const int axisEnd = vertical->layout().scale.endPixel;
    auto base = [&](int) { return useYOrigin_ ? vertical->pixelOf(yOrigin_) : axisEnd; };
    auto top = [&](int i) {
        return QPoint(horizontal->pixelOf(xs[static_cast<std::size_t>(i)]),
                      vertical->pixelOf(yValues()[static_cast<std::size_t>(i)]));
    };

    for (int i = std::max(first, 1); i <= last; ++i) {
        const QPoint previous = top(i - 1);
        const QPoint current = top(i);
        if (current == previous || pointColor(i) == colours::none)
            continue;
        drawSegment(painter, i, previous, current, base(i - 1), base(i));
    }
}

}  // namespace morvane
