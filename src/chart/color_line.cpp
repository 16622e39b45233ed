#include "color_line.h"

#include "chart.h"
#include "pen_painter.h"

#include <cmath>

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

void ColorLine::setAxis(const ChartAxis* axis)
{
    if (!axis) {
        setAxisId(-1);
        return;
    }
    for (int id = 0; id < Chart::AxisCount; ++id)
        if (&parentChart().axes(id) == axis) {
            setAxisId(id);
            return;
        }
    throw ChartException("Color line axis must belong to the line's chart");
}

void ColorLine::setValue(double value)
{
    if (!std::isfinite(value))
        throw ChartException("Color line Value must be a finite number");
    assign(value_, value);
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
