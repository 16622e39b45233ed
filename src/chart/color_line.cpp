#include "color_line.h"

#include "chart.h"
#include "pen_painter.h"


namespace morvane {

ColorLine::ColorLine(Chart& chart) : chart_(chart)
{
    pen_.onChange = [this] { changed(); };
}

ChartAxis* ColorLine::axis() const
{
    if (axisID_ < 0 || axisID_ >= Chart::AxisCount)
        return nullptr;
    return &parentChart().axes(axisID_);
}

void ColorLine::draw(QPainter& painter, const ChartRect& plot) const
{
    const ChartAxis* onAxis = axis();
    if (!onAxis || !pen_.isVisible())
        return;
    const int pixel = onAxis->pixelOf(value_);
    if (onAxis->horizontal())
        drawPenLine(painter, pen_, QPoint(pixel, plot.top), QPoint(pixel, plot.bottom));
    else
        drawPenLine(painter, pen_, QPoint(plot.left, pixel), QPoint(plot.right, pixel));
}

}  // namespace morvane
