#pragma once
// The wall behind the plot of a flat chart: a frame on the plot rectangle's
// edges and, unless transparent, a fill inside it.

#include "chart_brush.h"
#include "chart_pen.h"
#include "chart_rect.h"

#include <QPainter>

namespace morvane {

class BackWall : public ChartObject {
public:
    BackWall();

    bool isVisible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    // A transparent wall draws its frame only; its colour and brush image
    // are kept but never painted.
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent) { assign(transparent_, transparent); }
    QColor color() const { return color_; }
    void setColor(QColor color) { assign(color_, color); }
    ChartPen& pen() { return pen_; }
    const ChartPen& pen() const { return pen_; }
    ChartBrush& brush() { return brush_; }
    const ChartBrush& brush() const { return brush_; }

    // Frame from (plot left, plot top) to (plot right, plot bottom), both
    // corners included; the fill covers the same pixels under the frame.
    void draw(QPainter& painter, const ChartRect& plot) const;

private:
    bool visible_ = true;
    bool transparent_ = true;
    QColor color_ = colours::silver;
    ChartPen pen_;
    ChartBrush brush_;
};

}  // namespace morvane
