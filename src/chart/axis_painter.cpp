#include "axis_painter.h"

#include "pen_painter.h"
#include "text_metrics.h"

namespace morvane {

namespace {

// Where the parts of an axis go, in the axis's own terms: `along` is a pixel
// on the axis, `across` a pixel perpendicular to it.
struct AxisFrame {
    bool horizontal;
    int linePos;       // the axis line
    int outward;       // +1 or -1: from the plot toward the labels
    int oppositeEdge;  // the plot edge facing the axis line

    QPoint At(int along, int across) const
    {
        return horizontal ? QPoint(along, across) : QPoint(across, along);
    }
};

AxisFrame FrameOf(const TChartAxis& axis, const TChartRect& plot)
{
    const int across = axis.Horizontal() ? plot.Height() : plot.Width();
    const int shift = static_cast<int>(
        RoundHalfEven(static_cast<long double>(across) * axis.PositionPercent() / 100));
    switch (axis.Place()) {
    case TAxisPlace::Right:
        return {false, plot.Right - shift, +1, plot.Left};
    case TAxisPlace::Top:
        return {true, plot.Top + shift, -1, plot.Bottom};
    case TAxisPlace::Bottom:
    case TAxisPlace::Depth:
        return {true, plot.Bottom - shift, +1, plot.Top};
    default:
        return {false, plot.Left + shift, -1, plot.Right};
    }
}

void DrawText(QPainter& painter, const TChartFont& font, QPoint topLeft, const QString& text)
{
    const QFont qfont = font.ToQFont();
    painter.setFont(qfont);
    painter.setPen(ToQColor(font.Color()));
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + TextAscent(qfont)), text);
}

void DrawTitle(QPainter& painter, const TChartAxis& axis)
{
    const TChartAxisTitle& title = axis.Title();
    if (!title.Shows())
        return;
    const QFont font = title.Font().ToQFont();
    const int height = TextHeight(font);
    const int width = TextWidth(font, title.Caption());
    const int edge = axis.Layout().TitleEdge;
    const int centre = axis.Layout().Scale.CenterPixel;
    const int angle = ((title.Angle() % 360) + 360) % 360;
    const bool outwardIsLarger = axis.Place() == TAxisPlace::Right ||
                                 axis.Place() == TAxisPlace::Bottom;

    painter.save();
    painter.setFont(font);
    painter.setPen(ToQColor(title.Font().Color()));
    if (!axis.Horizontal() && (angle == 90 || angle == 270)) {
        const int cellLeft = outwardIsLarger ? edge : edge - height;
        if (angle == 90) {
            painter.translate(cellLeft, centre + width / 2);
            painter.rotate(-90);
        } else {
            painter.translate(cellLeft + height, centre - width / 2);
            painter.rotate(90);
        }
        painter.drawText(QPoint(0, TextAscent(font)), title.Caption());
    } else if (axis.Horizontal()) {
        const int top = outwardIsLarger ? edge : edge - height;
        painter.drawText(QPoint(centre - width / 2, top + TextAscent(font)), title.Caption());
    } else {
        const int left = outwardIsLarger ? edge : edge - width;
        painter.drawText(QPoint(left, centre - height / 2 + TextAscent(font)), title.Caption());
    }
    painter.restore();
}

QPoint LabelTopLeft(const TChartAxis& axis, int pixel, int width, int height)
{
    const int edge = axis.Layout().LabelEdge;
    switch (axis.Place()) {
    case TAxisPlace::Right:
        return {edge, pixel - height / 2};
    case TAxisPlace::Top:
        return {pixel - width / 2, edge - height};
    case TAxisPlace::Bottom:
    case TAxisPlace::Depth:
        return {pixel - width / 2, edge};
    default:
        return {edge - width, pixel - height / 2};
    }
}

// Places the value labels, fills the tick list, and draws the texts.
void DrawLabels(QPainter& painter, TChartAxis& axis)
{
    TAxisLayout& layout = axis.Layout();
    const TAxisScale& scale = layout.Scale;
    const QFont font = axis.LabelsFont().ToQFont();
    const int height = TextHeight(font);
    for (double value : AxisLabelValues(scale.Minimum, scale.Maximum, layout.LabelStep,
                                        axis.RoundFirstLabel())) {
        const int pixel = axis.CalcPosValue(value);
        layout.Ticks.push_back(pixel);
        const bool inside = pixel > std::min(scale.StartPixel, scale.EndPixel) &&
                            pixel < std::max(scale.StartPixel, scale.EndPixel);
        if (!axis.Labels() || !(axis.LabelsOnAxis() || inside))
            continue;
        const QString text = axis.LabelText(value);
        DrawText(painter, axis.LabelsFont(),
                 LabelTopLeft(axis, pixel, TextWidth(font, text), height), text);
    }
}

bool StrictlyInside(const TAxisScale& scale, int pixel)
{
    return pixel > std::min(scale.StartPixel, scale.EndPixel) &&
           pixel < std::max(scale.StartPixel, scale.EndPixel);
}

void DrawTickMarks(QPainter& painter, const TChartPen& pen, const AxisFrame& frame,
                   const std::vector<int>& pixels, int firstAcross, int direction, int length)
{
    if (!pen.Visible() || length <= 0)
        return;
    for (int pixel : pixels)
        DrawPenLine(painter, pen, frame.At(pixel, firstAcross),
                    frame.At(pixel, firstAcross + direction * length));
}

void DrawGridLines(QPainter& painter, const TChartPen& pen, const AxisFrame& frame,
                   const TAxisScale& scale, const std::vector<int>& pixels)
{
    if (!pen.Visible())
        return;
    for (int pixel : pixels)
        if (StrictlyInside(scale, pixel))
            DrawPenLine(painter, pen, frame.At(pixel, frame.linePos - frame.outward),
                        frame.At(pixel, frame.oppositeEdge), clGray);
}

}  // namespace

void DrawAxis(QPainter& painter, TChartAxis& axis, const TChartRect& plot)
{
    TAxisLayout& layout = axis.Layout();
    const AxisFrame frame = FrameOf(axis, plot);
    layout.LabelStep = axis.CalcLabelStep();
    layout.AxisLinePos = frame.linePos;
    layout.Ticks.clear();

    DrawTitle(painter, axis);
    DrawLabels(painter, axis);
    const TAxisScale& scale = layout.Scale;
    if (axis.Axis().Visible())
        DrawPenLine(painter, axis.Axis(), frame.At(scale.StartPixel, frame.linePos),
                    frame.At(scale.EndPixel, frame.linePos));
    const int outside = frame.linePos + frame.outward;
    const int inside = frame.linePos - frame.outward;
    DrawTickMarks(painter, axis.Ticks(), frame, layout.Ticks, outside, frame.outward,
                  axis.TickLength());
    DrawGridLines(painter, axis.Grid(), frame, scale, layout.Ticks);
    DrawTickMarks(painter, axis.TicksInner(), frame, layout.Ticks, inside, -frame.outward,
                  axis.TickInnerLength());
    if (!axis.MinorTicks().Visible() && !axis.MinorGrid().Visible())
        return;
    const std::vector<int> minor = MinorTickPositions(layout.Ticks, axis.MinorTickCount(),
                                                      scale.StartPixel, scale.EndPixel);
    DrawTickMarks(painter, axis.MinorTicks(), frame, minor, outside, frame.outward,
                  axis.MinorTickLength());
    DrawGridLines(painter, axis.MinorGrid(), frame, scale, minor);
}

}  // namespace morvane
