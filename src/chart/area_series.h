#pragma once
// A series drawn as a filled band: between two neighbouring points the
// polygon (x0, base0), (x0, y0), (x1, y1), (x1, base1) is filled with the
// point's colour and outlined with AreaLinesPen, and LinePen draws the top
// edge. The base is the pixel of YOrigin when UseYOrigin is set, else the
// far end of the vertical axis.

#include "chart_brush.h"
#include "chart_pen.h"
#include "chart_series.h"

namespace morvane {

class TAreaSeries : public TChartSeries {
public:
    explicit TAreaSeries(QObject* owner = nullptr);

    // Fill colour for every segment when not clDefault (and ColorEachPoint
    // is off); otherwise each segment takes the colour of its right point.
    TColor AreaColor() const { return areaColor_; }
    void SetAreaColor(TColor color) { Assign(areaColor_, color); }
    TChartBrush& AreaChartBrush() { return areaBrush_; }
    const TChartBrush& AreaChartBrush() const { return areaBrush_; }
    // Outline of each filled segment; clDefault draws the point colour.
    TChartPen& AreaLinesPen() { return areaLinesPen_; }
    const TChartPen& AreaLinesPen() const { return areaLinesPen_; }
    TChartPen& LinePen() { return linePen_; }
    const TChartPen& LinePen() const { return linePen_; }
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool value) { Assign(drawArea_, value); }
    bool UseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool value) { Assign(useYOrigin_, value); }
    double YOrigin() const { return yOrigin_; }
    void SetYOrigin(double value) { Assign(yOrigin_, value); }

    // The origin counts as a value when it is in use.
    bool YExtent(double& minimum, double& maximum) const override;

    // Draws the points that fall in the horizontal range of the plot, plus
    // one beyond each edge so the bands reach the edges.
    void Draw(QPainter& painter, const TChartRect& plot) const override;

private:
    void DrawSegment(QPainter& painter, int index, QPoint top0, QPoint top1, int base0,
                     int base1) const;

    TColor areaColor_ = clDefault;
    TChartBrush areaBrush_;
    TChartPen areaLinesPen_;
    TChartPen linePen_;
    bool drawArea_ = true;
    bool useYOrigin_ = false;
    double yOrigin_ = 0;
};

}  // namespace morvane
