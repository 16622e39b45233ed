#include "color_line_tool.h"

#include "chart.h"
#include "pen_painter.h"

#include <cmath>

namespace morvane {

TColorLineTool::TColorLineTool(TChart& chart) : TChartTool(chart)
{
    pen_.OnChange = [this] { Changed(); };
}

TChartAxis* TColorLineTool::Axis() const
{
    if (axisID_ < 0 || axisID_ >= TChart::AxisCount)
        return nullptr;
    return &ParentChart().Axes(axisID_);
}

void TColorLineTool::SetAxis(const TChartAxis* axis)
{
    if (!axis) {
        SetAxisID(-1);
        return;
    }
    for (int id = 0; id < TChart::AxisCount; ++id)
        if (&ParentChart().Axes(id) == axis) {
            SetAxisID(id);
            return;
        }
    throw ChartException("Color line axis must belong to the line's chart");
}

void TColorLineTool::SetValue(double value)
{
    if (!std::isfinite(value))
        throw ChartException("Color line Value must be a finite number");
    Assign(value_, value);
}

void TColorLineTool::ChartEvent(TChartToolEvent event, QPainter& painter, const TChartRect& plot)
{
    const TChartAxis* axis = Axis();
    if (event != TChartToolEvent::AfterDraw || !axis || !pen_.Visible())
        return;
    const int pixel = axis->CalcPosValue(value_);
    if (axis->Horizontal())
        DrawPenLine(painter, pen_, QPoint(pixel, plot.Top), QPoint(pixel, plot.Bottom));
    else
        DrawPenLine(painter, pen_, QPoint(plot.Left, pixel), QPoint(plot.Right, pixel));
}

}  // namespace morvane
