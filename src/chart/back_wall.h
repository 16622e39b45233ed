#pragma once
// The wall behind the plot of a flat chart: a frame on the plot rectangle's
// edges and, unless transparent, a fill inside it.

#include "chart_brush.h"
#include "chart_pen.h"
#include "chart_rect.h"

#include <QPainter>

namespace morvane {

class TChartBackWall : public TChartObject {
public:
    TChartBackWall();

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }
    // A transparent wall draws its frame only; its colour and brush image
    // are kept but never painted.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { Assign(transparent_, transparent); }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Assign(color_, color); }
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }

    // Frame from (plot left, plot top) to (plot right, plot bottom), both
    // corners included; the fill covers the same pixels under the frame.
    void Draw(QPainter& painter, const TChartRect& plot) const;

private:
    bool visible_ = true;
    bool transparent_ = true;
    TColor color_ = clSilver;
    TChartPen pen_;
    TChartBrush brush_;
};

}  // namespace morvane
