#pragma once
// A series drawn as a filled band: between two neighbouring points the
// polygon (x0, base0), (x0, y0), (x1, y1), (x1, base1) is filled with the
// right point's colour and outlined with areaLinesPen, and linePen draws the top
// edge. The base is the pixel of YOrigin when useYOrigin is set, else the
// far end of the vertical axis.

#include "chart_pen.h"
#include "chart_series.h"

namespace morvane {

class AreaSeries : public ChartSeries {
public:
    explicit AreaSeries(QObject* owner = nullptr);

    // Outline of each filled segment; an invalid pen colour draws the point colour.
    ChartPen& areaLinesPen() { return areaLinesPen_; }
    const ChartPen& areaLinesPen() const { return areaLinesPen_; }
    ChartPen& linePen() { return linePen_; }
    const ChartPen& linePen() const { return linePen_; }
    bool useYOrigin() const { return useYOrigin_; }
    void setUseYOrigin(bool value) { assign(useYOrigin_, value); }
    double yOrigin() const { return yOrigin_; }
    void setYOrigin(double value) { assign(yOrigin_, value); }

    // draws the points that fall in the horizontal range of the plot, plus
    // one beyond each edge so the bands reach the edges.
    void draw(QPainter& painter, const ChartRect& plot) const override;

private:
    void drawSegment(QPainter& painter, int index, QPoint top0, QPoint top1, int base0,
                     int base1) const;

    ChartPen areaLinesPen_;
    ChartPen linePen_;
    bool useYOrigin_ = false;
    double yOrigin_ = 0;
};

}  // namespace morvane
