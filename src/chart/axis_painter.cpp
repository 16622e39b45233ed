#include "axis_painter.h"

#include "pen_painter.h"

namespace morvane {

namespace {

// Where the parts of an axis go, in the axis's own terms: `along` is a pixel
// on the axis, `across` a pixel perpendicular to it.
struct AxisFrame {
    bool horizontal;
    int linePos;       // the axis line
    int outward;       // +1 or -1: from the plot toward the labels
    int oppositeEdge;  // the plot edge facing the axis line

    QPoint at(int along, int across) const
    {
        return horizontal ? QPoint(along, across) : QPoint(across, along);
    }
};

AxisFrame frameOf(const ChartAxis& axis, const ChartRect& plot)
{
    const int across = axis.horizontal() ? plot.height() : plot.width();
    const int shift = static_cast<int>(
        roundHalfEven(static_cast<long double>(across) * axis.positionPercent() / 100));
    switch (axis.place()) {
    case AxisPlace::Right:
        return {false, plot.right - shift, +1, plot.left};
    case AxisPlace::Top:
        return {true, plot.top + shift, -1, plot.bottom};
    case AxisPlace::Bottom:
    case AxisPlace::Depth:
        return {true, plot.bottom - shift, +1, plot.top};
    default:
        return {false, plot.left + shift, -1, plot.right};
    }
}

void drawText(QPainter& painter, const ChartFont& font, QPoint topLeft, const QString& text)
{
    font.drawText(painter, QPoint(topLeft.x(), topLeft.y() + font.textAscent()), text);
}

void drawTitle(QPainter& painter, const ChartAxis& axis)
{
    const AxisTitle& title = axis.title();
    if (!title.shows())
        return;
    const ChartFont& font = title.font();
    const int height = font.textHeight();
    const int width = font.textWidth(title.caption());
    const int edge = axis.layout().titleEdge;
    const int centre = axis.layout().scale.centerPixel;
    const int angle = ((title.angle() % 360) + 360) % 360;
    const bool outwardIsLarger = axis.place() == AxisPlace::Right ||
                                 axis.place() == AxisPlace::Bottom;

    painter.save();
    painter.setFont(font.toQFont());
    painter.setPen(font.color());
    if (!axis.horizontal() && (angle == 90 || angle == 270)) {
        const int cellLeft = outwardIsLarger ? edge : edge - height;
        if (angle == 90) {
            painter.translate(cellLeft, centre + width / 2);
            painter.rotate(-90);
        } else {
            painter.translate(cellLeft + height, centre - width / 2);
            painter.rotate(90);
        }
        font.drawText(painter, QPoint(0, font.textAscent()), title.caption());
    } else if (axis.horizontal()) {
        const int top = outwardIsLarger ? edge : edge - height;
        font.drawText(painter, QPoint(centre - width / 2, top + font.textAscent()),
                      title.caption());
    } else {
        const int left = outwardIsLarger ? edge : edge - width;
        font.drawText(painter, QPoint(left, centre - height / 2 + font.textAscent()),
                      title.caption());
    }
    painter.restore();
}

QPoint labelTopLeft(const ChartAxis& axis, int pixel, int width, int height)
{
    const int edge = axis.layout().labelEdge;
    switch (axis.place()) {
    case AxisPlace::Right:
        return {edge, pixel - height / 2};
    case AxisPlace::Top:
        return {pixel - width / 2, edge - height};
    case AxisPlace::Bottom:
    case AxisPlace::Depth:
        return {pixel - width / 2, edge};
    default:
        return {edge - width, pixel - height / 2};
    }
}

// Places the value labels, fills the tick list, and draws the texts.
void drawLabels(QPainter& painter, ChartAxis& axis)
{
    AxisLayout& layout = axis.layout();
    const AxisScale& scale = layout.scale;
    const ChartFont& font = axis.labelsFont();
    const int height = font.textHeight();
    painter.setFont(font.toQFont());
    painter.setPen(font.color());
    for (double value : axisLabelValues(scale.minimum, scale.maximum, layout.labelStep,
                                        axis.roundFirstLabel())) {
        const int pixel = axis.pixelOf(value);
        layout.ticks.push_back(pixel);
        const bool inside = pixel > std::min(scale.startPixel, scale.endPixel) &&
                            pixel < std::max(scale.startPixel, scale.endPixel);
        if (!axis.labels() || !(axis.labelsOnAxis() || inside))
            continue;
        const QString text = axis.labelText(value);
        drawText(painter, axis.labelsFont(),
                 labelTopLeft(axis, pixel, font.textWidth(text), height), text);
    }
}

bool strictlyInside(const AxisScale& scale, int pixel)
{
    return pixel > std::min(scale.startPixel, scale.endPixel) &&
           pixel < std::max(scale.startPixel, scale.endPixel);
}

void drawTickMarks(QPainter& painter, const ChartPen& pen, const AxisFrame& frame,
                   const std::vector<int>& pixels, int firstAcross, int direction, int length)
{
    if (!pen.isVisible() || length <= 0)
        return;
    for (int pixel : pixels)
        drawPenLine(painter, pen, frame.at(pixel, firstAcross),
                    frame.at(pixel, firstAcross + direction * length));
}

void drawGridLines(QPainter& painter, const ChartPen& pen, const AxisFrame& frame,
                   const AxisScale& scale, const std::vector<int>& pixels)
{
    if (!pen.isVisible())
        return;
    for (int pixel : pixels)
        if (strictlyInside(scale, pixel))
            drawPenLine(painter, pen, frame.at(pixel, frame.linePos - frame.outward),
                        frame.at(pixel, frame.oppositeEdge), colours::gray);
}

}  // namespace

void drawAxis(QPainter& painter, ChartAxis& axis, const ChartRect& plot)
{
    AxisLayout& layout = axis.layout();
    const AxisFrame frame = frameOf(axis, plot);
    layout.labelStep = axis.labelStep(layout.scale);
    layout.axisLinePos = frame.linePos;
    layout.ticks.clear();

    drawTitle(painter, axis);
    drawLabels(painter, axis);
    const AxisScale& scale = layout.scale;
    if (axis.axis().isVisible())
        drawPenLine(painter, axis.axis(), frame.at(scale.startPixel, frame.linePos),
                    frame.at(scale.endPixel, frame.linePos));
    const int outside = frame.linePos + frame.outward;
    const int inside = frame.linePos - frame.outward;
    drawTickMarks(painter, axis.ticks(), frame, layout.ticks, outside, frame.outward,
                  axis.tickLength());
    drawGridLines(painter, axis.grid(), frame, scale, layout.ticks);
    drawTickMarks(painter, axis.ticksInner(), frame, layout.ticks, inside, -frame.outward,
                  axis.tickInnerLength());
    if (!axis.minorTicks().isVisible() && !axis.minorGrid().isVisible())
        return;
    const std::vector<int> minor = minorTickPositions(layout.ticks, axis.minorTickCount(),
                                                      scale.startPixel, scale.endPixel);
    drawTickMarks(painter, axis.minorTicks(), frame, minor, outside, frame.outward,
                  axis.minorTickLength());
    drawGridLines(painter, axis.minorGrid(), frame, scale, minor);
}

}  // namespace morvane
